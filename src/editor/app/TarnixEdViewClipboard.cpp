// What comes to the canvas from elsewhere: the clipboard, the toolbar's
// dragged buttons, and files dropped from the shell or the explorer.
#include "editor/app/TarnixEdView.h"

#include "editor/app/CanvasHelpers.h"
#include "editor/app/EditorDropTarget.h"
#include "editor/app/MainFrame.h"
#include "editor/app/TarnixEdDoc.h"
#include "framework/CmdUI.h"
#include "framework/MessageBox.h"
#include "shared/menuobj/ActionKeywords.h"
#include "shared/menuobj/AviCtrl.h"
#include "shared/menuobj/MObjBasis.h"
#include "shared/support/ProjectFormat.h"

#include "editor/resource.h"

#include <algorithm>
#include <io.h>
#include <shellapi.h>

using namespace CanvasHelpers;

namespace {

template <class T>
T* CopyAt(const CMObjCreateStruct& clip, const RECT& rc)
{
    T* pCopy = new T;
    pCopy->Copy(static_cast<const T&>(clip));
    pCopy->m_rect = rc;
    pCopy->m_nNumber = -1;
    return pCopy;
}

// A pasted text or text field is the template for the next one of its kind.
template <class T>
BOOL PasteAsDefault(const CMObjCreateStruct& clip, const RECT& rc, CMenuObjects& objects,
                    BOOL (CMenuObjects::*addObject)(T*), CProjectPage& page, BOOL (CProjectPage::*addStruct)(T*),
                    T& defaults)
{
    T* pCopy = CopyAt<T>(clip, rc);
    if (!AddToBoth(pCopy, objects, addObject, page, addStruct))
        return FALSE;
    defaults.Copy(*pCopy);
    defaults.m_bPreset = 1;
    return TRUE;
}

} // namespace

// ---------------------------------------------------------------------------
// Clipboard

void CTarnixEdView::OnCopy()
{
    if (CMObjBasis* pObject = m_objects.GetSelectedObject())
        CopyToClipboard(pObject->GetCreateStruct());
}

// A popup-menu button is kept with its items: a cut takes them off the page,
// and another page has none of its own.
void CTarnixEdView::CopyToClipboard(CMObjCreateStruct* pStruct)
{
    CString items;
    CMButCreateStruct* pButton = dynamic_cast<CMButCreateStruct*>(pStruct);
    if (pButton != nullptr && ProjectFormat::IsPopupDocument(pButton->m_strDocument))
        items = GetDocument()->GetPage().GetPopupMenuText(PopupNumberOf(pButton));
    GetDocument()->CopyToClipboard(pStruct, items);
}

// A cut sub-menu button keeps its page file: only Delete backs it up, so that
// a paste still finds the page.
void CTarnixEdView::OnCut()
{
    CMObjBasis* pObject = m_objects.GetSelectedObject();
    if (pObject == nullptr)
        return;
    CopyToClipboard(pObject->GetCreateStruct());
    CMButCreateStruct* pButton = dynamic_cast<CMButCreateStruct*>(pObject->GetCreateStruct());
    if (pButton != nullptr && pButton->m_nType == MOBJ_BUTTON && pButton->m_nAction == ACTION_NEWPAGE)
    {
        m_objects.DeleteSelected();
        GetDocument()->GetPage().RemoveButton(pButton, FALSE);
        GetDocument()->RefreshPageMenu();
        Invalidate();
        return;
    }
    DeleteSelected();
}

void CTarnixEdView::OnUpdatePaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetDocument()->GetClipboard() != nullptr);
}

