#include "editor/app/Launcher.h"

#include "editor/resource.h"

#include <io.h>

IMPLEMENT_DYNAMIC(CLauncher, CStarter)

CString CLauncher::MissingSibling(const CString& strEditorFolder, LPCSTR lpszSubFolder,
                                  std::initializer_list<LPCSTR> files)
{
    const CString folder = strEditorFolder + lpszSubFolder;
    for (LPCSTR lpszFile : files)
    {
        if (!strEditorFolder.IsEmpty() && _access(folder + "\\" + lpszFile, 0) == 0)
            continue;
        CString name = CString(lpszSubFolder) + "\\" + lpszFile;
        CString format, reason;
        format.LoadString(IDS_SIBLING_MISSING);
        reason.Format(format, (LPCSTR)name.Mid(1));
        return reason;
    }
    return CString();
}
