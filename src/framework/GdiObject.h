// Owning wrappers of GDI objects: each deletes its handle on destruction.
#pragma once

#include "framework/Object.h"

class CGdiObject;
inline HGDIOBJ AfxHgdiobj(const CGdiObject* pObject);

class CGdiObject : public CObject
{
    DECLARE_DYNAMIC(CGdiObject)
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    ~CGdiObject() override;

    HGDIOBJ m_hObject = nullptr;
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    operator HGDIOBJ() const { return m_hObject; }

    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    int GetObject(int nCount, LPVOID lpObject) const { return ::GetObjectA(m_hObject, nCount, lpObject); }
    UINT GetObjectType() const { return (UINT)::GetObjectType(m_hObject); }
    BOOL UnrealizeObject() { return ::UnrealizeObject(m_hObject); }

    // A temporary wrapper for a handle that no object owns; freed in idle time.
    static CGdiObject* PASCAL FromHandle(HGDIOBJ hObject);
    static void PASCAL DeleteTempMap();
};

// The handle of a GDI object that may be missing (NULL for none).
inline HGDIOBJ AfxHgdiobj(const CGdiObject* pObject) { return pObject ? pObject->m_hObject : nullptr; }
