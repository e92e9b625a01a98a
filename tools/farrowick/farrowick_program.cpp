// Farrowick.exe: the compile tool.
#include "farrowick_sheet.h"
#include "tool_app.h"

namespace {

class FarrowickApp final : public ZApp {
public:
    FarrowickApp() : ZApp(ToolKind::Compile) {}

protected:
    std::unique_ptr<ZSheet> CreateSheet(const char* payload) override
    {
        return std::make_unique<FarrowickSheet>(payload);
    }
};

FarrowickApp app;

}  // namespace
