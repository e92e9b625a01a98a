#pragma once

#include <windows.h>

// What every COM object of ours does alike: count its references and answer
// QueryInterface from a table of the interfaces it has.

// A reference count that starts at 1 for the creator. Release deletes the
// object with the last reference; an object whose destructor is private names
// RefCount its friend.
class RefCount {
public:
    ULONG Add() { return static_cast<ULONG>(InterlockedIncrement(&count)); }
    template <class T>
    ULONG Release(T* object)
    {
        const LONG left = InterlockedDecrement(&count);
        if (left == 0)
            delete object;
        return static_cast<ULONG>(left);
    }

private:
    LONG count = 1;
};

// One row of an object's interface list: the interface id and how to reach
// that interface from the object.
struct InterfaceEntry {
    const IID* iid;
    IUnknown* (*reach)(void* object);
};

// QueryInterface over a list whose first row also answers IUnknown.
HRESULT QueryInterfaceFromList(void* object, const InterfaceEntry* list, int count, REFIID iid, void** out);

template <int N>
HRESULT QueryInterfaceFromList(void* object, const InterfaceEntry (&list)[N], REFIID iid, void** out)
{
    return QueryInterfaceFromList(object, list, N, iid, out);
}

// Reaches interface I of object T (a row's reach function).
template <class T, class I>
IUnknown* ReachInterface(void* object)
{
    return static_cast<I*>(static_cast<T*>(object));
}
