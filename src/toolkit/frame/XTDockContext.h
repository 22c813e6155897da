// The toolkit's dock context: moves a toolkit bar to another side of its
// frame, out into a floating frame or into another frame that takes it;
// resizes a floating bar; docks or floats it on a double click. The dock bar
// is chosen by the cursor (a zero-width dock bar takes it within 4 pixels).
// A bar that asks for it (XTWM_FULLWINDOWDRAG, with the global option to
// show bars while dragging) moves itself with every step instead of a drawn
// rectangle. Listeners hear when each drag loop ends.
#pragma once

#include "framework/DockContext.h"
#include "framework/Object.h"

#include <vector>

class CXTDockContext;
class CXTDockBar;
class CXTDockWindow;

// A listener of the end of drag loops: a member function of any object.
typedef void (CObject::*XT_DOCKCALLBACK)(CXTDockContext* pContext);

class CXTDockContext : public CDockContext
{
public:
    // Construction
    explicit CXTDockContext(CControlBar* pBar);

    // Attributes
    // The drag loop runs (the bar shows the size-all cursor meanwhile).
    BOOL IsInLoop() const { return m_bInLoop; }
    // The last drag or resize has finished.
    BOOL IsDone() const { return m_bDone; }
    // The bar moves itself during this drag instead of a drawn rectangle.
    BOOL IsLive() const { return m_bLive; }

    // The dock bar the last dock decision found, NULL when none.
    CDockBar* GetLastDockBar() const { return m_pDockBarOver; }

    // Operations
    // The first free slot takes the listener; -1 when all four are taken.
    int AddCallback(CObject* pObject, XT_DOCKCALLBACK pfn);
    // Every slot of the object is freed.
    void RemoveCallback(CObject* pObject);

    // Overridables
    void StartDrag(CPoint pt) override;
    void StartResize(int nHitTest, CPoint pt) override;
    void ToggleDocking() override;
    ~CXTDockContext() override;
    // A frame under the cursor (other than the dock site) that takes the bar, or NULL.
    virtual CFrameWnd* GetAlternateDockSite();

    // Implementation
    void Move(CPoint pt) override;
    void EndDrag() override;
    void Stretch(CPoint pt) override;
    void EndResize() override;
    void InitLoop() override;
    void CancelLoop() override;
    BOOL Track() override;
    void DrawFocusRect(BOOL bRemoveRect = FALSE) override;
    DWORD CanDock() override;
    CDockBar* GetDockBar(DWORD dwOverDockStyle) override;
    void Float(DWORD dwFloatStyle) override;

protected:
    // The side and the dock bar of the frame under the cursor that takes
    // one of the sides asked for (the rectangle's intersection when the
    // cursor cannot be read); 0 when none.
    DWORD FindDockBar(CFrameWnd* pFrame, const CRect& rect, DWORD dwDockStyle, CDockBar** ppDockBar) const;
    // The framework's choice between the orientations, with FindDockBar.
    DWORD CanDockIn(CFrameWnd* pFrame, CDockBar** ppDockBar) const;
    // The bar as a dock window, or NULL.
    CXTDockWindow* GetDockWindow() const;
    // An expanded dock window gives its row back the normal lengths.
    void ContractExpanded();
    void MarkDelayLayout(CFrameWnd* pFrame);
    void LayoutDelayed();
    void RunCallbacks();
    void InvertFeedback(const CRect& rect, CSize size, BOOL bOutline);
    // The screen point of a mouse message of the drag loop.
    CPoint LoopPoint(const MSG& msg) const;
    // A floating bar's frame rectangles start where its frame stands.
    void AlignFrameDragRects();

    CDockBar* m_pDockBarOver;   // the dock bar of the last decision

    // What a drag may have to restore: the MRU places and where the bar stood.
    UINT m_uSavedMRUDockID;
    CRect m_rectSavedMRUDockPos;
    DWORD m_dwSavedMRUFloatStyle;
    CPoint m_ptSavedMRUFloatPos;
    BOOL m_bWasFloating;
    CFrameWnd* m_pSavedDockSite;
    CDockBar* m_pSavedDockBar;
    CRect m_rectSavedBar;       // screen
    CPoint m_ptSavedFloat;      // the floating frame's corner (screen)
    DWORD m_dwSavedFloatStyle;

    // The feedback drawn last.
    BOOL m_bOutlineLast;

private:
    std::vector<CFrameWnd*> m_arrDelayLayout;   // frames laid out after the next step
    CPoint m_ptStart;           // where the drag began (screen): the press
    BOOL m_bLive;
    BOOL m_bDone;
    BOOL m_bInLoop;

    struct CALLBACKSLOT
    {
        CObject* pObject;
        XT_DOCKCALLBACK pfn;
        int nSeq;               // 0: the slot is free
    };
    enum { maxCallbacks = 4 };
    CALLBACKSLOT m_callbacks[maxCallbacks];
    int m_nCallbackSeq;
};
