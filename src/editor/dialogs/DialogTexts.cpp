#include "editor/dialogs/DialogTexts.h"

#include "framework/MessageBox.h"
#include "shared/menuobj/ActionKeywords.h"
#include "shared/support/TextEffect.h"

#include "editor/resource.h"

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

void GetEditorActionCaption(int nCode, CString& strCaption)
{
    static const ActionCaptionIds kIds = { IDS_ACTION_NONE, IDS_ACTION_NEWPAGE, IDS_ACTION_MESSAGE,
                                           IDS_ACTION_PLAYAVI, IDS_ACTION_EXIT };
    GetActionCaption(nCode, kIds, strCaption);
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
