#include <cstring>

#include "flowsmith_app.h"
#include "item_seams.h"
#include "standin_link.h"
#include "tone/zephtone.h"

namespace zlink::testing {
namespace {

class ItemsTest : public LinkTest {
protected:
    void SetUp() override {
        LinkTest::SetUp();
        ASSERT_EQ(Start(), 0);
        KvAppRecord record = AppRecord(30, "Items");
        KvAppInfo info{};
        ASSERT_EQ(KvFileNew(&record, &info), 0) << LogText();
        misa = info.misaFilePath;
    }
    void TearDown() override {
        SetItemSeams(nullptr);
        LinkTest::TearDown();
    }
    static KvItemRecord Item(int id, int type) {
        KvItemRecord item{};
        item.itemId = static_cast<std::int16_t>(id);
        item.mediaType = static_cast<std::int16_t>(type);
        return item;
    }
    // Lines of the journal since mark that start with call.
    std::vector<std::string> Calls(std::size_t mark, const std::string& call) {
        std::vector<std::string> out;
        std::istringstream lines(JournalSince(mark));
        for (std::string line; std::getline(lines, line);)
            if (line.rfind(call, 0) == 0) out.push_back(line.substr(0, line.find('\r')));
        return out;
    }
    std::string misa;
};

TEST_F(ItemsTest, VoiceAndFaxRecordsAreMadeAndRemoved) {
    std::size_t mark = Journal().size();
    KvItemRecord voice = Item(5, 14);
    ASSERT_EQ(KvManipulateItem(1, 30, 21, &voice), 0) << LogText();
    KvItemRecord fax = Item(5, 15);
    ASSERT_EQ(KvManipulateItem(1, 30, 21, &fax), 0) << LogText();
    std::vector<std::string> adds = Calls(mark, "directory.add");
    ASSERT_EQ(adds.size(), 3u);
    EXPECT_NE(adds[0].find("mmfsrecid=5+mmfsrectype=14"), std::string::npos) << adds[0];
    EXPECT_NE(adds[1].find("mmfsrecid=10005+mmfsrectype=15"), std::string::npos) << adds[1];
    EXPECT_NE(adds[2].find("mmfsrecid=20005+mmfsrectype=14"), std::string::npos) << adds[2];
    // Operation 25 recreates the voice part of a fax item only.
    mark = Journal().size();
    ASSERT_EQ(KvManipulateItem(1, 30, 25, &fax), 0) << LogText();
    const std::vector<std::string> deletes = Calls(mark, "directory.delete");
    adds = Calls(mark, "directory.add");
    ASSERT_EQ(deletes.size(), 1u);
    ASSERT_EQ(adds.size(), 1u);
    EXPECT_NE(deletes[0].find("mmfsrecid=20005"), std::string::npos);
    EXPECT_NE(adds[0].find("mmfsrecid=20005"), std::string::npos);
    ASSERT_EQ(KvManipulateItem(1, 30, 23, &voice), 0);
    EXPECT_EQ(KvManipulateItem(1, 30, 24, &voice), 60);
    KvItemRecord other = Item(5, 16);
    EXPECT_EQ(KvManipulateItem(1, 30, 21, &other), 30);
    EXPECT_EQ(KvManipulateItem(1, 31, 21, &voice), 48);
    // Ids wrap at 16 bits.
    KvItemRecord high = Item(60000, 15);
    mark = Journal().size();
    ASSERT_EQ(KvManipulateItem(1, 30, 21, &high), 0);
    adds = Calls(mark, "directory.add");
    ASSERT_EQ(adds.size(), 2u);
    EXPECT_NE(adds[0].find("mmfsrecid=4464+"), std::string::npos) << adds[0];
}

// Conversions that write a marker, so the sent record can be recognised.
std::string g_lastTarget;
int FakeWav(const char*, const char* target, int, int, std::uint32_t, int) {
    g_lastTarget = target;
    std::ofstream(target) << "voice";
    return 0;
}
int FakeTiff(const char*, const char* target, int) {
    g_lastTarget = target;
    std::ofstream(target) << "fax";
    return 0;
}
int Refused43875(const char*, const char*, int, int, std::uint32_t, int) { return 43875; }
int Refused43830(const char*, const char*, int) { return 43830; }
int Broken(const char*, const char*, int) { return 12; }
int Recorded(std::int16_t, std::int16_t, const char*, const char*, const char*, const char*, const char*) { return 0; }
int Throws(std::int16_t, std::int16_t, const char*, const char*, const char*, const char*, const char*) {
    throw std::runtime_error("line dropped");
}

TEST_F(ItemsTest, ImportsConvertSendAndMapConverterCodes) {
    const ItemSeams fake = {Recorded, FakeWav, FakeTiff};
    SetItemSeams(&fake);
    std::size_t mark = Journal().size();
    KvItemRecord fax = Item(5, 15);
    ASSERT_EQ(KvImportVoiceItem(1, 30, &fax, "in.wav"), 0) << LogText();
    ASSERT_EQ(KvImportFaxItem(1, 30, &fax, "in.tif"), 0) << LogText();
    const std::vector<std::string> sent = Calls(mark, "files.record");
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_NE(sent[0].find("| 20005 | 1 | 2"), std::string::npos) << sent[0];  // voice part: type 14, kind 1
    EXPECT_NE(sent[1].find("| 10005 | 2 | 2"), std::string::npos) << sent[1];  // fax part: kind 2
    // The converted block went to the system's temporary folder and is gone.
    EXPECT_EQ(std::filesystem::path(g_lastTarget).parent_path(), std::filesystem::temp_directory_path());
    EXPECT_FALSE(std::filesystem::exists(g_lastTarget));

    const ItemSeams refused = {Recorded, Refused43875, Refused43830};
    SetItemSeams(&refused);
    EXPECT_EQ(KvImportVoiceItem(1, 30, &fax, "in.wav"), 71);
    EXPECT_EQ(KvImportFaxItem(1, 30, &fax, "in.tif"), 71);
    const ItemSeams broken = {Recorded, [](const char*, const char*, int, int, std::uint32_t, int) { return 7; }, Broken};
    SetItemSeams(&broken);
    EXPECT_EQ(KvImportVoiceItem(1, 30, &fax, "in.wav"), 57);
    EXPECT_EQ(KvImportFaxItem(1, 30, &fax, "in.tif"), 57);
}

TEST_F(ItemsTest, RealConvertersRefuseWhatTheyCannotRead) {
    WriteLocal("bad.wav", "not a wave");
    KvItemRecord voice = Item(6, 14);
    EXPECT_EQ(KvImportVoiceItem(1, 30, &voice, (folder / "bad.wav").string().c_str()), 71);
    EXPECT_EQ(KvImportFaxItem(1, 30, &voice, (folder / "bad.tif").string().c_str()), 71);
}

TEST_F(ItemsTest, RecordingGoesThroughTheToneLibrary) {
    KvItemRecord voice = Item(7, 14);
    EXPECT_EQ(KvRecordVoiceItem(1, 30, &voice), kZephtoneNoLine);
    const ItemSeams recorded = {Recorded, FakeWav, FakeTiff};
    SetItemSeams(&recorded);
    EXPECT_EQ(KvRecordVoiceItem(1, 30, &voice), 0);
    const ItemSeams throws = {Throws, FakeWav, FakeTiff};
    SetItemSeams(&throws);
    EXPECT_EQ(KvRecordVoiceItem(1, 30, &voice), 60);
    EXPECT_NE(LogText().find("Zephtone_RecordVoice threw an exception.\n"), std::string::npos);
    EXPECT_EQ(LogText().find("ENCODED"), std::string::npos);
}

TEST_F(ItemsTest, CopyBetweenApplicationsAndAFailedFaxPartStopsTheVoicePart) {
    KvAppRecord record = AppRecord(32, "Target");
    KvAppInfo info{};
    ASSERT_EQ(KvFileNew(&record, &info), 0);
    KvItemRecord fax = Item(8, 15);
    ASSERT_EQ(KvManipulateItem(1, 30, 21, &fax), 0);
    KvItemRecord target = Item(9, 15);
    std::size_t mark = Journal().size();
    ASSERT_EQ(KvCutCopyPasteItem(0, 1, 30, &fax, 1, 32, &target), 0) << LogText();
    std::vector<std::string> copies = Calls(mark, "directory.modify");
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_NE(copies[0].find("destmmfsrecid~{value}~10009"), std::string::npos) << copies[0];
    EXPECT_NE(copies[1].find("destmmfsrecid~{value}~20009"), std::string::npos) << copies[1];
    EXPECT_EQ(KvCutCopyPasteItem(0, 1, 30, &fax, 1, 33, &target), 48);
    SetControl("stfaultrule", {"directory.modify 80 count=1"});
    mark = Journal().size();
    EXPECT_EQ(KvCutCopyPasteItem(0, 1, 30, &fax, 1, 32, &target), 60);
    EXPECT_EQ(Calls(mark, "directory.modify").size(), 1u);
    // A source that is not open is read from the directory for the copy.
    ASSERT_EQ(KvFileSave(1, 30, 0, 11, nullptr), 0) << LogText();
    ASSERT_EQ(KvFileClose(1, 30), 0);
    EXPECT_EQ(KvCutCopyPasteItem(0, 1, 30, &fax, 1, 32, &target), 0) << LogText();
    EXPECT_EQ(KvCutCopyPasteItem(0, 1, 34, &fax, 1, 32, &target), 48);
}

}  // namespace
}  // namespace zlink::testing
