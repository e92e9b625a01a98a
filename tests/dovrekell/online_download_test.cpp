// The online thread against a small HTTP server of the test's own on
// 127.0.0.1: a whole list fills Online and replaces the status pages; a 404,
// no server, a dropped body and a close during a slow download leave the
// installed pages as they were.
#include <winsock2.h>
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "online_download.h"
#include "online_tree.h"
#include "support/loopback_http_server.h"
#include "support/message_pump.h"
#include "support/test_files.h"

namespace {

const char kFolder[] = "/software/dovrekell/online/onlinefile/";
// count items below seven folders, numbered backwards so that every
// folder is sorted.
std::string OnlineList(int count)
{
    std::string list;
    for (int i = count; i > 0; --i)
        list += std::to_string(i) + "-http://h/" + std::to_string(i) + "?F" + std::to_string(i % 7) + "/L" +
                std::to_string(i) + "\n";
    return list;
}

const char kList[] = "// items\r\n2-http://h/b?Guides/Second\r\n1-http://h/a?Guides/First\r\n3-http://h/t?Top\r\n";

class OnlineDownloadTest : public testing::Test {
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TREEVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        tree = CreateWindowExA(0, WC_TREEVIEWA, "", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(tree);
        root = TreeView(tree).Insert(nullptr, "Online", 2, 3);
        folder = WindowsPath(ScratchPath("module-" + std::to_string(++runs)));
        CreateDirectoryA(folder.c_str(), nullptr);
        CreateDirectoryA((folder + "\\html").c_str(), nullptr);
        ASSERT_TRUE(WriteFileBytes(Page("wait.html"), "installed wait"));
        ASSERT_TRUE(WriteFileBytes(Page("complete.html"), "installed complete"));
    }
    void TearDown() override
    {
        OnlineTree(tree).DeleteBelow(root);
        DestroyWindow(tree);
    }

    std::string Page(const char* name) { return folder + "\\html\\" + name; }

    // Runs the thread to its end, serving the tree's messages meanwhile.
    void RunToEnd(const std::string& host)
    {
        OnlineDownload download;
        const DWORD start = GetTickCount();
        EXPECT_TRUE(download.Start({host, folder, tree, root}));
        while (download.IsRunning() && GetTickCount() - start < kEndsWithinMs)
            PumpFor(10);
        EXPECT_FALSE(download.IsRunning()) << "the thread did not end on its own";
        EXPECT_TRUE(download.Stop(kEndsWithinMs));
    }

    // Every wait here proves that something ends, not how fast: the online
    // stop benchmark measures that.
    static constexpr DWORD kEndsWithinMs = 60000;

    std::string Shape(HTREEITEM item, const std::string& indent = "")
    {
        const TreeView view(tree);
        std::string out;
        for (HTREEITEM child = view.Child(item); child; child = view.Next(child)) {
            const OnlineItem* data = reinterpret_cast<const OnlineItem*>(view.Data(child));
            out += indent + view.Text(child).Data() + ":" + std::to_string(view.Image(child)) + " " +
                   data->location.Data() + "\n" + Shape(child, indent + "  ");
        }
        return out;
    }

