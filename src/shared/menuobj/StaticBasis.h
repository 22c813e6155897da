// The base of the windows of texts and pictures on a menu page; they are drawn
// by the page like the buttons and take no part in the page's input.
#pragma once

#include "shared/menuobj/BasisObj.h"

class CMObjCreateStruct;

class CStaticBasis : public CBasisObj
{
    DECLARE_DYNAMIC(CStaticBasis)
public:
    CStaticBasis();

    // Attributes, set by the menu object after construction
    CMObjCreateStruct* GetCreateStruct() const { return m_pCrStruct; }
    void SetCreateStruct(CMObjCreateStruct* pCrStruct) { m_pCrStruct = pCrStruct; }
    BOOL IsEditMode() const { return m_bEditMode; }
    void SetEditMode(BOOL bEditMode) { m_bEditMode = bEditMode; }

protected:
    // void OnPaint()
    void OnPaint();

    CMObjCreateStruct* m_pCrStruct;   // not owned
    BOOL m_bEditMode;

    DECLARE_MESSAGE_MAP()
};
