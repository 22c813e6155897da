#include "toolkit/controls/XTEditListBox.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTToolkitString.h"
#include "toolkit/frame/XTGlobalData.h"

IMPLEMENT_DYNAMIC(CXTEditListBox, CXTListBox)

BEGIN_MESSAGE_MAP(CXTEditListBox, CXTListBox)
    // void OnLabelEditDone(), from the in-place edit either way
    ON_CONTROL(XT_LBN_LABELEDITEND, XT_IDC_ITEM_EDIT, OnLabelEditDone)
    ON_CONTROL(XT_LBN_LABELEDITCANCEL, XT_IDC_ITEM_EDIT, OnLabelEditDone)
    // void OnNewItem() and the other commands of the bar
    ON_CONTROL(XT_LBN_NEWITEM, XT_IDC_EDIT_GROUP, OnNewItem)
    ON_CONTROL(XT_LBN_DELETEITEM, XT_IDC_EDIT_GROUP, OnDeleteItem)
    ON_CONTROL(XT_LBN_MOVEITEMUP, XT_IDC_EDIT_GROUP, OnMoveItemUp)
    ON_CONTROL(XT_LBN_MOVEITEMDOWN, XT_IDC_EDIT_GROUP, OnMoveItemDown)
    // void OnLButtonDblClk(UINT nFlags, CPoint point), and the press
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONDOWN()
    // void OnNcLButtonDown(UINT nHitTest, CPoint point)
    ON_WM_NCLBUTTONDOWN()
    // void OnWindowPosChanging(WINDOWPOS* lpwndpos)
    ON_WM_WINDOWPOSCHANGING()
    // void OnWindowPosChanged(WINDOWPOS* lpwndpos)
    ON_WM_WINDOWPOSCHANGED()
    // void OnEnable(BOOL bEnable)
    ON_WM_ENABLE()
    // void OnShowWindow(BOOL bShow, UINT nStatus)
    ON_WM_SHOWWINDOW()
    // void OnDestroy()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CXTEditListBox::CXTEditListBox()
    : m_nIndex(-1), m_bNewItem(FALSE), m_dwStyle(BES_XT_CHOOSEDIR), m_pItemEdit(nullptr)
{
    m_strCaption = LoadToolkitString(XT_IDS_DIRECTORIES, " Directories:");
}

CXTEditListBox::~CXTEditListBox() = default;

CRect CXTEditListBox::GroupRect(const CRect& rcList)
{
    return CRect(rcList.left, rcList.top - GroupHeight, rcList.right, rcList.top);
}

void CXTEditListBox::SetEditStyle(LPCSTR lpszCaption, DWORD dwStyle)
{
    m_strCaption = lpszCaption;
    m_dwStyle = dwStyle;
    if (m_pEditGroup && m_pEditGroup->m_hWnd != nullptr)
        m_pEditGroup->SetWindowText(m_strCaption);
}

void CXTEditListBox::SetEditStyle(UINT nIDCaption, DWORD dwStyle)
{
    CString strCaption;
    if (!strCaption.LoadString(nIDCaption))
        strCaption = LoadToolkitString(nIDCaption, "");
    SetEditStyle(strCaption, dwStyle);
}

void CXTEditListBox::Initialize()
{
    CXTListBox::Initialize();
    if (!(m_dwStyle & LBS_XT_NOTOOLBAR))
        CreateGroup();
}

