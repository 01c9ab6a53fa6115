#pragma once
// Choice lists of the combo fields by list id (1 and 5-69): null-terminated arrays of the
// display texts and of the values stored for them, position by position.

namespace scribe {

bool IsChoiceListId(int id);
// Null for an id without a list.
const char* const* ChoiceListTexts(int id);
const char* const* ChoiceListValues(int id);

}  // namespace scribe
