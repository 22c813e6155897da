// Per-thread maps from platform handles to the framework objects that wrap them.
// Permanent entries belong to objects that attached a handle; temporary objects
// are made on demand by FromHandle for handles nobody wraps, and are freed in
// idle time (DeleteTemp), their handles left alone.
#pragma once

#include <unordered_map>
#include <vector>

template <class HANDLE_T, class OBJECT_T>
class CHandleMap
{
public:
    OBJECT_T* LookupPermanent(HANDLE_T h) const
    {
        auto it = m_permanent.find(h);
        return it == m_permanent.end() ? nullptr : it->second;
    }
    OBJECT_T* LookupTemporary(HANDLE_T h) const
    {
        auto it = m_temporary.find(h);
        return it == m_temporary.end() ? nullptr : it->second;
    }
    void SetPermanent(HANDLE_T h, OBJECT_T* p) { m_permanent[h] = p; }
    // Forgets the handle when it is the object's own (not another's, not a temporary's).
    void RemovePermanent(HANDLE_T h, const OBJECT_T* p)
    {
        if (h != nullptr && LookupPermanent(h) == p)
            m_permanent.erase(h);
    }
    void RemoveHandle(HANDLE_T h)
    {
        m_permanent.erase(h);
        m_temporary.erase(h);
    }

    // The object for a handle: the permanent one, else a temporary one.
    template <class MAKE>
    OBJECT_T* FromHandle(HANDLE_T h, MAKE make)
    {
        if (h == nullptr)
            return nullptr;
        if (OBJECT_T* p = LookupPermanent(h))
            return p;
        if (OBJECT_T* p = LookupTemporary(h))
            return p;
        OBJECT_T* p = make(h);
        m_temporary[h] = p;
        return p;
    }

    // Takes a handle's temporary object out of the map (a recycled handle now
    // names something else); the object itself lives until DeleteTemp.
    void RetireTemporary(HANDLE_T h)
    {
        auto it = m_temporary.find(h);
        if (it == m_temporary.end())
            return;
        m_retired.push_back(it->second);
        m_temporary.erase(it);
    }

    // Frees every temporary object; `detach` clears an object's handle first so
    // that its destructor leaves the handle alone.
    template <class DETACH>
    void DeleteTemp(DETACH detach)
    {
        std::unordered_map<HANDLE_T, OBJECT_T*> temps;
        temps.swap(m_temporary);
        std::vector<OBJECT_T*> retired;
        retired.swap(m_retired);
        for (auto& entry : temps)
            retired.push_back(entry.second);
        for (OBJECT_T* p : retired)
        {
            detach(p);
            delete p;
        }
    }

    // The same, for objects whose temporary form is a default-made object with
    // only its handle member set.
    OBJECT_T* FromHandle(HANDLE_T h, HANDLE_T OBJECT_T::*pMember)
    {
        return FromHandle(h, [pMember](HANDLE_T hNew) {
            OBJECT_T* p = new OBJECT_T;
            p->*pMember = hNew;
            return p;
        });
    }
    void DeleteTemp(HANDLE_T OBJECT_T::*pMember)
    {
        DeleteTemp([pMember](OBJECT_T* p) { p->*pMember = nullptr; });
    }

    size_t TemporaryCount() const { return m_temporary.size() + m_retired.size(); }

private:
    std::unordered_map<HANDLE_T, OBJECT_T*> m_permanent;
    std::unordered_map<HANDLE_T, OBJECT_T*> m_temporary;
    std::vector<OBJECT_T*> m_retired;
};
