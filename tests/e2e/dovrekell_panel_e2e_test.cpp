// The real Dovrekell.exe, started through the main program's /jdkdochelp,
// over a documentation folder laid out as a JDK's (api made by the
// machine's javadoc, specs, index.html): the Contents tree, the index
// lookup, pages opened from the tree, and the favorites and the find
// dialog's whole-word setting kept across a restart.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dovrekell_ids.h"
#include "help_settings.h"
#include "support/dovrekell_frame.h"
#include "support/list_items.h"
#include "support/quenlow_tree/quenlow_tree.h"
#include "support/remote_tree.h"
#include "support/test_files.h"
#include "support/window_text.h"

namespace {

constexpr DWORD kStartMs = 60000;
constexpr DWORD kScanMs = 30000;
constexpr DWORD kCloseMs = 60000;

bool StartsWithIgnoringCase(const std::string& text, const std::string& start)
{
    return text.size() >= start.size() &&
           CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, text.c_str(), static_cast<int>(start.size()),
                          start.c_str(), static_cast<int>(start.size())) == CSTR_EQUAL;
}

// Sent, so the press has been handled when it returns.
void Click(HWND dialog, int id)
{
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

class DovrekellPanelE2e : public ::testing::Test {
protected:
    void SetUp() override
    {
        tree = MakeTree("dovrekell panel");
        program = tree.Bin() + "\\Dovrekell.exe";
        ASSERT_TRUE(CopyFileA(QUENLOW_DOVREKELL, program.c_str(), FALSE));
        docs = WindowsPath(QUENLOW_DOVREKELL_DOCS);
        settingsPath = tree.Bin() + "\\Setting\\Dovrekell.set";
        CreateDirectoryA((tree.Bin() + "\\Setting").c_str(), nullptr);
        RemoveFile(settingsPath);
        HelpSettings settings;
        ASSERT_TRUE(settings.OpenAndInit(settingsPath.c_str()));
        StringList folders;
        folders.Add(docs.c_str());
        settings.SetList(HelpSettings::kDocsFolders, folders);
    }

    // Started as a user starts it, and waited on until its scan has ended.
    void Start()
    {
        Program starter("\"" + tree.Exe() + "\" /jdkdochelp");
        ASSERT_TRUE(browser.Attach(program, kStartMs));
        ASSERT_TRUE(WaitFor([&] { return WindowText(browser.Frame()) == "complete.html - Dovrekell"; }, kScanMs))
            << WindowText(browser.Frame());
        EXPECT_TRUE(starter.Ended(kCloseMs));
        panel = browser.Panel();
        ASSERT_NE(panel, nullptr);
    }

    void Stop() { EXPECT_TRUE(browser.Close(kCloseMs)); }

    HWND Control(int id) const { return GetDlgItem(panel, id); }
    std::string Caption() const { return WindowText(browser.Frame()); }

    // Whether the HTML view has the right column, rather than the other-file view.
    bool HtmlViewShown() const
    {
        const HWND column = ChildOfClass(ChildOfClass(browser.Frame(), "QuenlowSplitter"), "QuenlowSplitter");
        RECT html = {}, other = {};
        GetWindowRect(ChildOfClass(column, "QuenlowHtmlView"), &html);
        GetWindowRect(ChildOfClass(column, "DovrekellOtherView"), &other);
        return html.bottom - html.top > 0 && other.bottom == other.top;
    }

    // A double click on the item's label, with the pointer on it: the panel
    // opens only the item under the pointer.
    void DoubleClick(const std::vector<std::string>& path)
    {
        const HWND contents = Control(IDC_CONTENTS);
        RemoteTree remote(contents);
        const HTREEITEM item = remote.FindFromRoots(path);
        ASSERT_NE(item, nullptr) << path.back();
        SendMessageA(contents, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
        SendMessageA(contents, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
        RECT label;
        ASSERT_TRUE(remote.LabelRect(item, label));
        POINT at = {(label.left + label.right) / 2, (label.top + label.bottom) / 2};
        POINT screen = at;
        ClientToScreen(contents, &screen);
        SetForegroundWindow(browser.Frame());
        SetCursorPos(screen.x, screen.y);
        SendMessageA(contents, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        SendMessageA(contents, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    }

    // Page > Find text; the dialog once it shows.
    HWND OpenFind()
    {
        SendMessageA(browser.Frame(), WM_COMMAND, MAKEWPARAM(ID_PAGE_FIND, 0), 0);
        HWND find = nullptr;
        WaitFor([&] { return (find = browser.Window("#32770", "Find text")) != nullptr; }, kStartMs);
        return find;
    }

    // Shows the find dialog, checks its boxes and history, and closes it.
    void ExpectFindDialog(LRESULT wholeWord, LRESULT matchCase, const std::vector<std::string>& history)
    {
        const HWND find = OpenFind();
        ASSERT_NE(find, nullptr);
        EXPECT_EQ(SendDlgItemMessageA(find, IDC_FIND_WHOLE_WORD, BM_GETCHECK, 0, 0), wholeWord);
        EXPECT_EQ(SendDlgItemMessageA(find, IDC_FIND_CASE, BM_GETCHECK, 0, 0), matchCase);
        EXPECT_EQ(ComboItems(GetDlgItem(find, IDC_FIND_TEXT)), history);
        SendMessageA(find, WM_CLOSE, 0, 0);
    }

    // Types the text into the index edit, one character at a time.
    void TypeInIndex(const char* text)
    {
        for (const char* c = text; *c; ++c)
            SendMessageA(Control(IDC_INDEX_EDIT), WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(*c)), 1);
    }

    Tree tree;
    std::string program;
    std::string docs;
    std::string settingsPath;
    HelpBrowserProcess browser;
    HWND panel = nullptr;
};

TEST_F(DovrekellPanelE2e, ContentsTreeAndIndexOfAJavadocFolder)
{
    Start();
    RemoteTree remote(Control(IDC_CONTENTS));
    std::string outline;
    for (HTREEITEM root = remote.Next(nullptr, TVGN_ROOT); root; root = remote.Next(root, TVGN_NEXT)) {
        int image = 0;
        const std::string text = remote.Item(root, &image);
        // The online part comes from the network, not from the folder.
        if (text != "Online")
            outline += text + " [" + std::to_string(image) + "]\n" + remote.Outline(remote.Next(root, TVGN_CHILD), 1);
    }
    EXPECT_EQ(outline, ReadFileBytes(TestDataPath("e2e/golden/dovrekell/javadoc_contents.txt")));

    // The lookup selects the first title that begins with the typed text,
    // whatever its case; text that no title begins with selects the first.
    const HWND index = Control(IDC_INDEX_LIST);
    const std::vector<std::string> titles = ListItems(index);
    int first = -1;
    for (int entry = 0; entry < static_cast<int>(titles.size()) && first < 0; ++entry) {
        if (StartsWithIgnoringCase(titles[entry], "str"))
            first = entry;
    }
    ASSERT_GE(first, 0);
    // The sample has titles of both cases that begin so (Strand,
    // StringShelf, streams): each typing differs in case from some of them.
    for (const char* typed : {"str", "STR"}) {
        SetWindowTextA(Control(IDC_INDEX_EDIT), "");
        TypeInIndex(typed);
        EXPECT_EQ(SendMessageA(index, LB_GETCURSEL, 0, 0), first) << typed << " " << titles[first];
    }
    TypeInIndex("q");
    EXPECT_EQ(SendMessageA(index, LB_GETCURSEL, 0, 0), 0);
    Stop();
}

TEST_F(DovrekellPanelE2e, PagesFromTheTreeAndFavoritesAcrossARestart)
{
    Start();
    // A Document leaf opens its .html page in the HTML view, whose location
    // the favorite takes; a folder opens nothing.
    DoubleClick({"Document", "api", "shelf", "text", "StringShelf"});
    EXPECT_EQ(Caption(), "StringShelf.html - Dovrekell");
    EXPECT_TRUE(HtmlViewShown());
    Click(panel, IDC_FAVORITE_ADD);
    DoubleClick({"Document", "api", "shelf"});
    EXPECT_EQ(Caption(), "StringShelf.html - Dovrekell");
    // Any other file opens in the other-file view.
    DoubleClick({"Utilities", "api", "stylesheet.css"});
    EXPECT_EQ(Caption(), "stylesheet.css - Dovrekell");
    EXPECT_FALSE(HtmlViewShown());
    Click(panel, IDC_FAVORITE_ADD);
    Click(panel, IDC_FAVORITE_ADD);
    EXPECT_EQ(ListItems(Control(IDC_FAVORITES)), (std::vector<std::string>{"StringShelf", "stylesheet.css"}));
    Stop();

    HelpSettings settings;
    ASSERT_TRUE(settings.Open(settingsPath.c_str()));
    StringList saved;
    settings.GetFavorites(saved);
    settings.Close();
    ASSERT_EQ(saved.Count(), 2);
    // The browser names the page it shows in its own way (under Wine a
    // "file://" address); it ends in the page's path.
    const std::string page = docs + "\\api\\shelf\\text\\StringShelf.html";
    const std::string first = saved.At(0)->Data();
    ASSERT_GE(first.size(), page.size()) << first;
    EXPECT_EQ(lstrcmpiA(first.substr(first.size() - page.size()).c_str(), page.c_str()), 0) << first;
    EXPECT_EQ(std::string(saved.At(1)->Data()), docs + "\\api\\stylesheet.css");

    Start();
    EXPECT_EQ(ListItems(Control(IDC_FAVORITES)), (std::vector<std::string>{"StringShelf", "stylesheet.css"}));
    Stop();
}

TEST_F(DovrekellPanelE2e, FindKeepsWholeWordAcrossARestartButNotCase)
{
    Start();
    const HWND find = OpenFind();
    ASSERT_NE(find, nullptr);
    EXPECT_EQ(ComboItems(GetDlgItem(find, IDC_FIND_TEXT)), std::vector<std::string>{});
    SendDlgItemMessageA(find, IDC_FIND_WHOLE_WORD, BM_SETCHECK, BST_CHECKED, 0);
    SendDlgItemMessageA(find, IDC_FIND_CASE, BM_SETCHECK, BST_CHECKED, 0);
    SetDlgItemTextA(find, IDC_FIND_TEXT, "  shelf ");
    // The complete page has no such word (and under Wine no text at all):
    // the search reports the trimmed text as not found.
    PostMessageA(find, WM_COMMAND, MAKEWPARAM(IDC_FIND, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(find, IDC_FIND)));
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = browser.Window("#32770", "Message")) != nullptr; }, kStartMs));
    EXPECT_EQ(MessageText(box), "Can not find\nshelf");
    Press(box, IDOK);
    ASSERT_TRUE(WaitFor([&] { return browser.Window("#32770", "Message") == nullptr; }, kCloseMs));

    // Closed and shown again in the same run: the case box keeps its state.
    SendMessageA(find, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(find));
    ExpectFindDialog(BST_CHECKED, BST_CHECKED, {"shelf"});
    Stop();

    HelpSettings settings;
    ASSERT_TRUE(settings.Open(settingsPath.c_str()));
    EXPECT_EQ(settings.GetWholeWord(), 1);
    StringList history;
    settings.GetList(HelpSettings::kFind, history);
    settings.Close();
    ASSERT_EQ(history.Count(), 1);
    EXPECT_STREQ(history.At(0)->Data(), "shelf");

    // A new run: whole-word comes back from the settings, case starts clear.
    Start();
    ExpectFindDialog(BST_CHECKED, BST_UNCHECKED, {"shelf"});
    Stop();
}

}  // namespace
