// Builds an icon file of up to four images (16 and 32 pixels square, 16 and
// 256 colours) from bitmap files, one image slot per size and depth.
#pragma once

#include "framework/Dialog.h"
#include "shared/support/IconFile.h"

class CIconConverterDlg : public CDialog
{
    DECLARE_DYNAMIC(CIconConverterDlg)
public:
    explicit CIconConverterDlg(CWnd* pParentWnd = nullptr);
    ~CIconConverterDlg() override;

    enum { SLOT_COUNT = 4 };

    // One image of the icon and what it was built from.
    struct Slot
    {
        IconImage image;
        BOOL bFilled = FALSE;
        HICON hIcon = nullptr;          // the preview, owned
        CString strBitmapFile;
        int bTransparentChosen = 0;
        COLORREF crColor = 0;
        int nTransparentX = -1;
        int nTransparentY = -1;
        int nSizeChoice = 0;
        int nColorChoice = 0;
    };

    // The folder the icon is proposed in (the project folder).
    void SetFolder(const CString& strFolder) { m_strFolder = strFolder; }

    // Slot 0: 16 x 16 with 16 colours, 1: with 256; 2 and 3 the same at 32 x 32.
    static int SlotOfChoices(int nSizeChoice, int nColorChoice) { return nSizeChoice * 2 + nColorChoice; }
    // The bitmap's name as an icon (".ico" for its last four characters), in
    // the folder when one is given.
    static CString ProposeIconName(const CString& strBitmapFile, const CString& strFolder);

    Slot m_slots[SLOT_COUNT];
    CString m_strFolder;
    CString m_strIconFile;
    int m_nCurrentSlot;

protected:
    BOOL OnInitDialog() override;
    void OnLoadBitmap();
    void OnSaveIcon();
    void OnHelp();
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    static void PrepareSlotImage(int nSlot, IconImage& image);
    enum class BitmapLoad
    {
        loaded,
        failed,    // not read or not converted, nothing said yet
        refused,   // compressed pixels, which the icon library has said it refuses
    };
    // The bitmap file converted into the prepared image.
    static BitmapLoad LoadBitmapInto(IconImage& image, const CString& strFile);
    void FreeSlots();
};
