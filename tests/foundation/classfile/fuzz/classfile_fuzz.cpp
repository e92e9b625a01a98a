// Seeded random mutator over the class-file reader: damages real class files
// in many small ways and runs every result through the parse, the class
// information and the checks. Built with the native sanitizers, so any read
// outside the data, leak or undefined behaviour ends the run with a report.
//
//   classfile_fuzz <seconds> <seed> <class file>...
#include "exercise.h"
#include "fuzz/fuzz_run.h"

int main(int argc, char** argv)
{
    FuzzTarget target;
    target.name = "classfile_fuzz";
    for (unsigned char tag = 0; tag < 24; ++tag)
        target.markBytes.push_back(tag);  // constant-pool tags
    target.exercise = ExerciseClassReader;
    return RunFuzz(argc, argv, target);
}
