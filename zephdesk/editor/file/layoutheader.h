#pragma once
// The first sections of the application file, written and read through the shared text
// stream: the file header ("{FileHeader}", the header record with the file kind and the
// layout version, "{EndofFileHeader}") and the comment section ("{CommentSection}", one
// "[Owner,Comment,]" line per non-empty comment, the program's first with an empty owner,
// then each page's under the page name, "{EndOfCommentSection}"). Texts are never cut: a
// field is as wide as its value.

#include <string>
#include <utility>
#include <vector>

namespace ed {

class Program;

inline constexpr const char* kLayoutFileKind = "Tarvix Flowsmith Graphical Editor File";

// 1 when the three lines were written.
int WriteLayoutHeader(const std::string& versionText);
// Reads the three lines; 1 with the version text of the header record, 0 when a line is
// missing or not what it should be.
int ReadLayoutHeader(std::string& versionText);

// Owner (empty for the program, else a page name) and comment.
using CommentList = std::vector<std::pair<std::string, std::string>>;

// The program's and its pages' non-empty comments, program first, pages in list order.
CommentList CollectComments(Program& program);
// Always writes the section, empty or not; 1 when every line was written.
int WriteCommentSection(const CommentList& comments);
// Reads the section when it comes next (a file without one leaves the stream where it
// was and answers 1 with no comments); 0 for a malformed or unended section.
int ReadCommentSection(CommentList& comments);
// Gives the comments to the program and its pages by owner name; a page the program no
// longer has loses its comment.
void ApplyComments(Program& program, const CommentList& comments);

}  // namespace ed
