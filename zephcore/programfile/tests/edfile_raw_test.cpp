// The raw form of older files: images and byte blocks read by the format levels of the
// file's version, every length checked against what the file holds.
#include <gtest/gtest.h>

#include "edfile_testutil.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "model/pbcat.h"
#include "model/pbentry_instance.h"
#include "model/superblk.h"
#include "model/symtable.h"
#include "model/vsentence.h"
#include "programfile/edfile/edfile.h"
#include "programfile/edfile/edfile_blocks.h"

namespace zeph::test {
namespace {

// Little-endian bytes of a raw file.
class RawBytes {
 public:
  RawBytes& Word(int v) {
    bytes_ += static_cast<char>(v & 0xFF);
    bytes_ += static_cast<char>((v >> 8) & 0xFF);
    return *this;
  }
  RawBytes& Long(std::int32_t v) { return Word(v & 0xFFFF).Word((v >> 16) & 0xFFFF); }
  RawBytes& Text(const std::string& text, std::size_t width) {
    std::string field = text.substr(0, width);
    field.resize(width, '\0');
    bytes_ += field;
    return *this;
  }
  RawBytes& Zeros(std::size_t n) { return Text("", n); }
  RawBytes& Raw(const std::string& bytes) {
    bytes_ += bytes;
    return *this;
  }
  // A symbol image of the level's width: 64, 66, 68 or 70 bytes.
  RawBytes& Symbol(const char* name, int size, int type, int refCnt, int scope, int arraySize, int isConst,
                   int width = 70) {
    RawBytes image;
    image.Zeros(10).Text(name, 32).Word(size).Word(type).Word(type >= 100 ? 1 : 0).Word(0).Word(1).Word(refCnt);
    image.Long(0).Word(0).Long(0).Word(scope).Word(arraySize).Word(isConst);
    bytes_ += image.bytes_.substr(0, static_cast<std::size_t>(width));
    return *this;
  }
  RawBytes& Block(const char* name, int type, int x, int y) {
    return Text(name, 32).Word(type).Word(0).Word(x).Word(y).Zeros(134 - 40);
  }
  const std::string& Bytes() const { return bytes_; }
  std::size_t Size() const { return bytes_.size(); }

 private:
  std::string bytes_;
};

class RawForm : public EdFileTest {
 protected:
  // Reads the bytes as a raw file into a fresh program.
  int Read(const std::string& bytes, std::unique_ptr<TProgram>& program) {
    program = NewProgram();
    program->Reset();
    std::FILE* f = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::rewind(f);
    const int rc = DiskReadProgram(*program, f, nullptr, 1);
    std::fclose(f);
    return rc;
  }

  // A current file: a variable with its value, a page with a one-exit table, a sentence,
  // and a Pause block whose wait is a constant 1500.
  RawBytes Current() {
    RawBytes r;
    r.Raw("VLXV8.03").Word(100);
    r.Symbol("Count", 1, kTypeInteger, 0, 0, 1, 0).Word(4).Long(77);
    RawBytes entry;
    entry.Text("Out", 32).Raw(std::string(1, '\3')).Raw(std::string(1, '\2')).Word(3).Zeros(4);
    entry.Zeros(83 - 40).Long(1).Zeros(102 - 87);
    r.Symbol("Billing", 1, kTypeSuperBlock, 0, 0, 1, 0).Word(6).Long(1).Word(1);
    r.Word(204).Raw(entry.Bytes()).Zeros(102);
    r.Symbol("Wait", 1, kTypeVavurOrezo, 0, 0, 1, 0).Word(0);
    r.Symbol("Hi", 1, kTypeVoiceSentence, 0, 0, 1, 0);
    r.Word(0).Word(0).Word(3).Text("\\VLX\\PRMT\\hi.vox", 128).Word(5).Text("note", 5).Word(-555);
    r.Zeros(70);
    r.Block("Wait", 134, 12, 34);
    const int slots = CountFields(DescriptionOf(134));
    r.Zeros(24);
    for (int i = 0; i < slots; ++i) {
      if (i == 0) {
        r.Word(2).Zeros(10).Word(kTypeInteger).Zeros(6).Word(4).Long(1500);
      } else {
        r.Word(2).Zeros(18).Word(0);
      }
    }
    r.Zeros(12).Word(0);   // the trailing raw part, then the skip word of 1.5 and later
    r.Zeros(134);
    return r;
  }
};

TEST_F(RawForm, ACurrentFileReads) {
  std::unique_ptr<TProgram> p;
  ASSERT_EQ(Read(Current().Bytes(), p), 0);
  SymbolTable& t = p->Symbols();
  TProgram::DisableSymbolPageCheck all(*p);
  Symbol* count = LookupSymbol("Count", kTypeInteger, &t);
  ASSERT_NE(count, nullptr);
  auto* value = dynamic_cast<ValueBlockData*>(count->Data.get());
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->Bytes()[0], 77);

  Symbol* billing = LookupSymbol("Billing", kTypeSuperBlock, &t);
  ASSERT_NE(billing, nullptr);
  auto* page = dynamic_cast<SBPageData*>(billing->Data.get());
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->PageType, 1);
  ASSERT_EQ(page->Count(), 1);
  EXPECT_STREQ(page->Table()[0].Name, "Out");
  EXPECT_EQ(page->Table()[0].GotoStrs, page->Table()[0].Name);   // pointed at itself
  EXPECT_EQ(page->Table()[0].FieldOffset, 80);

