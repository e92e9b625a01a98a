#include "java_properties_dialog.h"

#include <initializer_list>

#include "controls.h"
#include "help.h"
#include "help_topics.h"
#include "java_home.h"
#include "option_dialogs_ids.h"
#include "paths/file_system.h"
#include "property_listing.h"
#include "rich_edit.h"
#include "window_place.h"

namespace {

constexpr int kMargin = 10;
constexpr int kImageSize = 16;
constexpr COLORREF kImageMask = RGB(255, 255, 255);
// Images of the list: a property's name, then a piece of its value; each
// followed by its selected form.
constexpr int kNameImage = 0;
constexpr int kValueImage = 2;
constexpr char kJavaw[] = "\\bin\\javaw.exe";

HTREEITEM InsertItem(HWND tree, HTREEITEM parent, const XString& text, int image)
{
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<char*>(text.Data());
    insert.item.iImage = image;
    insert.item.iSelectedImage = image + 1;
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

}  // namespace

DlgJavaProperty::DlgJavaProperty(HWND parent) : Dialog(IDD_JAVA_PROPERTIES, parent) {}

DlgJavaProperty::~DlgJavaProperty()
{
    if (images)
        ImageList_Destroy(images);
}

Dialog::RouteTable DlgJavaProperty::Routes() const
{
    static const MessageRoute routes[] = {
        OnCommand(BN_CLICKED, IDC_PROPERTIES_READ, &DlgJavaProperty::OnRead),
        OnCommand(BN_CLICKED, IDC_PROPERTIES_EXPAND, &DlgJavaProperty::OnExpand),
        OnCommand(BN_CLICKED, IDC_PROPERTIES_COLLAPSE, &DlgJavaProperty::OnCollapse),
        OnCommand(BN_CLICKED, IDC_PROPERTIES_HELP, &DlgJavaProperty::OnHelpButton),
        OnMessage(WM_SIZE, &DlgJavaProperty::OnSize),
        OnMessage(WM_DESTROY, &DlgJavaProperty::OnDestroyWindow),
    };
    return Table(routes);
}

XString DlgJavaProperty::ProbeCommand(const char* javaHome, const char* binDir)
{
    XString command("\"");
    command.Append(javaHome);
    command.Append(kJavaw);
    command.Append("\" -classpath \"");
    command.Append(binDir);
    command.Append("\\classes.jar\"; property.Property");
    return command;
}

BOOL DlgJavaProperty::OnInitDialog()
{
    FindJavaHome(kJreOnly, kJavaw, jreHome);
    FindJavaHome(kJdkOnly, kJavaw, jdkHome);
    Control(Handle(), IDC_PROPERTIES_JRE_HOME).SetText(jreHome.Data());
    Control(Handle(), IDC_PROPERTIES_JDK_HOME).SetText(jdkHome.Data());
    // The JRE unless only a JDK is installed.
    const bool jdk = jreHome.IsEmpty() && !jdkHome.IsEmpty();
    CheckRadioButton(Handle(), IDC_PROPERTIES_JRE, IDC_PROPERTIES_JDK, jdk ? IDC_PROPERTIES_JDK : IDC_PROPERTIES_JRE);
    images = ImageList_LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_PROPERTY_IMAGES), kImageSize, 0,
                                  kImageMask, IMAGE_BITMAP, LR_CREATEDIBSECTION);
    if (images)
        SendMessageA(Item(IDC_PROPERTIES_TREE), TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
    ShowWindow(Item(IDC_PROPERTIES_ERRORS), SW_HIDE);
    RECT client;
    GetClientRect(Handle(), &client);
    Layout(client.right, client.bottom);
    return TRUE;
}

INT_PTR DlgJavaProperty::OnRead(WPARAM, LPARAM)
{
    const bool jdk = Button(Handle(), IDC_PROPERTIES_JDK).GetCheck() == BST_CHECKED;
    const XString command = ProbeCommand((jdk ? jdkHome : jreHome).Data(), GetBinDir().Data());
    if (!probe.Run(command.Data(), 1))
        return TRUE;
    // The run has ended only when the probe has ended and both readers have
    // drained its pipes: before that the texts may still be growing.
    if (probe.Wait(kProbeLimitMs) != WAIT_OBJECT_0) {
        probe.Terminate();
        probe.Wait(INFINITE);
    }
    // A warning of the virtual machine on standard error does not spoil a
    // listing that the probe finished writing.
    if (probe.ExitCode() == 0 && !probe.StdoutText().IsEmpty())
        ShowListing(probe.StdoutText());
    else if (!probe.StderrText().IsEmpty())
        ShowErrors(probe.StderrText());
    else if (!probe.StdoutText().IsEmpty())
        ShowErrors(probe.StdoutText());
    return TRUE;
}

