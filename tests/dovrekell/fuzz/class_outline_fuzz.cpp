// Seeded mutator over parse -> outline: damaged class files must either be
// refused or give an outline that is closed off, with every line ended.
// Built with the native sanitizers, so any read outside the data, leak or
// undefined behaviour ends the run with a report.
//
//   class_outline_fuzz <seconds> <seed> <class file>...
#include <cstring>
#include <memory>

#include "class_outline.h"
#include "fuzz/fuzz_run.h"

namespace {

int ExerciseOutline(const unsigned char* data, size_t size)
{
    // An exact-size heap block: one byte past the data is outside it.
    std::unique_ptr<unsigned char[]> exact(new unsigned char[size]);
    if (size)
        std::memcpy(exact.get(), data, size);
    ClassOutline outline;
    if (!outline.Parse(exact.get(), size))
        return 0;
    const bool full = size % 2 == 0;
    const XString text = outline.Write(full ? nullptr : "lib.jar", full, full, full ? nullptr : "header");
    const int length = text.Length();
    if (length < 2 || std::strcmp(text.Data() + length - 2, "}\n") != 0)
        FuzzFail("outline does not end with the closing brace");
    if (static_cast<int>(std::strlen(text.Data())) != length)
        FuzzFail("outline holds a zero byte");
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    FuzzTarget target;
    target.name = "class_outline_fuzz";
    for (unsigned char tag = 0; tag < 24; ++tag)
        target.markBytes.push_back(tag);  // constant-pool tags
    target.dictionary = {"<init>", "<clinit>", "InnerClasses", "Exceptions", "SourceFile", "$", "$1", "Ljava/lang/String;", "(I[J)V"};
    target.exercise = ExerciseOutline;
    return RunFuzz(argc, argv, target);
}
