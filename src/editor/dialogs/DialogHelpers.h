// Small pieces the editor's dialogs share: enabling items that may be missing
// from a template, the colour and file choosers with the editor's settings,
// and the picture types that deserve the format hint.
#pragma once

#include "framework/Size.h"
#include "framework/String.h"

class CFontDesc;
class CWnd;

// EnableWindow on the dialog's item, when the template has it.
void EnableDlgItem(CWnd* pDlg, int nID, BOOL bEnable);

// The system colour dialog, fully open and started on the colour; TRUE (and
// the new colour) on OK.
BOOL ChooseColorFor(CWnd* pParent, COLORREF& crColor);

// The font dialog on the description's LOGFONT (and, with bWithColor, its
// colour); TRUE when the description took the choice.
BOOL ChooseFontFor(CFontDesc& font, BOOL bWithColor);

// An open-file dialog with the filter ("text|pattern||"), default extension,
// preset file name and start folder (each may be null); TRUE on OK with a
// path that is not empty.
BOOL BrowseForFile(CWnd* pParent, LPCSTR lpszFilter, LPCSTR lpszDefExt, LPCSTR lpszFileName, LPCSTR lpszInitialDir,
                   CString& strPath);

// Fills the dialog's combo with the text effect captions in code order and
// selects the effect; nothing when the template lacks the combo.
void FillEffectCombo(CWnd* pDlg, int nID, int nEffect);
// The combo's selected effect; 0 without combo or selection.
int GetEffectComboSelection(CWnd* pDlg, int nID);

// TRUE when the file exists and can be opened for reading (a folder cannot).
BOOL IsReadableFile(const CString& strPath);
// A readable file whose name holds ".exe" after its first character.
BOOL IsReadableProgram(const CString& strPath);

// TRUE when the name ends in ".gif" or ".jpg", in any case.
BOOL IsGifOrJpgName(const CString& strPath);

class CDataExchange;

// An integer field that only matters while bApplies (a size taken from the
// picture, a time of a switched-off screen): then it is read with its range
// check; otherwise a value within the range is taken and anything else leaves
// the member as it was, without a message.
void DDX_IntIfApplies(CDataExchange* pDX, int nID, int& nValue, int nMin, int nMax, BOOL bApplies);

// An object at (x, y) of cx by cy lies on the page: at least one pixel wide
// and high and wholly inside it (0 by 0: a page of unknown size, only the
// corner must not be negative).
BOOL ObjectLiesOnPage(int x, int y, int cx, int cy, SIZE page);
// The message in the interface language that names what is allowed.
void ShowObjectNotOnPage(SIZE page);
// When reading: an object that does not lie on the page gives the message,
// field nID takes the focus and the exchange fails.
void DDV_ObjectOnPage(CDataExchange* pDX, int nID, int x, int y, int cx, int cy, SIZE page);

// The size a button needs to show its whole caption (lines broken at "<BR>")
// in the font, with the room the button styles keep around it; never below the
// minimum.
CSize ButtonSizeForCaption(const CString& strCaption, const CFontDesc& font, SIZE minimum);
