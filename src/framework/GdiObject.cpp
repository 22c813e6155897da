#include "framework/GdiObject.h"

#include "framework/Bitmap.h"
#include "framework/Brush.h"
#include "framework/DC.h"
#include "framework/Font.h"
#include "framework/HandleMap.h"
#include "framework/Palette.h"
#include "framework/Pen.h"
#include "framework/Rgn.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CPalette, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

namespace {

CHandleMap<HGDIOBJ, CGdiObject>& GdiMap()
{
    thread_local CHandleMap<HGDIOBJ, CGdiObject> map;
    return map;
}

// A temporary wrapper of the handle's own kind, so that typed FromHandle casts hold.
CGdiObject* MakeTemporary(HGDIOBJ h)
{
    CGdiObject* p;
    switch (::GetObjectType(h))
    {
    case OBJ_PEN:
    case OBJ_EXTPEN: p = new CPen; break;
    case OBJ_BRUSH: p = new CBrush; break;
    case OBJ_FONT: p = new CFont; break;
    case OBJ_BITMAP: p = new CBitmap; break;
    case OBJ_PAL: p = new CPalette; break;
    case OBJ_REGION: p = new CRgn; break;
    default: p = new CGdiObject; break;
    }
    p->m_hObject = h;
    return p;
}

} // namespace

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == nullptr)
        return FALSE;
    DeleteObject();
    m_hObject = hObject;
    GdiMap().SetPermanent(hObject, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ h = m_hObject;
    GdiMap().RemovePermanent(h, this);
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::DeleteObject()
{
    HGDIOBJ h = Detach();
    return h != nullptr ? ::DeleteObject(h) : FALSE;
}

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return GdiMap().FromHandle(hObject, MakeTemporary);
}

void PASCAL CGdiObject::DeleteTempMap()
{
    GdiMap().DeleteTemp(&CGdiObject::m_hObject);
}

BOOL CFont::CreatePointFont(int nPointSize, LPCSTR lpszFaceName, HDC hDC)
{
    LOGFONTA lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, lpszFaceName ? lpszFaceName : "", LF_FACESIZE);
    HDC hScreen = hDC ? hDC : ::GetDC(nullptr);
    // Tenths of a point to pixels at the device's resolution.
    POINT pt = { 0, MulDiv(nPointSize, ::GetDeviceCaps(hScreen, LOGPIXELSY), 720) };
    lf.lfHeight = -abs(pt.y);
    if (hDC == nullptr)
        ::ReleaseDC(nullptr, hScreen);
    return CreateFontIndirect(&lf);
}

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    return LoadBitmap(MAKEINTRESOURCEA(nIDResource));
}

BOOL CBitmap::LoadBitmap(LPCSTR lpszResourceName)
{
    HBITMAP h = ::LoadBitmapA(AfxGetResourceHandle(), lpszResourceName);
    if (h == nullptr)
        h = ::LoadBitmapA(GetModuleHandleA(nullptr), lpszResourceName);
    return Attach(h);
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    return Attach(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}

BOOL CPalette::CreateHalftonePalette(CDC* pDC)
{
    return Attach(::CreateHalftonePalette(pDC->m_hDC));
}

int CPalette::GetEntryCount() const
{
    WORD n = 0;
    if (m_hObject == nullptr || ::GetObjectA(m_hObject, sizeof(n), &n) == 0)
        return 0;
    return n;
}
