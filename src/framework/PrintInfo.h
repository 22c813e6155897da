// What a view's printing steps share: the dialog, the page and the mode.
#pragma once

#include "framework/Rect.h"

class CPrintDialog;

struct CPrintInfo
{
    CPrintInfo();
    ~CPrintInfo();
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    CPrintDialog* m_pPD;        // owned
    BOOL m_bDirect;             // print without the dialog, on the default printer
    BOOL m_bPreview;
    BOOL m_bContinuePrinting;
    UINT m_nCurPage;
    CRect m_rectDraw;           // the printable page, in device units

    void SetMaxPage(UINT nMaxPage);
    UINT GetMaxPage() const;
};
