// What the designer's tests against a stand-in server share: the argument line of the
// stand-in's seeded administrator, applications made on the server for a test, and the
// removal of their copies from the program folder (a copy left there is offered for
// recovery by every later logged-in start in the prefix).
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>

#include "editor/samples/sampleprograms.h"
#include "kvlink.h"
#include "shell/app/modelexports.h"
#include "shell/app/uiapp.h"
#include "shell/operations/localfiles.h"
#include "shell/workspace/loginexports.h"

inline constexpr const char* kAdministratorLine =
    "Flowsmith :  : Standin : 0 : 127.0.0.1 : 0 : 0 : 0 : 4711 : 0 : 1 : 1 : F59F060B21F1BA85 : 2 : "
    "ctx-test-0001 : 0 : 0 : 40718396";

// The designer started as the administrator (log-in, frame, recovery offers), its settings
// in profile.
inline std::unique_ptr<UIApp> StartStandinDesigner(SettingsProfile& profile)
{
    auto app = std::make_unique<UIApp>("Flowsmith", ::GetModuleHandleA(nullptr), nullptr, kAdministratorLine,
                                       SW_SHOWNORMAL, UIAppCalls{profile, ExportLoginCalls(), ModelExportCalls()});
    app->InitInstance();
    return app;
}

// A new application of customer 1 on volume 1: the server's result, 0 when made.
inline int MakeStandinApplication(std::int32_t id, const std::string& name)
{
    KvAppRecord record{};
    record.customerId = 1;
    record.applicationId = id;
    std::strncpy(record.name, name.c_str(), sizeof record.name - 1);
    record.volumeId = 1;
    KvAppInfo info{};
    return KvFileNew(&record, &info);
}

// An application on the server whose program is a new one, closed again for a designer to
// open: 0 when the server took all of it.
inline int PutStandinApplication(std::int32_t id, const std::string& name)
{
    if (const int made = MakeStandinApplication(id, name); made != 0)
        return made;
    std::ostringstream log;
    if (ed::WriteNewProgramFile(KvProgramFolder() + name + ".ed", log) != 1)
        return -1;
    KvAppInfo info{};
    const int saved = KvFileSave(1, id, 0, 11, &info);
    const int closed = KvFileClose(1, id);
    return saved != 0 ? saved : closed;
}

inline void RemoveProgramFolderCopies(const std::string& name)
{
    const std::string folder = KvProgramFolder();
    for (const std::string& file : KvFilesOfName(folder, name))
        std::remove((folder + file).c_str());
}
