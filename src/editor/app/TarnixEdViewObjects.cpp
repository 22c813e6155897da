// The canvas's other objects (texts, text fields, clips, sliders and images):
// inserting them, changing any selected object, and deleting it.
#include "editor/app/TarnixEdView.h"

#include "editor/app/CanvasHelpers.h"
#include "editor/app/TarnixEdDoc.h"
#include "editor/dialogs/AviPropDlg.h"
#include "editor/dialogs/InsertPictureDlg.h"
#include "editor/dialogs/InsertTextDlg.h"
#include "editor/dialogs/SliderPropDlg.h"
#include "editor/dialogs/TextFieldDlg.h"
#include "framework/CmdUI.h"
#include "shared/menuobj/ActionKeywords.h"
#include "shared/menuobj/MObjButton.h"
#include "shared/menuobj/PageObjectReader.h"
#include "shared/support/ProjectFormat.h"

#include "editor/resource.h"

#include <algorithm>

using namespace CanvasHelpers;

// ---------------------------------------------------------------------------
// Changing and deleting

void CTarnixEdView::OnUpdateHasSelection(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_objects.HasSelection());
}

void CTarnixEdView::OnChange()
{
    CMObjBasis* pObject = m_objects.GetSelectedObject();
    CMObjCreateStruct* pStruct = pObject != nullptr ? pObject->GetCreateStruct() : nullptr;
    if (pStruct == nullptr)
        return;
    if (dynamic_cast<CMObjButton*>(pObject) != nullptr)
    {
        if (CMButCreateStruct* pButton = dynamic_cast<CMButCreateStruct*>(pStruct))
        {
            ChangeButton(pButton);
            if (ProjectFormat::IsPopupDocument(pButton->m_strDocument))
                EditPopupMenu(pButton);
        }
        return;
    }
    switch (pStruct->m_nType)
    {
    case MOBJ_TEXT:
        ChangeText(static_cast<CMTextCreateStruct*>(pStruct));
        break;
    case MOBJ_VIEWER:
        ChangeTextField(static_cast<CViewerCreateStruct*>(pStruct));
        break;
    case MOBJ_AVICLIP:
        ChangeAviClip(pStruct);
        break;
    case MOBJ_PICTURE:
        ChangeImage(pStruct);
        break;
    case MOBJ_SLIDER:
        ChangeSlider(pStruct);
        break;
    case MOBJ_LISTBOX:
        if (CMButCreateStruct* pList = dynamic_cast<CMButCreateStruct*>(pStruct))
            ChangeListBox(pList);
        break;
    default:
        break;
    }
}

void CTarnixEdView::OnDelete()
{
    DeleteSelected();
}

// Everything the removal needs is read before anything goes, and the container
// lets go of an object before the document deletes its create struct.
void CTarnixEdView::DeleteSelected()
{
    CMObjBasis* pObject = m_objects.GetSelectedObject();
    if (pObject == nullptr)
        return;
    CTarnixEdDoc* pDoc = GetDocument();
    CProjectPage& page = pDoc->GetPage();
    CMObjCreateStruct* pStruct = pObject->GetCreateStruct();
    const int nType = pStruct != nullptr ? pStruct->m_nType : 0;
    CMButCreateStruct* pButton = dynamic_cast<CMButCreateStruct*>(pStruct);
    const BOOL bSubmenu = nType == MOBJ_BUTTON && pButton != nullptr && pButton->m_nAction == ACTION_NEWPAGE;
    if (nType == MOBJ_BUTTON && pButton != nullptr && ProjectFormat::IsPopupDocument(pButton->m_strDocument))
    {
        // The popup's items go with it: their files are no longer used, and
        // no popup text is left behind for the next save.
        const int nPopup = PopupNumberOf(pButton);
        m_objects.RemovePopupMenu(pButton);
        page.SetPopupMenuText(nPopup, CString());
    }
    m_objects.DeleteSelected();
    switch (nType)
    {
    case MOBJ_BUTTON:
        if (pButton != nullptr)
            pDoc->RemoveButton(pButton);
        break;
    case MOBJ_TEXT:
        page.RemoveText(static_cast<CMTextCreateStruct*>(pStruct));
        break;
    case MOBJ_VIEWER:
        page.RemoveTextField(static_cast<CViewerCreateStruct*>(pStruct));
        break;
    case MOBJ_AVICLIP:
        page.RemoveAviClip(pStruct);
        break;
    case MOBJ_PICTURE:
        page.RemoveImage(pStruct);
        break;
    case MOBJ_SLIDER:
        page.RemoveSlider(pStruct);
        break;
    case MOBJ_LISTBOX:
    {
        page.RemoveListBox(pStruct);
        if (CMObjButton* pStart = m_objects.FindButtonByDocument(ProjectFormat::kListBoxDocument))
        {
            CMButCreateStruct* pStartStruct = dynamic_cast<CMButCreateStruct*>(pStart->GetCreateStruct());
            m_objects.DeleteObject(pStart);
            if (pStartStruct != nullptr)
                pDoc->RemoveButton(pStartStruct);
        }
        break;
    }
    default:
        break;
    }
    pDoc->SetModifiedFlag(TRUE);
    if (bSubmenu)
        Refresh();
    Invalidate();
}

