#include "journal.h"

#include <fstream>

#include "attribute_catalogue.h"
#include "attribute_text.h"
#include "file_store.h"

namespace standin {

void writeJournal(const std::string& path, const std::string& call, const std::vector<JournalArgument>& arguments) {
  if (path.empty()) return;
  std::string line = call;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    line += i == 0 ? " " : " | ";
    line += arguments[i].secret ? std::string("****") : arguments[i].text;
  }
  std::ofstream out(pathFromText(path), std::ios::app | std::ios::binary);
  out << line << "\r\n";
}

std::string maskPasswords(const std::string& attributeString) {
  std::vector<std::string> pieces = splitText(attributeString, kAttribSep);
  for (std::string& piece : pieces) {
    const std::size_t at = piece.find(kValueSep);
    const std::string name = lowerAscii(piece.substr(0, at));
    if (at != std::string::npos && (name == "usermailboxpsswd" || name == "updatepsswd")) {
      piece = piece.substr(0, at + kValueSep.size()) + "****";
    }
  }
  return joinText(pieces, kAttribSep);
}

}  // namespace standin
