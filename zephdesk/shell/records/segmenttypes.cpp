#include "shell/records/segmenttypes.h"

namespace {

struct SegmentType {
    int code;
    const char* text;
};

const SegmentType kTypes[] = {
    {0, "Recording"},
    {2, "Decimal Number"},
    {3, "Number, 1 Decimal"},
    {4, "Number, 2 Decimals"},
    {5, "Number, 3 Decimals"},
    {6, "Number, 4 Decimals"},
    {7, "Digits"},
    {8, "Letters or Digits"},
    {9, "Integer"},
    {10, "Integer, 0=No"},
    {11, "Money"},
    {12, "Week"},
    {13, "Month"},
    {14, "Year"},
    {15, "Day of Month"},
    {16, "Time"},
    {32, "Full Path"},
    {33, "Text to Speech"},
    {34, "Text File to Speech"},
    {35, "Text Comment to Speech"},
};

}  // namespace

const char* KvSegmentTypeText(int code)
{
    for (const SegmentType& type : kTypes) {
        if (type.code == code)
            return type.text;
    }
    return nullptr;
}

const char* KvSentenceScopeText(int scope)
{
    static const char* const kScopes[] = {"Global", "Local", "Parameter"};
    return scope >= 0 && scope < 3 ? kScopes[scope] : nullptr;
}

std::string KvSentencePage(const std::string& symbolName)
{
    const std::size_t dollar = symbolName.find('$');
    return dollar == std::string::npos ? std::string("Main") : symbolName.substr(0, dollar);
}

std::vector<std::string> KvSentencesOfPage(const std::string& page, const std::vector<std::string>& symbolNames)
{
    std::vector<std::string> sentences;
    for (const std::string& name : symbolNames) {
        if (KvSentencePage(name) == page)
            sentences.push_back(name);
    }
    return sentences;
}
