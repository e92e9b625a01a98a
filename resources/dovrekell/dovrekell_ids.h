#pragma once

// Resources and commands of the help browser.
#define IDR_MAINFRAME 128        // menu, accelerators and the title string
#define IDR_FONT_MENU 132
#define IDD_PANEL 134
#define IDR_EDIT_MENU 136        // the file viewer's Copy and Select all
#define IDB_TOOLBAR 261
#define IDB_TOOLBAR_HOT 262
#define IDB_ARCHIVE_IMAGES 263
#define IDD_ABOUT 368
#define IDC_ABOUT_TEXT 1008
#define IDC_ABOUT_LINK 1009

#define ID_PAGE_STOP 32778
#define ID_PAGE_REFRESH 32779
#define ID_FONT_LARGEST 32782
#define ID_FONT_LARGE 32783
#define ID_FONT_MEDIUM 32784
#define ID_FONT_SMALL 32785
#define ID_FONT_SMALLEST 32786
#define ID_PAGE_BACK 32787
#define ID_PAGE_FORWARD 32788
#define ID_EDIT_COPY_TEXT 32790
#define ID_FONT_BUTTON 32793
#define ID_EDIT_SELECT_ALL 32794
#define ID_PAGE_FIND 32819
#define ID_FILE_EXIT 32822
#define ID_OPTIONS_SETTING 32823
#define ID_HELP_CONTENTS 32824
#define ID_HELP_ABOUT 32825
#define ID_HELP_DOCS_LOCATION 32826
#define ID_VIEW_TOOLBAR 59392
#define ID_VIEW_STATUS_BAR 59393

// Children of the other-file view.
#define IDC_TEXT_VIEWER 100
#define IDC_ARCHIVE_TREE 101

// Child windows of the frame.
#define IDW_TOOLBAR 59392
#define IDW_STATUS_BAR 59393
#define IDW_REBAR 59396
#define IDW_PANE_FIRST 59648
