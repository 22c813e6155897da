// The six-page wizard that sets up a picture show: its folder, the pictures,
// the player's settings (basic, or configured in the authoring program), the
// show's settings file and the caption of the button.
//
// The caller sets the show folder (the project folder to start with) and the
// authoring program's path, runs DoModal and on ID_WIZFINISH reads the show
// folder, the settings file and the caption.
#pragma once

#include "editor/dialogs/LumivanePage1.h"
#include "editor/dialogs/LumivanePage2.h"
#include "editor/dialogs/LumivanePage3.h"
#include "editor/dialogs/LumivanePage4.h"
#include "editor/dialogs/LumivanePage5.h"
#include "editor/dialogs/LumivanePage6.h"
#include "framework/PropertySheet.h"

class CLumivaneSheet : public CPropertySheet
{
    DECLARE_DYNAMIC(CLumivaneSheet)
public:
    enum { choiceBasic = 0, choiceConfigure = 1 };

    explicit CLumivaneSheet(CWnd* pParentWnd = nullptr);

    INT_PTR DoModal() override;

    // The last part of the folder, or "Show" without one.
    static CString DefaultCaption(const CString& strShowFolder);
    // The settings file the authoring program makes in the show folder.
    CString DefaultSettingsFile() const;
    // Starts the authoring program in the show folder with the switch and the
    // quoted settings file.
    void StartAuthoring(CWnd* pPage, LPCSTR lpszSwitch, const CString& strSettingsFile) const;
    // Puts the icon on the page's button, when both are there.
    static void SetButtonIcon(CWnd* pPage, int nButtonID, UINT nIconID);

    CLumivanePage1 m_page1;
    CLumivanePage2 m_page2;
    CLumivanePage3 m_page3;
    CLumivanePage4 m_page4;
    CLumivanePage5 m_page5;
    CLumivanePage6 m_page6;
    CString m_strShowFolder;
    CString m_strSettingsFile;
    CString m_strAuthoringPath;
    int m_nSettingsChoice;
    CString m_strCaption;

    static const char kSettingsFileName[];
};
