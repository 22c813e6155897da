// Arrays, lists and maps. Pointer collections never own what they hold.
#pragma once

#include "framework/Object.h"
#include "framework/String.h"

#include <list>
#include <map>
#include <vector>

// An opaque place in a list or map walk; NULL ends the walk.
struct __POSITION {};
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)

// A growable array with index access; out-of-range reads give a default value.
template <class TYPE>
class CArrayT : public CObject
{
public:
    INT_PTR GetSize() const { return (INT_PTR)m_data.size(); }
    INT_PTR GetCount() const { return GetSize(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    BOOL IsEmpty() const { return m_data.empty(); }
    void SetSize(INT_PTR nNewSize, INT_PTR /*nGrowBy*/ = -1) { m_data.resize(nNewSize < 0 ? 0 : (size_t)nNewSize, TYPE()); }
    void RemoveAll() { m_data.clear(); }
    void FreeExtra() { m_data.shrink_to_fit(); }

    TYPE GetAt(INT_PTR nIndex) const { return InRange(nIndex) ? m_data[(size_t)nIndex] : TYPE(); }
    void SetAt(INT_PTR nIndex, const TYPE& value) { if (InRange(nIndex)) m_data[(size_t)nIndex] = value; }
    TYPE& ElementAt(INT_PTR nIndex) { return m_data.at((size_t)nIndex); }
    const TYPE* GetData() const { return m_data.data(); }
    TYPE* GetData() { return m_data.data(); }
    TYPE operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }

    void SetAtGrow(INT_PTR nIndex, const TYPE& value)
    {
        if (nIndex < 0)
            return;
        if (nIndex >= GetSize())
            SetSize(nIndex + 1);
        m_data[(size_t)nIndex] = value;
    }
    INT_PTR Add(const TYPE& value) { m_data.push_back(value); return GetSize() - 1; }
    INT_PTR Append(const CArrayT& src) { INT_PTR old = GetSize(); m_data.insert(m_data.end(), src.m_data.begin(), src.m_data.end()); return old; }
    void Copy(const CArrayT& src) { m_data = src.m_data; }
    void InsertAt(INT_PTR nIndex, const TYPE& value, INT_PTR nCount = 1)
    {
        if (nIndex < 0 || nCount <= 0)
            return;
        if (nIndex > GetSize())
            SetSize(nIndex);
        m_data.insert(m_data.begin() + nIndex, (size_t)nCount, value);
    }
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1)
    {
        if (!InRange(nIndex) || nCount <= 0)
            return;
        INT_PTR last = nIndex + nCount > GetSize() ? GetSize() : nIndex + nCount;
        m_data.erase(m_data.begin() + nIndex, m_data.begin() + last);
    }

private:
    bool InRange(INT_PTR nIndex) const { return nIndex >= 0 && nIndex < GetSize(); }
    std::vector<TYPE> m_data;
};

class CObArray : public CArrayT<CObject*> { DECLARE_DYNAMIC(CObArray) };
class CPtrArray : public CArrayT<void*> { DECLARE_DYNAMIC(CPtrArray) };
class CStringArray : public CArrayT<CString> { DECLARE_DYNAMIC(CStringArray) };
class CUIntArray : public CArrayT<UINT> { DECLARE_DYNAMIC(CUIntArray) };
class CDWordArray : public CArrayT<DWORD> { DECLARE_DYNAMIC(CDWordArray) };
class CWordArray : public CArrayT<WORD> { DECLARE_DYNAMIC(CWordArray) };
class CByteArray : public CArrayT<BYTE> { DECLARE_DYNAMIC(CByteArray) };

// A doubly linked list walked with POSITION values.
template <class TYPE>
class CListT : public CObject
{
    struct Node : __POSITION
    {
        Node* pPrev = nullptr;
        Node* pNext = nullptr;
        TYPE data{};
    };

public:
    CListT() = default;
    CListT(const CListT&) = delete;
    CListT& operator=(const CListT&) = delete;
    ~CListT() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead() { return m_pHead->data; }
    TYPE GetHead() const { return m_pHead->data; }
    TYPE& GetTail() { return m_pTail->data; }
    TYPE GetTail() const { return m_pTail->data; }

    POSITION AddHead(const TYPE& value) { return InsertBefore(GetHeadPosition(), value); }
    POSITION AddTail(const TYPE& value) { return InsertAfter(GetTailPosition(), value); }
    void AddTail(CListT* pOther)
    {
        for (POSITION pos = pOther->GetHeadPosition(); pos != nullptr;)
            AddTail(pOther->GetNext(pos));
    }
    TYPE RemoveHead() { TYPE v = m_pHead->data; RemoveAt((POSITION)m_pHead); return v; }
    TYPE RemoveTail() { TYPE v = m_pTail->data; RemoveAt((POSITION)m_pTail); return v; }
    void RemoveAll()
    {
        while (m_pHead != nullptr)
        {
            Node* next = m_pHead->pNext;
            delete m_pHead;
            m_pHead = next;
        }
        m_pTail = nullptr;
        m_nCount = 0;
    }

