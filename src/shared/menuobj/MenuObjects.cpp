#include "shared/menuobj/MenuObjects.h"

#include "shared/menuobj/ActionKeywords.h"
#include "shared/menuobj/BasisObj.h"
#include "shared/menuobj/ButBasis.h"
#include "shared/menuobj/MButCreateStruct.h"
#include "shared/menuobj/MObjAviCtrl.h"
#include "shared/menuobj/MObjButBmp.h"
#include "shared/menuobj/MObjButColor.h"
#include "shared/menuobj/MObjButImage.h"
#include "shared/menuobj/MObjButOffice.h"
#include "shared/menuobj/MObjButTrans.h"
#include "shared/menuobj/MObjButUrl.h"
#include "shared/menuobj/MObjButWin.h"
#include "shared/menuobj/MObjScriptListBox.h"
#include "shared/menuobj/MObjScrollet.h"
#include "shared/menuobj/MObjSlider.h"
#include "shared/menuobj/MObjStaticImage.h"
#include "shared/menuobj/MObjStaticText.h"
#include "shared/menuobj/MTextCreateStruct.h"
#include "shared/support/ProjectFormat.h"
#include "shared/menuobj/ViewerCreateStruct.h"

IMPLEMENT_DYNAMIC(CMenuObjects, CObject)

namespace {

// The background colour handed to the object windows.
const COLORREF kObjectColor = RGB(128, 128, 128);
// At most this many buttons are laid out by one alignment.
const int kMaxAligned = 10;

BOOL IsButton(const CObject* pObject)
{
    return pObject->IsKindOf(RUNTIME_CLASS(CMObjButton));
}

// The objects a user reaches with the Tab key.
BOOL IsTabObject(const CObject* pObject)
{
    return IsButton(pObject) || pObject->IsKindOf(RUNTIME_CLASS(CMObjStaticText)) ||
           pObject->IsKindOf(RUNTIME_CLASS(CMObjScrollet));
}

BOOL CountsActionNumber(int nAction)
{
    return nAction == ACTION_NONE || nAction == ACTION_MESSAGE || nAction == ACTION_PLAYAVI;
}

// The object class of a button style letter; the monochrome and office
// styles need their picture, else they are plain window buttons.
CMObjButton* NewButtonOfStyle(const CMButCreateStruct& crStruct)
{
    char chStyle = crStruct.m_strStyle.IsEmpty() ? '\0' : crStruct.m_strStyle[0];
    BOOL bHasBitmap = !crStruct.m_strBitmap.IsEmpty();
    switch (chStyle)
    {
    case 'B': return new CMObjButBmp;
    case 'D': return new CMObjButTrans;
    case 'H': return new CMObjButUrl;
    case 'I': return new CMObjButImage;
    case 'M': return bHasBitmap ? static_cast<CMObjButton*>(new CMObjButColor) : new CMObjButWin;
    case 'O': return bHasBitmap ? static_cast<CMObjButton*>(new CMObjButOffice) : new CMObjButWin;
    default: return new CMObjButWin;
    }
}

// The control id of the object's window; the fallback when it has none.
int WindowIDOf(const CMObjBasis* pObject, int nFallback)
{
    CBasisObj* pWnd = pObject->GetObjectWnd();
    return pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr ? pWnd->GetDlgCtrlID() : nFallback;
}

// Each create struct of the kind in the list.
template <typename Struct, typename Add>
void ForEachStruct(const CMObjList& list, Add add)
{
    for (int i = 0; i < list.GetSize(); ++i)
        if (Struct* pStruct = dynamic_cast<Struct*>(list.GetAt(i)))
            add(pStruct);
}

} // namespace

CMenuObjects::CMenuObjects()
    : m_pParent(nullptr), m_nFirstID(2000), m_nMaxCount(100), m_bEditMode(FALSE), m_nNextNumber(0),
      m_nNextActionNumber(0), m_nPopupCount(0), m_nNextTab(0), m_nTabCount(0), m_nGridStep(1)
{
}

CMenuObjects::~CMenuObjects()
{
    DeleteAll();
}

void CMenuObjects::Init(CWnd* pParent, int nFirstID, int nMaxCount, BOOL bEditMode)
{
    DeleteAll();
    m_pParent = pParent;
    m_nFirstID = nFirstID;
    m_nMaxCount = nMaxCount;
    m_bEditMode = bEditMode;
    m_nNextNumber = 0;
}

