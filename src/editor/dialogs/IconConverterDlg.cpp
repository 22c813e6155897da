#include "editor/dialogs/IconConverterDlg.h"

#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/EditorServices.h"
#include "editor/dialogs/IconImageDlg.h"
#include "editor/dialogs/EditorMessages.h"
#include "framework/FileDialog.h"
#include "shared/support/BmpFile.h"
#include "shared/support/BmpFileReader.h"
#include "shared/support/FileHandle.h"

#include <new>

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CIconConverterDlg, CDialog)

// void OnXxx()
BEGIN_MESSAGE_MAP(CIconConverterDlg, CDialog)
    ON_BN_CLICKED(IDC_ICONCONV_LOAD, OnLoadBitmap)
    ON_BN_CLICKED(IDC_ICONCONV_SAVE, OnSaveIcon)
    ON_HELP_BUTTON(IDC_DLG_HELP, OnHelp)
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

void CIconConverterDlg::PrepareSlotImage(int nSlot, IconImage& image)
{
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
        PrepareSlotImage(nSlot, m_slots[nSlot].image);
    }
    return TRUE;
}

// Read without the reader's own messages: the converter has one of its own.
CIconConverterDlg::BitmapLoad CIconConverterDlg::LoadBitmapInto(IconImage& image, const CString& strFile)
{
    CFileHandle file(::CreateFileA(strFile, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen())
        return BitmapLoad::failed;
    BmpHandleSource source(file.Get());
    BmpReadOptions options;
    options.bZeroReservedFields = true;
    PackedDib dib;
    const BmpReadResult result = ReadBmp(source, options, [&](size_t nBytes) {
        try
        {
            dib.resize(nBytes);
            return dib.data();
        }
        catch (const std::bad_alloc&)
        {
            return (BYTE*)nullptr;
        }
    });
    if (result != BmpReadResult::ok)
        return BitmapLoad::failed;
    // The icon library refuses RLE pixels with a message of its own.
    const BITMAPINFOHEADER* pHeader =
        dib.size() >= sizeof(BITMAPINFOHEADER) ? reinterpret_cast<const BITMAPINFOHEADER*>(dib.data()) : nullptr;
    const bool bRle = pHeader != nullptr && (pHeader->biCompression == BI_RLE8 || pHeader->biCompression == BI_RLE4);
    if (!IconImageFromDib(image, dib, TRUE))
        return bRle ? BitmapLoad::refused : BitmapLoad::failed;
    return BitmapLoad::loaded;
}

void CIconConverterDlg::OnLoadBitmap()
{
    CIconImageDlg dlg(this);
    if (dlg.DoModal() != IDOK)
        return;
    // The new image is built beside the slot: a bitmap that cannot be
    // converted leaves the slot, its preview and "save" as they were.
    const int nSlot = SlotOfChoices(dlg.m_nSizeChoice, dlg.m_nColorChoice);
    IconImage image;
    PrepareSlotImage(nSlot, image);
    const BitmapLoad load = LoadBitmapInto(image, dlg.m_strBitmapFile);
    if (load != BitmapLoad::loaded)
    {
        if (load == BitmapLoad::failed)
            ErrorBoxById(IDS_ICON_NOT_CONVERTED);
        return;
    }
    if (dlg.m_bTransparentChosen && dlg.m_nTransparentX >= 0 && dlg.m_nTransparentY >= 0)
        MakeColorTransparentAt(image, dlg.m_nTransparentX, dlg.m_nTransparentY);
    m_nCurrentSlot = nSlot;
    Slot& slot = m_slots[nSlot];
    slot.strBitmapFile = dlg.m_strBitmapFile;
    slot.bTransparentChosen = dlg.m_bTransparentChosen;
    slot.crColor = dlg.m_crSwatch;
    slot.nTransparentX = dlg.m_nTransparentX;
    slot.nTransparentY = dlg.m_nTransparentY;
    slot.nSizeChoice = dlg.m_nSizeChoice;
    slot.nColorChoice = dlg.m_nColorChoice;
    if (slot.hIcon != nullptr)
        ::DestroyIcon(slot.hIcon);
    slot.image = image;
    slot.bFilled = TRUE;
    slot.hIcon = CreateIconFromImage(&slot.image);
    SendDlgItemMessage(kSlotPreviews[nSlot], STM_SETICON, (WPARAM)slot.hIcon);
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
