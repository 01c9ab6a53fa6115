#pragma once
// The compiled program in memory, as the run file holds it; the writer and the reader
// (runfile.h) turn it into bytes and back, the disassembler into a listing.

#include <cstdint>
#include <string>
#include <vector>

namespace quay {

// Value kinds of variables, members, parameters and results.
enum class Base : std::uint8_t {
  Void = 0, Int8 = 1, Int16 = 2, Int32 = 3, Float = 4, Double = 5, String = 6,
  Struct = 7, Label = 8, VSentence = 9, FaxDoc = 10, Any = 11,
};
constexpr std::uint8_t kBaseLast = 11;

// Instructions of the stack machine; operands follow the opcode, little-endian.
enum class Op : std::uint8_t {
  Nop = 0,
  PushInt,     // i32
  PushReal,    // f64 (8 bytes, IEEE)
  PushString,  // u32 string index
  PushGlobal,  // u32 variable index: the variable's address
  PushParam,   // u32 parameter number: its address
  Member,      // u32 byte offset added to the address on top
  Index,       // u32 element size, u32 element count: address + index * size (index checked)
  Load,        // u8 base: replaces a scalar's address by its value
  Store,       // u8 base, u32 size: pops the value, then the address, and stores
  Call,        // u32 function index, u8 argument count: pushes the result
  CallImport,  // u32 import index, u8 argument count: pushes the result
  Jump,        // u32 code offset
  JumpIfZero,  // u32 code offset
  JumpIndirect,  // pops a label address
  Gosub,       // u32 code offset
  GosubIndirect,  // pops a label address
  Return,      // returns 0 (or to the gosub caller)
  ReturnValue,  // pops the result
  Exit,
  Pop,
  Eq, Ne, Lt, Gt, Le, Ge,
  Add, Sub, Mul, Div, And, Or, Neg,
  NoValue,     // pushes the "no value" marker of an optional argument
  DataDef,     // u8 base, u32 structure index or 0xFFFFFFFF, u32 size: a type descriptor
  LabelAddr,   // u32 code offset
  EntryFlags,  // u32 bit set: the page's entry flags
};
constexpr std::uint8_t kOpLast = static_cast<std::uint8_t>(Op::EntryFlags);

constexpr std::uint32_t kNone = 0xFFFFFFFFu;

struct RunMember {
  std::uint32_t name = 0;
  Base base = Base::Void;
  std::uint32_t structIndex = kNone;
  std::uint32_t offset = 0;
  std::uint32_t size = 0;   // of one element
  std::uint32_t count = 1;
};

struct RunType {
  std::uint32_t name = 0;
  std::uint32_t size = 0;
  std::vector<RunMember> members;
};

struct RunSegment {
  std::uint32_t name = 0;
  std::vector<std::uint8_t> data;  // initial data; its length is the segment's size
};

struct RunVariable {
  std::uint32_t name = 0;
  Base base = Base::Void;
  std::uint32_t structIndex = kNone;
  std::uint32_t size = 0;  // of one element
  std::uint32_t count = 1;
  std::uint32_t segment = 0;
  std::uint32_t offset = 0;
};

struct RunImport {
  std::uint32_t name = 0;
  std::uint32_t module = 0;  // DLL file, import module or "" for the runtime
  std::uint8_t kind = 0;     // 0 runtime, 1 import module, 2 DLL, 3 page
  std::uint32_t argc = 0;
  Base result = Base::Void;
};

struct RunFunction {
  std::uint32_t name = 0;
  std::uint32_t codeOffset = 0;
  std::uint32_t codeSize = 0;
  std::uint32_t argc = 0;
};

struct RunLabel {
  std::uint32_t function = 0;
  std::uint32_t name = 0;
  std::uint32_t offset = 0;
};

struct RunLine {
  std::uint32_t offset = 0;
  std::uint32_t line = 0;
};

struct RunImage {
  std::uint16_t kind = 0;  // 0 program, 1 library
  std::int32_t customerId = 0;
  std::int32_t applicationId = 0;
  std::string name;
  std::vector<std::string> strings;
  std::vector<RunType> types;
  std::vector<RunSegment> segments;
  std::vector<RunVariable> variables;
  std::vector<RunImport> imports;
  std::vector<RunFunction> functions;
  std::vector<RunLabel> labels;
  std::vector<std::uint8_t> code;
  bool hasLineTable = false;
  std::vector<RunLine> lines;
};

// Operand bytes that follow an opcode.
std::size_t OperandSize(Op op);
const char* OpName(Op op);
bool IsJump(Op op);  // its first operand is a code offset

}  // namespace quay
