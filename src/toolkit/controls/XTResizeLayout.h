// The engine of resizable dialogs, sheets and pages: every registered control
// carries anchors that say how far its edges follow the change of the
// parent's size; a size grip sits in the corner; the parent cannot become
// smaller than it was at the start; the placement can be kept in the profile.
#pragma once

#include "toolkit/controls/XTResizeRect.h"

#include "framework/String.h"

#include <memory>
#include <vector>

class CWnd;
class CXTSizeGrip;

// Layout flags.
#define XT_RESIZE_NOSIZEICON     0x01   // no size grip
#define XT_RESIZE_NOHORIZONTAL   0x02   // the width may not grow
#define XT_RESIZE_NOVERTICAL     0x04   // the height may not grow
#define XT_RESIZE_NOMINSIZE      0x08   // no minimum size
#define XT_RESIZE_NOCLIPCHILDREN 0x10   // leave the parent without WS_CLIPCHILDREN
#define XT_RESIZE_NOTRANSPARENT  0x20   // leave group and check boxes untouched

// One registered control.
struct XT_RESIZEITEM
{
    CWnd* pWnd;
    BOOL bOwnsWnd;              // a window object attached for the item's life
    CXTResizeRect rcAnchors;
    CXTResizeRect rcCurrent;    // parent client coordinates
    CXTResizeRect rcInitial;
    BOOL bMovedOnce;
};

class CXTResizeLayout
{
public:
    // Construction
    CXTResizeLayout(CWnd* pParent, UINT nFlags = 0);
    CXTResizeLayout(const CXTResizeLayout&) = delete;
    CXTResizeLayout& operator=(const CXTResizeLayout&) = delete;
    virtual ~CXTResizeLayout();

    // Operations
    // Registers the parent's control (pWnd, or the dialog item nID), or gives
    // one already registered new anchors.
    void SetResize(UINT nID, CWnd* pWnd, const CXTResizeRect& rcAnchors);
    void SetResize(UINT nID, const CXTResizeRect& rcAnchors) { SetResize(nID, nullptr, rcAnchors); }
    // Registers a window with a rectangle of the caller's.
    void AddItem(CWnd* pWnd, const CXTResizeRect& rcAnchors, const CRect& rect);
    // Starts a layout: no items, the parent's present size as start and minimum, the grip.
    void Init();
    // Moves every control by the parent's change of size since the last call.
    void OnSize();
    // Every control forgets its moves.
    void Reset();
    void GetMinMaxInfo(MINMAXINFO* pMMI) const;
    // Keeps the section name (the placement is saved there when the parent goes) and loads it.
    void AutoLoadPlacement(LPCSTR pszSection);
    BOOL LoadPlacement(LPCSTR pszSection);
    BOOL SavePlacement(LPCSTR pszSection);
    void SetFlag(UINT nFlags) { m_nFlags |= nFlags; }
    UINT GetFlags() const { return m_nFlags; }
    int GetItemCount() const { return (int)m_items.size(); }

    void SetMinSize(const CSize& size) { m_szMin = size; }
    void SetMaxSize(const CSize& size) { m_szMax = size; }

protected:
    // The parent's end: saves the placement when a section is kept.
    void OnDestroyParent();
    BOOL MoveItem(XT_RESIZEITEM& item, int dx, int dy, HDWP& hdwp);
    void RemoveAllItems();
    void MakeTransparent(CWnd* pWnd);
    CRect ParentWindowRect() const;

    std::vector<std::unique_ptr<XT_RESIZEITEM>> m_items;
    CWnd* m_pParent;
    UINT m_nFlags;
    CRect m_rcInitWindow;
    CRect m_rcWindow;
    CSize m_szMin;
    CSize m_szMax;
    std::unique_ptr<CXTSizeGrip> m_pGrip;
    CString m_strSection;
};