void CMenuObjects::DeleteAll()
{
    m_objects.DeleteAll();
}

CMObjBasis* CMenuObjects::GetObjectAt(int nIndex) const
{
    return static_cast<CMObjBasis*>(m_objects.GetAt(nIndex));
}

void CMenuObjects::SetGridSize(int nStep)
{
    m_nGridStep = nStep;
    for (int i = 0; i < GetObjectCount(); ++i)
    {
        if (IsButton(GetObjectAt(i)))
            GetObjectAt(i)->SetGridSize(nStep);
    }
}

CMObjButton* CMenuObjects::FindButtonByDocument(LPCSTR lpszDocument) const
{
    for (int i = 0; i < GetObjectCount(); ++i)
    {
        CMObjBasis* pObject = GetObjectAt(i);
        auto* pButStruct = dynamic_cast<CMButCreateStruct*>(pObject->GetCreateStruct());
        if (IsButton(pObject) && pButStruct != nullptr && pButStruct->m_strDocument == lpszDocument)
            return static_cast<CMObjButton*>(pObject);
    }
    return nullptr;
}

// Windows that changed their size themselves (pictures loaded late, fitted
// captions) hand their rectangle back to the object. The struct keeps the
// place and size the page stored until the author moves or sizes the object.
void CMenuObjects::UpdateRectsFromWindows()
{
    for (int i = 0; i < GetObjectCount(); ++i)
    {
        CMObjBasis* pObject = GetObjectAt(i);
        CBasisObj* pWnd = pObject->GetObjectWnd();
        if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
            continue;
        CRect rc;
        pWnd->GetWindowRect(rc);
        ::MapWindowPoints(nullptr, ::GetParent(pWnd->GetSafeHwnd()), reinterpret_cast<LPPOINT>(&rc), 2);
        pObject->SetRects(rc);
    }
}

void CMenuObjects::Draw(CDC* pDC)
{
    for (int i = 0; i < GetObjectCount(); ++i)
        GetObjectAt(i)->Draw(pDC);
}

// ---------------------------------------------------------------------------
// Adding and replacing

BOOL CMenuObjects::AppendCreated(CMObjBasis* pObject, BOOL bCreated)
{
    if (bCreated)
    {
        pObject->SetTabNumber(GetObjectCount() + 1);
        if (m_objects.Add(pObject))
        {
            SelectNew(pObject);
            return TRUE;
        }
    }
    delete pObject;
    return FALSE;
}

CMObjButton* CMenuObjects::CreateButtonObject(CMButCreateStruct* pCrStruct)
{
    pCrStruct->m_nNumber = ++m_nNextNumber;
    if (CountsActionNumber(pCrStruct->m_nAction))
        pCrStruct->m_nActionNumber = ++m_nNextActionNumber;
    CMObjButton* pButton = NewButtonOfStyle(*pCrStruct);
    if (!pButton->Create(pCrStruct, m_pParent, pCrStruct->m_nID, kObjectColor, m_bEditMode))
    {
        delete pButton;
        return nullptr;
    }
    return pButton;
}

BOOL CMenuObjects::AddButton(CMButCreateStruct* pCrStruct)
{
    pCrStruct->m_nType = MOBJ_BUTTON;
    if (IsFull())
        return FALSE;
    pCrStruct->m_nID = NextControlID();
    CMObjButton* pButton = CreateButtonObject(pCrStruct);
    return pButton != nullptr && AppendCreated(pButton, TRUE);
}

BOOL CMenuObjects::AddStaticText(CMTextCreateStruct* pCrStruct)
{
    pCrStruct->m_nType = MOBJ_TEXT;
    if (IsFull())
        return FALSE;
    auto* pText = new CMObjStaticText;
    return AppendCreated(pText, pText->Create(pCrStruct, m_pParent, NextControlID(), kObjectColor, m_bEditMode));
}

BOOL CMenuObjects::AddScrollet(CViewerCreateStruct* pCrStruct)
{
    pCrStruct->m_nType = MOBJ_VIEWER;
    if (IsFull())
        return FALSE;
    auto* pViewer = new CMObjScrollet;
    return AppendCreated(pViewer,
                         pViewer->Create(pCrStruct, m_pParent, NextControlID(), kObjectColor, m_bEditMode));
}

