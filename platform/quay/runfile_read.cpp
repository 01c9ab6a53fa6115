// Reads a run file back and refuses anything the writer would not have made.
#include <cstring>
#include <set>

#include "quay/runfile.h"

namespace quay {

namespace {

struct Refused {
  std::string reason;
};

class In {
 public:
  In(const std::uint8_t* p, std::size_t n) : p_(p), n_(n) {}
  std::size_t Left() const { return n_ - at_; }
  void Need(std::size_t k) const {
    if (k > Left()) throw Refused{"truncated"};
  }
  std::uint8_t U8() { Need(1); return p_[at_++]; }
  std::uint16_t U16() {
    Need(2);
    const std::uint16_t v = static_cast<std::uint16_t>(p_[at_] | (p_[at_ + 1] << 8));
    at_ += 2;
    return v;
  }
  std::uint32_t U32() {
    Need(4);
    std::uint32_t v = 0;
    for (int b = 0; b < 4; ++b) v |= static_cast<std::uint32_t>(p_[at_ + static_cast<std::size_t>(b)]) << (8 * b);
    at_ += 4;
    return v;
  }
  std::string Text(std::size_t len) {
    Need(len);
    std::string s(reinterpret_cast<const char*>(p_ + at_), len);
    at_ += len;
    return s;
  }
  // A count of records of at least minSize bytes each, checked against what is left.
  std::uint32_t Count(std::size_t minSize) {
    const std::uint32_t c = U32();
    if (minSize && c > Left() / minSize) throw Refused{"count past the end"};
    return c;
  }
  const std::uint8_t* Ptr() const { return p_ + at_; }
  void Skip(std::size_t k) { Need(k); at_ += k; }

