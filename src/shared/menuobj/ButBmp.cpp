#include "shared/menuobj/ButBmp.h"

#include "shared/menuobj/MButCreateStruct.h"
#include "shared/menuobj/ObjectBitmaps.h"
#include "shared/menuobj/StateStrip.h"
#include "shared/support/Language.h"

IMPLEMENT_DYNAMIC(CButBmp, CButBasis)

CButBmp::CButBmp()
    : m_bLoaded(FALSE), m_nWidth(0), m_nFullHeight(0), m_nStateHeight(0), m_crTransparent(RGB(0, 0, 0)),
      m_bDrawn(FALSE)
{
}

BOOL CButBmp::LoadImage()
{
    m_bLoaded = FALSE;
    m_strImageFile = m_pButCrStruct ? m_pButCrStruct->m_strBitmap : CString();
    if (!LoadBitmapFile())
    {
        ReportOpenError();
        m_bEnabled = 0;
        return FALSE;
    }
    if (!IsStateStripHeight(m_nFullHeight))
    {
        if (m_bReportErrors)
        {
            CString strText;
            strText.Format("ERROR:\n\nFormat Error - file: \"%s\" ! \n", (LPCSTR)m_strImageFile);
            AfxMessageBox(strText, MB_OK | MB_ICONERROR);
        }
        m_bitmap.DeleteObject();
        m_bEnabled = 0;
        return FALSE;
    }
    m_nStateHeight = StateHeightOfStrip(m_nFullHeight);
    m_crTransparent = GetBitmapPixel(m_bitmap, 0, m_nFullHeight - 1);
    m_bLoaded = TRUE;
    TakeImageSize();
    return TRUE;
}

BOOL CButBmp::LoadBitmapFile()
{
    if (m_strImageFile.IsEmpty())
        return FALSE;
    CString strExtension = GetUpperExtension(m_strImageFile);
    if (strExtension == ".BMP" || strExtension == ".BTI")
        return LoadDibBitmap(m_strImageFile, m_bitmap, m_nWidth, m_nFullHeight);
    return LoadPictureBitmap(m_strImageFile, m_bitmap, m_nWidth, m_nFullHeight);
}

void CButBmp::ReportOpenError()
{
    if (!m_bReportErrors)
        return;
    CString strText;
    if (IsGerman())
        strText.Format("Fehler\n\nBitmap-Datei : \"%s\"\nkann nicht geöffnet werden !", (LPCSTR)m_strImageFile);
    else
        strText.Format("ERROR:\n\nCannot open file: \"%s\"\n !", (LPCSTR)m_strImageFile);
    AfxMessageBox(strText, MB_OK | MB_ICONERROR);
}

// The button takes the size of one state at its top-left corner.
void CButBmp::TakeImageSize()
{
    CRect rc(m_rcObject.left, m_rcObject.top, m_rcObject.left + m_nWidth, m_rcObject.top + m_nStateHeight);
    if (m_pButCrStruct != nullptr)
        m_pButCrStruct->m_rect = rc;
    if (rc == CRect(m_rcObject))
        return;
    if (m_hWnd != nullptr)
        SetObjectRect(rc);
    else
        m_rcObject = rc;
}

BOOL CButBmp::CreateButton(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID)
{
    m_bReportErrors = 1;
    m_rcObject = rect;
    if (!LoadImage() || m_nWidth <= 0 || m_nStateHeight <= 0)
        return FALSE;
    return CButBasis::CreateButton(lpszCaption, dwStyle, m_rcObject, pParent, nID);
}

void CButBmp::Draw(CDC* pDC)
{
    pDC->SetBkMode(TRANSPARENT);
    if (!m_bDrawn)
    {
        m_bDrawn = TRUE;
        LoadImage();
    }
    if (!m_bEnabled)
        return;
    if (m_bLoaded)
    {
        int nState = m_bPressed ? 2 : IsRaised() ? 1 : 0;
        DrawTransparentBitmap(pDC, m_rcObject.left, m_rcObject.top, m_nWidth, m_nStateHeight, m_bitmap, 0,
                              nState * m_nStateHeight, m_crTransparent);
    }
    DrawCaptionInset(pDC, 3, 2, m_bPressed);
}
