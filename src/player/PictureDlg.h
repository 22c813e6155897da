// The welcome window: a picture, or four texts and an icon on a colour,
// centred on the screen while the welcome time runs.
#pragma once

#include "framework/Dialog.h"
#include "player/PaletteHolder.h"
#include "shared/support/DibImage.h"
#include "shared/support/Picture.h"

class CPictureDlg : public CDialog
{
    DECLARE_DYNAMIC(CPictureDlg)
public:
    explicit CPictureDlg(CWnd* pParent = nullptr);

    // Modeless, from the welcome template, with the parent given at construction.
    using CDialog::Create;
    BOOL Create();

    // Black text on a light background, white on a dark one.
    static COLORREF TextColorFor(COLORREF crBackground);

    static constexpr int kTextTops[4] = { 10, 80, 105, 130 };
    static constexpr int kIconSize = 32;

    // Set by the caller before Create
    CString m_strText[4];
    COLORREF m_crBackground;
    HICON m_hIcon;                 // not owned; none: the template's icon
    BOOL m_bImage;                 // show the picture file instead of texts and icon
    CString m_strImageFile;
    BOOL m_bShowErrors;            // a picture that cannot be loaded is reported

    CWnd* m_pParent;
    int m_nX;                      // window position
    int m_nY;
    int m_nIconX;                  // icon position in the client area
    int m_nIconY;
    CPicture m_picture;
    BOOL m_bPictureLoaded;
    CDibImage m_dib;
    BOOL m_bDibLoaded;
    CPaletteHolder m_palette;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnCancel() override;
    void OnPaint();

    DECLARE_MESSAGE_MAP()

private:
    BOOL LoadImage();
    void CenterOnScreen(int nWidth, int nHeight);
    void PaintTexts(CDC& dc, const CRect& client);
};
