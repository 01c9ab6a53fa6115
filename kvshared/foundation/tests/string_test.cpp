#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "fault_capture.h"
#include "foundation/kvstring.h"

namespace {

std::string Str(const CString& s)
{
    return std::string(static_cast<const char*>(s), static_cast<std::size_t>(s.GetLength()));
}

class StringTest : public ::testing::Test {
protected:
    FaultCapture capture;
};

TEST_F(StringTest, EmptyStringsShareTheEmptyBufferWhichNeverChanges)
{
    CString a;
    CString b(a);
    CString c;
    c = a;
    CString d("");
    CString e(static_cast<const char*>(nullptr));
    for (const CString* s : {&a, &b, &c, &d, &e})
        EXPECT_EQ(s->GetData(), CString::EmptyData());
    const CStringData* nil = CString::EmptyData();
    EXPECT_EQ(nil->nRefs, -1);
    EXPECT_EQ(nil->nDataLength, 0);
    EXPECT_EQ(nil->nAllocLength, 0);
    EXPECT_EQ(*static_cast<const char*>(a), '\0');
}

TEST_F(StringTest, CopiesShareUntilOneIsWritten)
{
    CString a("hello");
    CString b(a);
    EXPECT_EQ(a.GetData(), b.GetData());
    EXPECT_EQ(a.GetData()->nRefs, 2);

    b.SetAt(0, 'j');
    EXPECT_NE(a.GetData(), b.GetData());
    EXPECT_EQ(Str(a), "hello");
    EXPECT_EQ(Str(b), "jello");
    EXPECT_EQ(a.GetData()->nRefs, 1);
    EXPECT_EQ(b.GetData()->nRefs, 1);

    CString c;
    c = a;
    EXPECT_EQ(c.GetData(), a.GetData());
    c.MakeUpper();
    EXPECT_EQ(Str(a), "hello");
    EXPECT_EQ(Str(c), "HELLO");
}

TEST_F(StringTest, BuffersAreExactFit)
{
    CString a("abc");
    EXPECT_EQ(a.GetAllocLength(), 3);
    CString sum = a + "de";
    EXPECT_EQ(Str(sum), "abcde");
    EXPECT_EQ(sum.GetAllocLength(), 5);
    sum += 'f';
    EXPECT_EQ(Str(sum), "abcdef");
    EXPECT_EQ(sum.GetAllocLength(), 6);
    EXPECT_EQ(Str('x' + a), "xabc");
    EXPECT_EQ(Str(a + 'y'), "abcy");
    EXPECT_EQ(Str("pre" + a), "preabc");
    EXPECT_EQ((CString() + CString()).GetData(), CString::EmptyData());
    EXPECT_EQ(Str(a + static_cast<const char*>(nullptr)), "abc");
}

TEST_F(StringTest, AppendingWithinReservedCapacityKeepsTheBuffer)
{
    CString s("ab");
    s.GetBuffer(10);
    s.ReleaseBuffer();
    const CStringData* before = s.GetData();
    s += "cdef";
    EXPECT_EQ(s.GetData(), before);
    EXPECT_EQ(Str(s), "abcdef");
    EXPECT_EQ(s.GetAllocLength(), 10);
}

TEST_F(StringTest, AppendingAStringToItself)
{
    CString s("ab");
    s += s;
    EXPECT_EQ(Str(s), "abab");
    s.GetBuffer(20);
    s.ReleaseBuffer();
    s += s;
    EXPECT_EQ(Str(s), "abababab");
}

TEST_F(StringTest, ConstructionForms)
{
    const char bytes[] = {'a', '\0', 'b'};
    CString withZero(bytes, 3);
    EXPECT_EQ(withZero.GetLength(), 3);
    EXPECT_EQ(Str(withZero), std::string(bytes, 3));
    EXPECT_EQ(CString(bytes, 0).GetData(), CString::EmptyData());

    EXPECT_EQ(Str(CString('z', 4)), "zzzz");
    EXPECT_TRUE(CString('z', 0).IsEmpty());
    EXPECT_TRUE(CString('z', -3).IsEmpty());

    EXPECT_EQ(Str(CString(L"wide")), "wide");
    const CString wide(L"wide");
    EXPECT_EQ(wide.GetLength(), 4);
    EXPECT_EQ(wide.GetAllocLength(), 8) << "two bytes of room per wide character";
    EXPECT_EQ(Str(CString(L"caf\u00e9")), "caf\xE9");
    EXPECT_TRUE(CString(static_cast<const wchar_t*>(nullptr)).IsEmpty());
    CString w;
    w = L"x";
    EXPECT_EQ(Str(w), "x");
}

TEST_F(StringTest, SmallPointerValuesAreStringTableIds)
{
    capture.table.Set(3, "text three");
    EXPECT_EQ(Str(CString(reinterpret_cast<const char*>(static_cast<std::uintptr_t>(3)))), "text three");
    EXPECT_TRUE(CString(reinterpret_cast<const char*>(static_cast<std::uintptr_t>(4))).IsEmpty());
}

TEST_F(StringTest, SubStrings)
{
    const CString s("abcdef");
    struct Case {
        CString result;
        const char* expected;
    };
    const Case cases[] = {
        {s.Mid(-2, 3), "abc"}, {s.Mid(4, 10), "ef"},     {s.Mid(9, 2), ""},        {s.Mid(2), "cdef"},
        {s.Mid(1, 0), ""},     {s.Mid(1, 2147483647), "bcdef"}, {s.Left(-1), ""},  {s.Left(2), "ab"},
        {s.Left(10), "abcdef"}, {s.Right(2), "ef"},        {CString("abc").Right(10), "abc"},
        {s.Right(-1), ""},     {s.SpanIncluding("bac"), "abc"}, {s.SpanExcluding("dx"), "abc"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Str(c.result), c.expected);
    // A piece is its own copy, never the source's buffer.
    EXPECT_NE(s.Mid(0, 6).GetData(), s.GetData());
    EXPECT_EQ(Str(s), "abcdef");
}

TEST_F(StringTest, Search)
{
    const CString s("axbx");
    EXPECT_EQ(s.Find('x'), 1);
    EXPECT_EQ(s.ReverseFind('x'), 3);
    EXPECT_EQ(s.Find('q'), -1);
    EXPECT_EQ(s.Find('\0'), 4);
    EXPECT_EQ(s.Find(""), 0);
    EXPECT_EQ(s.Find("bx"), 2);
    EXPECT_EQ(s.Find("bb"), -1);
    EXPECT_EQ(s.FindOneOf("qb"), 2);
    EXPECT_EQ(s.FindOneOf("qz"), -1);
}

TEST_F(StringTest, Trimming)
{
    CString right("  a b  ");
    right.TrimRight();
    EXPECT_EQ(Str(right), "  a b");
    CString left("  a b  ");
    left.TrimLeft();
    EXPECT_EQ(Str(left), "a b  ");

    CString blanks("   ");
    const CStringData* own = blanks.GetData();
    blanks.TrimRight();
    EXPECT_TRUE(blanks.IsEmpty());
    EXPECT_EQ(blanks.GetData(), own);

    CString white(" \t\n\v\f\rx\r\n");
    white.TrimLeft();
    white.TrimRight();
    EXPECT_EQ(Str(white), "x");

    CString high("\xA0z\xA0");
    high.TrimLeft();
    high.TrimRight();
    EXPECT_EQ(Str(high), "\xA0z\xA0");

    // Trimming one copy leaves the other alone.
    CString a(" x ");
    CString b(a);
    b.TrimLeft();
    EXPECT_EQ(Str(a), " x ");
}

TEST_F(StringTest, CaseAndReverse)
{
    CString s("Abc\xE9\xC9z");
    s.MakeUpper();
    EXPECT_EQ(Str(s), "ABC\xC9\xC9Z");
    s.MakeLower();
    EXPECT_EQ(Str(s), "abc\xE9\xE9z");
    s.MakeReverse();
    EXPECT_EQ(Str(s), "z\xE9\xE9" "cba");

    CString oem("a\xE9");
    oem.AnsiToOem();
    EXPECT_EQ(Str(oem), "a\x82");
    oem.OemToAnsi();
    EXPECT_EQ(Str(oem), "a\xE9");
}

TEST_F(StringTest, LockedStringsAreNeverShared)
{
    CString s("locked");
    char* p = s.LockBuffer();
    EXPECT_EQ(s.GetData()->nRefs, -1);

    CString copy(s);
    EXPECT_NE(copy.GetData(), s.GetData());
    EXPECT_EQ(Str(copy), "locked");
    CString assigned;
    assigned = s;
    EXPECT_NE(assigned.GetData(), s.GetData());

    s = CString("abc");
    EXPECT_EQ(static_cast<const char*>(s), p);
    EXPECT_EQ(s.GetData()->nRefs, -1);
    EXPECT_EQ(Str(s), "abc");

    s.Empty();
    EXPECT_EQ(static_cast<const char*>(s), p);
    EXPECT_EQ(s.GetLength(), 0);

    s.UnlockBuffer();
    EXPECT_EQ(s.GetData()->nRefs, 1);
    EXPECT_TRUE(capture.Assertions().empty());
}

TEST_F(StringTest, UnlockingAnUnlockedStringIsReportedAndChangesNothing)
{
    CString s("x");
    s.UnlockBuffer();
    EXPECT_EQ(s.GetData()->nRefs, 1);
    ASSERT_EQ(capture.Assertions().size(), 1u);
    EXPECT_EQ(capture.Assertions()[0], "(GetData()->nRefs == -1)");
}

TEST_F(StringTest, BufferAccess)
{
    CString s("ab");
    CString shared(s);
    char* p = s.GetBuffer(10);
    EXPECT_NE(s.GetData(), shared.GetData());
    EXPECT_EQ(s.GetAllocLength(), 10);
    EXPECT_EQ(s.GetLength(), 2);
    std::strcpy(p, "abcdefg");
    s.ReleaseBuffer();
    EXPECT_EQ(Str(s), "abcdefg");
    s.ReleaseBuffer(3);
    EXPECT_EQ(Str(s), "abc");
    s.FreeExtra();
    EXPECT_EQ(s.GetAllocLength(), 3);
    EXPECT_EQ(Str(s), "abc");

    CString t;
    char* q = t.GetBufferSetLength(4);
    std::memcpy(q, "wxyz", 4);
    EXPECT_EQ(Str(t), "wxyz");
    EXPECT_EQ(Str(shared), "ab");

    // A buffer written without a terminator ends at its capacity.
    CString u;
    std::memset(u.GetBuffer(5), 'k', 5);
    u.ReleaseBuffer();
    EXPECT_EQ(Str(u), "kkkkk");

    CString empty;
    empty.GetBuffer(0);
    empty.ReleaseBuffer();
    EXPECT_EQ(empty.GetData(), CString::EmptyData());
    EXPECT_TRUE(capture.Assertions().empty());
}

TEST_F(StringTest, EmptyReleasesTheBuffer)
{
    CString s("abc");
    s.Empty();
    EXPECT_EQ(s.GetData(), CString::EmptyData());
}

TEST_F(StringTest, SetAtOutsideTheTextIsReportedAndIgnored)
{
    CString s("abc");
    s.SetAt(3, 'x');
    s.SetAt(-1, 'x');
    EXPECT_EQ(Str(s), "abc");
    EXPECT_EQ(capture.Assertions().size(), 2u);
}

TEST_F(StringTest, FormatUsesExactlyTheNeededSize)
{
    CString s;
    s.Format("%5.2f|%s", 3.14159, "x");
    EXPECT_EQ(Str(s), " 3.14|x");
    EXPECT_EQ(s.GetAllocLength(), 7);

    // Longer than any fixed estimate per number.
    s.Format("%f", 1e300);
    EXPECT_EQ(s.GetLength(), 308);
    EXPECT_EQ(s.GetLength(), static_cast<int>(std::strlen(s)));
    s.Format("%200d|%-150s|", 7, "left");
    EXPECT_EQ(s.GetLength(), 352);

    struct Case {
        CString (*make)();
        const char* expected;
    };
    const Case cases[] = {
        {[] { CString r; r.Format("%E", 1.5); return r; }, "1.500000E+00"},
        {[] { CString r; r.Format("%lld", -1234567890123LL); return r; }, "-1234567890123"},
        {[] { CString r; r.Format("%zu", static_cast<std::size_t>(42)); return r; }, "42"},
        {[] { CString r; r.Format("%%|%c|%#x|%05d", 'q', 255, 42); return r; }, "%|q|0xff|00042"},
        {[] { CString r; r.Format("%*.*s|", 6, 2, "abcdef"); return r; }, "    ab|"},
        {[] { CString r; r.Format("%ls", L"wide"); return r; }, "wide"},
        {[] { CString r; r.Format("%s", ""); return r; }, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Str(c.make()), c.expected);
    EXPECT_TRUE(capture.Assertions().empty());
}

TEST_F(StringTest, FormatMayReadItsOwnText)
{
    CString s("abc");
    s.Format("%s-%s-%s", static_cast<const char*>(s), static_cast<const char*>(s), static_cast<const char*>(s));
    EXPECT_EQ(Str(s), "abc-abc-abc");
}

TEST_F(StringTest, FormatById)
{
    capture.table.Set(100, "Item %d of %s");
    CString s;
    s.Format(100u, 3, "ten");
    EXPECT_EQ(Str(s), "Item 3 of ten");

    s.Format(101u, 3);
    EXPECT_TRUE(s.IsEmpty());
    ASSERT_EQ(capture.Assertions().size(), 1u);
    EXPECT_EQ(capture.Assertions()[0], "(strFormat.LoadStringA(nFormatID) != 0)");
}

TEST_F(StringTest, FormatMessageInserts)
{
    CString s;
    s.FormatMessage("%2 then %1, %3!d! and %3!05d!%%%0ignored", "one", "two", 42);
    EXPECT_EQ(Str(s), "two then one, 42 and 00042%");

    capture.table.Set(8066, "Cannot open %1.");
    s.FormatMessage(8066u, "file.ed");
    EXPECT_EQ(Str(s), "Cannot open file.ed.");

    s.FormatMessage("%1!q!", 1);
    EXPECT_TRUE(s.IsEmpty());
}

TEST_F(StringTest, LoadStringTakesTextsOfAnyLength)
{
    for (int length : {0, 1, 253, 254, 255, 256, 511, 600, 2000}) {
        const std::string text(static_cast<std::size_t>(length), 'a' + length % 26);
        capture.table.Set(50, text);
        CString s("old");
        EXPECT_EQ(s.LoadString(50), length > 0 ? 1 : 0) << length;
        EXPECT_EQ(Str(s), text) << length;
    }
    CString missing("old");
    EXPECT_EQ(missing.LoadString(51), 0);
    EXPECT_TRUE(missing.IsEmpty());
}

TEST_F(StringTest, LoadStringResourceCutsToTheBuffer)
{
    capture.table.Set(7, "abcdef");
    char buf[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(LoadStringResource(7, buf, sizeof(buf)), 3);
    EXPECT_STREQ(buf, "abc");
    EXPECT_EQ(LoadStringResource(8, buf, sizeof(buf)), 0);
    EXPECT_STREQ(buf, "");
}

TEST_F(StringTest, HashKey)
{
    EXPECT_EQ(HashKey(""), 0u);
    EXPECT_EQ(HashKey("xy"), 120u * 33u + 121u);
    // Characters above 127 count as negative.
    EXPECT_EQ(HashKey("\xFF"), 0xFFFFFFFFu);
    EXPECT_EQ(HashKey("a\xFF"), 97u * 33u - 1u);
}

TEST_F(StringTest, ExtractSubString)
{
    struct Case {
        const char* full;
        int field;
        char sep;
        int result;
        const char* expected;
    };
    const Case cases[] = {
        {"a,b,c", 1, ',', 1, "b"}, {"a,b,c", 0, ',', 1, "a"}, {"a,b,c", 2, ',', 1, "c"},
        {"a,b,c", 3, ',', 0, ""},  {"a,,c", 1, ',', 1, ""},   {"abc", 0, '\0', 1, "abc"},
        {"abc", 1, '\0', 0, ""},
    };
    for (const auto& c : cases) {
        CString target("before");
        EXPECT_EQ(ExtractSubString(target, c.full, c.field, c.sep), c.result) << c.full << ' ' << c.field;
        EXPECT_EQ(Str(target), c.expected) << c.full << ' ' << c.field;
    }
    CString untouched("keep");
    EXPECT_EQ(ExtractSubString(untouched, nullptr, 0, ','), 0);
    EXPECT_EQ(Str(untouched), "keep");
}

TEST_F(StringTest, Comparisons)
{
    const CString b("b");
    EXPECT_TRUE(b == "b");
    EXPECT_TRUE("b" == b);
    EXPECT_TRUE(b != CString("B"));
    EXPECT_TRUE(CString("a") < CString("B"));
    EXPECT_TRUE(CString("B") < CString("b"));
    EXPECT_TRUE(CString("_x") < CString("a"));
    EXPECT_TRUE(b >= "b");
    EXPECT_TRUE("c" > b);
}

TEST_F(StringTest, ArraysOfStrings)
{
    alignas(CString) unsigned char raw[3 * sizeof(CString)];
    auto* items = reinterpret_cast<CString*>(raw);
    ConstructElements(items, 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(items[i].IsEmpty());
    const CString src[3] = {CString("a"), CString("b"), CString("c")};
    CopyElements(items, src, 3);
    EXPECT_EQ(Str(items[2]), "c");
    EXPECT_EQ(items[0].GetData(), src[0].GetData());
    DestructElements(items, 3);
    EXPECT_EQ(src[0].GetData()->nRefs, 1);
}

TEST_F(StringTest, WideConversionsStayWithinTheirTargets)
{
    char narrow[4];
    EXPECT_EQ(WideToAnsi(nullptr, L"abcdef", 0), 7);
    EXPECT_EQ(WideToAnsi(narrow, L"abcdef", 0), 0);
    EXPECT_EQ(WideToAnsi(narrow, L"abcdef", sizeof(narrow)), 4);
    EXPECT_STREQ(narrow, "abc");
    EXPECT_EQ(WideToAnsi(narrow, L"ab", sizeof(narrow)), 3);
    EXPECT_STREQ(narrow, "ab");

    wchar_t wide[4];
    EXPECT_EQ(AnsiToWide(nullptr, "abcdef", 0), 7);
    EXPECT_EQ(AnsiToWide(wide, "abcdef", 4), 4);
    EXPECT_EQ(std::wstring(wide), L"abc");

    EXPECT_EQ(AnsiToWideBuffer(wide, nullptr, 4), nullptr);
    EXPECT_EQ(AnsiToWideBuffer(wide, "xy", 4), wide);
    EXPECT_EQ(std::wstring(wide), L"xy");
    EXPECT_EQ(WideToAnsiBuffer(narrow, L"pq", 4), narrow);
    EXPECT_STREQ(narrow, "pq");
    EXPECT_TRUE(capture.Assertions().empty());

    // A target that is too small stays empty.
    EXPECT_EQ(WideToAnsiBuffer(narrow, L"toolong", 4), narrow);
    EXPECT_STREQ(narrow, "");
    EXPECT_EQ(capture.Assertions().size(), 1u);
}

}  // namespace
