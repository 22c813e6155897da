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

// The wrapper class of each kind of GDI object.
const CRuntimeClass* WrapperClassOf(DWORD dwObjectType)
{
    switch (dwObjectType)
    {
    case OBJ_PEN:
    case OBJ_EXTPEN: return RUNTIME_CLASS(CPen);
    case OBJ_BRUSH: return RUNTIME_CLASS(CBrush);
    case OBJ_FONT: return RUNTIME_CLASS(CFont);
    case OBJ_BITMAP: return RUNTIME_CLASS(CBitmap);
    case OBJ_PAL: return RUNTIME_CLASS(CPalette);
    case OBJ_REGION: return RUNTIME_CLASS(CRgn);
    default: return RUNTIME_CLASS(CGdiObject);
    }
}

bool IsWrapperOfKind(const CGdiObject* p, DWORD dwObjectType)
{
    return p->GetRuntimeClass() == WrapperClassOf(dwObjectType);
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
    // Temporaries are keyed by handle and kind: a handle deleted and made
    // again as another kind of object gets a wrapper of its new kind.
    CHandleMap<HGDIOBJ, CGdiObject>& map = GdiMap();
    CGdiObject* pTemp = map.LookupTemporary(hObject);
    if (pTemp != nullptr && !IsWrapperOfKind(pTemp, ::GetObjectType(hObject)))
        map.RetireTemporary(hObject);
    return map.FromHandle(hObject, MakeTemporary);
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
