#pragma once

#include <cstddef>
#include <cstdlib>

#include "xobject.h"
#include "xstring.h"

// Arrays in one zero-filled block that grows and shrinks in steps of 10 slots.
// A new count that reaches the capacity grows the block at once, so there is
// always at least one spare slot. An array starts (and is emptied back) to a
// capacity of 10 whose block is taken at its first slot: the many records
// whose lists stay empty cost no allocation.
class GArray : public XObject {
public:
    static constexpr int kGrowBy = 10;

    explicit GArray(int size) : capacity(kGrowBy), elementSize(size) {}
    GArray(const GArray&) = delete;
    GArray& operator=(const GArray&) = delete;
    ~GArray() override { std::free(storage); }

    int Count() const { return count; }
    int Capacity() const { return capacity; }

protected:
    void Grow();                   // one more zero slot at the end
    void AddBytes(const void* element);
    void RemoveAllSlots();         // back to kGrowBy slots, none taken yet
    void* Slot(int index) const { return storage + static_cast<size_t>(index) * elementSize; }
    void ResizeBlock(int newCapacity);

    int count = 0;
    int capacity = 0;
    int elementSize;
    unsigned char* storage = nullptr;
};

class WordArray : public GArray {
public:
    WordArray() : GArray(sizeof(unsigned short)) {}
    void Add(unsigned short value) { AddBytes(&value); }
    unsigned short GetAt(int index) const;
    void RemoveAll() { RemoveAllSlots(); }
};

class PtrArray : public GArray {
public:
    PtrArray() : GArray(sizeof(void*)) {}
    void Add(void* element) { AddBytes(&element); }
    void Grow() { GArray::Grow(); }
    int InsertAt(int index, void* element);
    int RemoveAt(int index);
    void Reset() { RemoveAllSlots(); }
    // Null when out of range. Inline: the class reader looks up constants
    // through it many times per member.
    void* GetAt(int index) const
    {
        return index < 0 || index >= count ? nullptr : *static_cast<void**>(Slot(index));
    }
};

// Texts held by value; each element gets capacity length + 100 like Assign.
class StringList : public GArray {
public:
    StringList() : GArray(sizeof(XString)) {}
    ~StringList() override;
    void Add(const XString& s);
    void Add(const char* text, int length = -1);
    void Grow();                     // one more empty text
    XString GetAt(int index) const;  // empty text when out of range
    const XString* At(int index) const;
    XString* At(int index) { return const_cast<XString*>(static_cast<const StringList*>(this)->At(index)); }
    void RemoveAll();

private:
    void DestroyElements();
};

// Owns the strings it points to; can keep them in ascending byte order.
class StringPtrList : public PtrArray {
public:
    ~StringPtrList() override;
    // Index of an element equal to text (found set to 1), or the index that
    // keeps the list sorted (found untouched); hi < lo gives lo.
    int Find(int lo, int hi, const char* text, int* found) const;
    // The element equal to text, added in its place when there was none.
    XString* InsertSorted(const char* text);
    XString* StringAt(int index) const { return static_cast<XString*>(GetAt(index)); }
    int RemoveAt(int index);
    void Reset();
};
