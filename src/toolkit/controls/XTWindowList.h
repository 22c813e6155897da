// The "Windows" dialog: lists the MDI children of a frame and activates,
// saves, closes, cascades, tiles or minimises the selected ones.
#pragma once

#include "toolkit/controls/XTResizeDialog.h"

#include "framework/ListBox.h"

class CMDIFrameWnd;
class CXTGlobalData;

class CXTWindowList : public CXTResizeDialog
{
    DECLARE_DYNAMIC(CXTWindowList)
public:
    // Construction
    explicit CXTWindowList(CMDIFrameWnd* pMDIFrameWnd);

    // Overridables
    BOOL OnInitDialog() override;

    // The buttons that a selection of n lines enables, by id; "&OK" always.
    static BOOL IsButtonEnabled(UINT nID, int nSelected);

protected:
    void FillWindowList();
    void SelectActiveChild();
    void UpdateButtons();
    void RefreshList();
    // The selected children, top of the list first.
    std::vector<HWND> GetSelectedWindows() const;
    CString GetChildTitle(HWND hWndChild);
    // Minimises the listed children that are not selected, restores the selected
    // ones, then sends the arranging message to the MDI client.
    void ArrangeSelected(UINT nMessage, WPARAM wParam, BOOL bMinimizeSelected);

    void OnSelChangeWindows();
    void OnActivate();
    void OnSave();
    void OnCloseWindows();
    void OnCascade();
    void OnTileHorz();
    void OnTileVert();
    void OnMinimize();
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDIS);
    void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMIS);

    CListBox m_lboxWindows;
    CXTGlobalData* m_pGlobalData;
    CMDIFrameWnd* m_pMDIFrameWnd;
    HWND m_hWndMDIClient;
    static HICON m_hIcon;   // loaded once

    DECLARE_MESSAGE_MAP()
};
