// Texts the editor's dialogs share: the captions of the text effects and two
// messages about files (the interface language's name is in UiLanguage.h).
#pragma once

#include "editor/dialogs/UiLanguage.h"
#include "framework/String.h"

// The three text effects (codes of shared/support/TextEffect.h) and their
// captions from the string table: "Normal", "Erhaben", "Geprägt"; unknown
// codes give the caption of "none".
int GetTextEffectCount();
void GetTextEffectCaption(int nEffect, CString& strCaption);

// The caption of an action code from the editor's string table.
void GetEditorActionCaption(int nCode, CString& strCaption);

// "The given file cannot be opened" with the name; the box's result.
int ShowFileMessage(const CString& strFileName);
// The starter program of documents is not in the project folder.
int ShowStarterNotInProject();
