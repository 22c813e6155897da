// A tool bar the user made in the customise sheet: it has its own name and
// image lists (filled by the commands dropped on it), may be renamed and
// deleted, and goes with its window.
#pragma once

#include "toolkit/bars/XTToolBar.h"

class CXTCustomToolBar : public CXTToolBar
{
    DECLARE_DYNCREATE(CXTCustomToolBar)
public:
    // Construction: takes part in customisation.
    CXTCustomToolBar();
    ~CXTCustomToolBar() override;

    // Attributes
    const CString& GetName() const { return m_strName; }

    // Operations
    // Sets name and window text (and a floating frame's title).
    void SetName(LPCSTR lpszName);
    // Nothing when the name is the present one.
    void Rename(LPCSTR lpszName);
    // Destroys the bar and removes its stored button set.
    void Delete();

    // Overridables
    void DescribeForSheet(CXTBarInfo& info) override;

protected:
    CString m_strName;
    HIMAGELIST m_hImages;
    HIMAGELIST m_hHotImages;

    void PostNcDestroy() override;
    int OnCreate(LPCREATESTRUCT lpcs);
    DECLARE_MESSAGE_MAP()
};
