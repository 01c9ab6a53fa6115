#pragma once
// Hooks the property forms into the catalogue's form opener: the makers of dialog kinds
// 1 to 4 and the own forms of the assignment, compare, add, subtract and End Block types.

namespace zeph {

void RegisterPropertyForms();

}  // namespace zeph