void CTarnixEdView::OnPaste()
{
    CTarnixEdDoc* pDoc = GetDocument();
    CMObjCreateStruct* pClip = pDoc->GetClipboard();
    if (pClip == nullptr || !CheckRoom(pClip->m_nType))
        return;
    CProjectPage& page = pDoc->GetPage();
    const RECT rc = FreePlace(MakeRect(m_ptPaste.x, m_ptPaste.y, Width(pClip->m_rect), Height(pClip->m_rect)));
    switch (pClip->m_nType)
    {
    case MOBJ_BUTTON:
    {
        // A popup-menu button takes the page's one popup slot and its items.
        const BOOL bPopup = ProjectFormat::IsPopupDocument(static_cast<CMButCreateStruct*>(pClip)->m_strDocument);
        if (bPopup && !CheckPopupRoom())
            return;
        CMButCreateStruct* pButton = CopyAt<CMButCreateStruct>(*pClip, rc);
        pButton->pToolTip = page.GetTooltipArea().bOn ? &m_tooltip : nullptr;
        pButton->m_pPopupMenu = nullptr;
        if (bPopup)
            pButton->m_strDocument = ProjectFormat::PopupDocument(m_objects.GetPopupMenuCount());
        if (!AddToBoth(pButton, m_objects, &CMenuObjects::AddButton, page, &CProjectPage::AddButton))
            return;
        if (bPopup)
        {
            const int nNumber = m_objects.BindPopupMenu(pButton, this);
            if (nNumber >= 0)
                SetPopupItems(nNumber, pDoc->GetClipboardPopupItems());
        }
        m_defaultButton.Copy(*pButton);
        m_defaultButton.m_bPreset = 1;
        page.BuildSubmenuList();
        break;
    }
    case MOBJ_TEXT:
        if (!PasteAsDefault(*pClip, rc, m_objects, &CMenuObjects::AddStaticText, page, &CProjectPage::AddText,
                            m_defaultText))
            return;
        break;
    case MOBJ_VIEWER:
        if (!PasteAsDefault(*pClip, rc, m_objects, &CMenuObjects::AddScrollet, page, &CProjectPage::AddTextField,
                            m_defaultTextField))
            return;
        break;
    case MOBJ_AVICLIP:
        if (!AddToBoth(CopyAt<CMObjCreateStruct>(*pClip, rc), m_objects, &CMenuObjects::AddAviCtrl, page,
                       &CProjectPage::AddAviClip))
            return;
        break;
    case MOBJ_PICTURE:
        if (!AddToBoth(CopyAt<CMObjCreateStruct>(*pClip, rc), m_objects, &CMenuObjects::AddStaticImage, page,
                       &CProjectPage::AddImage))
            return;
        break;
    default:
        // Sliders and list boxes are never pasted.
        return;
    }
    pDoc->SetModifiedFlag(TRUE);
    Invalidate();
}

// ---------------------------------------------------------------------------
// Drops

void CTarnixEdView::OnToolbarDrop()
{
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(AfxGetMainWnd());
    if (pFrame == nullptr)
        return;
    POINT pt = pFrame->GetToolbarDropPoint();
    ScreenToClient(&pt);
    RECT rc;
    GetClientRect(&rc);
    if (!::PtInRect(&rc, pt))
        return;
    // The marked rectangle's size for each kind, what else takes it, and the insert.
    enum { kButtonSize = -1, kDefaultSize = -2 };
    enum { kSetsButton = 1, kSetsDefault = 2, kPreset = 4 };
    struct Drop
    {
        UINT nCommand;
        int cx, cy;         // a size, or the default rectangle's (kButtonSize: 0 becomes 120 x 32)
        int nMin;           // each side at least this
        UINT nSets;
        void (CTarnixEdView::*pfnInsert)();
    };
    static const Drop drops[] = {
        { ID_OBJ_BUTTON, kButtonSize, 0, 10, kSetsButton, &CTarnixEdView::InsertDroppedButton },
        { ID_OBJ_TEXT, 100, 20, 0, kSetsButton, &CTarnixEdView::OnInsertText },
        { ID_OBJ_AVICLIP, 100, 100, 0, kSetsButton, &CTarnixEdView::OnInsertAviClip },
        // The slider's insert starts from the default rectangle's corner.
        { ID_OBJ_SLIDER, 54, 18, 0, kSetsDefault, &CTarnixEdView::OnInsertSlider },
        { ID_OBJ_IMAGE, 100, 20, 0, kSetsButton, &CTarnixEdView::OnInsertImage },
        { ID_OBJ_TEXTFIELD, 200, 200, 0, 0, &CTarnixEdView::InsertTextField },
        { ID_OBJ_TEXTVIEWER, kButtonSize, 0, 10, kSetsButton | kSetsDefault, &CTarnixEdView::OnInsertTextViewer },
        { ID_OBJ_PICTURESHOW, kButtonSize, 0, 10, kSetsButton | kSetsDefault, &CTarnixEdView::OnInsertPictureShow },
        { ID_OBJ_PDFSTARTER, kButtonSize, 0, 10, kSetsButton | kSetsDefault, &CTarnixEdView::OnInsertPdfStarter },
        { ID_OBJ_SLIDESHOW, kButtonSize, 0, 10, kSetsButton | kSetsDefault, &CTarnixEdView::OnInsertSlideShow },
        { ID_OBJ_SUBMENU, kButtonSize, 0, 10, kSetsButton | kPreset, &CTarnixEdView::OnSubmenu },
        { ID_OBJ_POPUPMENU, kDefaultSize, 0, 10, kSetsButton | kSetsDefault, &CTarnixEdView::OnInsertPopupMenu },
        { ID_OBJ_LISTBOX, kDefaultSize, 0, 200, kSetsButton | kSetsDefault, &CTarnixEdView::OnInsertListBox },
    };
    for (const Drop& drop : drops)
    {
        if (drop.nCommand != pFrame->GetToolbarDropCommand())
            continue;
        int cx = drop.cx, cy = drop.cy;
        if (drop.cx < 0)
        {
            cx = Width(m_rcDefault);
            cy = Height(m_rcDefault);
            if (drop.cx == kButtonSize && (cx == 0 || cy == 0))
            {
                cx = 120;
                cy = 32;
            }
        }
        m_rcMarked = MakeRect(pt.x, pt.y, std::max(cx, drop.nMin), std::max(cy, drop.nMin));
        if (drop.nSets & kSetsButton)
            m_defaultButton.m_rect = m_rcMarked;
        if (drop.nSets & kSetsDefault)
            m_rcDefault = m_rcMarked;
        if (drop.nSets & kPreset)
            m_defaultButton.m_bPreset = 1;
        (this->*drop.pfnInsert)();
        return;
    }
}