void DlgJavaProperty::ShowListing(const XString& listing)
{
    HWND tree = Item(IDC_PROPERTIES_TREE);
    ShowWindow(tree, SW_SHOW);
    ShowWindow(Item(IDC_PROPERTIES_ERRORS), SW_HIDE);
    SendMessageA(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    const std::vector<property_listing::Property> properties = property_listing::Parse(
        reinterpret_cast<const unsigned char*>(listing.Data()), static_cast<size_t>(listing.Length()));
    for (const property_listing::Property& property : properties) {
        HTREEITEM root = InsertItem(tree, TVI_ROOT, property.name, kNameImage);
        for (const XString& piece : property.pieces)
            InsertItem(tree, root, piece, kValueImage);
    }
    SendMessageA(tree, TVM_SORTCHILDREN, FALSE, reinterpret_cast<LPARAM>(TVI_ROOT));
    if (HTREEITEM first = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0)))
        SendMessageA(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(first));
}

void DlgJavaProperty::ShowErrors(const XString& text)
{
    HWND errors = Item(IDC_PROPERTIES_ERRORS);
    RichEdit(errors).SetText(text.Data());
    ShowWindow(errors, SW_SHOW);
    ShowWindow(Item(IDC_PROPERTIES_TREE), SW_HIDE);
}

void DlgJavaProperty::ExpandRoots(UINT action)
{
    HWND tree = Item(IDC_PROPERTIES_TREE);
    for (LRESULT item = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0); item;
         item = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, item))
        SendMessageA(tree, TVM_EXPAND, action, item);
}

INT_PTR DlgJavaProperty::OnExpand(WPARAM, LPARAM)
{
    ExpandRoots(TVE_EXPAND);
    return TRUE;
}

INT_PTR DlgJavaProperty::OnCollapse(WPARAM, LPARAM)
{
    ExpandRoots(TVE_COLLAPSE);
    return TRUE;
}

INT_PTR DlgJavaProperty::OnHelpButton(WPARAM, LPARAM)
{
    ShowHelpTopic(Handle(), kHelpJavaProperties);
    return TRUE;
}

INT_PTR DlgJavaProperty::OnSize(WPARAM wParam, LPARAM lParam)
{
    if (wParam != SIZE_MINIMIZED)
        Layout(LOWORD(lParam), HIWORD(lParam));
    return TRUE;
}

void DlgJavaProperty::Layout(int width, int height)
{
    auto place = [this](int id) { return PlaceInParent(Item(id)); };
    // Below the top row: the group fills the rest, the buttons stand in
    // its bottom-right corner's row, and the tree and the error pane fill
    // the group.
    const RECT read = place(IDC_PROPERTIES_READ);
    const int buttonWidth = read.right - read.left;
    const int buttonHeight = read.bottom - read.top;
    SetWindowPos(Item(IDC_PROPERTIES_READ), nullptr, width - kMargin - buttonWidth, read.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    for (int id : {IDC_PROPERTIES_JRE_HOME, IDC_PROPERTIES_JDK_HOME}) {
        const RECT edit = place(id);
        SetWindowPos(Item(id), nullptr, 0, 0, width - 2 * kMargin - buttonWidth - edit.left, edit.bottom - edit.top,
                     SWP_NOMOVE | SWP_NOZORDER);
    }
    const RECT group = place(IDC_PROPERTIES_GROUP);
    const int buttonTop = height - kMargin - buttonHeight;
    SetWindowPos(Item(IDC_PROPERTIES_GROUP), nullptr, kMargin, group.top, width - 2 * kMargin,
                 buttonTop - kMargin - group.top, SWP_NOZORDER);
    const int paneTop = group.top + 2 * kMargin;
    for (int id : {IDC_PROPERTIES_TREE, IDC_PROPERTIES_ERRORS})
        SetWindowPos(Item(id), nullptr, 2 * kMargin, paneTop, width - 4 * kMargin, buttonTop - 2 * kMargin - paneTop,
                     SWP_NOZORDER);
    int right = width - kMargin;
    for (int id : {IDC_PROPERTIES_HELP, IDC_PROPERTIES_COLLAPSE, IDC_PROPERTIES_EXPAND}) {
        right -= buttonWidth;
        SetWindowPos(Item(id), nullptr, right, buttonTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        right -= kMargin;
    }
    InvalidateRect(Handle(), nullptr, TRUE);
}

INT_PTR DlgJavaProperty::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The caption's maximise button switches between maximised and restored.
    if (message == WM_NCLBUTTONDOWN && wParam == HTMAXBUTTON) {
        ShowWindow(Handle(), IsZoomed(Handle()) ? SW_RESTORE : SW_MAXIMIZE);
        return TRUE;
    }
    return Dialog::HandleMessage(message, wParam, lParam);
}

INT_PTR DlgJavaProperty::OnDestroyWindow(WPARAM, LPARAM)
{
    if (probe.IsRunning()) {
        probe.Terminate();
        probe.Wait(INFINITE);
    }
    return FALSE;
}