// Pictures get no background colour: they cover their whole rectangle.
BOOL CMenuObjects::AddStaticImage(CMObjCreateStruct* pCrStruct)
{
    pCrStruct->m_nType = MOBJ_PICTURE;
    if (IsFull())
        return FALSE;
    pCrStruct->m_nID = NextControlID();
    auto* pImage = new CMObjStaticImage;
    return AppendCreated(pImage, pImage->Create(pCrStruct, m_pParent, pCrStruct->m_nID, 0, m_bEditMode));
}

BOOL CMenuObjects::AddAviCtrl(CMObjCreateStruct* pCrStruct)
{
    pCrStruct->m_nType = MOBJ_AVICLIP;
    if (IsFull())
        return FALSE;
    auto* pClip = new CMObjAviCtrl;
    return AppendCreated(pClip, pClip->Create(pCrStruct, m_pParent, NextControlID(), kObjectColor, m_bEditMode));
}

void CMenuObjects::AddSlider(CMObjCreateStruct* pCrStruct)
{
    pCrStruct->m_nType = MOBJ_SLIDER;
    if (IsFull())
        return;
    pCrStruct->m_nID = NextControlID();
    auto* pSlider = new CMObjSlider;
    AppendCreated(pSlider, pSlider->Create(pCrStruct, m_pParent, pCrStruct->m_nID, pCrStruct->m_crColor, m_bEditMode));
}

// The list box is kept even without its window; only the list's own limit
// stops it.
void CMenuObjects::AddListBox(CMButCreateStruct* pCrStruct)
{
    pCrStruct->m_nType = MOBJ_LISTBOX;
    pCrStruct->m_nID = MENUOBJ_LISTBOX_ID;
    auto* pList = new CMObjScriptListBox;
    pList->Create(pCrStruct, m_pParent, MENUOBJ_LISTBOX_ID, kObjectColor, m_bEditMode);
    AppendCreated(pList, TRUE);
}

void CMenuObjects::AddPageObjects(const PageObjectLists& lists, const CFontDesc& buttonFont)
{
    ForEachStruct<CMObjCreateStruct>(lists.images, [this](CMObjCreateStruct* p) { AddStaticImage(p); });
    ForEachStruct<CMTextCreateStruct>(lists.texts, [this](CMTextCreateStruct* p) { AddStaticText(p); });
    ForEachStruct<CMButCreateStruct>(lists.buttons, [this](CMButCreateStruct* p) { AddButton(p); });
    SetButtonFont(buttonFont);
    ForEachStruct<CMObjCreateStruct>(lists.sliders, [this](CMObjCreateStruct* p) { AddSlider(p); });
    ForEachStruct<CViewerCreateStruct>(lists.textFields, [this](CViewerCreateStruct* p) { AddScrollet(p); });
    ForEachStruct<CMButCreateStruct>(lists.listBoxes, [this](CMButCreateStruct* p) { AddListBox(p); });
    ForEachStruct<CMObjCreateStruct>(lists.aviClips, [this](CMObjCreateStruct* p) { AddAviCtrl(p); });
}

void CMenuObjects::PutInPlace(CMObjBasis* pOld, CMObjBasis* pNew)
{
    pOld->Invalidate();
    m_objects.SetAt(IndexOf(pOld), pNew);
    delete pOld;
    pNew->Invalidate();
}

// A changed style letter changes the class; a button whose new window cannot
// be made leaves the old one in place.
BOOL CMenuObjects::ReplaceButton(CMButCreateStruct* pCrStruct)
{
    CMObjBasis* pOld = FindByStruct(pCrStruct);
    if (pOld == nullptr)
        return FALSE;
    CMObjButton* pButton = CreateButtonObject(pCrStruct);
    if (pButton == nullptr)
        return FALSE;
    pButton->SetTabNumber(GetObjectCount() + 1);
    PutInPlace(pOld, pButton);
    return TRUE;
}

// Texts and viewers take the old place even without a window.
BOOL CMenuObjects::ReplaceStaticText(CMTextCreateStruct* pCrStruct)
{
    CMObjBasis* pOld = FindByStruct(pCrStruct);
    if (pOld == nullptr)
        return FALSE;
    auto* pText = new CMObjStaticText;
    pText->Create(pCrStruct, m_pParent, WindowIDOf(pOld, NextControlID()), kObjectColor, m_bEditMode);
    PutInPlace(pOld, pText);
    return TRUE;
}

