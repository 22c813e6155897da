#include "shared/menuobj/MButCreateStruct.h"

IMPLEMENT_DYNAMIC(CMButCreateStruct, CMObjCreateStruct)

CMButCreateStruct::CMButCreateStruct()
    : m_nActionNumber(0), m_strStyle("W"), m_nAction(0), m_bStopSound(0), m_bStartSound(0),
      pToolTip(nullptr), m_pSounds(nullptr), m_pPopupMenu(nullptr), m_nBrightness(20),
      m_bHoverEffect(1), m_nOption1(0), m_nOption2(0)
{
}

void CMButCreateStruct::Copy(const CMButCreateStruct& other)
{
    CMObjCreateStruct::Copy(other);
    m_strBitmap = other.m_strBitmap;
    m_nActionNumber = other.m_nActionNumber;
    m_strStyle = other.m_strStyle;
    m_strDocument = other.m_strDocument;
    m_strApplication = other.m_strApplication;
    m_strParameter = other.m_strParameter;
    m_nAction = other.m_nAction;
    m_strToolTip = other.m_strToolTip;
    m_bStopSound = other.m_bStopSound;
    m_bStartSound = other.m_bStartSound;
    m_strSoundFile = other.m_strSoundFile;
    m_fontIdle.Assign(other.m_fontIdle);
    m_fontOver.Assign(other.m_fontOver);
    m_fontDown.Assign(other.m_fontDown);
    pToolTip = other.pToolTip;
    m_pSounds = other.m_pSounds;
    m_nBrightness = other.m_nBrightness;
    m_bHoverEffect = other.m_bHoverEffect;
    m_strExtra = other.m_strExtra;
    m_strFurther = other.m_strFurther;
    m_nOption1 = other.m_nOption1;
    m_nOption2 = other.m_nOption2;
}
