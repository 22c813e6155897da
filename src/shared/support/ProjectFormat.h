// The layout of a project file (the main page file and every sub-page file):
// section and key names, keywords and the rules of their values, shared by
// the editor's writer and reader and the player's reader.
//
// A file is 8-bit ANSI text; every line the editor writes ends with CR LF, and
// readers take CR LF, LF and a lone CR alike. A section is its
// "[NAME]" header, its KEY=value lines and a closing line holding one blank.
// Names and keys are matched without regard to case; values keep their case.
// Effect keywords: TextEffectName and ParseTextEffect (shared/support/TextEffect.h);
// action keywords: GetActionKeyword and ParseActionKeyword (ActionKeywords.h).
#pragma once

#include "framework/Afx.h"

namespace ProjectFormat {

// File level
inline constexpr char kLineEnd[] = "\r\n";
inline constexpr char kSectionEnd[] = " ";         // the line that closes every section
inline constexpr char kDefaultFileName[] = "Velconf.ini";
inline constexpr char kCurrentDir[] = "_CURRENTDIR_";  // stands for the project folder in paths
// A file holding this section is read by the editor in whole-file mode; it
// answers as every other way of reading does.
inline constexpr char kWholeFileHead[] = "[TARNIXPRO]";

// Sections, in the order written
inline constexpr char kSecHead[] = "Tarnix";         // opens every file the editor writes
inline constexpr char kKeyInternet[] = "INTERNET";
inline constexpr char kKeyEmail[] = "EMAIL";
inline constexpr char kKeyVersion[] = "VERSION";   // a page the editor wrote: kEditorVersionPrefix, version, label
inline constexpr char kEditorVersionPrefix[] = "Tarnix Editor ";
inline constexpr char kKeyFileVersion[] = "FILEVERSION";
inline constexpr char kKeyLanguage[] = "LANGUAGE";   // also in kSecPlayerLanguage

inline constexpr char kSecMenuType[] = "MENUTYPE";
inline constexpr char kKeyType[] = "TYPE";
inline constexpr char kKeyMain[] = "MAIN";           // main file name, written for levels other than 0
inline constexpr char kKeyLevel[] = "LEVEL";
inline constexpr char kMainMenu[] = "MAINMENU";
inline constexpr char kSubMenu[] = "SUBMENU";

inline constexpr char kSecWindowPos[] = "WINDOWPOS";  // X, Y; both empty for a centred window
inline constexpr char kSecWindowSize[] = "WINDOWSIZE";
inline constexpr char kKeySizeType[] = "SIZETYPE";   // 1: W by H; 0: the background image's size

inline constexpr char kSecWindowBgColor[] = "WINDOWBGCOLOR";

inline constexpr char kSecWindow[] = "WINDOW";
inline constexpr char kKeyBorder[] = "BORDER";
inline constexpr char kKeyCornerWidth[] = "CORNERWIDTH";
inline constexpr char kKeyCornerHeight[] = "CORNERHEIGHT";
inline constexpr char kKeyTitle[] = "TITLE";
inline constexpr char kKeyEscExit[] = "ESCEXIT";
inline constexpr char kKeyError[] = "ERROR";
inline constexpr char kKeyImage[] = "IMAGE";
inline constexpr char kKeyImageFile[] = "IMAGEFILE";
inline constexpr char kKeyImageX[] = "IMAGE_X";
inline constexpr char kKeyImageY[] = "IMAGE_Y";
inline constexpr char kKeyImagePos[] = "IMAGE_POS";  // 1 centres the image
inline constexpr char kKeyImageRepeat[] = "IMAGE_REPEAT";  // read, never written

inline constexpr char kSecDesktop[] = "DESKTOP";
inline constexpr char kKeyPaint[] = "PAINT";

inline constexpr char kSecSound[] = "SOUND";
inline constexpr char kKeyFile[] = "FILE";
inline constexpr char kKeyRepeat[] = "REPEAT";
inline constexpr char kKeyKeyClick[] = "KEYCLICK";
inline constexpr char kKeyKeyOver[] = "KEYOVER";

inline constexpr char kSecButtons[] = "BUTTONS";
inline constexpr char kKeyBrightness[] = "BRIGHTNESS";
inline constexpr char kKeyHover[] = "HOOVER";

// "BUTTON%d" from 1 on
inline constexpr char kKeyDocument[] = "DOKUMENT";
inline constexpr char kKeyApplication[] = "APPLIKATION";
inline constexpr char kKeyParameter[] = "PARAMETER";
inline constexpr char kKeyFunction[] = "FUNKTION";
inline constexpr char kKeyStyle[] = "STYLE";         // also a font key
inline constexpr char kStyleWindows[] = "WINDOWS";   // the standard look, read for a missing style
inline constexpr char kKeyBitmap[] = "BMP";
inline constexpr char kKeyToolTip[] = "TOOLTIP";
inline constexpr char kKeyStopSound[] = "STOPSOUND";
inline constexpr char kKeyStartSound[] = "STARTSOUND";
inline constexpr char kKeySoundFile[] = "SOUNDFILE";
// A function read as this keyword plays its document as the button's sound.
inline constexpr char kPlaySound[] = "PLAYSOUND";

// "POPUPMENU%02d" right after its button's section, with one "ITEM%02d" line
inline constexpr char kPopupDocumentPrefix[] = "<POPUPMENU";
inline constexpr char kListBoxDocument[] = "<LISTBOX>";

// "TEXT%d" and "TEXTFELD%d" from 1 on
inline constexpr char kKeyScrollHorz[] = "BILDLAUF_HOR";
inline constexpr char kKeyScrollVert[] = "BILDLAUF_VER";

inline constexpr char kSecWelcome[] = "WELCOME";
inline constexpr char kKeyText1[] = "TEXT1";
inline constexpr char kKeyText2[] = "TEXT2";
inline constexpr char kKeyText3[] = "TEXT3";
inline constexpr char kKeyText4[] = "TEXT4";
inline constexpr LPCSTR kWelcomeTextKeys[] = { kKeyText1, kKeyText2, kKeyText3, kKeyText4 };
inline constexpr char kKeyIcon[] = "ICON";
inline constexpr char kKeyTime[] = "TIME";

inline constexpr char kSecToolTip[] = "TOOLTIP";
inline constexpr char kKeyCenter[] = "CENTER";
inline constexpr char kKeyBgTransparent[] = "BGTRANSPARENT";
inline constexpr char kKeyDefaultText[] = "DEFAULTTEXT";

// Read only: the player's language and the editor's one image object ("IMAGE%d", number 1).
// The language's section is also the head of a whole-file project.
inline constexpr char kSecPlayerLanguage[] = "TarnixPro";

// Keys found in several sections
inline constexpr char kKeyEnable[] = "ENABLE";
inline constexpr char kKeyX[] = "X";
inline constexpr char kKeyY[] = "Y";
inline constexpr char kKeyW[] = "W";
inline constexpr char kKeyH[] = "H";
inline constexpr char kKeyText[] = "TEXT";
inline constexpr char kKeyRed[] = "RED";
inline constexpr char kKeyGreen[] = "GREEN";
inline constexpr char kKeyBlue[] = "BLUE";

// Fonts: keys with one prefix; the style and the colour keys are kKeyStyle
// and kKeyRed, kKeyGreen, kKeyBlue.
inline constexpr char kFontKeyName[] = "NAME";
inline constexpr char kFontKeySize[] = "SIZE";
inline constexpr char kFontKeyItalic[] = "ITALIC";
inline constexpr char kFontKeyUnderline[] = "UNDERLINE";
inline constexpr char kFontKeyEffect[] = "EFFECT";
inline constexpr char kFontButton[] = "BUTTON_FONT_";
inline constexpr char kFontIdle[] = "IDLE_FONT_";     // hypertext buttons only
inline constexpr char kFontOver[] = "OVER_FONT_";
inline constexpr char kFontDown[] = "DOWN_FONT_";
inline constexpr char kFontText[] = "TEXT_FONT_";
inline constexpr char kFontToolTip[] = "TOOLTIP_FONT_";

// Limits that readers apply
inline constexpr int kMaxCorner = 512;       // CORNERWIDTH and CORNERHEIGHT from 0
inline constexpr int kMinWelcomeTime = 1;    // seconds
inline constexpr int kMaxWelcomeTime = 20;
// The longest path or link text readers take (DOKUMENT, APPLIKATION,
// PARAMETER, SOUNDFILE): a play-sound button's DOKUMENT is written back as
// its SOUNDFILE.
inline constexpr int kMaxLinkChars = 298;

// Numbered sections and keys
CString ButtonSection(int nNumber);      // "BUTTON1" ...
CString TextSection(int nNumber);        // "TEXT1" ...
CString TextFieldSection(int nNumber);   // "TEXTFELD1" ...
CString ImageSection(int nNumber);       // "IMAGE1"
CString PopupSection(int nNumber);       // "POPUPMENU00" ...
CString PopupItemKey(int nNumber);       // "ITEM00" ...

// Whether a head's VERSION says the editor wrote the page: it begins with
// kEditorVersionPrefix, in any letter case.
BOOL IsEditorVersion(const CString& strVersion);

// The menu type keyword of a page level: level 0 is the main page.
LPCSTR MenuTypeKeyword(int nLevel);

// The style keyword of a style text by its first letter ("WINDOWS" for any
// letter but B, D, H, I, M, O); readers take the keyword's first letter.
LPCSTR StyleKeyword(const CString& strStyle);

// Popup references: "<POPUPMENU%02d>" names popup section nn.
CString PopupDocument(int nNumber);
BOOL IsPopupDocument(const CString& strDocument);
// The two digits after "<POPUPMENU"; -1 for any other text.
int GetPopupNumber(const CString& strDocument);

// DEFAULTTEXT holds one line: each line break becomes a backslash and "n".
CString EncodeLineBreaks(const CString& strText);
// The reverse: each backslash and "n" becomes the line break the reader uses.
CString DecodeLineBreaks(const CString& strText, LPCSTR lpszBreak);

} // namespace ProjectFormat
