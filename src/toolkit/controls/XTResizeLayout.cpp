#include "toolkit/controls/XTResizeLayout.h"

#include "toolkit/controls/XTBrowseEdit.h"
#include "toolkit/controls/XTEditListBox.h"
#include "toolkit/controls/XTSizeGrip.h"
#include "toolkit/frame/XTRegistryStore.h"

#include "framework/Wnd.h"

namespace {

const char kPlacementEntry[] = "WindowPlacement";

CRect ChildRectInParent(CWnd* pWnd, CWnd* pParent)
{
    CRect rc;
    pWnd->GetWindowRect(&rc);
    pParent->ScreenToClient(&rc);
    return rc;
}

// The rectangle the layout hands to a control. A browse edit takes the room
// of its button from every rectangle it is given, an edit list the room of
// its bar: they are given theirs and their companion's.
CRect LayoutRectInParent(CWnd* pWnd, CWnd* pParent)
{
    CRect rc = ChildRectInParent(pWnd, pParent);
    CXTBrowseEdit* pBrowseEdit = dynamic_cast<CXTBrowseEdit*>(pWnd);
    if (pBrowseEdit != nullptr && pBrowseEdit->GetBrowseButton() != nullptr)
        rc.right = CXTBrowseEdit::GetButtonRect(rc).right;
    CXTEditListBox* pEditList = dynamic_cast<CXTEditListBox*>(pWnd);
    if (pEditList != nullptr && pEditList->GetEditGroup() != nullptr)
        rc.top = CXTEditListBox::GroupRect(rc).top;
    return rc;
}

} // namespace

CXTResizeLayout::CXTResizeLayout(CWnd* pParent, UINT nFlags)
    : m_pParent(pParent), m_nFlags(nFlags), m_szMin(0, 0), m_szMax(0, 0)
{
}

CXTResizeLayout::~CXTResizeLayout()
{
    RemoveAllItems();
    if (m_pGrip && m_pGrip->m_hWnd != nullptr)
        m_pGrip->DestroyWindow();
}

void CXTResizeLayout::RemoveAllItems()
{
    for (auto& item : m_items)
    {
        if (item->bOwnsWnd)
        {
            item->pWnd->Detach();
            delete item->pWnd;
        }
    }
    m_items.clear();
}

CRect CXTResizeLayout::ParentWindowRect() const
{
    CRect rc;
    m_pParent->GetWindowRect(&rc);
    return rc;
}

void CXTResizeLayout::SetResize(UINT nID, CWnd* pWnd, const CXTResizeRect& rcAnchors)
{
    for (auto it = m_items.rbegin(); it != m_items.rend(); ++it)
    {
        CWnd* pItemWnd = (*it)->pWnd;
        if (::IsWindow(pItemWnd->m_hWnd) && (UINT)pItemWnd->GetDlgCtrlID() == nID)
        {
            (*it)->rcAnchors = rcAnchors;
            return;
        }
    }
    HWND hWnd = pWnd != nullptr ? pWnd->m_hWnd : ::GetDlgItem(m_pParent->m_hWnd, (int)nID);
    if (hWnd == nullptr)
        return;
    std::unique_ptr<XT_RESIZEITEM> item(new XT_RESIZEITEM());
    item->pWnd = CWnd::FromHandlePermanent(hWnd);
    if (item->pWnd == nullptr)
    {
        item->pWnd = new CWnd;
        item->pWnd->Attach(hWnd);
        item->bOwnsWnd = TRUE;
    }
    item->rcAnchors = rcAnchors;
    item->rcCurrent = item->rcInitial = CXTResizeRect(LayoutRectInParent(item->pWnd, m_pParent));
    if (!(m_nFlags & XT_RESIZE_NOTRANSPARENT))
        MakeTransparent(item->pWnd);
    m_items.push_back(std::move(item));
}

void CXTResizeLayout::MakeTransparent(CWnd* pWnd)
{
    // Check boxes, radio buttons and group boxes let the parent paint through,
    // so that they do not leave stale pixels behind when the parent grows.
    char szClass[16] = {};
    ::GetClassNameA(pWnd->m_hWnd, szClass, (int)sizeof(szClass));
    DWORD dwStyle = pWnd->GetStyle();
    if (lstrcmpiA(szClass, "Button") == 0 && (dwStyle & 0x7) != 0 && !(dwStyle & WS_TABSTOP))
        pWnd->ModifyStyleEx(0, WS_EX_TRANSPARENT);
}

void CXTResizeLayout::AddItem(CWnd* pWnd, const CXTResizeRect& rcAnchors, const CRect& rect)
{
    std::unique_ptr<XT_RESIZEITEM> item(new XT_RESIZEITEM());
    item->pWnd = pWnd;
    item->rcAnchors = rcAnchors;
    item->rcCurrent = item->rcInitial = CXTResizeRect(rect);
    m_items.push_back(std::move(item));
}

