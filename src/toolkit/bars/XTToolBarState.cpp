#include "toolkit/bars/XTToolBarState.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTCommandIconMap.h"
#include "toolkit/bars/XTCrc32.h"
#include "toolkit/bars/XTCustomizeManager.h"
#include "toolkit/bars/XTToolBar.h"
#include "toolkit/bars/XTToolBarCustomizer.h"
#include "toolkit/bars/XTToolkitString.h"
#include "toolkit/frame/XTRegistryStore.h"

#include "framework/Archive.h"
#include "framework/Exceptions.h"
#include "framework/MemFile.h"
#include "framework/MessageBox.h"

#include <algorithm>

namespace {

const WORD kVersion = 1;
const DWORD kRecordSize = 40;
// Kind bits of an entry.
const WORD kKindDropDown = 1;
const WORD kKindNoImage = 2;
const WORD kKindImage = 4;

void WriteRecord(CArchive& ar, const CXTButtonInfo& info)
{
    ar << (DWORD)info.nCommandID << (DWORD)info.nMenuID << (DWORD)info.bColorBar << (DWORD)info.bManagerPopup
       << (DWORD)info.bColorPopup << (DWORD)info.bArrow << (DWORD)info.dwPopupStyle << (DWORD)info.clrDefault
       << (DWORD)info.clrSelected << (DWORD)info.nPopupID;
}

void ReadRecord(CArchive& ar, CXTButtonInfo& info)
{
    DWORD d[10];
    for (DWORD& dw : d)
        ar >> dw;
    info.nCommandID = d[0];
    info.nMenuID = d[1];
    info.bColorBar = d[2] != 0;
    info.bManagerPopup = d[3] != 0;
    info.bColorPopup = d[4] != 0;
    info.bArrow = d[5] != 0;
    info.dwPopupStyle = d[6];
    info.clrDefault = d[7];
    info.clrSelected = d[8];
    info.nPopupID = d[9];
}

ULONGLONG Left(const CMemFile& file)
{
    return file.GetLength() - file.GetPosition();
}

} // namespace

std::vector<BYTE> XT_TOOLBAR_STATE::Serialize() const
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << kVersion << (WORD)(bShowText ? 1 : 0);
        ar.WriteCount(kRecordSize);
        ar.WriteCount(entries.size());
        for (const Entry& entry : entries)
        {
            WORD wKind = entry.bDropDown ? kKindDropDown : 0;
            if (entry.iImage == -2)
                wKind |= kKindNoImage;
            else if (entry.iImage >= 0)
                wKind |= kKindImage;
            ar << (DWORD)entry.nID << entry.fsStyle << (DWORD)entry.iImage << wKind;
            if (entry.bDropDown)
                WriteRecord(ar, entry.dropDown);
        }
        ar.WriteCount(texts.size());
        for (const auto& text : texts)
            ar << (DWORD)text.first << text.second;
    }
    return file.GetData();
}

BOOL XT_TOOLBAR_STATE::Parse(const std::vector<BYTE>& blob)
{
    entries.clear();
    texts.clear();
    CMemFile file(blob.data(), (UINT)blob.size());
    try
    {
        CArchive ar(&file, CArchive::load);
        WORD wVersion = 0, wOptions = 0;
        ar >> wVersion >> wOptions;
        if (wVersion != kVersion || ar.ReadCount() != kRecordSize)
            return FALSE;
        bShowText = (wOptions & 1) != 0;
        DWORD_PTR nCount = ar.ReadCount();
        // An entry takes 11 bytes at least.
        if (nCount * 11 > Left(file))
            return FALSE;
        for (DWORD_PTR i = 0; i < nCount; ++i)
        {
            Entry entry;
            DWORD dwID = 0, dwImage = 0;
            WORD wKind = 0;
            ar >> dwID >> entry.fsStyle >> dwImage >> wKind;
            entry.nID = dwID;
            entry.iImage = (int)dwImage;
            entry.bDropDown = (wKind & kKindDropDown) != 0;
            if (entry.bDropDown)
                ReadRecord(ar, entry.dropDown);
            entries.push_back(entry);
        }
        DWORD_PTR nTexts = ar.ReadCount();
        if (nTexts * 5 > Left(file))
            return FALSE;
        for (DWORD_PTR i = 0; i < nTexts; ++i)
        {
            DWORD dwID = 0;
            CString strText;
            ar >> dwID >> strText;
            texts[dwID] = strText;
        }
    }
    catch (CException* e)
    {
        e->Delete();
        entries.clear();
        texts.clear();
        return FALSE;
    }
    return TRUE;
}

