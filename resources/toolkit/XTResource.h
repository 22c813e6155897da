// Resource numbers of the toolkit, fixed: the editor's script includes the
// toolkit's script, and the toolkit loads these from its resource module.
#pragma once

#define XT_IDB_BARBUTTONS       4500    // nine 10-pixel caption images of dock windows
#define XT_IDC_DRAGCOPY         4509
#define XT_IDC_DRAGMOVE         4510
#define XT_IDC_SPARE1           4511
#define XT_IDC_SIZECOL          4512
#define XT_IDC_DRAGNONE         4513
#define XT_IDC_SIZEROW          4514
#define XT_IDC_SPARE2           4515
#define XT_IDB_CAPTIONGLYPHS    4656    // caption glyphs of floating frames: 2 close, 3 drop-down

// Strings of the cool menus.
#define XT_IDS_RECENTITEMLIST   4539    // "Recent Item List": section of the recently used commands
#define XT_IDS_RECENTITEM       4540    // "Item%d": one of them
#define XT_IDS_CHEVRON          53783   // "Display full menus"

// Strings of the accelerator and tools managers.
#define XT_IDS_SETTINGS         4536    // "Settings": section of the toolkit's stored settings
#define XT_IDS_CUSTOMIZE        4550    // "Customize...": the Tools menu's last entry
