#include "shell/items/itemtransfer.h"

#include <algorithm>
#include <cstring>

namespace {

// Copies at most size - 1 characters and always leaves the terminating zero.
template <std::size_t N>
void CopyCut(char (&out)[N], const char* text)
{
    if (text == nullptr)
        return;
    const std::size_t length = std::min(std::strlen(text), N - 1);
    std::memcpy(out, text, length);
    out[length] = '\0';
}

}  // namespace

KvItemTransfer KvMakeItemTransfer(int id, std::int16_t media, const char* name, const char* description)
{
    KvItemTransfer record;
    std::memset(&record, 0, sizeof record);
    record.itemId = static_cast<std::int16_t>(id);
    record.mediaType = media;
    CopyCut(record.name, name);
    CopyCut(record.text, description);
    return record;
}
