#include "editor/dialogs/EditorMessages.h"

#include "editor/dialogs/UiLanguage.h"
#include "framework/MessageBox.h"
#include "shared/support/Umlaut.h"

#include "editor/resource.h"

BOOL LoadResString(UINT nID, CString& strOut)
{
    if (strOut.LoadString(nID))
        return TRUE;
    strOut = "Internal error\nCannot load string";
    return FALSE;
}

namespace {

CString Framed(UINT nFrameID, UINT nID)
{
    CString frame, text;
    LoadResString(nFrameID, frame);
    LoadResString(nID, text);
    return frame + " !\n\n" + text + " !\n\n";
}

void FormattedBox(UINT nID, LPCSTR lpszText, UINT nType, LPCSTR lpszText2 = "")
{
    CString format, text;
    LoadResString(nID, format);
    text.Format(format, lpszText, lpszText2);
    AfxMessageBox(text, nType);
}

} // namespace

void ErrorBoxById(UINT nID)
{
    AfxMessageBox(Framed(IDS_ERROR, nID), MB_OK);
}

void WarningBoxById(UINT nID)
{
    AfxMessageBox(Framed(IDS_WARNING, nID), MB_OK);
}

void FormatWarningBoxById(UINT nID, LPCSTR lpszText)
{
    CString frame, format, text;
    LoadResString(IDS_WARNING, frame);
    LoadResString(nID, format);
    text.Format(format, lpszText);
    AfxMessageBox(frame + " !\n\n" + text + "\n\n", MB_OK);
}

void MessageBoxById(UINT nID)
{
    CString text;
    LoadResString(nID, text);
    AfxMessageBox(text, MB_OK);
}

int AskOverwriteProject()
{
    CString text;
    LoadResString(IDS_ASK_OVERWRITE_PROJECT, text);
    return AfxMessageBox(text, MB_YESNO) == IDYES ? IDYES : IDNO;
}

void WarnFolderOutsideProject(LPCSTR lpszFolder)
{
    FormattedBox(IDS_FOLDER_OUTSIDE_PROJECT, lpszFolder, MB_OK | MB_ICONEXCLAMATION);
}

namespace {

// A box with the text of the interface language, formatted with the name.
void BoxInUiLanguage(UINT nType, LPCSTR lpszGerman, LPCSTR lpszEnglish, LPCSTR lpszName)
{
    CString text;
    text.Format(IsGermanUi() ? lpszGerman : lpszEnglish, lpszName);
    AfxMessageBox(text, nType);
}

} // namespace

void WarnAviCompressionNote(LPCSTR lpszCodec)
{
    BoxInUiLanguage(MB_OK,
                    "Achtung !\n\nDas angegebene AVI-Video ist \"%s-Komprimiert\"\nNur unkomprimierte und RLE "
                    "komprimierte AVI Dateien\nkönnen zuverlässig auf allen Systemen gestartet werden.",
                    "Note !\n\nThe AVI-Video is \"%s-compressed\"\nOnly uncompressed and RLE compressed AVI "
                    "videos\ncan be launched reliably on all system.",
                    lpszCodec);
}

void WarnAviNotAllowed(LPCSTR lpszCodec)
{
    BoxInUiLanguage(MB_OK,
                    "Achtung !\n\nDas angegebene AVI-Video ist \"%s-Komprimiert\"\nEs sind nur unkomprimierte und "
                    "RLE komprimierte AVI Dateien zulässig\n",
                    "Note !\n\nThe AVI-Video is \"%s-compressed\"\nOnly uncompressed and RLE compressed AVI videos "
                    "are allowed\n",
                    lpszCodec);
}

void WarnUnusableFolderName(LPCSTR lpszFolder)
{
    FormattedBox(IDS_FOLDER_NAME_UNUSABLE, lpszFolder, MB_OK | MB_ICONEXCLAMATION);
}

void WarnFolderNotMade(LPCSTR lpszFolder)
{
    FormattedBox(IDS_FOLDER_NOT_MADE, lpszFolder, MB_OK | MB_ICONERROR);
}

void WarnFileNotCopied(LPCSTR lpszFile, LPCSTR lpszFolder)
{
    FormattedBox(IDS_FILE_NOT_COPIED, lpszFile, MB_OK | MB_ICONERROR, lpszFolder);
}

void WarnTooLong(UINT nID, int nLength, int nLimit)
{
    CString format, text;
    LoadResString(nID, format);
    text.Format(format, nLength, nLimit);
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}

void MakeLowerGerman(CString& strText)
{
    MakeLowerUmlaut(strText);
}
