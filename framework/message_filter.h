#pragma once

#include <windows.h>

// A link of the message loop's filter chain: sees each message before it is
// translated and dispatched, and returns true when it has handled it (a
// modeless dialog's IsDialogMessage, a frame's accelerators, a hosted
// control's TranslateAccelerator). App asks the newest filter first.
class MessageFilter {
public:
    virtual bool PreTranslate(MSG& msg) = 0;

protected:
    ~MessageFilter() = default;
};
