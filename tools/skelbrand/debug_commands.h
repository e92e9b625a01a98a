#pragma once

#include "xstring.h"

// The jdb commands the four debug dialogs compose, and the texts with which
// they refuse an incomplete one. No Win32: built and tested natively too.
//
// Each dialog has two Send buttons: one for the class the Find page
// selected, one for a class the user types. A typed class and its member are
// trimmed of blanks at both ends; the selected class is taken as it is.

extern const char kNoClassText[];   // "Please input a class name with package as 'Name'"
extern const char kNoMemberText[];  // "Please input a method of the class as 'Method'"
extern const char kNoLineText[];    // "Please input a line number"

enum class WatchMode { Watch, Unwatch };
enum class WatchAccess { Default, All, Access };
enum class ClassQuery { Class, Fields, Methods };

// Each returns null with the command in `command`, or the refusal text with
// `command` empty.
const char* ComposeStopIn(const char* className, const char* method, int typedClass, XString& command);
const char* ComposeStopAt(const char* className, const char* line, int typedClass, XString& command);
const char* ComposeWatch(WatchMode mode, WatchAccess access, const char* className, const char* field, int typedClass,
                         XString& command);
const char* ComposeClassQuery(ClassQuery query, const char* className, int typedClass, XString& command);

// What the page writes into its output pane before a command goes to jdb.
extern const char kDebugStartRule[];  // 38 '=' and " Start debugging ..."
XString DebugCommandEcho(const char* command);
