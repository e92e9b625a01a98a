#include "help.h"

#include <htmlhelp.h>

#include "help_topics.h"
#include "paths/file_system.h"
#include "seams.h"
#include "xstring.h"

namespace {

constexpr char kHelpFile[] = "\\quenlow.chm";

// The help viewer opens nothing, and says nothing, for a file that is not
// there (the help file is installed apart from the program): say it here.
void OpenHelp(HWND parent, const XString& file, const char* location)
{
    if (seams::OpenHelp(parent, location, HH_DISPLAY_TOPIC, 0))
        return;
    XString text("Can not open the help file\n");
    text.AppendString(file);
    text.Append("\n");
    seams::ShowMessage(parent, text.Data(), "Message", MB_OK | MB_ICONINFORMATION);
}

}  // namespace

void ShowHelpTopic(HWND parent, const char* topic)
{
    const XString file = UnderProgramDir(kHelpFile);
    XString location(file);
    location.Append("::\\html\\");
    location.Append(topic);
    OpenHelp(parent, file, location.Data());
}

void ShowHelpFile(HWND parent)
{
    const XString file = UnderProgramDir(kHelpFile);
    OpenHelp(parent, file, file.Data());
}

int AskShowHelp(HWND parent, const char* text)
{
    XString message(text);
    message.Append("\ndo you want to see help file?\n");
    if (seams::ShowMessage(parent, message.Data(), "Message", MB_ICONERROR | MB_YESNO) == IDYES)
        ShowHelpTopic(parent, kHelpFileOptions);
    return 0;
}
