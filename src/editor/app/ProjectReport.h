// The project report: a picture of the page as the author sees it and a table
// of the page's objects (kind, caption, action, file), drawn on a print
// preview page or a printer page.
#pragma once

#include "framework/Rect.h"
#include "framework/String.h"

#include <windows.h>

#include <vector>

class CDC;
class CProjectPage;
class CWnd;

class CProjectReport
{
public:
    struct Row
    {
        CString strKind;
        CString strCaption;
        CString strAction;
        CString strFile;
    };

    // Takes the picture of the page window's client area as the window paints
    // it, and the page's objects.
    BOOL Capture(CWnd* pPage, CProjectPage& page);

    // The objects of a page, buttons first, then texts, text fields, clips,
    // pictures, sliders and list boxes.
    static std::vector<Row> RowsOf(CProjectPage& page);

    const std::vector<Row>& GetRows() const { return m_rows; }
    SIZE GetPictureSize() const { return SIZE{ m_bmi.bmiHeader.biWidth, m_bmi.bmiHeader.biHeight }; }

    // The picture across the top of the rectangle (its shape kept), the table below.
    void Draw(CDC* pDC, const CRect& rect) const;

private:
    static void PrintChildWindows(HWND hPage, HDC hDC);

    BITMAPINFO m_bmi = {};
    std::vector<BYTE> m_bits;   // 24-bit rows, bottom-up
    std::vector<Row> m_rows;
};
