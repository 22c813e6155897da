// The canvas's OLE drop target: takes a file dragged from the explorer side
// bar or the shell (CF_HDROP, first file) or a path given as text (CF_TEXT),
// keeps the path and the screen point and tells its view with command 104.
// Every file drag source offers CF_HDROP, so the target takes it as well.
#pragma once

#include "framework/String.h"

#include <ole2.h>

class CWnd;

class CEditorDropTarget : public IDropTarget
{
public:
    CEditorDropTarget() = default;
    CEditorDropTarget(const CEditorDropTarget&) = delete;
    CEditorDropTarget& operator=(const CEditorDropTarget&) = delete;

    // Registers the target for the view's window; Revoke before the window goes.
    BOOL Register(CWnd* pView);
    void Revoke();

    POINT GetDropPoint() const { return m_ptDrop; }
    const CString& GetDroppedPath() const { return m_strPath; }

    // The path a data object carries, empty when it offers neither format.
    static CString PathOf(IDataObject* pData);

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDropTarget
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* pData, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* pData, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;

private:
    virtual ~CEditorDropTarget() = default;
    static BOOL Offers(IDataObject* pData);

    LONG m_nRefs = 1;
    HWND m_hWnd = nullptr;
    BOOL m_bRegistered = FALSE;
    BOOL m_bAccept = FALSE;
    POINT m_ptDrop = { 0, 0 };
    CString m_strPath;
};
