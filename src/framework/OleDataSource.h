// Data offered to a drag and drop (or any IDataObject consumer): global memory
// blocks cached by format, handed out as copies.
#pragma once

#include "framework/CmdTarget.h"

#include <ole2.h>

// A DROPEFFECT_... value or a combination of them.
typedef DWORD DROPEFFECT;

class COleDataSource : public CCmdTarget
{
    DECLARE_DYNAMIC(COleDataSource)
public:
    // Construction
    COleDataSource();
    COleDataSource(const COleDataSource&) = delete;
    COleDataSource& operator=(const COleDataSource&) = delete;
    ~COleDataSource() override;

    // Operations
    // Offers the block in this format; the source owns it from now on (and a
    // block cached again for the same format replaces the earlier one).
    void CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc = nullptr);
    void Empty();
    // Runs the drag loop until a drop or a cancel; returns the effect the
    // target chose (DROPEFFECT_NONE on cancel). Without a drop source of the
    // caller's, Escape cancels and releasing the left button drops.
    DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK,
                          IDropSource* pDropSource = nullptr);
    // The data object of this source (no reference added); it outlives the
    // source while a consumer holds a reference.
    IDataObject* GetDataObject() const { return m_pDataObject; }

private:
    IDataObject* m_pDataObject;
};
