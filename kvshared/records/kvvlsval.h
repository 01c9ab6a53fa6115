// Save and load of a typed value block by its data type code as one parameter record
// line of the current text stream.
//
// Writing builds the current record of the type from the block and writes its line.
// Reading builds the record of the layout that the format level selects, reads the line,
// converts an older layout into the current one and stores the values into the block.
// The block must be as large as the record, except that:
//   - a record smaller than its block (types 17 and 40) covers the block's first bytes
//     and the bytes after it are kept;
//   - a string (type 6) is written with the block's text and read cut to the block;
//   - a page (types 41 and 43) is the 6-byte page block; reading sets its page type and
//     keeps the table pointer bytes, which the caller restores.
#pragma once

#include <cstddef>
#include <cstdint>

// 1 when the line was written; 0 when the type has no record, the block does not fit
// it, or the line could not be written.
int WriteTypedValueLine(std::int16_t typeCode, const void* block, std::size_t blockSize);

// 1 when a line was read and stored; 0 (block unchanged) when the type has no record,
// the block does not fit it, or the line was malformed, missing or "NoMatch".
int ReadTypedValueLine(std::int16_t typeCode, int formatLevel, void* block, std::size_t blockSize);

// The same with the load and save error report on failure: itemName followed by
// "Save Error.\nContinue?" (or "Load Error.\nContinue?"). 0 to go on, 9754 when the
// user stopped.
int SaveTypedValue(const char* itemName, std::int16_t typeCode, const void* block, std::size_t blockSize, short& mode);
int LoadTypedValue(const char* itemName, std::int16_t typeCode, int formatLevel, void* block, std::size_t blockSize,
                   short& mode);
