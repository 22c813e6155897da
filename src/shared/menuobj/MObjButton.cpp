#include "shared/menuobj/MObjButton.h"

#include "shared/menuobj/ButBasis.h"
#include "shared/menuobj/ImgBasisButton.h"
#include "shared/menuobj/MButCreateStruct.h"

IMPLEMENT_DYNAMIC(CMObjButton, CMObjBasis)

namespace {

// Visible tab stop children with the notify bit.
const DWORD kButtonWindowStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | 0x100;

} // namespace

CMObjButton::CMObjButton() : m_pButWnd(nullptr)
{
}

CMObjButton::~CMObjButton()
{
    delete m_pButWnd;
}

BOOL CMObjButton::Create(CMObjCreateStruct* pCrStruct, CWnd* pParent, int /*nID*/, COLORREF /*cr*/, BOOL bEditMode)
{
    m_pCrStruct = pCrStruct;
    Init(pCrStruct->m_rect, pParent, nullptr, bEditMode);
    return TRUE;
}

BOOL CMObjButton::CreateButtonWindow(CButBasis* pWnd, CMButCreateStruct* pCrStruct, CWnd* pParent, int nID,
                                     BOOL bEditMode)
{
    PrepareWindow(pWnd, pCrStruct, pParent, nID, bEditMode);
    const RECT rcStored = pCrStruct->m_rect;
    return TakeWindow(pWnd, pWnd->CreateButton(pCrStruct->m_strText, kButtonWindowStyle, pCrStruct->m_rect, pParent,
                                               UINT(nID)), rcStored);
}

BOOL CMObjButton::CreateImageWindow(CImgBasisButton* pWnd, CMButCreateStruct* pCrStruct, CWnd* pParent, int nID,
                                    BOOL bEditMode)
{
    PrepareWindow(pWnd, pCrStruct, pParent, nID, bEditMode);
    pCrStruct->m_nID = nID;
    pCrStruct->m_dwStyle = kButtonWindowStyle;
    const RECT rcStored = pCrStruct->m_rect;
    return TakeWindow(pWnd, pWnd->CreateFromStruct(pCrStruct, pParent), rcStored);
}

void CMObjButton::PrepareWindow(CButBasis* pWnd, CMButCreateStruct* pCrStruct, CWnd* pParent, int nID,
                                BOOL bEditMode)
{
    CMObjButton::Create(static_cast<CMObjCreateStruct*>(pCrStruct), pParent, nID, 0, bEditMode);
    delete m_pButWnd;
    m_pButWnd = nullptr;
    m_pObjWnd = nullptr;
    pWnd->SetCreateStruct(pCrStruct);
    pWnd->SetEditMode(bEditMode);
    pWnd->SetFontDesc(pCrStruct->m_font);
}

// The picture styles have sized the struct's rectangle to their picture: the
// object takes that size, the struct keeps the one the page stored until the
// author moves or sizes the button.
BOOL CMObjButton::TakeWindow(CButBasis* pWnd, BOOL bCreated, const RECT& rcStored)
{
    if (!bCreated)
    {
        delete pWnd;
        return FALSE;
    }
    m_pButWnd = pWnd;
    m_pObjWnd = pWnd;
    SetRects(m_pCrStruct->m_rect);
    m_pCrStruct->m_rect = rcStored;
    return TRUE;
}

void CMObjButton::SetWindowRect(int x, int y, int cx, int cy)
{
    if (m_pButWnd == nullptr)
        return;
    m_pButWnd->MoveTo(x, y, cx, cy);
    SetRects(m_pButWnd->GetObjectRect());
    StoreRectInStruct();
}

void CMObjButton::SetWindowFont(const CFontDesc& font)
{
    if (m_pButWnd != nullptr)
        m_pButWnd->SetFontDesc(font);
}
