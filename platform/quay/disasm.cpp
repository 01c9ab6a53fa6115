// A readable listing of a run image's code, used by tests and for looking at output.
#include <cstdio>
#include <cstring>
#include <map>

#include "quay/runfile.h"

namespace quay {

std::string Disassemble(const RunImage& image) {
  std::multimap<std::uint32_t, std::string> labels;
  for (const RunLabel& l : image.labels) labels.emplace(l.offset, image.strings[l.name]);
  std::string out;
  char line[160];
  for (const RunFunction& f : image.functions) {
    out += "function " + image.strings[f.name] + " (" + std::to_string(f.argc) + ")\n";
    std::uint32_t pc = f.codeOffset;
    while (pc < f.codeOffset + f.codeSize) {
      for (auto [it, end] = labels.equal_range(pc); it != end; ++it) out += it->second + ":\n";
      const Op op = static_cast<Op>(image.code[pc]);
      const std::uint8_t* a = image.code.data() + pc + 1;
      auto u32 = [&](std::size_t k) {
        std::uint32_t v = 0;
        for (int b = 0; b < 4; ++b) v |= static_cast<std::uint32_t>(a[k + static_cast<std::size_t>(b)]) << (8 * b);
        return v;
      };
      std::string args;
      switch (op) {
        case Op::PushInt: args = std::to_string(static_cast<std::int32_t>(u32(0))); break;
        case Op::PushReal: {
          const std::uint64_t bits = u32(0) | (static_cast<std::uint64_t>(u32(4)) << 32);
          double d;
          std::memcpy(&d, &bits, 8);
          std::snprintf(line, sizeof line, "%g", d);
          args = line;
          break;
        }
        case Op::PushString: args = "\"" + image.strings[u32(0)] + "\""; break;
        case Op::PushGlobal: args = image.strings[image.variables[u32(0)].name]; break;
        case Op::PushParam: case Op::Member: args = std::to_string(u32(0)); break;
        case Op::Index: args = std::to_string(u32(0)) + " x " + std::to_string(u32(4)); break;
        case Op::Load: args = std::to_string(a[0]); break;
        case Op::Store: args = std::to_string(a[0]) + " " + std::to_string(u32(1)); break;
        case Op::Call: args = image.strings[image.functions[u32(0)].name] + " " + std::to_string(a[4]); break;
        case Op::CallImport: args = image.strings[image.imports[u32(0)].name] + " " + std::to_string(a[4]); break;
        case Op::DataDef: args = std::to_string(a[0]) + " " + std::to_string(u32(5)); break;
        case Op::EntryFlags: std::snprintf(line, sizeof line, "0x%X", u32(0)); args = line; break;
        default:
          if (IsJump(op)) std::snprintf(line, sizeof line, "%04X", u32(0)), args = line;
          break;
      }
      std::snprintf(line, sizeof line, "  %04X %s", pc, OpName(op));
      out += line;
      if (!args.empty()) out += " " + args;
      out += "\n";
      pc += 1 + static_cast<std::uint32_t>(OperandSize(op));
    }
  }
  return out;
}

}  // namespace quay
