// The window of a video clip on a menu page: an animation control sized to the
// clip's frame that stands on the clip's first frame. In design mode it hands
// its mouse button and key input to the page window, so that the object can
// be selected and moved there.
#pragma once

#include "framework/Afx.h"

class CMObjCreateStruct;

// What a clip in design mode sends its page window with WM_TARNIX_AVIINPUT
// (the record's address in lParam) for each mouse button and key message.
struct AVI_INPUT_RECORD
{
    HWND hWnd;
    UINT nID;
    int nEvent;                      // one of the AVIINPUT_ codes
    int x;                           // the mouse in the page's coordinates; 0 for keys
    int y;
    UINT nFlags;                     // the message's mouse or key flags
    UINT nVirtKey;                   // keys only
    CMObjCreateStruct* pCrStruct;    // keys only
};

enum
{
    AVIINPUT_LBUTTONDOWN = -2,
    AVIINPUT_RBUTTONDOWN = -5,
    AVIINPUT_RBUTTONUP = -12,
    AVIINPUT_LBUTTONUP = -13,
    AVIINPUT_KEYUP = -14,
    AVIINPUT_KEYDOWN = -15,
};

class CAviCtrl : public CAnimateCtrl
{
    DECLARE_DYNAMIC(CAviCtrl)
public:
    // Construction
    CAviCtrl() = default;
    ~CAviCtrl() override;   // destroys the window

    // Creates the clip at the create struct's top-left corner with its style,
    // id, file and colour; FALSE when the file is no AVI clip.
    virtual BOOL CreateFromStruct(CMObjCreateStruct* pStruct, CWnd* pParent);
    // Creates the clip at (x, y) in the size of its frame.
    virtual BOOL CreateAt(DWORD dwStyle, int x, int y, CWnd* pParent, UINT nID, LPCSTR lpszFile,
                          COLORREF crBackground);
    // Creates the control over the rectangle and opens the clip on it. A clip
    // the control cannot open still gets its window.
    virtual BOOL CreateClip(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID, LPCSTR lpszFile,
                            COLORREF crBackground);

    // Attributes
    void SetCreateStruct(CMObjCreateStruct* pStruct) { m_pCrStruct = pStruct; }
    void SetEditMode(BOOL bEditMode) { m_bEditMode = bEditMode; }
    int GetFrameWidth() const { return m_nFrameWidth; }
    int GetFrameHeight() const { return m_nFrameHeight; }
    BOOL IsProbed() const { return m_bProbed; }
    BOOL IsClipOpen() const { return m_bClipOpen; }
    const CString& GetCodec() const { return m_strCodec; }
    const CString& GetFile() const { return m_strFile; }
    int GetRepeat() const { return m_nRepeat; }
    BOOL IsMouseOver() const { return m_bMouseOver; }

    // Operations
    // Reads the clip's headers; on success keeps its frame size and codec.
    BOOL ProbeFile(LPCSTR lpszFile);
    // As ProbeFile, and TRUE only for clips the animation control plays:
    // uncompressed or run-length encoded ones.
    BOOL IsPlayableFile(LPCSTR lpszFile);
    // Probes the clip; warns that the file cannot be opened when it is no
    // readable AVI clip.
    static BOOL CheckAviFile(CString strFile);

protected:
    // HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnRButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnMove(int x, int y);

    DECLARE_MESSAGE_MAP()

private:
    // Design mode hands a mouse button to the page; run mode handles it. Both
    // repaint the object afterwards.
    void MouseButton(int nEvent, UINT nFlags, CPoint point);
    // Design mode hands a key to the page; run mode handles it.
    void Key(int nEvent, UINT nChar, UINT nFlags);
    void SendInput(AVI_INPUT_RECORD& record);
    // The object's rectangle in the page: the create struct's once it is set.
    RECT ObjectRect() const;
    void Repaint();

    COLORREF m_crBackground = 0;
    int m_nFrameWidth = 0;
    int m_nFrameHeight = 0;
    BOOL m_bProbed = FALSE;
    CString m_strCodec;
    CString m_strFile;
    RECT m_rcCreate = { 0, 0, 0, 0 };
    int m_nRepeat = -1;
    CMObjCreateStruct* m_pCrStruct = nullptr;   // not owned
    BOOL m_bEditMode = FALSE;
    BOOL m_bMouseOver = FALSE;
    BOOL m_bLButtonHeld = FALSE;
    BOOL m_bClipOpen = FALSE;
};
