#include "help.h"

#include <htmlhelp.h>

#include "help_topics.h"
#include "paths/file_system.h"
#include "seams.h"
#include "xstring.h"

namespace {

constexpr char kHelpFile[] = "\\quenlow.chm";

}  // namespace

void ShowHelpTopic(HWND parent, const char* topic)
{
    XString path = UnderProgramDir(kHelpFile);
    path.Append("::\\html\\");
    path.Append(topic);
    seams::OpenHelp(parent, path.Data(), HH_DISPLAY_TOPIC, 0);
}

void ShowHelpFile(HWND parent)
{
    seams::OpenHelp(parent, UnderProgramDir(kHelpFile).Data(), HH_DISPLAY_TOPIC, 0);
}

int AskShowHelp(HWND parent, const char* text)
{
    XString message(text);
    message.Append("\ndo you want to see help file?\n");
    if (seams::ShowMessage(parent, message.Data(), "Message", MB_ICONERROR | MB_YESNO) == IDYES)
        ShowHelpTopic(parent, kHelpFileOptions);
    return 0;
}
