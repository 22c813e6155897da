// The base of the custom colour page's two pickers (hue/saturation field and
// luminance bar): a static that holds a colour, shows where it lies with a
// marker, and sends each colour picked to the parent page as WM_XT_UPDATECOLOR.
#pragma once

#include "toolkit/controls/XTNotifyStatic.h"
#include "toolkit/controls/XTPixelBuffer.h"

class CXTColorFieldBase : public CXTNotifyStatic
{
    DECLARE_DYNAMIC(CXTColorFieldBase)
public:
    // Construction
    CXTColorFieldBase();

    // Attributes
    COLORREF GetFieldColor() const { return m_clr; }
    CPoint GetMarker() const { return m_ptMarker; }
    // Which picker has the focus: 0 none, 1 the field, 2 the bar.
    static int GetFocusPicker() { return s_nFocusPicker; }

    // Operations
    // Takes the colour (-1 is ignored); bReposition moves the marker to it.
    void SetFieldColor(COLORREF clr, BOOL bReposition);
    // Takes the colour drawn at the point and moves the marker there.
    void PickAt(int x, int y, BOOL bNotify);
    // The colour drawn at a client point, the point kept inside the picker.
    virtual COLORREF ColorAt(int x, int y) const = 0;

protected:
    CXTPixelBuffer m_cache;
    COLORREF m_clr;
    double m_dLuminance;
    double m_dSaturation;
    double m_dHue;
    CPoint m_ptMarker;
    static int s_nFocusPicker;

    // Overridables
    virtual void MoveMarkerToColor() = 0;
    // The marker point nearest to the point that the picker allows.
    virtual CPoint ClampMarker(CPoint point) const = 0;
    virtual int FocusId() const = 0;
    virtual void OnArrowKey(UINT nChar) = 0;

    void UpdateFromPoint(CPoint point, BOOL bNotify);

    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()
};
