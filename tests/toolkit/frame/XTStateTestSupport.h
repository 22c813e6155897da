// What the dock state and bar state tests share: the test application's
// settings under a key of their own, a frame with the toolkit's dock bars on
// every side, plain bars of a fixed size, and the registry as the tests see it.
#pragma once

#include "toolkit/frame/XTDockBar.h"
#include "toolkit/frame/XTDockTestFrame.h"
#include "toolkit/bars/XTTestAppKey.h"

#include "framework/Afx.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace state_test {

const char kCompany[] = "TarnixToolkitStateTest";
const char kProfile[] = "State";
const char kAppPath[] = "Software\\TarnixToolkitStateTest\\State";

// Points the test application at a registry key of its own, empty at the
// start, and removes it afterwards.
class StateTest : public testing::Test
{
protected:
    void SetUp() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\TarnixToolkitStateTest"); }

    toolkit_test::AppKeyScope m_key { kCompany, kProfile };
};

// A stored integer as the registry holds it; FALSE when missing.
inline BOOL RawInt(LPCSTR pszSection, LPCSTR pszEntry, int& nValue)
{
    CString strKey;
    strKey.Format("%s\\%s", kAppPath, pszSection);
    DWORD dwValue = 0, dwSize = sizeof(dwValue);
    if (::RegGetValueA(HKEY_CURRENT_USER, strKey, pszEntry, RRF_RT_REG_DWORD, nullptr, &dwValue, &dwSize) !=
        ERROR_SUCCESS)
        return FALSE;
    nValue = (int)dwValue;
    return TRUE;
}

inline void WriteRawInt(LPCSTR pszSection, LPCSTR pszEntry, int nValue)
{
    CString strKey;
    strKey.Format("%s\\%s", kAppPath, pszSection);
    DWORD dwValue = (DWORD)nValue;
    ASSERT_EQ(ERROR_SUCCESS,
              ::RegSetKeyValueA(HKEY_CURRENT_USER, strKey, pszEntry, REG_DWORD, &dwValue, sizeof(dwValue)));
}

inline void WriteRawBinary(LPCSTR pszSection, LPCSTR pszEntry, const void* pData, DWORD nBytes)
{
    CString strKey;
    strKey.Format("%s\\%s", kAppPath, pszSection);
    ASSERT_EQ(ERROR_SUCCESS, ::RegSetKeyValueA(HKEY_CURRENT_USER, strKey, pszEntry, REG_BINARY, pData, nBytes));
}

// A bar of a fixed size; at a side it stands on its end.
class CBoxBar : public CControlBar
{
public:
    CSize m_size;
    explicit CBoxBar(CSize size = CSize(60, 24)) : m_size(size) {}
    BOOL Create(CWnd* pParent, DWORD dwStyle, UINT nID)
    {
        if (!CreateBar(nullptr, WS_VISIBLE, dwStyle, pParent, nID))
            return FALSE;
        EnableDocking(CBRS_ALIGN_ANY);
        return TRUE;
    }
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override
    {
        CSize size = bHorz ? m_size : CSize(m_size.cy, m_size.cx);
        if (bStretch && bHorz)
            size.cx = 32767;
        if (bStretch && !bHorz)
            size.cy = 32767;
        return size;
    }
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
};

// A frame whose four sides take bars in the toolkit's dock bars.
class CStateFrame : public CFrameWnd
{
public:
    CWnd pane;
    BOOL CreateFrame()
    {
        if (!Create(nullptr, "Bar state", WS_OVERLAPPEDWINDOW, CRect(20, 20, 620, 460)))
            return FALSE;
        return pane.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), this, AFX_IDW_PANE_FIRST) &&
               toolkit_test::CreateDockBars(this);
    }
    void PostNcDestroy() override {}
    CDockBar* DockBar(UINT nID) { return static_cast<CDockBar*>(GetControlBar(nID)); }
    // The dock bar's entries: bar ids, a kept place as its id + 0x10000, 0 for a row end.
    std::vector<int> Rows(UINT nID)
    {
        std::vector<int> rows;
        CDockBar* pDockBar = DockBar(nID);
        for (INT_PTR i = 0; i < pDockBar->m_arrBars.GetSize(); ++i)
        {
            void* pEntry = pDockBar->m_arrBars[i];
            if (CDockBar::IsPlaceHolder(pEntry))
                rows.push_back((int)(UINT_PTR)pEntry + 0x10000);
            else if (CControlBar* pBar = CDockBar::BarAt(pEntry))
                rows.push_back(pBar->GetDlgCtrlID());
            else
                rows.push_back(0);
        }
        return rows;
    }
    // The floating frames this frame owns that show.
    int VisibleFloatingFrames()
    {
        int nFrames = 0;
        for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;)
        {
            CControlBar* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
            if (pBar->IsDockBar() && static_cast<CDockBar*>(pBar)->m_bFloating && pBar->m_hWnd != nullptr &&
                ::IsWindowVisible(::GetParent(pBar->m_hWnd)))
                ++nFrames;
        }
        return nFrames;
    }
};

inline std::string IdsText(const std::vector<int>& ids)
{
    std::string text;
    for (int nID : ids)
        text += (text.empty() ? "" : " ") + std::to_string(nID);
    return text;
}

} // namespace state_test
