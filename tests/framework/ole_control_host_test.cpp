// The OLE control host with the real web-browser control of the Wine prefix:
// it comes up active in place in its rectangle, and every failure, every
// teardown (also in the middle of a page load) leaves the dialog as it was
// and no site behind.
#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "dialog.h"
#include "framework_test_ids.h"
#include "ole_control_host.h"
#include "ole_control_site.h"
#include "support/message_pump.h"
#include "web_browser.h"
#include "window_place.h"

namespace {

constexpr DWORD kWaitLimitMs = 60000;

BOOL CALLBACK AddChild(HWND child, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

std::vector<HWND> Children(HWND parent)
{
    std::vector<HWND> children;
    EnumChildWindows(parent, AddChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

void ExpectPlace(HWND window, const RECT& expected)
{
    const RECT place = PlaceInParent(window);
    EXPECT_EQ(place.left, expected.left);
    EXPECT_EQ(place.top, expected.top);
    EXPECT_EQ(place.right, expected.right);
    EXPECT_EQ(place.bottom, expected.bottom);
}

bool HasStyle(HWND window, LONG style)
{
    return (GetWindowLongA(window, GWL_STYLE) & style) == style;
}

std::wstring LocationOf(const OleControlHost& host)
{
    auto* browser = static_cast<IWebBrowser2*>(host.Query(IID_IWebBrowser2));
    if (!browser)
        return L"(no browser)";
    BSTR url = nullptr;
    browser->get_LocationURL(&url);
    std::wstring location = url ? url : L"";
    SysFreeString(url);
    browser->Release();
    return location;
}

const RECT kPlace = {10, 12, 210, 112};

class OleControlHostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        ASSERT_TRUE(dialog.Create());
        dialogChildren = Children(dialog.Handle());
    }
    void TearDown() override
    {
        host.Destroy();
        DestroyWindow(dialog.Handle());
        EXPECT_EQ(OleControlSite::Alive(), 0);
        OleUninitialize();
    }

    Dialog dialog{IDD_TEST};
    std::vector<HWND> dialogChildren;
    OleControlHost host;
};

TEST_F(OleControlHostTest, TheBrowserComesUpActiveInPlaceInItsRectangle)
{
    ASSERT_TRUE(host.Create(CLSID_WebBrowser, dialog.Handle(), kPlace));
    EXPECT_TRUE(host.IsPresent());
    IUnknown* browser = host.Query(IID_IWebBrowser2);
    ASSERT_NE(browser, nullptr);
    browser->Release();
    const HWND window = host.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GetParent(window), dialog.Handle());
    EXPECT_TRUE(HasStyle(window, WS_CHILD | WS_VISIBLE));
    ExpectPlace(window, kPlace);
    EXPECT_EQ(Children(dialog.Handle()).size(), dialogChildren.size() + 1);

    const RECT moved = {4, 30, 154, 90};
    host.Move(moved);
    ExpectPlace(window, moved);
    host.Show(false);
    EXPECT_FALSE(HasStyle(window, WS_VISIBLE));
    host.Show(true);
    EXPECT_TRUE(HasStyle(window, WS_VISIBLE));

    EXPECT_EQ(LocationOf(host), L"");
    EXPECT_TRUE(NavigateWebBrowser(host, "about:blank"));
    PumpFor(100);
    EXPECT_EQ(LocationOf(host), L"about:blank");

    host.Destroy();
    EXPECT_FALSE(host.IsPresent());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(host.Window(), nullptr);
    EXPECT_EQ(Children(dialog.Handle()), dialogChildren);
    EXPECT_EQ(OleControlSite::Alive(), 0);
}

TEST_F(OleControlHostTest, AFailedCreateLeavesTheHostEmptyAndTheDialogAsItWas)
{
    // A class that no one registered.
    const CLSID kNoSuchClass = {0x5d1b7c3e, 0x2a41, 0x4f0e, {0x9c, 0x61, 0x7e, 0x3b, 0x52, 0x08, 0xd4, 0x9a}};
    HWND gone = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, dialog.Handle(), nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    const struct {
        const char* what;
        const CLSID& control;
        HWND parent;
    } cases[] = {
        {"class not registered", kNoSuchClass, dialog.Handle()},
        {"class that is no control", CLSID_ShellLink, dialog.Handle()},
        {"activation refused: the parent is gone", CLSID_WebBrowser, gone},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(host.Create(c.control, c.parent, kPlace)) << c.what;
        EXPECT_FALSE(host.IsPresent()) << c.what;
        EXPECT_EQ(host.Window(), nullptr) << c.what;
        EXPECT_EQ(host.Query(IID_IUnknown), nullptr) << c.what;
        EXPECT_FALSE(NavigateWebBrowser(host, "about:blank")) << c.what;
        host.Show(true);
        host.Move(kPlace);
        EXPECT_EQ(Children(dialog.Handle()), dialogChildren) << c.what;
        EXPECT_EQ(OleControlSite::Alive(), 0) << c.what;
    }
    // Nothing of a failure stays behind in the host.
    EXPECT_TRUE(host.Create(CLSID_WebBrowser, dialog.Handle(), kPlace));
}

// An HTTP server on the loopback that takes one request and answers it only
// when told: a page load that stays in flight as long as a test wants.
class HeldHttpServer {
public:
    HeldHttpServer()
    {
        WSADATA data;
        started = WSAStartup(MAKEWORD(2, 2), &data) == 0;
        listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int size = sizeof address;
        u_long nonBlocking = 1;
        if (listener == INVALID_SOCKET || bind(listener, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            listen(listener, 1) != 0 || getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) != 0 ||
            ioctlsocket(listener, FIONBIO, &nonBlocking) != 0)
            return;
        url = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/page.html";
    }
    ~HeldHttpServer()
    {
        if (client != INVALID_SOCKET)
            closesocket(client);
        if (listener != INVALID_SOCKET)
            closesocket(listener);
        if (started)
            WSACleanup();
    }
    HeldHttpServer(const HeldHttpServer&) = delete;
    HeldHttpServer& operator=(const HeldHttpServer&) = delete;

