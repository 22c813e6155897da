// The window of a volume slider object: a horizontal trackbar (range 0 to 100)
// that hands its position to the speakers' volume through a mixer wrapper. In
// design mode the wrapper is inactive, so the slider can be placed, moved and
// clicked without changing the system volume.
#pragma once

#include "shared/menuobj/MixerVolume.h"

#include "framework/Afx.h"

class CMObjCreateStruct;

class CSpeakerSlider : public CSliderCtrl
{
    DECLARE_DYNAMIC(CSpeakerSlider)
public:
    // Construction
    CSpeakerSlider();
    ~CSpeakerSlider() override;   // closes an opened mixer, destroys the window

    // The rectangle is corrected to a width of at least 50 and a height of 16
    // to 25 pixels first; the style gets WS_CHILD and WS_VISIBLE.
    BOOL CreateSlider(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID, COLORREF crBackground);

    // Attributes
    // Design mode makes the mixer wrapper inactive for good.
    void SetEditMode(BOOL bEditMode);
    BOOL IsEditMode() const { return m_bEditMode; }
    // The struct whose rectangle follows the window when it moves; may be null.
    void SetLinkedStruct(CMObjCreateStruct* pCrStruct) { m_pLinkedStruct = pCrStruct; }
    const RECT& GetCreateRect() const { return m_rcWindow; }
    BOOL IsInitialised() const { return m_bInitialised; }
    BOOL IsDragging() const { return m_bDragging; }
    const CMixerVolume& GetMixer() const { return m_mixer; }

    // Left and right of this many pixels from the ends set the lowest and
    // highest value when the button is released there.
    static const int kEndMargin = 5;

protected:
    // HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    // void OnCustomDraw(NMHDR* pNotifyStruct, LRESULT* pResult)
    void OnCustomDraw(NMHDR* pNotifyStruct, LRESULT* pResult);
    // void OnPaint()
    void OnPaint();
    // void OnMouseMove(UINT nFlags, CPoint point)
    void OnMouseMove(UINT nFlags, CPoint point);
    // void OnLButtonUp(UINT nFlags, CPoint point)
    void OnLButtonUp(UINT nFlags, CPoint point);
    // void OnLButtonDown(UINT nFlags, CPoint point)
    void OnLButtonDown(UINT nFlags, CPoint point);
    // BOOL OnEraseBkgnd(CDC* pDC)
    BOOL OnEraseBkgnd(CDC* pDC);
    // void OnMove(int x, int y)
    void OnMove(int x, int y);

    CBrush m_brBackground;
    RECT m_rcWindow;                     // as created, after the correction
    BOOL m_bInitialised;                 // the first paint has happened
    int m_nLastX;
    int m_nLastY;
    BOOL m_bDragging;
    BOOL m_bMixerOpen;
    BOOL m_bEditMode;
    CMixerVolume m_mixer;
    CMObjCreateStruct* m_pLinkedStruct;  // not owned

    DECLARE_MESSAGE_MAP()
};
