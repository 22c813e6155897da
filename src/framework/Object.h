// Runtime classes and the common base object.
#pragma once

#include <windows.h>

class CObject;
class CArchive;

// The record every class with DECLARE_DYNAMIC carries: its name, size, base and
// (for dynamic creation) a factory.
struct CRuntimeClass
{
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                          // 0xFFFF: not serializable
    CObject* (*m_pfnCreateObject)();         // NULL: not dynamically creatable
    const CRuntimeClass* (*m_pfnGetBaseClass)();

    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
    const CRuntimeClass* GetBaseClass() const { return m_pfnGetBaseClass ? m_pfnGetBaseClass() : nullptr; }

    // Looks a class up by name among the classes linked into the program
    // that declare themselves creatable.
    static const CRuntimeClass* FromName(LPCSTR lpszClassName);
    static CObject* CreateObject(LPCSTR lpszClassName);
};

// Registers a creatable class so that it can be found by name.
struct AFX_CLASSINIT
{
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
};

#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

#define DECLARE_DYNAMIC(class_name) \
public: \
    static const CRuntimeClass* GetThisClass(); \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name) \
    static CObject* CreateObject();

#define DECLARE_SERIAL(class_name) \
    DECLARE_DYNCREATE(class_name) \
    friend CArchive& operator>>(CArchive& ar, class_name*& pOb);

#define TARNIX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew) \
    const CRuntimeClass* class_name::GetThisClass() \
    { \
        static CRuntimeClass rc = { #class_name, (int)sizeof(class_name), wSchema, pfnNew, \
                                    &base_class_name::GetThisClass }; \
        return &rc; \
    } \
    const CRuntimeClass* class_name::GetRuntimeClass() const { return class_name::GetThisClass(); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    TARNIX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name) \
    CObject* class_name::CreateObject() { return new class_name; } \
    TARNIX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject) \
    static AFX_CLASSINIT _init_##class_name(const_cast<CRuntimeClass*>(class_name::GetThisClass()));

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema) \
    CObject* class_name::CreateObject() { return new class_name; } \
    TARNIX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject) \
    static AFX_CLASSINIT _init_##class_name(const_cast<CRuntimeClass*>(class_name::GetThisClass())); \
    CArchive& operator>>(CArchive& ar, class_name*& pOb) \
    { \
        pOb = static_cast<class_name*>(ar.ReadObject(RUNTIME_CLASS(class_name))); \
        return ar; \
    }

class CObject
{
public:
    virtual ~CObject() = default;

    static const CRuntimeClass* GetThisClass();
    virtual const CRuntimeClass* GetRuntimeClass() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

    virtual BOOL IsSerializable() const;
    virtual void Serialize(CArchive& ar);

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

// Checked downcast: NULL when the object is not of that class.
template <class T>
T* DYNAMIC_DOWNCAST_IMPL(CObject* pObject)
{
    return (pObject && pObject->IsKindOf(RUNTIME_CLASS(T))) ? static_cast<T*>(pObject) : nullptr;
}
#define DYNAMIC_DOWNCAST(class_name, object) DYNAMIC_DOWNCAST_IMPL<class_name>(object)

// Whether the object's class or one of its bases carries the name: for
// classes a library knows by name only, those of a library above it.
BOOL IsKindOfName(const CObject* pObject, LPCSTR lpszClassName);
#define STATIC_DOWNCAST(class_name, object) (static_cast<class_name*>(object))
