#pragma once

#include "compile_job.h"
#include "page_compile.h"
#include "page_find.h"
#include "page_options.h"
#include "sheet.h"

// Farrowick's sheet: Main, Find, Compile, Options. It refuses to close while
// it compiles and saves the page settings when its window goes.
class FarrowickSheet final : public ZSheet {
public:
    explicit FarrowickSheet(const char* payload);
    ~FarrowickSheet() override;

    int CanClose() override;
    void OnMainWork(int first) override;
    ZSheetPgComp& CompilePage() { return compilePage; }
    ZCompileJob& Job() { return job; }
    ZSheetPgOptn& OptionsPage() { return optionsPage; }
    ZSheetPgFind& FindPage() { return findPage; }

protected:
    void ResetPages() override;
    int ResetBeforeParse() const override { return 1; }
    void EndRuns() override { compilePage.EndRun(); }
    const char* Caption() const override { return "Quenlow: compile ..."; }
    const char* HelpPage() const override { return "\\quenlow.chm::\\html\\feature\\explorer\\06compile.htm"; }

private:
    int RefuseWhileCompiling();

    ZCompileJob job;
    ZSheetPgFind findPage;
    ZSheetPgComp compilePage;
    ZSheetPgOptn optionsPage;
};