std::vector<BYTE> XT_TOOLBAR_STATE::MakeStoredValue(const std::vector<BYTE>& blob, const std::vector<BYTE>& defaultBlob)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << CXTCrc32().Compute(defaultBlob.data(), defaultBlob.size());
        ar.WriteCount(blob.size());
        ar.Write(blob.data(), (UINT)blob.size());
    }
    return CXTCrc32::Seal(file.GetData());
}

BOOL XT_TOOLBAR_STATE::ReadStoredValue(const BYTE* pData, UINT nBytes, const std::vector<BYTE>& defaultBlob,
                                       std::vector<BYTE>& blob)
{
    blob.clear();
    if (nBytes <= 4 || !CXTCrc32::IsSealed(pData, nBytes))
        return FALSE;
    CMemFile file(pData + 4, nBytes - 4);
    try
    {
        CArchive ar(&file, CArchive::load);
        DWORD dwDefaultCrc = 0;
        ar >> dwDefaultCrc;
        if (dwDefaultCrc != CXTCrc32().Compute(defaultBlob.data(), defaultBlob.size()))
            return FALSE;
        DWORD_PTR nLength = ar.ReadCount();
        if (nLength == 0 || nLength > Left(file))
            return FALSE;
        blob.resize(nLength);
        if (ar.Read(blob.data(), (UINT)nLength) != nLength)
        {
            blob.clear();
            return FALSE;
        }
    }
    catch (CException* e)
    {
        e->Delete();
        blob.clear();
        return FALSE;
    }
    return TRUE;
}

// ---------------------------------------------------------------------------
// The bar's images, insertions and stored button set

void CXTToolBar::FixMissingImages()
{
    HIMAGELIST hImages = GetImageList();
    const int nImages = hImages != nullptr ? ImageList_GetImageCount(hImages) : 0;
    std::unique_ptr<CXTCommandIconMap> pAllIcons;
    for (int i = 0; i < ButtonCount(); ++i)
    {
        TBBUTTON button = {};
        if (!SendMessage(TB_GETBUTTON, (WPARAM)i, (LPARAM)&button) || (button.fsStyle & TBSTYLE_SEP) ||
            button.iBitmap < nImages)
            continue;
        if (pAllIcons == nullptr)
        {
            pAllIcons = std::make_unique<CXTCommandIconMap>();
            GetCustomizeManager().m_commandIcons.Raise(*pAllIcons);
        }
        HICON hIcon = nullptr, hIconHot = nullptr;
        if (!pAllIcons->Lookup((UINT)button.idCommand, hIcon, hIconHot))
            continue;
        const int nImage = AppendIcon(hIcon, hIconHot);
        if (nImage < 0)
            continue;
        SendMessage(TB_CHANGEBITMAP, (WPARAM)button.idCommand, MAKELPARAM(nImage, 0));
        if (i < (int)m_arrButtons.size())
            m_arrButtons[i]->m_button.iBitmap = nImage;
    }
}

int CXTToolBar::AppendIcon(HICON hIcon, HICON hIconHot)
{
    HIMAGELIST hImages = GetImageList();
    if (hIcon == nullptr || hImages == nullptr)
        return -2;
    int nImage = ImageList_AddIcon(hImages, hIcon);
    HIMAGELIST hHot = (HIMAGELIST)SendMessage(TB_GETHOTIMAGELIST);
    if (hHot != nullptr && nImage >= 0)
        ImageList_AddIcon(hHot, hIconHot != nullptr ? hIconHot : hIcon);
    return nImage >= 0 ? nImage : -2;
}

BOOL CXTToolBar::InsertEntry(int nIndex, const TBBUTTON& button, std::unique_ptr<CXTButtonInfo> pDropDown)
{
    nIndex = std::max<int>(0, std::min<int>(nIndex, GetCount()));
    TBBUTTON entry = button;
    if (!SendMessage(TB_INSERTBUTTONA, (WPARAM)nIndex, (LPARAM)&entry))
        return FALSE;
    auto pRecord = std::make_unique<CXTToolBarButton>(entry);
    if (pDropDown != nullptr)
        pRecord->SetDropDown(pDropDown.release(), TRUE);
    m_arrButtons.insert(m_arrButtons.begin() + std::min<int>(nIndex, (int)m_arrButtons.size()), std::move(pRecord));
    m_nCount = (int)m_arrButtons.size();
    m_bDelayedLayout = TRUE;
    return TRUE;
}

