#pragma once

#include <string>

// A rich edit's text as a user reads it: its paragraph ends, which it hands
// back as "\r" or "\r\n", as "\n".
std::string WithLineFeeds(const char* text, size_t length);
