// The menu objects (or create structs) of a page: an object array with a
// maximum count and a cursor for walking it.
#pragma once

#include "framework/Afx.h"

class CMObjList : public CObArray
{
    DECLARE_DYNAMIC(CMObjList)
public:
    CMObjList();
    CMObjList(const CMObjList&) = delete;
    CMObjList& operator=(const CMObjList&) = delete;
    // Frees the array only; the owner deletes the objects with DeleteAll.
    ~CMObjList() override = default;

    // Appends the object; 0 (and nothing added) when the list is full.
    int Add(CObject* pObject);
    void SetMaxCount(int nMaxCount) { m_nMaxCount = nMaxCount; }
    int GetMaxCount() const { return m_nMaxCount; }

    // The object at the cursor, moving it on; at the end null, and the cursor
    // starts again at the first object.
    void ResetCursor() { m_nCursor = 0; }
    CObject* GetNext();

    // Takes the object out of the list and deletes it; unknown objects are ignored.
    void Remove(CObject* pObject);
    void DeleteAll();

private:
    int m_nMaxCount;
    int m_nCursor;
};
