#pragma once

#include <cstddef>

// Runs one input through the parse, the class information and the checks, as
// the suite's callers would; returns the parse code.
int ExerciseClassReader(const unsigned char* data, size_t size);
