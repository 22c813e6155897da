// Fixed numbers of the editor's property, option, style and tool dialogs:
// templates, their controls and the strings they show.
#pragma once

// Templates
#define IDD_TITLEBAR            133
#define IDD_WINDOWPOS           135
#define IDD_SPLASH              137
#define IDD_FLAGS               140
#define IDD_PROGRAM             142
#define IDD_GRID                144
#define IDD_HYPERTEXT_BUTTON    158
#define IDD_DESKTOP             159
#define IDD_BUTTON_STYLE        160
#define IDD_LANGUAGE            166
#define IDD_FRAMELESS           168
#define IDD_GRAPHICS_PROGRAM    175
#define IDD_ALIGN_VERT          179
#define IDD_ALIGN_HORZ          180
#define IDD_VIRTUAL_DRIVE       181
#define IDD_IMAGE_FORMAT        183
#define IDD_BUT_PAGE_TEXT       199
#define IDD_BUT_PAGE_LINK       200
#define IDD_BUT_PAGE_SOUND      201
#define IDD_BUT_PAGE_STYLE      202
#define IDD_INSERT_TEXT         132
#define IDD_BACKGROUND_IMAGE    138
#define IDD_SOUND               139
#define IDD_TEXT_FIELD          145
#define IDD_AVI_PROPS           149
#define IDD_INSERT_OBJECTS      152
#define IDD_TOOLTIP             162
#define IDD_START_EVENTS        172
#define IDD_TEXT_FONT           174
#define IDD_POPUP_MENU          209
#define IDD_POPUP_ITEM          210
#define IDD_TOOLTIP_PICTURE     211
#define IDD_VIEWER_OPTIONS      225
#define IDD_SLIDER_PROPS        2007
#define IDD_INSERT_PICTURE      2008
#define IDD_ICON_CONVERTER      151
#define IDD_ICON_IMAGE          153

// Strings
#define IDS_FILE_CANNOT_OPEN        162
#define IDS_STARTER_NOT_IN_PROJECT  169
#define IDS_NO_FREE_DRIVE           186
#define IDS_FILE_TYPE_REFUSED       205
#define IDS_FILE_NOT_IN_PROJECT     206
#define IDS_EFFECT_NONE             210
#define IDS_EFFECT_RAISED           211
#define IDS_EFFECT_EMBOSSED         212
#define IDS_VIEWER_NEEDS_DOCUMENT   203
#define IDS_NO_FILE_GIVEN           2051
#define IDS_ONLY_PICTURE_TYPES      132
#define IDS_ICON_NOT_CONVERTED      136
#define IDS_OBJECT_NOT_ON_PAGE      3000
#define IDS_OBJECT_CORNER_NEGATIVE  3001
#define IDS_NOT_A_STATE_STRIP       3002
#define IDS_FOLDER_NAME_UNUSABLE    3003
#define IDS_FOLDER_NOT_MADE         3004
#define IDS_FILE_NOT_COPIED         3005
#define IDS_VIEWER_LINE_TOO_LONG    3006
#define IDS_POPUP_ITEM_TOO_LONG     3007
#define IDS_BACKGROUND_NO_FILE      3008

// The help button of most option dialogs
#define IDC_DLG_HELP            1063

// Button sheet, page "Text"
#define IDC_BUT_CAPTION         1002
#define IDC_BUT_TOOLTIP         1104
// Page "Verknüpfung"
#define IDC_BUT_DOCUMENT        1020
#define IDC_BUT_APPLICATION     1021
#define IDC_BUT_PARAMETER       1022
#define IDC_BUT_BROWSE_DOCUMENT 1023
#define IDC_BUT_BROWSE_APP      1024
#define IDC_BUT_FUNCTION        1045
#define IDC_BUT_FUNCTION_INFO   1246
#define IDC_BUT_LINK_INFO       1247
// Page "Sound"
#define IDC_BUT_START_SOUND     1173
#define IDC_BUT_STOP_SOUND      1174
#define IDC_BUT_SOUND_LOOP      1162
#define IDC_BUT_SOUND_FILE      1175
#define IDC_BUT_BROWSE_SOUND    1176
// Page "Position, Stil" (the style radios in this tab order)
#define IDC_BUT_X               1000
#define IDC_BUT_Y               1001
#define IDC_BUT_WIDTH           1008
#define IDC_BUT_HEIGHT          1009
#define IDC_BUT_STYLE_WINDOW    1231
#define IDC_BUT_STYLE_IMAGE     1211
#define IDC_BUT_STYLE_DRAW      1210
#define IDC_BUT_STYLE_HYPERTEXT 1212
#define IDC_BUT_STYLE_BITMAP    1213
#define IDC_BUT_STYLE_OFFICE    1005
#define IDC_BUT_STYLE_MONO      1006
#define IDC_BUT_HYPERTEXT_PROPS 1086
#define IDC_BUT_BROWSE_IMAGE    1087
#define IDC_BUT_IMAGE_FILE      1177
#define IDC_BUT_EDIT_IMAGE      1003
#define IDC_BUT_EXAMPLES        1031

