#include "garray.h"

#include <cstdlib>
#include <cstring>
#include <new>

void GArray::ResizeBlock(int newCapacity)
{
    const size_t bytes = static_cast<size_t>(newCapacity) * elementSize;
    const int zeroFrom = storage ? capacity : 0;
    unsigned char* fresh = static_cast<unsigned char*>(std::realloc(storage, bytes));
    if (!fresh)
        std::abort();  // like the strings, the arrays assume memory is there
    if (newCapacity > zeroFrom)
        std::memset(fresh + static_cast<size_t>(zeroFrom) * elementSize, 0,
                    static_cast<size_t>(newCapacity - zeroFrom) * elementSize);
    storage = fresh;
    capacity = newCapacity;
}

void GArray::Grow()
{
    ++count;
    if (!storage)
        ResizeBlock(count >= capacity ? capacity + kGrowBy : capacity);
    else if (count >= capacity)
        ResizeBlock(capacity + kGrowBy);
}

void GArray::AddBytes(const void* element)
{
    Grow();
    std::memcpy(Slot(count - 1), element, static_cast<size_t>(elementSize));
}

void GArray::RemoveAllSlots()
{
    std::free(storage);
    storage = nullptr;
    capacity = kGrowBy;
    count = 0;
}

unsigned short WordArray::GetAt(int index) const
{
    if (index < 0 || index >= count)
        return 0;
    return *static_cast<unsigned short*>(Slot(index));
}

int PtrArray::InsertAt(int index, void* element)
{
    if (index < 0 || index > count)
        return 0;
    GArray::Grow();
    void** slots = static_cast<void**>(Slot(0));
    std::memmove(slots + index + 1, slots + index, sizeof(void*) * (count - 1 - index));
    slots[index] = element;
    return 1;
}

int PtrArray::RemoveAt(int index)
{
    if (index < 0 || index >= count)
        return 0;
    void** slots = static_cast<void**>(Slot(0));
    std::memmove(slots + index, slots + index + 1, sizeof(void*) * (count - 1 - index));
    --count;
    slots[count] = nullptr;
    if (count + kGrowBy < capacity)
        ResizeBlock(capacity - kGrowBy);
    return 1;
}

// StringList keeps XString objects in the block. XString holds no pointer to
// itself, so moving the block with realloc moves the strings safely.
StringList::~StringList()
{
    DestroyElements();
}

void StringList::DestroyElements()
{
    for (int i = 0; i < count; ++i)
        static_cast<XString*>(Slot(i))->~XString();
}

void StringList::Add(const XString& s)
{
    Add(s.Data(), s.Length());
}

void StringList::Add(const char* text, int length)
{
    GArray::Grow();
    new (Slot(count - 1)) XString(text, length);  // capacity length + 100, as Assign into an empty slot
}

void StringList::Grow()
{
    GArray::Grow();
    new (Slot(count - 1)) XString();
}

const XString* StringList::At(int index) const
{
    if (index < 0 || index >= count)
        return nullptr;
    return static_cast<const XString*>(Slot(index));
}

XString StringList::GetAt(int index) const
{
    const XString* element = At(index);
    return element ? XString(*element) : XString();
}

void StringList::RemoveAll()
{
    DestroyElements();
    RemoveAllSlots();
}

StringPtrList::~StringPtrList()
{
    for (int i = 0; i < count; ++i)
        delete StringAt(i);
}

int StringPtrList::Find(int lo, int hi, const char* text, int* found) const
{
    if (hi < lo)
        return lo;
    for (;;) {
        int c = std::strcmp(StringAt(lo)->Data(), text);
        if (c == 0) {
            *found = 1;
            return lo;
        }
        if (c > 0)
            return lo;
        if (lo == hi)
            return lo + 1;
        c = std::strcmp(StringAt(hi)->Data(), text);
        if (c == 0) {
            *found = 1;
            return hi;
        }
        if (c < 0)
            return hi + 1;
        if (hi == lo + 1)
            return hi;
        const int mid = lo + (hi - lo) / 2;
        c = std::strcmp(StringAt(mid)->Data(), text);
        if (c == 0) {
            *found = 1;
            return mid;
        }
        // Both ends are known not to match: search strictly inside them.
        if (c < 0)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
}

XString* StringPtrList::InsertSorted(const char* text)
{
    // A plain lower bound, one comparison a step: the place Find gives for a
    // sorted list without repeats, found for the many names met again.
    int lo = 0, hi = count;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (std::strcmp(StringAt(mid)->Data(), text) < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    const int at = lo;
    if (at < count && std::strcmp(StringAt(at)->Data(), text) == 0)
        return StringAt(at);
    XString* s = new XString();
    s->Assign(text);
    InsertAt(at, s);
    return s;
}

int StringPtrList::RemoveAt(int index)
{
    XString* s = StringAt(index);
    if (!PtrArray::RemoveAt(index))
        return 0;
    delete s;
    return 1;
}

void StringPtrList::Reset()
{
    for (int i = 0; i < count; ++i)
        delete StringAt(i);
    PtrArray::Reset();
}
