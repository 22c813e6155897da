#include "editor/app/CanvasBackground.h"

#include "shared/menuobj/ProjectPage.h"

void CCanvasBackground::Draw(CDC* pDC, const CProjectPage& page)
{
    CString path;
    page.ResolvePath(page.m_strImageFile, path);
    if (path != m_strPath)
    {
        m_strPath = path;
        m_image.LoadFile(path);
    }
    if (m_image.IsValid())
        m_image.Draw(pDC, page.m_nImageX, page.m_nImageY);
}
