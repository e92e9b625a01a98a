// Quenlow.exe: the one application object; the framework's WinMain runs it.
#include "main_app.h"

namespace {
MainApp theApp;
}
