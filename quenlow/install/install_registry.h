#pragma once

#include <windows.h>

#include "settings/settings_file.h"
#include "xstring.h"

// Registry entries of the installation and the .class association.
extern const char kRunKey[];             // HKCU "Software\Microsoft\Windows\CurrentVersion\Run"
extern const char kUninstallValue[];     // "QuenlowUninstall"
extern const char kInstallValue[];       // "QuenlowInstall"
extern const char kDocumentType[];       // "quenlow.document"

// Run values: REG_SZ with the terminating zero counted.
int WriteRunValue(const char* name, const char* text);
int ReadRunValue(const char* name, XString& text);
int DeleteRunValue(const char* name);

// Deletes a key with everything under it.
int DeleteKeyTree(HKEY root, const char* subKey);

// Loads "<bin>\Pivrellon.dll" and calls its (un)registration export; true only
// when the export ran and returned 0.
bool RegisterShellMenu(bool doRegister);

// The open command "\"<program>\" /double-click \"%1\"".
XString OpenCommandFor(const char* programPath);
// Said where SetClassAssociation left .class to the program it names.
extern const char kAssociationKeptMessage[];
// Writes the double-click options and makes .class name quenlow.document.
// 0, with nothing written, when .class names another program's type that
// can not be kept in the settings for RemoveClassAssociation to put back.
int SetClassAssociation(SettingsFile& settings, const char* programPath, int runApplications, int runApplets,
                        int showErrors, int monitorStreams, int appletWidth, int appletHeight);
// Takes back what SetClassAssociation wrote, when .class still names
// quenlow.document: the kept type, or no default value. Returns 1.
int RemoveClassAssociation(SettingsFile& settings);

// True when a QuenlowUninstall command line names this directory:
// blanks, the quoted finisher, "/uninstall", blanks, the directory (any case).
bool UninstallCommandNames(const char* command, const char* directory);
