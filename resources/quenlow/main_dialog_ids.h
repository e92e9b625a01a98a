#pragma once

// The main dialog's template and its controls.
#define IDD_MAIN_DIALOG 102

#define IDC_MAIN_CLASS 1018
#define IDC_BROWSE_MAIN_CLASS 1007
#define IDC_REMOVE_MAIN_CLASS 1008
#define IDC_RUN_MAIN_CLASS 1009
#define IDC_CLASS_INFO 1025
#define IDC_STOP_MAIN_CLASS 1027

#define IDC_OUTPUT_FILE 1019
#define IDC_CHOOSE_OUTPUT 1001
#define IDC_REMOVE_OUTPUT 1002
#define IDC_LAUNCH_OUTPUT 1014
#define IDC_VIEW_EXE_COMMAND 1026
#define IDC_STOP_OUTPUT 1017

#define IDC_ICON_FILE 1020
#define IDC_OPEN_ICON 1005
#define IDC_REMOVE_ICON 1006
#define IDC_CONFIRM_ICON 1016

#define IDC_MANIFEST_FILE 1022
#define IDC_OPEN_MANIFEST 1015
#define IDC_REMOVE_MANIFEST 1024
#define IDC_EDIT_MANIFEST 1031

#define IDC_CREATE_EXE 1012
#define IDC_CREATE_JAR 1013
#define IDC_COMPRESSION 1030
#define IDC_MAIN_CLASS_DIR_ONLY 1032
#define IDC_USE_JAVAW 1029
#define IDC_USER_ICON 1021
#define IDC_ADD_MANIFEST 1028
#define IDC_CREATE 1010
#define IDC_HELP_EXE 1100
#define IDC_HELP_JAR 1101

#define IDC_OUTPUT_PANE 1023
// Holds the web pane's place; the browser control itself is created in code.
#define IDC_WEB_PANE 1011
#define IDC_HIDE 1081

// The self-painted menu bar: one menu resource per caption, and the commands.
#define IDM_GENERAL_OPTIONS 132
#define IDM_INFORMATION 147
#define IDM_HELP 133
#define ID_ALWAYS_ON_TOP 32786
#define ID_JAVA_LIBRARIES 32795
#define ID_HELP_CONTENTS 32773
#define ID_ABOUT 32772
#define ID_HOME 32778
