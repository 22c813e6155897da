// The menu objects of one page: made from their create structs, numbered,
// kept in one list whose order is the drawing and hit-test order, and handled
// as a whole (selection, dragging, alignment, tab order, the popup slot). The
// editor's view holds one in design mode, the player's menu window one in run
// mode.
#pragma once

#include "shared/menuobj/MObjList.h"
#include "shared/menuobj/PopupMenuDesc.h"

class CDC;
class CWnd;
class CFontDesc;
class CMObjBasis;
class CMObjButton;
class CMObjCreateStruct;
class CMButCreateStruct;
class CMTextCreateStruct;
class CViewerCreateStruct;

// The page's first control id, its object limit and the list box's fixed id.
const int MENUOBJ_FIRST_ID = 5000;
const int MENUOBJ_MAX_COUNT = 27;
const int MENUOBJ_LISTBOX_ID = 5025;

// The create structs of one page, kind by kind.
struct PageObjectLists
{
    const CMObjList& images;
    const CMObjList& texts;
    const CMObjList& buttons;
    const CMObjList& sliders;
    const CMObjList& textFields;
    const CMObjList& listBoxes;
    const CMObjList& aviClips;
};

class CMenuObjects : public CObject
{
    DECLARE_DYNAMIC(CMenuObjects)
public:
    // Construction
    CMenuObjects();
    CMenuObjects(const CMenuObjects&) = delete;
    CMenuObjects& operator=(const CMenuObjects&) = delete;
    ~CMenuObjects() override;   // deletes the objects still held

    // Empties the page and takes its parent, ids, limit and mode.
    void Init(CWnd* pParent, int nFirstID, int nMaxCount, BOOL bEditMode);
    void DeleteAll();

    // Attributes
    int GetObjectCount() const { return int(m_objects.GetSize()); }
    CMObjBasis* GetObjectAt(int nIndex) const;
    BOOL IsEditMode() const { return m_bEditMode; }
    int GetGridSize() const { return m_nGridStep; }
    // The step is handed to every button object.
    void SetGridSize(int nStep);
    // The first button whose document is exactly the text.
    CMObjButton* FindButtonByDocument(LPCSTR lpszDocument) const;

    // Operations
    void UpdateRectsFromWindows();
    void Draw(CDC* pDC);

    // Adding: each returns 1 when the object and its window were made and
    // added, 0 when the page is full or the window could not be made.
    BOOL AddButton(CMButCreateStruct* pCrStruct);
    BOOL AddStaticText(CMTextCreateStruct* pCrStruct);
    BOOL AddScrollet(CViewerCreateStruct* pCrStruct);
    BOOL AddStaticImage(CMObjCreateStruct* pCrStruct);
    BOOL AddAviCtrl(CMObjCreateStruct* pCrStruct);
    // A slider in the struct's colour; a failed one is left out quietly.
    void AddSlider(CMObjCreateStruct* pCrStruct);
    // The script list box, always with its own id and also without a window;
    // only the list's own limit stops it.
    void AddListBox(CMButCreateStruct* pCrStruct);

    // Every object of a page, kind by kind in the order both programs share,
    // so that an object has the same id and tab place on the editor's canvas
    // and in the player; the buttons get the page's font. The order is also
    // the drawing and hit-test order.
    void AddPageObjects(const PageObjectLists& lists, const CFontDesc& buttonFont);

    // Replacing after the struct changed: a new object made from the struct
    // takes the old one's place. TRUE when the new object took it.
    BOOL ReplaceButton(CMButCreateStruct* pCrStruct);
    BOOL ReplaceStaticText(CMTextCreateStruct* pCrStruct);
    BOOL ReplaceScrollet(CViewerCreateStruct* pCrStruct);
    BOOL ReplaceStaticImage(CMObjCreateStruct* pCrStruct);
    BOOL ReplaceAviCtrl(CMObjCreateStruct* pCrStruct);
    BOOL ReplaceSlider(CMObjCreateStruct* pCrStruct);
    BOOL ReplaceListBox(CMButCreateStruct* pCrStruct);

