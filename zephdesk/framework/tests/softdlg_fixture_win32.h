// Fixture of the soft-dialog window tests: faults and message boxes go to a scripted
// capture, texts come from the program's string resources with a few of the test's own
// in front, and a test shell resolves the list data links to lists of a server record.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "../../../kvshared/foundation/tests/fault_capture.h"
#include "framework/definitions/defs_ids.h"
#include "framework/shellservices.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvrecarr.h"
#include "framework/softrec/kvsoftobj.h"
#include "framework/softrec/kvsrecmem.h"
#include "framework/softrec/kvvalue.h"
#include "framework/softrec/kvtokens.h"

// The test's texts first, then the program's string resources.
class LayeredStrings : public KvStringTable {
public:
    explicit LayeredStrings(const KvStringTable& below) : m_below(below) {}
    void Set(UINT id, std::string text) { m_texts[id] = std::move(text); }
    int Load(UINT id, char* buf, int nMaxBuf) const override
    {
        const auto found = m_texts.find(id);
        if (found == m_texts.end())
            return m_below.Load(id, buf, nMaxBuf);
        const int n = std::min(static_cast<int>(found->second.size()), nMaxBuf - 1);
        found->second.copy(buf, static_cast<size_t>(n));
        buf[n] = '\0';
        return n;
    }

private:
    const KvStringTable& m_below;
    std::map<UINT, std::string> m_texts;
};

// A memory record that keeps the fields stored in character buffers (texts, dates and
// times of the parameter records) as strings.
class MemoryRecord : public KvSoftRecMem {
public:
    explicit MemoryRecord(WORD defId) : KvSoftRecMem(defId) {}
    WORD GetFieldStorageType(WORD fieldId) override
    {
        const WORD type = KvSoftRecMem::GetFieldStorageType(fieldId);
        return type == kKvStoreChar ? kKvStoreString : type;
    }
};

// Lists of the data links in a server record, as the shell keeps them: 2312 the
// restriction/permission lists, 2313 the languages, 2316 the volumes and 2307 the files.
// Views, refreshes and pumps are recorded.
class SoftDlgShell : public ShellServices {
public:
    SoftDlgShell() : server(DEF_SERVER) {}

    bool ResolveDataLink(WORD linkId, KvFieldValue& field) override
    {
        const WORD fieldId = linkId == 2312   ? F_SRV_RESPERM
                             : linkId == 2313 ? F_SRV_LANGUAGES
                             : linkId == 2316 ? F_SRV_VOLUMES
                             : linkId == 2307 ? F_SRV_APPS
                                              : 0;
        if (fieldId == 0)
            return false;
        field.SetFieldID(fieldId);
        field.SetSoftRec(&server);
        return true;
    }
    void ShowHelp(unsigned contextId) override { helps.push_back(contextId); }
    void RefreshDataLink(WORD linkId) override { links.push_back("refresh " + std::to_string(linkId)); }
    void PumpDataLink(WORD linkId, int position) override
    {
        links.push_back("pump " + std::to_string(linkId) + " " + std::to_string(position));
    }
    void AttachView(HWND window) override
    {
        for (HWND attached : views) {
            if (attached == window)
                return;
        }
        views.push_back(window);
    }
    void DetachView(HWND window) override
    {
        for (auto it = views.begin(); it != views.end(); ++it) {
            if (*it == window) {
                views.erase(it);
                return;
            }
        }
        detachedUnattached = true;
    }

    // Fills a list of the server record: one record of def per (key, name).
    void SetList(WORD listField, WORD def, WORD keyField, WORD nameField,
                 const std::vector<std::pair<std::int32_t, const char*>>& rows)
    {
        KvRecArray layer(&KvFieldValue(listField, &server).AsRecArray());
        for (const auto& [key, name] : rows) {
            auto* rec = new KvSoftRecMem(def);
            KvFieldValue(keyField, rec) = key;
            KvFieldValue(nameField, rec) = CString(name);
            layer.Add(rec);
        }
        KvFieldValue(listField, &server) = layer;
        server.Commit();
    }

    KvSoftRecMem server;
    std::vector<HWND> views;  // attached, not yet detached
    std::vector<std::string> links;
    std::vector<unsigned> helps;
    bool detachedUnattached = false;
};

class SoftDlgWindowTest : public ::testing::Test {
protected:
    SoftDlgWindowTest() : strings(PlatformStrings())
    {
        KvSetStringTable(&strings);
        KvSoftObj::SetApplication(&shell);
    }
    ~SoftDlgWindowTest() override { KvSoftObj::SetApplication(nullptr); }

    std::vector<std::string> Messages() const
    {
        std::vector<std::string> texts;
        for (const auto& box : capture.presenter.Boxes()) {
            if (box.caption != "Output Log Message")
                texts.push_back(box.text);
        }
        return texts;
    }

    FaultCapture capture;  // a fault is reported, never shown in a box that waits
    LayeredStrings strings;
    SoftDlgShell shell;

private:
    static const KvStringTable& PlatformStrings()
    {
        KvSetStringTable(nullptr);
        return KvGetStringTable();
    }
};
