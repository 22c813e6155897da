// The toolkit's owner-drawn push button: an icon or bitmap with its caption,
// in one of several border looks, hot tracking by a polling timer, and colours
// of its own or the system's.
#pragma once

#include "framework/Button.h"

// Looks and layout of a CXTButton (SetStyleFlags).
#define BS_XT_HILITEPRESSED 0x0001   // 3D hot tracking: raised while hot, sunken while pressed
#define BS_XT_FLAT          0x0002   // thin 3D: a one-pixel border always
#define BS_XT_TWOROWS       0x0004   // image above the text, both centred
#define BS_XT_SHOWFOCUS     0x0010   // focus rectangle 2 pixels inside the border
#define BS_XT_SEMIFLAT      0x0020   // checked look: dithered face while pressed or checked
#define BS_XT_XPFLAT        0x0040   // flat: framed and filled only while hot or pressed

// A control sends or posts this to itself to finish its set-up after creation or subclassing.
#define WM_CTRL_INITIALUPDATE 0x89DE

class CXTButton : public CButton
{
    DECLARE_DYNAMIC(CXTButton)
public:
    // Construction
    CXTButton();
    ~CXTButton() override;

    // Attributes
    DWORD SetStyleFlags(DWORD dwStyle, BOOL bRedraw = TRUE);
    BOOL IsHot() const { return m_bHot; }
    void SetChecked(BOOL bChecked, BOOL bRedraw = TRUE);
    HICON GetIconHandle() const { return m_hIcon; }
    HBITMAP GetBitmapHandle() const { return m_hBitmap; }

    // Overridables
    virtual void DrawButton(LPDRAWITEMSTRUCT lpDIS);
    virtual void SetColors(COLORREF clrFace, COLORREF clrHilite, COLORREF clrShadow, COLORREF clrText);
    virtual void SetFaceColor(COLORREF clrFace, BOOL bRedraw = TRUE);
    virtual COLORREF GetFaceColor();
    virtual void SetHighlightColor(COLORREF clrHilite, BOOL bRedraw = TRUE);
    virtual void SetShadowColor(COLORREF clrShadow, BOOL bRedraw = TRUE);
    virtual void SetTextColor(COLORREF clrText, BOOL bRedraw = TRUE);
    virtual void SetFlatColors(COLORREF clrBorder, COLORREF clrHot, COLORREF clrPressed, BOOL bRedraw = TRUE);
    // Frees the images and loads the icons from the resource module; the pressed one is optional.
    virtual BOOL SetIcon(CSize size, LPCSTR lpszIcon, LPCSTR lpszIconPushed = nullptr, BOOL bRedraw = TRUE);
    virtual BOOL SetIcon(CSize size, UINT nID, UINT nPushedID = 0, BOOL bRedraw = TRUE);
    // Takes ownership of the icons; the images held before are freed.
    virtual BOOL SetIcon(CSize size, HICON hIcon, HICON hIconPushed = nullptr, BOOL bRedraw = TRUE);
    // Loads the bitmap in the system colours and a disabled variant of it.
    virtual BOOL SetBitmap(CSize size, UINT nID, BOOL bRedraw = TRUE);
    virtual void SetPositions(CPoint ptImage, CPoint ptText, BOOL bRedraw = TRUE);
    virtual DWORD GetStyleFlags();
    virtual void ClearImages();
    virtual void FreeImages();
    virtual void DrawIcon(CDC* pDC, UINT nState, const CRect& rcItem);
    virtual void DrawText(CDC* pDC, UINT nState, const CRect& rcItem);
    virtual void DrawBitmap(CDC* pDC, UINT nState, const CRect& rcItem);
    // The caption; with bStrip single "&" go and "&&" becomes "&".
    virtual CString GetButtonText(BOOL bStrip);
    virtual CPoint CalcImagePosition(CDC* pDC, UINT nState, const CRect& rcItem, BOOL bNoPressedShift);

protected:
    void PreSubclassWindow() override;
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override { DrawButton(lpDIS); }
    void RedrawIf(BOOL bRedraw);
    void CheckHot();
    void ReadSystemColors();
    CSize MeasureText(CDC* pDC);
    BOOL IsFlat() { return (GetStyleFlags() & BS_XT_XPFLAT) != 0; }
    void DrawBorder(CDC* pDC, const CRect& rc, BOOL bPressed);

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnSysColorChange();
    LRESULT OnInitialUpdate(WPARAM wParam, LPARAM lParam);
    // The frame's initial update, before it is first drawn: the deferred
    // initialisation runs at once and the posted one is dropped, which would
    // otherwise draw the shown button again.
    LRESULT OnFrameInitialUpdate(WPARAM wParam, LPARAM lParam);

    HICON m_hIcon;
    HICON m_hIconPushed;
    HBITMAP m_hBitmap;
    HBITMAP m_hBitmapDisabled;
    CSize m_sizeImage;
    CPoint m_ptImage;
    CPoint m_ptText;
    int m_nBorderGap;      // left margin
    int m_nImageGap;       // between image and text
    DWORD m_dwxStyle;
    BOOL m_bHot;
    BOOL m_bLBtnDown;
    BOOL m_bOwnColors;     // system colour changes leave the colours alone
    BOOL m_bChecked;
    COLORREF m_clrBtnText;
    COLORREF m_clrBtnFace;
    COLORREF m_clrBtnHilite;
    COLORREF m_clrBtnShadow;
    COLORREF m_clrFlatBorder;
    COLORREF m_clrFlatHot;
    COLORREF m_clrFlatPressed;
    BOOL m_bOwnFlatColors;
    BOOL m_bUserPositions;
    int m_nInitQueue;      // deferred initialisation: the counter the awaited message carries

    DECLARE_MESSAGE_MAP()
};
