// Reflection of owner-draw requests, notifications of a subclassed control's
// own children, painting into a DC that comes with WM_PAINT, the list and tree
// wrappers' texts, and the drag-and-drop data source.
#include "framework/Afx.h"

#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <shlobj.h>
#include <string>
#include <vector>

namespace common_controls_test {

std::vector<std::string> g_log;

class CLoggingParent : public CWnd
{
public:
    BOOL CreateTopLevel()
    {
        return CreateEx(0, nullptr, "Parent", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr, nullptr);
    }

protected:
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT) { g_log.push_back("parent draw " + std::to_string(nIDCtl)); }
    void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT) { g_log.push_back("parent measure " + std::to_string(nIDCtl)); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLoggingParent, CWnd)
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
END_MESSAGE_MAP()

class COwnerDrawChild : public CWnd
{
protected:
    void DrawItem(LPDRAWITEMSTRUCT) { g_log.push_back("child draw"); }
    void MeasureItem(LPMEASUREITEMSTRUCT) { g_log.push_back("child measure"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerDrawChild, CWnd)
    ON_WM_DRAWITEM_REFLECT()
    ON_WM_MEASUREITEM_REFLECT()
END_MESSAGE_MAP()

TEST(Reflection, OwnerDrawRequestsGoToTheControlByTheRecordsType)
{
    CLoggingParent parent;
    ASSERT_TRUE(parent.CreateTopLevel());
    COwnerDrawChild header;   // id 0, as a list view's header has
    ASSERT_TRUE(header.Create(nullptr, "", WS_CHILD, CRect(0, 0, 10, 10), &parent, 0));
    COwnerDrawChild button;
    ASSERT_TRUE(button.Create(nullptr, "", WS_CHILD, CRect(0, 0, 10, 10), &parent, 7));
    HWND hPlain = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, parent.m_hWnd, (HMENU)9, nullptr, nullptr);
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());

    struct Case
    {
        const char* name;
        UINT ctlType;
        UINT id;
        HWND hwndItem;
        const char* expected;
    };
    const Case cases[] = {
        { "header of id 0", ODT_HEADER, 0, header.m_hWnd, "child draw" },
        { "button of id 7", ODT_BUTTON, 7, button.m_hWnd, "child draw" },
        { "menu item", ODT_MENU, 0, reinterpret_cast<HWND>(menu.m_hMenu), "parent draw 0" },
        { "control without an object", ODT_STATIC, 9, hPlain, "parent draw 9" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        g_log.clear();
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = c.ctlType;
        dis.CtlID = c.id;
        dis.hwndItem = c.hwndItem;
        EXPECT_EQ(TRUE, parent.SendMessage(WM_DRAWITEM, c.id, (LPARAM)&dis));
        ASSERT_EQ(1u, g_log.size());
        EXPECT_EQ(c.expected, g_log[0]);
    }

    // Measure requests carry no window: a control's is found by its id.
    const struct
    {
        UINT ctlType;
        UINT id;
        const char* expected;
    } measures[] = { { ODT_LISTBOX, 7, "child measure" }, { ODT_MENU, 0, "parent measure 0" },
                     { ODT_MENU, 7, "parent measure 7" } };
    for (const auto& m : measures)
    {
        SCOPED_TRACE(m.expected);
        g_log.clear();
        MEASUREITEMSTRUCT mis = {};
        mis.CtlType = m.ctlType;
        mis.CtlID = m.id;
        parent.SendMessage(WM_MEASUREITEM, m.id, (LPARAM)&mis);
        ASSERT_EQ(1u, g_log.size());
        EXPECT_EQ(m.expected, g_log[0]);
    }
}

// A list view of ours that takes one header notification for itself and
// records what goes on to the control's own procedure.
class CRecordingList : public CListCtrl
{
public:
    std::vector<std::string> passedOn;
    int nConsumed = 0;

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NOTIFY)
            passedOn.push_back(HeaderCodeName(reinterpret_cast<NMHDR*>(lParam)->code));
        return CListCtrl::DefWindowProc(message, wParam, lParam);
    }
    void OnItemChanging(NMHDR*, LRESULT* pResult)
    {
        ++nConsumed;
        *pResult = FALSE;   // allow the change
    }
    static std::string HeaderCodeName(UINT code)
    {
        switch (code)
        {
        case HDN_ITEMCHANGINGA:
        case HDN_ITEMCHANGINGW:
            return "changing";
        case HDN_ITEMCHANGEDA:
        case HDN_ITEMCHANGEDW:
            return "changed";
        default:
            return "other";
        }
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingList, CListCtrl)
    ON_NOTIFY(HDN_ITEMCHANGINGA, 0, OnItemChanging)
    ON_NOTIFY(HDN_ITEMCHANGINGW, 0, OnItemChanging)
