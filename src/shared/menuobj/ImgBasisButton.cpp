#include "shared/menuobj/ImgBasisButton.h"

#include "shared/menuobj/MButCreateStruct.h"
#include "shared/menuobj/ObjectBitmaps.h"

#include <algorithm>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CImgBasisButton, CButBasis)

int CImgBasisButton::s_nInstances = 0;
CPen* CImgBasisButton::s_pGreyPen = nullptr;
CPen* CImgBasisButton::s_pWhitePen = nullptr;
CPen* CImgBasisButton::s_pBluePen = nullptr;

CImgBasisButton::CImgBasisButton() : m_nFrameMode(0), m_pImage(nullptr), m_nImageWidth(0), m_nImageHeight(0)
{
    if (s_nInstances++ == 0)
    {
        s_pGreyPen = new CPen(PS_SOLID, 1, RGB(128, 128, 128));
        s_pWhitePen = new CPen(PS_SOLID, 1, RGB(255, 255, 255));
        s_pBluePen = new CPen(PS_SOLID, 1, RGB(10, 36, 106));
    }
}

CImgBasisButton::~CImgBasisButton()
{
    if (--s_nInstances == 0)
    {
        delete s_pGreyPen;
        delete s_pWhitePen;
        delete s_pBluePen;
        s_pGreyPen = s_pWhitePen = s_pBluePen = nullptr;
    }
}

CPen* CImgBasisButton::GreyPen()
{
    return s_pGreyPen;
}

CPen* CImgBasisButton::WhitePen()
{
    return s_pWhitePen;
}

CPen* CImgBasisButton::BluePen()
{
    return s_pBluePen;
}

BOOL CImgBasisButton::CreateFromStruct(CMButCreateStruct* pCrStruct, CWnd* pParent)
{
    const CString& strFile = pCrStruct->m_strBitmap;
    if (strFile.IsEmpty())
        return FALSE;
    CString strExtension = GetUpperExtension(strFile);
    int cx = 0, cy = 0;
    BOOL bLoaded = strExtension == ".BMP" || strExtension == ".BTI" ? LoadDibBitmap(strFile, m_image, cx, cy)
                                                                     : LoadPictureBitmap(strFile, m_image, cx, cy);
    if (!bLoaded)
        return FALSE;
    RECT& rc = pCrStruct->m_rect;
    rc.right = rc.left + cx;
    rc.bottom = rc.top + cy;
    return CreateImageButton(pCrStruct->m_strText, pCrStruct->m_dwStyle, pCrStruct->m_nRepeat, rc.left, rc.top,
                             &m_image, pParent, UINT(pCrStruct->m_nID));
}

BOOL CImgBasisButton::CreateImageButton(LPCSTR lpszCaption, DWORD dwStyle, int nFrameMode, int x, int y,
                                        CBitmap* pImage, CWnd* pParent, UINT nID)
{
    m_nFrameMode = nFrameMode;
    m_pImage = pImage;
    BITMAP bm = {};
    if (pImage == nullptr || pImage->GetBitmap(&bm) == 0)
        return FALSE;
    m_nImageWidth = bm.bmWidth;
    m_nImageHeight = bm.bmHeight;
    CRect rc(x, y, x + m_nImageWidth, y + m_nImageHeight);
    return CreateButton(lpszCaption, dwStyle, rc, pParent, nID);
}

void CImgBasisButton::DrawImage(CDC* pDC, int dx, int dy, CPen* pTopLeft, CPen* pBottomRight, CBitmap* pImage)
{
    pDC->SetBkMode(TRANSPARENT);
    const int x = m_rcObject.left;
    const int y = m_rcObject.top;
    CDC imageDC;
    if (pImage != nullptr && imageDC.CreateCompatibleDC(pDC))
    {
        CBitmap* pOld = imageDC.SelectObject(pImage);
        pDC->BitBlt(x + std::max(dx, 0), y + std::max(dy, 0), m_nImageWidth - std::abs(dx),
                    m_nImageHeight - std::abs(dy), &imageDC, std::max(-dx, 0), std::max(-dy, 0), SRCCOPY);
        imageDC.SelectObject(pOld);
    }
    if (pTopLeft == nullptr || pBottomRight == nullptr)
        return;
    const int r = x + m_nImageWidth - 1;
    const int b = y + m_nImageHeight - 1;
    CPen* pOldPen = pDC->SelectObject(pTopLeft);
    pDC->MoveTo(x, b);
    pDC->LineTo(x, y);
    pDC->LineTo(r, y);
    pDC->SelectObject(pBottomRight);
    pDC->LineTo(r, b);
    pDC->LineTo(x - 1, b);
    pDC->SelectObject(pOldPen);
}

void CImgBasisButton::DrawFocusFrame(CDC* pDC)
{
    CBrush black(RGB(0, 0, 0));
    pDC->FrameRect(&m_rcObject, &black);
}
