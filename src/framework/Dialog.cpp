#include "framework/Dialog.h"

#include "framework/Exceptions.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOKCommand)
    ON_COMMAND(IDCANCEL, OnCancelCommand)
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

namespace {

CDialog::ModalHook& TheModalHook()
{
    static CDialog::ModalHook hook;
    return hook;
}

// The walk through a dialog template: names are a 0 word (none), 0xFFFF and an
// ordinal, or a string of wide characters ended by 0; items start on a DWORD.
const WORD* SkipName(const WORD* p)
{
    if (*p == 0)
        return p + 1;
    if (*p == 0xFFFF)
        return p + 2;
    while (*p != 0)
        ++p;
    return p + 1;
}

const WORD* AlignToDword(const WORD* p)
{
    return reinterpret_cast<const WORD*>((reinterpret_cast<ULONG_PTR>(p) + 3) & ~ULONG_PTR(3));
}

// Whether an item's class may be a common control: the system's own controls
// are named by ordinal (0x80 to 0x85), or may be named by their class names.
bool MayBeCommonControl(const WORD* pClass)
{
    if (*pClass == 0xFFFF)
        return pClass[1] < 0x80 || pClass[1] > 0x85;
    char name[16] = "";
    int n = 0;
    for (; pClass[n] != 0 && n < (int)sizeof(name) - 1; ++n)
        name[n] = pClass[n] < 0x80 ? (char)pClass[n] : '?';
    name[n] = '\0';
    if (pClass[n] != 0)
        return true;
    for (LPCSTR system : { "BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX" })
        if (lstrcmpiA(name, system) == 0)
            return false;
    return true;
}

// The extended layout starts with version 1, 0xFFFF.
bool HoldsCommonControls(LPCDLGTEMPLATEA lpTemplate)
{
    const WORD* p = reinterpret_cast<const WORD*>(lpTemplate);
    const bool bExtended = p[0] == 1 && p[1] == 0xFFFF;
    DWORD dwStyle;
    int nItems;
    if (bExtended)
    {
        dwStyle = MAKELONG(p[6], p[7]);
        nItems = p[8];
        p += 13;
    }
    else
    {
        dwStyle = MAKELONG(p[0], p[1]);
        nItems = p[4];
        p += 9;
    }
    p = SkipName(SkipName(p));   // menu, class
    p = SkipName(p);             // title
    if (dwStyle & DS_SETFONT)
        p = SkipName(p + (bExtended ? 3 : 1));   // size (weight, italic, character set), face
    for (int i = 0; i < nItems; ++i)
    {
        p = AlignToDword(p) + (bExtended ? 12 : 9);   // up to the class
        if (MayBeCommonControl(p))
            return true;
        p = SkipName(SkipName(p));   // class, title
        p = reinterpret_cast<const WORD*>(reinterpret_cast<const BYTE*>(p + 1) + *p);   // creation data
    }
    return false;
}

// The common controls are loaded for the first dialog that may show one.
void PrepareControls(LPCDLGTEMPLATEA lpTemplate)
{
    if (AfxTemplateHoldsCommonControls(lpTemplate))
        AfxEnsureCommonControls();
}

// A template from the resource module, else from the exe.
LPCDLGTEMPLATEA LoadDialogTemplate(LPCSTR lpszTemplateName)
{
    HINSTANCE modules[2] = { AfxGetResourceHandle(), GetModuleHandleA(nullptr) };
    for (HINSTANCE hInst : modules)
    {
        HRSRC hResource = ::FindResourceA(hInst, lpszTemplateName, MAKEINTRESOURCEA(5));
        if (hResource == nullptr)
            continue;
        HGLOBAL hTemplate = ::LoadResource(hInst, hResource);
        if (hTemplate != nullptr)
            return static_cast<LPCDLGTEMPLATEA>(::LockResource(hTemplate));
    }
    return nullptr;
}

} // namespace

bool AfxTemplateHoldsCommonControls(LPCDLGTEMPLATEA lpTemplate)
{
    return lpTemplate != nullptr && HoldsCommonControls(lpTemplate);
}

CDialog::CDialog() : m_lpszTemplateName(nullptr), m_nIDHelp(0), m_pParentWnd(nullptr), m_bInModal(FALSE) {}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog()
{
    m_lpszTemplateName = MAKEINTRESOURCEA(nIDTemplate);
    m_nIDHelp = nIDTemplate;
    m_pParentWnd = pParentWnd;
}

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd) : CDialog()
{
    if (IS_INTRESOURCE(lpszTemplateName))
        m_lpszTemplateName = lpszTemplateName;
    else
    {
        m_strTemplateName = lpszTemplateName;
        m_lpszTemplateName = m_strTemplateName;
    }
    m_pParentWnd = pParentWnd;
}

