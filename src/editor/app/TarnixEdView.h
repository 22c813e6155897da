// The canvas of a project page: the menu window at its design size, holding the
// page's live object windows in design mode. Mouse input selects, marks with a
// rubber band, drags with grid snap and sets the tab order; the commands
// insert, change, delete, copy and align objects, and run the page in the
// player. Files dropped from the shell or the explorer become objects.
#pragma once

#include "editor/app/CanvasBackground.h"
#include "framework/Pen.h"
#include "framework/View.h"
#include "shared/menuobj/MButCreateStruct.h"
#include "shared/menuobj/MObjCreateStruct.h"
#include "shared/menuobj/MTextCreateStruct.h"
#include "shared/menuobj/MenuObjects.h"
#include "shared/menuobj/ToolTip.h"
#include "shared/menuobj/ViewerCreateStruct.h"

#include <vector>

class CTarnixEdDoc;
class CButtonPropSheet;
class CDocumentInsert;
class CEditorDropTarget;
class CCmdUI;
struct AVI_INPUT_RECORD;
class CProjectReport;

class CTarnixEdView : public CView
{
    DECLARE_DYNCREATE(CTarnixEdView)
public:
    // Construction
    CTarnixEdView();
    ~CTarnixEdView() override;

    // Attributes
    CTarnixEdDoc* GetDocument() const;
    CMenuObjects& GetObjects() { return m_objects; }
    const RECT& GetMarkedRect() const { return m_rcMarked; }
    const RECT& GetDefaultRect() const { return m_rcDefault; }
    // Why the insert command cannot copy or start its sibling program now
    // (empty when it can, or for another command).
    static CString MissingSiblingFor(UINT nID);
    const CToolTip& GetTooltip() const { return m_tooltip; }
    CMButCreateStruct& GetDefaultButton() { return m_defaultButton; }
    POINT GetPastePoint() const { return m_ptPaste; }
    BOOL IsSelectionMode() const { return m_bSelectionMode; }
    BOOL IsTabOrderMode() const { return m_bTabOrder; }
    BOOL IsCaptured() const { return m_bCaptured; }
    CEditorDropTarget* GetDropTarget() const { return m_pDropTarget; }

    // Operations
    // The default rectangle moves on to the next free slot.
    void PlaceNext();
    // Clamped to 0 and, with the grid on, rounded down to the grid step.
    POINT SnapPoint(int x, int y) const;
    RECT SnapRect(int x, int y, int cx, int cy) const;
    void LeaveSelectionMode();
    void InsertDroppedFile(POINT pt, const CString& strPath);
    // Sizes the child frame so that the client area is the menu window.
    void ResizeFrameToMenu(int cx, int cy);
    void RefreshCanvas();
    // The corner of the next slot below, or right of, (x, y) within the client.
    static POINT NextSlot(int x, int y, int dx, int dy, int nGridStep, SIZE client);
    static RECT PushInsideMenu(RECT rc, SIZE menu);
    // Where a new object of rc's size goes: rc itself when it overlaps none of
    // the taken rectangles; else the slots the next button walks to from rc
    // (below, then the next column), else the first free point of a 10-pixel
    // raster; always inside the page. A full page leaves rc inside the page.
    static RECT FindFreePlace(RECT rc, const std::vector<RECT>& taken, SIZE page, int nGridStep);
    // FindFreePlace among the page's objects (but the one left out).
    RECT FreePlace(const RECT& rc, const CMObjBasis* pLeftOut = nullptr);
    static RECT ListStartButtonRect(const RECT& rcList, SIZE menu);

    // Overridables
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnInitialUpdate() override;

protected:
    void OnDraw(CDC* pDC) override;
    void OnBeginPrinting(CDC*, CPrintInfo*) override {}
    // The project report while one is shown, else the page.
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    // A printed report is done with.
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrintPreview() override;

    // Input engine
    BOOL HandleMouse(MSG* pMsg);
    void StartRubberBand(POINT pt);
    void EndRubberBand();
    void FinishDrag();
    void TakeCapture();
    void DropCapture();
    void LiftCursorClip();
    void OnAviInput(const AVI_INPUT_RECORD& record);

    // Building the objects from the document
    void BuildObjects();
    void AddDocumentObjects();
    void BindPopupMenus();
    void TakeGridSettings();

