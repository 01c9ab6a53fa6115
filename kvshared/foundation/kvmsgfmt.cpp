#include "foundation/kvmsgfmt.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

constexpr int kMaxInsert = 99;

// How an insert's argument is taken from the argument list.
enum class ArgKind { Text, WideText, Int, LongLong, SizeT, Double, Pointer };

struct Insert {
    bool used = false;
    std::string conversion;  // printf form without length modifiers, e.g. "-8d"
    char type = 's';
    ArgKind kind = ArgKind::Text;
};

struct Arg {
    ArgKind kind = ArgKind::Pointer;
    const char* text = nullptr;
    const wchar_t* wide = nullptr;
    long long integer = 0;
    std::size_t size = 0;
    double real = 0;
    const void* pointer = nullptr;
};

// Splits "flags width .precision [length] type" into the form without the length and
// the way the argument is read. False for forms the formatter does not know.
bool ParseForm(std::string_view form, Insert& insert)
{
    std::size_t i = 0;
    std::string base;
    while (i < form.size() && std::strchr("-+ #0123456789.", form[i]) != nullptr)
        base.push_back(form[i++]);
    std::string length;
    while (i < form.size() && std::strchr("hlLqjztI6432", form[i]) != nullptr)
        length.push_back(form[i++]);
    if (i + 1 != form.size())
        return false;
    const char type = form[i];
    insert.type = type;
    insert.conversion = base;
    const bool wideLength = length == "l" || length == "w";
    switch (type) {
    case 's':
        insert.kind = wideLength ? ArgKind::WideText : ArgKind::Text;
        break;
    case 'S':
        insert.kind = ArgKind::WideText;
        insert.type = 's';
        break;
    case 'c': case 'd': case 'i': case 'o': case 'u': case 'x': case 'X':
        if (length == "ll" || length == "I64" || length == "q" || length == "j")
            insert.kind = ArgKind::LongLong;
        else if (length == "z" || length == "I")
            insert.kind = ArgKind::SizeT;
        else
            insert.kind = ArgKind::Int;
        break;
    case 'e': case 'E': case 'f': case 'F': case 'g': case 'G': case 'a': case 'A':
        insert.kind = ArgKind::Double;
        break;
    case 'p':
        insert.kind = ArgKind::Pointer;
        break;
    default:
        return false;
    }
    return true;
}

template <typename T>
void AppendFormatted(std::string& out, const std::string& form, T value)
{
    const int n = std::snprintf(nullptr, 0, form.c_str(), value);
    if (n <= 0)
        return;
    std::string piece(static_cast<std::size_t>(n) + 1, '\0');
    std::snprintf(piece.data(), piece.size(), form.c_str(), value);
    piece.resize(static_cast<std::size_t>(n));
    out += piece;
}

void AppendInsert(std::string& out, const Insert& insert, const Arg& arg)
{
    std::string form = "%" + insert.conversion;
    switch (arg.kind) {
    case ArgKind::Text:
        AppendFormatted(out, form + insert.type, arg.text != nullptr ? arg.text : "");
        break;
    case ArgKind::WideText:
        AppendFormatted(out, form + "ls", arg.wide != nullptr ? arg.wide : L"");
        break;
    case ArgKind::Int:
        AppendFormatted(out, form + insert.type, static_cast<int>(arg.integer));
        break;
    case ArgKind::LongLong:
        AppendFormatted(out, form + "ll" + insert.type, arg.integer);
        break;
    case ArgKind::SizeT:
        AppendFormatted(out, form + "z" + insert.type, arg.size);
        break;
    case ArgKind::Double:
        AppendFormatted(out, form + insert.type, arg.real);
        break;
    case ArgKind::Pointer:
        AppendFormatted(out, form + "p", arg.pointer);
        break;
    }
}

// Reads the position of an insert ("%12!...!" style) starting after the '%'.
// Returns the number of characters consumed, 0 when malformed.
std::size_t ParseInsert(const char* p, int& index, std::string_view& form)
{
    const char* start = p;
    index = *p++ - '0';
    if (*p >= '0' && *p <= '9')
        index = index * 10 + (*p++ - '0');
    form = std::string_view("s");
    if (*p == '!') {
        const char* end = std::strchr(p + 1, '!');
        if (end == nullptr || end == p + 1)
            return 0;
        form = std::string_view(p + 1, static_cast<std::size_t>(end - p - 1));
        p = end + 1;
    }
    return static_cast<std::size_t>(p - start);
}

}  // namespace

bool KvFormatMessageText(const char* format, va_list args, std::string& out)
{
    out.clear();
    // First pass: which inserts are used and how their arguments are read.
    std::vector<Insert> inserts(kMaxInsert + 1);
    int highest = 0;
    for (const char* p = format; *p != '\0'; ++p) {
        if (*p != '%')
            continue;
        ++p;
        if (*p == '\0')
            break;
        if (*p < '1' || *p > '9')
            continue;
        int index = 0;
        std::string_view form;
        const std::size_t used = ParseInsert(p, index, form);
        if (used == 0)
            return false;
        Insert parsed;
        if (!ParseForm(form, parsed))
            return false;
        Insert& slot = inserts[static_cast<std::size_t>(index)];
        if (slot.used && slot.kind != parsed.kind)
            return false;
        parsed.used = true;
        slot = parsed;
        if (index > highest)
            highest = index;
        p += used - 1;
    }

    // Take the arguments in order.
    std::vector<Arg> values(static_cast<std::size_t>(highest) + 1);
    va_list ap;
    va_copy(ap, args);
    for (int i = 1; i <= highest; ++i) {
        const Insert& insert = inserts[static_cast<std::size_t>(i)];
        Arg& arg = values[static_cast<std::size_t>(i)];
        arg.kind = insert.used ? insert.kind : ArgKind::Pointer;
        switch (arg.kind) {
        case ArgKind::Text: arg.text = va_arg(ap, const char*); break;
        case ArgKind::WideText: arg.wide = va_arg(ap, const wchar_t*); break;
        case ArgKind::Int: arg.integer = va_arg(ap, int); break;
        case ArgKind::LongLong: arg.integer = va_arg(ap, long long); break;
        case ArgKind::SizeT: arg.size = va_arg(ap, std::size_t); break;
        case ArgKind::Double: arg.real = va_arg(ap, double); break;
        case ArgKind::Pointer: arg.pointer = va_arg(ap, const void*); break;
        }
    }
    va_end(ap);

    // Second pass: the text.
    for (const char* p = format; *p != '\0'; ++p) {
        if (*p != '%') {
            out.push_back(*p);
            continue;
        }
        ++p;
        const char c = *p;
        if (c == '\0')
            break;
        if (c == '0')
            return true;
        if (c >= '1' && c <= '9') {
            int index = 0;
            std::string_view form;
            const std::size_t used = ParseInsert(p, index, form);
            Insert occurrence;  // each occurrence keeps its own printf form
            ParseForm(form, occurrence);
            AppendInsert(out, occurrence, values[static_cast<std::size_t>(index)]);
            p += used - 1;
            continue;
        }
        switch (c) {
        case 'n': out += "\r\n"; break;
        case 'r': out.push_back('\r'); break;
        case 't': out.push_back('\t'); break;
        default: out.push_back(c); break;
        }
    }
    return true;
}