void CXTResizeLayout::Init()
{
    if (m_pParent == nullptr || m_pParent->m_hWnd == nullptr)
        return;
    RemoveAllItems();
    m_rcInitWindow = m_rcWindow = ParentWindowRect();
    if (!(m_nFlags & XT_RESIZE_NOMINSIZE))
        m_szMin = m_rcWindow.Size();
    if (!(m_nFlags & XT_RESIZE_NOCLIPCHILDREN))
        m_pParent->ModifyStyle(0, WS_CLIPCHILDREN);
    if (m_nFlags & XT_RESIZE_NOSIZEICON)
        return;
    if (!m_pGrip)
        m_pGrip.reset(new CXTSizeGrip);
    if (m_pGrip->m_hWnd == nullptr && !m_pGrip->Create(m_pParent))
        return;
    CRect rcClient;
    m_pParent->GetClientRect(&rcClient);
    m_pGrip->MoveWindow(CXTSizeGrip::GripRect(rcClient));
    SetResize(XT_IDC_SIZEGRIP, m_pGrip.get(), XT_RESIZE_CORNER);
}

void CXTResizeLayout::OnSize()
{
    if (m_items.empty())
        return;
    CRect rcNew = ParentWindowRect();
    int dx = rcNew.Width() - m_rcWindow.Width();
    int dy = rcNew.Height() - m_rcWindow.Height();
    HDWP hdwp = ::BeginDeferWindowPos((int)m_items.size());
    BOOL bChanged = FALSE;
    for (auto& item : m_items)
    {
        if (hdwp == nullptr)
            break;
        bChanged |= MoveItem(*item, dx, dy, hdwp);
    }
    if (hdwp != nullptr && bChanged)
        ::EndDeferWindowPos(hdwp);
    m_rcWindow = rcNew;
}

BOOL CXTResizeLayout::MoveItem(XT_RESIZEITEM& item, int dx, int dy, HDWP& hdwp)
{
    if (!::IsWindow(item.pWnd->m_hWnd))
        return FALSE;
    if (!item.bMovedOnce)
    {
        // The first move counts from the start of the layout.
        CRect rcNow = ParentWindowRect();
        dx = rcNow.Width() - m_rcInitWindow.Width();
        dy = rcNow.Height() - m_rcInitWindow.Height();
        item.bMovedOnce = TRUE;
    }
    CXTResizeRect rcNew = XTMoveResizeRect(item.rcCurrent, item.rcAnchors, dx, dy);
    if (rcNew == item.rcCurrent)
        return FALSE;
    CRect rcOld = LayoutRectInParent(item.pWnd, m_pParent);
    CRect rc = rcNew.ToRect();
    hdwp = ::DeferWindowPos(hdwp, item.pWnd->m_hWnd, nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                            XTResizePosFlags(rcOld, rc));
    item.rcCurrent = rcNew;
    return TRUE;
}

void CXTResizeLayout::Reset()
{
    for (auto& item : m_items)
    {
        item->rcCurrent = item->rcInitial;
        item->bMovedOnce = FALSE;
    }
}

void CXTResizeLayout::GetMinMaxInfo(MINMAXINFO* pMMI) const
{
    // The parent asks while it is being made, before the layout knows its size.
    if (m_rcWindow.IsRectEmpty())
        return;
    if (m_nFlags & XT_RESIZE_NOHORIZONTAL)
        pMMI->ptMaxSize.x = pMMI->ptMaxTrackSize.x = m_rcWindow.Width();
    if (m_nFlags & XT_RESIZE_NOVERTICAL)
        pMMI->ptMaxSize.y = pMMI->ptMaxTrackSize.y = m_rcWindow.Height();
    if (m_szMin.cx != 0 || m_szMin.cy != 0)
        pMMI->ptMinTrackSize = CPoint(m_szMin.cx, m_szMin.cy);
    if (m_szMax.cx != 0 || m_szMax.cy != 0)
        pMMI->ptMaxTrackSize = CPoint(m_szMax.cx, m_szMax.cy);
}

void CXTResizeLayout::AutoLoadPlacement(LPCSTR pszSection)
{
    m_strSection = pszSection;
    LoadPlacement(pszSection);
}

BOOL CXTResizeLayout::LoadPlacement(LPCSTR pszSection)
{
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    CXTRegistryStore store(HKEY_CURRENT_USER);
    if (!store.GetProfileBinary(pszSection, kPlacementEntry, &pData, &nBytes))
        return FALSE;
    BOOL bApplied = FALSE;
    if (nBytes == sizeof(WINDOWPLACEMENT))
    {
        WINDOWPLACEMENT wp;
        memcpy(&wp, pData, sizeof(wp));
        wp.length = sizeof(wp);
        bApplied = ::SetWindowPlacement(m_pParent->m_hWnd, &wp);
    }
    delete[] pData;
    return bApplied;
}

BOOL CXTResizeLayout::SavePlacement(LPCSTR pszSection)
{
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    if (!::GetWindowPlacement(m_pParent->m_hWnd, &wp))
        return FALSE;
    CXTRegistryStore store(HKEY_CURRENT_USER);
    return store.WriteProfileBinary(pszSection, kPlacementEntry, reinterpret_cast<const BYTE*>(&wp), sizeof(wp));
}

void CXTResizeLayout::OnDestroyParent()
{
    if (!m_strSection.IsEmpty())
        SavePlacement(m_strSection);
}