void CTarnixEdView::InsertDroppedButton()
{
    InsertButton();
}

void CTarnixEdView::OnExplorerDrop()
{
    POINT pt = m_pDropTarget->GetDropPoint();
    ScreenToClient(&pt);
    InsertDroppedFile(pt, m_pDropTarget->GetDroppedPath());
}

void CTarnixEdView::OnDropFiles(HDROP hDropInfo)
{
    char path[300] = "";
    const UINT nCount = ::DragQueryFileA(hDropInfo, 0xFFFFFFFF, nullptr, 0);
    if (nCount > 0)
        ::DragQueryFileA(hDropInfo, 0, path, sizeof(path));
    ::DragFinish(hDropInfo);
    if (path[0] != '\0')
        InsertDroppedFile(POINT{ 0, 0 }, path);
}

void CTarnixEdView::InsertDroppedFile(POINT pt, const CString& strPath)
{
    if (_access(strPath, 4) != 0)
        return;
    const int nDot = strPath.ReverseFind('.');
    const int nSlash = strPath.ReverseFind('\\');
    if (nDot < 0 || nDot < nSlash || nDot == strPath.GetLength() - 1)
        return;
    CString ext = strPath.Mid(nDot + 1);
    ext.MakeUpper();
    if (ext == "BTI")
    {
        if (::IsRectEmpty(&m_rcMarked))
            m_rcMarked = RECT{ 5, 5, 105, 25 };
        if (!CheckRoom(MOBJ_BUTTON))
            return;
        m_defaultButton.m_strStyle = "BITMAP";
        m_defaultButton.m_strBitmap = strPath;
        GetDocument()->MakeDocRelativePath(m_defaultButton.m_strBitmap);
        m_defaultButton.m_bPreset = 1;
        m_defaultButton.m_rect = m_rcMarked;
        InsertButton();
        return;
    }
    if (ext == "BMP")
    {
        EditBackgroundImage(strPath);
        return;
    }
    if (ext == "AVI")
    {
        CAviCtrl probe;
        if (!probe.IsPlayableFile(strPath))
        {
            CString format, codec(probe.GetCodec()), text;
            while (codec.GetLength() < 4)
                codec += ' ';
            format.LoadString(IDS_AVI_NOT_PLAYABLE);
            text.Format(format, (LPCSTR)codec);
            AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
            return;
        }
        // The clip's dialog opens on it at the drop point.
        m_defaultAviClip.m_strText = strPath;
        m_defaultAviClip.m_bPreset = 1;
        InsertAviClip(SnapPoint(pt.x, pt.y));
        return;
    }
    static const char* const kDocumentTypes[] = { "PPS", "PPT", "PDF", "TXT", "DOC", "XLS",
                                                  "MPG", "HTM", "CHM", "HLP" };
    const BOOL bProgram = ext == "EXE";
    BOOL bDocument = FALSE;
    for (const char* type : kDocumentTypes)
        bDocument = bDocument || ext == type;
    if (!bProgram && !bDocument)
        return;
    if (!CheckRoom(MOBJ_BUTTON))
        return;
    if (::IsRectEmpty(&m_rcMarked))
        m_rcMarked = RECT{ 5, 5, 105, 35 };
    ::OffsetRect(&m_rcMarked, pt.x - m_rcMarked.left, pt.y - m_rcMarked.top);
    CString path = strPath;
    GetDocument()->MakeDocRelativePath(path);
    m_defaultButton.m_strApplication = bProgram ? path : CString();
    m_defaultButton.m_strDocument = bProgram ? CString() : path;
    m_defaultButton.m_strParameter.Empty();
    m_defaultButton.m_bPreset = 1;
    m_defaultButton.m_rect = m_rcMarked;
    InsertButton();
}
