#include "framework/softrec/kvdatetime.h"

#include "foundation/kvassert.h"
#include "framework/softrec/kvdatetext.h"
#include "framework/softrec/kvsoftmsg.h"

namespace {

enum : UINT {
    kMsgLetters = 8088,
    kMsgMonthDigits = 8089,
    kMsgSeparator = 8090,
    kMsgDayDigits = 8091,
    kMsgMonthRange = 8092,
    kMsgDayRange = 8093,
    kMsgIncomplete = 8094,
};

int Fail(int bQuiet, UINT id, const char* insert1 = nullptr, const char* insert2 = nullptr)
{
    if (!bQuiet)
        KvSoftShowMessage(id, insert1, insert2);
    return 0;
}

int LastDayOf(int month)
{
    switch (month) {
    case 2:
        return 29;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 31;
    }
}

}  // namespace

KvMonthAndDay::KvMonthAndDay(const void*, WORD)
{
    Misuse(__FILE__, __LINE__);
}

KvValue& KvMonthAndDay::operator=(const KvValue& src)
{
    if (src.GetType() != kKvValueText) {
        Misuse(__FILE__, __LINE__);
        return *this;
    }
    const KvTwoNumbers numbers = KvSplitTwoNumbers(const_cast<KvValue&>(src).AsText());
    m_month = static_cast<short>(numbers.first);
    m_day = static_cast<short>(numbers.hasSecond ? numbers.second : 0);
    return *this;
}

int KvMonthAndDay::Validate(CString text, int bQuiet)
{
    enum class State { Month, Separator, Day } state = State::Month;
    text.TrimLeft();
    CString month;
    CString day;
    for (const char* p = text; *p != 0; ++p) {
        const char c = *p;
        if (KvIsLetter(c))
            return Fail(bQuiet, kMsgLetters);
        switch (state) {
        case State::Month:
            if (KvIsDigit(c)) {
                if (month.GetLength() == 2)
                    return Fail(bQuiet, kMsgMonthDigits);
                month += c;
            } else if (month.IsEmpty()) {
                return Fail(bQuiet, kMsgMonthDigits);
            } else {
                state = State::Separator;
            }
            break;
        case State::Separator:
            if (KvIsDigit(c)) {
                day += c;
                state = State::Day;
            } else if (!KvIsSeparatorChar(c)) {
                CString shown;
                shown.Format("%c", c);
                return Fail(bQuiet, kMsgSeparator, shown);
            }
            break;
        case State::Day:
            if (KvIsDigit(c)) {
                if (day.GetLength() == 2)
                    return Fail(bQuiet, kMsgDayDigits);
                day += c;
            }
            break;
        }
    }
    if (day.IsEmpty())
        return Fail(bQuiet, kMsgIncomplete);
    const KvTwoNumbers numbers = KvSplitTwoNumbers(month + "/" + day);
    if (numbers.first < 1 || numbers.first > 12)
        return Fail(bQuiet, kMsgMonthRange);
    const int lastDay = LastDayOf(numbers.first);
    if (numbers.second < 1 || numbers.second > lastDay) {
        CString last;
        CString monthText;
        last.Format("%d", lastDay);
        monthText.Format("%d", numbers.first);
        return Fail(bQuiet, kMsgDayRange, last, monthText);
    }
    return 1;
}

void KvMonthAndDay::Normalize(CString& text)
{
    text = KvJoinTwoNumbers(text, '/');
}
