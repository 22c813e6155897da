// A dock window whose hosted window is the toolkit's tab control: each tab
// carries a view or window, switching tabs switches the content. The bar
// offers the tab control's tab management as its own operations and passes
// the selection notifications on to its owner with its own id.
#pragma once

#include "toolkit/controls/XTTabCtrl.h"
#include "toolkit/frame/XTDockWindow.h"

#include "framework/ImageList.h"

// The id of the tab control inside the bar.
#define XT_IDC_TABCTRLBAR 12320

class CXTTabCtrlBar : public CXTDockWindow
{
    DECLARE_DYNAMIC(CXTTabCtrlBar)
public:
    // Construction
    CXTTabCtrlBar();
    ~CXTTabCtrlBar() override;

    // Attributes
    virtual CXTTabCtrl& GetTabCtrl() { return m_tabCtrl; }
    // Returns the previous list as a temporary object.
    virtual CImageList* SetTabImageList(CImageList* pImageList);

    // Operations: the tab control's tab management, unchanged
    virtual void SetTabMenu(int nMenuID, int nSubIndex = 0) { m_tabCtrl.SetTabMenu(nMenuID, nSubIndex); }
    virtual int GetTabMenu() const { return m_tabCtrl.GetTabMenu(); }
    virtual void GetChildRect(CRect& rcChild) const { m_tabCtrl.GetChildRect(rcChild); }
    virtual void ResizeView(CWnd* pView) { m_tabCtrl.ResizeView(pView); }
    virtual void UpdateFont() { m_tabCtrl.UpdateFont(); }
    virtual BOOL ModifyTabStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0)
    {
        return m_tabCtrl.ModifyTabStyle(dwRemove, dwAdd, nFlags);
    }
    virtual CToolTipCtrl* GetToolTips() { return m_tabCtrl.GetToolTips(); }
    virtual void SetToolTips(CToolTipCtrl* pWndTip) { m_tabCtrl.SetToolTips(pWndTip); }
    virtual void AddToolTip(UINT nIDTab, LPCSTR lpszText) { m_tabCtrl.AddToolTip(nIDTab, lpszText); }
    virtual void UpdateTabTip(const CRuntimeClass* pViewClass, LPCSTR lpszText)
    {
        m_tabCtrl.UpdateTabTip(pViewClass, lpszText);
    }
    virtual void UpdateTabTip(int nTab, LPCSTR lpszText) { m_tabCtrl.UpdateTabTip(nTab, lpszText); }
    virtual void ResetToolTips() { m_tabCtrl.ResetToolTips(); }
    virtual BOOL EnableToolTips(BOOL bEnable) { return m_tabCtrl.CXTTabCtrlBase::EnableToolTips(bEnable); }
    virtual BOOL AddView(LPCSTR lpszLabel, const CRuntimeClass* pViewClass, CDocument* pDoc = nullptr,
                         CCreateContext* pContext = nullptr, int nIndex = -1, int nIconIndex = -1)
    {
        return m_tabCtrl.AddView(lpszLabel, pViewClass, pDoc, pContext, nIndex, nIconIndex);
    }
    virtual CWnd* CreateTabView(const CRuntimeClass* pViewClass, CDocument* pDoc, CCreateContext* pContext)
    {
        return m_tabCtrl.CreateTabView(pViewClass, pDoc, pContext);
    }
    virtual BOOL AddControl(LPCSTR lpszLabel, CWnd* pWnd, int nIndex = -1, int nIconIndex = -1)
    {
        return m_tabCtrl.AddControl(lpszLabel, pWnd, nIndex, nIconIndex);
    }
    virtual CWnd* GetView(int nView) { return m_tabCtrl.GetView(nView); }
    virtual CWnd* GetView(const CRuntimeClass* pViewClass) { return m_tabCtrl.GetView(pViewClass); }
    virtual CWnd* GetActiveView() { return m_tabCtrl.GetActiveView(); }
    virtual void DeleteView(int nView, BOOL bDestroyWnd = TRUE) { m_tabCtrl.DeleteView(nView, bDestroyWnd); }
    virtual void DeleteView(CWnd* pView, BOOL bDestroyWnd = TRUE) { m_tabCtrl.DeleteView(pView, bDestroyWnd); }
    virtual void DeleteView(const CRuntimeClass* pViewClass, BOOL bDestroyWnd = TRUE)
    {
        m_tabCtrl.DeleteView(pViewClass, bDestroyWnd);
    }
    virtual void SetActiveView(const CRuntimeClass* pTabViewClass) { m_tabCtrl.SetActiveView(pTabViewClass); }
    virtual void SetActiveView(CWnd* pTabView) { m_tabCtrl.SetActiveView(pTabView); }
    virtual void SetActiveView(int nActiveTab) { m_tabCtrl.SetActiveView(nActiveTab); }
    virtual LPCSTR GetViewName(const CRuntimeClass* pViewClass) { return m_tabCtrl.GetViewName(pViewClass); }
    virtual LPCSTR GetViewName(int nView) { return m_tabCtrl.GetViewName(nView); }
    virtual void ActivateView(CWnd* pTabView) { m_tabCtrl.ActivateView(pTabView); }
    virtual int HitTest(CPoint point) { return m_tabCtrl.HitTest(point); }
    virtual BOOL IsTabWindow(CWnd* pWnd) { return m_tabCtrl.IsTabWindow(pWnd); }

    // Overridables: the tab control's notifications, passed to the owner
    virtual LRESULT OnTabSelChanged(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnTabSelChanging(WPARAM wParam, LPARAM lParam);
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    // Implementation
protected:
    CXTTabCtrl m_tabCtrl;
    CImageList m_imageListTemp;   // the wrapper of the list SetTabImageList returns

    int OnCreate(LPCREATESTRUCT lpcs);
    void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    LRESULT OnSelChangedMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnSelChangingMessage(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
