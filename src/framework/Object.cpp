#include "framework/Object.h"

#include <string.h>
#include <vector>

namespace {

std::vector<CRuntimeClass*>& ClassRegistry()
{
    static std::vector<CRuntimeClass*> classes;
    return classes;
}

} // namespace

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass)
{
    ClassRegistry().push_back(pNewClass);
}

CObject* CRuntimeClass::CreateObject() const
{
    if (m_pfnCreateObject == nullptr)
        return nullptr;
    return m_pfnCreateObject();
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* p = this; p != nullptr; p = p->GetBaseClass())
    {
        if (p == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

const CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    if (lpszClassName == nullptr)
        return nullptr;
    for (CRuntimeClass* p : ClassRegistry())
    {
        if (strcmp(p->m_lpszClassName, lpszClassName) == 0)
            return p;
    }
    return nullptr;
}

CObject* CRuntimeClass::CreateObject(LPCSTR lpszClassName)
{
    const CRuntimeClass* p = FromName(lpszClassName);
    return p ? p->CreateObject() : nullptr;
}

const CRuntimeClass* CObject::GetThisClass()
{
    static CRuntimeClass rc = { "CObject", (int)sizeof(CObject), 0xFFFF, nullptr, nullptr };
    return &rc;
}

const CRuntimeClass* CObject::GetRuntimeClass() const
{
    return CObject::GetThisClass();
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL IsKindOfName(const CObject* pObject, LPCSTR lpszClassName)
{
    if (pObject == nullptr || lpszClassName == nullptr)
        return FALSE;
    for (const CRuntimeClass* pClass = pObject->GetRuntimeClass(); pClass != nullptr; pClass = pClass->GetBaseClass())
        if (strcmp(pClass->m_lpszClassName, lpszClassName) == 0)
            return TRUE;
    return FALSE;
}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != 0xFFFF;
}

void CObject::Serialize(CArchive&)
{
}
