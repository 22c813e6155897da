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

void FormattedBox(UINT nID, LPCSTR lpszText, UINT nType)
{
    CString format, text;
    LoadResString(nID, format);
    text.Format(format, lpszText);
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

// A box with the text of the interface language, formatted with the names.
void BoxInUiLanguage(UINT nType, LPCSTR lpszGerman, LPCSTR lpszEnglish, LPCSTR lpszName1, LPCSTR lpszName2 = "")
{
    CString text;
    text.Format(IsGermanUi() ? lpszGerman : lpszEnglish, lpszName1, lpszName2);
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
    BoxInUiLanguage(MB_OK | MB_ICONEXCLAMATION,
                    "Achtung !\n\nDer Ordner \"%s\" kann nicht verwendet werden.\nAnzugeben ist der Name eines "
                    "Ordners im Projekt: ohne Laufwerk, ohne \"..\" und ohne die Zeichen \\ / : * ? \" < > |",
                    "Note !\n\nThe folder \"%s\" cannot be used.\nGive the name of a folder in the project: "
                    "without drive, without \"..\" and without the characters \\ / : * ? \" < > |",
                    lpszFolder);
}

void WarnFolderNotMade(LPCSTR lpszFolder)
{
    BoxInUiLanguage(MB_OK | MB_ICONERROR, "Fehler:\n\nDer Ordner \"%s\" konnte nicht angelegt werden.",
                    "Error:\n\nThe folder \"%s\" could not be created.", lpszFolder);
}

void WarnFileNotCopied(LPCSTR lpszFile, LPCSTR lpszFolder)
{
    BoxInUiLanguage(MB_OK | MB_ICONERROR,
                    "Fehler:\n\nDie Datei \"%s\" konnte nicht in den Ordner \"%s\" kopiert werden.",
                    "Error:\n\nThe file \"%s\" could not be copied into the folder \"%s\".", lpszFile, lpszFolder);
}

void MakeLowerGerman(CString& strText)
{
    MakeLowerUmlaut(strText);
}
