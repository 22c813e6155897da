#include "editor/app/CanvasBackground.h"

#include "shared/menuobj/ProjectPage.h"

void CCanvasBackground::Draw(CDC* pDC, const CProjectPage& page)
{
    CString path;
    page.ResolvePath(page.GetBackground().strFile, path);
    if (path != m_strPath)
    {
        m_strPath = path;
        m_image.LoadFile(path);
    }
    if (m_image.IsValid())
        m_image.Draw(pDC, page.GetBackground().nX, page.GetBackground().nY);
}
