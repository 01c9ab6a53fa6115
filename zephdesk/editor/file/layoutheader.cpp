#include "editor/file/layoutheader.h"

#include <iostream>
#include <limits>
#include <memory>

#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/file/columns.h"
#include "foundation/kvrecknd.h"
#include "foundation/kvrecord.h"
#include "foundation/kvtextstm.h"
#include "foundation/kvtexttag.h"

namespace ed {
namespace {

constexpr int kHeaderSection = 10;
constexpr int kCommentSection = 23;   // its lines are written like those of the header
constexpr std::uint16_t kHeaderWidth = 256;
constexpr std::uint16_t kVersionWidth = 16;
// The widest a text field can be: what a read accepts.
constexpr std::uint16_t kWidest = std::numeric_limits<std::uint16_t>::max();

// A record of two text fields.
struct TextPair {
  AbstrRecord record;
  STRING_Field* first;
  STRING_Field* second;
  TextPair(const char* a, std::uint16_t wa, const char* b, std::uint16_t wb)
      : first(new STRING_Field(a, wa)), second(new STRING_Field(b, wb)) {
    record.AddField(first);
    record.AddField(second);
  }
};

}  // namespace

int WriteLayoutHeader(const std::string& versionText) {
  TextPair header("Header", kHeaderWidth, "Version", TextWidthFor(versionText, kVersionWidth));
  header.first->SetText(kLayoutFileKind);
  header.second->SetText(versionText);
  return WriteSectionTag(kHeaderSection, false) && header.record.WriteText(kHeaderSection) &&
                 WriteSectionTag(kHeaderSection, true)
             ? 1
             : 0;
}

int ReadLayoutHeader(std::string& versionText) {
  std::string line;
  if (!ReadTextLine(line) || line != GetSectionTag(kHeaderSection, false)) return 0;
  TextPair header("Header", kWidest, "Version", kWidest);
  if (header.record.ReadText(kHeaderSection) != kKvTextRecord) return 0;
  if (!ReadTextLine(line) || line != GetSectionTag(kHeaderSection, true)) return 0;
  versionText = header.second->GetText();
  return 1;
}

CommentList CollectComments(Program& program) {
  CommentList comments;
  if (!program.Comment().empty()) comments.emplace_back("", program.Comment());
  for (const auto& page : program.Pages()) {
    if (!page->Comment().empty()) comments.emplace_back(page->Name(), page->Comment());
  }
  return comments;
}

int WriteCommentSection(const CommentList& comments) {
  if (!WriteSectionTag(kCommentSection, false)) return 0;
  for (const auto& [owner, comment] : comments) {
    TextPair line("Owner", TextWidthFor(owner, 1), "Comment", TextWidthFor(comment, 1));
    line.first->SetText(owner);
    line.second->SetText(comment);
    if (!line.record.WriteTextDelimited("[", ",", "]")) return 0;
  }
  return WriteSectionTag(kCommentSection, true);
}

int ReadCommentSection(CommentList& comments) {
  comments.clear();
  std::iostream* stream = GetTextStream();
  if (stream == nullptr) return 0;
  // Peek: a file without the section keeps its next line for the next reader.
  const std::streampos before = stream->tellg();
  std::string line;
  if (!ReadTextLine(line)) {
    stream->clear();
    stream->seekg(before);
    return 1;
  }
  if (line != GetSectionTag(kCommentSection, false)) {
    stream->clear();
    stream->seekg(before);
    return 1;
  }
  for (;;) {
    TextPair record("Owner", kWidest, "Comment", kWidest);
    const int read = record.record.ReadTextDelimited("[", ",", "]", GetSectionTag(kCommentSection, true));
    if (read == kKvTextEndTag) return 1;
    if (read != kKvTextRecord) {
      comments.clear();
      return 0;
    }
    comments.emplace_back(record.first->GetText(), record.second->GetText());
  }
}

void ApplyComments(Program& program, const CommentList& comments) {
  for (const auto& [owner, comment] : comments) {
    if (owner.empty()) {
      program.SetComment(comment.c_str());
    } else if (Page* page = program.FindPage(owner.c_str())) {
      page->SetComment(comment.c_str());
    }
  }
}

}  // namespace ed
