// One object of a menu page as the page sees it: its rectangle, its window,
// its selection and drag frame in design mode, grid snapping and the tab-order
// label. The kinds of objects derive from it.
#pragma once

#include "shared/menuobj/MObjCreateStruct.h"

class CDC;
class CWnd;
class CBasisObj;
class CAviCtrl;
class CSpeakerSlider;
class CTabLabel;

class CMObjBasis : public CObject
{
    DECLARE_DYNAMIC(CMObjBasis)
public:
    // Construction
    CMObjBasis();
    CMObjBasis(const CMObjBasis&) = delete;
    CMObjBasis& operator=(const CMObjBasis&) = delete;
    ~CMObjBasis() override;

    void SetRects(const RECT& rc);
    void Init(const RECT& rc, CWnd* pParent, CWnd* pMoveWnd, BOOL bEditMode);

    // Attributes
    const RECT& GetObjectRect() const { return m_rcObject; }
    const RECT& GetFrameRect() const { return m_rcFrame; }
    CMObjCreateStruct* GetCreateStruct() const { return m_pCrStruct; }
    BOOL IsEditMode() const { return m_bEditMode; }
    BOOL IsSelected() const { return m_bSelected; }
    int GetTabNumber() const { return m_nTabNumber; }
    BOOL HasTabLabel() const { return m_bTabLabel; }
    CBasisObj* GetObjectWnd() const { return m_pObjWnd; }

    // Grid: a step below 2 snaps nothing.
    void SetGridSize(int nStep) { m_nGridStep = nStep; }
    int GetGridSize() const { return m_nGridStep; }
    int Snap(int v) const;

    // Hit tests (right and bottom edges lie outside the object)
    BOOL HitTest(int x, int y) const;
    BOOL IsInsideRect(const RECT& rc) const;

    // Operations
    virtual void Draw(CDC* pDC);
    void DrawSelectionFrame(CDC* pDC);
    void Invalidate();
    void SetSelected(BOOL bSelected);

    // Dragging in design mode: the frame of a selected object follows the mouse
    // and the object takes the frame's place at the end.
    BOOL OffsetDragFrame(int dx, int dy);
    BOOL CanMoveBy(int dx, int dy, int cx, int cy) const;
    void ApplyDragFrame();
    void MoveTo(int x, int y, int cx, int cy);

    // Tab order label
    void ShowTabLabel(BOOL bShow, int nNumber);
    int SetTabNumber(int nNumber);

protected:
    // Moves the object's window to the rectangle.
    void MoveWindowTo(const RECT& rc);
    // The object's rectangle becomes the create struct's as well.
    void StoreRectInStruct();

    CMObjCreateStruct* m_pCrStruct;   // not owned
    RECT m_rcObject;
    RECT m_rcFrame;
    int m_nTabNumber;
    CBasisObj* m_pObjWnd;             // the kind's window; owned by the kind
    CAviCtrl* m_pAviWnd;
    CSpeakerSlider* m_pSliderWnd;
    CWnd* m_pParent;
    CWnd* m_pMoveWnd;                 // moved by MoveTo when there is no m_pObjWnd
    BOOL m_bSelected;
    BOOL m_bEditMode;
    BOOL m_bTabLabel;
    int m_nGridStep;
    CTabLabel* m_pTabLabel;           // owned
};
