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

// The header controls' context menu: menu 4519 (submenu 2), its images in tool bar 4520.
#define XT_IDM_POPUP            4519
#define XT_IDR_TBAR_HDR         4520
#define XT_IDS_COLUMNINFO       4542    // "Column Info": entry of a list's stored column widths
#define XT_IDC_SORTASC          53773
#define XT_IDC_SORTDSC          53774
#define XT_IDC_ALIGNLEFT        53775
#define XT_IDC_ALIGNCENTER      53776
#define XT_IDC_ALIGNRIGHT       53777
