#pragma once
// Operations on structure definitions and their members: lookup, creation, member lists,
// member-type masks, sizes and offsets, and the listings of the structure editors.

#include <cstdint>
#include <string>

#include "model/datatypes.h"
#include "model/listsink.h"
#include "model/structdef.h"

namespace zeph {

class SymbolTable;

// Lookups (null when none).
StructDef* FindStructureById(int id, SymbolTable* program = nullptr);
StructDef* FindStructureByName(const char* name, SymbolTable* program = nullptr);
StructDef* FindStructureInMask(const TypeMask& mask, SymbolTable* program = nullptr);
// The structure of the variable named by the text from its second character on.
StructDef* GetStructureOfReference(const char* text, SymbolTable* program = nullptr);
StructMember* FindMemberById(int structId, int memberId, SymbolTable* program = nullptr);
// ElemNum of the member; 0 when no such member, -1 when no such structure.
int GetMemberIdByName(int structId, const char* name, SymbolTable* program = nullptr);
StructMember* GetMemberAt(int n, const StructDef* def);
StructMember* FindMemberByName(const StructDef* def, const char* name);

// Definitions. New definitions go to the front of the list and take the next id.
StructDef* NewStructureDef(const char* name, int cantDelete, int membersInvisible,
                           SymbolTable* program = nullptr, int fromHeader = 0);
// 0, -1 (no such definition) or -112 (variables of this type exist).
int DeleteStructureDef(const char* name, SymbolTable* program = nullptr);
// 0, or 1 when there is no such definition (or no program).
int RenameStructure(const char* oldName, const char* newName, SymbolTable* program = nullptr);
// Frees a definition's members and the definition (it must be unlinked already).
void FreeStructureDef(StructDef* def);

// Members.
StructMember* NewStructureMember(const char* name, int type, int size, StructDef* def);
int InsertMemberAfter(int n, StructMember** head, StructMember* member);
int InsertMemberAt(int n, StructMember** head, StructMember* member);
int RemoveMemberAt(int n, StructMember** head);
void FreeMemberList(StructMember* first);

// Member-type masks of a definition.
int AddTypeToMask(std::uint32_t& allowed1, std::uint32_t& allowed2, int type,
                  SymbolTable* program = nullptr);
int RemoveTypeFromMask(std::uint32_t& allowed1, std::uint32_t& allowed2, int type,
                       const StructMember* members);

// Sizes.
int GetMemberSize(const StructMember* member);
// The listed name of a type code, the structure's name for a structure id, else "?".
std::string MemberTypeName(int type, SymbolTable* program = nullptr);
void SumStructureSize(const StructDef* def, int& total, SymbolTable* program = nullptr);
int GetStructureSize(const StructDef* def, SymbolTable* program = nullptr);
// Byte offset of a member ("a" or "a.b"); -1 when a name is not found.
int GetMemberOffset(const StructDef* def, const char* names, StructMember** member,
                    SymbolTable* program = nullptr);

// Listings.
void ListStructureMembers(const StructDef* def, ListSink& list, SymbolTable* program = nullptr);
void ListStructures(const StructDef* first, ListSink& list);
void ListMembersByTypeMask(const StructDef* def, ListSink& list, const TypeMask& mask,
                           SymbolTable* program = nullptr);

}  // namespace zeph
