// Test fixture pieces: a fault handler whose boxes go to a scripted responder, and a
// string table of registered texts, both installed for the lifetime of the object.
#pragma once

#include <string>
#include <vector>

#include "foundation/kvflthnd.h"
#include "foundation/kvmsgbox.h"
#include "foundation/kvscrpres.h"
#include "foundation/kvstrtab.h"

class FaultCapture {
public:
    FaultCapture() : m_previousHandler(KvGetFaultHandler()), m_scope(presenter)
    {
        KvSetFaultHandler(&handler);
        KvSetStringTable(&table);
    }
    ~FaultCapture()
    {
        KvSetStringTable(nullptr);
        KvSetFaultHandler(m_previousHandler);
    }

    // The conditions of the failed assertions reported so far, in order.
    std::vector<std::string> Assertions() const
    {
        std::vector<std::string> conditions;
        for (const auto& box : presenter.Boxes()) {
            if (box.caption != "Output Log Message")
                continue;
            const auto start = box.text.find("Log:\t");
            const auto end = box.text.find('\n', start);
            conditions.push_back(box.text.substr(start + 5, end - start - 5));
        }
        return conditions;
    }

    KvScriptedPresenter presenter;
    KvFaultHandlerObj handler;
    KvMemoryStringTable table;

private:
    KvFaultHandlerObj* m_previousHandler;
    KvScopedMessagePresenter m_scope;
};
