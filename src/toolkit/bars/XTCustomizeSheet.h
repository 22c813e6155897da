// The "Customize" sheet the frames open for their customise command. While
// it is open the application is in customise mode: the tool bars take
// dragged buttons, input to the rest of the main window is filtered, and the
// sheet stays on screen beside the main window in the framework's modal loop.
#pragma once

#include "toolkit/bars/XTCustomizeManager.h"
#include "toolkit/controls/XTResizePropertySheet.h"
#include "toolkit/frame/XTWndHook.h"
#include "toolkit/frame/IXTCustomizeSheet.h"

#include <memory>
#include <set>

class CFrameWnd;
class CPropertyPage;

// The pages a sheet holds.
#define XT_CUST_TOOLBARS 0x01
#define XT_CUST_COMMANDS 0x02
#define XT_CUST_KEYBOARD 0x04
#define XT_CUST_TOOLS    0x08
#define XT_CUST_OPTIONS  0x10

class CXTCustomizeSheet : public CXTResizePropertySheet, public IXTCustomizeSheet
{
    DECLARE_DYNAMIC(CXTCustomizeSheet)
public:
    CXTCustomizeSheet(CFrameWnd* pFrame, DWORD dwPages);
    ~CXTCustomizeSheet() override;

    // Makes the frames' customise command open a sheet with these pages.
    static void Register(DWORD dwPages);

    INT_PTR DoModal() override { return CXTResizePropertySheet::DoModal(); }
    CFrameWnd* GetFrame() const { return m_pFrame; }
    // Whether the window is a bar the sheet knows (input to it is let through).
    BOOL IsRegisteredBar(HWND hWnd) const;

protected:
    CFrameWnd* m_pFrame;
    std::set<HWND> m_bars;
    std::vector<std::unique_ptr<CPropertyPage>> m_pages;
    std::unique_ptr<CXTWndHook> m_pMainHook;   // on the main window while the sheet is open
    HHOOK m_hMouseHook;
    HHOOK m_hKeyboardHook;
    BOOL m_bFirstMouse;
    int m_nLastPage;

    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSheetDestroy();

    static LRESULT CALLBACK MouseFilter(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK KeyboardFilter(int nCode, WPARAM wParam, LPARAM lParam);
    static CXTCustomizeSheet* s_pActive;
};
