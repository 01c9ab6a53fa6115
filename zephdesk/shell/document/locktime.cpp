#include "shell/document/locktime.h"

#include <cstdio>

namespace {

constexpr const char* kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

template <std::size_t N>
const char* NameOf(const char* const (&names)[N], std::int32_t index)
{
    return index >= 0 && static_cast<std::size_t>(index) < N ? names[index] : "???";
}

}  // namespace

std::string KvFormatLockTime(const std::int32_t (&time)[9])
{
    bool any = false;
    for (std::int32_t word : time)
        any = any || word != 0;
    if (!any)
        return std::string();
    char text[96];
    std::snprintf(text, sizeof text, "%.3s %.3s%3d %.2d:%.2d:%.2d %lld\n", NameOf(kDays, time[6]),
                  NameOf(kMonths, time[4]), static_cast<int>(time[3]), static_cast<int>(time[2]),
                  static_cast<int>(time[1]), static_cast<int>(time[0]), static_cast<long long>(time[5]) + 1900);
    return text;
}
