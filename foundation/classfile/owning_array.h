#pragma once

#include "garray.h"

// A pointer array that owns its records: emptying or destroying it deletes
// what it points to.
template <class Record>
class OwningArray : public PtrArray {
public:
    OwningArray() = default;
    ~OwningArray() override { DeleteRecords(); }

    Record* At(int index) const { return static_cast<Record*>(GetAt(index)); }
    void Add(Record* record) { PtrArray::Add(record); }
    void RemoveAll()
    {
        DeleteRecords();
        Reset();
    }

private:
    void DeleteRecords()
    {
        for (int i = 0; i < count; ++i)
            delete At(i);
    }
};
