#include "editor/dialogs/StartCenterDlg.h"

#include "framework/WinApp.h"

#include "editor/resource.h"

BEGIN_MESSAGE_MAP(CStartCenterDlg, CDialog)
    // void OnNewProject()
    ON_BN_CLICKED(IDC_START_NEW, OnNewProject)
    // void OnBackToEditor()
    ON_BN_CLICKED(IDC_START_BACK, OnBackToEditor)
    // void OnOpenProject()
    ON_BN_CLICKED(IDC_START_OPEN, OnOpenProject)
    // void OnExit()
    ON_BN_CLICKED(IDC_START_EXIT, OnExit)
END_MESSAGE_MAP()

namespace {

struct StaticStyle
{
    int nFirstID;
    int nLastID;
    int nHeight;
    int nWeight;
    COLORREF crText;
};

const StaticStyle kStyles[] = {
    { IDC_START_TITLE, IDC_START_TITLE, -18, FW_BOLD, RGB(0, 0, 192) },
    { IDC_START_NEW_TITLE, IDC_START_EXIT_TITLE, -16, FW_BOLD, RGB(0, 0, 128) },
    { IDC_START_LABEL1, IDC_START_LABEL5, -14, FW_BOLD, RGB(0, 0, 0) },
    { IDC_START_NOTE1, IDC_START_NOTE5, -12, FW_NORMAL, RGB(96, 96, 96) },
};

const int kOffsetX = 70;
const int kOffsetY = 110;
const int kMaxX = 550;
const int kMaxY = 450;

} // namespace

CStartCenterDlg::CStartCenterDlg(CWnd* pParent)
    : CDialog(IDD_START_CENTER, pParent), m_bNewProject(FALSE), m_bBackToEditor(FALSE), m_bOpenProject(FALSE),
      m_bExit(FALSE), m_hBackBitmap(nullptr), m_hWindowsBitmap(nullptr)
{
}

CStartCenterDlg::~CStartCenterDlg()
{
    if (m_hBackBitmap != nullptr)
        ::DeleteObject(m_hBackBitmap);
    if (m_hWindowsBitmap != nullptr)
        ::DeleteObject(m_hWindowsBitmap);
}

void CStartCenterDlg::SetButtonImage(int nID, UINT nType, HANDLE hImage)
{
    if (hImage != nullptr)
        SendDlgItemMessage(nID, BM_SETIMAGE, nType, (LPARAM)hImage);
}

BOOL CStartCenterDlg::OnInitDialog()
{
    // Each picture from the resource module, else from the program itself.
    auto bitmap = [](UINT nID) {
        LPCSTR lpszName = MAKEINTRESOURCEA(nID);
        return ::LoadBitmapA(AfxFindResourceHandle(lpszName, RT_BITMAP), lpszName);
    };
    auto icon = [](UINT nID) {
        LPCSTR lpszName = MAKEINTRESOURCEA(nID);
        return ::LoadIconA(AfxFindResourceHandle(lpszName, RT_GROUP_ICON), lpszName);
    };
    m_hBackBitmap = bitmap(IDB_START_BACK);
    m_hWindowsBitmap = bitmap(IDB_START_WINDOWS);
    SetButtonImage(IDC_START_BACK, IMAGE_BITMAP, m_hBackBitmap);
    SetButtonImage(IDC_START_OPEN, IMAGE_ICON, icon(IDI_START_OPEN));
    SetButtonImage(IDC_START_NEW, IMAGE_ICON, icon(IDR_MAINFRAME));
    SetButtonImage(IDC_START_EXIT, IMAGE_ICON, icon(IDI_START_EXIT));
    SetButtonImage(IDCANCEL, IMAGE_BITMAP, m_hWindowsBitmap);

    CDialog::OnInitDialog();
    int nStatic = 0;
    for (const StaticStyle& style : kStyles)
        for (int nID = style.nFirstID; nID <= style.nLastID && nStatic < kStaticCount; ++nID)
        {
            if (GetDlgItem(nID) == nullptr)
                continue;
            // Styled first: the label's font is made once, as it is subclassed.
            m_statics[nStatic].SetFontStyle(style.nHeight, style.nWeight, FALSE, style.crText);
            m_statics[nStatic++].SubclassDlgItem(nID, this);
        }
    PlaceBesideMainWindow();
    return TRUE;
}

void CStartCenterDlg::PlaceBesideMainWindow()
{
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd == nullptr || pMainWnd->GetSafeHwnd() == nullptr)
        return;
    RECT rcMain;
    ::GetWindowRect(pMainWnd->GetSafeHwnd(), &rcMain);
    int x = rcMain.left + kOffsetX, y = rcMain.top + kOffsetY;
    SetWindowPos(nullptr, x < kMaxX ? x : kMaxX, y < kMaxY ? y : kMaxY, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CStartCenterDlg::Choose(BOOL& bFlag)
{
    bFlag = TRUE;
    SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

void CStartCenterDlg::OnNewProject()
{
    Choose(m_bNewProject);
}

void CStartCenterDlg::OnBackToEditor()
{
    Choose(m_bBackToEditor);
}

void CStartCenterDlg::OnOpenProject()
{
    Choose(m_bOpenProject);
}

void CStartCenterDlg::OnExit()
{
    Choose(m_bExit);
}
