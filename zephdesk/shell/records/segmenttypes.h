// What the shell's lists show of voice sentences: the text of a segment's type code and
// which sentences belong to a user function (one page of the program).
#pragma once

#include <string>
#include <vector>

// The "Type" text of a segment type code (string id 60000 + code); null for an unknown code.
const char* KvSegmentTypeText(int code);

// The "Scope" text of a sentence's scope number (string id 60100 + number); null outside 0-2.
const char* KvSentenceScopeText(int scope);

// The page a sentence symbol belongs to: the text before its first "$", or "Main" when its
// name has none.
std::string KvSentencePage(const std::string& symbolName);
// The sentence symbols of a page, in the model's order.
std::vector<std::string> KvSentencesOfPage(const std::string& page, const std::vector<std::string>& symbolNames);
