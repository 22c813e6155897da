#include "editor/dialogs/ButDlg_Page4.h"

#include "framework/DataExchange.h"
#include "framework/ProgramStart.h"
#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/EditorServices.h"
#include "editor/dialogs/HypertextButtonDlg.h"
#include "editor/dialogs/ImageFormatDlg.h"
#include "editor/dialogs/UiLanguage.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CButDlg_Page4, CButDlgPage)

// void OnXxx()
BEGIN_MESSAGE_MAP(CButDlg_Page4, CButDlgPage)
    ON_BN_CLICKED(IDC_BUT_STYLE_WINDOW, OnPlainStyle)
    ON_BN_CLICKED(IDC_BUT_STYLE_DRAW, OnPlainStyle)
    ON_BN_CLICKED(IDC_BUT_STYLE_IMAGE, OnPlainStyle)
    ON_BN_CLICKED(IDC_BUT_STYLE_HYPERTEXT, OnHypertextStyle)
    ON_BN_CLICKED(IDC_BUT_STYLE_BITMAP, OnBitmapStyle)
    ON_BN_CLICKED(IDC_BUT_STYLE_OFFICE, OnOfficeStyle)
    ON_BN_CLICKED(IDC_BUT_STYLE_MONO, OnOfficeStyle)
    ON_BN_CLICKED(IDC_BUT_HYPERTEXT_PROPS, OnHypertextProperties)
    ON_BN_CLICKED(IDC_BUT_BROWSE_IMAGE, OnBrowseImage)
    ON_BN_CLICKED(IDC_BUT_EDIT_IMAGE, OnEditImage)
    ON_COMMAND(ID_BUTTON_IMAGE_READY, OnImageReady)
    ON_BN_CLICKED(IDC_BUT_EXAMPLES, OnExamples)
END_MESSAGE_MAP()

namespace {

const int kStyleHypertext = 3;
const int kStyleBitmap = 4;
const char kImageTypes[] = ".bti;.bmp;.gif;.jpg";

void SetColorAndLook(CFontDesc& font, COLORREF crColor, BOOL bItalic)
{
    CFontDesc changed(font);
    changed.m_crColor = crColor;
    changed.m_logFont.lfUnderline = TRUE;
    changed.m_logFont.lfItalic = (BYTE)bItalic;
    font.Assign(changed);
}

} // namespace

CButDlg_Page4::CButDlg_Page4()
    : CButDlgPage(IDD_BUT_PAGE_STYLE, 1), m_nHeight(30), m_nWidth(150), m_nX(10), m_nY(10), m_nStyle(0),
      m_nEntryStyle(0), m_sizePage(0, 0)
{
    SetHypertextDefaults(m_idleFont, m_overFont, m_downFont);
}

void CButDlg_Page4::SetHypertextDefaults(CFontDesc& idle, CFontDesc& over, CFontDesc& down)
{
    SetColorAndLook(idle, 0xFF0000, FALSE);
    SetColorAndLook(over, 0xFF0000, TRUE);
    SetColorAndLook(down, 0xC00000, FALSE);
}

void CButDlg_Page4::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_BUT_HEIGHT, m_nHeight);
    DDV_MinMaxInt(pDX, m_nHeight, 10, 480);
    DDX_Text(pDX, IDC_BUT_WIDTH, m_nWidth);
    DDV_MinMaxInt(pDX, m_nWidth, 10, 1000);
    DDX_Text(pDX, IDC_BUT_X, m_nX);
    DDV_MinMaxInt(pDX, m_nX, 0, 1000);
    DDX_Text(pDX, IDC_BUT_Y, m_nY);
    DDV_MinMaxInt(pDX, m_nY, 0, 1000);
    DDV_ObjectOnPage(pDX, IDC_BUT_X, m_nX, m_nY, m_nWidth, m_nHeight, m_sizePage);
    DDX_Radio(pDX, IDC_BUT_STYLE_WINDOW, m_nStyle);
    DDX_Text(pDX, IDC_BUT_IMAGE_FILE, m_strImageFile);
}

