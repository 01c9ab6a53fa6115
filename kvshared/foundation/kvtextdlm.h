// Delimiter sets of record lines by section kind.
#pragma once

#include <cstdint>
#include <string>

class delimiter {
public:
    // The set of a section kind; kinds without a delimited line get empty strings.
    explicit delimiter(unsigned int sectionKind);

    // Records of this kind have a delimited text line.
    bool HasLine() const { return !separator.empty(); }

    std::string separator;
    std::string open;
    std::string close;
    std::int32_t width = 0;  // carried with the set; no line operation reads it
};
