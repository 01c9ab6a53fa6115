#pragma once
// Checks of the values that VavurOrezo fields accept. Each returns 0 when the text passes,
// else a model message code.

namespace zeph {

// The check named by a field definition (kinds above 31 always pass).
int CheckFieldValue(const char* text, int checkKind);

int CheckPromptName(const char* text);
// `directory`: the text names a folder (it must end with "\"), else a file.
int CheckDosPath(const char* text, bool directory);
int CheckMonthDay(const char* text);
int CheckMMDDYY(const char* text);
int CheckDayOfWeek(const char* text);
int CheckDayOfMonth(const char* text);
int CheckYear(const char* text);
int CheckAlphaText(const char* text);
int CheckAlnumText(const char* text);
int CheckDigitText(const char* text);

}  // namespace zeph
