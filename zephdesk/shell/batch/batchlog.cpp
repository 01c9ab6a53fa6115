#include "shell/batch/batchlog.h"

#include <cstdio>

const char kBatchUnderscoreLine[] = "_______________________________________\n";
const char kBatchHyphenLine[] = "---------------------------------------\n";
static_assert(sizeof kBatchUnderscoreLine == 39 + 2 && sizeof kBatchHyphenLine == 39 + 2,
              "separator lines are 39 characters and a line end");

std::tm SystemBatchClock::Now()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

std::string BatchTimeText(const std::tm& time)
{
    static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char text[64];
    std::snprintf(text, sizeof text, "%.3s %.3s%3d %.2d:%.2d:%.2d %d\n", kDays[(time.tm_wday % 7 + 7) % 7],
                  kMonths[(time.tm_mon % 12 + 12) % 12], time.tm_mday, time.tm_hour, time.tm_min, time.tm_sec,
                  1900 + time.tm_year);
    return text;
}

void WriteBatchAbort(std::ostream& log, BatchClock& clock, const char* errorLine)
{
    log << BatchTimeText(clock.Now()) << kBatchUnderscoreLine << "\n"
        << errorLine << kBatchHyphenLine << "\n";
}

std::string DefaultBatchLogPath(const char* vlxFolder)
{
    const std::string folder = vlxFolder != nullptr ? vlxFolder : "\\VLX";
    return folder + "\\CMDLINE.LOG";
}
