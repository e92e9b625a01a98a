// Entry for clang's coverage-guided fuzzer (see run-libfuzzer.sh).
#include <cstddef>
#include <cstdint>

#include "exercise.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ExerciseClassReader(data, size);
    return 0;
}
