#include "shared/menuobj/ObjWndProgram.h"

#include "framework/Afx.h"

namespace {

CObjWndProgram& NeutralProgram()
{
    static CObjWndProgram program;
    return program;
}

CObjWndProgram* g_pProgram = nullptr;

} // namespace

CObjWndProgram& CObjWndProgram::Get()
{
    return g_pProgram ? *g_pProgram : NeutralProgram();
}

CObjWndProgram* CObjWndProgram::Set(CObjWndProgram* pProgram)
{
    CObjWndProgram* pPrevious = g_pProgram;
    g_pProgram = pProgram;
    return pPrevious;
}

HCURSOR CObjWndProgram::LoadHandCursor() const
{
    UINT nID = GetHandCursorId();
    if (nID == 0)
        return nullptr;
    LPCSTR lpszName = MAKEINTRESOURCEA(nID);
    return ::LoadCursorA(AfxFindResourceHandle(lpszName, RT_GROUP_CURSOR), lpszName);
}
