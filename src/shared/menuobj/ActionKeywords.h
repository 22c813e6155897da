// Button actions: codes, the keywords of the project file and of popup items,
// the editor's captions, and the text form of one popup-menu item.
#pragma once

#include "framework/Afx.h"

// Action codes of a button (m_nAction of its create struct).
enum
{
    ACTION_NONE = 0,
    ACTION_NEWPAGE = 1,
    ACTION_MESSAGE = 2,
    ACTION_PLAYAVI = 3,
    ACTION_EXIT = 4,
};

int GetActionCount();

// Code of a keyword, German or English, in any case, after leading blanks;
// text after the keyword is ignored and an unknown word gives ACTION_NONE.
int ParseActionKeyword(const CString& strKeyword);

// The keyword written for a code ("NONE" for unknown codes).
void GetActionKeyword(int nCode, CString& strKeyword);

// Where a program keeps its action captions: string ids by action code.
struct ActionCaptionIds
{
    UINT nNone;
    UINT nNewPage;
    UINT nMessage;
    UINT nPlayAvi;
    UINT nExit;
};

// The caption shown for a code, from the program's string table (under its
// ids) in the interface language; the caption of ACTION_NONE for unknown codes.
void GetActionCaption(int nCode, const ActionCaptionIds& ids, CString& strCaption);

// One popup item: "TEXT=" caption ":DOCUMENT=" document ":APPLICATION="
// application ":PARAMETER=" parameter ":FUNCTION=" keyword. Fields whose
// marker is missing keep what the caller passed in.
void ParsePopupItem(const CString& strItem, CString& strText, CString& strDocument,
                    CString& strApplication, CString& strParameter, CString& strKeyword, int& nCode);
void ComposePopupItem(CString& strItem, const CString& strText, const CString& strDocument,
                      const CString& strApplication, const CString& strParameter, int nCode);

// The caption of an item text: what stands between a leading "TEXT=" and the
// first ":DOCUMENT="; empty when the item does not begin with "TEXT=".
CString GetPopupItemCaption(const CString& strItem);