  SentenceComponent** hi = SentenceComponents(LookupSymbol("Hi", kTypeVoiceSentence, &t));
  ASSERT_NE(hi, nullptr);
  ASSERT_NE(*hi, nullptr);
  EXPECT_STREQ((*hi)->Area.Path, "\\VLX\\PRMT\\hi.vox");
  EXPECT_EQ((*hi)->Id, 3);
  EXPECT_EQ((*hi)->Text, std::optional<std::string>("note"));

  PBInstance* wait = InstanceOf(LookupSymbol("Wait", kTypeVavurOrezo, &t));
  ASSERT_NE(wait, nullptr);
  EXPECT_EQ(wait->X, 12);
  EXPECT_EQ(wait->Y, 34);
  const SymP* first = wait->Area.FindSlot(24);
  ASSERT_NE(first, nullptr);
  std::int32_t waitTime = 0;
  std::memcpy(&waitTime, first->ConstPtr.data(), 4);
  EXPECT_EQ(waitTime, 1500);
  EXPECT_EQ(p->VavurOrezoCount, 1);
}

// Cut anywhere, the file gives a clear error and leaves what was read so far.
TEST_F(RawForm, ACutFileIsCorruptAtEveryByte) {
  const std::string bytes = Current().Bytes();
  for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
    std::unique_ptr<TProgram> p;
    EXPECT_EQ(Read(bytes.substr(0, cut), p), -158) << "cut at " << cut;
  }
}

TEST_F(RawForm, LengthsBeyondTheFileAreRefusedBeforeAnythingIsMade) {
  RawBytes r;
  r.Raw("VLXV8.03").Word(100).Symbol("Count", 1, kTypeInteger, 0, 0, 1, 0).Word(0x7FFF).Long(1);
  std::unique_ptr<TProgram> p;
  EXPECT_EQ(Read(r.Bytes(), p), -158);
  EXPECT_EQ(LookupSymbol("Count", kTypeInteger, &p->Symbols()), nullptr);
}

TEST_F(RawForm, OlderLevelsReadTheirShorterImages) {
  // Version 1.0: 64-byte images without scope, array size or constant flag; an interface
  // table of ten 94-byte entries.
  RawBytes r;
  r.Raw("VLXV1.00").Word(100);
  r.Symbol("Total", 1, kTypeInteger, 0, 7, 9, 1, 64).Word(4).Long(5);
  r.Symbol("Sub", 1, kTypeSuperBlock, 0, 7, 9, 1, 64).Word(6).Zeros(6).Word(940);
  for (int i = 0; i < 10; ++i) r.Text("E" + std::to_string(i), 32).Zeros(94 - 32);
  r.Zeros(64).Zeros(134);
  std::unique_ptr<TProgram> p;
  ASSERT_EQ(Read(r.Bytes(), p), 0);
  Symbol* total = LookupSymbol("Total", kTypeInteger, &p->Symbols());
  ASSERT_NE(total, nullptr);
  EXPECT_EQ(total->ArraySize, 1);
  EXPECT_EQ(total->IsConst, 0);
  EXPECT_EQ(total->Scope, 0);
  auto* page = dynamic_cast<SBPageData*>(LookupSymbol("Sub", kTypeSuperBlock, &p->Symbols())->Data.get());
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->Count(), 10);
  EXPECT_STREQ(page->Table()[9].Name, "E9");
}

// Items follow their component and end at -555; a component without items is followed
// directly by the next component or the list's end.
TEST_F(RawForm, SentenceItemsAreReadWhereThereAreAny) {
  RawBytes r;
  r.Raw("VLXV8.03").Word(100);
  r.Symbol("Count", 1, kTypeInteger, 0, 0, 1, 0).Word(4).Long(1);
  r.Symbol("Hi", 1, kTypeVoiceSentence, 0, 0, 1, 0);
  r.Word(kKindFileNumber).Word(0).Word(0).Text("\\VLX\\PRMT\\", 128).Word(0);
  r.Word(0).Text("two", 128).Word(0).Long(7).Word(1).Text("Count", 32);   // one item
  r.Word(-555);
  r.Word(kKindFileVoice).Word(0).Word(0).Text("bye.vox", 128).Word(0);   // no items
  r.Word(-555);
  r.Zeros(70).Zeros(134);
  std::unique_ptr<TProgram> p;
  ASSERT_EQ(Read(r.Bytes(), p), 0);
  SentenceComponent** hi = SentenceComponents(LookupSymbol("Hi", kTypeVoiceSentence, &p->Symbols()));
  ASSERT_NE(hi, nullptr);
  SentenceComponent* first = *hi;
  ASSERT_NE(first, nullptr);
  ASSERT_NE(first->Detail, nullptr);
  EXPECT_STREQ(first->Detail->Area1.Path, "two");
  EXPECT_EQ(first->Detail->Flag2, 0);
  ASSERT_EQ(first->Detail->Ref2.ConstPtr.size(), 4u);
  EXPECT_EQ(first->Detail->Ref2.ConstPtr[0], 7);
  EXPECT_EQ(first->Detail->Flag3, 1);
  EXPECT_EQ(first->Detail->Ref3.S, LookupSymbol("Count", kTypeInteger, &p->Symbols()));
  ASSERT_NE(first->Next, nullptr);
  EXPECT_STREQ(first->Next->Area.Path, "bye.vox");
  EXPECT_EQ(first->Next->Detail, nullptr);
  EXPECT_EQ(first->Next->Next, nullptr);
}

TEST_F(RawForm, NewerAndForeignFilesAreRefused) {
  for (const char* label : {"VLXV8.04", "ABCD1.00"}) {
    RawBytes r;
    r.Raw(label).Word(100).Zeros(70).Zeros(134);
    std::unique_ptr<TProgram> p;
    EXPECT_EQ(Read(r.Bytes(), p), -169) << label;
  }
}

}  // namespace
}  // namespace zeph::test