int CXTToolBar::InsertCommandButton(const CXTCommandItem& item, int nIndex)
{
    TBBUTTON button = {};
    button.iString = -1;
    button.iBitmap = -2;
    button.idCommand = (int)item.m_nID;
    const BOOL bManagerPopup = item.m_pDropDown != nullptr && item.m_pDropDown->bManagerPopup;
    if (bManagerPopup)
    {
        // A range of its own: no program command takes these ids.
        int nLargest = XT_IDC_MANAGERPOPUP_FIRST - 1;
        for (const auto& pRecord : m_arrButtons)
            if (pRecord->GetDropDown() != nullptr && pRecord->GetDropDown()->bManagerPopup)
                nLargest = std::max<int>(nLargest, pRecord->m_button.idCommand);
        if (nLargest >= XT_IDC_MANAGERPOPUP_LAST)
            return -1;
        button.idCommand = nLargest + 1;
    }
    else if (item.m_nID == 0)
        return -1;
    CString strText;
    // The image lists take copies of the item's icons.
    if (item.m_icon.GetHandle() != nullptr)
        button.iBitmap = AppendIcon(item.m_icon.GetHandle(), item.m_iconHot.GetHandle());
    if (button.iBitmap < 0 || m_bImageAndText)
        strText = !item.m_strText2.IsEmpty() ? item.m_strText2 : item.m_strText;
    if (!strText.IsEmpty())
        button.fsStyle |= TBSTYLE_AUTOSIZE;
    std::unique_ptr<CXTButtonInfo> pDropDown;
    if (item.m_pDropDown != nullptr)
    {
        button.fsStyle |= TBSTYLE_DROPDOWN | (bManagerPopup ? BTNS_WHOLEDROPDOWN : 0);
        pDropDown = std::make_unique<CXTButtonInfo>(*item.m_pDropDown);
        pDropDown->nCommandID = (UINT)button.idCommand;
    }
    const BOOL bArrow = pDropDown != nullptr && pDropDown->bArrow;
    nIndex = std::max<int>(0, std::min<int>(nIndex, GetCount()));
    if (!InsertEntry(nIndex, button, std::move(pDropDown)))
        return -1;
    if (!strText.IsEmpty())
    {
        EnableTextLabels();
        SetButtonText(nIndex, strText);
    }
    if (bArrow)
    {
        SendMessage(TB_SETEXTENDEDSTYLE, 0, SendMessage(TB_GETEXTENDEDSTYLE) | TBSTYLE_EX_DRAWDDARROWS);
        PostRelayout();
    }
    if (GetParentFrame() != nullptr)
    {
        m_bDelayedLayout = TRUE;
        FixListStyleButtons();
        PostRelayout();
    }
    return nIndex;
}

void CXTToolBar::CollectIcons(CXTCommandIconMap& map)
{
    HIMAGELIST hImages = GetImageList();
    if (hImages == nullptr)
        return;
    HIMAGELIST hHot = (HIMAGELIST)SendMessage(TB_GETHOTIMAGELIST);
    auto add = [&](UINT nID, BYTE fsStyle, int iImage) {
        if (nID == 0 || iImage < 0 || (fsStyle & TBSTYLE_SEP) || iImage >= ImageList_GetImageCount(hImages))
            return;
        HICON hIcon = ImageList_GetIcon(hImages, iImage, ILD_NORMAL);
        HICON hIconHot = hHot != nullptr && iImage < ImageList_GetImageCount(hHot)
                             ? ImageList_GetIcon(hHot, iImage, ILD_NORMAL)
                             : nullptr;
        map.SetAt(nID, hIcon, hIconHot);
    };
    XT_TOOLBAR_STATE state;
    if (m_bHasDefaultState && state.Parse(m_defaultState) && !state.entries.empty())
    {
        for (const XT_TOOLBAR_STATE::Entry& entry : state.entries)
            add(entry.nID, entry.fsStyle, entry.iImage);
        return;
    }
    for (int i = 0; i < GetCount(); ++i)
    {
        TBBUTTON button;
        if (GetControlButton(i, &button))
            add((UINT)button.idCommand, button.fsStyle, button.iBitmap);
    }
}

