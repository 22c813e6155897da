#include "editor/dialogs/IconImageDlg.h"

#include "editor/dialogs/EditorMessages.h"
#include "framework/ClientDC.h"
#include "framework/DataExchange.h"
#include "framework/FileDialog.h"
#include "framework/PaintDC.h"
#include "shared/support/IconFile.h"

#include "editor/DialogIds.h"
#include "editor/resource.h"

IMPLEMENT_DYNAMIC(CIconImageDlg, CDialog)

// void OnXxx()
// BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
// void OnLButtonDown(UINT nFlags, CPoint point), void OnMouseMove(UINT nFlags, CPoint point)
// void OnPaint(), void OnDestroy()
BEGIN_MESSAGE_MAP(CIconImageDlg, CDialog)
    ON_BN_CLICKED(IDC_ICONIMG_BROWSE, OnBrowse)
    ON_BN_CLICKED(IDC_ICONIMG_PICK, OnPickColor)
    ON_BN_CLICKED(IDC_ICONIMG_16, OnChoice)
    ON_BN_CLICKED(IDC_ICONIMG_32, OnChoice)
    ON_BN_CLICKED(IDC_ICONIMG_16COLORS, OnChoice)
    ON_BN_CLICKED(IDC_ICONIMG_256COLORS, OnChoice)
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_PAINT()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

const COLORREF kNoSwatch = RGB(192, 192, 192);
// No colour: the first colour under the cursor is always painted.
const COLORREF kNoLastSwatch = 1;

} // namespace

CIconImageDlg::CIconImageDlg(CWnd* pParentWnd)
    : CDialog(IDD_ICON_IMAGE, pParentWnd), m_nSizeChoice(1), m_nColorChoice(0), m_hIcon(nullptr),
      m_bTransparentChosen(0), m_rcPreview(260, 35, 292, 67), m_rcSwatch(360, 35, 392, 67), m_crSwatch(kNoSwatch),
      m_crLastSwatch(kNoLastSwatch), m_bPickMode(0), m_bOverPreview(0), m_nTransparentX(-1), m_nTransparentY(-1),
      m_hHandCursor(nullptr)
{
}

CIconImageDlg::~CIconImageDlg()
{
    DestroyPreviewIcon();
}

void CIconImageDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_ICONIMG_FILE, m_strBitmapFile);
    DDX_Radio(pDX, IDC_ICONIMG_16, m_nSizeChoice);
    DDX_Radio(pDX, IDC_ICONIMG_16COLORS, m_nColorChoice);
}

BOOL CIconImageDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_hHandCursor = ::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_EDITOR_HAND));
    MeasurePreview();
    if (CWnd* pSwatch = GetDlgItem(IDC_ICONIMG_SWATCH))
    {
        pSwatch->GetWindowRect(m_rcSwatch);
        ScreenToClient(m_rcSwatch);
    }
    return TRUE;
}

void CIconImageDlg::MeasurePreview()
{
    if (CWnd* pPreview = GetDlgItem(IDC_ICONIMG_PREVIEW))
    {
        pPreview->GetWindowRect(m_rcPreview);
        ScreenToClient(m_rcPreview);
    }
}

void CIconImageDlg::DestroyPreviewIcon()
{
    if (m_hIcon != nullptr)
        ::DestroyIcon(m_hIcon);
    m_hIcon = nullptr;
}

void CIconImageDlg::OnBrowse()
{
    m_crSwatch = kNoSwatch;
    m_crLastSwatch = kNoLastSwatch;
    m_bPickMode = 0;
    m_bOverPreview = 0;
    m_nTransparentX = -1;
    m_nTransparentY = -1;
    CFileDialog dlg(TRUE, "bmp", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "Bitmap Files (*.bmp)|*.bmp||",
                    this);
    if (dlg.DoModal() != IDOK)
        return;
    CString path = dlg.GetPathName();
    CString ending = path.Right(4);
    ending.MakeLower();
    if (ending != ".bmp")
    {
        ErrorBoxById(IDS_ONLY_PICTURE_TYPES);
        return;
    }
    SetDlgItemText(IDC_ICONIMG_FILE, path);
    Rebuild();
}

void CIconImageDlg::OnChoice()
{
    Rebuild();
}

void CIconImageDlg::Rebuild()
{
    UpdateData(TRUE);
    if (m_strBitmapFile.IsEmpty())
        return;
    DestroyPreviewIcon();
    IconImage image;
    image.nWidth = image.nHeight = (UINT)SizeOfChoice(m_nSizeChoice);
    image.nBitsPerPixel = (UINT)BitsOfChoice(m_nColorChoice);
    if (!IconImageFromBmpFile(m_strBitmapFile, image, TRUE))
    {
        // The preview must not keep the handle just destroyed.
        SendDlgItemMessage(IDC_ICONIMG_PREVIEW, STM_SETICON, 0);
        ErrorBoxById(IDS_ICON_NOT_CONVERTED);
        return;
    }
    if (m_nTransparentX >= 0 && m_nTransparentY >= 0)
        MakeColorTransparentAt(image, m_nTransparentX, m_nTransparentY);
    m_hIcon = CreateIconFromImage(&image);
    InvalidateRect(m_rcPreview);
    SendDlgItemMessage(IDC_ICONIMG_PREVIEW, STM_SETICON, (WPARAM)m_hIcon);
    // The preview takes the icon's size: picked points count from its corner.
    MeasurePreview();
    InvalidateRect(m_rcSwatch);
}

void CIconImageDlg::OnPickColor()
{
    m_bPickMode = 1;
}

BOOL CIconImageDlg::IsPicking(CPoint point) const
{
    return m_hIcon != nullptr && m_bPickMode && m_rcPreview.PtInRect(point);
}

void CIconImageDlg::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    Default();
    if (m_hIcon == nullptr || !m_bPickMode)
        return;
    m_bOverPreview = IsPicking(point);
    if (!m_bOverPreview)
        return;
    CClientDC dc(this);
    m_crSwatch = dc.GetPixel(point);
    if (m_crSwatch != m_crLastSwatch)
    {
        InvalidateRect(m_rcSwatch);
        m_crLastSwatch = m_crSwatch;
    }
}

void CIconImageDlg::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    if (IsPicking(point))
    {
        {
            CClientDC dc(this);
            m_crSwatch = dc.GetPixel(point);
        }
        m_nTransparentX = point.x - m_rcPreview.left;
        m_nTransparentY = point.y - m_rcPreview.top;
        m_bPickMode = 0;
        m_bOverPreview = 0;
        m_bTransparentChosen = 1;
        Rebuild();
    }
    Default();
}

BOOL CIconImageDlg::OnSetCursor(CWnd* /*pWnd*/, UINT /*nHitTest*/, UINT /*message*/)
{
    ::SetCursor(m_bPickMode && m_bOverPreview && m_hHandCursor != nullptr ? m_hHandCursor
                                                                           : ::LoadCursorA(nullptr, IDC_ARROW));
    return TRUE;
}

void CIconImageDlg::OnPaint()
{
    CPaintDC dc(this);
    if (m_hIcon != nullptr)
        dc.FillSolidRect(&m_rcSwatch, m_crSwatch);
}

void CIconImageDlg::OnDestroy()
{
    DestroyPreviewIcon();
    CDialog::OnDestroy();
}
