#include "records/kvvlsval.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "foundation/kvlserr.h"
#include "records/kvvlscvt.h"
#include "records/kvvlssel.h"
#include "records/kvvlstyp.h"

namespace {

constexpr std::int16_t kStringType = 6;
constexpr std::int16_t kProgramRecordType = 17;
constexpr std::int16_t kSqlInfoType = 40;
constexpr std::int16_t kSuperBlockType = 41;
constexpr std::int16_t kVerificationBlockType = 43;

bool IsPageType(std::int16_t typeCode)
{
    return typeCode == kSuperBlockType || typeCode == kVerificationBlockType;
}

// Whether a block of blockSize bytes holds the values of a record of recordSize bytes.
bool BlockFits(std::int16_t typeCode, std::size_t recordSize, std::size_t blockSize)
{
    if (typeCode == kProgramRecordType || typeCode == kSqlInfoType)
        return recordSize <= blockSize;
    return recordSize == blockSize;
}

std::size_t TextLength(const void* block, std::size_t blockSize)
{
    const auto* text = static_cast<const char*>(block);
    std::size_t n = 0;
    while (n < blockSize && text[n] != '\0')
        ++n;
    return n;
}

int ReportFailure(const char* itemName, const char* what, short& mode)
{
    const std::string message = std::string(itemName != nullptr ? itemName : "") + what;
    return ReportLoadSaveError(mode, message.c_str(), Kvvls_Variable::kTextSectionKind) ? 0 : kKvLoadSaveUserStopped;
}

}  // namespace

int WriteTypedValueLine(std::int16_t typeCode, const void* block, std::size_t blockSize)
{
    const std::optional<KvvlsRecordId> id = KvvlsCurrentRecordOf(typeCode);
    if (!id || block == nullptr || blockSize == 0)
        return 0;
    if (typeCode == kStringType) {
        const std::size_t width = std::min<std::size_t>({TextLength(block, blockSize) + 1, blockSize, 0xFFFF});
        Kvvls_STRING record(block, static_cast<std::uint16_t>(width));
        return record.WriteText();
    }
    if (IsPageType(typeCode)) {
        if (blockSize != Kvvls_PageType::kPageBlockSize)
            return 0;
        Kvvls_PageType record(block, blockSize);
        return record.WriteText();
    }
    const std::unique_ptr<Kvvls_Variable> record = KvvlsCreateRecord(*id, block, blockSize);
    if (!BlockFits(typeCode, record->GetPackedSize(), blockSize))
        return 0;
    return record->WriteText();
}

int ReadTypedValueLine(std::int16_t typeCode, int formatLevel, void* block, std::size_t blockSize)
{
    const std::optional<KvvlsRecordId> currentId = KvvlsCurrentRecordOf(typeCode);
    const std::optional<KvvlsRecordId> readId = KvvlsRecordOf(typeCode, formatLevel);
    if (!currentId || !readId || block == nullptr || blockSize == 0)
        return 0;

    if (typeCode == kStringType) {
        Kvvls_STRING record(block, static_cast<std::uint16_t>(std::min<std::size_t>(blockSize, 0xFFFF)));
        if (record.ReadText() != kKvTextRecord)
            return 0;
        record.StoreToBlock(block, blockSize);
        return 1;
    }
    if (IsPageType(typeCode)) {
        if (blockSize != Kvvls_PageType::kPageBlockSize)
            return 0;
        Kvvls_PageType record;
        if (record.ReadText() != kKvTextRecord)
            return 0;
        unsigned char values[4];
        record.StoreTo(values);
        std::memcpy(static_cast<unsigned char*>(block) + 4, values + 2, 2);
        return 1;
    }

    const std::unique_ptr<Kvvls_Variable> current = KvvlsCreateRecord(*currentId);
    if (!BlockFits(typeCode, current->GetPackedSize(), blockSize))
        return 0;
    if (*readId == *currentId) {
        if (current->ReadText() != kKvTextRecord)
            return 0;
    } else {
        const std::unique_ptr<Kvvls_Variable> older = KvvlsCreateRecord(*readId);
        if (older->ReadText() != kKvTextRecord)
            return 0;
        KvvlsConvertRecord(*older, *current);
    }
    current->StoreToBlock(block, current->GetPackedSize());
    return 1;
}

int SaveTypedValue(const char* itemName, std::int16_t typeCode, const void* block, std::size_t blockSize, short& mode)
{
    if (WriteTypedValueLine(typeCode, block, blockSize))
        return 0;
    return ReportFailure(itemName, "Save Error.\nContinue?", mode);
}

int LoadTypedValue(const char* itemName, std::int16_t typeCode, int formatLevel, void* block, std::size_t blockSize,
                   short& mode)
{
    if (ReadTypedValueLine(typeCode, formatLevel, block, blockSize))
        return 0;
    return ReportFailure(itemName, "Load Error.\nContinue?", mode);
}