void CXTEditListBox::CreateGroup()
{
    CWnd* pParent = GetParent();
    CRect rc;
    GetWindowRect(&rc);
    pParent->ScreenToClient(&rc);
    m_pEditGroup.reset(new CXTEditGroup);
    DWORD dwStyle = WS_CHILD | SS_LEFT | (GetStyle() & WS_VISIBLE);
    if (!m_pEditGroup->CreateEx(WS_EX_STATICEDGE, "STATIC", m_strCaption, dwStyle, GroupRect(rc), pParent,
                                XT_IDC_EDIT_GROUP))
    {
        m_pEditGroup.reset();
        return;
    }
    m_pEditGroup->SetOwner(this);
    m_pEditGroup->Init(this);
    m_pEditGroup->EnableWindow(IsWindowEnabled());
    // The list gives the bar its room (OnWindowPosChanging).
    SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void CXTEditListBox::PlaceGroup()
{
    if (!m_pEditGroup || m_pEditGroup->m_hWnd == nullptr)
        return;
    CRect rc;
    GetWindowRect(&rc);
    GetParent()->ScreenToClient(&rc);
    m_pEditGroup->MoveWindow(GroupRect(rc));
}

void CXTEditListBox::NotifyOwner(UINT nCode)
{
    CWnd* pOwner = GetOwner();
    if (pOwner != nullptr)
        pOwner->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), nCode), (LPARAM)m_hWnd);
}

void CXTEditListBox::EditItem(BOOL bNewItem)
{
    if (m_pItemEdit != nullptr)
        return;
    int nSel = GetCurSel();
    m_bNewItem = bNewItem || nSel < 0;
    if (m_bNewItem)
    {
        m_strItemText.Empty();
        m_nIndex = AddString("");
        SetCurSel(m_nIndex);
    }
    else
    {
        m_nIndex = nSel;
        GetText(nSel, m_strItemText);
    }
    CRect rc;
    GetItemRect(m_nIndex, &rc);
    rc.DeflateRect(2, 0);
    rc.InflateRect(0, 2);
    m_pItemEdit = new CXTItemEdit(this, rc, &m_strItemText, m_dwStyle & BES_XT_BROWSEMASK, TRUE);
    if (m_pItemEdit->m_hWnd == nullptr)
    {
        delete m_pItemEdit;
        m_pItemEdit = nullptr;
    }
}

void CXTEditListBox::OnLabelEditDone()
{
    // The edit stored the text only when it was confirmed.
    int nSelect = m_nIndex;
    UINT nCode = XT_LBN_LABELEDITCANCEL;
    if (m_bNewItem)
    {
        DeleteString((UINT)m_nIndex);
        nSelect = 0;
        if (!m_strItemText.IsEmpty())
        {
            nSelect = AddString(m_strItemText);
            nCode = XT_LBN_NEWITEM;
        }
    }
    else
    {
        CString strOld;
        GetText(m_nIndex, strOld);
        if (strOld != m_strItemText)
        {
            DWORD_PTR dwData = GetItemData(m_nIndex);
            DeleteString((UINT)m_nIndex);
            InsertString(m_nIndex, m_strItemText);
            SetItemData(m_nIndex, dwData);
            nCode = XT_LBN_LABELEDITEND;
        }
    }
    m_bNewItem = FALSE;
    m_pItemEdit = nullptr;
    SetCurSel(nSelect);
    SetFocus();
    NotifyOwner(nCode);
}

void CXTEditListBox::CloseItemEdit(BOOL bCancel)
{
    if (m_pItemEdit != nullptr)
        m_pItemEdit->EndEdit(bCancel);
}

void CXTEditListBox::OnNewItem()
{
    EditItem(TRUE);
}

void CXTEditListBox::DeleteSelected()
{
    int nSel = GetCurSel();
    if (nSel < 0)
        return;
    NotifyOwner(XT_LBN_PREDELETEITEM);
    DeleteString((UINT)nSel);
    int nCount = GetCount();
    SetCurSel(nSel < nCount ? nSel : nCount - 1);
    SetFocus();
    NotifyOwner(XT_LBN_DELETEITEM);
}

void CXTEditListBox::OnDeleteItem()
{
    DeleteSelected();
}

void CXTEditListBox::MoveSelected(int nStep, UINT nCode)
{
    int nSel = GetCurSel();
    int nOther = nSel + nStep;
    if (nSel >= 0 && nOther >= 0 && nOther < GetCount())
    {
        CString strText;
        GetText(nSel, strText);
        DWORD_PTR dwData = GetItemData(nSel);
        DeleteString((UINT)nSel);
        InsertString(nOther, strText);
        SetItemData(nOther, dwData);
        SetCurSel(nOther);
    }
    SetFocus();
    // The owner hears of it even when nothing moved.
    NotifyOwner(nCode);
}

