#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "foundation/kvtextdlm.h"
#include "foundation/kvtextstm.h"
#include "foundation/kvtexttag.h"

#include "foundation/tests/text_stream_fixture.h"

namespace {

class TextStreamTest : public TextStreamFixture {};

TEST_F(TextStreamTest, LinesAreWrittenWithCrLf)
{
    EXPECT_EQ(GetTextStream(), &stream);
    EXPECT_EQ(WriteTextLine("one"), 1);
    EXPECT_EQ(WriteTextLine(""), 1);
    EXPECT_EQ(stream.str(), "one\r\n\r\n");
}

TEST_F(TextStreamTest, LinesAreReadWithoutTheirLineEnds)
{
    Load("crlf\r\nlf\nlast");
    std::string line;
    EXPECT_EQ(ReadTextLine(line), 1);
    EXPECT_EQ(line, "crlf");
    EXPECT_EQ(ReadTextLine(line), 1);
    EXPECT_EQ(line, "lf");
    EXPECT_FALSE(IsTextStreamAtEnd());
    EXPECT_EQ(ReadTextLine(line), 1);
    EXPECT_EQ(line, "last");
    EXPECT_TRUE(IsTextStreamAtEnd());
}

TEST_F(TextStreamTest, ReadingAtTheEndFailsEveryTime)
{
    Load("only\r\n");
    std::string line;
    ASSERT_EQ(ReadTextLine(line), 1);
    for (int i = 0; i < 3; ++i) {
        line = "stale";
        EXPECT_EQ(ReadTextLine(line), 0);
        EXPECT_EQ(line, "");
    }
    EXPECT_TRUE(IsTextStreamAtEnd());

    // A loop that waits for an end tag stops at the end of a truncated stream.
    Load("{Symbols}\r\n[1,]\r\n");
    int lines = 0;
    while (ReadTextLine(line) && line != "{EndofSymbols}")
        ++lines;
    EXPECT_EQ(lines, 2);
}

TEST_F(TextStreamTest, NoCurrentStreamMeansNoLines)
{
    SetTextStream(nullptr);
    std::string line = "x";
    EXPECT_EQ(WriteTextLine("lost"), 0);
    EXPECT_EQ(ReadTextLine(line), 0);
    EXPECT_EQ(line, "");
    EXPECT_TRUE(IsTextStreamAtEnd());
}

// A buffer that takes only so many characters, as a full disk would.
class ShortBuffer : public std::streambuf {
public:
    explicit ShortBuffer(std::size_t room) : room_(room) {}
    std::string taken;

protected:
    int_type overflow(int_type c) override
    {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::not_eof(c);
        if (taken.size() >= room_)
            return traits_type::eof();
        taken += traits_type::to_char_type(c);
        return c;
    }

private:
    std::size_t room_;
};

TEST(TextStreamWrites, AShortWriteOrAFailedStreamGivesNoLine)
{
    struct Case {
        std::size_t room;
        bool failedBefore;
        int result;
        const char* taken;
    } cases[] = {
        {100, false, 1, "abc\r\n"},
        {4, false, 0, "abc\r"},   // the line end does not fit
        {2, false, 0, "ab"},
        {100, true, 0, ""},        // a stream that failed before takes nothing
    };
    for (const Case& c : cases) {
        ShortBuffer buffer(c.room);
        std::iostream stream(&buffer);
        if (c.failedBefore)
            stream.setstate(std::ios::failbit);
        SetTextStream(&stream);
        EXPECT_EQ(WriteTextLine("abc"), c.result) << c.room;
        EXPECT_EQ(buffer.taken, c.taken) << c.room;
        EXPECT_EQ(stream.bad(), c.result == 0 && !c.failedBefore) << c.room;
        SetTextStream(nullptr);
    }
}

TEST(TextFileStream, OpensWritesAndReadsTheSharedFileStream)
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "kvtext_stream_test.txt";
    std::iostream* out = OpenTextStream(kKvTextWrite, path.string().c_str());
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(GetTextStream(), out);
    EXPECT_EQ(WriteTextLine("{Program}"), 1);
    EXPECT_EQ(WriteTextLine("[1,]"), 1);
    CloseTextStream(out);
    EXPECT_EQ(GetTextStream(), out);  // closing does not reset the current stream

    {
        std::ifstream raw(path, std::ios::binary);
        std::stringstream content;
        content << raw.rdbuf();
        EXPECT_EQ(content.str(), "{Program}\r\n[1,]\r\n");
    }

    std::iostream* in = OpenTextStream(kKvTextRead, path.string().c_str());
    ASSERT_NE(in, nullptr);
    std::string line;
    EXPECT_EQ(ReadTextLine(line), 1);
    EXPECT_EQ(line, "{Program}");
    EXPECT_EQ(ReadTextLine(line), 1);
    EXPECT_EQ(line, "[1,]");
    EXPECT_EQ(ReadTextLine(line), 0);
    CloseTextStream(in);

