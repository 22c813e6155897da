// Ids of the folder browser and of the picture-show insertion: its wizard,
// the dialog shown when the show programs are missing and the tip dialog.
#pragma once

// Folder browser and its new-folder dialog
#define IDD_NEW_FOLDER            131
#define IDD_FOLDER_BROWSER        2003
#define IDC_FOLDER_TREE           1001
#define IDC_FOLDER_PATH           1002
#define IDC_FOLDER_CREATE         1003
#define IDC_FOLDER_PROMPT         1004
#define IDC_NEW_FOLDER_NAME       1002
#define ID_FOLDER_SELCHANGED      1125   // sent by the tree when its folder changed

// Picture-show insertion
#define IDD_LUMIVANE_MISSING      161
#define IDD_LUMIVANE_TIP          208
#define IDD_LUMIVANE_PAGE1        2009
#define IDD_LUMIVANE_PAGE2        2010
#define IDD_LUMIVANE_PAGE3        2011
#define IDD_LUMIVANE_PAGE4        2012
#define IDD_LUMIVANE_PAGE5        2013
#define IDD_LUMIVANE_PAGE6        2014
#define IDI_LUMIVANE_PICTURES     162
#define IDI_PELMORA_START         208

#define IDC_SHOW_CONFIGURE        1010
#define IDC_SHOW_LINK             1012
#define IDC_SHOW_START_PELMORA    1014
#define IDC_SHOW_FOLDER           1015
#define IDC_SHOW_SETTINGS_BROWSE  1016
#define IDC_SHOW_SETTINGS_FILE    1017
#define IDC_SHOW_CAPTION          1018
#define IDC_SHOW_BASIC            1019
#define IDC_SHOW_BROWSE           1201
#define IDC_SHOW_COPY_PICTURES    1215
#define IDC_TIP_HOMEPAGE          1055
#define IDC_TIP_DONT_SHOW         1056

#define IDS_PATH_MISSING          189
#define IDS_LB_USE_LUMIVANE       231
#define IDS_SHOW_FOLDER_TITLE     2067
#define IDS_SHOW_FOLDER_PROMPT    2068
#define IDS_SHOW_SETTINGS_MISSING 2069
#define IDS_LUMIVANE_INSERT       2070
