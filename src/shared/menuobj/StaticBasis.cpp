#include "shared/menuobj/StaticBasis.h"

IMPLEMENT_DYNAMIC(CStaticBasis, CBasisObj)

CStaticBasis::CStaticBasis() : m_pCrStruct(nullptr), m_bEditMode(FALSE)
{
}
