#pragma once
// The names the voice server's runtime gives every script besides the catalogue's: its own
// structures, variables, constants and functions, as the include files declare them.

namespace zeph {

struct RuntimeMember {
  const char* type;  // a type word of the script language
  const char* name;
};

struct RuntimeStruct {
  const char* name;
  const RuntimeMember* members;
  int count;
};

struct RuntimeVariable {
  const char* type;
  const char* name;
  int count;  // array elements; 1 for a plain variable
};

struct RuntimeConstant {
  const char* name;
  int value;
};

struct RuntimeFunction {
  const char* name;
  int arity;  // every parameter takes any value ("any")
};

const RuntimeStruct* RuntimeStructs(int* count);
const RuntimeVariable* RuntimeVariables(int* count);
const RuntimeConstant* RuntimeConstants(int* count);
const RuntimeFunction* RuntimeFunctions(int* count);

}  // namespace zeph
