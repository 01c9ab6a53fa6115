// The fixture of the item tests on a running stand-in server: a logged-in designer with one
// fresh application of its own, its document's item members (the modified flag counted),
// the item workspace with the file choice scripted, an empty program and two sound files.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "foundation/kvobarray.h"
#include "foundation/kvscrpres.h"
#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvdefstore.h"
#include "framework/softrec/kvdefstrings.h"
#include "framework/softrec/kvfldvlu.h"
#include "kvlink.h"
#include "model/interface/vlx.h"
#include "shell/app/modelexports.h"
#include "shell/app/processexit.h"
#include "shell/app/uiapp.h"
#include "shell/frame/uimdiframe.h"
#include "shell/settings/inifile.h"
#include "shell/document/kvuserapp.h"
#include "shell/items/designeritems.h"
#include "shell/items/itemcontent.h"
#include "shell/items/itemlink.h"
#include "shell/items/itemworkers.h"
#include "shell/items/kvsoftitem.h"
#include "shell/operations/localfiles.h"
#include "shell/workspace/kvwinapp.h"
#include "shell/workspace/loginexports.h"
#include "standin_application.h"


// A mono 16-bit PCM WAV of two samples.
inline std::string PcmWav()
{
    std::string b;
    auto put = [&](std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i) b.push_back(static_cast<char>(v >> (8 * i)));
    };
    b += "RIFF";
    put(40, 4);
    b += "WAVEfmt ";
    for (auto [v, n] : std::vector<std::pair<std::uint32_t, int>>{{16, 4}, {1, 2}, {1, 2}, {8000, 4}, {16000, 4},
                                                                  {2, 2}, {16, 2}})
        put(v, n);
    b += "data";
    put(4, 4);
    put(0x01020304, 4);
    return b;
}

class OneApplication : public ActiveApplication {
public:
    KvUserApp* app = nullptr;
    bool ActiveName(std::string& name) override
    {
        name = static_cast<const char*>(app->GetText(F_UA_NAME));
        return true;
    }
    KvUserApp* ActiveUserApp() override { return app; }
};

// The document's item members, its modified flag kept here: the test's document has no
// program to mark.
class DocumentItems : public KvUserAppItems {
public:
    using KvUserAppItems::KvUserAppItems;
    void SetModified() override { ++modified; }
    int modified = 0;
};

// The designer's item workspace with the file choice scripted.
class ScriptedFileWorkspace : public KvDesignerItemWorkspace {
public:
    std::string file;
    std::unique_ptr<DocumentItems> items;
    KvItemApplication* ActiveItemApplication() override { return items.get(); }
    bool ChooseImportFile(const KvItemFileDialog&, char (&path)[kKvImportPathRoom]) override
    {
        std::strncpy(path, file.c_str(), kKvImportPathRoom - 1);
        return true;
    }
};

class ItemsOnStandinTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(std::getenv("VTSTANDIN_LDAP"), nullptr) << "runs only against a stand-in server";
        SetShellExitHook([](int) {});
        KvSetDefinitionStore(&m_definitions);
        m_profilePath = ::testing::TempDir() + "items_standin.ini";
        m_profile = std::make_unique<IniFileProfile>(m_profilePath);
        m_app = StartStandinDesigner(*m_profile);
        ASSERT_NE(m_app->GetWorkspace(), nullptr);
        ASSERT_TRUE(m_presenter.Boxes().empty()) << m_presenter.Boxes()[0].caption << m_presenter.Boxes()[0].text;
        KvSetStringTable(&m_strings);

        // Each test an application of its own: the server keeps them for the process.
        static int tests = 0;
        m_appId = 1070 + ++tests;
        const std::string name = "Itm" + std::to_string(m_appId) + "_" + std::to_string(::GetCurrentProcessId() % 100000);
        ASSERT_EQ(MakeStandinApplication(m_appId, name), 0);
        m_name = name;
        KvAppRecord record{};
        record.customerId = 1;
        record.applicationId = m_appId;
        std::strcpy(record.name, name.c_str());
        record.volumeId = 1;
        m_document = std::make_unique<KvUserApp>(record);
        m_items.items = std::make_unique<DocumentItems>(*m_document);
        m_active.app = m_document.get();
        m_app->GetWorkspace()->SetActiveApplication(&m_active);
        m_program = vlxAddProgram(nullptr, 0);
        vlxActivatePage(vlxCreatePage("Main", 1, 0));
        KvSetItemLink(&KvExportItemLink());
        KvSetItemWorkspace(&m_items);
        m_wav = ::testing::TempDir() + name + ".wav";
        std::ofstream(m_wav, std::ios::binary) << PcmWav();
        m_notWav = ::testing::TempDir() + name + ".txt";
        std::ofstream(m_notWav, std::ios::binary) << "not a sound";
    }
    void TearDown() override
    {
        KvSetItemWorkspace(nullptr);
        KvSetItemLink(nullptr);
        if (m_app && m_app->GetWorkspace() != nullptr)
            m_app->GetWorkspace()->SetActiveApplication(nullptr);
        m_document.reset();
        if (m_program != nullptr)
            vlxRemoveProgram(m_program);
        m_items.items.reset();
        KvFileClose(1, m_appId);
        // The opened application's copy in the program folder goes with it: a copy left
        // there is offered for recovery by every later logged-in start in this prefix.
        if (!m_name.empty())
            RemoveProgramFolderCopies(m_name);
        if (m_app && m_app->GetMDIFrame() != nullptr)
            ::SendMessageA(m_app->GetMDIFrame()->HWindow, WM_CLOSE, 0, 0);
        m_app.reset();
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message != WM_QUIT)
                ::DispatchMessageA(&msg);
        }
        std::remove(m_profilePath.c_str());
        KvSetStringTable(nullptr);
        KvSetDefinitionStore(nullptr);
        SetShellExitHook(nullptr);
        std::remove(m_wav.c_str());
        std::remove(m_notWav.c_str());
    }

    KvSoftItem* Add(int kind, const char* name, short id)
    {
        auto* item = kind == 0 ? static_cast<KvSoftItem*>(new KvVoiceItem(nullptr)) : new KvFaxItem(nullptr);
        KvFieldValue(item->Fields().name, item) = CString(name);
        KvFieldValue(item->Fields().id, item) = id;
        item->Commit();
        if (item->AddToServer() != 1) {
            delete item;
            return nullptr;
        }
        m_document->GetList(kind == 0 ? F_UA_VOICE_ITEMS : F_UA_FAX_ITEMS)->Add(item);
        return item;
    }
    std::vector<std::string> Messages() const
    {
        std::vector<std::string> texts;
        for (const auto& box : m_presenter.Boxes())
            texts.push_back(box.text);
        return texts;
    }
    // Whether the server holds the item: a second add of it is refused.
    bool ServerHas(int media, int id)
    {
        KvItemRecord probe{};
        probe.itemId = static_cast<std::int16_t>(id);
        probe.mediaType = static_cast<std::int16_t>(media);
        if (KvManipulateItem(1, m_appId, 21, &probe) != 0)
            return true;
        KvManipulateItem(1, m_appId, 23, &probe);
        return false;
    }

    KvScriptedPresenter m_presenter;
    KvScopedMessagePresenter m_scoped{m_presenter};
    KvBuiltinDefinitionStore m_definitions;
    KvDefinitionStrings m_strings;
    std::string m_profilePath;
    std::unique_ptr<IniFileProfile> m_profile;
    std::unique_ptr<UIApp> m_app;
    OneApplication m_active;
    ScriptedFileWorkspace m_items;
    std::unique_ptr<KvUserApp> m_document;
    vlxHandleType m_program = nullptr;
    int m_appId = 0;
    std::string m_name;
    std::string m_wav;
    std::string m_notWav;
};