// ---------------------------------------------------------------------------
// Texts, text fields, clips, sliders and images

void CTarnixEdView::OnUpdateInsertObject(CCmdUI* pCmdUI)
{
    switch (pCmdUI->m_nID)
    {
    case ID_OBJ_TEXT:
    case ID_OBJ_TEXT_AT_MARK:
        pCmdUI->Enable(HasRoom(MOBJ_TEXT));
        break;
    case ID_OBJ_TEXTFIELD:
    case ID_OBJ_TEXTFIELD_AT_MARK:
        pCmdUI->Enable(HasRoom(MOBJ_VIEWER));
        break;
    case ID_OBJ_AVICLIP:
        pCmdUI->Enable(HasRoom(MOBJ_AVICLIP));
        break;
    case ID_OBJ_SLIDER:
        pCmdUI->Enable(HasRoom(MOBJ_SLIDER));
        break;
    case ID_OBJ_IMAGE:
        pCmdUI->Enable(HasRoom(MOBJ_PICTURE));
        break;
    default:
        pCmdUI->Enable(FALSE);
        break;
    }
}

void CTarnixEdView::OnInsertText()
{
    InsertText(DefaultCorner());
}

void CTarnixEdView::OnInsertTextAtMark()
{
    MoveMarkDown(RECT{ 5, 5, 85, 30 });
    InsertText(POINT{ m_rcMarked.left, m_rcMarked.top });
}

// The text object sizes itself to its text; 40 x 10 only holds its place.
void CTarnixEdView::InsertText(POINT pt)
{
    if (!CheckRoom(MOBJ_TEXT))
        return;
    CProjectPage& page = GetDocument()->GetPage();
    CInsertTextDlg dlg(this);
    dlg.m_sizePage = MenuSize();
    dlg.m_font.Assign(page.GetDefaultTextFont());
    const RECT rcOffer = FreePlace(MakeRect(pt.x, pt.y, 100, 20));
    dlg.m_nX = (UINT)rcOffer.left;
    dlg.m_nY = (UINT)rcOffer.top;
    if (dlg.DoModal() != IDOK || dlg.m_strText.IsEmpty())
        return;
    CMTextCreateStruct* pText = new CMTextCreateStruct;
    pText->m_rect = SnapRect((int)dlg.m_nX, (int)dlg.m_nY, 40, 10);
    pText->m_strText = dlg.m_strText;
    pText->m_font.Assign(dlg.m_font);
    pText->m_bPreset = 1;
    pText->m_nPageNumber = page.GetMenuLevel();
    LeaveSelectionMode();
    if (!AddToBoth(pText, m_objects, &CMenuObjects::AddStaticText, page, &CProjectPage::AddText))
        return;
    m_defaultText.Copy(*pText);
    SettleNewObject(SnapPoint(rcOffer.left, rcOffer.top));
    PlaceAfter(pText->m_rect);
}

void CTarnixEdView::OnInsertTextField()
{
    m_rcMarked = MakeRect(m_rcDefault.left, m_rcDefault.top, 200, 200);
    InsertTextField();
}

void CTarnixEdView::OnInsertTextFieldAtMark()
{
    MoveMarkDown(RECT{ 10, 10, 260, 210 });
    InsertTextField();
}

