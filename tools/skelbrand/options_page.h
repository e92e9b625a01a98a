#pragma once

#include "exec_page.h"
#include "sheet_page.h"

// "Options": the switches, user command, applet size, and the arguments and
// parameters of every run, with named sets of both.
class ZSheetPgOptn : public ZSheetPage, public RunOptionsSource {
public:
    explicit ZSheetPgOptn(ZSheet& owner);

    void GetRunOptions(RunOptions& options) override;
    void LoadSettings(ZSettings& settings) override;
    void SaveSettings(ZSettings& settings) override;
    void Layout() override;

protected:
    BOOL OnInitDialog() override;
    RouteTable Routes() const override;
    void Exchange(DataExchange& dx) override;

private:
    struct NamedSet {
        int combo;
        int edit;
        int save;
        int unused;  // the "Do no use" box
        int group;
        int label;  // "Name"
        int args;
    };
    static const NamedSet kArgs;
    static const NamedSet kParams;

    // The set a control of either block belongs to.
    static const NamedSet& SetOf(WPARAM wParam);
    INT_PTR OnUnused(WPARAM wParam, LPARAM);
    INT_PTR OnSave(WPARAM wParam, LPARAM);
    INT_PTR OnRecall(WPARAM wParam, LPARAM);
    INT_PTR OnClasspathNote(WPARAM, LPARAM);
    void ApplyUnused(const NamedSet& set);
    void SaveNamed(const NamedSet& set);
    void RecallNamed(const NamedSet& set);
    // The set's group box over the block, its controls inside it.
    void PlaceNamedSet(const NamedSet& set, const RECT& block);

    int client = 0;
    int server = 0;
    int verbose = 0;
    int noArgs = 1;
    int noParams = 1;
    int width = 500;
    int height = 400;
};
