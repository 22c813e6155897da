// The one object through which bars, the menu bar, frames and the customise
// sheet's pages work together without calling each other: each registers
// (object, function) pairs in the manager's registries, and whoever raises
// an event calls every pair. The manager also creates, floats, loads and
// saves the user's own tool bars, filters the commands that may be
// customised and runs the drag of a button or command between bars.
#pragma once

#include "toolkit/bars/XTCommandItem.h"

#include "framework/Point.h"
#include "framework/String.h"

#include <windows.h>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

class CControlBar;
class CFrameWnd;
class CWnd;
class CXTCommandIconMap;
class CXTToolBar;

// What a bar hands the customise sheet. Empty functions: not offered.
struct CXTBarInfo
{
    CWnd* pBar = nullptr;
    BOOL bCanHide = TRUE;
    BOOL bUserCreated = FALSE;
    std::function<void(LPCSTR)> rename;
    std::function<void()> remove;
    std::function<int()> reset;
};

// A place a dragged command may be dropped (a bar in customise mode).
class IXTDropTarget
{
public:
    virtual ~IXTDropTarget() = default;
    // Whether the screen point is over this target.
    virtual BOOL HitTest(CPoint ptScreen) = 0;
    // TRUE when the target takes the item; bCanCopy may be cleared.
    virtual BOOL Enter(const CXTCommandItem& item, CPoint ptScreen, BOOL& bCanCopy) = 0;
    virtual void Over(CPoint ptScreen) = 0;
    virtual void Leave() = 0;
    virtual void Drop(const CXTCommandItem& item, CPoint ptScreen) = 0;
};

// The targets of one drag, filled through the drag sources registry.
struct XT_DRAG_TARGETS
{
    std::vector<IXTDropTarget*> targets;
};

// A registry of (object, function) pairs. Raising it calls, in order, every
// pair that is still registered when its turn comes: a pair may unregister
// itself or others while the event runs.
template <class... Args>
class CXTRegistry
{
public:
    typedef std::function<void(Args...)> Function;
    void Add(void* pObject, Function fn) { m_pairs.push_back({ pObject, std::move(fn), ++m_nNextSerial }); }
    // Removes every pair of the object; TRUE when it had any.
    BOOL Remove(void* pObject)
    {
        size_t nBefore = m_pairs.size();
        m_pairs.erase(std::remove_if(m_pairs.begin(), m_pairs.end(), [&](const Pair& p) { return p.pObject == pObject; }),
                      m_pairs.end());
        return m_pairs.size() != nBefore;
    }
    void Raise(Args... args)
    {
        std::vector<Pair> copy = m_pairs;
        for (const Pair& pair : copy)
            if (IsRegistered(pair.nSerial))
                pair.fn(args...);
    }
    size_t GetCount() const { return m_pairs.size(); }
    BOOL Contains(void* pObject) const
    {
        for (const Pair& p : m_pairs)
            if (p.pObject == pObject)
                return TRUE;
        return FALSE;
    }

private:
    struct Pair
    {
        void* pObject;
        Function fn;
        unsigned nSerial;
    };
    BOOL IsRegistered(unsigned nSerial) const
    {
        for (const Pair& p : m_pairs)
            if (p.nSerial == nSerial)
                return TRUE;
        return FALSE;
    }
    std::vector<Pair> m_pairs;
    unsigned m_nNextSerial = 0;
};

// A request to the create-bar pair.
struct XT_CREATEBAR_REQUEST
{
    CFrameWnd* pFrame = nullptr;
    UINT nID = 0;
    CString strName;
    CXTToolBar* pBar = nullptr;   // out
};

class CXTCustomizeManager
{
public:
    CXTCustomizeManager();
    CXTCustomizeManager(const CXTCustomizeManager&) = delete;
    CXTCustomizeManager& operator=(const CXTCustomizeManager&) = delete;

