// Helpers of the editor dialog tests: recorded application services, a modal
// hook for one test, and pressing buttons of a running dialog.
#pragma once

#include "editor/dialogs/EditorServices.h"
#include "framework/ColorDialog.h"
#include "framework/Dialog.h"
#include "framework/FontDialog.h"
#include "framework/Ids.h"
#include "framework/PropertyPage.h"
#include "framework/PropertySheet.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace dialog_tests {

// Services that record what the dialogs ask for; installed while they live.
class FakeServices : public IEditorServices
{
public:
    FakeServices() { m_pPrevious = InstallEditorServices(this); }
    ~FakeServices() override { InstallEditorServices(m_pPrevious); }
    FakeServices(const FakeServices&) = delete;
    FakeServices& operator=(const FakeServices&) = delete;

    void ShowHelpPage(LPCSTR lpszPage) override { helpPages.push_back(lpszPage); }
    void ShowQuickInfo(LPCSTR lpszPage) override { quickInfoPages.push_back(lpszPage); }
    CString GetProjectFolder() override { return projectFolder; }
    CString GetEditorFolder() override { return editorFolder; }
    void MakeProjectRelativePath(CString&, BOOL) override {}
    void OpenInOrvenna(LPCSTR lpszFile) override { orvennaFiles.push_back(lpszFile != nullptr ? lpszFile : "<none>"); }
    CString TakeReturnedImageFile() override
    {
        CString file = returnedImageFile;
        returnedImageFile.Empty();
        return file;
    }
    void CloseOrvenna() override { ++orvennaClosed; }
    int GetSettingInt(LPCSTR lpszKey, int nDefault) override
    {
        auto it = ints.find(lpszKey);
        return it == ints.end() ? nDefault : it->second;
    }
    void WriteSettingInt(LPCSTR lpszKey, int nValue) override { ints[lpszKey] = nValue; }
    CString GetSettingString(LPCSTR lpszKey, LPCSTR lpszDefault) override
    {
        auto it = strings.find(lpszKey);
        return it == strings.end() ? CString(lpszDefault) : CString(it->second.c_str());
    }
    void WriteSettingString(LPCSTR lpszKey, LPCSTR lpszValue) override { strings[lpszKey] = lpszValue; }

    CString projectFolder;
    CString editorFolder;
    CString returnedImageFile;
    std::vector<std::string> helpPages;
    std::vector<std::string> quickInfoPages;
    std::vector<std::string> orvennaFiles;
    int orvennaClosed = 0;
    std::map<std::string, int> ints;
    std::map<std::string, std::string> strings;

private:
    IEditorServices* m_pPrevious;
};

// Hands every modal dialog of one test to the function once it is initialised.
class ModalScript
{
public:
    explicit ModalScript(std::function<void(CDialog*)> onInit) { m_previous = CDialog::SetModalHook(std::move(onInit)); }
    ~ModalScript() { CDialog::SetModalHook(m_previous); }
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

private:
    CDialog::ModalHook m_previous;
};

// A click on the dialog's button, as the button sends it.
inline void Click(CWnd* pDlg, int nID)
{
    pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)::GetDlgItem(pDlg->m_hWnd, nID));
}

// Checks one radio button of a group (and unchecks the others), then clicks it.
inline void ChooseRadio(CWnd* pDlg, std::initializer_list<int> group, int nID)
{
    for (int nOther : group)
        pDlg->CheckDlgButton(nOther, nOther == nID ? BST_CHECKED : BST_UNCHECKED);
    Click(pDlg, nID);
}

// Driving a running wizard (a property sheet in wizard mode).
namespace wizard {

inline CPropertySheet* AsSheet(CDialog* pDlg)
{
    return static_cast<CPropertySheet*>(pDlg);
}

inline CWnd* Page(CDialog* pDlg)
{
    return AsSheet(pDlg)->GetActivePage();
}

inline int Index(CDialog* pDlg)
{
    return AsSheet(pDlg)->GetActiveIndex();
}

inline void Next(CDialog* pDlg)
{
    Click(pDlg, ID_WIZNEXT);
}

// Finish, as the button does once the posted button states apply; a wizard
// that stays is cancelled. TRUE when Finish ended it.
inline BOOL Finish(CDialog* pDlg)
{
    testing_support::PumpPendingMessages();
    pDlg->SendMessage(PSM_PRESSBUTTON, PSBTN_FINISH);
    BOOL bFinished = !pDlg->ContinueModal();
    if (!bFinished)
        Click(pDlg, IDCANCEL);
    return bFinished;
}

} // namespace wizard