BOOL CMenuObjects::ReplaceScrollet(CViewerCreateStruct* pCrStruct)
{
    CMObjBasis* pOld = FindByStruct(pCrStruct);
    if (pOld == nullptr)
        return FALSE;
    auto* pViewer = new CMObjScrollet;
    pViewer->Create(pCrStruct, m_pParent, WindowIDOf(pOld, NextControlID()), kObjectColor, m_bEditMode);
    pViewer->SetTabNumber(GetObjectCount() + 1);
    PutInPlace(pOld, pViewer);
    return TRUE;
}

// Pictures, clips and sliders whose new window cannot be made leave the old
// object in place; a new one keeps the old one's tab number.
BOOL CMenuObjects::ReplaceIfCreated(CMObjBasis* pOld, CMObjBasis* pNew, BOOL bCreated)
{
    if (!bCreated)
    {
        delete pNew;
        return FALSE;
    }
    pNew->SetTabNumber(pOld->GetTabNumber());
    PutInPlace(pOld, pNew);
    return TRUE;
}

BOOL CMenuObjects::ReplaceStaticImage(CMObjCreateStruct* pCrStruct)
{
    CMObjBasis* pOld = FindByStruct(pCrStruct);
    if (pOld == nullptr)
        return FALSE;
    pCrStruct->m_nID = NextControlID();
    auto* pImage = new CMObjStaticImage;
    return ReplaceIfCreated(pOld, pImage, pImage->Create(pCrStruct, m_pParent, pCrStruct->m_nID, 0, m_bEditMode));
}

BOOL CMenuObjects::ReplaceAviCtrl(CMObjCreateStruct* pCrStruct)
{
    CMObjBasis* pOld = FindByStruct(pCrStruct);
    if (pOld == nullptr)
        return FALSE;
    auto* pClip = new CMObjAviCtrl;
    return ReplaceIfCreated(pOld, pClip,
                            pClip->Create(pCrStruct, m_pParent, NextControlID(), kObjectColor, m_bEditMode));
}

BOOL CMenuObjects::ReplaceSlider(CMObjCreateStruct* pCrStruct)
{
    CMObjBasis* pOld = FindByStruct(pCrStruct);
    if (pOld == nullptr)
        return FALSE;
    pCrStruct->m_nID = NextControlID();
    auto* pSlider = new CMObjSlider;
    return ReplaceIfCreated(
        pOld, pSlider,
        pSlider->Create(pCrStruct, m_pParent, pCrStruct->m_nID, pCrStruct->m_crColor, m_bEditMode));
}

// The old list box goes first: the new one takes over its id and list file.
// It leaves the list meanwhile, so that a paint during the creation draws
// no deleted object.
BOOL CMenuObjects::ReplaceListBox(CMButCreateStruct* pCrStruct)
{
    CMObjBasis* pOld = FindByStruct(pCrStruct);
    if (pOld == nullptr)
        return FALSE;
    int nIndex = IndexOf(pOld);
    int nTab = GetObjectCount() + 1;
    pOld->Invalidate();
    m_objects.RemoveAt(nIndex);
    delete pOld;
    auto* pList = new CMObjScriptListBox;
    pList->Create(pCrStruct, m_pParent, pCrStruct->m_nID, kObjectColor, m_bEditMode);
    pList->SetTabNumber(nTab);
    m_objects.InsertAt(nIndex, pList);
    pList->Invalidate();
    return TRUE;
}

void CMenuObjects::GetListBoxSelection(CString* pToolTip) const
{
    for (int i = 0; i < GetObjectCount(); ++i)
    {
        if (GetObjectAt(i)->IsKindOf(RUNTIME_CLASS(CMObjScriptListBox)))
            static_cast<CMObjScriptListBox*>(GetObjectAt(i))->GetSelectedItem(*pToolTip);
    }
}

int CMenuObjects::IndexOf(const CMObjBasis* pObject) const
{
    for (int i = 0; i < GetObjectCount(); ++i)
    {
        if (GetObjectAt(i) == pObject)
            return i;
    }
    return -1;
}

CMObjBasis* CMenuObjects::FindByStruct(const CMObjCreateStruct* pCrStruct) const
{
    for (int i = 0; i < GetObjectCount(); ++i)
    {
        if (GetObjectAt(i)->GetCreateStruct() == pCrStruct)
            return GetObjectAt(i);
    }
    return nullptr;
}

// ---------------------------------------------------------------------------
// Selection

