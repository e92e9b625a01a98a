#pragma once

// Root of the suite's own non-window classes: it carries the virtual
// destructor so owners can delete through the base.
class XObject {
public:
    XObject() = default;
    XObject(const XObject&) = default;
    XObject& operator=(const XObject&) = default;
    virtual ~XObject() = default;
};