void CXTEditListBox::OnMoveItemUp()
{
    MoveSelected(-1, XT_LBN_MOVEITEMUP);
}

void CXTEditListBox::OnMoveItemDown()
{
    MoveSelected(1, XT_LBN_MOVEITEMDOWN);
}

BOOL CXTEditListBox::PreTranslateMessage(MSG* pMsg)
{
    BOOL bKey = pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST;
    if (bKey && m_pItemEdit != nullptr && pMsg->hwnd == m_pItemEdit->m_hWnd)
    {
        // Every key belongs to the in-place edit; Tab leaves it for the list.
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_TAB)
            SetFocus();
        else
        {
            ::TranslateMessage(pMsg);
            ::DispatchMessageA(pMsg);
        }
        return TRUE;
    }
    if (bKey && pMsg->hwnd == m_hWnd && GetCurSel() >= 0)
    {
        BOOL bAlt = (pMsg->lParam & (1 << 29)) != 0;
        if (pMsg->message == WM_KEYUP && pMsg->wParam == VK_DELETE)
        {
            DeleteSelected();
            return TRUE;
        }
        if (pMsg->message == WM_KEYUP && pMsg->wParam == VK_INSERT)
        {
            EditItem(TRUE);
            return TRUE;
        }
        if (pMsg->message == WM_SYSKEYUP && bAlt && (pMsg->wParam == VK_UP || pMsg->wParam == VK_DOWN))
        {
            if (pMsg->wParam == VK_UP)
                OnMoveItemUp();
            else
                OnMoveItemDown();
            return TRUE;
        }
    }
    return CXTListBox::PreTranslateMessage(pMsg);
}

void CXTEditListBox::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CXTListBox::OnLButtonDblClk(nFlags, point);
    BOOL bOutside = TRUE;
    int nIndex = ItemFromPoint(point, bOutside);
    if (bOutside)
        return;
    SetCurSel(nIndex);
    EditItem(FALSE);
}

void CXTEditListBox::OnLButtonDown(UINT nFlags, CPoint point)
{
    CXTListBox::OnLButtonDown(nFlags, point);
    BOOL bOutside = TRUE;
    ItemFromPoint(point, bOutside);
    if (bOutside)
        SetCurSel(-1);
}

void CXTEditListBox::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    CloseItemEdit(TRUE);
    CXTListBox::OnNcLButtonDown(nHitTest, point);
}

void CXTEditListBox::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    CXTListBox::OnWindowPosChanging(lpwndpos);
    if (!m_pEditGroup || m_pEditGroup->m_hWnd == nullptr)
        return;
    if (!(lpwndpos->flags & SWP_NOMOVE))
        lpwndpos->y += GroupHeight;
    if (!(lpwndpos->flags & SWP_NOSIZE))
        lpwndpos->cy -= GroupHeight;
}

void CXTEditListBox::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CXTListBox::OnWindowPosChanged(lpwndpos);
    if (!(lpwndpos->flags & SWP_NOSIZE) || !(lpwndpos->flags & SWP_NOMOVE))
        PlaceGroup();
}

void CXTEditListBox::OnEnable(BOOL bEnable)
{
    CXTListBox::OnEnable(bEnable);
    if (m_pEditGroup && m_pEditGroup->m_hWnd != nullptr)
        m_pEditGroup->EnableWindow(bEnable);
}

void CXTEditListBox::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CXTListBox::OnShowWindow(bShow, nStatus);
    if (m_pEditGroup && m_pEditGroup->m_hWnd != nullptr)
        m_pEditGroup->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

void CXTEditListBox::OnDestroy()
{
    CloseItemEdit(TRUE);
    m_pItemEdit = nullptr;
    if (m_pEditGroup && m_pEditGroup->m_hWnd != nullptr)
        m_pEditGroup->DestroyWindow();
    m_pEditGroup.reset();
    CXTListBox::OnDestroy();
}
