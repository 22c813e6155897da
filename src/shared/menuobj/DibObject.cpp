#include "shared/menuobj/DibObject.h"

#include "framework/File.h"
#include "framework/Palette.h"
#include "shared/support/DibFunctions.h"

IMPLEMENT_DYNAMIC(CDibObject, CObject)

CDibObject::~CDibObject()
{
    Free();
}

BOOL CDibObject::LoadFile(LPCSTR lpszPath)
{
    CFile file;
    if (!file.Open(lpszPath, CFile::modeRead | CFile::shareDenyWrite))
        return FALSE;
    Free();
    try
    {
        m_hDib = ReadDibFromFile(file);
    }
    catch (CFileException* pError)
    {
        pError->Delete();
        file.Abort();
    }
    InitFromDib();
    return m_hDib != nullptr;
}

void CDibObject::InitFromDib()
{
    DeletePalette();
    DibLock dib(m_hDib);
    if (!dib.IsValid())
    {
        Free();
        return;
    }
    m_nWidth = dib.Layout().nWidth;
    m_nHeight = dib.Layout().nHeight;
    m_pPalette = new CPalette;
    if (!CreateDibPaletteObject(m_hDib, m_pPalette))
        DeletePalette();
}

HBITMAP CDibObject::CreateDDB() const
{
    DibLock dib(m_hDib);
    if (!dib.IsValid())
        return nullptr;
    HDC hScreen = GetDC(nullptr);
    HPALETTE hOldPalette = nullptr;
    if (m_pPalette != nullptr)
    {
        hOldPalette = SelectPalette(hScreen, static_cast<HPALETTE>(m_pPalette->GetSafeHandle()), FALSE);
        RealizePalette(hScreen);
    }
    HBITMAP hBitmap = CreateDIBitmap(hScreen, &dib.Info()->bmiHeader, CBM_INIT, dib.Bits(), dib.Info(), DIB_RGB_COLORS);
    if (hOldPalette != nullptr)
        SelectPalette(hScreen, hOldPalette, FALSE);
    ReleaseDC(nullptr, hScreen);
    return hBitmap;
}

void CDibObject::Free()
{
    if (m_hDib != nullptr)
        GlobalFree(m_hDib);
    m_hDib = nullptr;
    DeletePalette();
}

void CDibObject::DeletePalette()
{
    delete m_pPalette;
    m_pPalette = nullptr;
}

BOOL LoadDibFile(CDibObject& dib, LPCSTR lpszPath)
{
    return dib.LoadFile(lpszPath);
}
