#pragma once
// The optional journal of the stand-in server: one line per component call with its raw
// arguments, passwords masked, so a test or a person can see what the clients sent.
#include <string>
#include <vector>

namespace standin {

struct JournalArgument {
  std::string text;
  bool secret = false;  // written as "****"
};

// Appends "component.operation arg1 | arg2 ..." to the file at `path` (nothing when empty).
void writeJournal(const std::string& path, const std::string& call, const std::vector<JournalArgument>& arguments);
// An attribute string with the values of password attributes masked.
std::string maskPasswords(const std::string& attributeString);

}  // namespace standin