void CTarnixEdView::InsertTextField()
{
    if (!CheckRoom(MOBJ_VIEWER))
        return;
    CProjectPage& page = GetDocument()->GetPage();
    m_rcMarked = FreePlace(m_rcMarked);
    CTextFieldDlg dlg(this);
    dlg.m_sizePage = MenuSize();
    dlg.m_nX = m_rcMarked.left;
    dlg.m_nY = m_rcMarked.top;
    dlg.m_nWidth = Width(m_rcMarked);
    dlg.m_nHeight = Height(m_rcMarked);
    dlg.m_bHorzScroll = dlg.m_bVertScroll = 1;
    if (dlg.DoModal() != IDOK)
        return;
    CViewerCreateStruct* pField = new CViewerCreateStruct;
    pField->m_rect = SnapRect(dlg.m_nX, dlg.m_nY, dlg.m_nWidth, dlg.m_nHeight);
    pField->m_strDocument = dlg.m_strDocument;
    pField->m_bScrollHorz = dlg.m_bHorzScroll;
    pField->m_bScrollVert = dlg.m_bVertScroll;
    pField->m_bBorder = 1;
    pField->m_bPreset = 1;
    pField->m_nPageNumber = page.GetMenuLevel();
    LeaveSelectionMode();
    if (!AddToBoth(pField, m_objects, &CMenuObjects::AddScrollet, page, &CProjectPage::AddTextField))
        return;
    m_defaultTextField.Copy(*pField);
    PlaceAfter(pField->m_rect);
}

namespace {

void FillAviDialog(CAviPropDlg& dlg, const CMObjCreateStruct& clip)
{
    dlg.m_strFile = clip.m_strText;
    dlg.m_bBorder = (clip.m_dwStyle & kAviClipBorderStyle) != 0;
    dlg.m_nRepeat = clip.m_nRepeat;
    dlg.m_crBackground = clip.m_crColor;
}

// The clip keeps the size the dialog found in the file, else its own.
void TakeAviDialog(const CAviPropDlg& dlg, CMObjCreateStruct& clip, POINT ptCorner)
{
    int cx = Width(dlg.m_rcClip), cy = Height(dlg.m_rcClip);
    if (cx <= 0 || cy <= 0)
    {
        cx = std::max(Width(clip.m_rect), 20);
        cy = std::max(Height(clip.m_rect), 20);
    }
    clip.m_rect = MakeRect(ptCorner.x, ptCorner.y, cx, cy);
    clip.m_strText = dlg.m_strFile;
    clip.m_dwStyle = dlg.m_bBorder ? kAviClipBorderStyle : 0;
    clip.m_nRepeat = (int)dlg.m_nRepeat;
    clip.m_crColor = dlg.m_crBackground;
}

} // namespace

void CTarnixEdView::OnInsertAviClip()
{
    InsertAviClip(DefaultCorner());
}

void CTarnixEdView::InsertAviClip(POINT pt)
{
    if (!CheckRoom(MOBJ_AVICLIP))
        return;
    CTarnixEdDoc* pDoc = GetDocument();
    CProjectPage& page = pDoc->GetPage();
    CAviPropDlg dlg(this);
    dlg.m_strProjectFolder = pDoc->GetProjectFolder();
    if (m_defaultAviClip.m_bPreset)
        FillAviDialog(dlg, m_defaultAviClip);
    const RECT& rcPreset = m_defaultAviClip.m_rect;
    const RECT rcOffer = FreePlace(MakeRect(pt.x, pt.y, ::IsRectEmpty(&rcPreset) ? 100 : Width(rcPreset),
                                            ::IsRectEmpty(&rcPreset) ? 100 : Height(rcPreset)));
    dlg.m_nX = rcOffer.left;
    dlg.m_nY = rcOffer.top;
    dlg.m_sizePage = MenuSize();
    if (dlg.DoModal() != IDOK)
        return;
    CMObjCreateStruct* pClip = new CMObjCreateStruct;
    TakeAviDialog(dlg, *pClip, SnapPoint(dlg.m_nX, dlg.m_nY));
    pClip->m_bPreset = 1;
    pClip->m_nPageNumber = page.GetMenuLevel();
    m_defaultAviClip.Copy(*pClip);
    LeaveSelectionMode();
    if (!AddToBoth(pClip, m_objects, &CMenuObjects::AddAviCtrl, page, &CProjectPage::AddAviClip))
        return;
    SettleNewObject(SnapPoint(rcOffer.left, rcOffer.top));
    PlaceAfter(pClip->m_rect);
}