    static int runs;
    HWND tree = nullptr;
    HTREEITEM root = nullptr;
    std::string folder;
};
int OnlineDownloadTest::runs = 0;

TEST_F(OnlineDownloadTest, WholeListFillsOnlineAndReplacesThePages)
{
    const std::string f = kFolder;
    LoopbackServer server({{f + "onlineitem.txt", {200, kList}},
                       {f + "wait.html", {200, "served wait"}},
                       {f + "complete.html", {200, "served complete"}}});
    RunToEnd(server.Host());
    EXPECT_EQ(Shape(root), "Top:6 http://h/t\nGuides:4 \n  First:6 http://h/a\n  Second:6 http://h/b\n");
    EXPECT_EQ(ReadFileBytes(Page("wait.html")), "served wait");
    EXPECT_EQ(ReadFileBytes(Page("complete.html")), "served complete");
    EXPECT_FALSE(FileExists(Page("contents.txt")));
}

TEST_F(OnlineDownloadTest, EqualNumbersKeepTheListsOrder)
{
    const std::string f = kFolder;
    const std::string list = "5-http://h/a?G/a\n5-http://h/b?G/b\n5-http://h/c?g/c\n1-http://h/d?G/d\n"
                             "5-http://h/e?e\n5-http://h/f?f\n5-http://h/s?S/x\n5-http://h/t?T/y\n4-http://h/u?u\n";
    LoopbackServer server({{f + "onlineitem.txt", {200, list}}});
    RunToEnd(server.Host());
    EXPECT_EQ(Shape(root),
              "u:6 http://h/u\ne:6 http://h/e\nf:6 http://h/f\n"
              "G:4 \n  d:6 http://h/d\n  a:6 http://h/a\n  b:6 http://h/b\n  c:6 http://h/c\n"
              "S:4 \n  x:6 http://h/s\nT:4 \n  y:6 http://h/t\n");
}

TEST_F(OnlineDownloadTest, FailuresLeaveOnlineEmptyAndThePagesInstalled)
{
    const std::string f = kFolder;
    {
        SCOPED_TRACE("404");
        LoopbackServer server({});
        RunToEnd(server.Host());
        EXPECT_EQ(server.requests, 3);  // an answer but 200 or 401 still asks for the pages
    }
    {
        SCOPED_TRACE("list dropped mid-body");
        LoopbackServer server({{f + "onlineitem.txt", {200, kList, 20, 0}}});
        RunToEnd(server.Host());
    }
    {
        SCOPED_TRACE("401");
        LoopbackServer server({{f + "onlineitem.txt", {401, kList}}});
        RunToEnd(server.Host());
    }
    EXPECT_EQ(Shape(root), "");
    EXPECT_EQ(ReadFileBytes(Page("wait.html")), "installed wait");
    EXPECT_EQ(ReadFileBytes(Page("complete.html")), "installed complete");
    EXPECT_FALSE(FileExists(Page("contents.txt")));
    EXPECT_FALSE(FileExists(Page("contents.txt.part")));
}

TEST_F(OnlineDownloadTest, ADroppedPageStaysAsInstalled)
{
    const std::string f = kFolder;
    LoopbackServer server({{f + "onlineitem.txt", {200, kList}},
                       {f + "wait.html", {200, std::string(5000, 'w'), 100, 0}},
                       {f + "complete.html", {200, "served complete"}}});
    RunToEnd(server.Host());
    EXPECT_EQ(ReadFileBytes(Page("wait.html")), "installed wait");
    EXPECT_FALSE(FileExists(Page("wait.html.part")));
    EXPECT_EQ(ReadFileBytes(Page("complete.html")), "served complete");
    EXPECT_NE(Shape(root), "");
}

TEST_F(OnlineDownloadTest, NoServerEndsOnItsOwn)
{
    // A port nobody listens on: the server of a finished test.
    std::string host;
    {
        LoopbackServer gone({});
        host = gone.Host();
    }
    RunToEnd(host);
    EXPECT_EQ(Shape(root), "");
    EXPECT_EQ(ReadFileBytes(Page("wait.html")), "installed wait");
}

TEST_F(OnlineDownloadTest, StopDuringASlowDownloadEndsCleanly)
{
    const std::string f = kFolder;
    LoopbackServer server({{f + "onlineitem.txt", {200, std::string(100000, 'x'), std::string::npos, 50}}});
    OnlineDownload download;
    ASSERT_TRUE(download.Start({server.Host(), folder, tree, root}));
    PumpFor(500);
    EXPECT_TRUE(download.IsRunning());
    EXPECT_TRUE(download.Stop(kEndsWithinMs));
    EXPECT_EQ(Shape(root), "");
    EXPECT_FALSE(FileExists(Page("contents.txt")));
    EXPECT_FALSE(FileExists(Page("contents.txt.part")));
}

TEST_F(OnlineDownloadTest, AStopDuringTheFillLeavesAPrefixOfTheWholeTree)
{
    const std::string f = kFolder;
    LoopbackServer server({{f + "onlineitem.txt", {200, OnlineList(600)}}});
    RunToEnd(server.Host());
    const std::string whole = Shape(root);
    OnlineTree(tree).DeleteBelow(root);

    for (const bool pumping : {true, false}) {
        SCOPED_TRACE(pumping ? "stopped between two items" : "stopped while the thread waits in a send");
        OnlineDownload download;
        const int asked = server.requests;
        ASSERT_TRUE(download.Start({server.Host(), folder, tree, root}));
        const DWORD start = GetTickCount();
        if (pumping) {
            while (!TreeView(tree).Child(root) && download.IsRunning() && GetTickCount() - start < kEndsWithinMs)
                PumpFor(1);
        } else {
            while (server.requests < asked + 3 && GetTickCount() - start < kEndsWithinMs)
                Sleep(5);
            Sleep(200);  // not serving the tree: the thread's first insert waits for it
        }
        EXPECT_TRUE(download.Stop(kEndsWithinMs));
        const std::string part = Shape(root);
        EXPECT_EQ(whole.compare(0, part.size(), part), 0) << part;
        OnlineTree(tree).DeleteBelow(root);
    }
}

}  // namespace
