#include "editor/dialogs/IconConverterDlg.h"

#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/EditorServices.h"
#include "editor/dialogs/IconImageDlg.h"
#include "framework/FileDialog.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CIconConverterDlg, CDialog)

// void OnXxx()
BEGIN_MESSAGE_MAP(CIconConverterDlg, CDialog)
    ON_BN_CLICKED(IDC_ICONCONV_LOAD, OnLoadBitmap)
    ON_BN_CLICKED(IDC_ICONCONV_SAVE, OnSaveIcon)
    ON_BN_CLICKED(IDC_DLG_HELP, OnHelp)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

const int kSlotPreviews[CIconConverterDlg::SLOT_COUNT] = { IDC_ICONCONV_SLOT0, IDC_ICONCONV_SLOT1, IDC_ICONCONV_SLOT2,
                                                           IDC_ICONCONV_SLOT3 };

} // namespace

CIconConverterDlg::CIconConverterDlg(CWnd* pParentWnd) : CDialog(IDD_ICON_CONVERTER, pParentWnd), m_nCurrentSlot(0) {}

CIconConverterDlg::~CIconConverterDlg()
{
    FreeSlots();
}

CString CIconConverterDlg::ProposeIconName(const CString& strBitmapFile, const CString& strFolder)
{
    CString name = strBitmapFile.Left(strBitmapFile.GetLength() > 4 ? strBitmapFile.GetLength() - 4 : 0) + ".ico";
    if (strFolder.IsEmpty())
        return name;
    CString folder(strFolder);
    if (folder.Right(1) == "\\")
        folder = folder.Left(folder.GetLength() - 1);
    return folder + "\\" + name.Mid(name.ReverseFind('\\') + 1);
}

void CIconConverterDlg::PrepareSlotImage(int nSlot)
{
    IconImage& image = m_slots[nSlot].image;
    image = IconImage();
    image.nWidth = image.nHeight = (UINT)CIconImageDlg::SizeOfChoice(nSlot / 2);
    image.nBitsPerPixel = (UINT)CIconImageDlg::BitsOfChoice(nSlot % 2);
    CreateBlankIconImage(image);
}

BOOL CIconConverterDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    EnableDlgItem(this, IDC_ICONCONV_SAVE, FALSE);
    for (int nSlot = 0; nSlot < SLOT_COUNT; ++nSlot)
    {
        if (CWnd* pPreview = GetDlgItem(kSlotPreviews[nSlot]))
        {
            CRect rect;
            pPreview->GetWindowRect(rect);
            ScreenToClient(rect);
            rect.InflateRect(2, 2);
            pPreview->MoveWindow(rect);
        }
        PrepareSlotImage(nSlot);
    }
    return TRUE;
}

void CIconConverterDlg::BuildSlot(Slot& slot, int nSlot)
{
    if (slot.hIcon != nullptr)
        ::DestroyIcon(slot.hIcon);
    slot.hIcon = nullptr;
    PrepareSlotImage(nSlot);
    // A failed load leaves no half-built image to be saved.
    slot.bFilled = FALSE;
    if (!IconImageFromBmpFile(slot.strBitmapFile, slot.image, TRUE))
        return;
    if (slot.bTransparentChosen && slot.nTransparentX >= 0 && slot.nTransparentY >= 0)
        MakeColorTransparentAt(slot.image, slot.nTransparentX, slot.nTransparentY);
    slot.bFilled = TRUE;
    slot.hIcon = CreateIconFromImage(&slot.image);
}

void CIconConverterDlg::OnLoadBitmap()
{
    CIconImageDlg dlg(this);
    if (dlg.DoModal() != IDOK)
        return;
    m_nCurrentSlot = SlotOfChoices(dlg.m_nSizeChoice, dlg.m_nColorChoice);
    Slot& slot = m_slots[m_nCurrentSlot];
    slot.strBitmapFile = dlg.m_strBitmapFile;
    slot.bTransparentChosen = dlg.m_bTransparentChosen;
    slot.crColor = dlg.m_crSwatch;
    slot.nTransparentX = dlg.m_nTransparentX;
    slot.nTransparentY = dlg.m_nTransparentY;
    slot.nSizeChoice = dlg.m_nSizeChoice;
    slot.nColorChoice = dlg.m_nColorChoice;
    BuildSlot(slot, m_nCurrentSlot);
    SendDlgItemMessage(kSlotPreviews[m_nCurrentSlot], STM_SETICON, (WPARAM)slot.hIcon);
    EnableDlgItem(this, IDC_ICONCONV_SAVE, TRUE);
    if (m_strIconFile.IsEmpty())
        m_strIconFile = ProposeIconName(slot.strBitmapFile, m_strFolder);
}

void CIconConverterDlg::OnSaveIcon()
{
    IconFile icon;
    for (const Slot& slot : m_slots)
    {
        if (slot.bFilled)
            icon.images.push_back(slot.image);
    }
    if (icon.images.empty())
        return;
    CFileDialog dlg(FALSE, "ico", m_strIconFile, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "Icon Files (*.ico)|*.ico||",
                    this);
    if (dlg.DoModal() != IDOK || dlg.GetPathName().IsEmpty())
        return;
    WriteIconFile(icon, dlg.GetPathName());
}

void CIconConverterDlg::OnHelp()
{
    EditorServices().ShowHelpPage("icon_konverter.htm");
}

void CIconConverterDlg::FreeSlots()
{
    for (Slot& slot : m_slots)
    {
        if (slot.hIcon != nullptr)
            ::DestroyIcon(slot.hIcon);
        slot.hIcon = nullptr;
        slot.image = IconImage();
        slot.bFilled = FALSE;
    }
}

void CIconConverterDlg::OnDestroy()
{
    FreeSlots();
    CDialog::OnDestroy();
}
