// What the object windows of a menu page need to know of the program they run
// in: the player and the editor share every window class and differ only here.
// A program installs its own instance once at start-up; until then a neutral
// one is used that sends no click command, keeps the cursor and executes
// nothing.
#pragma once

#include <windows.h>

class CButBasis;

class CObjWndProgram
{
public:
    // Construction
    CObjWndProgram() = default;
    CObjWndProgram(const CObjWndProgram&) = delete;
    CObjWndProgram& operator=(const CObjWndProgram&) = delete;
    virtual ~CObjWndProgram() = default;

    // The program's instance, and its replacement (null restores the neutral
    // one); Set returns the previous instance, which stays its owner's.
    static CObjWndProgram& Get();
    static CObjWndProgram* Set(CObjWndProgram* pProgram);

    // Overridables
    // The command a button sends its page window before each click is
    // executed; 0 sends none.
    virtual UINT GetClickCommand() const { return 0; }
    // The resource id of the program's hand cursor for buttons and links; 0
    // leaves the cursor alone.
    virtual UINT GetHandCursorId() const { return 0; }
    // Whether picture windows load pictures other than BMP files outside
    // design mode.
    virtual BOOL LoadsPicturesInRunMode() const { return TRUE; }
    // Carries out the action of a clicked button; the button has checked that
    // it is enabled and not in design mode.
    virtual void ExecuteButton(CButBasis& /*button*/) {}

    // Operations
    // The hand cursor loaded from the program's resources; null without one.
    HCURSOR LoadHandCursor() const;
};
