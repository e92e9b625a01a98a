#pragma once

// True when the JDK's home is in the registry and its java.exe, javaw.exe and
// jar.exe are there.
bool CheckJdkInstalled();

extern const char kJdkMissingMessage[];
extern const char kSettingsMissingMessage[];
// Where a write of the settings file was refused.
extern const char kSettingsNotWritableMessage[];