// Window position and size
#define IDC_WINPOS_X            1000
#define IDC_WINPOS_Y            1001
#define IDC_WINPOS_WIDTH        1008
#define IDC_WINPOS_HEIGHT       1009
#define IDC_WINPOS_CENTER       1016
#define IDC_WINPOS_AS_PICTURE   1017
#define IDC_WINPOS_SIZE_GIVEN   1018
#define IDC_WINPOS_POSITION     1019
#define IDC_WINPOS_BORDER       1133
#define IDC_WINPOS_FRAMELESS    1136
// Frameless window
#define IDC_FRAMELESS_WIDTH     1134
#define IDC_FRAMELESS_HEIGHT    1135
#define IDC_FRAMELESS_HELP      1168
// Desktop
#define IDC_DESKTOP_COLOR       1070
#define IDC_DESKTOP_COVER       1091
// Flags
#define IDC_FLAGS_SHOW_ERRORS   1031
#define IDC_FLAGS_ESCAPE        1171
// Title bar
#define IDC_TITLE_TEXT          1005
// Welcome screen
#define IDC_SPLASH_LINE1        1028
#define IDC_SPLASH_LINE2        1029
#define IDC_SPLASH_LINE3        1030
#define IDC_SPLASH_LINE4        1031
#define IDC_SPLASH_ICON_BROWSE  1037
#define IDC_SPLASH_ICON         1068
#define IDC_SPLASH_COLOR        1070
#define IDC_SPLASH_TIME         1071
#define IDC_SPLASH_ENABLE       1091
#define IDC_SPLASH_PICTURE_MODE 1101
#define IDC_SPLASH_PICTURE      1102
#define IDC_SPLASH_PICTURE_BROWSE 1232
// Editor language
#define IDC_LANG_ENGLISH        1130
#define IDC_LANG_GERMAN         1131
// Picture format hint
#define IDC_IMGFMT_READ         1029
#define IDC_IMGFMT_DONT_SHOW    1030

// Hypertext button
#define IDC_HYPER_IDLE_FONT     1089
#define IDC_HYPER_IDLE_COLOR    1090
#define IDC_HYPER_OVER_FONT     1091
#define IDC_HYPER_OVER_COLOR    1092
#define IDC_HYPER_DOWN_FONT     1093
#define IDC_HYPER_DOWN_COLOR    1094
// Central button style
#define IDC_STYLE_EFFECT        1051
#define IDC_STYLE_COLOR         1070
#define IDC_STYLE_FONT          1093
#define IDC_STYLE_HOVER         1094
#define IDC_STYLE_BRIGHTNESS    1095
#define IDC_STYLE_AUTO_BRIGHT   1096
#define IDC_STYLE_MANUAL_BRIGHT 1097

// Grid
#define IDC_GRID_SIZE           1029
#define IDC_GRID_SNAP           1030
// Align buttons
#define IDC_ALIGN_X             1110
#define IDC_ALIGN_Y             1111
#define IDC_ALIGN_WIDTH         1112
#define IDC_ALIGN_HEIGHT        1113
#define IDC_ALIGN_VERT_GAP      1169
#define IDC_ALIGN_HORZ_GAP      1170
// Program file and graphics program
#define IDC_PROGRAM_PATH        1028
#define IDC_GRAPHICS_PATH       1032
#define IDC_PROGRAM_BROWSE      1201
// Virtual drive
#define IDC_VDRIVE_CREATE       1003
#define IDC_VDRIVE_DELETE       1178
#define IDC_VDRIVE_TEST         1179
#define IDC_VDRIVE_LETTER       1180
#define IDC_VDRIVE_SHOW         1181
#define IDC_VDRIVE_SEARCH       1183
#define IDC_VDRIVE_HELP         1184

