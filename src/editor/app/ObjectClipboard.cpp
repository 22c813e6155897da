#include "editor/app/ObjectClipboard.h"

#include "shared/menuobj/MButCreateStruct.h"
#include "shared/menuobj/MTextCreateStruct.h"
#include "shared/menuobj/ViewerCreateStruct.h"

namespace {

template <class T>
T* CopyOf(const T& source)
{
    T* pCopy = new T;
    pCopy->Copy(source);
    return pCopy;
}

} // namespace

CObjectClipboard::~CObjectClipboard()
{
    Clear();
}

void CObjectClipboard::Clear()
{
    delete m_pObject;
    m_pObject = nullptr;
    m_strPopupItems.Empty();
}

void CObjectClipboard::Copy(const CObject* pObject, const CString& strPopupItems)
{
    Clear();
    if (const CMButCreateStruct* pButton = dynamic_cast<const CMButCreateStruct*>(pObject))
    {
        CMButCreateStruct* pCopy = CopyOf(*pButton);
        // The page's tooltip and sounds go with the page.
        pCopy->pToolTip = nullptr;
        pCopy->m_pSounds = nullptr;
        pCopy->m_pPopupMenu = nullptr;
        m_pObject = pCopy;
        m_strPopupItems = strPopupItems;
    }
    else if (const CMTextCreateStruct* pText = dynamic_cast<const CMTextCreateStruct*>(pObject))
        m_pObject = CopyOf(*pText);
    else if (const CViewerCreateStruct* pField = dynamic_cast<const CViewerCreateStruct*>(pObject))
        m_pObject = CopyOf(*pField);
    else if (const CMObjCreateStruct* pOther = dynamic_cast<const CMObjCreateStruct*>(pObject))
        m_pObject = CopyOf(*pOther);
}
