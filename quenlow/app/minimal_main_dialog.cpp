// A plain window that stands where the main dialog goes: it publishes itself
// for the single-instance hand-over and closes with OK or Cancel.
#include "dialog.h"
#include "main_dialog_entry.h"
#include "minimal_main_dialog_ids.h"
#include "single_instance.h"

namespace {

class MinimalMainDialog : public Dialog {
public:
    MinimalMainDialog() : Dialog(IDD_MINIMAL_MAIN) {}

protected:
    BOOL OnInitDialog() override
    {
        single_instance::Publish("quenlow_mapfile", Handle());
        return TRUE;
    }
};

}  // namespace

int RunMainDialog(SettingsFile&)
{
    MinimalMainDialog dialog;
    return static_cast<int>(dialog.DoModal());
}
