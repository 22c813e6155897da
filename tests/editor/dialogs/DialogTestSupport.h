// Helpers of the editor dialog tests: recorded application services, a modal
// hook for one test, and pressing buttons of a running dialog.
#pragma once

#include "editor/dialogs/EditorServices.h"
#include "framework/Dialog.h"

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

} // namespace dialog_tests
