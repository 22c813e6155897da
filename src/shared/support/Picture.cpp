#include "shared/support/Picture.h"

#include "framework/DC.h"
#include "framework/File.h"
#include "framework/MessageBox.h"
#include "framework/WinApp.h"
#include "shared/support/BmpFileReader.h"
#include "shared/support/HeapBuffer.h"
#include "shared/support/NewBitmap.h"

#include <cstring>

namespace {

const int kHimetricPerInch = 2540;
const int kResourcePixelsPerInch = 96;
const char kNoMemory[] = "Can not allocate enough memory\t";

const DWORD kGifHeaderBytes = 13;          // signature and logical screen descriptor
const DWORD kGifDescriptorBytes = 10;      // image descriptor with its separator
const BYTE kGifExtension = 0x21;
const BYTE kGifImage = 0x2C;
const BYTE kGifHasTable = 0x80;

DWORD GifTableBytes(BYTE packed)
{
    return (packed & kGifHasTable) != 0 ? 3u << ((packed & 7) + 1) : 0;
}

// Whether the GIF's header and first image lie within the data and have a
// colour table to draw with. The platform's decoder must never see a GIF
// without any colour table: it fails on one badly instead of refusing it.
bool IsDecodableGif(const BYTE* pBytes, DWORD nCount)
{
    if (nCount < kGifHeaderBytes)
        return false;
    const DWORD nGlobalTable = GifTableBytes(pBytes[10]);
    ULONGLONG nPos = kGifHeaderBytes + ULONGLONG(nGlobalTable);
    // Extensions until the first image.
    while (nPos < nCount && pBytes[nPos] == kGifExtension)
    {
        nPos += 2;
        while (nPos < nCount && pBytes[nPos] != 0)
            nPos += 1 + ULONGLONG(pBytes[nPos]);
        ++nPos;
    }
    if (nPos + kGifDescriptorBytes >= nCount || pBytes[nPos] != kGifImage)
        return false;
    const DWORD nLocalTable = GifTableBytes(pBytes[nPos + 9]);
    // The table and the image's code size must follow within the data.
    return (nGlobalTable != 0 || nLocalTable != 0) && nPos + kGifDescriptorBytes + nLocalTable < nCount;
}

bool StartsWith(const BYTE* pBytes, DWORD nCount, const void* pSignature, DWORD nSignature)
{
    return nCount >= nSignature && memcmp(pBytes, pSignature, nSignature) == 0;
}

// The platform's picture object sees only what is checked here first: a GIF
// that IsDecodableGif accepts, JPEG data and a BMP whose headers and pixels
// pass our own reader's checks. Icons, metafiles and anything else never
// reach it, whatever the file is called: its decoders of those fail on
// damaged data by crashing.
bool IsAcceptedPicture(const BYTE* pBytes, DWORD nCount)
{
    static const BYTE kJpeg[] = { 0xFF, 0xD8, 0xFF };
    if (pBytes == nullptr)
        return false;
    if (StartsWith(pBytes, nCount, "GIF", 3))
        return IsDecodableGif(pBytes, nCount);
    if (StartsWith(pBytes, nCount, kJpeg, sizeof(kJpeg)))
        return true;
    if (StartsWith(pBytes, nCount, "BM", 2))
    {
        BmpMemorySource source(pBytes, nCount);
        return CheckBmp(source, BmpReadOptions()) == BmpReadResult::ok;
    }
    return false;
}

} // namespace

CPicture::~CPicture()
{
    FreePicture();
}

BOOL CPicture::Load(CString strPath)
{
    m_bValid = FALSE;
    FreePicture();
    CHeapBuffer buffer;
    if (!ReadFileToBuffer(strPath, buffer) || m_nFileSize == 0)
        return FALSE;
    return CreateFromBytes(buffer.GetData(), DWORD(m_nFileSize)) && UpdateSize();
}

