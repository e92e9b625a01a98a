#include "classpath_entries.h"

#include <cstring>

#include "reserved_bytes.h"

bool IsValidSiblingEntry(const char* text)
{
    if (text[0] == '\\' || std::strstr(text, "\\\\"))
        return false;
    return std::strpbrk(text, "/:*\"") == nullptr;
}

int CheckEntryBytes(const XString& entry, XString& message)
{
    const unsigned char byte = reserved_bytes::FindRefusedByte(entry, reserved_bytes::kAllMarks);
    if (!byte)
        return 1;
    message = reserved_bytes::RefusedByteMessage("class path", entry, byte);
    return 0;
}

bool ListDiffers(const StringList& now, const StringList& loaded)
{
    if (now.Count() != loaded.Count())
        return true;
    for (int i = 0; i < now.Count(); ++i) {
        bool found = false;
        for (int j = 0; j < loaded.Count() && !found; ++j)
            found = std::strcmp(now.At(i)->Data(), loaded.At(j)->Data()) == 0;
        if (!found)
            return true;
    }
    return false;
}
