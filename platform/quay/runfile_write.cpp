// Writes a run image: header, then the chunks STRS TYPE SEGS VARS IMPS FUNC LABL CODE and,
// when asked for, LINE. Each chunk is its tag, its payload length and the payload.
#include <cstring>

#include "quay/runfile.h"

namespace quay {

namespace {

class Out {
 public:
  void U8(std::uint8_t v) { bytes.push_back(v); }
  void U16(std::uint16_t v) { for (int b = 0; b < 2; ++b) bytes.push_back(static_cast<std::uint8_t>(v >> (8 * b))); }
  void U32(std::uint32_t v) { for (int b = 0; b < 4; ++b) bytes.push_back(static_cast<std::uint8_t>(v >> (8 * b))); }
  void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
  void Bytes(const std::uint8_t* p, std::size_t n) { bytes.insert(bytes.end(), p, p + n); }
  void Text16(const std::string& s) {
    U16(static_cast<std::uint16_t>(s.size()));
    Bytes(reinterpret_cast<const std::uint8_t*>(s.data()), s.size());
  }
  void Text32(const std::string& s) {
    U32(static_cast<std::uint32_t>(s.size()));
    Bytes(reinterpret_cast<const std::uint8_t*>(s.data()), s.size());
  }
  std::vector<std::uint8_t> bytes;
};

void Chunk(Out& file, const char* tag, const Out& payload) {
  file.Bytes(reinterpret_cast<const std::uint8_t*>(tag), 4);
  file.U32(static_cast<std::uint32_t>(payload.bytes.size()));
  file.Bytes(payload.bytes.data(), payload.bytes.size());
}

}  // namespace

std::vector<std::uint8_t> WriteRunImage(const RunImage& image) {
  Out file;
  file.Bytes(reinterpret_cast<const std::uint8_t*>(kRunMagic), 4);
  file.U16(kRunVersion);
  file.U16(image.kind);
  file.I32(image.customerId);
  file.I32(image.applicationId);
  file.Text16(image.name.substr(0, 65535));
  const std::size_t crcAt = file.bytes.size();
  file.U32(0);

  Out strs;
  strs.U32(static_cast<std::uint32_t>(image.strings.size()));
  for (const auto& s : image.strings) strs.Text32(s);
  Chunk(file, "STRS", strs);

  Out types;
  types.U32(static_cast<std::uint32_t>(image.types.size()));
  for (const auto& t : image.types) {
    types.U32(t.name);
    types.U32(t.size);
    types.U32(static_cast<std::uint32_t>(t.members.size()));
    for (const auto& m : t.members) {
      types.U32(m.name);
      types.U8(static_cast<std::uint8_t>(m.base));
      types.U32(m.structIndex);
      types.U32(m.offset);
      types.U32(m.size);
      types.U32(m.count);
    }
  }
  Chunk(file, "TYPE", types);

  Out segs;
  segs.U32(static_cast<std::uint32_t>(image.segments.size()));
  for (const auto& s : image.segments) {
    segs.U32(s.name);
    segs.U32(static_cast<std::uint32_t>(s.data.size()));
    segs.Bytes(s.data.data(), s.data.size());
  }
  Chunk(file, "SEGS", segs);

  Out vars;
  vars.U32(static_cast<std::uint32_t>(image.variables.size()));
  for (const auto& v : image.variables) {
    vars.U32(v.name);
    vars.U8(static_cast<std::uint8_t>(v.base));
    vars.U32(v.structIndex);
    vars.U32(v.size);
    vars.U32(v.count);
    vars.U32(v.segment);
    vars.U32(v.offset);
  }
  Chunk(file, "VARS", vars);

  Out imps;
  imps.U32(static_cast<std::uint32_t>(image.imports.size()));
  for (const auto& i : image.imports) {
    imps.U32(i.name);
    imps.U32(i.module);
    imps.U8(i.kind);
    imps.U32(i.argc);
    imps.U8(static_cast<std::uint8_t>(i.result));
  }
  Chunk(file, "IMPS", imps);

  Out funcs;
  funcs.U32(static_cast<std::uint32_t>(image.functions.size()));
  for (const auto& f : image.functions) {
    funcs.U32(f.name);
    funcs.U32(f.codeOffset);
    funcs.U32(f.codeSize);
    funcs.U32(f.argc);
  }
  Chunk(file, "FUNC", funcs);

  Out labels;
  labels.U32(static_cast<std::uint32_t>(image.labels.size()));
  for (const auto& l : image.labels) {
    labels.U32(l.function);
    labels.U32(l.name);
    labels.U32(l.offset);
  }
  Chunk(file, "LABL", labels);

  Out code;
  code.Bytes(image.code.data(), image.code.size());
  Chunk(file, "CODE", code);

  if (image.hasLineTable) {
    Out lines;
    lines.U32(static_cast<std::uint32_t>(image.lines.size()));
    for (const auto& l : image.lines) {
      lines.U32(l.offset);
      lines.U32(l.line);
    }
    Chunk(file, "LINE", lines);
  }

  const std::uint32_t crc = Crc32(file.bytes.data(), file.bytes.size());
  for (int b = 0; b < 4; ++b) file.bytes[crcAt + static_cast<std::size_t>(b)] = static_cast<std::uint8_t>(crc >> (8 * b));
  return file.bytes;
}

std::vector<std::uint8_t> EmptyLibraryImage() {
  RunImage image;
  image.kind = 1;
  return WriteRunImage(image);
}

}  // namespace quay