    // Opening for writing empties the file.
    ASSERT_NE(OpenTextStream(kKvTextWrite, path.string().c_str()), nullptr);
    CloseTextStream(GetTextStream());
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
    std::filesystem::remove(path);
    SetTextStream(nullptr);
}

TEST(TextFileStream, FailedOpenGivesNoStream)
{
    const std::filesystem::path missing = std::filesystem::temp_directory_path() / "kvtext_no_such_dir" / "x.txt";
    EXPECT_EQ(OpenTextStream(kKvTextRead, missing.string().c_str()), nullptr);
    EXPECT_EQ(GetTextStream(), nullptr);
    EXPECT_EQ(WriteTextLine("nowhere"), 0);
}

TEST(Delimiter, SetsBySectionKind)
{
    struct Expected {
        const char* separator;
        const char* open;
        const char* close;
        int width;
    };
    const Expected square{",", "[", "]", 128};
    const Expected angle{",", "<", ">", 128};
    const Expected round{",", "(", ")", 128};
    const Expected none{"", "", "", 0};
    const Expected byKind[] = {
        square, square, square, {",", "[", "]", 640}, square, square, square, angle,  // 0-7
        square, angle, square, square, round, square, angle, round,                 // 8-15
        angle, angle, square, square, none, round, square, none,                    // 16-23
    };
    for (unsigned kind = 0; kind < std::size(byKind); ++kind) {
        SCOPED_TRACE(kind);
        const delimiter d(kind);
        EXPECT_EQ(d.separator, byKind[kind].separator);
        EXPECT_EQ(d.open, byKind[kind].open);
        EXPECT_EQ(d.close, byKind[kind].close);
        EXPECT_EQ(d.width, byKind[kind].width);
        EXPECT_EQ(d.HasLine(), std::string(byKind[kind].separator) == ",");
    }
    EXPECT_FALSE(delimiter(1000).HasLine());
}

TEST_F(TextStreamTest, SectionTagsAreWrittenAsLines)
{
    struct Tag {
        int section;
        const char* begin;
        const char* end;
    };
    const Tag written[] = {
        {0, "{Segments}", "{EndofSegments}"},
        {1, "{Gotos}", "{EndofGotos}"},
        {2, "{GotoBlocks}", "{EndofGotoBlocks}"},
        {3, "{VavurOrezos}", "{EndofVavurOrezos}"},
        {4, "{Pages}", "{EndofPages}"},
        {5, "{Program}", "{EndofProgram}"},
        {6, "{Symbols}", "{EndofSymbols}"},
        {7, "{SymbolsPointers}", "{EndofSymbolPointers}"},
        {8, "{VavurOrezos}", "{EndofVavurOrezos}"},
        {10, "{FileHeader}", "{EndofFileHeader}"},
        {11, "{VERSION}", "{EndofVersion}"},
        {13, "{Structures}", "{EndofStructures}"},
        {14, "{Members}", "{LastMember}"},
        {15, "{VoiceSegment}", "{EndOfVoiceSegment}"},
        {16, "{VoiceSegItem}", "{EndOfVoiceSegItem}"},
        {18, "{DLLs}", "{EndOfDLLs}"},
        {19, "{CustomVavurorezos}", "{EndOfCustomVavurorezos}"},
        {20, "{DiskDefaults}", "{EndofDiskDefaults}"},
        {21, "{VerifyTables}", "{EndofVerifyTables}"},
        {22, "{TextNotes}", "{EndOfTextNotes}"},
        {23, "{CommentSection}", "{EndOfCommentSection}"},
    };
    for (const Tag& t : written) {
        SCOPED_TRACE(t.section);
        Load("");
        EXPECT_EQ(WriteSectionTag(t.section, false), 1);
        EXPECT_EQ(WriteSectionTag(t.section, true), 1);
        EXPECT_EQ(stream.str(), std::string(t.begin) + "\r\n" + t.end + "\r\n");
        if (t.section != 11) {
            EXPECT_EQ(GetSectionTag(t.section, false), t.begin);
            EXPECT_EQ(GetSectionTag(t.section, true), t.end);
        }
    }
}

TEST_F(TextStreamTest, SectionsWithoutWrittenTags)
{
    for (int section : {9, 12, 17, -1, 24, 100}) {
        SCOPED_TRACE(section);
        EXPECT_EQ(WriteSectionTag(section, false), 0);
        EXPECT_EQ(WriteSectionTag(section, true), 0);
    }
    EXPECT_EQ(stream.str(), "");
    for (int section : {9, 11, 12, -1, 24}) {
        EXPECT_EQ(GetSectionTag(section, false), "");
        EXPECT_EQ(GetSectionTag(section, true), "");
    }
    EXPECT_EQ(GetSectionTag(17, false), "{VoiceSegItem}");
    EXPECT_EQ(GetSectionTag(17, true), "{EndOfVoiceSegItem}");
}

}  // namespace
