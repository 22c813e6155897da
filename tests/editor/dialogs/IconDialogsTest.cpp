#include "editor/dialogs/IconConverterDlg.h"
#include "editor/dialogs/IconImageDlg.h"

#include "framework/FileDialog.h"

#include "editor/DialogIds.h"

#include "DialogTestSupport.h"
#include "shared/support/BmpTestFiles.h"

using namespace dialog_tests;
using testing_support::CommonDialogScript;
using testing_support::MessageBoxRecorder;
using testing_support::TempFolder;

namespace {

CString WriteBitmap(const TempFolder& folder, LPCSTR name, int nSize)
{
    std::vector<BYTE> bytes = bmp_test::BmpFileBytes(bmp_test::MakePattern(nSize, nSize, 24));
    return folder.Write(name, bytes.data(), bytes.size());
}

int IconWidth(HICON hIcon)
{
    ICONINFO info = {};
    if (hIcon == nullptr || !::GetIconInfo(hIcon, &info))
        return 0;
    BITMAP bm = {};
    ::GetObjectA(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof(bm), &bm);
    if (info.hbmColor != nullptr)
        ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return bm.bmWidth;
}

void SendMouse(CWnd* pDlg, UINT message, CPoint point)
{
    pDlg->SendMessage(message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(point.x, point.y));
}

TEST(IconImageDlg, BrowseTakesOnlyBitmaps)
{
    TempFolder folder;
    CString bitmap = WriteBitmap(folder, "picture.BMP", 32);
    const struct
    {
        CString chosen;
        BOOL taken;
    } cases[] = { { bitmap, TRUE }, { folder.File("picture.gif"), FALSE } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.chosen);
        MessageBoxRecorder boxes;
        CommonDialogScript files;
        files.AnswerFile(c.chosen);
        CIconImageDlg dlg;
        dlg.m_strBitmapFile = "alt.bmp";
        CString shown;
        BOOL hasIcon = FALSE;
        ModalScript script([&](CDialog* pDlg) {
            Click(pDlg, IDC_ICONIMG_BROWSE);
            shown = ItemText(pDlg, IDC_ICONIMG_FILE);
            hasIcon = static_cast<CIconImageDlg*>(pDlg)->m_hIcon != nullptr;
            Click(pDlg, IDOK);
        });
        ASSERT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(c.taken ? bitmap : CString("alt.bmp"), shown);
        EXPECT_EQ(c.taken, hasIcon);
        ASSERT_EQ(c.taken ? 0u : 1u, boxes.Count());
        if (!c.taken)
            EXPECT_EQ(CString("FEHLER !\n\nEs sind nur Dateien vom Type BMP,GIF,JPG möglich !\n\n"), boxes.Last().strText);
    }
}

