// The base of every button style: mouse-over tracking with the mouse capture,
// press and click, focus, the tooltip text and the button sounds, and the
// caption drawing the styles share. Each style draws itself completely.
#pragma once

#include "shared/menuobj/BasisObj.h"
#include "shared/support/FontDesc.h"

class CMButCreateStruct;

class CButBasis : public CBasisObj
{
    DECLARE_DYNAMIC(CButBasis)
public:
    // Construction
    CButBasis();

    // Attributes
    CMButCreateStruct* GetCreateStruct() const { return m_pButCrStruct; }
    void SetCreateStruct(CMButCreateStruct* pButCrStruct) { m_pButCrStruct = pButCrStruct; }
    BOOL IsEditMode() const { return m_bEditMode; }
    void SetEditMode(BOOL bEditMode) { m_bEditMode = bEditMode; }
    BOOL IsEnabled() const { return m_bEnabled; }
    BOOL IsHover() const { return m_bHover; }
    BOOL IsPressed() const { return m_bPressed; }
    CWnd* GetNotifyWnd() const { return m_pNotifyWnd; }
    const CFontDesc& GetFontDesc() const { return m_fontDesc; }
    void SetFontDesc(const CFontDesc& font) { m_fontDesc.Assign(font); }
    // The caption from the create struct; empty without one.
    CString GetCaption() const;

    // Operations
    // Runs the program's action of the button when it is enabled and not in
    // design mode.
    void Execute();
    // A document "<LISTBOX>..." asks the page to run its script list box, one
    // "<POPUPMENU..." to show the button's popup menu; TRUE when the document
    // was such a request (sent when there is a notify window).
    BOOL SendPageRequest();

    // Overridables
    void Draw(CDC* pDC) override;
    void OnBnClicked() override;
    // Remembers the parent as the window that gets the button's messages and
    // creates the window in the framework's default class.
    virtual BOOL CreateButton(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID);
    // The caption without enclosing markers, centred and cut to fit; the
    // pressed caption sits 1 pixel lower right.
    virtual void DrawCaption(CDC* pDC, RECT* pRect, CFontDesc* pFont, CString strText, BOOL bPressed);

protected:
    // void OnPaint()
    void OnPaint();
    // void OnKillFocus(CWnd* pNewWnd)
    void OnKillFocus(CWnd* pNewWnd);
    // void OnSetFocus(CWnd* pOldWnd)
    void OnSetFocus(CWnd* pOldWnd);
    // void OnMouseMove(UINT nFlags, CPoint point)
    void OnMouseMove(UINT nFlags, CPoint point);
    // void OnLButtonDown(UINT nFlags, CPoint point)
    void OnLButtonDown(UINT nFlags, CPoint point);
    // void OnLButtonUp(UINT nFlags, CPoint point)
    void OnLButtonUp(UINT nFlags, CPoint point);

    // The mouse is over the button or it has the focus.
    BOOL IsRaised() const { return m_bHover || m_bFocus; }
    // The create struct's caption drawn into the object rectangle made
    // smaller by dx on the left and right and dy on the top and bottom; an
    // empty caption draws nothing.
    void DrawCaptionInset(CDC* pDC, int dx, int dy, BOOL bPressed);

    int m_bHover;       // the mouse is over the button; the capture is held
    int m_bPressed;     // the left button is held down on the button
    int m_bEditMode;    // the page is in design mode: no execution, no hand cursor
    int m_bEnabled;     // cleared when the button's image cannot be loaded
    int m_bReportErrors;
    CFontDesc m_fontDesc;
    CWnd* m_pNotifyWnd;                // the page window; not owned
    CMButCreateStruct* m_pButCrStruct; // not owned

    DECLARE_MESSAGE_MAP()

private:
    // Mouse-over tracking
    BOOL IsInsideObject(CPoint ptParent) const;
    void EnterHover();
    void LeaveHover();

    // The page's tooltip area and button sounds, when the create struct has them.
    void ShowTip();
    void ShowDefaultTip();
    void PlayOverSound();
    void PlayClickSound();
};

// A text of 3 or more characters enclosed in '%' or in '$' loses the two
// markers; any other text is left as it is.
void StripEnclosingMarkers(CString& strText);
