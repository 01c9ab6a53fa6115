// Whether a block's name answers a Find search text. The part of the name before its
// first "$" (the page) is ignored. The text is compared from the start with letters
// folded to upper case up to its first "*"; a text without a star must equal the name.
// After a star that is not the last character, the rest of the text (without a final star
// of its own) must occur in the rest of the name, in any case: anywhere when the text
// ended with a star, else at the very end of the name. Further stars in that rest are
// plain characters.
#pragma once

bool MatchesSearchText(const char* searchText, const char* symbolName);
