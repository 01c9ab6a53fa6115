// Record lines: open string, each field's text followed by the separator, close string;
// string values that their field text cannot carry exactly follow behind the close
// string (kvtextesc.h).
#include <vector>

#include "foundation/kvrecord.h"
#include "foundation/kvtextdlm.h"
#include "foundation/kvtextesc.h"
#include "foundation/kvtextstm.h"
#include "foundation/kvtexttag.h"

int AbstrRecord::WriteText(int sectionKind)
{
    const delimiter set(static_cast<unsigned int>(sectionKind));
    if (!set.HasLine())
        return 0;
    return WriteTextDelimited(set.open, set.separator, set.close);
}

int AbstrRecord::WriteTextDelimited(const std::string& open, const std::string& separator, const std::string& close)
{
    std::string line = open;
    std::vector<KvExactValue> exact;
    for (int i = 0; i < GetFieldCount(); ++i) {
        AbstrField* field = GetField(i);
        line += field->FormatText();
        line += separator;
        if (const auto* text = dynamic_cast<const STRING_Field*>(field)) {
            const std::string value = text->GetText();
            if (!KvFieldTextIsExact(value))
                exact.push_back({static_cast<std::size_t>(i), value});
        }
    }
    line += close;
    line += KvFormatExactTail(exact);
    return WriteTextLine(line);
}

int AbstrRecord::ReadText(int sectionKind)
{
    const delimiter set(static_cast<unsigned int>(sectionKind));
    if (!set.HasLine())
        return kKvTextMalformed;
    std::string line;
    if (!ReadTextLine(line))
        return kKvTextMalformed;
    if (line == GetSectionTag(sectionKind, true))
        return kKvTextEndTag;
    const std::size_t open = line.find(set.open);
    if (open == std::string::npos)
        return kKvTextMalformed;
    return ReadFieldsFrom(line, open + set.open.size(), set.separator, set.close);
}

int AbstrRecord::ReadTextDelimited(const std::string& open, const std::string& separator, const std::string& close,
                                   const std::string& endTag)
{
    std::string line;
    if (!ReadTextLine(line))
        return kKvTextMalformed;
    if (line == endTag)
        return kKvTextEndTag;
    const std::size_t found = line.find(open);
    const std::size_t start = found == std::string::npos ? 0 : found + open.size();
    return ReadFieldsFrom(line, start, separator, close);
}

int AbstrRecord::ReadFieldsFrom(std::string& line, std::size_t pos, const std::string& separator,
                                const std::string& close)
{
    std::vector<std::string> fieldTexts;
    fieldTexts.reserve(static_cast<std::size_t>(GetFieldCount()));
    for (int i = 0; i < GetFieldCount(); ++i) {
        std::string text;
        if (!KvTakeFieldText(line, pos, separator, text))
            return kKvTextMalformed;
        GetField(i)->ParseText(text);
        fieldTexts.push_back(std::move(text));
    }
    if (line.compare(pos, close.size(), close) != 0)
        return kKvTextMalformed;

    // Exact string values behind the close string; the tail is taken only when every
    // item names a string field whose text is the one its value is written as.
    std::vector<KvExactValue> exact;
    if (!KvParseExactTail(line.substr(pos + close.size()), exact))
        return kKvTextRecord;
    for (const KvExactValue& item : exact) {
        if (item.fieldIndex >= fieldTexts.size())
            return kKvTextRecord;
        if (dynamic_cast<STRING_Field*>(GetField(static_cast<int>(item.fieldIndex))) == nullptr)
            return kKvTextRecord;
        std::string written = KvEscapeFieldText(item.value) + separator;
        std::size_t at = 0;
        std::string expected;
        if (!KvTakeFieldText(written, at, separator, expected) || expected != fieldTexts[item.fieldIndex])
            return kKvTextRecord;
    }
    for (const KvExactValue& item : exact)
        static_cast<STRING_Field*>(GetField(static_cast<int>(item.fieldIndex)))->SetText(item.value);
    return kKvTextRecord;
}

int Kvvls_Variable::WriteText()
{
    const delimiter set(kTextSectionKind);
    return WriteTextDelimited(set.open, set.separator, set.close);
}

int Kvvls_Variable::ReadText()
{
    const delimiter set(kTextSectionKind);
    return ReadTextDelimited(set.open, set.separator, set.close, kNoMatchTag);
}
