// Opening the client library's connection at start-up from the launcher's argument line:
// stand-alone work with fixed values for an empty line, otherwise the launcher's fields,
// then the server's version, the model's VavurOrezo definitions for that version and the
// server caption. The client library's and the model's exports are reached through
// LoginCalls so that tests record them.
#pragma once

#include <cstdint>
#include <string>

class KvFaultHandlerObj;

// The arguments of the client library's start call, in its order.
struct InitArguments {
    std::string commandLine;
    std::int32_t customer = 0;
    std::int32_t startFlag = 0;
    std::string password;
    bool hasAddress = false;  // stand-alone work passes no address
    std::string address;
    std::int32_t launchNumber = 0;
    std::string userId;
    std::int32_t logLevel = 0;
    std::int32_t logInterval = 0;
    std::string contextId;
    std::string locationId;
    std::int32_t sslPort = 0;
    std::int32_t sslLevel = 0;
};

class LoginCalls {
public:
    virtual ~LoginCalls() = default;
    virtual int InitFlowsmith(const InitArguments& args) = 0;
    // Fills version (kServerVersionSize bytes); 0 on success.
    virtual int GetServerVersion(std::int32_t startFlag, const std::string& address, char* version) = 0;
    virtual void UpdateVavurorezoDefinitions(const char* version) = 0;
    // Ends the client library's session; 0 on success.
    virtual int TermFlowsmith() = 0;
};

inline constexpr int kServerVersionSize = 34;
// Server texts kept by the workspace hold at most this many characters.
inline constexpr std::size_t kServerTextMax = 254;

// Start results of the client library.
inline constexpr int kInitUnsupportedVersion = 74;
// The session started on a connection that was already open: a success too.
inline constexpr int kInitAlreadyStarted = 35;

// Messages of a refused log-in.
inline constexpr unsigned kMsgServerNotAvailable = 8115;
inline constexpr unsigned kMsgUnsupportedVersion = 8116;

struct LoginOutcome {
    bool standAlone = false;
    bool refused = false;   // the connection could not be opened
    int initResult = 0;
    std::string systemValue;
    std::string serverName;  // with the version suffix once the version is known
    std::string serverVersion;  // empty when not asked or not answered
};

// True for a line that starts (after blanks) with "/": a command-line build, not a log-in.
bool IsBatchLine(const std::string& commandLine);

// Logs in as the line says: with fixed stand-alone values when standAlone (an empty line or
// a command-line build), else with the launcher's fields. A line longer than the argument
// line takes is refused, never cut.
LoginOutcome LogIn(const std::string& commandLine, bool standAlone, std::int32_t logLevel, std::int32_t logInterval,
                   LoginCalls& calls);

// The message of a refused log-in's start result.
unsigned LoginFailureMessage(int initResult);

// Reports a refused log-in through handler (when given).
void ReportLoginFailure(KvFaultHandlerObj* handler, int initResult);

// 1 in stand-alone work; otherwise 1 when version is "1.06.04" or newer, compared as
// dot-separated numbers from the left.
int IsNewServer(bool standAlone, const std::string& version);

// The main window's caption after a log-in with a command line.
std::string ServerCaption(const std::string& productName, const std::string& serverName);
