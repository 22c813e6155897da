// Fixed resource numbers of the editor.
#pragma once

// Main frame (menu, accelerators, icon, title) and the project document type
// (its shared menu, accelerators and document string).
#define IDR_MAINFRAME 128
#define IDR_TARNIXTYPE 129

// Tool bars (each a TOOLBAR with its BITMAP): the main bar, the object bar, and
// the insert and page commands' images for the menus. The object bar has an id
// of its own: its saved layout must not take the main bar's place.
#define IDR_TOOLBAR_MAIN 128
#define IDR_TOOLBAR_OBJECTS 129
#define IDR_TOOLBAR_INSERT 147
#define IDR_TOOLBAR_PAGE 157
#define ID_VIEW_EXPLORER 0xE80A       // the explorer side bar's id, and its menu entry
#define ID_VIEW_OBJECTBAR 0xE80B      // the object tool bar's id, and its menu entry
#define IDB_EXPLORER_TAB 132          // the side bar's tab image (green mask)

// The cursors of the object tool bar's drags.
#define IDC_DRAG_BUTTON 130
#define IDC_DRAG_TEXT 131
#define IDC_DRAG_TEXTFIELD 140
#define IDC_DRAG_TEXTVIEWER 141
#define IDC_DRAG_SHOW 142
#define IDC_DRAG_AVI 153
#define IDC_DRAG_SLIDER 154
#define IDC_DRAG_IMAGE 155
#define IDC_DRAG_SUBMENU 156
#define IDC_DRAG_SLIDES 157
#define IDC_DRAG_PDF 158
#define IDC_DRAG_LISTBOX 159
#define IDC_DRAG_POPUP 160

// The explorer list's column titles.
#define IDS_EXPLORER_NAME 2080
#define IDS_EXPLORER_SIZE 2081
#define IDS_EXPLORER_TYPE 2082
#define IDS_EXPLORER_MODIFIED 2083

// The kinds of objects in the project report (pictures and sliders have theirs).
#define IDS_REPORT_BUTTON 2084
#define IDS_REPORT_TEXT 2085
#define IDS_REPORT_TEXTFIELD 2086
#define IDS_REPORT_AVICLIP 2087
#define IDS_REPORT_LISTBOX 2088

// The hand cursor over buttons and links of the canvas.
#define IDC_EDITOR_HAND 151

// Commands of the application, the document and the main frame.
#define ID_PAGE_NEW 106               // the page menu's first entry; page commands follow it
#define ID_VIEW_GRID_CHANGED 152      // posted: the grid settings changed
#define ID_OBJECT_CLICKED 153         // a canvas button tells its page window of a click
#define ID_PROJECT_REOPEN 164         // posted: open the project again after its update
#define ID_EDITOR_SETTINGS 32800
#define ID_TOOLS_ICON 32804
#define ID_HELP_SUPPORT 32814
#define ID_EDITOR_LANGUAGE 32815
#define ID_PROJECT_COMPILE 32819
#define ID_STYLE_TEXT_FONT 32834
#define ID_HELP_TARNIX 32797
#define ID_HELP_QUICKINFO 32841       // posted after the first new project
#define ID_START_CENTER 32845
#define ID_PROJECT_OPEN_REQUESTED 32850
#define ID_EDITOR_GRAPHICS 32876
#define ID_ORVENNA_OPEN 32878
#define ID_POPUP_ITEM 1224            // entries of a canvas popup menu; the frame ignores them

// Strings
#define IDS_ONLY_INI_FILES 133
#define IDS_BAD_PROJECT_PATH 134
#define IDS_PROJECT_PATH_FAILED 139
#define IDS_ASK_VERSION_UPDATE 148
#define IDS_RESTART_FOR_LANGUAGE 149
#define IDS_WARNING 150
#define IDS_ERROR 151
#define IDS_ASK_OVERWRITE_PROJECT 173
#define IDS_FILE_OUTSIDE_PROJECT 175
#define IDS_FOLDER_TITLE 184
#define IDS_FOLDER_PROMPT 185
#define IDS_ROOT_FOLDER 187
#define IDS_SUBMENU_TITLE 192
#define IDS_SUBMENU_BACK 193
#define IDS_SUBMENU_FILE 194
#define IDS_OPEN_MENU 195
#define IDS_FOLDER_OUTSIDE_PROJECT 227
#define IDS_READ_ONLY_PROJECT 2059
#define IDS_INVALID_PROJECT 2060
// A page another program wrote: the file, the VERSION line found, the one expected.
#define IDS_FOREIGN_PROJECT 2075
#define IDS_NO_VERSION_LINE 2076
#define IDS_HELP_MISSING 2074
#define IDS_SUBMENU_RENAMED 2066

// Captions of the button actions, in action code order except the last two.
#define IDS_ACTION_NONE     213
#define IDS_ACTION_NEWPAGE  214
#define IDS_ACTION_MESSAGE  215
#define IDS_ACTION_EXIT     216
#define IDS_ACTION_PLAYAVI  218

