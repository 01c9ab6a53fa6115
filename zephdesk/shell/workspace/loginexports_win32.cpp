#include "shell/workspace/loginexports.h"

#include "kvlink.h"
#include "model/interface/vlx.h"

namespace {

class ExportCalls : public LoginCalls {
public:
    int InitFlowsmith(const InitArguments& a) override {
        return KvInitFlowsmith(a.commandLine.c_str(), a.customer, a.startFlag, a.password.c_str(),
                               a.hasAddress ? a.address.c_str() : nullptr, a.launchNumber, a.userId.c_str(),
                               a.logLevel, a.logInterval, a.contextId.c_str(), a.locationId.c_str(), a.sslPort,
                               a.sslLevel);
    }
    // The client library finds the server from its session; its second argument is unused.
    int GetServerVersion(std::int32_t startFlag, const std::string&, char* version) override {
        return KvGetServerVersion(startFlag, 0, version);
    }
    void UpdateVavurorezoDefinitions(const char* version) override { vlxUpdateVavurorezoDefinitions(version); }
    int TermFlowsmith() override { return KvTermFlowsmith(); }
};

}  // namespace

LoginCalls& ExportLoginCalls() {
    static ExportCalls calls;
    return calls;
}
