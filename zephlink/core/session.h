// The module-wide session of the client library: what KvInitFlowsmith was given, the
// user's directory values, the clock, and the three lazily made singletons (directory
// client, admin-service client, state table), destroyed by KvTermFlowsmith.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace zlink {

class DirectoryClient;
class AdminClient;

inline constexpr const char kLockingPc[] = "1.1.1.1";

struct Session {
    bool standAlone = false;
    int customerId = 0;
    std::string userId;           // mailbox number, written as the locking user
    std::string encodedPassword;  // handed only to the voice recording
    std::string server;
    std::string location;
    std::string smtpAddress;
    int sslPort = 0;
    int sslLevel = 0;
};

Session& TheSession();

// Seconds since 1970 now; tests install their own clock (null restores the system's).
std::int64_t Now();
void SetClock(std::function<std::int64_t()> clock);

DirectoryClient& Directory();
AdminClient& Admin();
// Ends the singletons: state table, directory client, admin client, in this order.
void DestroySingletons();

// The program folder (registry value ProgDir of key, a trailing separator); false when
// it cannot be read.
bool ProgramFolder(const char* key, std::string& folder);
bool BinFolder(std::string& folder);

}  // namespace zlink

namespace zlink {
// Back to the state of a freshly loaded library (closes the log, forgets open
// applications and the stand-alone mode); the library never calls it, its tests do.
void ResetLibraryState();
}  // namespace zlink
