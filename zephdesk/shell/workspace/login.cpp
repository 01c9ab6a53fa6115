#include "shell/workspace/login.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "foundation/kvflthnd.h"
#include "shell/workspace/argline.h"

namespace {

std::string Cut(std::string text) {
    if (text.size() > kServerTextMax) text.resize(kServerTextMax);
    return text;
}

std::vector<long long> VersionParts(const std::string& version) {
    std::vector<long long> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t dot = version.find('.', start);
        parts.push_back(std::atoll(version.substr(start, dot == std::string::npos ? std::string::npos : dot - start).c_str()));
        if (dot == std::string::npos) break;
        start = dot + 1;
    }
    return parts;
}

bool Succeeded(int result) { return result == 0 || result == kInitAlreadyStarted; }

}  // namespace

bool IsBatchLine(const std::string& commandLine) {
    std::string t = TrimLine(commandLine);
    return !t.empty() && t[0] == '/';
}

LoginOutcome LogIn(const std::string& commandLine, bool standAlone, std::int32_t logLevel, std::int32_t logInterval,
                   LoginCalls& calls) {
    LoginOutcome outcome;
    outcome.standAlone = standAlone;
    if (commandLine.size() > kMaxArgumentLine) {
        outcome.refused = true;
        outcome.initResult = -1;
        return outcome;
    }
    LoginFields fields = ReadLoginFields(commandLine);
    outcome.systemValue = Cut(fields.systemValue);
    outcome.serverName = Cut(fields.serverName);

    InitArguments args;
    args.commandLine = commandLine;
    args.customer = fields.customer;
    args.startFlag = fields.startFlag;
    args.launchNumber = fields.launchNumber;
    args.userId = fields.userId;
    args.logLevel = logLevel;
    args.logInterval = logInterval;
    if (outcome.standAlone) {
        args.contextId = "2";
        args.locationId = "2";
        args.sslPort = 636;
        args.sslLevel = 0;
    } else {
        args.password = fields.password;
        args.hasAddress = true;
        args.address = fields.serverAddress;
        args.contextId = fields.contextId;
        args.locationId = fields.locationId;
        args.sslPort = fields.sslPort;
        args.sslLevel = fields.sslLevel;
    }
    outcome.initResult = calls.InitFlowsmith(args);
    if (!Succeeded(outcome.initResult)) {
        outcome.refused = true;
        return outcome;
    }
    if (outcome.standAlone) return outcome;

    char version[kServerVersionSize] = {};
    if (calls.GetServerVersion(fields.startFlag, fields.serverAddress, version) != 0) return outcome;
    version[kServerVersionSize - 1] = '\0';
    outcome.serverVersion = version;
    calls.UpdateVavurorezoDefinitions(version);
    outcome.serverName = Cut(outcome.serverName + " (Vantora Server Version " + outcome.serverVersion + ")");
    return outcome;
}

unsigned LoginFailureMessage(int initResult) {
    return initResult == kInitUnsupportedVersion ? kMsgUnsupportedVersion : kMsgServerNotAvailable;
}

void ReportLoginFailure(KvFaultHandlerObj* handler, int initResult) {
    if (!handler) return;
    KvFaultMessage message(LoginFailureMessage(initResult));
    handler->Report(0x10000000, kKvSeverityWarning, kKvButtonsOk, kKvFaultOk, &message, nullptr, 0, __FILE__, __LINE__);
}

int IsNewServer(bool standAlone, const std::string& version) {
    if (standAlone) return 1;
    const std::vector<long long> have = VersionParts(version);
    const std::vector<long long> want = {1, 6, 4};
    for (std::size_t i = 0; i < std::max(have.size(), want.size()); ++i) {
        long long a = i < have.size() ? have[i] : 0;
        long long b = i < want.size() ? want[i] : 0;
        if (a != b) return a > b ? 1 : 0;
    }
    return 1;
}

std::string ServerCaption(const std::string& productName, const std::string& serverName) {
    return productName + " - " + serverName;
}
