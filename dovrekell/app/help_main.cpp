#include "help_app.h"

// The one application object; the framework's WinMain runs it.
static HelpApp theApp;
