#pragma once

#include "xobject.h"

// A byte block of an exact size; resizing does not keep the old bytes.
class XBuffer : public XObject {
public:
    XBuffer() = default;
    XBuffer(const XBuffer&) = delete;
    XBuffer& operator=(const XBuffer&) = delete;
    ~XBuffer() override;

    int Resize(int n);
    void Free();

    unsigned char* Data() const { return data; }
    char* Text() const { return reinterpret_cast<char*>(data); }
    int Size() const { return size; }

private:
    unsigned char* data = nullptr;
    int size = 0;
};