BOOL CPicture::ReadFileToBuffer(LPCSTR lpszPath, CHeapBuffer& buffer)
{
    m_nFileSize = 0;
    CFile file;
    CFileException error;
    if (!file.Open(lpszPath, CFile::modeRead | CFile::typeBinary | CFile::shareDenyNone, &error))
    {
        ReportFileError(&error);
        return FALSE;
    }
    try
    {
        const ULONGLONG nLength = file.GetLength();
        if (nLength > 0x7FFFFFFF || buffer.Alloc(DWORD(nLength), m_bShowErrors) == nullptr)
            return FALSE;
        if (file.Read(buffer.GetData(), DWORD(nLength)) != nLength)
            return FALSE;
        file.Close();
        m_nFileSize = LONG(nLength);
        return TRUE;
    }
    catch (CFileException* pError)
    {
        ReportFileError(pError);
        pError->Delete();
        return FALSE;
    }
}

BOOL CPicture::CreateFromBytes(const BYTE* pBytes, DWORD nCount)
{
    FreePicture();
    if (!IsAcceptedPicture(pBytes, nCount))
        return FALSE;
    HGLOBAL hMem = GlobalAlloc(GMEM_MOVEABLE, nCount);
    void* pMem = hMem != nullptr ? GlobalLock(hMem) : nullptr;
    if (pMem == nullptr)
    {
        if (hMem != nullptr)
            GlobalFree(hMem);
        ReportError(kNoMemory);
        return FALSE;
    }
    memcpy(pMem, pBytes, nCount);
    GlobalUnlock(hMem);

    // The picture object needs OLE, which a program may set up only now.
    AfxOleInit();
    // The stream frees the block when it is released.
    IStream* pStream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(hMem, TRUE, &pStream)))
    {
        GlobalFree(hMem);
        return FALSE;
    }
    const HRESULT hr = OleLoadPicture(pStream, LONG(nCount), FALSE, IID_IPicture, reinterpret_cast<void**>(&m_pPicture));
    pStream->Release();
    if (hr == E_NOINTERFACE)
    {
        FreePicture();
        ReportError("IPicture interface is not supported\t");
        return FALSE;
    }
    return TRUE;
}

BOOL CPicture::LoadFromResource(UINT nID, LPCSTR lpszType)
{
    FreePicture();
    HINSTANCE hModule = AfxGetResourceHandle();
    HRSRC hResource = FindResourceA(hModule, MAKEINTRESOURCEA(nID), lpszType);
    if (hResource == nullptr)
    {
        ReportError("FindResource() Failed\t");
        return FALSE;
    }
    HGLOBAL hData = LoadResource(hModule, hResource);
    if (hData == nullptr)
    {
        ReportError("LoadResource() Failed\t");
        return FALSE;
    }
    const BYTE* pData = static_cast<const BYTE*>(LockResource(hData));
    if (pData == nullptr)
    {
        ReportError("LockResource() Failed\t");
        return FALSE;
    }
    const DWORD nSize = SizeofResource(hModule, hResource);
    const BOOL bCreated = CreateFromBytes(pData, nSize);
    m_nDataSize = LONG(nSize);
    if (m_pPicture == nullptr)
    {
        m_nWidth = m_nHeight = 0;
        return FALSE;
    }
    OLE_XSIZE_HIMETRIC cx;
    OLE_YSIZE_HIMETRIC cy;
    GetHimetricSize(cx, cy);
    m_nHeight = MulDiv(cy, kResourcePixelsPerInch, kHimetricPerInch);
    m_nWidth = MulDiv(cx, kResourcePixelsPerInch, kHimetricPerInch);
    return bCreated;
}

BOOL CPicture::UpdateSize()
{
    m_bValid = FALSE;
    if (m_nFileSize == 0)
        return FALSE;
    m_nDataSize = m_nFileSize;
    if (m_pPicture == nullptr)
    {
        m_nWidth = m_nHeight = 0;
        return FALSE;
    }
    int nPixelsX = kResourcePixelsPerInch;
    int nPixelsY = kResourcePixelsPerInch;
    if (HDC hScreen = GetDC(nullptr))
    {
        nPixelsX = GetDeviceCaps(hScreen, LOGPIXELSX);
        nPixelsY = GetDeviceCaps(hScreen, LOGPIXELSY);
        ReleaseDC(nullptr, hScreen);
    }
    OLE_XSIZE_HIMETRIC cx;
    OLE_YSIZE_HIMETRIC cy;
    GetHimetricSize(cx, cy);
    m_nHeight = MulDiv(cy, nPixelsY, kHimetricPerInch);
    m_nWidth = MulDiv(cx, nPixelsX, kHimetricPerInch);
    m_bValid = m_nHeight >= 1 && m_nWidth >= 1;
    return m_bValid;
}

