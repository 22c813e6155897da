// What the editor's tests share: the editor's application object over its own
// registry key, and copies of the sample projects as the editor opens them.
#pragma once

#include "editor/app/TarnixEdApp.h"
#include "editor/dialogs/UiLanguage.h"
#include "framework/Dialog.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <functional>
#include <string>
#include <vector>

namespace editor_testing {

// The registry key of the tests' application object, below Software\Morvadeth.
inline constexpr char kTestProduct[] = "TarnixEd Tests";

// Installs the editor's application object for the whole test program.
class EditorAppEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        m_pApp = new CTarnixEdApp(kTestProduct);
        m_pApp->SetInstanceData(GetModuleHandleA(nullptr), GetCommandLineA(), SW_SHOWNORMAL);
        m_pApp->InitRegistry();
        m_pApp->ReadVersionInfo();
    }
    void TearDown() override
    {
        delete m_pApp;
        m_pApp = nullptr;
    }

private:
    CTarnixEdApp* m_pApp = nullptr;
};

inline CTarnixEdApp& App()
{
    return *GetEditorApp();
}

inline std::string Text(const CString& str)
{
    return (LPCSTR)str;
}

// Answers each modal dialog with the next action (Cancel when none is left)
// and records the dialogs' captions.
class ModalAnswers
{
public:
    ModalAnswers()
    {
        m_previous = CDialog::SetModalHook([this](CDialog* pDlg) {
            char caption[100] = "";
            ::GetWindowTextA(pDlg->GetSafeHwnd(), caption, sizeof(caption));
            m_captions.push_back(caption);
            if (m_actions.empty())
            {
                pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                return;
            }
            std::function<void(CDialog*)> action = m_actions.front();
            m_actions.erase(m_actions.begin());
            action(pDlg);
        });
    }
    ~ModalAnswers() { CDialog::SetModalHook(m_previous); }
    ModalAnswers(const ModalAnswers&) = delete;
    ModalAnswers& operator=(const ModalAnswers&) = delete;

    void Then(std::function<void(CDialog*)> action) { m_actions.push_back(std::move(action)); }
    const std::vector<std::string>& Captions() const { return m_captions; }

private:
    CDialog::ModalHook m_previous;
    std::vector<std::function<void(CDialog*)>> m_actions;
    std::vector<std::string> m_captions;
};

// Empties the tests' registry key now and again at the end.
class FreshRegistry
{
public:
    FreshRegistry() { Clear(); }
    ~FreshRegistry() { Clear(); }
    FreshRegistry(const FreshRegistry&) = delete;
    FreshRegistry& operator=(const FreshRegistry&) = delete;

    static void Clear()
    {
        SHDeleteKeyA(HKEY_CURRENT_USER, CString("Software\\Morvadeth\\") + kTestProduct);
    }
};

// Restores German resources and the letter after a language test. Declared
// after the TempFolder a library is loaded from, so that it frees the library
// before the folder is removed (a loaded library keeps its file).
class LanguageScope
{
public:
    LanguageScope() = default;
    ~LanguageScope()
    {
        CTarnixEdApp& app = App();
        if (app.m_hLanguageLib != nullptr)
        {
            AfxSetResourceHandle(app.m_hSavedResource);
            FreeLibrary(app.m_hLanguageLib);
        }
        app.m_hLanguageLib = nullptr;
        app.m_bLanguageLibPresent = 0;
        SetUiLanguage('G');
    }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;
};

// Copies files of a sample project (tests/data/projects/<sample>) into the folder.
inline void CopySample(const testing_support::TempFolder& folder, LPCSTR pszSample,
                       std::initializer_list<LPCSTR> files)
{
    for (LPCSTR name : files)
        folder.Write(name, testing_support::ReadFileText(
                               testing_support::TestDataPath(CString("projects\\") + pszSample + "\\" + name)));
}

// A sample's project file as this editor version wrote it (VERSION names the
// editor; FILEVERSION as given).
inline CString CopyProject(const testing_support::TempFolder& folder, LPCSTR pszSample, LPCSTR pszFileVersion,
                           LPCSTR pszName = "Velconf.ini")
{
    CString text = testing_support::ReadFileText(
        testing_support::TestDataPath(CString("projects\\") + pszSample + "\\" + pszName));
    text.Replace("VERSION=2.1 Tarnix Menu Editor", "VERSION=Tarnix Editor 2.40 CD-Menu");
    text.Replace("FILEVERSION=2.1.0", CString("FILEVERSION=") + pszFileVersion);
    return folder.Write(pszName, text);
}

// A file of the editor's template folder in the source tree.
inline CString TemplatePath(LPCSTR pszName)
{
    return testing_support::TestDataPath(CString("..\\..\\resources\\editor\\template\\") + pszName);
}

// A complete editor folder (the player and every template file) made for the
// test and set as the application's editor folder while it lives.
class EditorFolder
{
public:
    EditorFolder()
    {
        for (LPCSTR name : { "Autorun.inf", "Velicon.ico", "Start.txt", "Sound\\Click.wav", "Sound\\Over.wav" })
            m_folder.Write(name, testing_support::ReadFileText(TemplatePath(name)));
        m_folder.Write("Tarnix.exe", testing_support::ReadFileText(testing_support::ProgramFolder() + "\\Tarnix.exe"));
        m_previous = App().m_strEditorFolder;
        App().m_strEditorFolder = m_folder.Path();
    }
    ~EditorFolder() { App().m_strEditorFolder = m_previous; }
    EditorFolder(const EditorFolder&) = delete;
    EditorFolder& operator=(const EditorFolder&) = delete;

    CString File(LPCSTR name) const { return m_folder.File(name); }
    CString Write(LPCSTR name, const CString& text) const { return m_folder.Write(name, text); }

private:
    testing_support::TempFolder m_folder;
    CString m_previous;
};

} // namespace editor_testing