// The container adds a slider without an answer: the document keeps it only
// when the container's count grew.
void CTarnixEdView::OnInsertSlider()
{
    m_rcMarked = MakeRect(m_rcDefault.left, m_rcDefault.top, 60, 20);
    if (!CheckRoom(MOBJ_SLIDER))
        return;
    m_rcMarked = FreePlace(m_rcMarked);
    CProjectPage& page = GetDocument()->GetPage();
    CSliderPropDlg dlg(this);
    dlg.m_sizePage = MenuSize();
    dlg.m_nX = m_rcMarked.left;
    dlg.m_nY = m_rcMarked.top;
    dlg.m_nWidth = Width(m_rcMarked);
    dlg.m_nHeight = Height(m_rcMarked);
    if (dlg.DoModal() != IDOK)
        return;
    CMObjCreateStruct* pSlider = new CMObjCreateStruct;
    pSlider->m_rect = SnapRect(dlg.m_nX, dlg.m_nY, dlg.m_nWidth, dlg.m_nHeight);
    pSlider->m_crColor = dlg.m_crColor;
    pSlider->m_bPreset = 1;
    pSlider->m_nPageNumber = page.GetMenuLevel();
    LeaveSelectionMode();
    if (!page.AddSlider(pSlider))
    {
        delete pSlider;
        return;
    }
    const int nBefore = m_objects.GetObjectCount();
    m_objects.AddSlider(pSlider);
    if (m_objects.GetObjectCount() == nBefore)
    {
        page.RemoveSlider(pSlider);
        return;
    }
    PlaceAfter(pSlider->m_rect);
}

// The image sizes itself to its picture; 20 x 20 only holds its place.
void CTarnixEdView::OnInsertImage()
{
    if (!CheckRoom(MOBJ_PICTURE))
        return;
    CTarnixEdDoc* pDoc = GetDocument();
    CProjectPage& page = pDoc->GetPage();
    CInsertPictureDlg dlg(this);
    dlg.m_sizePage = MenuSize();
    dlg.m_strProjectFolder = pDoc->GetProjectFolder();
    if (m_defaultImage.m_bPreset)
        dlg.m_strFile = m_defaultImage.m_strText;
    const POINT pt = DefaultCorner();
    const RECT rcOffer = FreePlace(MakeRect(pt.x, pt.y, 20, 20));
    dlg.m_nX = rcOffer.left;
    dlg.m_nY = rcOffer.top;
    if (dlg.DoModal() != IDOK)
        return;
    CMObjCreateStruct* pImage = new CMObjCreateStruct;
    const POINT corner = SnapPoint(dlg.m_nX, dlg.m_nY);
    pImage->m_rect = MakeRect(corner.x, corner.y, 20, 20);
    pImage->m_strText = dlg.m_strFile;
    pImage->m_bPreset = 1;
    pImage->m_nPageNumber = page.GetMenuLevel();
    LeaveSelectionMode();
    if (!AddToBoth(pImage, m_objects, &CMenuObjects::AddStaticImage, page, &CProjectPage::AddImage))
        return;
    m_defaultImage.Copy(*pImage);
    SettleNewObject(SnapPoint(rcOffer.left, rcOffer.top));
    PlaceAfter(pImage->m_rect);
}

void CTarnixEdView::ChangeText(CMTextCreateStruct* pText)
{
    CInsertTextDlg dlg(this);
    dlg.m_sizePage = MenuSize();
    dlg.m_strText = pText->m_strText;
    dlg.m_font.Assign(pText->m_font);
    dlg.m_nX = (UINT)std::max(0L, pText->m_rect.left);
    dlg.m_nY = (UINT)std::max(0L, pText->m_rect.top);
    if (dlg.DoModal() != IDOK || dlg.m_strText.IsEmpty())
        return;
    pText->m_rect = SnapRect((int)dlg.m_nX, (int)dlg.m_nY, Width(pText->m_rect), Height(pText->m_rect));
    pText->m_strText = dlg.m_strText;
    pText->m_font.Assign(dlg.m_font);
    GetDocument()->SetModifiedFlag(TRUE);
    m_objects.ReplaceStaticText(pText);
    Invalidate();
}

