#pragma once

// The rules that open the runners' banners in the output pane.
constexpr const char* kLaunchRule = "=========================== ";
constexpr const char* kCreateRule = "==================== ";
