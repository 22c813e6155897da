// The editor's temporary files: up to two files in the folder of "TEMP" (else
// "TMP"), made under names no other file has and, when asked, removed with
// the set. Without a writable temporary folder the set makes no file.
#pragma once

#include "framework/Object.h"
#include "framework/String.h"
#include "shared/menuobj/LineStore.h"

class CTempFileSet : public CObject
{
public:
    static constexpr int kFileCount = 2;

    CTempFileSet();
    ~CTempFileSet() override;
    CTempFileSet(const CTempFileSet&) = delete;
    CTempFileSet& operator=(const CTempFileSet&) = delete;

    // Empty when neither TEMP nor TMP names a folder that can be written to.
    const CString& GetTempFolder() const { return m_strTempFolder; }
    const CString& GetFile(int nIndex) const;
    // Whether the set removes its files when it ends.
    void SetDeleteFiles(BOOL bDelete) { m_bDeleteFiles = bDelete; }

    // The lines the next WriteFile writes.
    CLineStore& GetLines() { return m_lines; }
    // Writes the lines into a new file of the extension (".bmp") as file
    // nIndex, in place of the one made before; the path, or empty when no file
    // could be made.
    CString WriteFile(int nIndex, LPCSTR lpszExtension);

private:
    void RemoveFile(int nIndex);

    CString m_strTempFolder;
    CString m_strFiles[kFileCount];
    BOOL m_bDeleteFiles;
    CLineStore m_lines;
};
