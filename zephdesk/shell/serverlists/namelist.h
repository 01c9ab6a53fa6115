// Names typed into the application list dialog's name field: one name, or several each
// enclosed in double quotes.
#pragma once

class KvObArray;

// Appends one user-application record per name to target (names holding only blanks are
// skipped); the number of records appended.
int SplitNameList(const char* text, KvObArray& target);