// About box: build text, file version, system, home page link (a translated
// template may carry the address as 1073).
#define IDD_ABOUTBOX 100
#define IDC_ABOUT_LINK 1030
#define IDC_ABOUT_BUILD 1033
#define IDC_ABOUT_HOMEPAGE 1073
#define IDC_ABOUT_FILEVERSION 1125
#define IDC_ABOUT_OS 1126

// Start Center: four choices with pictures and the texts beside them.
#define IDD_START_CENTER 184
#define IDC_START_BACK 1185
#define IDC_START_NEW 1186
#define IDC_START_OPEN 1187
#define IDC_START_EXIT 1220
#define IDC_START_TITLE 1216
#define IDC_START_NEW_TITLE 1217
#define IDC_START_OPEN_TITLE 1218
#define IDC_START_EXIT_TITLE 1219
#define IDC_START_LABEL1 1221
#define IDC_START_LABEL5 1225
#define IDC_START_NOTE1 1226
#define IDC_START_NOTE5 1230
#define IDI_START_OPEN 185
#define IDB_START_BACK 206
#define IDI_START_EXIT 207
#define IDB_START_WINDOWS 209

// Open project: the recent projects and a file chooser.
#define IDD_OPEN_PROJECT 187
#define IDC_RECENT_PROJECTS 1189
#define IDC_BROWSE_PROJECT 1187

// New project: the folder to lay the project out in.
#define IDD_NEW_PROJECT 141
#define IDC_PROJECT_FOLDER 1036
#define IDC_BROWSE_FOLDER 1037
#define IDC_HELP_BUTTON 1063
// The canvas and its commands
#define IDC_SELECT_CURSOR 143         // cursor while marking with the rubber band
#define ID_OBJ_BUTTON 101
#define ID_OBJ_TEXT 102
#define ID_VIEW_TOOLBAR_DROP 103      // posted: a tool bar button was dropped on the canvas
#define ID_VIEW_EXPLORER_DROP 104     // a file was dropped from the explorer side bar
#define ID_VIEW_BUTTON_INSERTED 142   // posted after a button was inserted
#define ID_RUN_PLAYER 144             // posted: the test run's second half
#define ID_OBJ_TEXT_AT_MARK 147
#define ID_OBJ_BUTTON_AT_MARK 148
#define ID_OBJ_TEXTFIELD_AT_MARK 149
#define ID_OBJ_SUBMENU_AT_MARK 150
#define ID_OBJ_AVICLIP 154
#define ID_OBJ_SLIDER 155
#define ID_HELP_OBJECTS 156
#define ID_OBJ_IMAGE 157
#define ID_OBJ_TEXTFIELD 32773
#define ID_OBJ_TEXTVIEWER 32774
#define ID_OBJ_PICTURESHOW 32775
#define ID_PAGE_BACKIMAGE 32776
#define ID_PAGE_TITLE 32777
#define ID_PAGE_WINDOWPOS 32779
#define ID_PAGE_SOUND 32780
#define ID_OBJ_DELETE 32781
#define ID_PROJECT_EXPLORE 32783
#define ID_PAGE_GRAPHICS 32784
#define ID_PAGE_BACKCOLOR 32785
#define ID_PROJECT_REPORT 32786
#define ID_OBJ_CHANGE 32791
#define ID_PAGE_WELCOME 32792
#define ID_PAGE_FLAGS 32793
#define ID_OBJ_PDFSTARTER 32794
#define ID_PROJECT_TEST 32796
#define ID_OBJ_SLIDESHOW 32798
#define ID_OBJ_SUBMENU 32801
#define ID_PAGE_DESKTOP 32805
#define ID_STYLE_BUTTONS 32806
#define ID_PAGE_TOOLTIPS 32807
#define ID_PROJECT_REFRESH 32816
#define ID_PAGE_START_EVENTS 32823
#define ID_VIEW_SELECT 32836
#define ID_ALIGN_VERTICAL 32837
#define ID_ALIGN_HORIZONTAL 32838
#define ID_VIEW_TABORDER 32839
#define ID_PAGE_VIRTUAL_DRIVE 32840
#define ID_OBJ_POPUPMENU 32879
#define ID_OBJ_LISTBOX 32880
#define IDS_MENU_CUT 176
#define IDS_MENU_COPY 177
#define IDS_MENU_PASTE 178
#define IDS_MENU_ALIGN_VERT 180
#define IDS_MENU_ALIGN_HORZ 181
#define IDS_MENU_TABORDER 182
#define IDS_MENU_PROPERTIES 183
#define IDS_MENU_NEW_BUTTON 197
#define IDS_MENU_NEW_TEXT 198
#define IDS_MENU_NEW_TEXTFIELD 223
#define IDS_MAX_OBJECTS 2050
#define IDS_AVI_NOT_PLAYABLE 2061
#define IDS_KIND_SLIDER 2062
#define IDS_KIND_IMAGE 2063
#define IDS_IMAGE_FORMAT_ERROR 138
#define IDS_PLAYER_NOT_IN_PROJECT 2072
#define IDS_SIBLING_MISSING 2073

#include "DialogIds.h"
#include "WizardIds.h"
#include "ShowIds.h"
