// The text viewer of a menu page: a text file shown in a scrolling window.
#pragma once

#include "shared/menuobj/LineStore.h"
#include "shared/menuobj/MObjBasis.h"
#include "shared/menuobj/TextViewWnd.h"

class CViewerCreateStruct;

class CMObjScrollet : public CMObjBasis
{
    DECLARE_DYNAMIC(CMObjScrollet)
public:
    // Reads the struct's text file and makes the viewer window over the
    // struct's rectangle; FALSE leaves the object without a window.
    BOOL Create(CViewerCreateStruct* pCrStruct, CWnd* pParent, int nID, COLORREF cr, BOOL bEditMode);

    const CTextViewWnd& GetViewer() const { return m_wndViewer; }

protected:
    CLineStore m_lines;           // the text file's lines; outlives the viewer
    CTextViewWnd m_wndViewer;
};
