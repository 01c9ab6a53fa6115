#include "foundation/kvtexttag.h"

#include "foundation/kvtextstm.h"

namespace {

struct SectionTag {
    const char* begin;  // null: the section has no tags
    const char* end;
    bool written;       // WriteSectionTag writes it
    bool listed;        // GetSectionTag gives it
};

constexpr SectionTag kNoTag{nullptr, nullptr, false, false};

constexpr SectionTag kTags[] = {
    {"{Segments}", "{EndofSegments}", true, true},                     // 0
    {"{Gotos}", "{EndofGotos}", true, true},                           // 1
    {"{GotoBlocks}", "{EndofGotoBlocks}", true, true},                 // 2
    {"{VavurOrezos}", "{EndofVavurOrezos}", true, true},               // 3
    {"{Pages}", "{EndofPages}", true, true},                           // 4
    {"{Program}", "{EndofProgram}", true, true},                       // 5
    {"{Symbols}", "{EndofSymbols}", true, true},                       // 6
    {"{SymbolsPointers}", "{EndofSymbolPointers}", true, true},        // 7
    {"{VavurOrezos}", "{EndofVavurOrezos}", true, true},               // 8
    kNoTag,                                                            // 9
    {"{FileHeader}", "{EndofFileHeader}", true, true},                 // 10
    {"{VERSION}", "{EndofVersion}", true, false},                      // 11
    kNoTag,                                                            // 12
    {"{Structures}", "{EndofStructures}", true, true},                 // 13
    {"{Members}", "{LastMember}", true, true},                         // 14
    {"{VoiceSegment}", "{EndOfVoiceSegment}", true, true},             // 15
    {"{VoiceSegItem}", "{EndOfVoiceSegItem}", true, true},             // 16
    {"{VoiceSegItem}", "{EndOfVoiceSegItem}", false, true},            // 17
    {"{DLLs}", "{EndOfDLLs}", true, true},                             // 18
    {"{CustomVavurorezos}", "{EndOfCustomVavurorezos}", true, true},   // 19
    {"{DiskDefaults}", "{EndofDiskDefaults}", true, true},             // 20
    {"{VerifyTables}", "{EndofVerifyTables}", true, true},             // 21
    {"{TextNotes}", "{EndOfTextNotes}", true, true},                   // 22
    {"{CommentSection}", "{EndOfCommentSection}", true, true},         // 23
};

const SectionTag& TagOf(int section)
{
    if (section < 0 || section >= static_cast<int>(sizeof kTags / sizeof kTags[0]))
        return kNoTag;
    return kTags[section];
}

}  // namespace

int WriteSectionTag(int section, bool end)
{
    const SectionTag& tag = TagOf(section);
    if (!tag.written)
        return 0;
    return WriteTextLine(end ? tag.end : tag.begin);
}

std::string GetSectionTag(int section, bool end)
{
    const SectionTag& tag = TagOf(section);
    if (!tag.listed)
        return std::string();
    return end ? tag.end : tag.begin;
}
