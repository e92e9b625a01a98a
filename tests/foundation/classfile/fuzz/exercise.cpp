#include "exercise.h"

#include <cstring>
#include <memory>

#include "classfile/class_check.h"

// One input through everything a caller may do with a class file.
int ExerciseClassReader(const unsigned char* data, size_t size)
{
    // An exact-size heap block: one byte past the data is outside it.
    std::unique_ptr<unsigned char[]> exact(new unsigned char[size]);
    if (size)
        std::memcpy(exact.get(), data, size);
    ClassFile file;
    int code = 0;
    if (!file.Parse(exact.get(), size, &code)) {
        // Lookups must stay safe on a half-read file too.
        for (int i = -1; i < file.constant_pool_count + 2; ++i)
            file.GetClassName(i);
        return code;
    }
    ClassInfo info;
    info.Fill(file);
    HasMainMethod(info);
    int application = 0, applet = 0;
    ClassifyClass(exact.get(), size, info, &application, &applet);
    XString root, fullName, message;
    LocateClass("C:\\work\\demo\\Hello.class", info, application, applet, root, fullName, message);
    return 0;
}

