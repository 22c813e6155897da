// A button of a menu page; each button style is a class of its own below it.
#pragma once

#include "shared/menuobj/MObjBasis.h"

class CButBasis;
class CImgBasisButton;
class CMButCreateStruct;

class CMObjButton : public CMObjBasis
{
    DECLARE_DYNAMIC(CMObjButton)
public:
    CMObjButton();
    ~CMObjButton() override;   // deletes the button window

    // Takes the struct's rectangle, the parent and the mode; no window.
    virtual BOOL Create(CMObjCreateStruct* pCrStruct, CWnd* pParent, int nID, COLORREF cr, BOOL bEditMode);
    // Makes the style's window over the struct; FALSE leaves the object
    // without a window.
    virtual BOOL Create(CMButCreateStruct* pCrStruct, CWnd* pParent, int nID, COLORREF cr, BOOL bEditMode) = 0;
    void Select(BOOL bSelected) { SetSelected(bSelected); }

    // Attributes
    CButBasis* GetButtonWnd() const { return m_pButWnd; }

    // Operations
    // Moves and sizes the button window and takes its rectangle back.
    virtual void SetWindowRect(int x, int y, int cx, int cy);
    // The caption font of the button window.
    void SetWindowFont(const CFontDesc& font);

protected:
    // The common steps of the styles' Create: the struct's rectangle, parent
    // and mode, then the window (owned from now on) set up and created as a
    // tab stop child; a window that fails is deleted.
    BOOL CreateButtonWindow(CButBasis* pWnd, CMButCreateStruct* pCrStruct, CWnd* pParent, int nID, BOOL bEditMode);
    // The same for the picture-composed styles, whose window creates itself
    // from the struct with the given id.
    BOOL CreateImageWindow(CImgBasisButton* pWnd, CMButCreateStruct* pCrStruct, CWnd* pParent, int nID,
                           BOOL bEditMode);

    CButBasis* m_pButWnd;         // the button window, made by the style's Create; owned

private:
    void PrepareWindow(CButBasis* pWnd, CMButCreateStruct* pCrStruct, CWnd* pParent, int nID, BOOL bEditMode);
    BOOL TakeWindow(CButBasis* pWnd, BOOL bCreated, const RECT& rcStored);
};
