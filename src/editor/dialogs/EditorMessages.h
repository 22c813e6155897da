// The editor's message boxes: resource strings in a fixed frame, a few
// warnings built in both languages, and the lower-casing used when paths are
// compared. Strings come from the current resource module, so they follow the
// interface language.
#pragma once

#include "framework/String.h"

// The string into strOut; a missing one gives "Internal error\nCannot load string".
BOOL LoadResString(UINT nID, CString& strOut);
// "FEHLER !\n\n" (string 151) + string nID + " !\n\n".
void ErrorBoxById(UINT nID);
// "ACHTUNG !\n\n" (string 150) + string nID + " !\n\n".
void WarningBoxById(UINT nID);
// "ACHTUNG !\n\n" + string nID formatted with the text + "\n\n".
void FormatWarningBoxById(UINT nID, LPCSTR lpszText);
void MessageBoxById(UINT nID);
// String 173 with Yes and No; IDYES or IDNO.
int AskOverwriteProject();
// String 227 formatted with the folder.
void WarnFolderOutsideProject(LPCSTR lpszFolder);
// The compression notes of AVI clips, in German or English by the interface language.
void WarnAviCompressionNote(LPCSTR lpszCodec);
void WarnAviNotAllowed(LPCSTR lpszCodec);
// A folder name of the document insertion that is no folder of the project.
void WarnUnusableFolderName(LPCSTR lpszFolder);
// A step of putting a document into the project failed: the folder could not
// be made, or the file could not be copied into the folder.
void WarnFolderNotMade(LPCSTR lpszFolder);
void WarnFileNotCopied(LPCSTR lpszFile, LPCSTR lpszFolder);
// String nID formatted with the length of a text and the most the project
// keeps of it.
void WarnTooLong(UINT nID, int nLength, int nLimit);
// Lower case with the German capital umlauts folded.
void MakeLowerGerman(CString& strText);
