#pragma once

// Where the title search looks for its text in a title.
enum TitlePosition { kAnyPlace = 0, kBeginning = 1, kEnd = 2, kMiddle = 3 };

// 1 when title holds text at the position; a title shorter than the text
// never matches. Both are compared as given (the caller lower-cases them).
int TitleMatches(const char* title, const char* text, int position);