// Only the objects that lose their mark are painted again: a page being built
// selects each new object in turn, and repainting every one each time made
// its building grow with the square of its objects.
void CMenuObjects::DeselectAll()
{
    for (int i = 0; i < GetObjectCount(); ++i)
        if (GetObjectAt(i)->IsSelected())
            GetObjectAt(i)->SetSelected(FALSE);
}

void CMenuObjects::SelectNew(CMObjBasis* pObject)
{
    if (!m_bEditMode)
        return;
    DeselectAll();
    pObject->SetSelected(TRUE);
    pObject->SetGridSize(m_nGridStep);
}

// A rubber band adds to the selection.
void CMenuObjects::SelectInRect(const RECT& rc)
{
    for (int i = 0; i < GetObjectCount(); ++i)
    {
        if (GetObjectAt(i)->IsInsideRect(rc))
            GetObjectAt(i)->SetSelected(TRUE);
    }
}

void CMenuObjects::SelectAt(int x, int y)
{
    for (int i = 0; i < GetObjectCount(); ++i)
    {
        if (GetObjectAt(i)->HitTest(x, y))
            GetObjectAt(i)->SetSelected(TRUE);
    }
}

// The topmost object, the one drawn last, is the one clicked.
void CMenuObjects::SelectOnlyAt(int x, int y)
{
    for (int i = GetObjectCount() - 1; i >= 0; --i)
    {
        CMObjBasis* pObject = GetObjectAt(i);
        if (pObject->HitTest(x, y))
        {
            DeselectAll();
            pObject->SetSelected(TRUE);
            return;
        }
    }
}

CMObjBasis* CMenuObjects::FindObjectAt(int x, int y) const
{
    for (int i = 0; i < GetObjectCount(); ++i)
    {
        if (GetObjectAt(i)->HitTest(x, y))
            return GetObjectAt(i);
    }
    return nullptr;
}

BOOL CMenuObjects::IsSelectedAt(int x, int y) const
{
    for (int i = GetObjectCount() - 1; i >= 0; --i)
    {
        if (GetObjectAt(i)->HitTest(x, y))
            return GetObjectAt(i)->IsSelected();
    }
    return FALSE;
}

BOOL CMenuObjects::HasSelection() const
{
    for (int i = 0; i < GetObjectCount(); ++i)
    {
        if (GetObjectAt(i)->IsSelected())
            return TRUE;
    }
    return FALSE;
}

CMObjBasis* CMenuObjects::GetSelectedObject() const
{
    if (!m_bEditMode)
        return nullptr;
    for (int i = 0; i < GetObjectCount(); ++i)
    {
        if (GetObjectAt(i)->IsSelected())
            return GetObjectAt(i);
    }
    return nullptr;
}

BOOL CMenuObjects::DeleteSelected()
{
    CMObjBasis* pObject = GetSelectedObject();
    if (pObject == nullptr)
        return FALSE;
    pObject->Invalidate();
    m_objects.Remove(pObject);
    return TRUE;
}

BOOL CMenuObjects::DeleteObject(CMObjBasis* pObject)
{
    if (!m_bEditMode || pObject == nullptr || IndexOf(pObject) < 0)
        return FALSE;
    pObject->Invalidate();
    m_objects.Remove(pObject);
    return TRUE;
}

// ---------------------------------------------------------------------------
// Dragging

void CMenuObjects::Drag(int dx, int dy, int cx, int cy)
{
    for (int i = 0; i < GetObjectCount(); ++i)
    {
        if (!GetObjectAt(i)->CanMoveBy(dx, dy, cx, cy))
            return;
    }
    for (int i = 0; i < GetObjectCount(); ++i)
        GetObjectAt(i)->OffsetDragFrame(dx, dy);
}

void CMenuObjects::ApplyDrag()
{
    for (int i = 0; i < GetObjectCount(); ++i)
        GetObjectAt(i)->ApplyDragFrame();
}

// ---------------------------------------------------------------------------
// Fonts and tab order

void CMenuObjects::SetButtonFont(const CFontDesc& font)
{
    for (int i = 0; i < GetObjectCount(); ++i)
    {
        if (IsButton(GetObjectAt(i)))
            static_cast<CMObjButton*>(GetObjectAt(i))->SetWindowFont(font);
    }
}

