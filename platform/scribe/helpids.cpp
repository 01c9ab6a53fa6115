// Help context ids: the topics of the model's dialogs have ids from 10001; every VavurOrezo
// type has the id 20000 plus its slot index, found by its display name or by the name of
// its own dialog template.
#include <cctype>

#include "scribe/catalogue.h"
#include "scribe/scribe.h"

namespace scribe {
namespace {

constexpr int kTypeTopicBase = 20000;

struct Topic {
  const char* name;
  int id;
};

constexpr Topic kTopics[] = {
    {"Setup Prompt Databases", 10001}, {"RecordVoiceParms", 10002}, {"RecordParms", 10003},
    {"PlayParms", 10004},              {"PlaySParms", 10005},       {"PlayKParms", 10006},
    {"AddrFParm", 10007},              {"MultiMailParms", 10008},   {"MessageParms", 10009},
    {"MenuParms", 10010},              {"Select Variable", 10011},  {"Create Variable", 10012},
    {"Resize", 10013},                 {"ToneParms", 10014},        {"EntryKStruct", 10015},
    {"Voice Sentence Edit", 10016},    {"Voice Sentence Select", 10017},
    {"File Descriptions", 10018},      {"VREntryParms", 10019},     {"SuperBlock", 10020},
    {"API", 10021},                    {"DIALOG_STRUCTEDIT", 10022}, {"DIALOG_VAR", 10023},
    {"VS_VS1", 10024},                 {"DIALOG_ADDPB", 10025},     {"DIALOG_END_PAGE", 10026},
    {"DIALOG_SETUP", 10027},           {"DIALOG_SETUP_BOOLEAN", 10028},
    {"ULVO_FAX_FILE", 10029},          {"ULVO_VOICE_FILE", 10031},  {"IDD_BLK_SUPERBLOCK", 10032},
};

bool SameName(const char* a, const char* b) {
  for (;; ++a, ++b) {
    unsigned char ca = static_cast<unsigned char>(*a);
    unsigned char cb = static_cast<unsigned char>(*b);
    if (std::tolower(ca) != std::tolower(cb)) return false;
    if (ca == 0) return true;
  }
}

// Dialog templates that several types share name no type of their own.
bool IsSharedTemplate(const char* resource) {
  int users = 0;
  for (const CatalogueRow& row : CatalogueRows()) {
    if (row.Resource != nullptr && SameName(row.Resource, resource) && ++users > 1) return true;
  }
  return false;
}

}  // namespace

int FindHelpID(const char* name) {
  if (name == nullptr || *name == '\0') return 0;
  for (const Topic& t : kTopics) {
    if (SameName(t.name, name)) return t.id;
  }
  for (const CatalogueRow& row : CatalogueRows()) {
    if (SameName(row.Display, name)) return kTypeTopicBase + row.Index;
  }
  for (const CatalogueRow& row : CatalogueRows()) {
    if (row.Resource != nullptr && SameName(row.Resource, name)) {
      return IsSharedTemplate(name) ? 0 : kTypeTopicBase + row.Index;
    }
  }
  return 0;
}

}  // namespace scribe
