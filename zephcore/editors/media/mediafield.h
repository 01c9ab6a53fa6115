#pragma once
// Media fields of the service-block forms: a field's stored text is the item's kind letter
// and its name ("v0042"); the form's edit shows the name alone with the item's description
// beside it, and the letter goes back in front when the form stores the field.

#include <string>
#include <vector>

#include "editors/media/mediaitems.h"

namespace zeph {

// One media field of a form: the field-table index and its controls.
struct MediaFieldControls {
  int Field;
  int Edit;
  int Button;
  int Description;
};

// A service-block form with media fields.
struct MediaForm {
  int VavurOrezoType;
  const char* FormClass;
  const char* Template;
  MediaKind Kind;
  std::vector<MediaFieldControls> Fields;
};
// The form of a VavurOrezo type, or null when the type has none of its own.
const MediaForm* FindMediaForm(int vavurOrezoType);

inline constexpr int kMediaDescriptionEditLimit = 65;

struct MediaFieldView {
  std::string Edit;          // the name without its kind letter
  std::string Description;   // the description file's first line ("" without one)
};
// What the form shows for a stored text (up to 63 characters read).
MediaFieldView ShowMediaField(const std::string& stored);
// What the form stores for the edit's text (up to 62 characters read): the kind letter in
// front, an empty edit left empty.
std::string MarkMediaField(const std::string& edit, MediaKind kind);

}  // namespace zeph
