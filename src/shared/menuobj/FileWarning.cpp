#include "shared/menuobj/FileWarning.h"

#include "framework/Afx.h"
#include "shared/support/Language.h"

void WarnCannotOpenFile(const char* lpszFile)
{
    CString strText;
    if (IsGerman())
        strText.Format("Achtung !\n\nDie Datei: \"%s\"\nkann nicht geöffnet werden.", lpszFile);
    else
        strText.Format("Attention !\n\nThe file: \"%s\"\ncan not be opened.", lpszFile);
    AfxMessageBox(strText, MB_OK);
}