    // Empty when the server could not listen.
    const std::string& Url() const { return url; }

    // Dispatches messages meanwhile: the browser's download runs on them.
    bool WaitForRequest()
    {
        for (DWORD waited = 0; waited < kWaitLimitMs && client == INVALID_SOCKET; waited += 20) {
            PumpFor(20);
            client = accept(listener, nullptr, nullptr);
        }
        return client != INVALID_SOCKET;
    }

    void AnswerLate()
    {
        const char reply[] = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n<html><body>late</body></html>";
        send(client, reply, sizeof reply - 1, 0);
        closesocket(client);
        client = INVALID_SOCKET;
    }

private:
    bool started = false;
    SOCKET listener = INVALID_SOCKET;
    SOCKET client = INVALID_SOCKET;
    std::string url;
};

TEST_F(OleControlHostTest, TeardownInTheMiddleOfAPageLoadLeavesNothingBehind)
{
    const struct {
        const char* what;
        bool parentFirst;
    } cases[] = {
        {"the host closes while its dialog lives", false},
        {"the dialog goes first, the host after it", true},
    };
    for (const auto& c : cases) {
        Dialog parent(IDD_TEST);
        ASSERT_TRUE(parent.Create()) << c.what;
        HeldHttpServer server;
        ASSERT_FALSE(server.Url().empty()) << c.what;
        ASSERT_TRUE(host.Create(CLSID_WebBrowser, parent.Handle(), kPlace)) << c.what;
        ASSERT_TRUE(NavigateWebBrowser(host, server.Url().c_str())) << c.what;
        ASSERT_TRUE(server.WaitForRequest()) << c.what;
        const HWND window = host.Window();
        if (c.parentFirst) {
            DestroyWindow(parent.Handle());
            EXPECT_EQ(host.Window(), nullptr) << c.what;
        }
        host.Destroy();
        EXPECT_FALSE(IsWindow(window)) << c.what;
        EXPECT_EQ(OleControlSite::Alive(), 0) << c.what;
        // The answer that arrives after the end finds nothing to call into.
        server.AnswerLate();
        PumpFor(500);
        EXPECT_EQ(OleControlSite::Alive(), 0) << c.what;
        if (!c.parentFirst) {
            EXPECT_TRUE(IsWindow(parent.Handle())) << c.what;
            EXPECT_EQ(Children(parent.Handle()).size(), dialogChildren.size()) << c.what;
        }
    }
}

}  // namespace
