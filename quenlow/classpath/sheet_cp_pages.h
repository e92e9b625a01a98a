#pragma once

#include <windows.h>

#include "bmp_button.h"
#include "garray.h"
#include "image_list.h"
#include "property_page.h"
#include "removable_list_box.h"
#include "settings/settings_file.h"

class SheetCp;

// Entries of the nine-flag class-path record, the same on every page.
enum CpFlag {
    kCpForExe = 0,
    kCpForDoubleClick = 1,
    kCpForClassInfo = 2,
    kCpForCompile = 3,
    kCpForExecute = 4,
    kCpLibraryJre = 5,
    kCpAutoJars = 6,
    kCpAutoZips = 7,
    kCpOneForAll = 8,
};

// Sets each check box of the record that the page shows (entries 0-4, 6-8).
void SetCheckBoxes(HWND page, const int* flags);
// Reads them back into the same entries; the others stay as they are.
void GetCheckBoxes(HWND page, int* flags);

// A page of the class-path sheet: loads from and saves to the open settings
// file the sheet hands it, and colours its controls with the sheet's brushes.
class CpPage : public PropertyPage {
public:
    CpPage(SheetCp& sheet, int templateId, int index, const char* helpTopic)
        : PropertyPage(templateId), sheet(sheet), index(index), helpTopic(helpTopic) {}

    virtual void Load(SettingsFile& settings) = 0;
    // 0 when the file took not all of it.
    virtual int Save(SettingsFile& settings) = 0;
    const char* HelpTopic() const { return helpTopic; }
    void EnableForBoxes(bool enabled) const;

protected:
    bool OnSetActive() override;
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The record as the boxes show it, the entries they do not hold 0.
    void ReadRecord(int* flags) const;

    SheetCp& sheet;

private:
    int index;
    const char* helpTopic;
};

class SheetCpPgSystem : public CpPage {
public:
    explicit SheetCpPgSystem(SheetCp& sheet);
    void Load(SettingsFile& settings) override;
    int Save(SettingsFile& settings) override;
    void BuildLibraryTree() const;

protected:
    BOOL OnInitDialog() override;
    RouteTable Routes() const override;
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    INT_PTR OnLibraryChoice(WPARAM, LPARAM);
    void OnTreeRightClick() const;

    RemovableListBox jarList;
    ImageList images;
    StringList loaded;  // the list as the file holds it, to skip writes that change nothing
};

class SheetCpPgUser : public CpPage {
public:
    explicit SheetCpPgUser(SheetCp& sheet);
    void Load(SettingsFile& settings) override;
    int Save(SettingsFile& settings) override;

protected:
    RouteTable Routes() const override;
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    INT_PTR OnAddArchive(WPARAM, LPARAM);
    INT_PTR OnAddFolder(WPARAM, LPARAM);
    INT_PTR OnRemoveArchives(WPARAM, LPARAM);
    INT_PTR OnRemoveFolders(WPARAM, LPARAM);
    bool AddEntry(int listId, const XString& entry) const;
};

class SheetCpPgSiblings : public CpPage {
public:
    explicit SheetCpPgSiblings(SheetCp& sheet);
    void Load(SettingsFile& settings) override;
    int Save(SettingsFile& settings) override;

protected:
    BOOL OnInitDialog() override;
    RouteTable Routes() const override;

private:
    INT_PTR OnAdd(WPARAM, LPARAM);
    INT_PTR OnRemove(WPARAM, LPARAM);

    BmpButton addButton;
    BmpButton removeButton;
};

class SheetCpPgOneForAll : public CpPage {
public:
    explicit SheetCpPgOneForAll(SheetCp& sheet);
    void Load(SettingsFile& settings) override;
    int Save(SettingsFile& settings) override;
    // The other pages' For boxes follow the override, this page's the reverse.
    void ApplyOverride() const;

protected:
    RouteTable Routes() const override;

private:
    INT_PTR OnOverrideClicked(WPARAM, LPARAM);
};

// The user names a list entry: refused with a message (caption "Message")
// when it holds a reserved byte. True when it may be added.
bool AcceptEntry(HWND owner, const XString& entry);
// Adds the text to a list box unless it holds it already (letter case aside).
bool AddUnlessPresent(HWND list, const char* text);
// The list box's entries in list order, in place of what entries held.
void ListBoxEntries(HWND list, StringList& entries);
