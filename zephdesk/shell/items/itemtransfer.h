// The item record handed to the server link's item calls: the link's fixed 2084-byte
// record, filled field by field with the texts cut to their room.
#pragma once

#include <cstdint>

#include "kvlink.h"

using KvItemTransfer = KvItemRecord;
static_assert(sizeof(KvItemTransfer) == 2084, "the server link reads 2084 bytes");
static_assert(offsetof(KvItemTransfer, name) == 4 && offsetof(KvItemTransfer, text) == 35,
              "name and description at their fixed offsets");

// Media types of the transfer: voice items and the spoken name, fax items and their
// confirmation prompt.
inline constexpr std::int16_t kKvMediaVoice = 14;
inline constexpr std::int16_t kKvMediaFax = 15;

// A zeroed record with the ID, the media type, the name (at most 30 characters) and the
// description (at most 2048); null texts count as empty.
KvItemTransfer KvMakeItemTransfer(int id, std::int16_t media, const char* name, const char* description);
