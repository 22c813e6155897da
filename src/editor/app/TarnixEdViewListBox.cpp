// The canvas's script list box and its start button.
#include "editor/app/TarnixEdView.h"

#include "editor/app/CanvasHelpers.h"
#include "editor/app/TarnixEdDoc.h"
#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/ListboxWizard.h"
#include "framework/CmdUI.h"
#include "shared/menuobj/ActionKeywords.h"
#include "shared/menuobj/PageObjectReader.h"
#include "shared/support/ProjectFormat.h"

#include <algorithm>

using namespace CanvasHelpers;

namespace {

const COLORREF kListBoxColor = RGB(210, 200, 190);

} // namespace

// ---------------------------------------------------------------------------
// Script list boxes

// The hint of the chosen entry shows in the tooltip area, as the player shows it.
void CTarnixEdView::OnListBoxHint()
{
    if (!GetDocument()->GetPage().GetTooltipArea().bOn)
        return;
    CString tip;
    m_objects.GetListBoxSelection(&tip);
    m_tooltip.NewTip(tip);
}

void CTarnixEdView::OnUpdateInsertListBox(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(HasRoom(MOBJ_LISTBOX));
}

// A list box comes with its start button: without room for the button the
// list would have nothing to start its entries, so neither is inserted.
void CTarnixEdView::OnInsertListBox()
{
    if (!CheckRoom(MOBJ_LISTBOX) || !CheckRoom(MOBJ_BUTTON))
        return;
    CTarnixEdDoc* pDoc = GetDocument();
    CProjectPage& page = pDoc->GetPage();
    CListboxWizard wizard("Listbox Wizard", this);
    wizard.m_strProjectFolder = pDoc->GetProjectFolder();
    const RECT rcOffer = FreePlace(MakeRect(m_rcDefault.left, m_rcDefault.top,
                                            Width(m_rcDefault) < 100 ? 200 : Width(m_rcDefault),
                                            Height(m_rcDefault) < 100 ? 200 : Height(m_rcDefault)));
    wizard.m_nX = rcOffer.left;
    wizard.m_nY = rcOffer.top;
    wizard.m_nWidth = Width(rcOffer);
    wizard.m_nHeight = Height(rcOffer);
    if (wizard.DoModal() != ID_WIZFINISH)
        return;
    const CSize menu = MenuSize();
    const RECT rcList = PushInsideMenu(MakeRect(wizard.m_nX, wizard.m_nY, wizard.m_nWidth, wizard.m_nHeight), menu);
    CMButCreateStruct* pList = new CMButCreateStruct;
    pList->Copy(m_defaultButton);
    pList->m_rect = rcList;
    pList->m_strText = wizard.m_strListFile;
    pList->m_crColor = kListBoxColor;
    pList->m_dwStyle = wizard.m_bStyle ? kListBoxPlainStyle : 0;
    pList->m_nPageNumber = page.GetMenuLevel();
    LeaveSelectionMode();
    if (!page.AddListBox(pList))
    {
        delete pList;
        return;
    }
    m_objects.AddListBox(pList);
    pDoc->SetModifiedFlag(TRUE);

    CMButCreateStruct* pStart = new CMButCreateStruct;
    pStart->m_strStyle = "WINDOWS";
    pStart->m_rect = ListStartButtonRect(rcList, menu);
    // Wide and high enough for its whole caption, growing to the left.
    const CSize need = ButtonSizeForCaption(wizard.m_strButtonText, page.GetButtonStyle().font, CSize(120, 26));
    pStart->m_rect.left = std::max(0L, std::min(pStart->m_rect.left, pStart->m_rect.right - need.cx));
    pStart->m_rect.bottom = std::max(pStart->m_rect.bottom, pStart->m_rect.top + need.cy);
    pStart->m_rect = FreePlace(pStart->m_rect);
    pStart->m_strText = wizard.m_strButtonText;
    pStart->m_strDocument = ProjectFormat::kListBoxDocument;
    pStart->m_strToolTip = "selektiertes Objekt der Listbox starten";
    pStart->m_nAction = ACTION_NONE;
    pStart->m_font.Assign(page.GetButtonStyle().font);
    pStart->m_nPageNumber = page.GetMenuLevel();
    pStart->pToolTip = page.GetTooltipArea().bOn ? &m_tooltip : nullptr;
    RegisterButton(pStart);
    m_rcDefault = MakeRect(wizard.m_nX, wizard.m_nY, 120, 30);
    m_defaultButton.m_rect = m_rcDefault;
    Invalidate();
}

void CTarnixEdView::ChangeListBox(CMButCreateStruct* pList)
{
    CTarnixEdDoc* pDoc = GetDocument();
    CListboxWizard wizard("Listbox Wizard", this);
    wizard.m_bEditMode = TRUE;
    wizard.m_strProjectFolder = pDoc->GetProjectFolder();
    pDoc->ResolvePath(pList->m_strText, wizard.m_strListFile);
    wizard.m_nX = pList->m_rect.left;
    wizard.m_nY = pList->m_rect.top;
    wizard.m_nWidth = Width(pList->m_rect);
    wizard.m_nHeight = Height(pList->m_rect);
    wizard.m_bStyle = (pList->m_dwStyle & kListBoxPlainStyle) != 0;
    if (wizard.DoModal() != ID_WIZFINISH)
        return;
    CMButCreateStruct old;
    old.Copy(*pList);
    pList->m_rect = MakeRect(wizard.m_nX, wizard.m_nY, wizard.m_nWidth, wizard.m_nHeight);
    pList->m_strText = wizard.m_strListFile;
    pList->m_dwStyle = wizard.m_bStyle ? kListBoxPlainStyle : 0;
    pDoc->GetPage().ReplaceListBox(old, *pList);
    pDoc->SetModifiedFlag(TRUE);
    m_objects.ReplaceListBox(pList);
    m_rcDefault = MakeRect(wizard.m_nX, wizard.m_nY, 120, 30);
    m_defaultButton.m_rect = m_rcDefault;
    Invalidate();
}
