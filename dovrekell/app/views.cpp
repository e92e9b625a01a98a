#include "views.h"

void ZViewOther::ShowFile(const char* shownPath, const char* shownExtension)
{
    path.Assign(shownPath);
    extension.Assign(shownExtension);
}
