// Voice files and fax items of a program.
#include "editors/media/mediaitems.h"

#include <cstring>

#include "foundation/kvvif.h"
#include "model/datatypes.h"
#include "model/pbaccess_msgtext.h"
#include "model/program/program.h"
#include "model/symnames.h"
#include "model/symtable.h"

namespace zeph {
namespace {


void Walk(Symbol* node, char prefix, std::vector<Symbol*>& out) {
  if (node == nullptr) return;
  Walk(node->Left, prefix, out);
  Walk(node->Right, prefix, out);
  if (!node->Deleted && !node->Invisible && node->Name[0] == prefix) out.push_back(node);
}

}  // namespace

MediaIdCheck CheckMediaId(const std::string& idText, MediaKind kind, bool creating, TProgram& program) {
  MediaIdCheck out;
  std::string id = idText.substr(0, kMediaIdLimit);
  if (id.empty()) {
    out.Message = "ID must not be blank.";
    return out;
  }
  if (id[0] == '\'') id.erase(0, 1);
  if (id.empty() || id.find_first_not_of("0123456789") != std::string::npos) {
    out.Message = "ID must be numeric.";
    return out;
  }
  out.Name = std::string(1, MediaPrefix(kind)) + id;
  if (creating) {
    const int rc = CheckNewSymbolName(out.Name.c_str(), kSymbolNameLimit, '_', &program.Symbols());
    if (rc != 0) {
      out.Message = PBMessageText(rc);
      return out;
    }
  }
  out.Ok = true;
  return out;
}

std::vector<Symbol*> ListedMediaItems(TProgram& program, MediaKind kind) {
  std::vector<Symbol*> out;
  if (Symbol** tree = program.Symbols().TreeSlot(kTypeVoiceSentence)) Walk(*tree, MediaPrefix(kind), out);
  return out;
}

std::string MediaItemLine(const Symbol& item, MediaKind kind) {
  char description[kKvDescriptionMax] = {};
  ReadMediaDescription(item.Name, description);
  std::string line = std::string(item.Name + 1) + "\t" + description + "\tNo";
  if (kind == MediaKind::Fax) line += "\tNo";
  return line;
}

std::string MediaLineId(const std::string& line) { return line.substr(0, line.find('\t')); }

Symbol* CreateMediaItem(TProgram& program, const std::string& name, const std::string& description,
                        std::string& message) {
  message.clear();
  Symbol* item = nullptr;
  if (program.AddNamedSymbol(&item, name.c_str(), kTypeVoiceSentence, 1, 1, 0, false) != 0 || item == nullptr) {
    message = "Out of memory";
    return nullptr;
  }
  const std::string text = description.substr(0, kMediaDescriptionLimit);
  if (WriteMediaDescription(name.c_str(), text.c_str()) == 0) message = "Failed to create description file.";
  return item;
}

bool UpdateMediaDescription(const std::string& name, const std::string& description, std::string& message) {
  message.clear();
  const std::string text = description.substr(0, kMediaDescriptionLimit);
  if (ReplaceMediaDescription(name.c_str(), text.c_str()) != 0) return true;
  message = "Failed to update description file.";
  return false;
}

bool MayDeleteMediaItem(const Symbol& item, std::string& message) {
  if (item.RefCnt > 0 || !item.CanDelete) {
    message = "Can not delete this Voice Sentence because it is in use";
    return false;
  }
  message = "Are you sure you want to delete " + std::string(item.Name + 1) + "?";
  return true;
}

bool DeleteMediaItem(TProgram& program, Symbol& item) {
  const std::string name = item.Name;
  if (program.DeleteNamedSymbol(&item, false, false) != 0) return false;
  DeleteMediaDescription(name.c_str());
  return true;
}

}  // namespace zeph
