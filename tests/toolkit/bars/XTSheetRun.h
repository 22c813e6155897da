// Runs the customise sheet in the framework's modal loop: the modal-dialog
// hook hands the open sheet to a script, and the sheet closes after it. The
// fixture gives it a docking frame in front, under a registry key of its own.
#pragma once

#include "toolkit/bars/XTCustomizeSheet.h"

#include "toolkit/bars/XTTestAppKey.h"
#include "toolkit/frame/XTDockTestFrame.h"

#include "framework/Dialog.h"
#include "framework/ListBox.h"
#include "toolkit/XTRealInput.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace toolkit_test {

// Other modal dialogs opened meanwhile go to pfnOther (when given).
inline INT_PTR RunCustomizeSheet(CFrameWnd* pFrame, DWORD dwPages,
                                 const std::function<void(CXTCustomizeSheet&)>& script,
                                 const std::function<void(CDialog*)>& pfnOther = nullptr)
{
    CXTCustomizeSheet sheet(pFrame, dwPages);
    CDialog::SetModalHook([&](CDialog* pDlg) {
        if (pDlg != &sheet)
        {
            if (pfnOther)
                pfnOther(pDlg);
            return;
        }
        script(sheet);
        if (sheet.m_hWnd != nullptr)
            sheet.PostMessage(WM_COMMAND, IDCANCEL);
    });
    INT_PTR nResult = sheet.DoModal();
    CDialog::SetModalHook(nullptr);
    return nResult;
}

// Where a click lands on a window, and on a list's item (screen coordinates).
inline CPoint ScreenCentre(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    return rect.CenterPoint();
}

inline CPoint ListItemCentre(CListBox& list, int nItem)
{
    CRect rect;
    list.GetItemRect(nItem, &rect);
    list.ClientToScreen(&rect);
    return rect.CenterPoint();
}

// The texts of a list's items, in order.
inline std::vector<std::string> ListTexts(CListBox& list)
{
    std::vector<std::string> texts;
    for (int i = 0; i < list.GetCount(); ++i)
    {
        CString strText;
        list.GetText(i, strText);
        texts.push_back((LPCSTR)strText);
    }
    return texts;
}

class SheetTestFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_frame.CreateFrame());
        m_frame.EnableDocking(CBRS_ALIGN_ANY);
        BringToFront(m_frame.m_hWnd);
    }
    void TearDown() override
    {
        CDialog::SetModalHook(nullptr);
        m_frame.DestroyWindow();
        ParkMouse();
    }

    AppKeyScope m_key { "TarnixCustomizeSheetTest", "Sheet" };
    CDockTestFrame m_frame;
};

} // namespace toolkit_test
