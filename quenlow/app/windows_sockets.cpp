#include <winsock2.h>

#include "windows_sockets.h"

bool StartWindowsSockets()
{
    WSADATA data;
    return WSAStartup(MAKEWORD(1, 1), &data) == 0;
}
