// Writes a project page as the lines of a project file into a line store: the
// sections in the order the format fixes, paths inside the project folder as
// "_CURRENTDIR_" names, every text value on one line. The live page keeps its
// full paths; only the trimmed button captions and a sound flag without file
// are taken back into it.
#pragma once

#include "framework/Afx.h"
#include "shared/menuobj/ProjectFileText.h"

class CFontDesc;
class CLineStore;
class CMButCreateStruct;
class CMObjCreateStruct;
class CProjectPage;

class CProjectWriter
{
public:
    // strTargetPath: the file the lines are for; its folder is the project folder of the names.
    CProjectWriter(CProjectPage& page, CLineStore& lines, const CString& strTargetPath);
    CProjectWriter(const CProjectWriter&) = delete;
    CProjectWriter& operator=(const CProjectWriter&) = delete;

    // Files outside the project folder are reported (once per path) unless turned off.
    void SetWarnings(BOOL bWarn) { m_bWarn = bWarn; }
    // The whole page, replacing what the store held.
    void WriteProject();
    // A new sub-page of the page: head, menu type (level 1, the main file),
    // window sections titled strTitle, the button settings, a back button to
    // the main file, an exit button when asked, the title as text 1 when not
    // empty, and the tooltip section.
    void WriteSubmenuProject(const CString& strTitle, const CString& strBackText, BOOL bExit,
                             const CString& strExitText);

    // The object sections written, each with the section its object was read from.
    const CProjectFileText::SectionOrigins& GetSectionOrigins() const { return m_origins; }

    // A text value as one line: in the tooltip text CR LF becomes "\n"; any
    // other CR or LF becomes "<BR>".
    static CString OneLine(const CString& strText, BOOL bEncodeLineBreaks);

private:
    void WriteHeaderSection();
    void WriteMenuTypeSection(int nLevel, const CString& strMainFile);
    void WriteWindowSections(const CString& strTitle);
    void WriteSoundSection();
    void WriteButtonsSection();
    void WriteButtons();
    void WriteButtonSection(int nNumber, CMButCreateStruct& button);
    void WritePopupMenuSection(const CMButCreateStruct& button);
    void WriteTextObjects();
    void WriteTextSection(int nNumber, int nFileSection, int nX, int nY, const CString& strText,
                          const CFontDesc& font);
    void WriteTextFields();
    void WriteObjectSections();
    void WriteObjectSection(LPCSTR lpszSection, const CMObjCreateStruct& object, BOOL bEditorKeys);
    void WriteWelcomeSection();
    void WriteTooltipSection();
    void WriteColorKeys(LPCSTR lpszPrefix, COLORREF crColor);
    void WriteFontKeys(LPCSTR lpszPrefix, const CFontDesc& font);

    void Section(LPCSTR lpszName);
    // The header of an object's section, noted with the section the object
    // was read from (empty, or nFileSection 0, for none).
    void ObjectSection(const CString& strName, const CString& strOrigin);
    void ObjectSection(CString (*sectionName)(int), int nNumber, int nFileSection);
    void EndSection();
    void Key(LPCSTR lpszKey, const CString& strValue);
    void Key(LPCSTR lpszKey, int nValue);
    void PathKey(LPCSTR lpszKey, const CString& strPath, BOOL bWarn);
    CString Contracted(const CString& strPath, BOOL bWarn) const;

    CProjectPage& m_page;
    CLineStore& m_lines;
    CString m_strFolder;
    BOOL m_bWarn = TRUE;
    CProjectFileText::SectionOrigins m_origins;
};
