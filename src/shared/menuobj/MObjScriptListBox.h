// A script list box: the entries of a list file (typically the files of one
// folder of the medium), each started through the file's script, in which
// "%1" stands for the chosen file. The list file ("List" + three digits +
// ".ini" in the listed folder) holds the script under [SCRIPT] and one line
// per entry under [LIST]:
//   LISTITEM=<name>:FILE=<file name>:TOOLTIP=<tooltip>
// The editor writes and updates list files; the player runs entries.
#pragma once

#include "shared/menuobj/MObjListbox.h"

class CMButCreateStruct;

// What the list-box wizard hands over to update a list file.
struct SCRIPTFILE_RECORD
{
    CString strListFile;
    CString strProjectFolder;
    CString strListFolder;
    CString strExt;            // file patterns separated by ':'
    CString strDocument;
    CString strApplication;
    CString strParameter;
    CString strButtonText;
};

class CMObjScriptListBox : public CMObjListbox
{
    DECLARE_DYNAMIC(CMObjScriptListBox)
public:
    using CMObjListbox::Create;
    // Makes the list box from the struct (its text names the list file) and
    // fills it from the list file; the result is the window's creation.
    BOOL Create(CMButCreateStruct* pCrStruct, CWnd* pParent, int nID, COLORREF cr, BOOL bEditMode);

    // Attributes
    const CString& GetListText() const { return m_strListText; }
    const CString& GetScriptFileName() const { return m_strListFile; }

    // Operations of both programs
    // Reads the list file and adds its entries; FALSE when it cannot be read,
    // which leaves the list and the list text as they were.
    BOOL LoadList(LPCSTR lpszFile);
    // The entry whose name equals the key, case folded.
    BOOL FindItem(LPCSTR lpszKey, CString& strName, CString& strFile, CString& strToolTip) const;
    // The selected entry's tooltip; empty without a selection.
    void GetSelectedItem(CString& strToolTip) const;

    // Editor: writes a new list file of the files in the list folder that
    // match the patterns, under the first free number. FALSE when no number is
    // free or the file cannot be written.
    BOOL CreateScriptFile(LPCSTR lpszProjectFolder, LPCSTR lpszListFolder, LPCSTR lpszExt, LPCSTR lpszDocument,
                          LPCSTR lpszApplication, LPCSTR lpszParameter, LPCSTR lpszButtonText);
    // Editor: rewrites the script of an existing list file (after a backup
    // copy to the name + ".bak") and keeps its entries; a list file that
    // cannot be opened is made anew.
    BOOL UpdateScriptFile(const SCRIPTFILE_RECORD& record);

    // Player: starts the selected entry through the script; the entry's file
    // lies in the list's folder below the base folder.
    void RunSelectedItem(LPCSTR lpszBaseFolder);
    void GetSelectedToolTip(CString& strToolTip) const { GetSelectedItem(strToolTip); }

    // Largest list file read, in bytes.
    static const DWORD kMaxListFileSize = 4 * 1024 * 1024;
    static const int kMaxListNumber = 999;

protected:
    // Appends the entry line of one file, unless its name has no extension.
    void AddFileEntry(const CString& strFileName, const CString& strThumbFolder);
    BOOL WriteListFile(const CString& strListFolder);

    CString m_strListText;   // the list file's text as last read or composed
    CString m_strListFile;   // the list file last written
};
