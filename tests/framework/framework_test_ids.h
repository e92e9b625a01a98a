#pragma once

#define IDD_TEST 100
#define IDC_NAME 1001
#define IDC_RUN 1002
#define IDC_HISTORY 1003
#define IDC_FILES 1004
#define IDR_FRAME 200
#define ID_FILE_REFRESH 40001
