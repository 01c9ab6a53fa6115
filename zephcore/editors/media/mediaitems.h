#pragma once
// The program's voice files and fax items: symbols of the voice-item type named by a kind
// letter ("v" voice, "f" fax) and a decimal ID, each with a description file beside it.
// The list dialog and the item dialog work through these.

#include <string>
#include <vector>

#include "model/symbol.h"

namespace zeph {

class TProgram;

enum class MediaKind { Voice, Fax };

inline char MediaPrefix(MediaKind kind) { return kind == MediaKind::Voice ? 'v' : 'f'; }

inline constexpr int kMediaIdLimit = 8;
inline constexpr int kMediaDescriptionLimit = 59;

// The item dialog's Save: the ID text (one leading quote skipped) must be digits; gives
// the item name (kind letter and ID) or the refusal's text. In create mode the name must
// also pass the new-symbol-name check of the program.
struct MediaIdCheck {
  bool Ok = false;
  std::string Name;
  std::string Message;
};
MediaIdCheck CheckMediaId(const std::string& idText, MediaKind kind, bool creating, TProgram& program);

// The items of the kind, walked as the list fills itself (left, right, then the node),
// deleted and unlisted ones skipped.
std::vector<Symbol*> ListedMediaItems(TProgram& program, MediaKind kind);

// A list line: ID, the first line of the description ("" without a file) and "No" (fax:
// "No" twice), separated by tabs.
std::string MediaItemLine(const Symbol& item, MediaKind kind);
// The ID of a list line: its first tab-separated field.
std::string MediaLineId(const std::string& line);

// Creates the item and writes its description file; the refusal's or the file failure's
// text in message (the item stays when only the file failed). Null when no item was made.
Symbol* CreateMediaItem(TProgram& program, const std::string& name, const std::string& description,
                        std::string& message);
// Replaces the description file; false (with "Failed to update description file.") when
// it does not exist or cannot be written.
bool UpdateMediaDescription(const std::string& name, const std::string& description, std::string& message);
// "Can not delete this Voice Sentence because it is in use" for an item that is
// referenced or not deletable; else the question that the caller asks before deleting.
bool MayDeleteMediaItem(const Symbol& item, std::string& message);
// Removes the item and its description file.
bool DeleteMediaItem(TProgram& program, Symbol& item);

}  // namespace zeph
