#pragma once

// Windows Sockets 1.1 started before the main dialog opens; no socket is
// opened. False when the sockets library refuses.
bool StartWindowsSockets();
