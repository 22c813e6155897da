#include "framework/DataExchange.h"

#include "framework/Exceptions.h"
#include "framework/Ids.h"
#include "framework/MessageBox.h"
#include "framework/Wnd.h"

#include <errno.h>
#include <limits.h>
#include <stdlib.h>

namespace {

// The framework's own texts, where the program has them in no other language.
const char kIntegerPrompt[] = "Geben Sie bitte eine ganze Zahl ein.";
const char kUnsignedPrompt[] = "Geben Sie bitte eine positive ganze Zahl ein.";
const char kRangePrompt[] = "Geben Sie bitte eine ganze Zahl zwischen %1 und %2 ein.";
const char kMaxCharsPrompt[] = "Geben Sie bitte höchstens %1 Zeichen ein.";
const char kMissingControl[] = "Das Dialogfeld hat kein Steuerelement mit der Nummer %1.";

CString Substitute(LPCSTR format, const CString& first, const CString& second = CString())
{
    CString text(format);
    text.Replace("%1", first);
    text.Replace("%2", second);
    return text;
}

void FailWithMessage(CDataExchange* pDX, const CString& text)
{
    AfxMessageBox(text, MB_ICONEXCLAMATION);
    pDX->Fail();
}

CString ControlText(HWND hWndCtrl)
{
    int n = ::GetWindowTextLengthA(hWndCtrl);
    CString text;
    ::GetWindowTextA(hWndCtrl, text.GetBuffer(n + 1), n + 1);
    text.ReleaseBuffer();
    return text;
}

// Strict parsing: blanks around the number are fine, anything else is not.
bool ParseSigned(const CString& text, long long& value)
{
    CString t(text);
    t.Trim();
    if (t.IsEmpty())
        return false;
    char* end = nullptr;
    errno = 0;
    value = strtoll(t, &end, 10);
    return errno == 0 && end != nullptr && *end == '\0';
}

bool ParseUnsigned(const CString& text, unsigned long long& value)
{
    CString t(text);
    t.Trim();
    if (t.IsEmpty() || t[0] == '-')
        return false;
    char* end = nullptr;
    errno = 0;
    value = strtoull(t, &end, 10);
    return errno == 0 && end != nullptr && *end == '\0';
}

template <class T>
void ExchangeSigned(CDataExchange* pDX, int nIDC, T& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        long long parsed = 0;
        if (!ParseSigned(ControlText(hWndCtrl), parsed) || parsed < (long long)INT_MIN || parsed > (long long)INT_MAX)
            FailWithMessage(pDX, AfxLoadFrameworkText(AFX_IDP_PARSE_INT, kIntegerPrompt));
        pDX->KeepOriginal(value);
        value = (T)parsed;
    }
    else
    {
        CString text;
        text.Format("%ld", (long)value);
        ::SetWindowTextA(hWndCtrl, text);
    }
}