void CTarnixEdView::ChangeTextField(CViewerCreateStruct* pField)
{
    CTextFieldDlg dlg(this);
    dlg.m_sizePage = MenuSize();
    dlg.m_nX = pField->m_rect.left;
    dlg.m_nY = pField->m_rect.top;
    dlg.m_nWidth = Width(pField->m_rect);
    dlg.m_nHeight = Height(pField->m_rect);
    dlg.m_strDocument = pField->m_strDocument;
    dlg.m_bHorzScroll = pField->m_bScrollHorz;
    dlg.m_bVertScroll = pField->m_bScrollVert;
    if (dlg.DoModal() != IDOK)
        return;
    CViewerCreateStruct old;
    old.Copy(*pField);
    pField->m_rect = SnapRect(dlg.m_nX, dlg.m_nY, dlg.m_nWidth, dlg.m_nHeight);
    pField->m_strDocument = dlg.m_strDocument;
    pField->m_bScrollHorz = dlg.m_bHorzScroll;
    pField->m_bScrollVert = dlg.m_bVertScroll;
    GetDocument()->GetPage().ReplaceTextField(old, *pField);
    GetDocument()->SetModifiedFlag(TRUE);
    m_objects.ReplaceScrollet(pField);
    Invalidate();
}

void CTarnixEdView::ChangeAviClip(CMObjCreateStruct* pClip)
{
    CTarnixEdDoc* pDoc = GetDocument();
    CAviPropDlg dlg(this);
    dlg.m_strProjectFolder = pDoc->GetProjectFolder();
    FillAviDialog(dlg, *pClip);
    dlg.m_nX = pClip->m_rect.left;
    dlg.m_nY = pClip->m_rect.top;
    dlg.m_sizePage = MenuSize();
    if (dlg.DoModal() != IDOK)
        return;
    CMObjCreateStruct old;
    old.Copy(*pClip);
    TakeAviDialog(dlg, *pClip, SnapPoint(dlg.m_nX, dlg.m_nY));
    pDoc->GetPage().ReplaceAviClip(old, *pClip);
    pDoc->SetModifiedFlag(TRUE);
    m_objects.ReplaceAviCtrl(pClip);
    Invalidate();
}

void CTarnixEdView::ChangeImage(CMObjCreateStruct* pImage)
{
    CTarnixEdDoc* pDoc = GetDocument();
    CInsertPictureDlg dlg(this);
    dlg.m_sizePage = MenuSize();
    dlg.m_strProjectFolder = pDoc->GetProjectFolder();
    dlg.m_strFile = pImage->m_strText;
    dlg.m_nX = pImage->m_rect.left;
    dlg.m_nY = pImage->m_rect.top;
    if (dlg.DoModal() != IDOK)
        return;
    CMObjCreateStruct old;
    old.Copy(*pImage);
    const POINT corner = SnapPoint(dlg.m_nX, dlg.m_nY);
    pImage->m_rect = MakeRect(corner.x, corner.y, 20, 20);
    pImage->m_strText = dlg.m_strFile;
    pImage->m_strSpare1.Empty();
    pImage->m_strSpare2.Empty();
    pDoc->GetPage().ReplaceImage(old, *pImage);
    pDoc->SetModifiedFlag(TRUE);
    m_objects.ReplaceStaticImage(pImage);
    Invalidate();
}

void CTarnixEdView::ChangeSlider(CMObjCreateStruct* pSlider)
{
    CSliderPropDlg dlg(this);
    dlg.m_sizePage = MenuSize();
    dlg.m_nX = pSlider->m_rect.left;
    dlg.m_nY = pSlider->m_rect.top;
    dlg.m_nWidth = Width(pSlider->m_rect);
    dlg.m_nHeight = Height(pSlider->m_rect);
    dlg.m_crColor = pSlider->m_crColor;
    if (dlg.DoModal() != IDOK)
        return;
    pSlider->m_rect = SnapRect(dlg.m_nX, dlg.m_nY, dlg.m_nWidth, dlg.m_nHeight);
    pSlider->m_crColor = dlg.m_crColor;
    GetDocument()->SetModifiedFlag(TRUE);
    m_objects.ReplaceSlider(pSlider);
    Invalidate();
}
