#include "toolkit/bars/XTToolBarState.h"

#include "toolkit/bars/XTCrc32.h"

#include "framework/Archive.h"
#include "framework/Exceptions.h"
#include "framework/MemFile.h"

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
