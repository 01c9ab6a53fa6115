// The client log "FlowsmithLog.txt": one file per session, lines written as formatted
// (no time stamp, no level tag), flushed every log-interval messages counted whether
// written or not.
#pragma once
#include <cstdarg>
#include <cstdio>
#include <string>

namespace zlink {

class ClientLog {
public:
    ~ClientLog() { Close(); }
    // Opens (truncating) the file; false when it cannot be made.
    bool Open(const std::string& path, int level, int interval);
    void Close();
    bool IsOpen() const { return m_file != nullptr; }
    int Level() const { return m_level; }
    // Formats into 512 bytes (longer messages are cut) and writes when level <= the log level.
    void Write(int level, const char* format, std::va_list args);

private:
    std::FILE* m_file = nullptr;
    int m_level = 0;
    int m_interval = 0;
    int m_countdown = 0;
};

ClientLog& TheLog();

}  // namespace zlink

// The library's log function: level 1 failures, 2 starts of operations, 3 details.
void log_message(int level, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;