// Objects on the page: AVI clip, background picture, picture, volume slider
#define IDC_OBJ_X               1000
#define IDC_OBJ_Y               1001
#define IDC_OBJ_BROWSE          1007
#define IDC_OBJ_COLOR           1160
#define IDC_OBJ_FILE            1254
#define IDC_AVI_REPEAT          1008
#define IDC_AVI_BORDER          1133
#define IDC_BKIMG_FILE          1028
#define IDC_BKIMG_BROWSE        1029
#define IDC_BKIMG_ENABLE        1030
#define IDC_BKIMG_FIT           1040
#define IDC_BKIMG_CENTER        1041
#define IDC_BKIMG_POSITION      1042
#define IDC_BKIMG_LEGACY        1098
#define IDC_SLIDER_WIDTH        1009
#define IDC_SLIDER_HEIGHT       1010
#define IDC_INSOBJ_LINK         1012
// Text object, default text font
#define IDC_TEXT_TEXT           1002
#define IDC_TEXT_COLOR          1003
#define IDC_TEXT_HELP           1029
#define IDC_TEXT_EFFECT         1051
#define IDC_TEXT_FONT           1084
// Text field
#define IDC_TFIELD_WIDTH        1008
#define IDC_TFIELD_HEIGHT       1009
#define IDC_TFIELD_DOCUMENT     1020
#define IDC_TFIELD_BROWSE       1023
#define IDC_TFIELD_VSCROLL      1053
#define IDC_TFIELD_HSCROLL      1054
// Text viewer options (each radio group in this tab order)
#define IDC_VIEWER_WIDTH        1008
#define IDC_VIEWER_HEIGHT       1009
#define IDC_VIEWER_HELP         1161
#define IDC_VIEWER_TITLE        1203
#define IDC_VIEWER_BACKCOLOR    1248
#define IDC_VIEWER_TEXTCOLOR    1249
#define IDC_VIEWER_MENU         1250
#define IDC_VIEWER_COURIER      1251
#define IDC_VIEWER_ARIAL        1255
#define IDC_VIEWER_ICON1        1252
#define IDC_VIEWER_ICON2        1256
#define IDC_VIEWER_ICON3        1257
#define IDC_VIEWER_BROWSE       1253
#define IDC_VIEWER_DOCUMENT     1254
// Popup menu and its entry
#define IDC_POPUP_EDIT          1041
#define IDC_POPUP_UP            1059
#define IDC_POPUP_DOWN          1060
#define IDC_POPUP_LIST          1062
#define IDC_POPUP_ADD           1063
#define IDC_POPUP_HELP          1161
#define IDC_POPUP_DELETE        1178
#define IDC_POPUP_PREVIEW       1179
#define IDC_POPUP_CAPTION       1203
#define IDC_POPUP_HEADING       1244
#define IDC_PITEM_APPLICATION   1021
#define IDC_PITEM_PARAMETER     1022
#define IDC_PITEM_CAPTION       1037
#define IDC_PITEM_DOCUMENT      1038
#define IDC_PITEM_BROWSE_DOC    1064
#define IDC_PITEM_BROWSE_APP    1065
#define IDC_PITEM_ACTION        1066
// Tooltip settings and tooltip picture
#define IDC_TIP_CENTER          1068
#define IDC_TIP_PICTURE         1069
#define IDC_TIP_PICTURE_BROWSE  1070
#define IDC_TIP_ENABLE          1091
#define IDC_TIP_TRANSPARENT     1105
#define IDC_TIP_FONT            1106
#define IDC_TIP_FONTCOLOR       1107
#define IDC_TIP_BACKCOLOR       1108
#define IDC_TIP_TEXT            1109
#define IDC_TIP_X               1110
#define IDC_TIP_Y               1111
#define IDC_TIP_WIDTH           1112
#define IDC_TIP_HEIGHT          1113
// Sound settings and start events
#define IDC_SOUND_ENABLE        1091
#define IDC_SOUND_LOOP          1115
#define IDC_SOUND_FILE          1165
#define IDC_SOUND_BROWSE        1201
#define IDC_STARTEV_SPLASH      1157
#define IDC_STARTEV_SOUND       1158
#define IDC_STARTEV_LOOP        1162
#define IDC_STARTEV_BROWSE      1164
#define IDC_STARTEV_HELP        1161

// Icon image and icon converter
#define IDC_ICONIMG_16          1007
#define IDC_ICONIMG_32          1010
#define IDC_ICONIMG_16COLORS    1011
#define IDC_ICONIMG_FILE        1028
#define IDC_ICONIMG_BROWSE      1037
#define IDC_ICONIMG_256COLORS   1038
#define IDC_ICONIMG_SWATCH      1067
#define IDC_ICONIMG_PREVIEW     1078
#define IDC_ICONIMG_PICK        1079
#define IDC_ICONCONV_LOAD       1060
#define IDC_ICONCONV_SAVE       1062
#define IDC_ICONCONV_SLOT0      1080
#define IDC_ICONCONV_SLOT1      1081
#define IDC_ICONCONV_SLOT2      1082
#define IDC_ICONCONV_SLOT3      1083

// Command to the button sheet: the button-image program has handed back a file.
#define ID_BUTTON_IMAGE_READY   143