    POSITION GetHeadPosition() const { return (POSITION)m_pHead; }
    POSITION GetTailPosition() const { return (POSITION)m_pTail; }
    TYPE& GetNext(POSITION& rPosition) { Node* p = (Node*)rPosition; rPosition = (POSITION)p->pNext; return p->data; }
    TYPE GetNext(POSITION& rPosition) const { Node* p = (Node*)rPosition; rPosition = (POSITION)p->pNext; return p->data; }
    TYPE& GetPrev(POSITION& rPosition) { Node* p = (Node*)rPosition; rPosition = (POSITION)p->pPrev; return p->data; }
    TYPE GetPrev(POSITION& rPosition) const { Node* p = (Node*)rPosition; rPosition = (POSITION)p->pPrev; return p->data; }
    TYPE& GetAt(POSITION position) { return ((Node*)position)->data; }
    TYPE GetAt(POSITION position) const { return ((Node*)position)->data; }
    void SetAt(POSITION pos, const TYPE& value) { ((Node*)pos)->data = value; }

    void RemoveAt(POSITION position)
    {
        Node* p = (Node*)position;
        if (p == nullptr)
            return;
        (p->pPrev ? p->pPrev->pNext : m_pHead) = p->pNext;
        (p->pNext ? p->pNext->pPrev : m_pTail) = p->pPrev;
        delete p;
        --m_nCount;
    }
    POSITION InsertBefore(POSITION position, const TYPE& value)
    {
        Node* next = (Node*)position;
        Node* n = new Node;
        n->data = value;
        n->pNext = next;
        n->pPrev = next ? next->pPrev : m_pTail;
        (n->pPrev ? n->pPrev->pNext : m_pHead) = n;
        (next ? next->pPrev : m_pTail) = n;
        ++m_nCount;
        return (POSITION)n;
    }
    POSITION InsertAfter(POSITION position, const TYPE& value)
    {
        Node* prev = (Node*)position;
        return InsertBefore(prev ? (POSITION)prev->pNext : GetHeadPosition(), value);
    }

    POSITION Find(const TYPE& value, POSITION startAfter = nullptr) const
    {
        Node* p = startAfter ? ((Node*)startAfter)->pNext : m_pHead;
        for (; p != nullptr; p = p->pNext)
            if (p->data == value)
                return (POSITION)p;
        return nullptr;
    }
    POSITION FindIndex(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nCount)
            return nullptr;
        Node* p = m_pHead;
        while (nIndex-- > 0)
            p = p->pNext;
        return (POSITION)p;
    }

private:
    Node* m_pHead = nullptr;
    Node* m_pTail = nullptr;
    INT_PTR m_nCount = 0;
};

class CObList : public CListT<CObject*> { DECLARE_DYNAMIC(CObList) };
class CPtrList : public CListT<void*> { DECLARE_DYNAMIC(CPtrList) };
class CStringList : public CListT<CString> { DECLARE_DYNAMIC(CStringList) };

// A map from keys to values walked with POSITION values (in key order).
template <class KEY, class VALUE, class COMPARE = std::less<KEY>>
class CMapT : public CObject
{
    typedef std::map<KEY, VALUE, COMPARE> Map;

public:
    INT_PTR GetCount() const { return (INT_PTR)m_map.size(); }
    INT_PTR GetSize() const { return GetCount(); }
    BOOL IsEmpty() const { return m_map.empty(); }

    BOOL Lookup(const KEY& key, VALUE& rValue) const
    {
        auto it = m_map.find(key);
        if (it == m_map.end())
            return FALSE;
        rValue = it->second;
        return TRUE;
    }
    VALUE& operator[](const KEY& key) { return m_map[key]; }
    void SetAt(const KEY& key, const VALUE& value) { m_map[key] = value; }
    BOOL RemoveKey(const KEY& key) { return m_map.erase(key) > 0; }
    void RemoveAll() { m_map.clear(); }

    // Walks in key order; the position is the ordinal of the next entry plus one.
    POSITION GetStartPosition() const { return m_map.empty() ? nullptr : (POSITION)(INT_PTR)1; }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
    {
        INT_PTR index = (INT_PTR)rNextPosition - 1;
        auto it = m_map.begin();
        std::advance(it, index);
        rKey = it->first;
        rValue = it->second;
        rNextPosition = (index + 1 < (INT_PTR)m_map.size()) ? (POSITION)(index + 2) : nullptr;
    }

private:
    Map m_map;
};

struct CStringLess
{
    bool operator()(const CString& a, const CString& b) const { return a.str() < b.str(); }
};

class CMapPtrToPtr : public CMapT<void*, void*> { DECLARE_DYNAMIC(CMapPtrToPtr) };
class CMapStringToPtr : public CMapT<CString, void*, CStringLess> { DECLARE_DYNAMIC(CMapStringToPtr) };
class CMapStringToOb : public CMapT<CString, CObject*, CStringLess> { DECLARE_DYNAMIC(CMapStringToOb) };
class CMapStringToString : public CMapT<CString, CString, CStringLess> { DECLARE_DYNAMIC(CMapStringToString) };
class CMapWordToPtr : public CMapT<WORD, void*> { DECLARE_DYNAMIC(CMapWordToPtr) };
