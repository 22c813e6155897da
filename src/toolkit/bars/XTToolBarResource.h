// The button list of a tool bar resource (type 241): the image size and one
// command id per button, 0 for a separator.
#pragma once

#include <windows.h>

#include <vector>

struct XT_TOOLBAR_RESOURCE
{
    int cxImage = 0;
    int cyImage = 0;
    std::vector<UINT> commands;
};

// Reads both layouts in use: 16-bit words led by version 1 (width, height,
// count, ids), and the 32-bit one that windres writes (width, height, count,
// ids, no version). FALSE when the resource is missing or its size fits neither.
BOOL ReadToolBarResource(HINSTANCE hInst, UINT nIDResource, XT_TOOLBAR_RESOURCE& toolBar);
// The same from the resource's bytes.
BOOL ParseToolBarResource(const void* pData, DWORD cbData, XT_TOOLBAR_RESOURCE& toolBar);
