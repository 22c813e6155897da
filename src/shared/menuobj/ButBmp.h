// The bitmap button: a picture file with the three states (normal, mouse over,
// pressed) stacked from the top and one more row at the bottom whose first
// pixel gives the transparent colour. The button is as large as one state.
#pragma once

#include "shared/menuobj/ButBasis.h"

class CButBmp : public CButBasis
{
    DECLARE_DYNAMIC(CButBmp)
public:
    CButBmp();

    // Attributes
    BOOL IsLoaded() const { return m_bLoaded; }
    int GetImageWidth() const { return m_nWidth; }
    int GetStateHeight() const { return m_nStateHeight; }
    COLORREF GetTransparentColor() const { return m_crTransparent; }

    // Operations
    // Loads the create struct's picture file and sizes the button to one
    // state; a failure disables the button (reported when errors are).
    BOOL LoadImage();

    // Overridables
    // Loads the picture first (failures always reported) and creates the
    // window in the size of one state at the rectangle's top-left corner.
    BOOL CreateButton(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID) override;
    void Draw(CDC* pDC) override;

private:
    BOOL LoadBitmapFile();
    void ReportOpenError();
    void TakeImageSize();

    CString m_strImageFile;
    CBitmap m_bitmap;        // all three states
    BOOL m_bLoaded;
    int m_nWidth;
    int m_nFullHeight;
    int m_nStateHeight;      // (full height - 1) / 3
    COLORREF m_crTransparent;
    BOOL m_bDrawn;           // the picture is loaded again at the first Draw
};