CDialog::~CDialog()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

CDialog::ModalHook CDialog::SetModalHook(ModalHook hook)
{
    ModalHook previous = TheModalHook();
    TheModalHook() = std::move(hook);
    return previous;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDHelp = nIDTemplate;
    return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd)
{
    LPCDLGTEMPLATEA lpTemplate = LoadDialogTemplate(lpszTemplateName);
    return lpTemplate != nullptr && CreateIndirect(lpTemplate, pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd)
{
    if (pParentWnd == nullptr)
        pParentWnd = m_pParentWnd;
    HWND hWndParent = AfxHwnd(pParentWnd);
    if (hWndParent == nullptr && AfxGetMainWnd() != nullptr && AfxGetMainWnd() != this)
        hWndParent = AfxGetMainWnd()->GetSafeHwnd();
    PrepareControls(lpDialogTemplate);
    HookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(AfxGetInstanceHandle(), lpDialogTemplate, hWndParent, AfxDlgProc, 0);
    UnhookWindowCreate();
    if (hWnd == nullptr && m_hWnd != nullptr)
        Detach();
    return hWnd != nullptr;
}

void PASCAL CDialog::RunModalHook(CDialog* pDlg)
{
    if (TheModalHook())
        TheModalHook()(pDlg);
}

HWND CDialog::PreModal()
{
    // The owner: the given parent, else the main window's last active popup.
    HWND hWnd = AfxHwnd(m_pParentWnd);
    if (hWnd == nullptr)
    {
        CWnd* pMain = AfxGetMainWnd();
        if (pMain != nullptr && pMain->m_hWnd != nullptr && ::IsWindow(pMain->m_hWnd))
            hWnd = ::GetLastActivePopup(pMain->m_hWnd);
    }
    return hWnd;
}

INT_PTR CDialog::DoModal()
{
    LPCDLGTEMPLATEA lpTemplate = LoadDialogTemplate(m_lpszTemplateName);
    if (lpTemplate == nullptr)
        return -1;

    HWND hWndParent = PreModal();
    BOOL bEnableParent = FALSE;
    if (hWndParent != nullptr && ::IsWindowEnabled(hWndParent))
    {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }

    m_nModalResult = -1;
    m_bInModal = TRUE;
    m_bContinueModal = TRUE;
    CWnd* pSavedParent = m_pParentWnd;
    PrepareControls(lpTemplate);
    HookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(AfxGetInstanceHandle(), lpTemplate, hWndParent, AfxDlgProc, 0);
    UnhookWindowCreate();
    m_pParentWnd = pSavedParent;

    if (hWnd != nullptr)
    {
        if (TheModalHook() && m_bContinueModal)
            TheModalHook()(this);
        if (m_bContinueModal)
            RunModalLoop(MLF_SHOWONIDLE);
        if (m_hWnd != nullptr)
            ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                           SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    m_bInModal = FALSE;

    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != nullptr && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);

    DestroyWindow();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    if (m_bInModal)
        EndModalLoop(nResult);
    else if (m_hWnd != nullptr)
        ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL PASCAL CDialog::IsHelpKey(const MSG* pMsg)
{
    return pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F1 && ::GetKeyState(VK_CONTROL) >= 0 &&
           ::GetKeyState(VK_SHIFT) >= 0 && ::GetKeyState(VK_MENU) >= 0;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    // F1 does what the dialog's Help button does. A dialog without a help
    // command of its own leaves the key alone, so that it may reach others.
    AFX_CMDHANDLERINFO info = {};
    if (IsHelpKey(pMsg) && m_hWnd != nullptr && CWnd::OnCmdMsg(ID_HELP, CN_COMMAND, nullptr, &info))
    {
        SendMessage(WM_COMMAND, ID_HELP);
        return TRUE;
    }
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hWnd != nullptr)
        return ::IsDialogMessageA(m_hWnd, pMsg);
    return FALSE;
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    // Commands of owned windows (popup menus, for one) may be the application's.
    if (nCode != CN_COMMAND && nCode != CN_UPDATE_COMMAND_UI)
        return FALSE;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

INT_PTR CALLBACK CDialog::AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialog* pDlg = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd));
    if (pDlg == nullptr)
        return TRUE;
    try
    {
        return pDlg->OnInitDialog();
    }
    catch (CException* e)
    {
        e->ReportError();
        e->Delete();
    }
    catch (...)
    {
    }
    return TRUE;
}
