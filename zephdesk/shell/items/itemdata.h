// The model data of a voice or fax item symbol (type 35): the sentence-component form the
// model reads items in. The first component is the item's block: its text is the
// description, its identifier the kind (0 voice, 3 fax); a fax item's block links its
// confirmation block (kind 3) as the next component.
#pragma once

#include <memory>

#include "model/vsentence.h"

inline constexpr int kKvItemSymbolType = 35;
inline constexpr int kKvVoiceItemKind = 0;
inline constexpr int kKvFaxItemKind = 3;

// A fresh block of the kind with the description; a fax block comes with its confirmation
// block holding the confirmation text. Throws std::bad_alloc when memory runs out.
std::unique_ptr<zeph::SentenceData> KvNewItemData(int kind, const char* description,
                                                  const char* confirmation = nullptr);

// The item block of a symbol, or null when it has none.
zeph::SentenceComponent* KvItemBlock(zeph::Symbol* symbol);
// The kind of an item symbol, -1 when it has no block.
int KvItemKind(zeph::Symbol* symbol);
// The confirmation block of a fax symbol; a block without one gets a fresh one first.
zeph::SentenceComponent* KvItemConfirmation(zeph::Symbol* symbol);

// The text of a block ("" when none) and its replacement.
const char* KvBlockText(const zeph::SentenceComponent* block);
void KvSetBlockText(zeph::SentenceComponent* block, const char* text);