    // The selected entry's tooltip of the script list boxes (the last wins).
    void GetListBoxSelection(CString* pToolTip) const;

    // Selection
    void DeselectAll();
    void SelectNew(CMObjBasis* pObject);
    void SelectInRect(const RECT& rc);
    void SelectAt(int x, int y);
    void SelectOnlyAt(int x, int y);
    CMObjBasis* FindObjectAt(int x, int y) const;
    BOOL IsSelectedAt(int x, int y) const;
    BOOL HasSelection() const;
    CMObjBasis* GetSelectedObject() const;
    BOOL DeleteSelected();
    BOOL DeleteObject(CMObjBasis* pObject);

    // Dragging: the drag frames move only when every object accepts the move
    // within (0, 0)-(cx, cy); ApplyDrag takes them as the new places.
    void Drag(int dx, int dy, int cx, int cy);
    void ApplyDrag();

    // Fonts, and the tab order of the objects that take the focus: buttons,
    // texts and text fields
    void SetButtonFont(const CFontDesc& font);
    int ShowTabOrder(BOOL bShow);
    void BeginTabOrder();
    void SetTabNumberAt(POINT pt);
    // Orders the objects by tab number (those in the tab order first) and each
    // given array of create structs (buttons, texts, text fields) the same way.
    void ApplyTabOrder(CObArray* pButtonStructs, CObArray* pTextStructs = nullptr, CObArray* pFieldStructs = nullptr);

    // Alignment of up to 10 selected buttons in rows or columns from (x, y),
    // wrapping at right or bottom.
    void AlignHorizontal(int x, int y, int cx, int cy, int gap, int right, int bottom);
    void AlignVertical(int x, int y, int cx, int cy, int gap, int right, int bottom);
    // The next grid line above v (also when v lies on the grid).
    int GridCeil(int v) const;

    // The popup-menu slot
    int BindPopupMenu(CMButCreateStruct* pCrStruct, CWnd* pOwner);
    void SetPopupMenuText(int nNumber, const CString& strText);
    CPopupMenuDesc* FindPopupMenu(CMButCreateStruct* pCrStruct);
    void RemovePopupMenu(CMButCreateStruct* pCrStruct);
    int GetPopupMenuCount() const { return m_nPopupCount; }
    BOOL HasPopupMenu() const { return m_nPopupCount == 1; }

private:
    BOOL IsFull() const { return GetObjectCount() >= m_nMaxCount; }
    int NextControlID() const { return m_nFirstID + GetObjectCount(); }
    // A created object gets its tab number, is appended and selected; one
    // that failed, or does not fit into the list, is deleted.
    BOOL AppendCreated(CMObjBasis* pObject, BOOL bCreated);
    // The new object takes the old one's place; the old one is deleted.
    void PutInPlace(CMObjBasis* pOld, CMObjBasis* pNew);
    int IndexOf(const CMObjBasis* pObject) const;
    CMObjBasis* FindByStruct(const CMObjCreateStruct* pCrStruct) const;
    CMObjBasis* FindTabObjectAt(POINT pt) const;
    CMObjBasis* FindTabObjectWithTab(int nTab) const;
    // Numbers the struct and makes the object of its style with its window.
    CMObjButton* CreateButtonObject(CMButCreateStruct* pCrStruct);
    void OrderStructs(CObArray& structs) const;
    void CollectAlignable(CPtrArray& buttons) const;
    static CSize AlignedSize(CMObjBasis* pObject, int cx, int cy);
    BOOL ReplaceIfCreated(CMObjBasis* pOld, CMObjBasis* pNew, BOOL bCreated);
    void AlignAlong(BOOL bHorizontal, int x, int y, int cx, int cy, int gap, int right, int bottom);

    CWnd* m_pParent;
    int m_nFirstID;
    int m_nMaxCount;
    BOOL m_bEditMode;
    int m_nNextNumber;
    int m_nNextActionNumber;
    CMObjList m_objects;
    CPopupMenuDesc m_popup;       // the page's only popup slot, number 0
    int m_nPopupCount;
    int m_nNextTab;
    int m_nTabCount;
    int m_nGridStep;
};
