#include "shared/menuobj/MObjCreateStruct.h"

IMPLEMENT_DYNAMIC(CMObjCreateStruct, CObject)

CMObjCreateStruct::CMObjCreateStruct()
    : m_nType(0), m_nNumber(-1), m_bEnable(1), m_rect{ 0, 0, 0, 0 }, m_nID(0), m_dwStyle(0),
      m_nRepeat(2), m_crColor(RGB(0xC0, 0xC0, 0xC0)), m_bPreset(0), m_nPageNumber(0),
      m_nFileSection(0)
{
}

void CMObjCreateStruct::Copy(const CMObjCreateStruct& other)
{
    m_nType = other.m_nType;
    m_nNumber = other.m_nNumber;
    m_bEnable = other.m_bEnable;
    m_rect = other.m_rect;
    m_strText = other.m_strText;
    m_font.Assign(other.m_font);
    m_nID = other.m_nID;
    m_dwStyle = other.m_dwStyle;
    m_nRepeat = other.m_nRepeat;
    m_crColor = other.m_crColor;
    m_bPreset = other.m_bPreset;
    m_nPageNumber = other.m_nPageNumber;
    m_strSpare1 = other.m_strSpare1;
    m_strSpare2 = other.m_strSpare2;
}