TEST(IconImageDlg, PickedPixelStaysTransparentAcrossSizes)
{
    TempFolder folder;
    CString bitmap = WriteBitmap(folder, "logo.bmp", 32);
    CIconImageDlg dlg;
    dlg.m_strBitmapFile = bitmap;
    int nWidthBefore = 0, nWidthAfter = 0;
    int xWithoutPick = 0, chosenWithoutPick = 1;
    ModalScript script([&](CDialog* pDlg) {
        auto* pIcon = static_cast<CIconImageDlg*>(pDlg);
        ChooseRadio(pDlg, { IDC_ICONIMG_16, IDC_ICONIMG_32 }, IDC_ICONIMG_32);
        nWidthBefore = IconWidth(pIcon->m_hIcon);
        CPoint inside = pIcon->m_rcPreview.TopLeft() + CPoint(3, 5);
        SendMouse(pDlg, WM_LBUTTONDOWN, inside);   // not picking yet: nothing
        xWithoutPick = pIcon->m_nTransparentX;
        chosenWithoutPick = pIcon->m_bTransparentChosen;
        Click(pDlg, IDC_ICONIMG_PICK);
        SendMouse(pDlg, WM_MOUSEMOVE, inside);
        SendMouse(pDlg, WM_LBUTTONDOWN, inside);
        ChooseRadio(pDlg, { IDC_ICONIMG_16, IDC_ICONIMG_32 }, IDC_ICONIMG_16);
        nWidthAfter = IconWidth(pIcon->m_hIcon);
        Click(pDlg, IDOK);
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(-1, xWithoutPick);
    EXPECT_EQ(0, chosenWithoutPick);
    EXPECT_EQ(32, nWidthBefore);
    EXPECT_EQ(16, nWidthAfter);
    EXPECT_EQ(1, dlg.m_bTransparentChosen);
    EXPECT_EQ(3, dlg.m_nTransparentX);
    EXPECT_EQ(5, dlg.m_nTransparentY);
    EXPECT_EQ(0, dlg.m_bPickMode);
    EXPECT_EQ(0, dlg.m_nSizeChoice);
}

TEST(IconConverterDlg, ProposedIconName)
{
    const struct
    {
        LPCSTR bitmap, folder, name;
    } cases[] = {
        { "Y:\\art\\logo.bmp", "X:\\Menu", "X:\\Menu\\logo.ico" },
        { "Y:\\art\\logo.bmp", "X:\\Menu\\", "X:\\Menu\\logo.ico" },
        { "Y:\\art\\logo.bmp", "", "Y:\\art\\logo.ico" },
        { "logo.bmp", "X:\\Menu", "X:\\Menu\\logo.ico" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.bitmap);
        EXPECT_EQ(CString(c.name), CIconConverterDlg::ProposeIconName(c.bitmap, c.folder));
    }
}

TEST(IconConverterDlg, SavesTheFilledSlotsSmallestFirst)
{
    TempFolder folder;
    CString small = WriteBitmap(folder, "klein.bmp", 16);
    CString large = WriteBitmap(folder, "gross.bmp", 32);
    CString target = folder.File("ergebnis.ico");
    FakeServices services;
    CommonDialogScript files;
    CString proposed;
    files.Answer(IDOK, [&](CCommonDialog* pDlg) {
        auto* pFile = dynamic_cast<CFileDialog*>(pDlg);
        ASSERT_NE(nullptr, pFile);
        proposed = pFile->m_ofn.lpstrFile;
        lstrcpynA(pFile->m_ofn.lpstrFile, target, (int)pFile->m_ofn.nMaxFile);
    });
    // Each load: bitmap, size choice, colour choice.
    const struct
    {
        CString file;
        int size, colors;
    } loads[] = { { large, 1, 1 }, { small, 0, 0 }, { large, 1, 1 } };   // the last replaces the first
    size_t nLoad = 0;
    BOOL saveAtOpen = TRUE;
    CIconConverterDlg dlg;
    dlg.SetFolder("X:\\Menu");
    ModalScript script([&](CDialog* pDlg) {
        if (dynamic_cast<CIconImageDlg*>(pDlg) != nullptr)
        {
            const auto& load = loads[nLoad++];
            pDlg->SetDlgItemText(IDC_ICONIMG_FILE, load.file);
            ChooseRadio(pDlg, { IDC_ICONIMG_16, IDC_ICONIMG_32 }, load.size ? IDC_ICONIMG_32 : IDC_ICONIMG_16);
            ChooseRadio(pDlg, { IDC_ICONIMG_16COLORS, IDC_ICONIMG_256COLORS },
                        load.colors ? IDC_ICONIMG_256COLORS : IDC_ICONIMG_16COLORS);
            Click(pDlg, IDOK);
            return;
        }
        saveAtOpen = ItemEnabled(pDlg, IDC_ICONCONV_SAVE);
        for (size_t i = 0; i < sizeof(loads) / sizeof(loads[0]); ++i)
            Click(pDlg, IDC_ICONCONV_LOAD);
        Click(pDlg, IDC_ICONCONV_SAVE);
        Click(pDlg, IDC_DLG_HELP);
        Click(pDlg, IDCANCEL);
    });
    dlg.DoModal();
    EXPECT_FALSE(saveAtOpen);
    EXPECT_EQ(CString("X:\\Menu\\gross.ico"), proposed);
    std::unique_ptr<IconFile> icon = ReadIconFile(target, FALSE);
    ASSERT_NE(nullptr, icon);
    ASSERT_EQ(2u, icon->images.size());
    EXPECT_EQ(16u, icon->images[0].nWidth);
    EXPECT_EQ(4u, icon->images[0].nBitsPerPixel);
    EXPECT_EQ(32u, icon->images[1].nWidth);
    EXPECT_EQ(8u, icon->images[1].nBitsPerPixel);
    EXPECT_EQ(std::vector<std::string>{ "icon_konverter.htm" }, services.helpPages);
}

// A bitmap that cannot be converted is said so once, in the editor's words
// or, for compressed pixels, in the icon library's; the slot, its preview and
// "save" stay as they were.
TEST(IconConverterDlg, AFailedLoadKeepsTheSlot)
{
    TempFolder folder;
    const CString good = WriteBitmap(folder, "gut.bmp", 32);
    const CString broken = folder.Write("kaputt.bmp", CString("BM kein Bild"));
    bmp_test::BmpFormat rle8;
    rle8.nCompression = BI_RLE8;
    const std::vector<BYTE> rleBytes = bmp_test::BmpFileBytes(bmp_test::MakePattern(16, 16, 8), rle8);
    const CString compressed = folder.Write("gepackt.bmp", rleBytes.data(), rleBytes.size());
    const CString loads[] = { folder.File("fehlt.bmp"), good, broken, compressed };
    const size_t nLoads = sizeof(loads) / sizeof(loads[0]);
    struct After
    {
        BOOL save, filled;
        HICON hIcon;
        size_t boxes;
    } after[nLoads] = {};
    size_t nLoad = 0;
    MessageBoxRecorder boxes;
    CIconConverterDlg dlg;
    ModalScript script([&](CDialog* pDlg) {
        if (dynamic_cast<CIconImageDlg*>(pDlg) != nullptr)
        {
            pDlg->SetDlgItemText(IDC_ICONIMG_FILE, loads[nLoad]);
            // Checked without a click: the image dialog would try the file itself.
            for (int nID : { IDC_ICONIMG_16, IDC_ICONIMG_32, IDC_ICONIMG_16COLORS, IDC_ICONIMG_256COLORS })
                pDlg->CheckDlgButton(nID, nID == IDC_ICONIMG_16 || nID == IDC_ICONIMG_16COLORS);
            Click(pDlg, IDOK);
            return;
        }
        auto* pConverter = static_cast<CIconConverterDlg*>(pDlg);
        for (nLoad = 0; nLoad < nLoads; ++nLoad)
        {
            Click(pDlg, IDC_ICONCONV_LOAD);
            after[nLoad] = { ItemEnabled(pDlg, IDC_ICONCONV_SAVE), pConverter->m_slots[0].bFilled,
                             (HICON)pDlg->SendDlgItemMessage(IDC_ICONCONV_SLOT0, STM_GETICON), boxes.Count() };
        }
        Click(pDlg, IDCANCEL);
    });
    dlg.DoModal();
    const CString refusal = "FEHLER !\n\nBitmap konnte nicht in das Iconformat umgewandelt werden !\n\n";
    ASSERT_EQ(3u, boxes.Count());
    EXPECT_EQ(refusal, boxes.Boxes()[0].strText);
    EXPECT_EQ(refusal, boxes.Boxes()[1].strText);
    // The icon library's words, in the language it speaks.
    const CString& compressedBox = boxes.Boxes()[2].strText;
    EXPECT_TRUE(compressedBox.Find("komprimiert") >= 0 || compressedBox.Find("RLE") >= 0) << (LPCSTR)compressedBox;
    EXPECT_FALSE(after[0].save);
    EXPECT_FALSE(after[0].filled);
    EXPECT_EQ(1u, after[0].boxes);
    EXPECT_TRUE(after[1].save);
    EXPECT_TRUE(after[1].filled);
    EXPECT_NE(nullptr, after[1].hIcon);
    for (size_t i : { 2, 3 })
    {
        SCOPED_TRACE((LPCSTR)loads[i]);
        EXPECT_TRUE(after[i].save);
        EXPECT_TRUE(after[i].filled);
        EXPECT_EQ(after[1].hIcon, after[i].hIcon);
        EXPECT_EQ(i, after[i].boxes);
    }
    EXPECT_EQ(good, dlg.m_slots[0].strBitmapFile);
}

} // namespace
