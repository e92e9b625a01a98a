#pragma once

// Quenlow's own controls: the About box, the drag cursor of its label, and
// the pictures of the main dialog's and the file options' bitmap buttons
// (normal, pressed, focused).
#define IDD_ABOUT 133
#define IDC_ABOUT_LABEL_PLACE 1403
#define IDC_DRAG_CURSOR 195

#define IDB_BROWSE 133
#define IDB_BROWSE_PRESSED 134
#define IDB_BROWSE_FOCUSED 135
#define IDB_REMOVE 136
#define IDB_REMOVE_PRESSED 137
#define IDB_REMOVE_FOCUSED 138
#define IDB_RUN 143
#define IDB_RUN_PRESSED 144
#define IDB_RUN_FOCUSED 145
#define IDB_INFO 153
#define IDB_INFO_PRESSED 154
#define IDB_INFO_FOCUSED 155
#define IDB_STOP 156
#define IDB_STOP_PRESSED 158
#define IDB_STOP_FOCUSED 159
#define IDB_HELP 167
#define IDB_HELP_PRESSED 166
#define IDB_HELP_FOCUSED 168
#define IDB_UP 146
#define IDB_UP_PRESSED 147
#define IDB_UP_FOCUSED 148
#define IDB_DOWN 149
#define IDB_DOWN_PRESSED 150
#define IDB_DOWN_FOCUSED 151
