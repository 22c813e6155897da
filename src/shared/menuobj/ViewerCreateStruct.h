// The stored data of one text viewer: the text file and its scroll bars.
#pragma once

#include "shared/menuobj/MObjCreateStruct.h"

class CViewerCreateStruct : public CMObjCreateStruct
{
    DECLARE_DYNAMIC(CViewerCreateStruct)
public:
    CViewerCreateStruct();

    void Copy(const CViewerCreateStruct& other);

    CString m_strDocument;     // the text file
    int m_bScrollHorz;
    int m_bScrollVert;
    int m_bBorder;
};