// A shell drop of one file, as the explorer hands it to a window.
inline HDROP MakeDrop(LPCSTR lpszFile)
{
    const size_t nName = strlen(lpszFile);
    HGLOBAL hMem = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + nName + 2);
    DROPFILES* pDrop = static_cast<DROPFILES*>(GlobalLock(hMem));
    pDrop->pFiles = sizeof(DROPFILES);
    memcpy(reinterpret_cast<char*>(pDrop) + sizeof(DROPFILES), lpszFile, nName);
    GlobalUnlock(hMem);
    return static_cast<HDROP>(hMem);
}

inline CString ItemText(CWnd* pDlg, int nID)
{
    CString text;
    pDlg->GetDlgItemText(nID, text);
    return text;
}

inline BOOL ItemEnabled(CWnd* pDlg, int nID)
{
    return ::IsWindowEnabled(::GetDlgItem(pDlg->m_hWnd, nID));
}

// Runs the dialog: the function (if any) fills it, OK is pressed, and a dialog
// that stays open is cancelled. TRUE when it stayed, OK refused.
inline BOOL OkIsRefused(CDialog& dlg, const std::function<void(CDialog*)>& fill = nullptr)
{
    BOOL bStayed = FALSE;
    ModalScript script([&](CDialog* pDlg) {
        if (fill)
            fill(pDlg);
        Click(pDlg, IDOK);
        bStayed = pDlg->ContinueModal();
        if (bStayed)
            Click(pDlg, IDCANCEL);
    });
    EXPECT_EQ(bStayed ? IDCANCEL : IDOK, dlg.DoModal());
    return bStayed;
}

// A value typed into a field, and whether the dialog takes it.
struct FieldCase
{
    int id;
    LPCSTR value;
    BOOL accepted;
};

// Types a value into one field, presses OK and tells whether the dialog took it
// (the range message and a dialog left open otherwise).
template <class TDialog>
void ExpectFieldChecks(int nID, LPCSTR lpszValue, BOOL bAccepted, TDialog& dlg)
{
    SCOPED_TRACE(testing::Message() << nID << " = " << CString(lpszValue).Left(12) << "...");
    testing_support::MessageBoxRecorder boxes;
    EXPECT_EQ(!bAccepted, OkIsRefused(dlg, [&](CDialog* pDlg) { pDlg->SetDlgItemText(nID, lpszValue); }));
    EXPECT_EQ(bAccepted ? 0u : 1u, boxes.Count());
}

// The font dialog answers OK with this face, height and colour.
inline void AnswerFont(testing_support::CommonDialogScript& script, LPCSTR lpszFace, int nHeight, COLORREF crColor)
{
    CString face(lpszFace);
    script.Answer(IDOK, [=](CCommonDialog* pDlg) {
        CFontDialog* pFont = dynamic_cast<CFontDialog*>(pDlg);
        ASSERT_NE(nullptr, pFont);
        EXPECT_EQ((DWORD)(CF_SCREENFONTS | CF_EFFECTS), pFont->m_cf.Flags & (CF_SCREENFONTS | CF_EFFECTS));
        lstrcpynA(pFont->m_lf.lfFaceName, face, LF_FACESIZE);
        pFont->m_lf.lfHeight = nHeight;
        pFont->m_cf.rgbColors = crColor;
    });
}

inline void AnswerColor(testing_support::CommonDialogScript& script, COLORREF crColor)
{
    script.Answer(IDOK, [=](CCommonDialog* pDlg) { static_cast<CColorDialog*>(pDlg)->m_cc.rgbResult = crColor; });
}

} // namespace dialog_tests
