// Mutation run over icon files: the confirm-icon description and the
// conversion into the launcher stub's images. Properties: both stay inside
// the file's bytes (the sanitizers watch); a chosen image lies inside the
// file; every converted image has exactly the length of the stub's image of its size and depth, so
// putting it into the stub leaves the stub's length as it was.
#include <string>

#include "fuzz/fuzz_run.h"
#include "icon_check.h"
#include "icon_convert.h"

namespace {

size_t ImageLength(int size, bool rich)
{
    const size_t bits = rich ? 8 : 4;
    const size_t colours = rich ? 256 : 16;
    const size_t colourStride = (static_cast<size_t>(size) * bits / 8 + 3) & ~static_cast<size_t>(3);
    return 40 + colours * 4 + colourStride * static_cast<size_t>(size) + MaskStride(size) * static_cast<size_t>(size);
}

int Exercise(const unsigned char* data, size_t size)
{
    XString table;
    int standard = 0;
    const int described = DescribeIconFormat(data, size, table, &standard);
    IconFile icon;
    if (!icon.Parse(data, size))
        return described ? 1 : 0;
    int outcome = 2;
    for (bool rich : {false, true}) {
        for (int side : {16, 32, 48}) {
            for (bool same : {false, true}) {
                const IconImage* image = icon.FindImage(side, rich, same);
                if (!image)
                    continue;
                if (image->offset > size || image->length > size - image->offset)
                    FuzzFail("a chosen image lies outside the file");
                Bytes target;
                if (!ConvertImage(icon, *image, target, side, rich))
                    continue;
                outcome = 3;
                if (target.size() != ImageLength(side, rich))
                    FuzzFail("a converted image of the wrong length", std::to_string(side));
            }
        }
    }
    // The stub's own images, as the stub file's table gives them.
    Bytes i16, i32, i48;
    if (SplitIconTable(data, size, i16, i32, i48)) {
        Bytes stub(16, 'S');
        for (const Bytes* image : {&i16, &i32, &i48})
            stub.insert(stub.end(), image->begin(), image->end());
        const size_t length = stub.size();
        const Bytes table(data, data + size);
        PutIconIntoStub(icon, false, true, stub, table);
        PutIconIntoStub(icon, true, false, stub, table);
        if (stub.size() != length)
            FuzzFail("putting an icon into the stub changed its length");
        outcome += 4;
    }
    return outcome;
}

}  // namespace

int main(int argc, char** argv)
{
    FuzzTarget target;
    target.name = "icon_fuzz";
    target.markBytes = {0, 1, 4, 8, 16, 24, 32, 40, 48, 0xFF};
    target.exercise = Exercise;
    return RunFuzz(argc, argv, target);
}
