// The tab management of the toolkit's tab control: one window per tab (a view
// made from a runtime class or any control), the selected tab's window shown
// in the page, the frame's active view kept in step, tool tips and condensed
// labels.
#pragma once

#include "toolkit/controls/XTTabPainter.h"

#include "framework/String.h"

#include <list>

class CFrameWnd;
class CToolTipCtrl;
class CView;
class CWnd;
struct CCreateContext;
struct CRuntimeClass;
class CDocument;

// Sent to the owner with wParam = the control id and lParam = the tab control.
#define WM_TAB_SELCHANGE   0x89D8
#define WM_TAB_SELCHANGING 0x89D9

struct XT_TCB_ITEM
{
    CWnd* pWnd;
    CString strLabel;
    CString strToolTip;
    UINT uiToolTipId;
    CString strShownLabel;   // the label after condensing
};

class CXTTabCtrlBase : public CXTTabPainter
{
public:
    // Construction
    CXTTabCtrlBase();
    ~CXTTabCtrlBase() override;

    // Attributes
    int GetTabCount() const { return (int)m_tabs.size(); }
    void SetAutoCondense(BOOL bEnable);
    BOOL GetAutoCondense() const { return m_bAutoCondense; }

    // Operations
    void NextView();
    void PrevView();

    // Overridables
    virtual void UpdateFont();
    virtual CToolTipCtrl* GetToolTips();
    virtual void SetToolTips(CToolTipCtrl* pWndTip);
    virtual void AddToolTip(UINT nIDTab, LPCSTR lpszText);
    virtual void UpdateTabTip(const CRuntimeClass* pViewClass, LPCSTR lpszText);
    virtual void UpdateTabTip(int nTab, LPCSTR lpszText);
    virtual void ResetToolTips();
    virtual BOOL EnableToolTips(BOOL bEnable);
    virtual BOOL AddControl(LPCSTR lpszLabel, CWnd* pWnd, int nIndex = -1, int nIconIndex = -1);
    virtual BOOL AddView(LPCSTR lpszLabel, const CRuntimeClass* pViewClass, CDocument* pDoc = nullptr,
                         CCreateContext* pContext = nullptr, int nIndex = -1, int nIconIndex = -1);
    virtual CWnd* GetView(int nView);
    virtual CWnd* GetView(const CRuntimeClass* pViewClass);
    virtual CWnd* GetActiveView();
    virtual void ActivateView(CWnd* pTabView);
    virtual void SetActiveView(int nActiveTab);
    virtual void SetActiveView(CWnd* pTabView);
    virtual void SetActiveView(const CRuntimeClass* pTabViewClass);
    virtual void DeleteView(const CRuntimeClass* pViewClass, BOOL bDestroyWnd = TRUE);
    virtual void DeleteView(CWnd* pView, BOOL bDestroyWnd = TRUE);
    virtual void DeleteView(int nView, BOOL bDestroyWnd = TRUE);
    virtual LPCSTR GetViewName(const CRuntimeClass* pViewClass);
    virtual LPCSTR GetViewName(int nView);
    virtual void ResizeView(CWnd* pView);
    virtual void RemoveTab(std::list<XT_TCB_ITEM>::iterator it, BOOL bDestroyWnd);
    virtual void DeleteAllViews();
    virtual int HitTest(CPoint point);
    virtual BOOL IsTabWindow(CWnd* pWnd);
    virtual BOOL ModifyTabStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    virtual void SetTabMenu(int nMenuID, int nSubIndex = 0);
    virtual int GetTabMenu() const { return m_nMenuID; }
    virtual void SendInitialUpdate(BOOL bSend) { m_bSendInitialUpdate = bSend; }
    virtual void OnSelChanging();
    virtual void OnSelChange();
    virtual CWnd* CreateTabView(const CRuntimeClass* pViewClass, CDocument* pDoc, CCreateContext* pContext);

protected:
    void AttachTabCtrl(CTabCtrl* pTabCtrl) { m_pTabCtrl = pTabCtrl; }
    void Initialize();
    void ResizeAllViews();
    void CondenseLabels();
    int IndexOf(CWnd* pWnd) const;
    int IndexOf(const CRuntimeClass* pClass) const;
    std::list<XT_TCB_ITEM>::iterator At(int nIndex);
    // The frame's active view, if it is one of the tab windows, goes back to the one before.
    void RestoreFrameView(CWnd* pTabWnd);
    void NotifyOwner(UINT message);

    CWnd* m_pLastActiveView;
    CWnd* m_pViewOwner;
    CFrameWnd* m_pParentFrame;
    int m_nSubMenu;
    int m_nMenuID;
    BOOL m_bSendInitialUpdate;
    BOOL m_bAutoCondense;
    int m_nInitQueue;
    BOOL m_bInitializing;
    int m_nPreviousSel;
    std::list<XT_TCB_ITEM> m_tabs;
};