void CPicture::FreePicture()
{
    if (m_pPicture != nullptr)
        m_pPicture->Release();
    m_pPicture = nullptr;
    m_nHeight = 0;
    m_nDataSize = 0;
    m_nWidth = 0;
    m_bValid = FALSE;
}

HPALETTE CPicture::GetPalette() const
{
    OLE_HANDLE hPalette = 0;
    if (m_pPicture == nullptr || FAILED(m_pPicture->get_hPal(&hPalette)))
        return nullptr;
    return reinterpret_cast<HPALETTE>(static_cast<UINT_PTR>(hPalette));
}

BOOL CPicture::Render(CDC* pDC, const RECT& rc)
{
    if (pDC == nullptr || pDC->m_hDC == nullptr || m_pPicture == nullptr)
        return FALSE;
    OLE_XSIZE_HIMETRIC cx;
    OLE_YSIZE_HIMETRIC cy;
    GetHimetricSize(cx, cy);
    // HIMETRIC runs bottom-up: start at the top and go down to come out upright.
    const HRESULT hr = m_pPicture->Render(pDC->GetSafeHdc(), rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                                          0, cy, cx, -cy, &rc);
    if (FAILED(hr))
    {
        ReportError(kNoMemory);
        return FALSE;
    }
    return TRUE;
}

BOOL CPicture::Draw(CDC* pDC, int x, int y)
{
    return Render(pDC, CRect(x, y, x + m_nWidth, y + m_nHeight));
}

BOOL CPicture::DrawFit(CDC* pDC, const RECT& rc)
{
    return Render(pDC, FitPictureRect(rc, m_nWidth, m_nHeight));
}

BOOL CPicture::RenderToBitmap(CDC* pDC, CBitmap& bitmap, int cx, int cy, CBrush* pBrush)
{
    return PaintNewBitmap(pDC, bitmap, cx, cy, [&](CDC& memDC) {
        const CRect rc(0, 0, cx, cy);
        if (pBrush != nullptr)
            memDC.FillRect(rc, pBrush);
        return Render(&memDC, rc);
    });
}

void CPicture::ReportFileError(CFileException* pError)
{
    char szError[256] = "";
    pError->GetErrorMessage(szError, sizeof(szError));
    ReportError(szError);
}

void CPicture::ReportError(LPCSTR lpszText)
{
    m_strError = lpszText;
    if (!m_bShowErrors)
        return;
    CWinApp* pApp = AfxGetApp();
    AfxShowMessageBox(pApp != nullptr ? pApp->GetMainWndHandle() : nullptr, lpszText, "CPicture Error",
                      MB_OK | MB_ICONSTOP);
}

void CPicture::GetHimetricSize(OLE_XSIZE_HIMETRIC& cx, OLE_YSIZE_HIMETRIC& cy) const
{
    cx = cy = 0;
    m_pPicture->get_Width(&cx);
    m_pPicture->get_Height(&cy);
}

RECT FitPictureRect(const RECT& rc, int w, int h)
{
    const int W = rc.right - rc.left;
    const int H = rc.bottom - rc.top;
    if (w <= 0 || h <= 0)
        return RECT{ rc.left, rc.top, rc.left, rc.top };
    if (w < W && h < H)
    {
        const int x = rc.left + (W - w) / 2;
        const int y = rc.top + (H - h) / 2;
        return RECT{ x, y, x + w, y + h };
    }
    const double r = double(w) / double(h);
    int cx, cy;
    if (double(w) / W > double(h) / H)
    {
        cx = W;
        cy = int(W / r);
    }
    else
    {
        cy = H;
        cx = int(H * r);
    }
    const int x = rc.left + (cx < W ? (W - cx) / 2 : 0);
    const int y = rc.top + (cy < H ? (H - cy) / 2 : 0);
    return RECT{ x, y, x + cx, y + cy };
}
