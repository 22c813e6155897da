// One image of an icon from a bitmap file: its size and colour depth, a
// preview, and a pixel whose colour becomes transparent.
#pragma once

#include "framework/Dialog.h"

class CIconImageDlg : public CDialog
{
    DECLARE_DYNAMIC(CIconImageDlg)
public:
    explicit CIconImageDlg(CWnd* pParentWnd = nullptr);
    ~CIconImageDlg() override;

    // The image's size and bits per pixel for the choices.
    static int SizeOfChoice(int nSizeChoice) { return nSizeChoice == 1 ? 32 : 16; }
    static int BitsOfChoice(int nColorChoice) { return nColorChoice == 1 ? 8 : 4; }

    CString m_strBitmapFile;
    int m_nSizeChoice;          // 0: 16 x 16, 1: 32 x 32
    int m_nColorChoice;         // 0: 16 colours, 1: 256 colours
    HICON m_hIcon;              // owned
    int m_bTransparentChosen;
    CRect m_rcPreview;
    CRect m_rcSwatch;
    COLORREF m_crSwatch;
    COLORREF m_crLastSwatch;
    int m_bPickMode;
    int m_bOverPreview;
    int m_nTransparentX;        // from the preview's top left; -1: none
    int m_nTransparentY;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnBrowse();
    void OnPickColor();
    void OnChoice();
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnPaint();
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    void Rebuild();
    void DestroyPreviewIcon();
    void MeasurePreview();
    BOOL IsPicking(CPoint point) const;

    HCURSOR m_hHandCursor;
};
