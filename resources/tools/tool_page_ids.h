#pragma once

// Dialog templates and control ids of the two tools' pages. Templates with
// the same number are the same page kind in both tools where they share one
// (Main 130, Options 131, the run page 132, Find 133).
#define IDD_PAGE_MAIN 130
#define IDD_PAGE_OPTIONS 131
#define IDD_PAGE_RUN 132
#define IDD_PAGE_FIND 133
#define IDD_PAGE_DEBUG 135

// Each tool's icon, on its sheet and its executable.
#define IDI_TOOL 128

// The Find page of the execute-and-debug tool: its pictures (a folder and
// each class kind, each with its selected form), the class menu and the
// legend of the pictures.
#define IDB_FIND_KINDS 130
#define IDB_FIND_LEGEND 131
#define IDR_FIND_MENU 132
#define IDD_LEGEND 134

// The Find page of the compile tool: folder and Java file pictures, each
// with its selected form.
#define IDB_COMPILE_TREE 130

// The compile tool's Options page picture buttons: normal, pressed and
// disabled pictures of each.
#define IDB_REMOVE_NORMAL 136
#define IDB_REMOVE_PRESSED 137
#define IDB_REMOVE_DISABLED 138
#define IDB_BROWSE_NORMAL 139
#define IDB_BROWSE_PRESSED 141
#define IDB_BROWSE_DISABLED 142
#define IDB_OUTPUT_HELP_NORMAL 167
#define IDB_OUTPUT_HELP_PRESSED 166
#define IDB_OUTPUT_HELP_DISABLED 168

// Main page.
#define IDC_MAIN_REPORT 1000
#define IDC_MAIN_FILES_ONLY 1002
#define IDC_MAIN_FIRST 1003
#define IDC_MAIN_SECOND 1004
#define IDC_MAIN_ERROR 1005

// The panes and controls the runs of the Execute, Debug and Compile pages use.
#define IDC_RUN_COMMAND_PANE 1018
#define IDC_RUN_ERR_PANE 1019
#define IDC_RUN_OUT_PANE 1020
#define IDC_RUN_TABS 1021
#define IDC_EXEC_STATUS 1090
#define IDC_EXEC_STOP 1040

// The Execute page's standard-input row.
#define IDC_EXEC_ESCAPES 1091
#define IDC_EXEC_INPUT 1089
#define IDC_EXEC_PLUS 1092
#define IDC_EXEC_SUFFIX 1093
#define IDC_EXEC_SEND 1041
#define IDC_DEBUG_STATUS 1017
#define IDC_DEBUG_STOP 1063
#define IDC_COMPILE_STOP 1028

// The Debug page's four modeless dialogs that compose the longer commands.
#define IDD_DEBUG_STOP_IN 137
#define IDD_DEBUG_STOP_AT 138
#define IDD_DEBUG_WATCH 139
#define IDD_DEBUG_CLASS 140
