#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "bank/buffer.h"
#include "bank/filebuffer.h"

namespace {

TEST(BufferTest, ValuesAreWrittenLittleEndianAndReadBack) {
  MemoryBuffer b;
  ASSERT_TRUE(b.write_byte('\xFE'));
  ASSERT_TRUE(b.write_word(-2));
  ASSERT_TRUE(b.write_word(0x1234));
  ASSERT_TRUE(b.write_long(-123456789));
  ASSERT_TRUE(b.write_string("V9.01"));
  ASSERT_TRUE(b.write_string(nullptr));
  const std::vector<unsigned char> expected = {0xFE, 0xFE, 0xFF, 0x34, 0x12, 0xEB, 0x32, 0xA4, 0xF8,
                                               'V',  '9',  '.',  '0',  '1',  0,    0};
  EXPECT_EQ(b.Bytes(), expected);

  ASSERT_TRUE(b.seek(0));
  char c = 0;
  int w1 = 0, w2 = 0;
  std::int32_t l = 0;
  char* s1 = nullptr;
  char* s2 = nullptr;
  ASSERT_TRUE(b.read_byte(c) && b.read_word(w1) && b.read_word(w2) && b.read_long(l) && b.read_string(s1) &&
              b.read_string(s2));
  std::unique_ptr<char[]> own1(s1), own2(s2);
  EXPECT_EQ(c, '\xFE');
  EXPECT_EQ(w1, -2);
  EXPECT_EQ(w2, 0x1234);
  EXPECT_EQ(l, -123456789);
  EXPECT_STREQ(s1, "V9.01");
  EXPECT_STREQ(s2, "");
}

TEST(BufferTest, ReadsPastTheEndFailAndLeaveTheirOutputs) {
  struct Case {
    std::vector<unsigned char> bytes;
    const char* what;
  };
  const Case cases[] = {{{}, "empty"}, {{0x01}, "one byte"}, {{0x01, 0x02, 0x03}, "three bytes"}, {{'a', 'b'}, "text without its end"}};
  for (const Case& k : cases) {
    MemoryBuffer b(k.bytes);
    std::int32_t l = 77;
    EXPECT_FALSE(b.read_long(l)) << k.what;
    EXPECT_EQ(l, 77) << k.what;
    ASSERT_TRUE(b.seek(0));
    char* text = nullptr;
    EXPECT_FALSE(b.read_string(text)) << k.what;
    EXPECT_EQ(text, nullptr) << k.what;
  }
  MemoryBuffer b({1, 2});
  EXPECT_FALSE(b.seek(3));
  EXPECT_FALSE(b.seek(-1));
  int w = 0;
  char c = 'x';
  EXPECT_TRUE(b.read_word(w));
  EXPECT_FALSE(b.read_byte(c));
  EXPECT_EQ(c, 'x');
}

TEST(FileBufferTest, WritesReadsRewindsAndReportsTheClose) {
  const std::string path = ::testing::TempDir() + "filebuffer_test.bin";
  {
    FileBuffer out(path.c_str(), "w+b");
    ASSERT_NE(out.File(), nullptr);
    ASSERT_TRUE(out.write_long(0x01020304));
    ASSERT_TRUE(out.write_string("abc"));
    ASSERT_TRUE(out.seek(0));
    std::int32_t l = 0;
    ASSERT_TRUE(out.read_long(l));
    EXPECT_EQ(l, 0x01020304);
    EXPECT_TRUE(out.Close());
    EXPECT_EQ(out.File(), nullptr);
    EXPECT_FALSE(out.Close());
  }
  {
    FileBuffer in(path.c_str(), "rb");
    ASSERT_NE(in.File(), nullptr);
    unsigned char raw[16] = {};
    EXPECT_FALSE(in.read(raw, 9)) << "a count past the end is refused";
    ASSERT_TRUE(in.seek(0));
    ASSERT_TRUE(in.read(raw, 8));
    EXPECT_EQ(raw[0], 4);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(raw + 4)), "abc");
  }
  std::remove(path.c_str());
  FileBuffer missing((path + ".none/x").c_str(), "rb");
  EXPECT_EQ(missing.File(), nullptr);
  char c = 0;
  EXPECT_FALSE(missing.read_byte(c));
  EXPECT_FALSE(missing.write_byte(c));
}

#ifndef _WIN32
TEST(FileBufferTest, AWriteThatNeverReachesTheDiskFailsTheClose) {
  FileBuffer full("/dev/full", "w+b");
  ASSERT_NE(full.File(), nullptr);
  full.write_string("lost");
  EXPECT_FALSE(full.Close());
}
#endif

}  // namespace
