// Ids of the list-box wizard, the PDF and slide-show insertion dialogs and the
// support dialog.
#pragma once

// Templates
#define IDD_SUPPORT             165
#define IDD_PPS_VIEWER          171
#define IDD_PPS_INSERT          173
#define IDD_LB_POS              185
#define IDD_LB_BUTTON           186
#define IDD_LB_FOLDER           188
#define IDD_LB_SCRIPT           204
#define IDD_LB_WELCOME          205
#define IDD_PDF_VIEWER          2018
#define IDD_PDF_INSERT          2019

// Strings
#define IDS_LB_START_PROGRAM    228
#define IDS_LB_SHOW_DOCUMENT    229
#define IDS_LB_SHOW_PICTURE     230
#define IDS_LB_CHOOSE_FOLDER    232
#define IDS_LB_ADD_PICTURE_TYPES 233
#define IDS_LB_FOLDER_OUTSIDE   236
#define IDS_LB_RUN              237
#define IDS_NO_FOLDER_GIVEN     2052

// List-box wizard pages
#define IDC_LB_FOLDER           1002
#define IDC_LB_APPLICATION      1021
#define IDC_LB_PARAMETER        1022
#define IDC_LB_PATTERN          1035
#define IDC_LB_DOCUMENT         1038
#define IDC_LB_OPEN_LIST        1041
#define IDC_LB_BROWSE           1051
#define IDC_LB_NO_STYLE         1052
#define IDC_LB_BUTTON_TEXT      1053
#define IDC_LB_LIST_TEXT        1054
#define IDC_LB_X                1110
#define IDC_LB_Y                1111
#define IDC_LB_WIDTH            1112
#define IDC_LB_HEIGHT           1113
#define IDC_LB_TITLE            1244
#define IDC_LB_LIST_FILE        1254

// Viewer and insert dialogs of PDF documents and slide shows
#define IDC_INS_FOLDER          1002
#define IDC_INS_LINK_LICENCE    1023
#define IDC_INS_LINK_DOWNLOAD   1024
#define IDC_INS_SETUP_PATH      1025
#define IDC_INS_BUTTON_TEXT     1027
#define IDC_INS_BROWSE          1201
#define IDC_INS_DOCUMENT        1254

// Support dialog
#define IDC_SUPPORT_TEXT        1127
#define IDC_SUPPORT_SEND        1128
#define IDC_SUPPORT_HELP        1129
