// The exports under Wine, through the stand-in server's COM classes created by ProgID, as
// the designer calls them: log-in, list, new, save complete, close, open, save as (the copy
// opened again), delete, one item import.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "com_fixture_win32.h"
#include "kvlink.h"

namespace {

using standin::com::testing::Bstr;
using standin::com::testing::create;

// The launcher's log-in: a directory context of the administrator.
std::string LogIn() {
    IVtDirectory* d = create<IVtDirectory>(kProgIdDirectory, IID_IVtDirectory);
    if (!d) return "";
    Bstr host("127.0.0.1"), empty(""), suffix("o=vantora"), user("4711"), location("2"), password("2468");
    std::string context;
    if (SUCCEEDED(d->Connect(1, host, 389, 0, empty, suffix, user, location, password, empty))) {
        Bstr id;
        d->GetContextId(id.out());
        context = id.text();
    }
    d->Release();
    return context;
}

std::string ProgDir() {
    char value[MAX_PATH] = {};
    DWORD size = sizeof value;
    RegGetValueA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tarvix\\Vantora\\Flowsmith", "ProgDir", RRF_RT_REG_SZ, nullptr, value,
                 &size);
    return value;
}

void WriteFile(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<unsigned char> Wav() {
    std::vector<unsigned char> b;
    auto put = [&](std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i) b.push_back(static_cast<unsigned char>(v >> (8 * i)));
    };
    auto text = [&](const char* t) { b.insert(b.end(), t, t + 4); };
    text("RIFF");
    put(40, 4);
    text("WAVE");
    text("fmt ");
    put(16, 4);
    put(1, 2);
    put(1, 2);
    put(8000, 4);
    put(16000, 4);
    put(2, 2);
    put(16, 2);
    text("data");
    put(4, 4);
    put(0x01020304, 4);
    return b;
}

TEST(ExportsThroughComTest, ADesignerSessionAgainstTheStandin) {
    const std::string folder = ProgDir();
    ASSERT_FALSE(folder.empty());
    std::filesystem::create_directories(folder);
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    const std::string context = LogIn();
    ASSERT_FALSE(context.empty());
    // Names of this process's own: test programs share the program folder.
    const std::string name = "Com" + std::to_string(GetCurrentProcessId() % 100000);
    const std::string copy = name + "b";
    // Files left in the program folder would be offered for recovery by every later
    // designer start, so they go on every path out of the test, failed assertions too.
    struct RemoveFiles {
        std::string folder, name, copy;
        ~RemoveFiles() {
            std::error_code error;
            for (const char* ext : {".ED", ".RUN", ".RLL", ".wav"}) {
                std::filesystem::remove(folder + name + ext, error);
                std::filesystem::remove(folder + copy + ext, error);
            }
        }
    } removeFiles{folder, name, copy};

    ASSERT_EQ(KvInitFlowsmith("", 1, 0, "ENC", "127.0.0.1", 1, "4711", 0, 0, context.c_str(), "2", 0, 0), 0);
    char version[34] = {};
    EXPECT_EQ(KvGetServerVersion(0, 0, version), 0);
    EXPECT_STREQ(version, "1.06.04");
    KvAppListEntry* list = nullptr;
    ASSERT_EQ(KvFilesToDisplay(reinterpret_cast<int*>(&list), 1, 1, 0), 0);
    EXPECT_EQ(list[0].customerId, 0);
    KvFreeAllocatedMemory(list);

    KvAppRecord record{};
    record.customerId = 1;
    record.applicationId = 70;
    std::strcpy(record.name, name.c_str());
    record.volumeId = 1;
    KvAppInfo info{};
    ASSERT_EQ(KvFileNew(&record, &info), 0);
    EXPECT_EQ(info.applicationId, 70);
    EXPECT_TRUE(std::filesystem::exists(folder + name + ".ED"));
    for (const char* ext : {".ED", ".RUN", ".RLL"}) WriteFile(folder + name + ext, name + ext);
    ASSERT_EQ(KvFileSave(1, 70, 1, 11, &info), 0);
    EXPECT_EQ(info.compiledOk, 1);

    const std::vector<unsigned char> wav = Wav();
    const std::string wavPath = folder + name + ".wav";
    std::ofstream(wavPath, std::ios::binary).write(reinterpret_cast<const char*>(wav.data()), static_cast<std::streamsize>(wav.size()));
    KvItemRecord item{};
    item.itemId = 3;
    item.mediaType = 14;
    EXPECT_EQ(KvImportVoiceItem(1, 70, &item, wavPath.c_str()), 0);

    ASSERT_EQ(KvFileClose(1, 70), 0);
    std::filesystem::remove(folder + name + ".ED");
    ASSERT_EQ(KvFileOpen(&record, &info), 0);
    EXPECT_EQ(info.compiledOk, 1);
    EXPECT_EQ(ReadText(folder + name + ".ED"), name + ".ED");

    // Save As sends what the designer wrote and built under the new name.
    for (const char* ext : {".ED", ".RUN", ".RLL"}) WriteFile(folder + copy + ext, copy + ext);
    ASSERT_EQ(KvFileSaveAs(1, 70, 1, 1, 71, copy.c_str(), 1, 0, &info), 0);
    EXPECT_EQ(info.applicationId, 71);
    ASSERT_EQ(KvFileClose(1, 71), 0);
    std::filesystem::remove(folder + copy + ".ED");
    KvAppRecord copyRecord = record;
    copyRecord.applicationId = 71;
    std::strcpy(copyRecord.name, copy.c_str());
    ASSERT_EQ(KvFileOpen(&copyRecord, &info), 0);
    EXPECT_EQ(info.compiledOk, 1);
    EXPECT_EQ(ReadText(folder + copy + ".ED"), copy + ".ED");
    ASSERT_EQ(KvFileClose(1, 71), 0);
    EXPECT_EQ(KvFileDelete(1, 71, copy.c_str(), 0), 0);
    EXPECT_EQ(KvFileDelete(1, 71, copy.c_str(), 0), 16);
    EXPECT_EQ(KvTermFlowsmith(), 0);
    // A second session in the same process: COM security is already set, which is no failure.
    ASSERT_EQ(KvInitFlowsmith("", 1, 0, "ENC", "127.0.0.1", 1, "4711", 0, 0, LogIn().c_str(), "2", 0, 0), 0);
    int id = 0;
    EXPECT_EQ(KvGetUnusedID(&id), 0);
    EXPECT_GE(id, 1000);
    EXPECT_EQ(KvTermFlowsmith(), 0);
    CoUninitialize();
}

}  // namespace
