#pragma once
// Voice sentences: a symbol of type 35 whose data is a singly linked list of components
// (recordings, numbers, dates, text to speech ...), each with the prompt folder it plays
// from and up to three variable references in its details.

#include <cstdint>
#include <optional>
#include <string>

#include "model/symbol.h"
#include "model/varref.h"

namespace zeph {

class SymbolTable;

inline constexpr int kComponentAreaSize = 128;       // a reference or a folder path text
inline constexpr int kSentenceComponentSize = 146;   // stored sizes
inline constexpr int kComponentDetailSize = 174;
inline constexpr int kComponentKindCount = 36;       // kinds 0-35
inline constexpr int kNamedComponentKinds = 33;      // kinds 0-32 have internal names

enum ComponentKind : int {
  kKindFileVoice = 0,
  kKindIndexVoice = 1,
  kKindFileNumber = 2,
  kKindFileTime = 16,
  kKindIndexNumber = 17,
  kKindIndexTime = 31,
  kKindFullFileVoice = 32,
  kKindTextToSpeech = 33,
  kKindTextToSpeechFile = 34,
  kKindTextToSpeechComment = 35,
};

// The 128-byte area: a reference to the prompt folder variable (flag 1) or a folder path
// text of at most 127 characters (flag 0, files older than 2.0).
struct ComponentArea {
  SymP Ref;
  char Path[kComponentAreaSize] = {};
};

struct ComponentDetail {
  std::int16_t Flag1 = 0;   // 1 = Area1.Ref holds one counted reference
  ComponentArea Area1;
  std::int16_t Flag2 = 0;
  SymP Ref2;
  std::int16_t Flag3 = 0;
  SymP Ref3;
  ComponentDetail* Next = nullptr;
};

struct SentenceComponent {
  std::int16_t Kind = 0;
  std::int16_t RefFlag = 0;  // 1 = Area.Ref holds one counted reference, 0 = Area.Path
  ComponentArea Area;
  SentenceComponent* Next = nullptr;
  ComponentDetail* Detail = nullptr;  // first detail, owned
  std::optional<std::string> Text;    // the component's text or a conversion note
  std::int16_t Id = 0;
};

// The data of a sentence symbol: its component list. Freeing it frees the components
// without touching reference counts (the whole program goes with it); a sentence that is
// deleted alone releases its references first (DeleteVoiceSentence).
class SentenceData : public SymbolData {
 public:
  SentenceData() = default;
  explicit SentenceData(SentenceComponent* first) : First(first) {}
  ~SentenceData() override;
  SentenceData(const SentenceData&) = delete;
  SentenceData& operator=(const SentenceData&) = delete;
  // The identifier of the first component, by which the clipboard finds a sentence.
  int DataId() const override { return First != nullptr ? First->Id : -1; }
  SentenceComponent* First = nullptr;
};

// The component list of a sentence symbol (null when it has none or no sentence data).
SentenceComponent** SentenceComponents(Symbol* sentence);

// Internal and display names of the component kinds (internal: null for 33-35).
const char* ComponentKindName(int kind);
const char* ComponentKindDisplayName(int kind);

SentenceComponent* NewSentenceComponent();
ComponentDetail* NewComponentDetail();
// n = 0 puts the component first, else after the n-th (counting from 1); an empty list
// takes it first. -1 when the list is shorter: nothing is inserted and the caller keeps it.
int InsertComponentAt(int n, SentenceComponent** head, SentenceComponent* component);
// After the detail at position n (from 0); an empty list takes it first. -1 when there is
// no detail at n: nothing is inserted and the caller keeps it.
int InsertComponentDetailAt(int n, ComponentDetail** head, ComponentDetail* detail);
SentenceComponent* GetSentenceComponentAt(int n, SentenceComponent* first);
// Removes the component at position n (from 0), releasing its references.
void RemoveSentenceComponent(int n, SentenceComponent** head, SymbolTable* program = nullptr);
// Releases the references of a whole list and frees it.
void ReleaseSentenceComponents(SentenceComponent** head, SymbolTable* program = nullptr);
// Frees a list without touching reference counts.
void FreeSentenceComponents(SentenceComponent* first);
// Deep copy: texts duplicated, every detail of each component copied, each reference of
// the copy counted once. 0, or -102 (nothing copied, out is null).
int CopySentenceComponents(const SentenceComponent* source, SentenceComponent** out,
                           SymbolTable* program = nullptr);
// Deep copy of one component (its detail chain too), counting the copy's references.
// Null when memory ran out. The copy has no successor.
SentenceComponent* CopySentenceComponent(const SentenceComponent& source, SymbolTable* program = nullptr);
// -147 when there is no live sentence of that name, -109 referenced, -110 not deletable;
// else the sentence is marked deleted and its components removed: 0.
int DeleteVoiceSentence(const char* name, SymbolTable* program = nullptr);

// The kind whose name in the table (36 entries, null for a kind without a name; default:
// the internal names) equals the name, or -1.
int FindComponentKind(const char* name, const char* const* kindTable = nullptr);
// The text at the position of the name in a name list ended by an empty name, or null.
const char* LookupNameText(const char* name, const char* const* names, const char* const* texts);
// The prompt folder that a new component of the kind uses in the program.
std::string GetComponentFolderText(int kind, SymbolTable* program = nullptr);

// The controls of the sentence editor that ShowComponentFolder reads and fills.
class KindListSource {
 public:
  virtual ~KindListSource() = default;
  virtual std::string SelectedText() const = 0;
};
class TextTarget {
 public:
  virtual ~TextTarget() = default;
  virtual void SetText(const std::string& text) = 0;
};
// Display names of the kinds, as the sentence editor lists them.
const char* const* ComponentKindDisplayNames();
// Writes the folder of the kind selected in the list (by internal or display name) into
// the edit control.
void ShowComponentFolder(TextTarget& edit, const KindListSource& list, SymbolTable* program = nullptr);

}  // namespace zeph
