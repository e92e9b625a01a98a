#pragma once

// The dialogs that show a build's result and edit the chosen manifest.
#define IDD_CREATE_INFO 158
#define IDC_CREATE_INFO_TITLE 1096
#define IDC_CREATE_INFO_REPORT 1098

#define IDD_MANIFEST 145
#define IDC_MANIFEST_TEXT 1066
#define IDC_MANIFEST_SAVE 1065

// Both dialogs' "Close".
#define IDC_INFO_CLOSE 1041
