// Generated phrase comments, one pattern per kind.
#include "editors/sentences/comments.h"

#include "editors/sentences/kinds.h"

namespace zeph {
namespace {

struct CommentPattern {
  int Kind;
  const char* Before;   // text before the prompt
  const char* After;    // text after it
};

// The kinds whose comment names the prompt once; 0 and 34 also name the database.
const CommentPattern kPatterns[] = {
    {2, "<Play \"", "\" as a Floating Point Number>"},
    {3, "<Play \"", "\" as a Floating Point Number with 1 Decimal>"},
    {4, "<Play \"", "\" as a Floating Point Number with 2 Decimals>"},
    {5, "<Play \"", "\" as a Floating Point Number with 3 Decimals>"},
    {6, "<Play \"", "\" as a Floating Point Number with 4 Decimals>"},
    {7, "<Play \"", "\" as Digits>"},
    {8, "<Play \"", "\" as Alpha-Numeric>"},
    {9, "<Play \"", "\" as an Integer Number>"},
    {10, "<Play \"", "\" as an Integer Number; (0 = 'No')>"},
    {11, "<Play \"", "\" as Money>"},
    {12, "<Play Day of the Week from \"", "\">"},
    {13, "<Play the Month from \"", "\">"},
    {14, "<Play the Year from \"", "\">"},
    {15, "<Play Day of the Month from \"", "\">"},
    {16, "<Play the Time from \"", "\">"},
    {32, "<Play speech from File \"", "\">"},
    {33, "<Speak text from \"", "\">"},
};

}  // namespace

std::string GeneratedComment(int kind, const std::string& database, const std::string& prompt) {
  if (kind == 0) return "<Play speech from Database \"" + database + "\" in File \"" + prompt + "\">";
  if (kind == 34) return "<Speak text from Database \"" + database + "\" in File \"" + prompt + "\">";
  for (const CommentPattern& p : kPatterns) {
    if (p.Kind == kind) return p.Before + prompt + p.After;
  }
  return "<Play \"" + prompt + "\" as user defined type " + KindName(kind) + ">";
}

}  // namespace zeph
