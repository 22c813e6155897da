// The stored data of one button: its look, its action and its sounds.
#pragma once

#include "shared/menuobj/MObjCreateStruct.h"

class CToolTip;
class CButtonSounds;
class CPopupMenuDesc;

class CMButCreateStruct : public CMObjCreateStruct
{
    DECLARE_DYNAMIC(CMButCreateStruct)
public:
    CMButCreateStruct();

    // Takes every field of the other struct, the fonts through CFontDesc::Assign.
    // The page's tooltip and sound objects are shared; the popup binding is not
    // copied, since the popup description points back to one struct only.
    void Copy(const CMButCreateStruct& other);

    CString m_strBitmap;       // picture file; empty: none
    int m_nActionNumber;       // running number of buttons without a program to start
    CString m_strStyle;        // style letter (B, D, H, I, M, O, else window style)
    CString m_strDocument;
    CString m_strApplication;
    CString m_strParameter;
    int m_nAction;             // ACTION_... code
    CString m_strToolTip;
    int m_bStopSound;
    int m_bStartSound;
    CString m_strSoundFile;
    CFontDesc m_fontIdle;      // the hypertext style's three looks
    CFontDesc m_fontOver;
    CFontDesc m_fontDown;
    CToolTip* pToolTip;        // the page's tooltip area; not owned
    CButtonSounds* m_pSounds;  // the page's click and mouse-over sounds; not owned
    CPopupMenuDesc* m_pPopupMenu; // the popup description bound to this button; not owned
    int m_nBrightness;
    int m_bHoverEffect;

    // Kept by the editor's property sheet.
    CString m_strExtra;
    CString m_strFurther;
    int m_nOption1;
    int m_nOption2;
};
