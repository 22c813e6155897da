// The toolkit's single-line edit: a context menu with icons through a cool
// menu, the toolkit font, and painting without flicker.
#pragma once

#include "toolkit/bars/XTCoolMenu.h"

#include "framework/Edit.h"

class CCmdUI;

class CXTEdit : public CEdit
{
    DECLARE_DYNAMIC(CXTEdit)
public:
    // Construction
    CXTEdit();
    // Creates the edit; its set-up runs on creation.
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Overridables: what enables Paste, and Cut, Copy and Delete.
    virtual BOOL CanPaste();
    virtual BOOL SelectionMade();

    // Where the context menu opens for a WM_CONTEXTMENU point: keyboard
    // requests (-1, -1) open it 5 pixels inside the client's top-left corner.
    CPoint GetContextMenuPoint(CPoint point);

protected:
    // Hooks the cool menu with the edit commands' images and takes the toolkit font.
    virtual void Initialize();
    void PreSubclassWindow() override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnEditUndo();
    void OnEditCut();
    void OnEditCopy();
    void OnEditPaste();
    void OnEditClear();
    void OnEditSelectAll();
    void OnUpdateEditUndo(CCmdUI* pCmdUI);
    void OnUpdateNeedsSelection(CCmdUI* pCmdUI);
    void OnUpdateEditPaste(CCmdUI* pCmdUI);
    void OnUpdateEditSelectAll(CCmdUI* pCmdUI);

    CXTCoolMenu m_coolMenu;
    BOOL m_bCreated;   // made by Create: the set-up runs on creation, not on subclassing

    DECLARE_MESSAGE_MAP()
};
