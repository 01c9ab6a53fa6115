// Media fields of the service-block forms.
#include "editors/media/mediafield.h"

#include "foundation/kvvif.h"

namespace zeph {
namespace {

constexpr int kShowLimit = 63;
constexpr int kMarkLimit = 62;

const std::vector<MediaForm>& Forms() {
  static const std::vector<MediaForm> forms = {
      {402, "TULVOMenuForm", "VQ_ULVO_MENU", MediaKind::Voice,
       {{9, 610, 410, 545}, {10, 611, 411, 546}, {11, 612, 412, 547}}},
      {398, "TFaxForm", "VQ_ULVO_FAX", MediaKind::Fax, {{0, 601, 401, 545}}},
      {393, "TAnnounceForm", "VQ_ULVO_ANNOUNCE", MediaKind::Voice, {{0, 601, 401, 545}}},
      {405, "TThruDialForm", "VQ_ULVO_THRUDIAL", MediaKind::Voice, {{0, 601, 401, 545}}},
  };
  return forms;
}

}  // namespace

const MediaForm* FindMediaForm(int vavurOrezoType) {
  for (const MediaForm& f : Forms()) {
    if (f.VavurOrezoType == vavurOrezoType) return &f;
  }
  return nullptr;
}

MediaFieldView ShowMediaField(const std::string& stored) {
  MediaFieldView view;
  const std::string text = stored.substr(0, kShowLimit);
  if (text.empty()) return view;
  view.Edit = text.substr(1);
  char description[kKvDescriptionMax] = {};
  if (ReadMediaDescription(text.c_str(), description) != 0) view.Description = description;
  return view;
}

std::string MarkMediaField(const std::string& edit, MediaKind kind) {
  const std::string text = edit.substr(0, kMarkLimit);
  if (text.empty()) return text;
  return std::string(1, MediaPrefix(kind)) + text;
}

}  // namespace zeph
