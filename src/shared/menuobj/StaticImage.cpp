#include "shared/menuobj/StaticImage.h"

#include "shared/menuobj/ObjWndProgram.h"
#include "shared/menuobj/ObjectBitmaps.h"

IMPLEMENT_DYNAMIC(CStaticImage, CStaticBasis)

CStaticImage::CStaticImage() : m_bSized(FALSE), m_rcImage{ 0, 0, 0, 0 }, m_bLoaded(FALSE), m_nWidth(0), m_nHeight(0)
{
}

BOOL CStaticImage::CreateImage(LPCSTR lpszFile, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID)
{
    m_strFile = lpszFile;
    if (m_strFile.IsEmpty())
        return FALSE;
    if (!Create(nullptr, nullptr, dwStyle, rect, pParent, nID))
        return FALSE;
    LoadImage();
    if (m_bLoaded)
    {
        MoveWindow(rect.left, rect.top, m_nWidth, m_nHeight, FALSE);
        EnableWindow(FALSE);
    }
    return m_bLoaded;
}

BOOL CStaticImage::LoadImage()
{
    m_bLoaded = FALSE;
    if (m_strFile.IsEmpty())
        return FALSE;
    if (!LoadPicture())
        return FALSE;
    m_bLoaded = TRUE;
    ::SetRect(&m_rcImage, m_rcObject.left, m_rcObject.top, m_rcObject.left + m_nWidth, m_rcObject.top + m_nHeight);
    m_rcObject = m_rcImage;
    m_bSized = TRUE;
    return TRUE;
}

// Pictures other than BMP files load in design mode, and in run mode when the
// program allows it.
BOOL CStaticImage::LoadPicture()
{
    if (GetUpperExtension(m_strFile) == ".BMP")
        return LoadDibBitmap(m_strFile, m_bitmap, m_nWidth, m_nHeight);
    if (!m_bEditMode && !CObjWndProgram::Get().LoadsPicturesInRunMode())
        return FALSE;
    return LoadPictureBitmap(m_strFile, m_bitmap, m_nWidth, m_nHeight);
}

void CStaticImage::Draw(CDC* pDC)
{
    pDC->SetBkMode(TRANSPARENT);
    if (!m_bSized)
        LoadImage();
    if (!m_bLoaded)
        return;
    pDC->DrawState(CPoint(m_rcObject.left, m_rcObject.top), CSize(m_nWidth, m_nHeight), (HBITMAP)m_bitmap, DST_BITMAP);
}
