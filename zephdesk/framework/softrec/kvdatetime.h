// The month-and-day and time-of-day values, with the checks and the normal form of the
// text a user types for such a field. Neither has storage of its own: records keep these
// fields as text and the values are converted from it.
#pragma once

#include "framework/softrec/kvvalue.h"

class KvMonthAndDay : public KvValue {
public:
    KvMonthAndDay() = default;
    // There is no storage of this type; the constructor reports the misuse.
    KvMonthAndDay(const void* storage, WORD storageType);

    WORD GetType() const override { return kKvValueMonthAndDay; }
    int IsFlagged() const override { return 0; }

    int GetMonth() const { return m_month; }
    void SetMonth(short month) { m_month = month; }
    int GetDay() const { return m_day; }
    void SetDay(short day) { m_day = day; }

    using KvValue::operator=;
    // Only a TEXT source converts: its leading digits, one separator, the next digits.
    KvValue& operator=(const KvValue& src) override;

    // TRUE when text is a valid month and day; otherwise shows why (unless quiet).
    static int Validate(CString text, int bQuiet);
    // Rewrites accepted text as "<month digits>/<day digits>".
    static void Normalize(CString& text);

private:
    short m_month = 0;
    short m_day = 0;
};

class KvTime : public KvValue {
public:
    KvTime() = default;
    KvTime(const void* storage, WORD storageType);

    WORD GetType() const override { return kKvValueTime; }
    int IsFlagged() const override { return 0; }

    // Hour 25 with minute 60 is the time that holds nothing; minute 60 alone a time whose
    // minutes are missing.
    int GetHour() const { return m_hour; }
    void SetHour(short hour) { m_hour = hour; }
    int GetMinute() const { return m_minute; }
    void SetMinute(short minute) { m_minute = minute; }

    using KvValue::operator=;
    KvValue& operator=(const KvValue& src) override;

    static int Validate(CString text, int bQuiet);
    // Rewrites accepted text as "H:MM" or "HH:MM" style ("1230" -> "12:30").
    static void Normalize(CString& text);

private:
    short m_hour = 25;
    short m_minute = 60;
};
