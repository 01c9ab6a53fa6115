#include "programfile/edfile/edfile_sentences.h"

#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "model/symbol.h"
#include "model/vsentence.h"
#include "programfile/edfile/edfile_context.h"
#include "programfile/edfile/edfile_fields.h"
#include "programfile/edfile/edfile_sections.h"
#include "programfile/edfile/edfile_slots.h"

namespace zeph {
namespace {

const std::vector<EdField> kComponentFields = {
    {"Type", EdKind::Short},         {"PathVar", EdKind::Short},     {"Media", EdKind::Short},
    {"Next", EdKind::Short},         {"ItemOffLenPtr", EdKind::Short}, {"Path", EdKind::Text, 128},
    {"Comment", EdKind::Text, 512},
};

const std::vector<EdField> kItemFields = {
    {"ItemVar", EdKind::Short}, {"LenVar", EdKind::Short},       {"OffVar", EdKind::Short},
    {"Next", EdKind::Short},    {"Item", EdKind::Text, 128},     {"Off", EdKind::Long},
    {"OffName", EdKind::Text, 32}, {"Len", EdKind::Long},        {"LenName", EdKind::Text, 32},
};

const std::vector<EdField> kResPermFields = {{"ResPermID", EdKind::Long}, {"Count", EdKind::Long}};

// A number of an item: the variable's full reference text (flag 1), else its constant.
void PutNumber(SymP& ref, std::int16_t flag, EdValues& v, std::size_t numberAt, std::size_t nameAt) {
  if (flag == 1) {
    v.Text(nameAt, FormatVariableReference(ref));
    return;
  }
  std::int32_t n = 0;
  if (ref.HasConst()) std::memcpy(&n, ref.ConstPtr.data(), std::min<std::size_t>(4, ref.ConstPtr.size()));
  v.Num(numberAt, n);
}

void TakeNumber(EdContext& ctx, SymP& ref, std::int16_t& flag, const EdValues& v, std::size_t numberAt,
                std::size_t nameAt) {
  if (flag == 1) {
    ctx.pendingRefs.push_back({&ref, v.Text(nameAt), -1, &flag, nullptr});
    return;
  }
  const auto n = static_cast<std::int32_t>(v.Num(numberAt));
  if (n != 0) {
    ref.SetConstBytes(&n, sizeof n);
    ref.ConstType = 3;
  }
}

int WriteItems(ComponentDetail* first) {
  for (ComponentDetail* d = first; d != nullptr; d = d->Next) {
    EdValues v(kItemFields.size());
    v.Num(0, d->Flag1).Num(1, d->Flag2).Num(2, d->Flag3).Num(3, d->Next != nullptr ? 1 : 0);
    if (d->Flag1 != 1) v.Text(4, d->Area1.Path);
    PutNumber(d->Ref2, d->Flag2, v, 5, 6);
    PutNumber(d->Ref3, d->Flag3, v, 7, 8);
    if (EdWriteLine(kSecItem, kItemFields, v) != 1) {
      if (const int rc = EdPrompt("Save Error.\nContinue?", kSecItem); rc != 0) return rc;
      continue;
    }
    if (d->Flag1 == 1) {
      if (const int rc = WriteValueSlot(d->Area1.Ref); rc != 0) return rc;
    }
  }
  return 0;
}

// Reads items up to the one whose Next is 0.
int ReadItems(EdContext& ctx, ComponentDetail** head) {
  ComponentDetail** tail = head;
  for (;;) {
    std::string line;
    const int taken = ctx.in->NextOfKind(kSecItem, line);
    if (taken < 0) return -158;
    EdValues v(kItemFields.size());
    if (taken == 0 || EdParseLine(line, kSecItem, kItemFields, v) != 1 || v.Text(4).size() >= kComponentAreaSize) {
      if (const int rc = EdPrompt("Load Error.\nContinue?", kSecItem); rc != 0) return rc;
      // Without a readable Next the list ends here.
      return 0;
    }
    ComponentDetail* d = NewComponentDetail();
    if (d == nullptr) return -102;
    *tail = d;
    tail = &d->Next;
    d->Flag1 = v.Short(0);
    d->Flag2 = v.Short(1);
    d->Flag3 = v.Short(2);
    if (d->Flag1 != 1) std::memcpy(d->Area1.Path, v.Text(4).c_str(), v.Text(4).size() + 1);
    TakeNumber(ctx, d->Ref2, d->Flag2, v, 5, 6);
    TakeNumber(ctx, d->Ref3, d->Flag3, v, 7, 8);
    if (d->Flag1 == 1) {
      if (const int rc = ReadValueSlot(ctx, d->Area1.Ref, true, &d->Flag1); rc != 0) return rc;
    }
    if (v.Num(3) == 0) return 0;
  }
}

}  // namespace

bool HasSentenceComponents(const Symbol& sentence) {
  const auto* data = dynamic_cast<const SentenceData*>(sentence.Data.get());
  return data != nullptr && data->First != nullptr;
}

int WriteSentence(Symbol& sentence) {
  SentenceComponent** head = SentenceComponents(&sentence);
  for (SentenceComponent* c = head != nullptr ? *head : nullptr; c != nullptr; c = c->Next) {
    EdValues v(kComponentFields.size());
    v.Num(0, c->Kind).Num(1, c->RefFlag).Num(2, c->Id).Num(3, c->Next != nullptr ? 1 : 0);
    v.Num(4, c->Detail != nullptr ? 1 : 0);
    v.Text(5, c->RefFlag == 1 ? FormatVariableReference(c->Area.Ref) : std::string(c->Area.Path));
    v.Text(6, c->Text.value_or(std::string()));
    if (EdWriteLine(kSecComponent, kComponentFields, v) != 1) {
      // Going on ends the list here.
      return EdPrompt("Save Error.\nContinue?", kSecComponent);
    }
    if (const int rc = WriteItems(c->Detail); rc != 0) return rc;
  }
  return 0;
}

static int ReadComponents(EdContext& ctx, std::unique_ptr<SymbolData>& out) {
  auto data = std::make_unique<SentenceData>();
  SentenceComponent** tail = &data->First;
  for (;;) {
    std::string line;
    const int taken = ctx.in->NextOfKind(kSecComponent, line);
    if (taken < 0) return -158;
    EdValues v(kComponentFields.size());
    if (taken == 0 || EdParseLine(line, kSecComponent, kComponentFields, v) != 1 ||
        v.Text(5).size() >= kComponentAreaSize) {
      if (const int rc = EdPrompt("Load Error.\nContinue?", kSecComponent); rc != 0) return rc;
      break;
    }
    SentenceComponent* c = NewSentenceComponent();
    if (c == nullptr) return -102;
    *tail = c;
    tail = &c->Next;
    c->Kind = v.Short(0);
    c->RefFlag = v.Short(1);
    c->Id = v.Short(2);
    if (!v.Text(6).empty()) c->Text = v.Text(6);
    if (c->RefFlag == 1) {
      ctx.pendingRefs.push_back({&c->Area.Ref, v.Text(5), 6, &c->RefFlag, c->Area.Path});
    } else {
      std::memcpy(c->Area.Path, v.Text(5).c_str(), v.Text(5).size() + 1);
    }
    if (v.Num(4) == 1) {
      if (const int rc = ReadItems(ctx, &c->Detail); rc != 0) return rc;
    }
    if (v.Num(3) == 0) break;
  }
  out = std::move(data);
  return 0;
}

int ReadSentence(EdContext& ctx, const char*, std::unique_ptr<SymbolData>& out) {
  // References noted for a list that is dropped must not outlive it.
  const std::size_t noted = ctx.pendingRefs.size();
  const int rc = ReadComponents(ctx, out);
  if (rc != 0 || out == nullptr) ctx.pendingRefs.resize(noted);
  return rc;
}

int WriteResPerm(const Symbol& permission) {
  std::int32_t numbers[2] = {0, 0};
  if (const auto* block = dynamic_cast<const ValueBlockData*>(permission.Data.get())) {
    std::memcpy(numbers, block->Bytes(), std::min<std::size_t>(sizeof numbers, block->Size()));
  }
  EdValues v(2);
  v.Num(0, numbers[0]).Num(1, numbers[1]);
  if (EdWriteLine(kSecComponent, kResPermFields, v) != 1) return EdPrompt("Save Error.\nContinue?", kSecComponent);
  return 0;
}

int ReadResPerm(EdContext& ctx, std::unique_ptr<SymbolData>& out) {
  std::string line;
  const int taken = ctx.in->NextOfKind(kSecComponent, line);
  if (taken < 0) return -158;
  EdValues v(2);
  if (taken == 0 || EdParseLine(line, kSecComponent, kResPermFields, v) != 1) {
    return EdPrompt("Load Error.\nContinue?", kSecComponent);
  }
  auto block = std::make_unique<ValueBlockData>(8);
  const std::int32_t numbers[2] = {static_cast<std::int32_t>(v.Num(0)), static_cast<std::int32_t>(v.Num(1))};
  std::memcpy(block->Bytes(), numbers, sizeof numbers);
  out = std::move(block);
  return 0;
}

}  // namespace zeph
