// Resource identifiers of OrvDeploy.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif

// Dialog templates
#define IDD_ABOUTBOX            100
#define IDD_WIZARD              139
#define IDD_WELCOME_PAGE        145
#define IDD_DONE_PAGE           161

// Strings
#define IDS_ABOUTBOX            101
#define IDS_DONE_INTERRUPTED    129
#define IDS_RUNNING_VC          138
#define IDS_CANCEL_QUESTION     141
#define IDS_CANCEL_CAPTION      142
#define IDS_DONE_SUCCEEDED      1051
#define IDS_DONE_WITH_ERRORS    1052
#define AFX_IDS_APP_TITLE       57344

// Icons and bitmaps
#define IDR_MAINFRAME           143
#define IDB_BANNER              148
#define IDB_SIDE                149
#define IDB_BULLET              172

// Controls of the wizard frame
#define IDC_BRAND_LABEL         1008
#define IDC_BACK                1012
#define IDC_NEXT                1015
#define IDC_FINISH              1018

// Text controls that the page base binds as labels; 1034 is the bold title.
#define IDC_PAGE_TITLE          1034
#define IDC_PAGE_TEXT           1005
#define IDC_PAGE_ITEM1          1056
#define IDC_PAGE_ITEM2          1046
#define IDC_PAGE_ITEM3          1047
#define IDC_PAGE_ITEM4          1048
#define IDC_PAGE_NOTE           1054
#define IDC_PAGE_FOOTER         1055

// System-menu command of the About box
#define IDM_ABOUTBOX            0x0010
