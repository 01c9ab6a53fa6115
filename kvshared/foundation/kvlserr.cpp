#include "foundation/kvlserr.h"

#include <cstdint>
#include <cstdio>

#include "foundation/kvlserrask.h"

namespace {

constexpr std::int16_t kLoggedReports = 49;

std::int16_t g_reportCount = 0;
KvLoadSaveErrorPrompt* g_prompt = nullptr;
std::function<std::tm()> g_clock;

std::tm Now()
{
    if (g_clock)
        return g_clock();
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    if (const std::tm* p = std::localtime(&t))
        local = *p;
    return local;
}

// "MM/DD/YY HH:MM:SS code message" and a line end.
std::string LogLine(const std::string& message, int code)
{
    const std::tm now = Now();
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%02d/%02d/%02d %02d:%02d:%02d %d ", now.tm_mon + 1, now.tm_mday,
                  now.tm_year % 100, now.tm_hour, now.tm_min, now.tm_sec, static_cast<int>(static_cast<std::int16_t>(code)));
    return stamp + message + "\n";
}

void AppendToLog(const std::string& line)
{
    std::FILE* log = std::fopen(kKvLoadSaveLogName, "a");
    if (log == nullptr)
        return;
    std::fputs(line.c_str(), log);
    std::fclose(log);
}

}  // namespace

int ReportLoadSaveError(short& mode, const char* message, int code)
{
    const std::string text = message != nullptr ? message : "";
    if (g_reportCount <= kLoggedReports)
        ++g_reportCount;
    if (g_reportCount <= kLoggedReports)
        AppendToLog(LogLine(text, code));

    if (mode == kKvLoadSaveLogAndContinue)
        return 1;
    if (mode == kKvLoadSaveLogAndStop)
        return 0;

    mode = 0;
    bool doNotAskAgain = false;
    KvLoadSaveErrorPrompt& prompt = g_prompt != nullptr ? *g_prompt : KvDefaultLoadSaveErrorPrompt();
    const bool goOn = prompt.AskContinue("Load and Save Error!!\n\n" + text, doNotAskAgain);
    mode = doNotAskAgain ? kKvLoadSaveLogAndContinue : 0;
    return goOn ? 1 : 0;
}

void KvSetLoadSaveErrorPrompt(KvLoadSaveErrorPrompt* prompt)
{
    g_prompt = prompt;
}

void KvSetLoadSaveErrorClock(std::function<std::tm()> clock)
{
    g_clock = std::move(clock);
}

int KvLoadSaveErrorReportCount()
{
    return g_reportCount;
}
