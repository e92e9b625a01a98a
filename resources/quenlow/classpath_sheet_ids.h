#pragma once

// The class-path sheet's four pages, their controls, menus and pictures.
#define IDD_CP_SIBLINGS 167
#define IDD_CP_SYSTEM 168
#define IDD_CP_USER 169
#define IDD_CP_ONE_FOR_ALL 170

// The five "For" boxes, the same ids on every page.
#define IDC_CP_FOR_EXE 1094
#define IDC_CP_FOR_DOUBLE_CLICK 1095
#define IDC_CP_FOR_CLASS_INFO 1096
#define IDC_CP_FOR_COMPILE 1097
#define IDC_CP_FOR_EXECUTE 1140

#define IDC_CP_LIBRARY_TREE 1088
#define IDC_CP_JRE 1085
#define IDC_CP_JDK 1086
#define IDC_CP_SYSTEM_LIST 1093

#define IDC_CP_ZIP_LIST 1101
#define IDC_CP_ZIP_ADD 1104
#define IDC_CP_ZIP_REMOVE 1103
#define IDC_CP_DIR_LIST 1102
#define IDC_CP_DIR_ADD 1106
#define IDC_CP_DIR_REMOVE 1105

#define IDC_CP_SIBLING_LIST 1119
#define IDC_CP_SIBLING_TEXT 1120
#define IDC_CP_SIBLING_ADD 1124
#define IDC_CP_SIBLING_REMOVE 1125
#define IDC_CP_AUTO_JARS 1100
#define IDC_CP_AUTO_ZIPS 1101

#define IDC_CP_ONE_FOR_ALL 1123

#define IDB_CP_LIBRARY_TREE 152
#define IDM_CP_ADD_JAR 153
#define IDM_CP_REMOVE_JAR 154
#define ID_CP_ADD_AS_CLASSPATH 32783
#define ID_CP_REMOVE_JAR 32784