END_MESSAGE_MAP()

TEST(Reflection, ASubclassedListStillGetsTheHeaderNotificationsItDoesNotTake)
{
    CLoggingParent parent;
    ASSERT_TRUE(parent.CreateTopLevel());
    CRecordingList list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 280, 150), &parent, 5));
    ASSERT_EQ(0, list.InsertColumn(0, "Name", LVCFMT_LEFT, 100));
    CHeaderCtrl* pHeader = list.GetHeaderCtrl();
    ASSERT_NE(nullptr, pHeader);
    list.passedOn.clear();

    HDITEMA item = {};
    item.mask = HDI_WIDTH;
    item.cxy = 150;
    ASSERT_TRUE(pHeader->SetItem(0, &item));

    EXPECT_EQ(1, list.nConsumed);
    std::vector<std::string> passed;
    for (const std::string& s : list.passedOn)
        if (s != "other")
            passed.push_back(s);
    ASSERT_EQ(1u, passed.size());
    EXPECT_EQ("changed", passed[0]);
    EXPECT_EQ(150, list.GetColumnWidth(0));
}

class CRedPainter : public CWnd
{
protected:
    void OnPaint()
    {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        ::FillRect(dc.m_hDC, &rc, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRedPainter, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

TEST(Painting, APaintWithADcInWParamPaintsIntoThatDc)
{
    CLoggingParent parent;
    ASSERT_TRUE(parent.CreateTopLevel());
    CRedPainter painter;
    ASSERT_TRUE(painter.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 20, 20), &parent, 3));
    parent.ShowWindow(SW_SHOWNOACTIVATE);
    ::UpdateWindow(parent.m_hWnd);
    painter.Invalidate(FALSE);

    HDC hScreen = ::GetDC(nullptr);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, 20, 20);
    ::ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    RECT rcAll = { 0, 0, 20, 20 };
    ::FillRect(hMem, &rcAll, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));

    painter.SendMessage(WM_PAINT, (WPARAM)hMem);
    EXPECT_EQ(RGB(0, 0, 0), ::GetPixel(hMem, 0, 0));
    EXPECT_EQ(RGB(0, 0, 0), ::GetPixel(hMem, 19, 19));
    // The window's own update region was not taken by that paint.
    RECT rcUpdate;
    EXPECT_TRUE(::GetUpdateRect(painter.m_hWnd, &rcUpdate, FALSE));

    ::SelectObject(hMem, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMem);
}

TEST(ControlWrappers, ItemTextsOfAnyLengthComeBackWhole)
{
    CLoggingParent parent;
    ASSERT_TRUE(parent.CreateTopLevel());
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 200, 100), &parent, 1));
    list.InsertColumn(0, "A", LVCFMT_LEFT, 50);
    list.InsertColumn(1, "B", LVCFMT_LEFT, 50);
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD, CRect(0, 0, 200, 100), &parent, 2));

    for (int nLength : { 0, 1, 255, 256, 511, 700 })
    {
        SCOPED_TRACE(nLength);
        CString text(std::string((size_t)nLength, 'x').c_str());
        int nItem = list.InsertItem(list.GetItemCount(), "row");
        ASSERT_GE(nItem, 0);
        ASSERT_TRUE(list.SetItemText(nItem, 1, text));
        EXPECT_EQ(text, list.GetItemText(nItem, 1));
        char small[8];
        list.GetItemText(nItem, 1, small, (int)sizeof(small));
        EXPECT_EQ(std::string((size_t)std::min(nLength, 7), 'x'), std::string(small));

        HTREEITEM hItem = tree.InsertItem(text);
        ASSERT_NE(nullptr, hItem);
        EXPECT_EQ(text, tree.GetItemText(hItem));
    }
}

// A target that accepts copies and records what dropped.
class CRecordingTarget : public IDropTarget
{
public:
    std::vector<CLIPFORMAT> offered;
    bool bDropped = false;

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropTarget))
        {
            *ppv = this;
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP DragEnter(IDataObject* pData, DWORD, POINTL, DWORD* pdwEffect) override
    {
        IEnumFORMATETC* pEnum = nullptr;
        if (SUCCEEDED(pData->EnumFormatEtc(DATADIR_GET, &pEnum)))
        {
            FORMATETC format;
            while (pEnum->Next(1, &format, nullptr) == S_OK)
                offered.push_back(format.cfFormat);
            pEnum->Release();
        }
        *pdwEffect &= DROPEFFECT_COPY;
        return S_OK;
    }
    STDMETHODIMP DragOver(DWORD, POINTL, DWORD* pdwEffect) override
    {
        *pdwEffect &= DROPEFFECT_COPY;
        return S_OK;
    }
    STDMETHODIMP DragLeave() override { return S_OK; }
    STDMETHODIMP Drop(IDataObject*, DWORD, POINTL, DWORD* pdwEffect) override
    {
        bDropped = true;
        *pdwEffect &= DROPEFFECT_COPY;
        return S_OK;
    }
};