std::vector<BYTE> CXTToolBar::SerializeState() const
{
    XT_TOOLBAR_STATE state;
    state.bShowText = m_bShowText;
    for (int i = 0; i < ButtonCount(); ++i)
    {
        TBBUTTON button;
        if (!GetControlButton(i, &button))
            break;
        XT_TOOLBAR_STATE::Entry entry;
        entry.nID = (UINT)button.idCommand;
        entry.fsStyle = button.fsStyle;
        entry.iImage = button.iBitmap;
        if (i < (int)m_arrButtons.size() && m_arrButtons[(size_t)i]->GetDropDown() != nullptr &&
            !(button.fsStyle & TBSTYLE_SEP))
        {
            entry.bDropDown = TRUE;
            entry.dropDown = *m_arrButtons[(size_t)i]->GetDropDown();
        }
        state.entries.push_back(entry);
        if (button.iString != -1 && !(button.fsStyle & TBSTYLE_SEP))
        {
            auto text = m_mapCommandText.find((UINT)button.idCommand);
            if (text != m_mapCommandText.end())
                state.texts[(UINT)button.idCommand] = text->second;
        }
    }
    return state.Serialize();
}

const std::vector<BYTE>& CXTToolBar::GetDefaultState()
{
    if (!m_bHasDefaultState)
    {
        m_defaultState = SerializeState();
        m_bHasDefaultState = TRUE;
    }
    return m_defaultState;
}

BOOL CXTToolBar::SaveBarState(LPCSTR lpszSection, LPCSTR lpszValue)
{
    std::vector<BYTE> blob = SerializeState();
    if (!m_bHasDefaultState)
    {
        m_defaultState = blob;
        m_bHasDefaultState = TRUE;
    }
    std::vector<BYTE> value = XT_TOOLBAR_STATE::MakeStoredValue(blob, m_defaultState);
    return CXTRegistryStore(HKEY_CURRENT_USER).WriteProfileBinary(lpszSection, lpszValue, value.data(), (UINT)value.size());
}

void CXTToolBar::LoadDockState()
{
    if (!m_bCustomizable || m_hWnd == nullptr)
        return;
    // A bar in a rebar band has the band for its parent: its frame decides.
    if (GetParentFrame() == nullptr || GetParent() == nullptr)
        ModifyStyle(CCS_ADJUSTABLE | TBSTYLE_ALTDRAG, 0);
    else
    {
        if (!m_strSettingsPath.IsEmpty())
            LoadBarState(LoadToolkitString(XT_IDS_SETTINGS, "Settings"), m_strValueName);
        PostRelayout();
    }
    RepositionControls();
}

BOOL CXTToolBar::LoadBarState(LPCSTR lpszSection, LPCSTR lpszValue)
{
    const std::vector<BYTE>& defaultBlob = GetDefaultState();
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    if (!CXTRegistryStore(HKEY_CURRENT_USER).GetProfileBinary(lpszSection, lpszValue, &pData, &nBytes))
        return FALSE;
    std::vector<BYTE> blob;
    BOOL bRead = XT_TOOLBAR_STATE::ReadStoredValue(pData, nBytes, defaultBlob, blob);
    delete[] pData;
    return bRead && ApplyState(blob);
}

