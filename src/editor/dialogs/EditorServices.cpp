#include "editor/dialogs/EditorServices.h"

namespace {

class CQuietServices : public IEditorServices
{
public:
    void ShowHelpPage(LPCSTR) override {}
    void ShowQuickInfo(LPCSTR) override {}
    CString GetProjectFolder() override { return CString(); }
    CString GetEditorFolder() override { return CString(); }
    void MakeProjectRelativePath(CString&, BOOL) override {}
    void OpenInOrvenna(LPCSTR) override {}
    CString TakeReturnedImageFile() override { return CString(); }
    void CloseOrvenna() override {}
    int GetSettingInt(LPCSTR, int nDefault) override { return nDefault; }
    void WriteSettingInt(LPCSTR, int) override {}
    CString GetSettingString(LPCSTR, LPCSTR lpszDefault) override { return CString(lpszDefault); }
    void WriteSettingString(LPCSTR, LPCSTR) override {}
};

CQuietServices g_quietServices;
IEditorServices* g_pServices = nullptr;

} // namespace

IEditorServices* InstallEditorServices(IEditorServices* pServices)
{
    IEditorServices* pPrevious = g_pServices;
    g_pServices = pServices;
    return pPrevious;
}

IEditorServices& EditorServices()
{
    return g_pServices != nullptr ? *g_pServices : g_quietServices;
}
