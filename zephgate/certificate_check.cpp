#include "certificate_check.h"

#include <cstdint>

namespace gate {
namespace {

struct Element {
  unsigned char tag = 0;
  std::size_t start = 0;  // of the contents
  std::size_t length = 0;
};

// Reads one element at `at` that must end within `end`.
bool ReadElement(const std::string& bytes, std::size_t at, std::size_t end, Element& out) {
  if (at + 2 > end) return false;
  out.tag = static_cast<unsigned char>(bytes[at]);
  std::size_t length = static_cast<unsigned char>(bytes[at + 1]);
  std::size_t start = at + 2;
  if (length & 0x80) {
    const std::size_t count = length & 0x7F;
    if (count == 0 || count > 4 || start + count > end) return false;  // no indefinite lengths in DER
    length = 0;
    for (std::size_t i = 0; i < count; ++i) length = (length << 8) | static_cast<unsigned char>(bytes[start + i]);
    start += count;
  }
  if (start > end || length > end - start) return false;
  out.start = start;
  out.length = length;
  return true;
}

}  // namespace

bool IsX509Der(const std::string& bytes) {
  Element certificate;
  if (!ReadElement(bytes, 0, bytes.size(), certificate) || certificate.tag != 0x30) return false;
  if (certificate.start + certificate.length != bytes.size()) return false;
  const std::size_t end = certificate.start + certificate.length;
  Element signedPart, algorithm, signature;
  if (!ReadElement(bytes, certificate.start, end, signedPart) || signedPart.tag != 0x30) return false;
  if (!ReadElement(bytes, signedPart.start + signedPart.length, end, algorithm) || algorithm.tag != 0x30) return false;
  if (!ReadElement(bytes, algorithm.start + algorithm.length, end, signature) || signature.tag != 0x03) return false;
  if (signature.start + signature.length != end) return false;
  // The signed part opens with its version ([0]) or, for version 1, the serial number.
  Element first;
  if (!ReadElement(bytes, signedPart.start, signedPart.start + signedPart.length, first)) return false;
  return first.tag == 0xA0 || first.tag == 0x02;
}

}  // namespace gate
