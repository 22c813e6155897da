#include "toolkit/bars/XTCustomToolBar.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTCustomizeManager.h"
#include "toolkit/bars/XTToolkitString.h"
#include "toolkit/frame/XTRegistryStore.h"

#include "framework/FrameWnd.h"

IMPLEMENT_DYNCREATE(CXTCustomToolBar, CXTToolBar)

// Handler signatures: see CWnd.
BEGIN_MESSAGE_MAP(CXTCustomToolBar, CXTToolBar)
    ON_WM_CREATE()
END_MESSAGE_MAP()

CXTCustomToolBar::CXTCustomToolBar() : m_hImages(nullptr), m_hHotImages(nullptr)
{
}

CXTCustomToolBar::~CXTCustomToolBar()
{
    if (m_hImages != nullptr)
        ImageList_Destroy(m_hImages);
    if (m_hHotImages != nullptr)
        ImageList_Destroy(m_hHotImages);
}

int CXTCustomToolBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CXTToolBar::OnCreate(lpcs) == -1)
        return -1;
    m_hImages = ImageList_Create(m_sizeImage.cx, m_sizeImage.cy, ILC_MASK | ILC_COLOR24, 11, 1);
    m_hHotImages = ImageList_Create(m_sizeImage.cx, m_sizeImage.cy, ILC_MASK | ILC_COLOR24, 11, 1);
    if (m_hImages == nullptr)
        return -1;
    SendMessage(TB_SETIMAGELIST, 0, (LPARAM)m_hImages);
    SendMessage(TB_SETHOTIMAGELIST, 0, (LPARAM)m_hHotImages);
    return 0;
}

void CXTCustomToolBar::PostNcDestroy()
{
    // Made with new by the customisation manager.
    delete this;
}

void CXTCustomToolBar::SetName(LPCSTR lpszName)
{
    m_strName = lpszName;
    SetWindowText(lpszName);
    if (IsFloating())
        if (CFrameWnd* pFrame = GetParentFrame())
            pFrame->SetWindowText(lpszName);
}

void CXTCustomToolBar::Rename(LPCSTR lpszName)
{
    if (m_strName == lpszName)
        return;
    SetName(lpszName);
    GetCustomizeManager().m_barRenamed.Raise(this, lpszName);
}

void CXTCustomToolBar::Delete()
{
    CString strPath = m_strSettingsPath, strValue = m_strValueName;
    CFrameWnd* pFrame = m_pDockSite;
    // Nothing is saved for a bar that goes for good.
    m_strSettingsPath.Empty();
    DestroyWindow();   // deletes this object
    if (!strPath.IsEmpty())
        CXTRegistryStore(HKEY_CURRENT_USER).DeleteValue(LoadToolkitString(XT_IDS_SETTINGS, "Settings"), strValue);
    if (pFrame != nullptr && pFrame->m_hWnd != nullptr)
        pFrame->RecalcLayout();
}

void CXTCustomToolBar::DescribeForSheet(CXTBarInfo& info)
{
    CXTToolBar::DescribeForSheet(info);
    info.bUserCreated = TRUE;
    info.rename = [this](LPCSTR lpszName) { Rename(lpszName); };
    info.remove = [this]() { Delete(); };
}