template <class T>
void ExchangeUnsigned(CDataExchange* pDX, int nIDC, T& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        unsigned long long parsed = 0;
        if (!ParseUnsigned(ControlText(hWndCtrl), parsed) || parsed > (unsigned long long)UINT_MAX)
            FailWithMessage(pDX, AfxLoadFrameworkText(AFX_IDP_PARSE_UINT, kUnsignedPrompt));
        pDX->KeepOriginal(value);
        value = (T)parsed;
    }
    else
    {
        CString text;
        text.Format("%lu", (unsigned long)value);
        ::SetWindowTextA(hWndCtrl, text);
    }
}

} // namespace

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_hWndLastControl(nullptr), m_bEditLastControl(FALSE)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWndCtrl = ::GetDlgItem(AfxHwnd(m_pDlgWnd), nIDC);
    if (hWndCtrl == nullptr)
    {
        // A template without the control is a programming error: say which one.
        CString id;
        id.Format("%d", nIDC);
        AfxMessageBox(Substitute(kMissingControl, id), MB_ICONSTOP);
        m_hWndLastControl = nullptr;
        AfxThrowUserException();
    }
    m_hWndLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_hWndLastControl != nullptr)
    {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

void CDataExchange::RestoreOriginals()
{
    for (auto it = m_undo.rbegin(); it != m_undo.rend(); ++it)
        (*it)();
    m_undo.clear();
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    pDX->KeepOriginal(value);
    if (pDX->m_bSaveAndValidate)
        value = ControlText(hWndCtrl);
    else
        ::SetWindowTextA(hWndCtrl, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) { ExchangeSigned(pDX, nIDC, value); }
void DDX_Text(CDataExchange* pDX, int nIDC, long& value) { ExchangeSigned(pDX, nIDC, value); }
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) { ExchangeUnsigned(pDX, nIDC, value); }
void DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value) { ExchangeUnsigned(pDX, nIDC, value); }

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    pDX->KeepOriginal(value);
    if (pDX->m_bSaveAndValidate)
        value = (int)::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0);
    else
        ::SendMessageA(hWndCtrl, BM_SETCHECK, (WPARAM)(value < 0 || value > 2 ? 0 : value), 0);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    // The group starts at the first button and runs up to the next WS_GROUP.
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    pDX->KeepOriginal(value);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int index = 0;
    do
    {
        if (::SendMessageA(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)
        {
            if (pDX->m_bSaveAndValidate)
            {
                if (::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0) == BST_CHECKED)
                    value = index;
            }
            else
                ::SendMessageA(hWndCtrl, BM_SETCHECK, index == value, 0);
            ++index;
        }
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl != nullptr && !(::GetWindowLongPtrA(hWndCtrl, GWL_STYLE) & WS_GROUP));
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    pDX->KeepOriginal(index);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessageA(hWndCtrl, CB_GETCURSEL, 0, 0);
    else
        ::SendMessageA(hWndCtrl, CB_SETCURSEL, (WPARAM)index, 0);
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    pDX->KeepOriginal(value);
    if (pDX->m_bSaveAndValidate)
    {
        int sel = (int)::SendMessageA(hWndCtrl, CB_GETCURSEL, 0, 0);
        if (sel != CB_ERR)
        {
            int n = (int)::SendMessageA(hWndCtrl, CB_GETLBTEXTLEN, (WPARAM)sel, 0);
            ::SendMessageA(hWndCtrl, CB_GETLBTEXT, (WPARAM)sel, (LPARAM)value.GetBuffer(n + 1));
            value.ReleaseBuffer();
        }
        else
            value = ControlText(hWndCtrl);
    }
    else if (::SendMessageA(hWndCtrl, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCSTR)value) == CB_ERR)
        ::SetWindowTextA(hWndCtrl, value);
}

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    pDX->KeepOriginal(index);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessageA(hWndCtrl, LB_GETCURSEL, 0, 0);
    else
        ::SendMessageA(hWndCtrl, LB_SETCURSEL, (WPARAM)index, 0);
}

void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    pDX->KeepOriginal(value);
    if (pDX->m_bSaveAndValidate)
    {
        int sel = (int)::SendMessageA(hWndCtrl, LB_GETCURSEL, 0, 0);
        if (sel != LB_ERR)
        {
            int n = (int)::SendMessageA(hWndCtrl, LB_GETTEXTLEN, (WPARAM)sel, 0);
            ::SendMessageA(hWndCtrl, LB_GETTEXT, (WPARAM)sel, (LPARAM)value.GetBuffer(n + 1));
            value.ReleaseBuffer();
        }
        else
            value.Empty();
    }
    else
        ::SendMessageA(hWndCtrl, LB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCSTR)value);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd == nullptr)
    {
        HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
        rControl.SubclassWindow(hWndCtrl);
    }
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (pDX->m_bSaveAndValidate && value.GetLength() > nChars)
    {
        CString count;
        count.Format("%d", nChars);
        FailWithMessage(pDX, Substitute(AfxLoadFrameworkText(AFX_IDP_PARSE_STRING_SIZE, kMaxCharsPrompt), count));
    }
    else if (!pDX->m_bSaveAndValidate && pDX->m_hWndLastControl != nullptr && pDX->m_bEditLastControl)
        ::SendMessageA(pDX->m_hWndLastControl, EM_LIMITTEXT, (WPARAM)nChars, 0);
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    DDV_MinMaxLong(pDX, value, minVal, maxVal);
}

void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal)
{
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal))
    {
        CString low, high;
        low.Format("%ld", minVal);
        high.Format("%ld", maxVal);
        FailWithMessage(pDX, Substitute(AfxLoadFrameworkText(AFX_IDP_PARSE_INT_RANGE, kRangePrompt), low, high));
    }
}

void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal))
    {
        CString low, high;
        low.Format("%u", minVal);
        high.Format("%u", maxVal);
        FailWithMessage(pDX, Substitute(AfxLoadFrameworkText(AFX_IDP_PARSE_INT_RANGE, kRangePrompt), low, high));
    }
}
