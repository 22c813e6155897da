#include "player/ProjectDiscovery.h"

#include "framework/File.h"
#include "shared/support/Language.h"
#include "shared/support/ProjectFormat.h"
#include "shared/support/ProjectSettings.h"
#include "shared/support/Umlaut.h"

namespace {

const char kUtf8Mark[] = "\xEF\xBB\xBF";

// Reads at most nMax bytes of a file from its start; -1 when it cannot be opened.
int ReadHead(const CString& strPath, char* pBuffer, int nMax)
{
    CFile file;
    if (!file.Open(strPath, CFile::modeRead | CFile::shareDenyNone))
        return -1;
    int nRead = -1;
    try
    {
        nRead = (int)file.Read(pBuffer, (UINT)nMax);
    }
    catch (CFileException* e)
    {
        e->Delete();
    }
    file.Abort();
    return nRead;
}

// The name after "parameter=" in the [autorun] section of an autorun.inf text
// (lower case), running to the end of the text; empty when there is none.
CString AutorunParameter(const CString& strText)
{
    // At most two characters (a byte-order mark, a blank line) may precede the section.
    int nSection = strText.Find("[autorun]");
    if (nSection < 0 || nSection > 2)
        return CString();
    int nParameter = strText.Find("parameter");
    if (nParameter <= 0)
        return CString();
    CString rest = strText.Mid(nParameter);
    int nEquals = rest.Find('=');
    if (nEquals <= 0)
        return CString();
    return rest.Mid(nEquals + 1);
}

} // namespace

bool HasProjectHead(const char* pBytes, int nCount)
{
    CString head(pBytes, nCount);
    if (head.Left(3) == kUtf8Mark)
        head = head.Mid(3);
    head.TrimLeft();
    head.MakeLower();
    CString strExpected = CString("[") + ProjectFormat::kSecHead;
    strExpected.MakeLower();
    return head.Left(strExpected.GetLength()) == strExpected;
}

CString FindAutorunProject(const CString& strAppFolder)
{
    char autorun[256] = {};
    int nRead = ReadHead(strAppFolder + "\\autorun.inf", autorun, 255);
    if (nRead <= 34)
        return CString();
    CString text(autorun);   // up to the first zero byte
    // Editors that write UTF-8 put a byte-order mark first.
    if (text.Left(3) == kUtf8Mark)
        text = text.Mid(3);
    text.MakeLower();

    CString name = AutorunParameter(text);
    int nIni = name.Find(".ini");
    if (nIni <= 0)
        return CString();
    CString candidate = strAppFolder + "\\" + name.Left(nIni + 4);

    char head[25];
    nRead = ReadHead(candidate, head, sizeof(head));
    if (nRead <= 20 || !HasProjectHead(head, nRead))
        return CString();
    return candidate;
}

CString ProjectFileFromName(const CString& strName, const CString& strAppFolder)
{
    CString ending = strName.Right(4);
    MakeLowerUmlaut(ending);
    if (strName.GetLength() < 4 || ending != ".ini")
        return CString();
    // The name ends in ".ini" already, so it is taken whole: a folder such as
    // "a.ini.d" in it is no end of the name.
    if (strName.Find('\\') < 0)
        return strAppFolder + "\\" + strName;
    return strName;
}

CString SelectProject(const CString& strCmdLineFile, const CString& strAppFolder, CProjectSettings& settings)
{
    CString name = strCmdLineFile;
    if (name.IsEmpty())
        name = FindAutorunProject(strAppFolder);
    CString projectFile = ProjectFileFromName(name, strAppFolder);
    if (!projectFile.IsEmpty())
    {
        settings.SetProjectFile(projectFile);
        return projectFile;
    }
    // No project named: the default one beside the program, which is also
    // where its relative names are found.
    projectFile = strAppFolder + "\\" + ProjectFormat::kDefaultFileName;
    settings.SetProjectFile(projectFile);
    SetCurrentDirectoryA(strAppFolder);
    return projectFile;
}

void ReadInterfaceLanguage(CProjectSettings& settings, void* pLoadOwner)
{
    settings.OpenSource(pLoadOwner);
    char chLetter = 'G';
    settings.GetLanguage(chLetter);
    SetLanguageLetter(chLetter);
    settings.CloseSource();
}
