#pragma once

// 1 when both texts are equal, letters compared ignoring case (ASCII only:
// extensions and file names of the documentation are plain ASCII).
int EqualsIgnoringCase(const char* a, const char* b);
// 1 when text ends with ending, ignoring case.
int EndsWithIgnoringCase(const char* text, const char* ending);
