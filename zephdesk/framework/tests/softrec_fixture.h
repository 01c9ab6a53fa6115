// Test fixture of the data-object framework: message boxes go to the foundation's fault
// capture (messages and assertion reports are read back from it), the definitions' texts
// are the string table, and a fake shell answers the framework's questions.
#pragma once

#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../../../kvshared/foundation/tests/fault_capture.h"
#include "framework/shellservices.h"
#include "framework/softrec/kvdefstore.h"
#include "framework/softrec/kvdefstrings.h"
#include "framework/softrec/kvsoftobj.h"
#include "framework/softrec/kvsoftrec.h"
#include "framework/softrec/kvvalue.h"

class SoftRecShell : public ShellServices {
public:
    bool withoutCommandLine = false;
    int profile = 0;
    std::map<int, int> voiceUses, faxUses;
    // The item clipboard's last paste: held ID -> the ID it got.
    std::map<int, int> pastedVoiceIds, pastedFaxIds;
    std::map<std::int32_t, int> resPermUses;
    std::vector<std::string> calls;
    std::vector<std::int32_t> serverResPerms, serverLanguages;
    std::map<WORD, int> callOutResults;
    // Typed records made for definitions (the test supplies the factory).
    KvSoftRec* (*makeTyped)(WORD) = nullptr;

    bool IsStartedWithoutCommandLine() override { return withoutCommandLine; }
    int GetCustomerProfile() override { return profile; }
    KvSoftRec* CreateTypedRecord(WORD defId) override { return makeTyped ? makeTyped(defId) : nullptr; }
    void AddVoiceItemUse(int id) override { ++voiceUses[id]; }
    void ReleaseVoiceItemUse(int id) override { --voiceUses[id]; }
    void AddFaxItemUse(int id) override { ++faxUses[id]; }
    void ReleaseFaxItemUse(int id) override { --faxUses[id]; }
    void AddResPermUse(std::int32_t v) override { ++resPermUses[v]; }
    void RemoveResPermUse(std::int32_t v) override { --resPermUses[v]; }
    void UpdateResPermData() override { calls.push_back("UpdateResPermData"); }
    void UpdateLanguageUse() override { calls.push_back("UpdateLanguageUse"); }
    void CutCopyVoiceItem(int id) override { calls.push_back("CopyVoice " + std::to_string(id)); }
    int PastedVoiceItemId(int id) override { return pastedVoiceIds.count(id) ? pastedVoiceIds[id] : id; }
    int PastedFaxItemId(int id) override { return pastedFaxIds.count(id) ? pastedFaxIds[id] : id; }
    void CutCopyFaxItem(int id) override { calls.push_back("CopyFax " + std::to_string(id)); }
    void CutCopyResPermItem(std::int32_t v) override { calls.push_back("CopyResPerm " + std::to_string(v)); }
    void FreeServerRec() override { calls.push_back("FreeServerRec"); }
    int FindServerResPermIndex(std::int32_t v) override { return IndexIn(serverResPerms, v); }
    int FindServerLanguageIndex(std::int32_t v) override { return IndexIn(serverLanguages, v); }
    int RunCallOut(WORD id, KvSoftRec&) override
    {
        calls.push_back("CallOut " + std::to_string(id));
        return callOutResults.count(id) ? callOutResults[id] : 0;
    }

private:
    static int IndexIn(const std::vector<std::int32_t>& list, std::int32_t v)
    {
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (list[i] == v)
                return static_cast<int>(i);
        }
        return -1;
    }
};

// A record that keeps every field as text, whatever its value type: the fixture for rules
// on date and time fields, which only bound records keep otherwise.
class TextRecord : public KvSoftRec {
public:
    explicit TextRecord(WORD defId) : KvSoftRec(defId) {}
    ~TextRecord() override { DiscardEdits(); }
    WORD GetFieldStorageType(WORD) override { return kKvStoreString; }
    void* FieldStorage(WORD fieldId) override { return &m_texts[fieldId]; }

private:
    std::map<WORD, CString> m_texts;
};

class SoftRecTest : public ::testing::Test {
protected:
    SoftRecTest()
    {
#ifdef _WIN32
        KvSetStringTable(nullptr);  // the program's own string resources
#else
        KvSetStringTable(&m_strings);
#endif
        KvSoftObj::SetApplication(&shell);
    }
    ~SoftRecTest() override
    {
        KvSoftObj::SetApplication(nullptr);
        KvSetDefinitionStore(nullptr);
    }

    // Texts of the message boxes shown so far (assertion reports left out).
    std::vector<std::string> Messages() const
    {
        std::vector<std::string> texts;
        for (const auto& box : m_capture.presenter.Boxes()) {
            if (box.caption != "Output Log Message")
                texts.push_back(box.text);
        }
        return texts;
    }
    // Conditions of the assertion reports so far.
    std::vector<std::string> Assertions() const { return m_capture.Assertions(); }
    void ClearBoxes() { m_capture.presenter.Clear(); }

    SoftRecShell shell;

private:
    KvDefinitionStrings m_strings;  // outlives the capture, which restores the table
    FaultCapture m_capture;
};