// Drops, or cancels, at the loop's first question.
class CAtOnceSource : public IDropSource
{
public:
    explicit CAtOnceSource(HRESULT hrAnswer) : m_hrAnswer(hrAnswer) {}
    STDMETHODIMP QueryInterface(REFIID, void** ppv) override
    {
        *ppv = this;
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP QueryContinueDrag(BOOL, DWORD) override { return m_hrAnswer; }
    STDMETHODIMP GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

private:
    HRESULT m_hrAnswer;
};

HGLOBAL GlobalText(const char* text)
{
    size_t n = strlen(text) + 1;
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, n);
    memcpy(::GlobalLock(h), text, n);
    ::GlobalUnlock(h);
    return h;
}

std::string GetText(IDataObject* pData, CLIPFORMAT cf)
{
    FORMATETC format = { cf, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL };
    STGMEDIUM medium = {};
    if (FAILED(pData->GetData(&format, &medium)))
        return "<none>";
    std::string text(static_cast<const char*>(::GlobalLock(medium.hGlobal)));
    ::GlobalUnlock(medium.hGlobal);
    ::ReleaseStgMedium(&medium);
    return text;
}

TEST(OleDataSource, CachedBlocksComeBackAsCopiesAndOutliveTheSource)
{
    ASSERT_TRUE(AfxOleInit());
    CLIPFORMAT cfPrivate = (CLIPFORMAT)::RegisterClipboardFormatA("Tarnix test format");
    IDataObject* pKept = nullptr;
    {
        COleDataSource source;
        source.CacheGlobalData(CF_TEXT, GlobalText("first"));
        source.CacheGlobalData(cfPrivate, GlobalText("private"));
        source.CacheGlobalData(CF_TEXT, GlobalText("second"));   // replaces the first
        IDataObject* pData = source.GetDataObject();

        struct Case
        {
            CLIPFORMAT cf;
            const char* expected;
        };
        const Case cases[] = { { CF_TEXT, "second" }, { cfPrivate, "private" }, { CF_HDROP, "<none>" } };
        for (const Case& c : cases)
        {
            SCOPED_TRACE(c.expected);
            EXPECT_EQ(c.expected, GetText(pData, c.cf));
            EXPECT_EQ(GetText(pData, c.cf), GetText(pData, c.cf));   // a copy each time, the cache stays
        }
        FORMATETC wrongMedium = { CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_ISTREAM };
        EXPECT_EQ(DV_E_FORMATETC, pData->QueryGetData(&wrongMedium));

        pKept = pData;
        pKept->AddRef();
    }
    EXPECT_EQ("private", GetText(pKept, cfPrivate));
    pKept->Release();
}

TEST(OleDataSource, DragLoopReportsTheTargetsEffectOrNoneOnCancel)
{
    ASSERT_TRUE(AfxOleInit());
    CLoggingParent targetWnd;
    ASSERT_TRUE(targetWnd.CreateTopLevel());
    targetWnd.ShowWindow(SW_SHOWNORMAL);
    targetWnd.UpdateWindow();
    CRecordingTarget target;
    ASSERT_EQ(S_OK, ::RegisterDragDrop(targetWnd.m_hWnd, &target));
    CRect rc;
    targetWnd.GetWindowRect(&rc);
    ::SetCursorPos(rc.CenterPoint().x, rc.CenterPoint().y);

    COleDataSource source;
    source.CacheGlobalData(CF_TEXT, GlobalText("dragged"));
    CAtOnceSource cancel(DRAGDROP_S_CANCEL);
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_NONE, source.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE, &cancel));
    EXPECT_FALSE(target.bDropped);

    CAtOnceSource drop(DRAGDROP_S_DROP);
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_COPY, source.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE, &drop));
    EXPECT_TRUE(target.bDropped);
    ASSERT_FALSE(target.offered.empty());
    EXPECT_EQ(CF_TEXT, target.offered[0]);

    ::RevokeDragDrop(targetWnd.m_hWnd);
}

} // namespace common_controls_test
