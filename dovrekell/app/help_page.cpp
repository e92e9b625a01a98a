#include "frame.h"

#include "paths/file_system.h"
#include "seams.h"

namespace {

constexpr UINT kDisplayTopic = 0;  // HH_DISPLAY_TOPIC

}  // namespace

void OpenHelpPage(HWND window, const char* page)
{
    XString path = GetProgramDir();
    path.Append("\\Dovrekell.chm::\\html\\");
    path.Append(page);
    seams::OpenHelp(window, path.Data(), kDisplayTopic, 0);
}
