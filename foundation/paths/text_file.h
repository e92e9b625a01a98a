#pragma once

// 1 when the file holds no NUL byte; a file that cannot be opened, or an
// empty one, counts as text; 0 when reading fails.
int IsTextFile(const char* path);