    // Inserting
    BOOL HasRoom(int nType) const;
    BOOL CheckRoom(int nType);
    BOOL InsertButton();
    void InsertDroppedButton();
    BOOL RegisterButton(CMButCreateStruct* pButton);
    void PlaceAfter(const RECT& rcNew);
    // A new object that sized itself at the place it was offered is moved on
    // when it now covers another.
    void SettleNewObject(POINT ptOffered);
    POINT DefaultCorner() const;
    void MoveMarkDown(const RECT& rcFirst);
    void InsertText(POINT pt);
    void InsertTextField();
    void InsertAviClip(POINT pt);
    void TakeAsDefaultButton(const CMButCreateStruct& button);
    BOOL CheckPopupRoom();
    void SetPopupItems(int nNumber, const CString& strItems);
    // The number of the popup the button opens: its slot's, else its document's.
    int PopupNumberOf(CMButCreateStruct* pButton);
    void EditPopupMenu(CMButCreateStruct* pButton);
    // Loads the shown picture and fits the window or the picture's place to it.
    void PlaceBackgroundImage(const CString& strFile);
    void ChangeText(CMTextCreateStruct* pText);
    void ChangeTextField(CViewerCreateStruct* pField);
    void ChangeAviClip(CMObjCreateStruct* pClip);
    void ChangeImage(CMObjCreateStruct* pImage);
    void ChangeSlider(CMObjCreateStruct* pSlider);
    void ChangeListBox(CMButCreateStruct* pList);
    CSize MenuSize() const;
    void InsertSubmenu();
    void ChangeButton(CMButCreateStruct* pButton);
    void FillSheetFromButton(CButtonPropSheet& sheet, const CMButCreateStruct& button);
    void TakeSheetIntoButton(const CButtonPropSheet& sheet, CMButCreateStruct& button);
    void DeleteSelected();
    // Keeps a copy of the object for pasting, on this page or another.
    void CopyToClipboard(CMObjCreateStruct* pStruct);
    void CheckAviAction(const CMButCreateStruct& button);
    void Refresh();
    // The background picture dialog, opened on the file (empty: the page's).
    void EditBackgroundImage(const CString& strFile);
    // Moves the default button to the next slot as a template for the next
    // starter button, whose program, document and parameter it already holds.
    BOOL InsertStarterButton();
    BOOL InsertDocumentStarter(CDocumentInsert& insert);
    // CheckSibling shows why the command cannot copy or start its sibling
    // program in the status line.
    BOOL CheckSibling(UINT nID);
    void ShowStatusText(const CString& strText);
    BOOL SaveProject();
    int ButtonCount() const;

    // Messages
    void OnDestroy();
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnDropFiles(HDROP hDropInfo);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnCaptureChanged(CWnd* pWnd);
    void OnContextMenu(CWnd* pWnd, CPoint pos);
    LRESULT OnObjectNotify(WPARAM wParam, LPARAM lParam);
    // Paints the page into the DC of wParam, as for the screen.
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);

    // Commands
    void OnToolbarDrop();
    void OnExplorerDrop();
    void OnSelectMode();
    void OnUpdateSelectMode(CCmdUI* pCmdUI);
    void OnTabOrder();
    void OnUpdateTabOrder(CCmdUI* pCmdUI);
    void OnInsertButton();
    void OnInsertButtonAtMark();
    void OnUpdateInsertButton(CCmdUI* pCmdUI);
    void OnSubmenu();
    void OnUpdateInsertObject(CCmdUI* pCmdUI);
    void OnInsertText();
    void OnInsertTextAtMark();
    void OnInsertTextField();
    void OnInsertTextFieldAtMark();
    void OnInsertAviClip();
    void OnInsertSlider();
    void OnInsertImage();
    void OnUpdateSubmenu(CCmdUI* pCmdUI);
    void OnChange();
    void OnDelete();
    void OnUpdateHasSelection(CCmdUI* pCmdUI);
    void OnCopy();
    void OnCut();
    void OnPaste();
    void OnUpdatePaste(CCmdUI* pCmdUI);
    void OnAlignVertical();
    void OnAlignHorizontal();
    void OnUpdateAlign(CCmdUI* pCmdUI);
    void OnTestRun();
    void OnRunPlayer();
    void OnRefresh();
    void OnExploreFolder();
    void OnBackgroundColor();
    void OnWindowTitle();
    void OnWindowPosition();
    void OnDesktop();
    void OnVirtualDrive();
    void OnButtonStyle();
    void OnForwardToSheet();
    void OnGridChanged();
    void OnSound();
    void OnTooltips();
    void OnStartEvents();
    void OnWelcome();
    void OnFlags();
    void OnBackgroundImage();
    void OnGraphicsProgram();
    void OnObjectsHelp();
    void OnInsertTextViewer();
    void OnInsertPdfStarter();
    void OnInsertSlideShow();
    void OnInsertPictureShow();
    void OnInsertPopupMenu();
    void OnInsertListBox();
    void OnUpdateInsertListBox(CCmdUI* pCmdUI);
    void OnListBoxHint();
    void OnUpdatePopupMenu(CCmdUI* pCmdUI);
    void OnUpdateSiblingInsert(CCmdUI* pCmdUI);
    // The page captured and its objects listed, in the print preview.
    void OnProjectReport();
    // The page's own preview (a report shown before is dropped).
    void OnPagePreview();

    DECLARE_MESSAGE_MAP()

private:
    void Align(BOOL bHorizontal);

    int m_bObjectsShown;
    CMenuObjects m_objects;
    RECT m_rcMarked;
    CButtonPropSheet* m_pSheet;       // while the button sheet is open; not owned
    RECT m_rcDefault;
    CMButCreateStruct m_defaultButton;
    CMTextCreateStruct m_defaultText;
    CViewerCreateStruct m_defaultTextField;
    CMObjCreateStruct m_defaultAviClip;
    CMObjCreateStruct m_defaultImage;
    int m_bCtrl;
    POINT m_ptPaste;
    CToolTip m_tooltip;
    int m_bDefaultTipShown;
    int m_bSelectCursor;
    int m_bSelectionMode;
    int m_bRubberBand;
    POINT m_ptAnchor;
    int m_bTabOrder;
    POINT m_ptLast;
    int m_bButtonDown;
    int m_bDragging;
    int m_bCaptured;
    int m_bCursorClipped;
    CPen m_penBlack;
    CPen m_penWhite;
    int m_nWorkWidth, m_nWorkHeight;
    int m_nExtraWidth, m_nExtraHeight;
    int m_bGrid, m_nGridStep;
    CEditorDropTarget* m_pDropTarget;  // owned; registered while the window lives
    CCanvasBackground m_background;
    CProjectReport* m_pReport = nullptr;   // owned, while a report is shown or printed
};
