#include "framework/softrec/kvdatetime.h"

#include "framework/softrec/kvdatetext.h"
#include "framework/softrec/kvnumtext.h"
#include "framework/softrec/kvsoftmsg.h"

namespace {

enum : UINT {
    kMsgLetters = 8095,
    kMsgFormat = 8123,
};

int Fail(int bQuiet, UINT id)
{
    if (!bQuiet)
        KvSoftShowMessage(id);
    return 0;
}

bool ValidTime(int hour, int minute)
{
    return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59;
}

}  // namespace

KvTime::KvTime(const void*, WORD)
{
    Misuse(__FILE__, __LINE__);
}

KvValue& KvTime::operator=(const KvValue& src)
{
    if (src.GetType() != kKvValueText) {
        Misuse(__FILE__, __LINE__);
        return *this;
    }
    const KvTwoNumbers numbers = KvSplitTwoNumbers(const_cast<KvValue&>(src).AsText());
    if (!numbers.hasFirst) {
        m_hour = 25;
        m_minute = 60;
        return *this;
    }
    m_hour = static_cast<short>(numbers.first);
    m_minute = static_cast<short>(numbers.hasSecond ? numbers.second : 60);
    return *this;
}

int KvTime::Validate(CString text, int bQuiet)
{
    enum class State { Hour, Separator, Minute } state = State::Hour;
    text.TrimLeft();
    const int n = text.GetLength();
    const bool hasColon = text.Find(':') >= 0;
    const char* s = text;
    CString hour;
    CString minute;
    bool complete = false;
    bool stoppedEarly = false;
    for (int i = 0; i < n && !stoppedEarly; ++i) {
        const char c = s[i];
        const bool last = i == n - 1;
        if (KvIsLetter(c))
            return Fail(bQuiet, kMsgLetters);
        if (state == State::Hour) {
            if (KvIsDigit(c) && hour.GetLength() < 2) {
                hour += c;
                continue;
            }
            if (KvIsDigit(c)) {
                state = State::Separator;  // a third digit starts the minutes
            } else if (hour.IsEmpty()) {
                return Fail(bQuiet, kMsgFormat);
            } else if (last) {
                stoppedEarly = true;
                continue;
            } else {
                state = State::Separator;
                continue;
            }
        }
        if (state == State::Separator) {
            if (KvIsDigit(c)) {
                minute += c;
                state = State::Minute;
                if (last && hasColon)
                    stoppedEarly = true;
            } else if (!KvIsSeparatorChar(c)) {
                return Fail(bQuiet, kMsgFormat);
            }
            continue;
        }
        // Minutes.
        if (KvIsDigit(c)) {
            if (minute.GetLength() == 2)
                return Fail(bQuiet, kMsgFormat);
            minute += c;
            if (minute.GetLength() == 2)
                complete = true;
        } else if (minute.GetLength() == 2) {
            complete = true;
        } else {
            return Fail(bQuiet, kMsgFormat);
        }
    }
    if (!stoppedEarly && n == 3)
        complete = true;
    if (!complete)
        return Fail(bQuiet, kMsgFormat);
    const int h = KvTextToInt32(hour);
    const int m = KvTextToInt32(minute);
    if (h < 0 || h > 23) {
        // Three digits read the other way: one hour digit and two minute digits.
        if (stoppedEarly || n != 3)
            return Fail(bQuiet, kMsgFormat);
        const int h1 = s[0] - '0';
        const int m2 = KvTextToInt32(CString(s + 1, 2));
        if (!(KvIsDigit(s[0]) && KvIsDigit(s[1]) && KvIsDigit(s[2]) && ValidTime(h1, m2)))
            return Fail(bQuiet, kMsgFormat);
        return 1;
    }
    if (!ValidTime(h, m))
        return Fail(bQuiet, kMsgFormat);
    return 1;
}

void KvTime::Normalize(CString& text)
{
    CString copy = text;
    copy.TrimLeft();
    copy.TrimRight();
    const char* p = copy;
    bool allDigits = copy.GetLength() > 0;
    for (const char* q = p; *q != 0; ++q)
        allDigits = allDigits && KvIsDigit(*q);
    if (allDigits && copy.GetLength() == 4) {
        text = copy.Left(2) + ":" + copy.Mid(2);
        return;
    }
    if (allDigits && copy.GetLength() == 3) {
        text = copy.Left(1) + ":" + copy.Mid(1);
        return;
    }
    text = KvJoinTwoNumbers(copy, ':');
}