int CMenuObjects::ShowTabOrder(BOOL bShow)
{
    int nNumber = 0;
    for (int i = 0; i < GetObjectCount(); ++i)
    {
        CMObjBasis* pObject = GetObjectAt(i);
        if (!IsTabObject(pObject))
            continue;
        pObject->ShowTabLabel(bShow, bShow ? ++nNumber : pObject->GetTabNumber());
    }
    return GetObjectCount();
}

void CMenuObjects::BeginTabOrder()
{
    m_nNextTab = 0;
    m_nTabCount = 0;
    for (int i = 0; i < GetObjectCount(); ++i)
    {
        if (IsTabObject(GetObjectAt(i)))
            ++m_nTabCount;
    }
}

// Each click gives the clicked object the next number; the object that held
// it takes the clicked one's old number, so the numbers stay a permutation.
void CMenuObjects::SetTabNumberAt(POINT pt)
{
    if (m_nTabCount < 2)
        return;
    CMObjBasis* pClicked = FindTabObjectAt(pt);
    if (pClicked == nullptr)
        return;
    if (m_nNextTab < m_nTabCount)
        ++m_nNextTab;
    CMObjBasis* pHolder = FindTabObjectWithTab(m_nNextTab);
    if (pHolder != nullptr && pHolder != pClicked)
        pHolder->SetTabNumber(pClicked->GetTabNumber());
    pClicked->SetTabNumber(m_nNextTab);
}

CMObjBasis* CMenuObjects::FindTabObjectAt(POINT pt) const
{
    for (int i = 0; i < GetObjectCount(); ++i)
    {
        CMObjBasis* pObject = GetObjectAt(i);
        if (IsTabObject(pObject) && pObject->HitTest(pt.x, pt.y))
            return pObject;
    }
    return nullptr;
}

CMObjBasis* CMenuObjects::FindTabObjectWithTab(int nTab) const
{
    for (int i = 0; i < GetObjectCount(); ++i)
    {
        CMObjBasis* pObject = GetObjectAt(i);
        if (IsTabObject(pObject) && pObject->GetTabNumber() == nTab)
            return pObject;
    }
    return nullptr;
}

// Objects whose number has no free place in the table (a number given twice
// or out of range) follow the ordered ones, so that no object is lost.
void CMenuObjects::ApplyTabOrder(CObArray* pButtonStructs, CObArray* pTextStructs, CObArray* pFieldStructs)
{
    if (GetObjectCount() < 2)
        return;
    CObArray table;
    table.SetSize(m_nTabCount);
    CObArray unplaced, others;
    for (int i = 0; i < GetObjectCount(); ++i)
    {
        CMObjBasis* pObject = GetObjectAt(i);
        int nTab = pObject->GetTabNumber();
        if (!IsTabObject(pObject))
            others.Add(pObject);
        else if (nTab >= 1 && nTab <= m_nTabCount && table.GetAt(nTab - 1) == nullptr)
            table.SetAt(nTab - 1, pObject);
        else
            unplaced.Add(pObject);
    }
    m_objects.RemoveAll();
    for (CObArray* pPart : { &table, &unplaced, &others })
    {
        for (INT_PTR i = 0; i < pPart->GetSize(); ++i)
        {
            if (pPart->GetAt(i) != nullptr)
                m_objects.Add(pPart->GetAt(i));
        }
    }
    for (CObArray* pStructs : { pButtonStructs, pTextStructs, pFieldStructs })
    {
        if (pStructs != nullptr)
            OrderStructs(*pStructs);
    }
}

// The structs of the tab objects in list order come first; any other struct
// in the array keeps its relative place after them.
void CMenuObjects::OrderStructs(CObArray& structs) const
{
    CObArray ordered;
    for (int i = 0; i < GetObjectCount(); ++i)
    {
        if (!IsTabObject(GetObjectAt(i)))
            continue;
        CObject* pStruct = GetObjectAt(i)->GetCreateStruct();
        for (INT_PTR j = 0; j < structs.GetSize(); ++j)
        {
            if (structs.GetAt(j) == pStruct)
            {
                ordered.Add(pStruct);
                structs.RemoveAt(j);
                break;
            }
        }
    }
    for (INT_PTR j = 0; j < structs.GetSize(); ++j)
        ordered.Add(structs.GetAt(j));
    structs.RemoveAll();
    for (INT_PTR j = 0; j < ordered.GetSize(); ++j)
        structs.Add(ordered.GetAt(j));
}

// ---------------------------------------------------------------------------
// Alignment

