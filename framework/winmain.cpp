#include "app.h"

// The one entry point of every GUI program: the program defines one static
// App-derived object, and this hands it the command line after the program name.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    App* app = App::Current();
    return app ? app->Main(commandLine) : 1;
}
