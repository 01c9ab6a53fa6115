#include "link_log.h"

#include <cstdarg>

namespace zlink {

bool ClientLog::Open(const std::string& path, int level, int interval) {
    Close();
    m_file = std::fopen(path.c_str(), "w");
    m_level = m_file ? level : 0;
    m_interval = interval;
    m_countdown = interval;
    return m_file != nullptr;
}

void ClientLog::Close() {
    if (m_file) std::fclose(m_file);
    m_file = nullptr;
    m_level = 0;
}

void ClientLog::Write(int level, const char* format, std::va_list args) {
    if (!m_file || m_level == 0) return;
    char buffer[512];
    std::vsnprintf(buffer, sizeof buffer, format, args);
    if (level <= m_level) std::fputs(buffer, m_file);
    if (m_countdown > 0) {
        --m_countdown;
    } else {
        m_countdown = m_interval;
        std::fflush(m_file);
    }
}

ClientLog& TheLog() {
    static ClientLog log;
    return log;
}

}  // namespace zlink

void log_message(int level, const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    zlink::TheLog().Write(level, format, args);
    va_end(args);
}
