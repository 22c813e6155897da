// Small helpers the canvas's source files share: rectangle arithmetic, a
// string from the resources, and the add that keeps the canvas's objects and
// the page's create structs in step.
#pragma once

#include "shared/menuobj/MenuObjects.h"
#include "shared/menuobj/ProjectPage.h"

namespace CanvasHelpers {

inline int Width(const RECT& rc) { return rc.right - rc.left; }
inline int Height(const RECT& rc) { return rc.bottom - rc.top; }

inline RECT MakeRect(int x, int y, int cx, int cy)
{
    return RECT{ x, y, x + cx, y + cy };
}

inline CString LoadedString(UINT nID)
{
    CString text;
    text.LoadString(nID);
    return text;
}

// A new object goes to the container first and then to the document; when
// either refuses it, neither keeps it and the struct is deleted.
template <class T>
BOOL AddToBoth(T* pStruct, CMenuObjects& objects, BOOL (CMenuObjects::*addObject)(T*), CProjectPage& page,
               BOOL (CProjectPage::*addStruct)(T*))
{
    if (!(objects.*addObject)(pStruct))
    {
        delete pStruct;
        return FALSE;
    }
    if (!(page.*addStruct)(pStruct))
    {
        objects.DeleteSelected();
        delete pStruct;
        return FALSE;
    }
    return TRUE;
}

} // namespace CanvasHelpers
