#include "toolkit/bars/XTCommandItem.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTToolkitString.h"

std::unique_ptr<CXTCommandItem> CXTCommandItem::Clone() const
{
    auto pClone = std::make_unique<CXTCommandItem>();
    pClone->m_strText = m_strText;
    pClone->m_strText2 = m_strText2;
    pClone->m_nID = m_nID;
    if (m_icon.GetHandle() != nullptr)
        pClone->m_icon.SetHandle(::CopyIcon(m_icon));
    if (m_iconHot.GetHandle() != nullptr)
        pClone->m_iconHot.SetHandle(::CopyIcon(m_iconHot));
    if (m_pDropDown != nullptr)
        pClone->m_pDropDown = std::make_unique<CXTButtonInfo>(*m_pDropDown);
    return pClone;
}

CString CXTCommandItem::DisplayName(UINT nID)
{
    CString strFull;
    if (!strFull.LoadString(nID) || strFull.IsEmpty())
    {
        CString strFormat = LoadToolkitString(XT_IDS_NOHELPTOPIC, "No help topic is associated with this item.\nCommand ID %d");
        CString strName;
        strName.Format(strFormat, (int)nID);
        return strName;
    }
    int nNewLine = strFull.Find('\n');
    if (nNewLine < 0)
        return strFull;
    CString strName = strFull.Mid(nNewLine + 1);
    int nEnd = strName.Find('\n');
    return nEnd < 0 ? strName : strName.Left(nEnd);
}
