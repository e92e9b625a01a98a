#pragma once

#include <vector>

#include "xstring.h"

// Texts of extension lists as the user types them in the options ("txt;XML").

// Splits at ';': blanks before an item are skipped, trailing blanks removed,
// empty or blank items dropped.
void SplitExtensionList(const char* text, std::vector<XString>& items);
// Non-empty; only A-Z, a-z, 0-9, '_' and ';'; no empty item before a ';'
// (a trailing ';' is allowed).
int IsExtensionList(const char* text);
// Non-empty; only A-Z, a-z, 0-9 and '_'.
int IsPlainWord(const char* text);
