#include "shared/menuobj/TextFontDesc.h"

#include "framework/FontDialog.h"
#include "framework/Wnd.h"

CTextFontDesc::CTextFontDesc()
    : m_logFont(), m_strStyle("NORMAL"), m_nSize(16), m_nWeight(FW_NORMAL), m_crColor(RGB(0, 0, 0)),
      m_pOwner(AfxGetMainWnd())
{
    lstrcpynA(m_logFont.lfFaceName, "Arial", LF_FACESIZE);
    m_logFont.lfHeight = m_nSize;
    m_logFont.lfWeight = m_nWeight;
}

INT_PTR CTextFontDesc::ChooseFont(const LOGFONTA& logFont)
{
    m_logFont = logFont;
    CFontDialog dlg(&m_logFont, CF_SCREENFONTS | CF_EFFECTS, nullptr, m_pOwner);
    dlg.m_cf.rgbColors = m_crColor;
    INT_PTR nResult = dlg.DoModal();
    if (nResult == IDOK)
    {
        dlg.GetCurrentFont(&m_logFont);
        m_crColor = dlg.GetColor();
    }
    return nResult;
}
