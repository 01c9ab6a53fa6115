#include "shell/items/itemdata.h"

namespace {

zeph::SentenceComponent* NewBlock(int kind, const char* text)
{
    zeph::SentenceComponent* block = zeph::NewSentenceComponent();
    block->Id = static_cast<std::int16_t>(kind);
    KvSetBlockText(block, text);
    return block;
}

}  // namespace

std::unique_ptr<zeph::SentenceData> KvNewItemData(int kind, const char* description, const char* confirmation)
{
    auto data = std::make_unique<zeph::SentenceData>(NewBlock(kind, description));
    if (kind == kKvFaxItemKind)
        data->First->Next = NewBlock(kKvFaxItemKind, confirmation);
    return data;
}

zeph::SentenceComponent* KvItemBlock(zeph::Symbol* symbol)
{
    if (symbol == nullptr)
        return nullptr;
    auto* data = dynamic_cast<zeph::SentenceData*>(symbol->Data.get());
    return data != nullptr ? data->First : nullptr;
}

int KvItemKind(zeph::Symbol* symbol)
{
    zeph::SentenceComponent* block = KvItemBlock(symbol);
    return block != nullptr ? block->Id : -1;
}

zeph::SentenceComponent* KvItemConfirmation(zeph::Symbol* symbol)
{
    zeph::SentenceComponent* block = KvItemBlock(symbol);
    if (block == nullptr)
        return nullptr;
    if (block->Next == nullptr)
        block->Next = NewBlock(kKvFaxItemKind, nullptr);
    return block->Next;
}

const char* KvBlockText(const zeph::SentenceComponent* block)
{
    return block != nullptr && block->Text ? block->Text->c_str() : "";
}

void KvSetBlockText(zeph::SentenceComponent* block, const char* text)
{
    if (block == nullptr)
        return;
    if (text == nullptr)
        block->Text.reset();
    else
        block->Text = std::string(text);
}
