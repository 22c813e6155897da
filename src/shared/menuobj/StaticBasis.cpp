#include "shared/menuobj/StaticBasis.h"

IMPLEMENT_DYNAMIC(CStaticBasis, CBasisObj)

CStaticBasis::CStaticBasis() : m_pCrStruct(nullptr), m_bEditMode(FALSE)
{
}

BEGIN_MESSAGE_MAP(CStaticBasis, CBasisObj)
    ON_WM_PAINT()
END_MESSAGE_MAP()

// The page paints the object: its window only takes its update as done, which
// spares the frame and background messages of a full paint.
void CStaticBasis::OnPaint()
{
    ::ValidateRect(m_hWnd, nullptr);
}
