#pragma once

#include <windows.h>
#include <commctrl.h>

#include "find_counts.h"
#include "sheet_page.h"

// What the Find page's menu reaches on the run pages.
class ClassStarter {
public:
    virtual void StartClass(const char* classFile, int isApplication, int debug) = 0;
    virtual void StopClass(int debug) = 0;
    virtual int ClassBusy(int debug) = 0;

protected:
    ~ClassStarter() = default;
};

// "Find": the class files of the selection, sorted by kind into a tree that
// mirrors their folders, with counts and a menu to run, debug or inspect a
// class.
class ZSheetPgFind : public ZSheetPage {
public:
    ZSheetPgFind(ZSheet& owner, ClassStarter& starter);
    ~ZSheetPgFind() override;

    void FillTree(int topmostOnly);
    void Reset() override;
    void LoadSettings(ZSettings& settings) override;
    void SaveSettings(ZSettings& settings) override;
    void Layout() override;

    XString ItemPath(HTREEITEM item) const;
    XString CountsText() const { return FindCountsText(counts, shown); }

    // The menu's commands.
    enum Command { kViewInfo = 32771, kExecute = 32772, kDebug = 32773, kStopDebug = 32776, kStopExecute = 32777 };
    void RunCommand(int command);

protected:
    BOOL OnInitDialog() override;
    RouteTable Routes() const override;
    void Exchange(DataExchange& dx) override;

private:
    INT_PTR OnCounts(WPARAM, LPARAM);
    INT_PTR OnLegend(WPARAM, LPARAM);
    INT_PTR OnRightClick(WPARAM, LPARAM);
    INT_PTR OnMenuCommand(WPARAM wParam, LPARAM);
    void FindClasses(const char* folder, int topmostOnly);
    void AddClass(const char* path);
    HTREEITEM InsertItem(HTREEITEM parent, const char* text, int image);
    HTREEITEM FolderChild(HTREEITEM parent, const XString& text);
    int ItemKind(HTREEITEM item) const;
    void StartFromTree(int debug);
    void StartClassInfo();

    ClassStarter& starter;
    int flags[6] = {};  // the six boxes, in the order of the settings bits
    FindDisplay shown;
    FindCounts counts;
    HTREEITEM root = nullptr;
    HIMAGELIST images = nullptr;
};
