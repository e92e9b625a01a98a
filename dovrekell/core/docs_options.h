#pragma once

#include <functional>
#include <vector>

#include "docs_scan.h"
#include "xstring.h"

// The documentation options' rules that need no window: the check of an
// extension list typed for a new group, and the search of the fixed drives
// for documentation folders.

// The message refusing the typed text (blanks already removed) as a new
// entry beside the entries the list holds; empty when it is accepted.
XString ExtensionInputRefusal(const char* text, const std::vector<XString>& entries);

// Walks each root depth-first for documentation folders, not looking inside
// one that is found; a link is walked like a folder unless it leads back up
// into a folder the walk is inside of. progress is called at the first
// folder and then every 100 folders; found after every folder found.
void FindDocsFolders(FolderWalk& walk, const std::vector<XString>& roots, std::vector<XString>& folders,
                     const std::function<void()>& progress, const std::function<void(int)>& found);
