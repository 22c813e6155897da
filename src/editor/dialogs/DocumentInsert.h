// Puts a document of one kind (PDF or slide show) into the project so that a
// menu button can open it on a machine without a reader: the document goes
// into a folder of the project together with the kind's starter program, its
// settings file and the reader's setup program, which the starter runs when
// the reader is missing.
//
// The caller hands in the reader's setup program it remembers (profile
// VIEWER) and stores the one chosen here when m_bViewerChosen is set, whatever
// Run returned; after a successful Run it builds the button from the results.
#pragma once

#include "editor/dialogs/DocumentInsertKind.h"
#include "framework/String.h"

class CMObjList;
class CWnd;

class CDocumentInsert
{
public:
    explicit CDocumentInsert(const DOCUMENT_INSERT_KIND& kind);

    const DOCUMENT_INSERT_KIND& Kind() const { return m_kind; }

    // Asks for the reader when needed and for the document, then sets up the
    // files; TRUE when everything was put in place. The page's buttons tell
    // whether a folder with the starter exists already.
    BOOL Run(const CString& strProjectFolder, const CMObjList* pObjects, CWnd* pParentWnd = nullptr);
    // Copies the files of the chosen document into the project.
    BOOL Setup();

    CString m_strProjectFolder;
    CString m_strViewerSetup;      // full path of the reader's setup program
    BOOL m_bViewerChosen;          // m_strViewerSetup was chosen in the viewer dialog
    CString m_strDocument;         // full path, as chosen
    CString m_strFolder;           // relative to the project
    CString m_strButtonText;
    CString m_strFolderPath;       // full path of m_strFolder
    // Results: what the button starts.
    CString m_strProgram;          // relative to the project
    CString m_strParameter;
    CString m_strDocumentArgument;

private:
    BOOL AskViewer(CWnd* pParentWnd);

    const DOCUMENT_INSERT_KIND& m_kind;
};
