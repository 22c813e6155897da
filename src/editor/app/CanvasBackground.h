// The page's background picture as the canvas draws it. The page keeps only
// the picture's name, size and place; the canvas loads the file when the
// name changes and keeps it for every paint after.
#pragma once

#include "framework/String.h"
#include "shared/support/DibImage.h"

class CDC;
class CProjectPage;

class CCanvasBackground
{
public:
    // Draws the page's picture at its place; nothing when it cannot be loaded.
    void Draw(CDC* pDC, const CProjectPage& page);

private:
    CDibImage m_image;
    CString m_strPath;   // the resolved path m_image was last loaded from
};