BOOL CButDlg_Page4::OnInitDialog()
{
    m_nEntryStyle = m_nStyle;
    m_imageEdit.SubclassItem(IDC_BUT_IMAGE_FILE, this, EditorServices().GetProjectFolder(), kImageTypes);
    CButDlgPage::OnInitDialog();
    // Office and monochrome keep the template's states.
    if (m_nStyle == kStyleHypertext)
        EnableStyleControls(TRUE, FALSE, FALSE);
    else if (m_nStyle == kStyleBitmap)
        OnBitmapStyle();
    else if (m_nStyle < kStyleHypertext)
        OnPlainStyle();
    return TRUE;
}

void CButDlg_Page4::EnableStyleControls(BOOL bHypertext, BOOL bBrowse, BOOL bEdit)
{
    EnableDlgItem(this, IDC_BUT_HYPERTEXT_PROPS, bHypertext);
    EnableDlgItem(this, IDC_BUT_BROWSE_IMAGE, bBrowse);
    EnableDlgItem(this, IDC_BUT_IMAGE_FILE, bBrowse);
    EnableDlgItem(this, IDC_BUT_EDIT_IMAGE, bEdit);
}

void CButDlg_Page4::LoadHypertextDefaultsOnce()
{
    // Fonts set for a hypertext button before are kept.
    if (m_nEntryStyle == kStyleHypertext)
        return;
    SetHypertextDefaults(m_idleFont, m_overFont, m_downFont);
}

void CButDlg_Page4::OnHypertextStyle()
{
    LoadHypertextDefaultsOnce();
    m_nEntryStyle = kStyleHypertext;
    EnableStyleControls(TRUE, FALSE, FALSE);
}

void CButDlg_Page4::OnHypertextProperties()
{
    LoadHypertextDefaultsOnce();
    CHypertextButtonDlg dlg(this);
    dlg.m_idleFont.Assign(m_idleFont);
    dlg.m_overFont.Assign(m_overFont);
    dlg.m_downFont.Assign(m_downFont);
    if (dlg.DoModal() != IDOK)
        return;
    m_idleFont.Assign(dlg.m_idleFont);
    m_overFont.Assign(dlg.m_overFont);
    m_downFont.Assign(dlg.m_downFont);
}

void CButDlg_Page4::OnBrowseImage()
{
    CString path;
    if (!BrowseForFile(this, "Image Files (.bti;.bmp;.gif;.jpg)|*.bti;*.bmp;*.gif;*.jpg||", "alle", nullptr,
                       EditorServices().GetProjectFolder(), path) ||
        !UpdateData(TRUE) || !CFileEdit::CheckFile(path, kImageTypes, EditorServices().GetProjectFolder(), TRUE))
        return;
    m_strImageFile = path;
    UpdateData(FALSE);
    if (IsGifOrJpgName(m_strImageFile))
        CImageFormatDlg::ShowUnlessSwitchedOff(this);
}

void CButDlg_Page4::OnEditImage()
{
    if (!UpdateData(TRUE))
        return;
    EditorServices().OpenInOrvenna(m_strImageFile.IsEmpty() ? nullptr : (LPCSTR)m_strImageFile);
}

void CButDlg_Page4::OnImageReady()
{
    const CString returned = EditorServices().TakeReturnedImageFile();
    if (returned.IsEmpty())
        return;
    UpdateData(TRUE);
    m_strImageFile = returned;
    UpdateData(FALSE);
    EditorServices().CloseOrvenna();
}

void CButDlg_Page4::OnExamples()
{
    const CString folder = EditorServices().GetEditorFolder();
    const CString program = folder + "\\Tarnix.exe";
    // The example's captions and tooltips speak the interface language.
    const CString project = IsGermanUi() ? "Velconf.ini" : "VelconfEnglish.ini";
    const CString parameters = "/o \"" + folder + "\\Examples\\ButStyles\\" + project + "\"";
    AfxShellExecute(m_hWnd, "open", program, parameters, nullptr, SW_SHOWNORMAL);
}

void CButDlg_Page4::OnOK()
{
    UpdateData(TRUE);
    CButDlgPage::OnOK();
}
