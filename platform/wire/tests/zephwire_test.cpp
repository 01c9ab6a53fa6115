#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "wire/zephwire.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

void Put(Bytes& b, std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b.push_back(static_cast<unsigned char>(v >> (8 * i)));
}
void Text(Bytes& b, const char* t) { b.insert(b.end(), t, t + 4); }

Bytes Wav(std::uint16_t format, std::uint16_t bits, const Bytes& samples) {
    Bytes b;
    Text(b, "RIFF");
    Put(b, 36 + static_cast<std::uint32_t>(samples.size()), 4);
    Text(b, "WAVE");
    Text(b, "fmt ");
    Put(b, 16, 4);
    Put(b, format, 2);
    Put(b, 1, 2);
    Put(b, 8000, 4);
    Put(b, 8000 * bits / 8, 4);
    Put(b, bits / 8, 2);
    Put(b, bits, 2);
    Text(b, "data");
    Put(b, static_cast<std::uint32_t>(samples.size()), 4);
    b.insert(b.end(), samples.begin(), samples.end());
    return b;
}

class WireTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("zephwire-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string Write(const char* name, const Bytes& b) {
        const fs::path p = dir / name;
        std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
        return p.string();
    }
    Bytes Read(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    fs::path dir;
};

TEST_F(WireTest, PcmWavBecomesAVoiceBlockOfItsSamples) {
    const std::string source = Write("in.wav", Wav(1, 16, {1, 2, 3, 4}));
    const std::string target = (dir / "out.blk").string();
    ASSERT_EQ(ZephwireWavToVoiceblk(source.c_str(), target.c_str(), 2, 0, 0xC0320000u, 1), 0);
    const Bytes block = Read(target);
    Bytes expected = {'V', 'B', 'L', 'K'};
    Put(expected, 1, 2);
    Put(expected, 1, 2);
    Put(expected, 8000, 4);
    Put(expected, 16, 2);
    Put(expected, 2, 2);
    Put(expected, 0xC0320000u, 4);
    Put(expected, 4, 4);
    expected.insert(expected.end(), {1, 2, 3, 4});
    EXPECT_EQ(block, expected);
}

TEST_F(WireTest, OtherFilesAreNotConvertibleWav) {
    const std::string target = (dir / "out.blk").string();
    Bytes truncated = Wav(1, 16, {1, 2, 3, 4});
    truncated.resize(truncated.size() - 2);
    const std::vector<std::pair<const char*, Bytes>> cases = {
        {"compressed", Wav(6, 8, {1, 2})}, {"truncated", truncated}, {"text", Bytes{'h', 'e', 'l', 'l', 'o'}},
        {"bits", Wav(1, 12, {1, 2})}};
    for (const auto& [name, bytes] : cases) {
        const std::string source = Write(name, bytes);
        EXPECT_EQ(ZephwireWavToVoiceblk(source.c_str(), target.c_str(), 2, 0, 0, 1), kWireNotPcmWav) << name;
    }
    EXPECT_EQ(ZephwireWavToVoiceblk((dir / "missing.wav").string().c_str(), target.c_str(), 2, 0, 0, 1), kWireNotPcmWav);
}

Bytes Tiff(bool little, std::uint32_t directory, std::uint16_t entries, std::uint32_t next) {
    Bytes b = little ? Bytes{'I', 'I', 42, 0} : Bytes{'M', 'M', 0, 42};
    auto put = [&](std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i) b.push_back(static_cast<unsigned char>(little ? v >> (8 * i) : v >> (8 * (n - 1 - i))));
    };
    put(directory, 4);
    put(entries, 2);
    for (int i = 0; i < entries * 12; ++i) b.push_back(0);
    put(next, 4);
    return b;
}

TEST_F(WireTest, TiffIsCheckedAndWrappedOrRefusedByKind) {
    const std::string target = (dir / "out.blk").string();
    for (bool little : {true, false}) {
        const Bytes tiff = Tiff(little, 8, 1, 0);
        const std::string source = Write(little ? "ii.tif" : "mm.tif", tiff);
        ASSERT_EQ(ZephwireTiff2Faxblk(source.c_str(), target.c_str(), 1), 0);
        const Bytes block = Read(target);
        ASSERT_EQ(block.size(), 16 + tiff.size());
        EXPECT_EQ(Bytes(block.begin(), block.begin() + 4), (Bytes{'F', 'B', 'L', 'K'}));
        EXPECT_EQ(block[6], little ? 0 : 1);
        EXPECT_EQ(block[8], 1);  // one page
        EXPECT_EQ(Bytes(block.begin() + 16, block.end()), tiff);
    }
    Bytes magic = Tiff(true, 8, 1, 0);
    magic[2] = 43;
    const std::vector<std::pair<Bytes, int>> cases = {
        {Bytes{'I', 'I', 42}, kWireTiffTooShort},
        {Bytes{'X', 'X', 42, 0, 8, 0, 0, 0}, kWireTiffByteOrder},
        {magic, kWireTiffMagic},
        {Tiff(true, 4000, 1, 0), kWireTiffDirectory},
        {Tiff(true, 8, 0, 0), kWireTiffNoEntries},
        {Tiff(true, 8, 1, 8), kWireTiffLoop},
    };
    int i = 0;
    for (const auto& [bytes, code] : cases) {
        const std::string source = Write(("bad" + std::to_string(i++)).c_str(), bytes);
        EXPECT_EQ(ZephwireTiff2Faxblk(source.c_str(), target.c_str(), 1), code) << i;
    }
    Bytes cut = Tiff(true, 8, 3, 0);
    cut.resize(20);
    EXPECT_EQ(ZephwireTiff2Faxblk(Write("cut.tif", cut).c_str(), target.c_str(), 1), kWireTiffTruncated);
    EXPECT_EQ(ZephwireTiff2Faxblk((dir / "none.tif").string().c_str(), target.c_str(), 1), kWireTiffUnreadable);
}

}  // namespace