    // Registries
    CXTRegistry<XT_COMMAND_GROUPS&> m_categories;
    CXTRegistry<CXTCommandIconMap&> m_commandIcons;
    CXTRegistry<const std::function<void(const CXTBarInfo&)>&> m_barEnumeration;
    CXTRegistry<> m_clearSelection;
    CXTRegistry<BOOL> m_customizeMode;
    CXTRegistry<XT_DRAG_TARGETS&> m_dragSources;
    CXTRegistry<CWnd*, BOOL> m_barShown;
    CXTRegistry<const CXTBarInfo&> m_barAdded;
    CXTRegistry<CWnd*, LPCSTR> m_barRenamed;
    CXTRegistry<CWnd*> m_barRemoved;

    // The menu bar's popup supplier: the menu (owned by the supplier) for a
    // popup id. Unregistering the object clears it.
    void SetMenuBarPopup(void* pObject, std::function<HMENU(UINT)> fnPopup)
    {
        m_pMenuBarObject = pObject;
        m_menuBarPopup = std::move(fnPopup);
    }
    // The supplier's menu for the popup id; none without a supplier.
    HMENU GetMenuBarPopup(UINT nPopupID) const { return m_menuBarPopup ? m_menuBarPopup(nPopupID) : nullptr; }

    // Attributes
    BOOL IsCustomizeMode() const { return m_bCustomizeMode; }
    static BOOL IsCustomizableCommand(UINT nID);
    CPoint GetNextFloatPos() const { return m_ptNextFloat; }

    // Operations
    // Removes the object's pairs from every registry; the manager's own
    // customise-mode pair always stays.
    void Unregister(void* pObject);
    // Raises the customise-mode registry.
    void SetCustomizeMode(BOOL bOn) { m_customizeMode.Raise(bOn); }
    // A user bar for the request; FALSE when it cannot be made (nothing is thrown).
    virtual BOOL CreateCustomBar(XT_CREATEBAR_REQUEST& request);
    // Floats a new bar at the next place and shows it.
    virtual void FloatNewBar(CFrameWnd* pFrame, CControlBar* pBar);
    // Re-creates the stored user bars the frame does not have; FALSE for a
    // missing, damaged or short value (bars made before the damage stay).
    BOOL LoadCustomBars(CFrameWnd* pFrame, LPCSTR lpszSection);
    // Writes the frame's user bars, or removes the value when there are none.
    BOOL SaveCustomBars(CFrameWnd* pFrame, LPCSTR lpszSection);
    // The value's bytes for the bars (id, name), as SaveCustomBars writes them.
    static std::vector<BYTE> FormatCustomBars(const std::vector<std::pair<UINT, CString>>& bars);
    // Parses the value; FALSE when the check, the version or the entries fail.
    static BOOL ParseCustomBars(const BYTE* pData, UINT nBytes, std::vector<std::pair<UINT, CString>>& bars);

    // The drag of a button or command: TRUE when it ended as a move (also off
    // every bar), FALSE for a copy or a cancel (Esc, right button, lost capture).
    // ptStart is the screen point where the source saw the drag begin (the
    // press, or the move that told it from a click): a quick hand may have
    // the pointer further on already when the loop starts.
    BOOL DoDragDrop(CWnd* pSource, BOOL bCopyAllowed, const CXTCommandItem& item, CPoint ptStart);

    // Whether a user bar may take the id: no framework bar or dock bar id.
    static BOOL IsCustomBarID(CFrameWnd* pFrame, UINT nID);
    // The first id from nFrom a user bar may take that no bar of the frame has; 0 for none.
    static UINT NextCustomBarID(CFrameWnd* pFrame, UINT nFrom);

    // The value name under which the user bars are stored.
    static LPCSTR CustomBarsValue() { return "CustomBars-Info"; }

protected:
    void* m_pMenuBarObject = nullptr;
    std::function<HMENU(UINT)> m_menuBarPopup;
    CPoint m_ptNextFloat;
    BOOL m_bCustomizeMode;
    BOOL m_bSaveMode;
};

CXTCustomizeManager& GetCustomizeManager();
