#include "editor/dialogs/DialogTexts.h"

#include "framework/MessageBox.h"
#include "shared/support/TextEffect.h"

#include "editor/DialogIds.h"

int GetTextEffectCount()
{
    return 3;
}

void GetTextEffectCaption(int nEffect, CString& strCaption)
{
    switch (nEffect)
    {
    case TEXT_EFFECT_RAISED: strCaption.LoadString(IDS_EFFECT_RAISED); break;
    case TEXT_EFFECT_EMBOSSED: strCaption.LoadString(IDS_EFFECT_EMBOSSED); break;
    default: strCaption.LoadString(IDS_EFFECT_NONE); break;
    }
}

int ShowFileMessage(const CString& strFileName)
{
    CString format;
    format.LoadString(IDS_FILE_CANNOT_OPEN);
    CString text;
    text.Format(format, (LPCSTR)strFileName);
    return AfxMessageBox(text, MB_OK);
}

int ShowStarterNotInProject()
{
    return AfxMessageBox(IDS_STARTER_NOT_IN_PROJECT, MB_OK);
}
