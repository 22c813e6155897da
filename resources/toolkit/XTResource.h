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

// Pictures of the controls.
#define XT_IDB_ARROWSTRIP       4501    // 11-pixel images, magenta transparent: 4 is the drop-down arrow
#define XT_IDB_EDITGROUP        4505    // 14-pixel images of the edit list's buttons: new, delete, up, down
#define XT_IDB_CHECKBOXES       4507    // check list images: unchecked, checked, indeterminate
#define XT_IDI_WINDOWLIST       4508
#define XT_IDR_EDITMENU         4524    // tool bar with the images of the edit commands

// The window list dialog and its controls.
#define XT_IDD_WINDOWLIST       4516
#define XT_IDC_LBOX_WINDOWS     5553
#define XT_IDC_BTN_CASCADE      5554
#define XT_IDC_BTN_MINIMIZE     5555
#define XT_IDC_BTN_CLOSEWINDOWS 5556
#define XT_IDC_BTN_SAVE         5557
#define XT_IDC_BTN_TILEHORZ     5558
#define XT_IDC_BTN_TILEVERT     5559
#define XT_IDC_BTN_ACTIVATE     5560

// Context menus: popup 1 is the edit controls', popup 2 the list header's.
#define XT_IDM_POPUP            4519
#define XT_ID_EDIT_CLEAR        57632
#define XT_ID_EDIT_COPY         57634
#define XT_ID_EDIT_CUT          57635
#define XT_ID_EDIT_PASTE        57637
#define XT_ID_EDIT_SELECT_ALL   57642
#define XT_ID_EDIT_UNDO         57643
// The header controls' context menu: menu 4519 (submenu 2), its images in tool bar 4520.
#define XT_IDR_TBAR_HDR         4520
#define XT_IDS_COLUMNINFO       4542    // "Column Info": entry of a list's stored column widths
#define XT_IDC_SORTASC          53773
#define XT_IDC_SORTDSC          53774
#define XT_IDC_ALIGNLEFT        53775
#define XT_IDC_ALIGNCENTER      53776
#define XT_IDC_ALIGNRIGHT       53777

// Edit list, browse edit and folder chooser.
#define XT_IDC_EDIT_GROUP       5501
#define XT_IDC_ITEM_EDIT        5503
#define XT_IDC_BTN_NEW          5517
#define XT_IDC_BTN_DELETE       5518
#define XT_IDC_BTN_UP           5519
#define XT_IDC_BTN_DOWN         5520
#define XT_IDC_BTN_BROWSE       5521
#define XT_IDS_SELDIR           4555    // "Select Directory:"
#define XT_IDS_DOT3             4565    // "..."
#define XT_IDS_DEFEXT           4567    // "*.*"
#define XT_IDS_DEFFILT          4568    // "All Files (*.*)|*.*||"
#define XT_IDS_DEFTITLE         4569    // "Choose Directory Name:"
#define XT_IDS_DIRECTORIES      4650    // " Directories:"

// Colour dialog.
#define XT_IDD_COLORSTANDARD    4531
#define XT_IDD_COLORCUSTOM      4532
#define XT_IDS_COLORS           4647    // "Colors"
#define XT_IDS_NEW              4648    // "New"
#define XT_IDS_CURRENT          4649    // "Current"
#define XT_IDC_EDIT_RED         5531
#define XT_IDC_EDIT_GREEN       5533
#define XT_IDC_SPIN_HUE         5534
#define XT_IDC_EDIT_LUM         5535
#define XT_IDC_EDIT_SAT         5536
#define XT_IDC_EDIT_HUE         5537
#define XT_IDC_SPIN_SAT         5538
#define XT_IDC_SPIN_LUM         5539
#define XT_IDC_EDIT_BLUE        5540
#define XT_IDC_SPIN_RED         5541
#define XT_IDC_SPIN_GREEN       5542
#define XT_IDC_SPIN_BLUE        5543
#define XT_IDC_TXT_HUE          5544
#define XT_IDC_TXT_SAT          5545
#define XT_IDC_TXT_LUM          5546
#define XT_IDC_TXT_RED          5547
#define XT_IDC_TXT_GREEN        5548
#define XT_IDC_TXT_BLUE         5549
#define XT_IDC_CLR_HSL          5550
#define XT_IDC_CLR_LUM          5551
#define XT_IDC_CLR_HONEYCOMB    5552

// Bar-list menu: fallback names of bars without a window text.
#define XT_IDS_DOCKWND          4556    // "Dock Window"
#define XT_IDS_TOOLBAR          4558    // "Toolbar"
#define XT_IDS_STATUSBAR        4560    // "Status Bar"
#define XT_IDS_CONTROLBAR       4645    // "Control Bar"

// Window placement.
#define XT_IDS_WINDOWPOS        4538    // "Window Position": value of the main window's placement

// Dock windows.
#define XT_IDS_BARPOSITION      4537    // "Bar Position": value of a dock window's sizes
#define XT_IDS_BTN_CONTRACT     4545    // "Contract docked window"
#define XT_IDS_BTN_HIDE         5511    // "Hide docked window"
#define XT_IDS_BTN_EXPAND       5512    // "Expand docked window"