 private:
  const std::uint8_t* p_;
  std::size_t n_;
  std::size_t at_ = 0;
};

Base ReadBase(In& in, bool allowVoid) {
  const std::uint8_t b = in.U8();
  if (b > kBaseLast || (!allowVoid && b == 0)) throw Refused{"bad value kind"};
  return static_cast<Base>(b);
}

void CheckString(const RunImage& image, std::uint32_t index) {
  if (index >= image.strings.size()) throw Refused{"string index out of range"};
}

// Decodes every instruction of every function and checks operands and jump targets.
void CheckCode(const RunImage& image) {
  std::vector<bool> starts(image.code.size() + 1, false);
  std::vector<std::uint32_t> owner(image.code.size(), kNone);
  std::uint32_t expected = 0;
  for (std::uint32_t fi = 0; fi < image.functions.size(); ++fi) {
    const RunFunction& f = image.functions[fi];
    CheckString(image, f.name);
    if (f.codeOffset != expected || f.codeSize == 0 || f.codeSize > image.code.size() - f.codeOffset)
      throw Refused{"function code range"};
    expected = f.codeOffset + f.codeSize;
    for (std::uint32_t i = f.codeOffset; i < expected; ++i) owner[i] = fi;
  }
  if (expected != image.code.size()) throw Refused{"code outside functions"};
  struct Target {
    std::uint32_t from, to;
  };
  std::vector<Target> targets;
  std::size_t pc = 0;
  while (pc < image.code.size()) {
    starts[pc] = true;
    const std::uint8_t raw = image.code[pc];
    if (raw > kOpLast) throw Refused{"unknown instruction"};
    const Op op = static_cast<Op>(raw);
    const std::size_t operands = OperandSize(op);
    if (operands > image.code.size() - pc - 1) throw Refused{"instruction past the end"};
    const std::uint8_t* a = image.code.data() + pc + 1;
    auto u32 = [&](std::size_t k) {
      std::uint32_t v = 0;
      for (int b = 0; b < 4; ++b) v |= static_cast<std::uint32_t>(a[k + static_cast<std::size_t>(b)]) << (8 * b);
      return v;
    };
    const std::uint32_t fi = owner[pc];
    if (owner[pc + operands] != fi) throw Refused{"instruction crosses a function"};
    switch (op) {
      case Op::PushString: CheckString(image, u32(0)); break;
      case Op::PushGlobal: if (u32(0) >= image.variables.size()) throw Refused{"variable index"}; break;
      case Op::PushParam: if (u32(0) >= image.functions[fi].argc) throw Refused{"parameter index"}; break;
      case Op::Index: if (u32(4) < 2) throw Refused{"index of a non-array"}; break;
      case Op::Load: if (a[0] == 0 || a[0] > kBaseLast) throw Refused{"bad value kind"}; break;
      case Op::Store: if (a[0] == 0 || a[0] > kBaseLast) throw Refused{"bad value kind"}; break;
      case Op::Call:
        if (u32(0) >= image.functions.size() || a[4] != image.functions[u32(0)].argc) throw Refused{"call target"};
        break;
      case Op::CallImport:
        if (u32(0) >= image.imports.size() || a[4] != image.imports[u32(0)].argc) throw Refused{"import target"};
        break;
      case Op::DataDef:
        if (a[0] == 0 || a[0] > kBaseLast) throw Refused{"bad value kind"};
        if (u32(1) != kNone && u32(1) >= image.types.size()) throw Refused{"type index"};
        break;
      default: break;
    }
    if (IsJump(op)) targets.push_back({static_cast<std::uint32_t>(pc), u32(0)});
    pc += 1 + operands;
  }
  for (const Target& t : targets) {
    if (t.to >= image.code.size() || !starts[t.to] || owner[t.to] != owner[t.from])
      throw Refused{"jump target"};
  }
  for (const RunLabel& l : image.labels) {
    CheckString(image, l.name);
    if (l.function >= image.functions.size()) throw Refused{"label function"};
    const RunFunction& f = image.functions[l.function];
    if (l.offset < f.codeOffset || l.offset >= f.codeOffset + f.codeSize || !starts[l.offset])
      throw Refused{"label offset"};
  }
  std::uint32_t last = 0;
  for (const RunLine& l : image.lines) {
    if (l.offset >= image.code.size() || !starts[l.offset] || (l.offset < last)) throw Refused{"line table"};
    last = l.offset;
  }
}

void ReadChunks(In& in, RunImage& image) {
  static const char* const kOrder[] = {"STRS", "TYPE", "SEGS", "VARS", "IMPS", "FUNC", "LABL", "CODE", "LINE"};
  std::size_t next = 0;
  while (in.Left() > 0) {
    const std::string tag = in.Text(4);
    const std::uint32_t length = in.U32();
    in.Need(length);
    std::size_t which = next;
    while (which < 9 && tag != kOrder[which]) ++which;
    if (which == 9) throw Refused{"unknown or misplaced chunk " + tag};
    if (which != next && which != 8) throw Refused{"missing chunk " + std::string(kOrder[next])};
    next = which + 1;
    In c(in.Ptr(), length);
    in.Skip(length);
    switch (which) {
      case 0: {
        const std::uint32_t n = c.Count(4);
        image.strings.reserve(n);
        for (std::uint32_t i = 0; i < n; ++i) image.strings.push_back(c.Text(c.U32()));
        break;
      }
      case 1: {
        const std::uint32_t n = c.Count(12);
        for (std::uint32_t i = 0; i < n; ++i) {
          RunType t;
          t.name = c.U32();
          CheckString(image, t.name);
          t.size = c.U32();
          const std::uint32_t m = c.Count(21);
          std::uint64_t end = 0;
          for (std::uint32_t k = 0; k < m; ++k) {
            RunMember mem;
            mem.name = c.U32();
            CheckString(image, mem.name);
            mem.base = ReadBase(c, false);
            mem.structIndex = c.U32();
            mem.offset = c.U32();
            mem.size = c.U32();
            mem.count = c.U32();
            if ((mem.base == Base::Struct) != (mem.structIndex != kNone) ||
                (mem.structIndex != kNone && mem.structIndex >= n) || mem.count == 0 || mem.offset != end)
              throw Refused{"structure member"};
            end = mem.offset + static_cast<std::uint64_t>(mem.size) * mem.count;
            t.members.push_back(mem);
          }
          if (end != t.size) throw Refused{"structure size"};
          image.types.push_back(std::move(t));
        }
        break;
      }
      case 2: {
        const std::uint32_t n = c.Count(8);
        for (std::uint32_t i = 0; i < n; ++i) {
          RunSegment s;
          s.name = c.U32();
          CheckString(image, s.name);
          const std::uint32_t size = c.U32();
          if (size > 65535) throw Refused{"segment size"};
          c.Need(size);
          s.data.assign(c.Ptr(), c.Ptr() + size);
          c.Skip(size);
          image.segments.push_back(std::move(s));
        }
        break;
      }
      case 3: {
        const std::uint32_t n = c.Count(25);
        for (std::uint32_t i = 0; i < n; ++i) {
          RunVariable v;
          v.name = c.U32();
          CheckString(image, v.name);
          v.base = ReadBase(c, false);
          v.structIndex = c.U32();
          v.size = c.U32();
          v.count = c.U32();
          v.segment = c.U32();
          v.offset = c.U32();
          if ((v.base == Base::Struct) != (v.structIndex != kNone) ||
              (v.structIndex != kNone && v.structIndex >= image.types.size()) || v.count == 0 ||
              v.segment >= image.segments.size() ||
              v.offset + static_cast<std::uint64_t>(v.size) * v.count > image.segments[v.segment].data.size())
            throw Refused{"variable"};
          image.variables.push_back(v);
        }
        break;
      }
      case 4: {
        const std::uint32_t n = c.Count(14);
        for (std::uint32_t i = 0; i < n; ++i) {
          RunImport imp;
          imp.name = c.U32();
          CheckString(image, imp.name);
          imp.module = c.U32();
          CheckString(image, imp.module);
          imp.kind = c.U8();
          imp.argc = c.U32();
          imp.result = ReadBase(c, true);
          if (imp.kind > 3 || imp.argc > 255) throw Refused{"import"};
          image.imports.push_back(imp);
        }
        break;
      }
      case 5: {
        const std::uint32_t n = c.Count(16);
        for (std::uint32_t i = 0; i < n; ++i) {
          RunFunction f;
          f.name = c.U32();
          f.codeOffset = c.U32();
          f.codeSize = c.U32();
          f.argc = c.U32();
          if (f.argc > 255) throw Refused{"function"};
          image.functions.push_back(f);
        }
        break;
      }
      case 6: {
        const std::uint32_t n = c.Count(12);
        for (std::uint32_t i = 0; i < n; ++i) {
          RunLabel l;
          l.function = c.U32();
          l.name = c.U32();
          l.offset = c.U32();
          image.labels.push_back(l);
        }
        break;
      }
      case 7:
        image.code.assign(c.Ptr(), c.Ptr() + length);
        c.Skip(length);
        break;
      case 8: {
        image.hasLineTable = true;
        const std::uint32_t n = c.Count(8);
        for (std::uint32_t i = 0; i < n; ++i) {
          RunLine l;
          l.offset = c.U32();
          l.line = c.U32();
          image.lines.push_back(l);
        }
        break;
      }
    }
    if (c.Left() != 0) throw Refused{"chunk " + tag + " has extra bytes"};
  }
  if (next < 8) throw Refused{"missing chunk " + std::string(kOrder[next])};
}

}  // namespace

bool ReadRunImage(const std::uint8_t* data, std::size_t size, RunImage& image, std::string& reason) {
  image = RunImage{};
  try {
    In in(data, size);
    if (in.Text(4) != std::string(kRunMagic, 4)) throw Refused{"not a run file"};
    if (in.U16() != kRunVersion) throw Refused{"unknown version"};
    image.kind = in.U16();
    if (image.kind > 1) throw Refused{"unknown kind"};
    image.customerId = static_cast<std::int32_t>(in.U32());
    image.applicationId = static_cast<std::int32_t>(in.U32());
    image.name = in.Text(in.U16());
    const std::size_t crcAt = size - in.Left();
    const std::uint32_t stored = in.U32();
    std::vector<std::uint8_t> copy(data, data + size);
    std::memset(copy.data() + crcAt, 0, 4);
    if (Crc32(copy.data(), copy.size()) != stored) throw Refused{"checksum"};
    ReadChunks(in, image);
    CheckCode(image);
    return true;
  } catch (const Refused& r) {
    reason = r.reason;
    image = RunImage{};
    return false;
  }
}

}  // namespace quay
