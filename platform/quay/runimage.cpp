#include "quay/runimage.h"

namespace quay {

std::size_t OperandSize(Op op) {
  switch (op) {
    case Op::PushInt: case Op::PushString: case Op::PushGlobal: case Op::PushParam:
    case Op::Member: case Op::Jump: case Op::JumpIfZero: case Op::Gosub: case Op::LabelAddr:
    case Op::EntryFlags:
      return 4;
    case Op::PushReal: case Op::Index: return 8;
    case Op::Load: return 1;
    case Op::Store: return 5;
    case Op::Call: case Op::CallImport: return 5;
    case Op::DataDef: return 9;
    default: return 0;
  }
}

bool IsJump(Op op) {
  return op == Op::Jump || op == Op::JumpIfZero || op == Op::Gosub || op == Op::LabelAddr;
}

const char* OpName(Op op) {
  static const char* const kNames[] = {
      "nop", "pushi", "pushr", "pushs", "pushg", "pushp", "member", "index", "load", "store",
      "call", "calli", "jump", "jz", "jumpi", "gosub", "gosubi", "ret", "retv", "exit", "pop",
      "eq", "ne", "lt", "gt", "le", "ge", "add", "sub", "mul", "div", "and", "or", "neg",
      "novalue", "datadef", "label", "flags"};
  const auto i = static_cast<std::size_t>(op);
  return i <= kOpLast ? kNames[i] : "?";
}

}  // namespace quay
