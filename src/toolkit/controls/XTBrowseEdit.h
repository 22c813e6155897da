// An edit with a small button at its right that fills it by choosing a
// folder, a file, or an entry of a popup menu.
#pragma once

#include "toolkit/controls/XTEdit.h"

#include <memory>

class CFileDialog;
class CXTBrowseBtn;

// Browse styles.
#define BES_XT_CHOOSEDIR   0x0001
#define BES_XT_CHOOSEFILE  0x0002
#define BES_XT_POPUPMENU   0x0004
#define BES_XT_BROWSEMASK  0x0007

class CXTBrowseEdit : public CXTEdit
{
    DECLARE_DYNAMIC(CXTBrowseEdit)
public:
    // Construction
    CXTBrowseEdit();
    ~CXTBrowseEdit() override;

    // Attributes
    // A dialog that replaces the file dialog (the caller keeps it).
    void SetFileDialog(CFileDialog* pFileDialog) { m_pFileDialog = pFileDialog; }
    void SetDlgOpenFile(BOOL bOpenFileDialog = TRUE) { m_bOpenFileDialog = bOpenFileDialog; }
    void SetDlgDefExt(LPCSTR lpszDefExt) { m_strDefExt = lpszDefExt; }
    void SetDlgFileName(LPCSTR lpszFileName) { m_strFileName = lpszFileName; }
    void SetDlgStyle(DWORD dwFlags) { m_dwFlags = dwFlags; }
    void SetDlgFilter(LPCSTR lpszFilter) { m_strFilter = lpszFilter; }
    void SetDlgOwner(CWnd* pParentWnd) { m_pParentWnd = pParentWnd; }
    void SetDlgTitle(LPCSTR lpszTitle) { m_strTitle = lpszTitle; }
    void SetBrowseStyle(DWORD dwBStyle, UINT nMenu = 0, int nSubMenuIndx = 0);
    DWORD GetBrowseStyle() const { return m_dwBStyle; }
    CXTBrowseBtn* GetBrowseButton() const { return m_pBrowseButton.get(); }
    BOOL IsBrowsing() const { return m_bBrowsing; }

    // The width of the browse button, and the gap between edit and button.
    static int GetButtonWidth();
    static int GetButtonGap() { return ::GetSystemMetrics(SM_CXEDGE); }
    // The button's place beside an edit at rcEdit (parent coordinates).
    static CRect GetButtonRect(const CRect& rcEdit);

    // Overridables
    virtual void Browse();
    virtual void ChooseDirectory();
    virtual void ChooseFile();
    virtual void PopupMenu();

protected:
    // Posts the set-up that makes the button, so that a style set just after
    // creation still counts.
    void Initialize() override;
    void CreateButton();
    void PlaceButton();

    void OnDestroy();
    void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    void OnEnable(BOOL bEnable);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    LRESULT OnInitialUpdate(WPARAM wParam, LPARAM lParam);

    BOOL m_bOpenFileDialog;
    CFileDialog* m_pFileDialog;
    DWORD m_dwFlags;
    CString m_strDefExt;
    CString m_strFileName;
    CString m_strFilter;
    CString m_strTitle;
    std::unique_ptr<CXTBrowseBtn> m_pBrowseButton;
    DWORD m_dwBStyle;
    UINT m_nMenu;
    int m_nSubMenuIndx;
    CWnd* m_pParentWnd;
    BOOL m_bBrowsing;
    int m_nInitQueue;   // only the latest posted set-up acts

    DECLARE_MESSAGE_MAP()
};
