// What tells the two kinds of inserted documents apart: PDF documents, opened
// through the starter Pagolin, and slide shows, opened through Slidora. Each
// kind brings its reader's setup program along in a setup folder.
#pragma once

#include "framework/Afx.h"

struct DOCUMENT_INSERT_KIND
{
    UINT nViewerTemplate;
    UINT nInsertTemplate;
    LPCSTR pszTypes;            // accepted types of the document edit
    LPCSTR pszFilter;           // file chooser filter
    LPCSTR pszFolderSetting;    // remembered folder, section SETTINGS
    LPCSTR pszDefaultFolder;
    LPCSTR pszViewerKey;        // the reader's setup program, section VIEWER
    LPCSTR pszSetupFolder;
    LPCSTR pszStarterFolder;    // beside the editor
    LPCSTR pszStarterProgram;
    LPCSTR pszStarterSettings;
    LPCSTR pszLicenceLink[2];   // German, English
    LPCSTR pszDownloadLink[2];
};

extern const DOCUMENT_INSERT_KIND g_pdfInsertKind;
extern const DOCUMENT_INSERT_KIND g_slideShowInsertKind;

// The profile section of the readers' setup programs.
extern const char g_szViewerSection[];
