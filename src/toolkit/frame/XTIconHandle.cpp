#include "toolkit/frame/XTIconHandle.h"

#include <commctrl.h>

namespace {

long g_nLiveIcons = 0;

} // namespace

CXTIconHandle::~CXTIconHandle()
{
    SetHandle(nullptr);
}

void CXTIconHandle::SetHandle(HICON hIcon)
{
    if (m_hIcon == hIcon)
        return;
    if (m_hIcon != nullptr)
    {
        ::DestroyIcon(m_hIcon);
        --g_nLiveIcons;
    }
    if (hIcon != nullptr)
        ++g_nLiveIcons;
    m_hIcon = hIcon;
}

long CXTIconHandle::GetLiveCount()
{
    return g_nLiveIcons;
}

CSize CXTIconHandle::GetExtent(HICON hIcon)
{
    ICONINFO info = {};
    if (hIcon == nullptr || !::GetIconInfo(hIcon, &info))
        return CSize(0, 0);
    CSize size(0, 0);
    BITMAP bm = {};
    if (info.hbmMask != nullptr && ::GetObjectA(info.hbmMask, sizeof(bm), &bm) == sizeof(bm))
    {
        // A monochrome icon keeps its AND and XOR halves one above the other in the mask.
        size = CSize(bm.bmWidth, info.hbmColor != nullptr ? bm.bmHeight : bm.bmHeight / 2);
    }
    if (info.hbmMask != nullptr)
        ::DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr)
        ::DeleteObject(info.hbmColor);
    return size;
}

HICON CXTIconHandle::ScaleToFit(HICON hIcon, int cx, int cy)
{
    CSize size = GetExtent(hIcon);
    if (cx <= 0 || cy <= 0 || size.cx <= 0 || size.cy <= 0)
        return nullptr;
    int nSide = cx * size.cy - cy * size.cx;
    if (nSide < 0)
        cy = ::MulDiv(size.cy, cx, size.cx);
    else if (nSide > 0)
        cx = ::MulDiv(size.cx, cy, size.cy);
    HIMAGELIST hList = ImageList_Create(cx, cy, ILC_COLOR | ILC_MASK, 1, 0);
    if (hList == nullptr)
        return nullptr;
    HICON hScaled = nullptr;
    if (ImageList_ReplaceIcon(hList, -1, hIcon) >= 0)
        hScaled = ImageList_GetIcon(hList, 0, ILD_NORMAL);
    ImageList_Destroy(hList);
    return hScaled;
}

HICON CXTIconHandle::ShrinkToFit(HICON hIcon, int cx, int cy, CXTIconHandle& holder)
{
    const CSize size = GetExtent(hIcon);
    if (size.cx <= cx && size.cy <= cy)
        return hIcon;
    holder.SetHandle(ScaleToFit(hIcon, cx, cy));
    return holder.GetHandle();
}