BOOL CXTToolBar::ApplyState(const std::vector<BYTE>& blob)
{
    XT_TOOLBAR_STATE state;
    if (!state.Parse(blob))
        return FALSE;
    // The images of the bar's own commands, and the icons of every bar for
    // commands that came from elsewhere.
    std::map<UINT, int> ownImages;
    XT_TOOLBAR_STATE defaults;
    if (defaults.Parse(GetDefaultState()))
        for (const XT_TOOLBAR_STATE::Entry& entry : defaults.entries)
            if (!(entry.fsStyle & TBSTYLE_SEP) && entry.iImage >= 0)
                ownImages[entry.nID] = entry.iImage;
    CXTCommandIconMap allIcons;
    BOOL bIconsCollected = FALSE;

    m_bShowText = state.bShowText;
    if (m_bShowText)
        ModifyStyle(0, TBSTYLE_LIST);
    std::vector<TBBUTTON> buttons;
    std::vector<std::unique_ptr<CXTButtonInfo>> dropDowns;
    BOOL bArrows = FALSE;
    for (const XT_TOOLBAR_STATE::Entry& entry : state.entries)
    {
        TBBUTTON button = {};
        button.idCommand = (int)entry.nID;
        button.fsStyle = entry.fsStyle;
        button.fsState = TBSTATE_ENABLED;
        button.iString = -1;
        button.iBitmap = entry.iImage;
        std::unique_ptr<CXTButtonInfo> pDropDown;
        if (!(entry.fsStyle & TBSTYLE_SEP))
        {
            auto own = ownImages.find(entry.nID);
            if (entry.bDropDown)
            {
                pDropDown = std::make_unique<CXTButtonInfo>(entry.dropDown);
                pDropDown->nCommandID = entry.nID;
                bArrows = bArrows || pDropDown->bArrow;
            }
            if (own != ownImages.end())
                button.iBitmap = own->second;
            else if (entry.bDropDown && entry.dropDown.bManagerPopup)
                button.iBitmap = -2;
            else
            {
                if (!bIconsCollected)
                {
                    GetCustomizeManager().m_commandIcons.Raise(allIcons);
                    bIconsCollected = TRUE;
                }
                HICON hIcon = nullptr, hIconHot = nullptr;
                button.iBitmap = allIcons.Lookup(entry.nID, hIcon, hIconHot)
                                     ? AppendIcon(hIcon, hIconHot)
                                     : -2;
            }
        }
        buttons.push_back(button);
        dropDowns.push_back(std::move(pDropDown));
    }
    if (bArrows)
        SendMessage(TB_SETEXTENDEDSTYLE, 0, SendMessage(TB_GETEXTENDEDSTYLE) | TBSTYLE_EX_DRAWDDARROWS);
    // The child controls stay with the bar: each goes back onto its separator.
    std::vector<std::pair<CWnd*, BOOL>> controls;
    for (const auto& pRecord : m_arrButtons)
        if (pRecord->m_pControl != nullptr)
            controls.emplace_back(pRecord->m_pControl, pRecord->m_bAltFont);
    while (ButtonCount() > 0)
        SendMessage(TB_DELETEBUTTON, 0);
    m_mapTextIndex.clear();
    m_mapHidden.clear();
    m_arrButtons.clear();
    const BOOL bAdded =
        buttons.empty() || SendMessage(TB_ADDBUTTONSA, (WPARAM)buttons.size(), (LPARAM)buttons.data());
    RebuildButtonRecords();
    ReattachControls(controls);
    if (!bAdded)
        return FALSE;
    for (size_t i = 0; i < dropDowns.size() && i < m_arrButtons.size(); ++i)
        if (dropDowns[i] != nullptr)
            m_arrButtons[i]->SetDropDown(dropDowns[i].release(), TRUE);
    for (const auto& text : state.texts)
    {
        int nIndex = CommandToIndex(text.first);
        if (nIndex >= 0)
            SetButtonText(nIndex, text.second);
    }
    m_bDelayedLayout = TRUE;
    return TRUE;
}

void CXTToolBar::ReattachControls(const std::vector<std::pair<CWnd*, BOOL>>& controls)
{
    for (const auto& control : controls)
    {
        CWnd* pControl = control.first;
        if (pControl->m_hWnd == nullptr)
            continue;
        const int nIndex = CommandToIndex((UINT)pControl->GetDlgCtrlID());
        if (nIndex < 0 || nIndex >= (int)m_arrButtons.size())
        {
            // The set has no place for it.
            pControl->ShowWindow(SW_HIDE);
            continue;
        }
        m_arrButtons[(size_t)nIndex]->m_pControl = pControl;
        m_arrButtons[(size_t)nIndex]->m_bAltFont = control.second;
        PositionControl(pControl);
    }
}

void CXTToolBar::ResetToDefault(BOOL bAsk)
{
    if (bAsk)
    {
        CString strAsk = LoadToolkitString(XT_IDS_RESETTOOLBAR,
                                           "This will restore the toolbar to it's original state, do you wish to continue?");
        if (AfxMessageBox(strAsk, MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
            return;
    }
    ShowAllHidden();
    ApplyState(GetDefaultState());
    if (m_pCustomizer != nullptr)
        m_pCustomizer->ClearSelection();
    FixListStyleButtons();
    RepositionControls();
    PostRelayout();
}
