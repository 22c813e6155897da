#include "shared/menuobj/MObjList.h"

IMPLEMENT_DYNAMIC(CMObjList, CObArray)

CMObjList::CMObjList() : m_nMaxCount(100), m_nCursor(0)
{
}

int CMObjList::Add(CObject* pObject)
{
    if (GetSize() >= m_nMaxCount)
        return 0;
    CObArray::Add(pObject);
    return 1;
}

CObject* CMObjList::GetNext()
{
    if (m_nCursor >= GetSize())
    {
        m_nCursor = 0;
        return nullptr;
    }
    return GetAt(m_nCursor++);
}

void CMObjList::Remove(CObject* pObject)
{
    for (INT_PTR i = 0; i < GetSize(); ++i)
    {
        if (GetAt(i) == pObject)
        {
            RemoveAt(i);
            if (i < m_nCursor)
                --m_nCursor;     // the walk goes on with the object after the cursor
            delete pObject;
            return;
        }
    }
}

void CMObjList::DeleteAll()
{
    for (INT_PTR i = 0; i < GetSize(); ++i)
        delete GetAt(i);
    RemoveAll();
    m_nCursor = 0;
}
