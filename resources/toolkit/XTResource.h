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

// Tool bar.
#define XT_IDS_REGSETTINGS      4534    // "Software\%s\%s\Settings": key of a bar's stored state

// Menu bar. Its MDI buttons draw images 0 (Minimize), 1 (Restore) and 2
// (Close) of XT_IDB_CAPTIONGLYPHS.
#define XT_IDS_MENUBAR          4644    // "Menu Bar": the bar's window text
#define XT_IDS_MOREWINDOWS      4653    // "More Windows...": last entry of the window list
#define XT_IDS_MINIMIZEWND      4660    // "Minimize Window"
#define XT_IDS_RESTOREWND       4661    // "Restore Window"
#define XT_IDS_CLOSEWND         4662    // "Close Window"
#define XT_IDS_TOOLSMENU        4664    // "&Tools": the user tools' popup

// Colour picker popup: its buttons, tips and the colours' names.
#define XT_IDS_NOFILL           4633    // "No Fill"
#define XT_IDS_NOCOLOR          4634    // "No Color": tip of "No Fill"
#define XT_IDS_AUTOMATIC        4635    // "Automatic"
#define XT_IDS_AUTOMATICCLR     4636    // "Automatic Color": its tip
#define XT_IDS_MORECOLORS       4637    // "More Colors...": the button
#define XT_IDS_MORECOLORS_TIP   4638    // "More Colors": tip of the button and the custom colours
#define XT_IDS_STDCOLORS        4639    // "Standard Colors"
#define XT_IDS_CLR_BLACK            4700
#define XT_IDS_CLR_GRAY             4701
#define XT_IDS_CLR_MAROON           4702
#define XT_IDS_CLR_OLIVE            4703
#define XT_IDS_CLR_GREEN            4704
#define XT_IDS_CLR_TEAL             4705
#define XT_IDS_CLR_NAVY             4706
#define XT_IDS_CLR_PURPLE           4707
#define XT_IDS_CLR_WHITE            4708
#define XT_IDS_CLR_SILVER           4709
#define XT_IDS_CLR_RED              4710
#define XT_IDS_CLR_YELLOW           4711
#define XT_IDS_CLR_LIME             4712
#define XT_IDS_CLR_AQUA             4713
#define XT_IDS_CLR_BLUE             4714
#define XT_IDS_CLR_FUCHSIA          4715
#define XT_IDS_CLR_BROWN            4716
#define XT_IDS_CLR_OLIVE_GREEN      4717
#define XT_IDS_CLR_DARK_GREEN       4718
#define XT_IDS_CLR_DARK_TEAL        4719
#define XT_IDS_CLR_DARK_BLUE        4720
#define XT_IDS_CLR_INDIGO           4721
#define XT_IDS_CLR_GRAY80           4722
#define XT_IDS_CLR_DARK_RED         4723
#define XT_IDS_CLR_ORANGE           4724
#define XT_IDS_CLR_DARK_YELLOW      4725
#define XT_IDS_CLR_BLUE_GRAY        4726
#define XT_IDS_CLR_GRAY50           4727
#define XT_IDS_CLR_LIGHT_ORANGE     4728
#define XT_IDS_CLR_SEA_GREEN        4729
#define XT_IDS_CLR_LIGHT_BLUE       4730
#define XT_IDS_CLR_VIOLET           4731
#define XT_IDS_CLR_GRAY40           4732
#define XT_IDS_CLR_PINK             4733
#define XT_IDS_CLR_GOLD             4734
#define XT_IDS_CLR_BRIGHT_GREEN     4735
#define XT_IDS_CLR_TURQUOISE        4736
#define XT_IDS_CLR_SKY_BLUE         4737
#define XT_IDS_CLR_PLUM             4738
#define XT_IDS_CLR_GRAY25           4739
#define XT_IDS_CLR_ROSE             4740
#define XT_IDS_CLR_TAN              4741
#define XT_IDS_CLR_LIGHT_YELLOW     4742
#define XT_IDS_CLR_LIGHT_GREEN      4743
#define XT_IDS_CLR_LIGHT_TURQUOISE  4744
#define XT_IDS_CLR_PALE_BLUE        4745
#define XT_IDS_CLR_LAVENDER         4746
// Customisation: the customise sheet, its pages and the bars' questions.
#define XT_IDS_BLANKNAME        4559    // "The toolbar name cannot be blank. Type a name."
#define XT_IDS_NAMEEXISTS       4561    // "A toolbar named '%s' already exists. Type another name."
#define XT_IDS_LIMITREACHED     4562    // "Sorry you have reached your limit."
#define XT_IDS_CUSTOMNAME       4563    // "Custom %d"
#define XT_IDS_DELETEBAR        4564    // "Are you sure you want to delete the '%s' toolbar?"
#define XT_IDS_NOHELPTOPIC      4566    // "No help topic is associated with this item.\nCommand ID %d"
#define XT_IDS_CLOSE            4585    // "Close": the sheet's Cancel button
#define XT_IDS_RESETTOOLBAR     4590    // the question before a tool bar's reset
#define XT_IDS_CUSTOMIZESHEET   4646    // "Customize": the sheet's caption
#define XT_IDS_REASSIGNKEY      4659    // "This shortcut is currently assigned ..."
#define XT_IDS_PATHINVALID      4665    // "The path is invalid."
#define XT_IDS_RESETKEYS        4666    // "Are you sure you want to reset the key assignments? ..."
#define XT_IDS_RESETUSAGE       4667    // "This will delete the record of the commands you've used ..."
#define XT_IDS_BROWSE           4668    // "Browse"
#define XT_IDS_EXEFILTER        4669    // the Tools page's file filter
#define XT_IDS_MENUCONTENTS     4670    // " &Menu contents:"
// The customise sheet's pages and the name dialog.
#define XT_IDD_CUSTTOOLS        4517    // "Tools"
#define XT_IDD_CUSTOPTIONS      4518    // "&Options"
#define XT_IDD_CUSTTOOLBARS     4527    // "Tool&bars"
#define XT_IDD_CUSTCOMMANDS     4528    // "&Commands"
#define XT_IDD_CUSTKEYBOARD     4529    // "Keyboard"
#define XT_IDD_NEWTOOLBAR       4530    // "New Toolbar"
#define XT_IDC_TOOLBARNAME      5502
#define XT_IDC_LIST_TOOLBARS    5504
#define XT_IDC_LIST_CATEGORIES  5505
#define XT_IDC_LIST_COMMANDS    5506
#define XT_IDC_TXT_COMMANDS     5509
#define XT_IDC_TXT_SELECTED     5510
#define XT_IDC_BTN_RENAME       5525
#define XT_IDC_BTN_RESET        5526
#define XT_IDC_BTN_DESCRIPTION  5527
#define XT_IDC_CHK_MENUSHADOWS  5528
#define XT_IDC_CHK_RECENTFIRST  5529
#define XT_IDC_CHK_FULLMENUS    5530
#define XT_IDC_CHK_SCREENTIPS   5531
#define XT_IDC_CHK_TIPKEYS      5532
#define XT_IDC_LIST_KEYCOMMANDS 5561
#define XT_IDC_LIST_KEYS        5562
#define XT_IDC_EDIT_SHORTCUT    5564
#define XT_IDC_COMBO_CATEGORY   5565
#define XT_IDC_BTN_ASSIGN       5566
#define XT_IDC_BTN_RESETALL     5567
#define XT_IDC_BTN_REMOVE       5568
#define XT_IDC_TXT_NEWKEY       5570
#define XT_IDC_TXT_ASSIGNMENTS  5571
#define XT_IDC_TXT_KEYCOMMANDS  5572
#define XT_IDC_TXT_DESCRIPTION  5573
#define XT_IDC_TXT_DESCLABEL    5574
#define XT_IDC_CHK_FULLDRAG     5575
#define XT_IDC_SEP_PERSONAL     5578
#define XT_IDC_SEP_OTHER        5579
#define XT_IDC_LIST_TOOLS       4664
#define XT_IDC_EDIT_TOOLCOMMAND 4665
#define XT_IDC_EDIT_TOOLARGS    4666
#define XT_IDC_EDIT_TOOLDIR     4667

