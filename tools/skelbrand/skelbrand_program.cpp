// Skelbrand.exe: the execute-and-debug tool.
#include "skelbrand_sheet.h"
#include "tool_app.h"

namespace {

class SkelbrandApp final : public ZApp {
public:
    SkelbrandApp() : ZApp(ToolKind::ExecuteDebug) {}

protected:
    std::unique_ptr<ZSheet> CreateSheet(const char* payload) override
    {
        return std::make_unique<SkelbrandSheet>(payload);
    }
};

SkelbrandApp app;

}  // namespace
