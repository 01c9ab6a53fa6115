#pragma once
// Structure definitions and their members. A program keeps its definitions in one singly
// linked list: user structures (ids from 100) in front, the library's predefined
// structures (ids below 100, shared by every program) behind them.

#include <cstdint>
#include <string>

namespace zeph {

struct Symbol;

inline constexpr int kStructNameSize = 30;   // stored names: 29 characters and a zero
inline constexpr int kStructNameMax = 29;
inline constexpr int kMemberNameSize = 30;
inline constexpr int kMemberNameMax = 29;
inline constexpr int kStructDefRecordSize = 74;     // stored size of a definition
inline constexpr int kStructMemberRecordSize = 46;  // stored size of a member

struct StructMember {
  char Name[kMemberNameSize] = {};
  std::int16_t ElemNum = 0;   // member id, unique in its structure
  std::int16_t Type = 0;      // type code or structure id
  std::int16_t Size = 0;      // the length for *STRING members
  std::int16_t RefCnt = 0;    // references to this member
  std::string Comment;        // empty = none
  StructMember* Next = nullptr;
};

struct StructDef {
  char Name[kStructNameSize] = {};
  std::int16_t TypeNum = 0;   // the structure's id, also its type code
  std::int16_t CantDelete = 0;
  std::int16_t MembersAreInvisible = 0;
  std::int16_t NextStructMemNum = 1;
  StructDef* NextDef = nullptr;
  StructMember* FstMem = nullptr;
  std::int16_t RefCnt = 0;    // symbols of this type
  std::int16_t PutInCurListBox = 0;
  // Type mask of the member types.
  std::uint32_t Allowed1 = 0;
  std::uint32_t Allowed2 = 0;
  std::int16_t AddStructs = 0;
  std::int16_t StructNum = 0;
  std::int16_t WholeArray = 0;
  std::int16_t MinNumber = 0;
  std::int16_t CheckDefForMem = 0;
  Symbol* Tree = nullptr;     // root of the tree of symbols of this type (not stored)
  std::int16_t FromHeader = 0;
};

// Head of a program's structure list.
struct StructList {
  StructDef* First = nullptr;
  std::int16_t NextId = 100;
};

}  // namespace zeph
