#pragma once

#include "xstring.h"

// The order in which the suite looks for a Java home, apart from the registry
// and the file system so that it can be followed without either.

// The keys under HKEY_LOCAL_MACHINE. Kits up to Java 8 write the first two;
// later ones write "JDK" (and "JRE" where a runtime is installed), with the
// same "CurrentVersion" and "<version>\JavaHome" values.
extern const char kJdkRegistryKey[];       // "SOFTWARE\JavaSoft\Java Development Kit"
extern const char kJreRegistryKey[];       // "SOFTWARE\JavaSoft\Java Runtime Environment"
extern const char kJdkTodayRegistryKey[];  // "SOFTWARE\JavaSoft\JDK"
extern const char kJreTodayRegistryKey[];  // "SOFTWARE\JavaSoft\JRE"

// The registry view a key is read in: the program's own, then the 64-bit
// one, where today's kits (64-bit programs) write and which a 32-bit program
// does not see by default.
enum JavaRegistryView { kOwnRegistryView, k64BitRegistryView };

// The kits a caller asks for, in its order.
enum JavaKitOrder { kJdkOnly, kJreOnly, kJdkThenJre, kJreThenJdk };

// What the lookup reads.
class JavaInstallation {
public:
    virtual ~JavaInstallation() = default;
    // 1 and the text of a value under HKEY_LOCAL_MACHINE, at most maxBytes
    // long; 0 with out untouched when the key or value is missing.
    virtual int ReadText(JavaRegistryView view, const char* key, const char* value, int maxBytes, XString& out) = 0;
    // 1 when the path names a file (not a folder).
    virtual int FileExists(const char* path) = 0;
};

// The home one base key names in one view: its "CurrentVersion", then
// "JavaHome" under base key + "\" + version. 1 and home; 0 with home
// untouched on any failure, also for a version too long for the key path.
int ReadJavaHome(JavaInstallation& installation, JavaRegistryView view, const char* baseKey, XString& home);

// The home of one base key: its own view, then the 64-bit view.
int ReadJavaHomeOfKey(JavaInstallation& installation, const char* baseKey, XString& home);

// The first home, in the caller's order of kits, whose folder holds every
// tool asked for (home + suffix, such as "\bin\javac.exe"): of each kit the
// old key first, then today's, each in its views in order. A home that lacks
// a tool counts as missing, so the next one is tried. 1 and home; 0 with
// home untouched when none serves.
int FindJavaHomeIn(JavaInstallation& installation, JavaKitOrder order, const char* const* toolSuffixes,
                   int toolCount, XString& home);
