#include "jdk_check.h"

#include "java_home.h"
#include "xstring.h"

const char kJdkMissingMessage[] =
    "You did not install Java development kit (JDK),\nor it may become corrupted,\nplease install or re-install "
    "JDK.\n\nDo you want to view your Java installation now?\n";
const char kSettingsMissingMessage[] =
    "Error:\ncan not read setting file,\nplease try again or restart your computer.\n";
const char kSettingsNotWritableMessage[] =
    "Error:\ncan not write setting file,\nit may be read-only or damaged: changes of settings are not kept.\n";

namespace {

const char* const kJdkTools[] = {"\\bin\\java.exe", "\\bin\\javaw.exe", "\\bin\\jar.exe"};
constexpr int kJdkToolCount = sizeof kJdkTools / sizeof kJdkTools[0];

}  // namespace

bool CheckJdkInstalled()
{
    XString home;
    return FindJavaHome(kJdkOnly, kJdkTools, kJdkToolCount, home) != 0;
}