int CMenuObjects::GridCeil(int v) const
{
    int nStep = m_nGridStep < 1 ? 1 : m_nGridStep;
    return nStep * (v / nStep + 1);
}

// Image buttons lie over their picture and stay where they are.
void CMenuObjects::CollectAlignable(CPtrArray& buttons) const
{
    for (int i = 0; i < GetObjectCount() && buttons.GetSize() < kMaxAligned; ++i)
    {
        CMObjBasis* pObject = GetObjectAt(i);
        if (IsButton(pObject) && pObject->IsSelected() && !pObject->IsKindOf(RUNTIME_CLASS(CMObjButImage)))
            buttons.Add(pObject);
    }
}

// Window and drawn buttons take the chosen size; the others keep the size of
// their window (their picture or caption).
CSize CMenuObjects::AlignedSize(CMObjBasis* pObject, int cx, int cy)
{
    if (pObject->IsKindOf(RUNTIME_CLASS(CMObjButWin)) || pObject->IsKindOf(RUNTIME_CLASS(CMObjButTrans)))
        return CSize(cx, cy);
    CBasisObj* pWnd = pObject->GetObjectWnd();
    CRect rc(pWnd != nullptr ? pWnd->GetObjectRect() : pObject->GetObjectRect());
    return rc.Size();
}

// Lays the selected buttons out one after the other along one axis; a button
// that would pass the limit starts a new row (or column) on the next grid line
// across, and the layout stops at the limit across.
void CMenuObjects::AlignAlong(BOOL bHorizontal, int x, int y, int cx, int cy, int gap, int right, int bottom)
{
    CPtrArray buttons;
    CollectAlignable(buttons);
    int curX = x, curY = y;
    int& along = bHorizontal ? curX : curY;
    int& across = bHorizontal ? curY : curX;
    const int start = bHorizontal ? x : y;
    const int step = bHorizontal ? cx : cy;
    const int crossStep = bHorizontal ? cy : cx;
    const int limit = bHorizontal ? right : bottom;
    const int crossLimit = bHorizontal ? bottom : right;
    for (INT_PTR i = 0; i < buttons.GetSize(); ++i)
    {
        auto* pObject = static_cast<CMObjBasis*>(buttons.GetAt(i));
        CSize size = AlignedSize(pObject, cx, cy);
        pObject->MoveTo(curX, curY, size.cx, size.cy);
        along += (bHorizontal ? size.cx : size.cy) + gap;
        if (along + step > limit)
        {
            along = start;
            across = GridCeil(across + crossStep);
        }
        if (across + crossStep > crossLimit)
            break;
    }
}

void CMenuObjects::AlignHorizontal(int x, int y, int cx, int cy, int gap, int right, int bottom)
{
    AlignAlong(TRUE, x, y, cx, cy, gap, right, bottom);
}

void CMenuObjects::AlignVertical(int x, int y, int cx, int cy, int gap, int right, int bottom)
{
    AlignAlong(FALSE, x, y, cx, cy, gap, right, bottom);
}

// ---------------------------------------------------------------------------
// The popup-menu slot

// The page has one slot, number 0: any other popup number binds nothing.
int CMenuObjects::BindPopupMenu(CMButCreateStruct* pCrStruct, CWnd* pOwner)
{
    if (ProjectFormat::GetPopupNumber(pCrStruct->m_strDocument) != 0)
        return -1;
    m_popup.Bind(0, pCrStruct, pOwner);
    ++m_nPopupCount;
    return 0;
}

// An unbound slot (number -1) takes no text.
void CMenuObjects::SetPopupMenuText(int nNumber, const CString& strText)
{
    if (nNumber >= 0 && m_popup.GetPopupNumber() == nNumber)
        m_popup.SetText(strText);
}

CPopupMenuDesc* CMenuObjects::FindPopupMenu(CMButCreateStruct* pCrStruct)
{
    int nNumber = ProjectFormat::GetPopupNumber(pCrStruct->m_strDocument);
    return nNumber >= 0 && m_popup.GetPopupNumber() == nNumber ? &m_popup : nullptr;
}

// The struct lets go of the slot, so that removing it twice counts once.
void CMenuObjects::RemovePopupMenu(CMButCreateStruct* pCrStruct)
{
    if (pCrStruct->m_pPopupMenu != &m_popup)
        return;
    m_popup.Reset();
    pCrStruct->m_pPopupMenu = nullptr;
    --m_nPopupCount;
}
