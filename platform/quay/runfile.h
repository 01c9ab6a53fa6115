#pragma once
// The run file: a header (magic, version, kind, customer and application ids, name, CRC-32
// of the whole file) and tagged chunks, little-endian, written field by field. The reader
// accepts only what the writer makes: every size, index and jump target is checked.

#include <cstdint>
#include <string>
#include <vector>

#include "quay/runimage.h"

namespace quay {

constexpr char kRunMagic[4] = {'Q', 'R', 'U', 'N'};
constexpr std::uint16_t kRunVersion = 1;

std::vector<std::uint8_t> WriteRunImage(const RunImage& image);

// Fills image and returns true, or returns false with a reason.
bool ReadRunImage(const std::uint8_t* data, std::size_t size, RunImage& image, std::string& reason);

// A listing of the code, one instruction a line, with function and label names.
std::string Disassemble(const RunImage& image);

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size);

// The empty library a library build starts from ("rll.tpl").
std::vector<std::uint8_t> EmptyLibraryImage();

}  // namespace quay
