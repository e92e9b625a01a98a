// The other-file view inside the real frame, in this process so the rich
// edit's text and colour can be read: a text file, a class outline, an
// archive tree unfolded by selection, the red messages, and the viewer menu.
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dovrekell_ids.h"
#include "fake_browser.h"
#include "frame.h"
#include "rich_edit.h"
#include "seams.h"
#include "support/message_pump.h"
#include "support/rich_text_lines.h"
#include "support/test_files.h"
#include "zip_writer.h"

namespace {

// Shown by its own style: the frame itself stays hidden in these tests.
bool Shown(HWND window)
{
    return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

UINT chosenCommand = 0;
std::vector<UINT> grayedItems;

BOOL ChooseFromPopup(HMENU menu, UINT, int, int, HWND)
{
    grayedItems.clear();
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_GRAYED)
            grayedItems.push_back(GetMenuItemID(menu, i));
    }
    return static_cast<BOOL>(chosenCommand);
}

class OtherViewTest : public testing::Test {
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_COOL_CLASSES | ICC_TREEVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        ASSERT_TRUE(LoadRichEditLibrary());
        seams::TrackPopup = ChooseFromPopup;
        ASSERT_TRUE(frame.Create());
        PumpFor(50);
    }
    void TearDown() override
    {
        DestroyWindow(frame.Handle());
        MSG quit;
        while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
            ;
        seams::Restore();
    }

    HWND Viewer() { return frame.OtherView().Viewer().Handle(); }
    HWND Tree() { return frame.OtherView().Tree().Handle(); }

    // The viewer's text with the control's paragraph ends read back as LF.
    std::string ViewerText()
    {
        const int length = GetWindowTextLengthA(Viewer());
        std::string text(static_cast<size_t>(length) + 1, '\0');
        GetWindowTextA(Viewer(), &text[0], length + 1);
        text.resize(static_cast<size_t>(length > 0 ? length : 0));
        return RichTextLines(text);
    }

    COLORREF ViewerColour()
    {
        RichEdit(Viewer()).SetSelection(0, 1);
        CHARFORMATA format = {};
        format.cbSize = sizeof format;
        SendMessageA(Viewer(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        RichEdit(Viewer()).SetSelection(0, 0);
        return (format.dwEffects & CFE_AUTOCOLOR) ? GetSysColor(COLOR_WINDOWTEXT) : format.crTextColor;
    }

    void Open(const std::string& path)
    {
        frame.OpenLocation(path.c_str(), true);
        PumpFor(20);
    }

    // The children of an item as "text:image" joined by blanks.
    std::string Children(HTREEITEM item)
    {
        const TreeView tree(Tree());
        std::string out;
        for (HTREEITEM child = tree.Child(item); child; child = tree.Next(child))
            out += (out.empty() ? "" : " ") + std::string(tree.Text(child).Data()) + ":" + std::to_string(tree.Image(child));
        return out;
    }

    HTREEITEM ChildNamed(HTREEITEM item, const char* text)
    {
        const TreeView tree(Tree());
        for (HTREEITEM child = tree.Child(item); child; child = tree.Next(child)) {
            if (tree.Text(child).CompareN(text) == 0 && tree.Text(child).Length() == static_cast<int>(strlen(text)))
                return child;
        }
        return nullptr;
    }

    ZDoc document;
    FakeBrowser browser;
    ZFrm frame{document, browser};
};

TEST_F(OtherViewTest, TextFilesShowOneLinePerLineInBlack)
{
    const std::string path = WindowsPath(ScratchPath("notes.txt"));
    ASSERT_TRUE(WriteFileBytes(path, "first line\r\nsecond\r\nthird\n"));
    Open(path);
    EXPECT_TRUE(Shown(Viewer()));
    EXPECT_FALSE(Shown(Tree()));
    EXPECT_EQ(ViewerText(), "first line\nsecond\nthird\n");
    EXPECT_EQ(SendMessageA(Viewer(), EM_GETLINECOUNT, 0, 0), 4);
    EXPECT_EQ(ViewerColour(), 0u);
    EXPECT_EQ(SendMessageA(Viewer(), EM_GETMODIFY, 0, 0), 0);
}

TEST_F(OtherViewTest, ClassFilesShowTheirOutline)
{
    const std::string path = WindowsPath(ScratchPath("Top.class"));
    ASSERT_TRUE(WriteFileBytes(path, ReadFileBytes(TestDataPath("foundation/classfile/fixtures/classes/Top.class"))));
    Open(path);
    const std::string text = ViewerText();
    EXPECT_EQ(text.rfind("//file: Top.java\n\n\nimport java.lang.Object;\n", 0), 0u) << text;
    EXPECT_NE(text.find("public class Top extends Object \n{\n"), std::string::npos) << text;
    EXPECT_EQ(ViewerColour(), 0u);
}

TEST_F(OtherViewTest, UnshowableFilesGiveRedMessages)
{
    const std::string binary = WindowsPath(ScratchPath("data.txt"));
    ASSERT_TRUE(WriteFileBytes(binary, std::string("text\0more", 9)));
    const std::string badClass = WindowsPath(ScratchPath("Bad.class"));
    ASSERT_TRUE(WriteFileBytes(badClass, "not a class"));
    const std::string empty = WindowsPath(ScratchPath("empty.txt"));
    ASSERT_TRUE(WriteFileBytes(empty, ""));
    const std::string missing = WindowsPath(ScratchPath("missing.txt"));
    const struct {
        std::string path;
        std::string expected;
    } cases[] = {
        {binary, binary + "\nThe file is not a text file"},
        {badClass, "Error: the class is in bad format"},
        {empty, empty + "\nThe file is empty"},
        {missing, missing + "\nCan not open the file"},
    };
    for (const auto& c : cases) {
        Open(c.path);
        EXPECT_EQ(ViewerText(), c.expected);
        EXPECT_EQ(ViewerColour(), static_cast<COLORREF>(0x0000FF)) << c.path;
    }
}

TEST_F(OtherViewTest, ArchivesUnfoldFolderByFolder)
{
    std::vector<WriterEntry> entries;
    for (const char* name : {"a/b/C.class", "a/D.txt", "jdk-17.0.1/bin/java", "Top.txt"})
        entries.push_back(WriterEntry{name});
    const std::string jar = WindowsPath(ScratchPath("lib.jar"));
    const std::string zip = WindowsPath(ScratchPath("lib.ZIP"));
    ASSERT_TRUE(WriteFileBytes(jar, WriteTestZip(entries)));
    ASSERT_TRUE(WriteFileBytes(zip, WriteTestZip(entries)));

    Open(jar);
    EXPECT_TRUE(Shown(Tree()));
    EXPECT_FALSE(Shown(Viewer()));
    const TreeView tree(Tree());
    HTREEITEM root = tree.Root();
    EXPECT_STREQ(tree.Text(root).Data(), "lib.jar");
    EXPECT_EQ(tree.Image(root), 0);
    EXPECT_EQ(Children(root), "a:4 jdk-17.0.1:4 Top.txt:6");

    HTREEITEM a = ChildNamed(root, "a");
    ASSERT_TRUE(a);
    EXPECT_EQ(Children(a), "");  // filled when first selected
    tree.Select(a);
    EXPECT_EQ(Children(a), "b:4 D.txt:6");
    HTREEITEM b = ChildNamed(a, "b");
    ASSERT_TRUE(b);
    tree.Select(b);
    EXPECT_EQ(Children(b), "C.class:6");
    tree.Select(a);  // selected again: not filled twice
    EXPECT_EQ(Children(a), "b:4 D.txt:6");

    Open(zip);
    root = tree.Root();
    EXPECT_STREQ(tree.Text(root).Data(), "lib.ZIP");
    EXPECT_EQ(tree.Image(root), 2);
    EXPECT_EQ(Children(root), "a:4 jdk-17.0.1:4 Top.txt:6");

    Open(WindowsPath(ScratchPath("gone.jar")));
    EXPECT_EQ(Children(tree.Root()), "can not open the file:8");
}

TEST_F(OtherViewTest, ViewerMenuCopiesOnlyASelection)
{
    const std::string path = WindowsPath(ScratchPath("menu.txt"));
    ASSERT_TRUE(WriteFileBytes(path, "some words"));
    Open(path);
    chosenCommand = ID_EDIT_SELECT_ALL;
    SendMessageA(Viewer(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(grayedItems, std::vector<UINT>{ID_EDIT_COPY_TEXT});
    CHARRANGE selection = {};
    SendMessageA(Viewer(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    EXPECT_EQ(selection.cpMin, 0);
    EXPECT_EQ(selection.cpMax, 10);

    chosenCommand = ID_EDIT_COPY_TEXT;
    SendMessageA(Viewer(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(grayedItems.empty());
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_TEXT);
    ASSERT_TRUE(data);
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(data)), "some words");
    GlobalUnlock(data);
    CloseClipboard();
}

}  // namespace
