#include "framework/ImageList.h"

#include "framework/Bitmap.h"
#include "framework/DC.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CImageList, CObject)

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    return Attach(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEA(nBitmapID), RT_BITMAP);
    if (hInst == nullptr)
        return FALSE;
    return Attach(ImageList_LoadImageA(hInst, MAKEINTRESOURCEA(nBitmapID), cx, nGrow, crMask, IMAGE_BITMAP,
                                       LR_CREATEDIBSECTION));
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    if (hImageList == nullptr)
        return FALSE;
    DeleteImageList();
    m_hImageList = hImageList;
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST h = m_hImageList;
    m_hImageList = nullptr;
    return h;
}

BOOL CImageList::DeleteImageList()
{
    HIMAGELIST h = Detach();
    return h != nullptr && ImageList_Destroy(h);
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    return ImageList_AddMasked(m_hImageList, (HBITMAP)AfxHgdiobj(pbmImage), crMask);
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Add(m_hImageList, (HBITMAP)AfxHgdiobj(pbmImage), (HBITMAP)AfxHgdiobj(pbmMask));
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    return ImageList_Draw(m_hImageList, nImage, pDC->m_hDC, pt.x, pt.y, nStyle);
}
