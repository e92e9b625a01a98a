#pragma once

#include <windows.h>
#include <exdisp.h>

#include "ole_control_host.h"

// Lets a hosted web-browser control (CLSID_WebBrowser) load an address; the
// page arrives later, while messages are dispatched. False when the host holds
// no browser or the browser refuses the address.
bool NavigateWebBrowser(const OleControlHost& host, const char* url);
