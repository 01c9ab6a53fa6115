#include "shell/app/modelexports.h"

#include <windows.h>

#include "model/interface/vlx.h"

namespace {

// The user-defined sentence types' two exports are looked up when called: a model library
// without them has no such types to load or free.
int CallOptionalExport(const char* mangledName) {
    HMODULE model = ::GetModuleHandleA("zephcore.dll");
    auto call = model ? reinterpret_cast<int (*)()>(::GetProcAddress(model, mangledName)) : nullptr;
    return call ? call() : 0;
}

class ExportModelCalls : public DesignerModelCalls {
public:
    const char* ProductName() override { return vlxGetProductName(); }
    void ToggleBackTypes() override { vlxToggleBackTypes(); }
    void LoadUserDefIni() override { CallOptionalExport("_Z17vlxLoadUserDefINIv"); }
    void FreeUserDefIni() override { CallOptionalExport("_Z17vlxFreeUserDefINIv"); }
    void GetVavurOrezoList(zeph::IconInfoTable& table, int kind, int newServer) override {
        vlxGetVavurOrezoList(&table, kind, 0, 0, 0, newServer);
    }
    void SetNotificationMessage(unsigned message) override { vlxSetNotificationMessage(message); }
    bool AppErrorExists() override { return _appErrorExists != 0; }
};

}  // namespace

DesignerModelCalls& ModelExportCalls() {
    static ExportModelCalls calls;
    return calls;
}
