// The English library beside the editor against the editor's own resources,
// both read back from the built files: every resource exists on both sides,
// dialogs carry the same controls, menus and accelerators the same commands,
// and strings the same format specifiers in the same order; the editor's own
// resources are all of its one language.
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using testing_support::ProgramFolder;

namespace {

typedef std::pair<std::string, std::string> ResourceKey; // type, name

std::string ResName(LPCSTR lpsz)
{
    return IS_INTRESOURCE(lpsz) ? std::to_string((unsigned)(ULONG_PTR)lpsz) : std::string(lpsz);
}

std::string Narrow(const WCHAR* p, size_t n)
{
    std::string s;
    for (size_t i = 0; i < n; ++i)
        s += p[i] < 128 ? (char)p[i] : '?';
    return s;
}

// Reads a classic menu template: every item as its nesting, kind and command.
void ReadMenuItems(const WORD*& p, const WORD* pEnd, int nDepth, std::vector<std::string>& items)
{
    while (p < pEnd)
    {
        WORD wFlags = *p++;
        std::string item = std::string(nDepth * 2, ' ');
        if (wFlags & MF_POPUP)
            item += "popup";
        else
        {
            item += (p < pEnd && *p == 0 && (wFlags & MF_SEPARATOR)) ? "separator " : "item ";
            item += std::to_string(p < pEnd ? *p : 0);
            ++p;
        }
        item += (wFlags & MF_GRAYED) ? " grayed" : "";
        items.push_back(item);
        while (p < pEnd && *p != 0)
            ++p;
        ++p;
        if (wFlags & MF_POPUP)
            ReadMenuItems(p, pEnd, nDepth + 1, items);
        if (wFlags & MF_END)
            return;
    }
}

const WORD* SkipSzOrOrd(const WORD* p, std::string* pText = nullptr)
{
    if (*p == 0xFFFF)
    {
        if (pText)
            *pText = "#" + std::to_string(p[1]);
        return p + 2;
    }
    const WORD* pStart = p;
    while (*p)
        ++p;
    if (pText)
        *pText = Narrow((const WCHAR*)pStart, p - pStart);
    return p + 1;
}

const WORD* AlignDword(const WORD* p)
{
    return (const WORD*)(((ULONG_PTR)p + 3) & ~(ULONG_PTR)3);
}

// An extended dialog template's style and its controls as id, class and style.
std::vector<std::string> ReadDialog(const BYTE* pData, DWORD dwSize)
{
    std::vector<std::string> parts;
    const WORD* p = (const WORD*)pData;
    if (dwSize < 26 || p[0] != 1 || p[1] != 0xFFFF)
        return { "not an extended template" };
    DWORD dwStyle = *(const DWORD*)(p + 6);
    WORD cItems = p[8];
    std::ostringstream head;
    head << "dialog style " << std::hex << dwStyle << " items " << std::dec << cItems;
    parts.push_back(head.str());
    p += 13;
    p = SkipSzOrOrd(p);  // menu
    p = SkipSzOrOrd(p);  // class
    p = SkipSzOrOrd(p);  // caption
    if (dwStyle & (DS_SETFONT | DS_SHELLFONT))
    {
        p += 3;
        p = SkipSzOrOrd(p);
    }
    for (WORD i = 0; i < cItems; ++i)
    {
        p = AlignDword(p);
        if ((const BYTE*)p + 24 > pData + dwSize)
            return parts;
        DWORD dwItemStyle = *(const DWORD*)(p + 4);
        DWORD dwId = *(const DWORD*)(p + 10);
        p += 12;
        std::string strClass;
        p = SkipSzOrOrd(p, &strClass);
        p = SkipSzOrOrd(p);
        WORD cbExtra = *p++;
        p = (const WORD*)((const BYTE*)p + cbExtra);
        std::ostringstream item;
        item << "control " << (int)dwId << " class " << strClass << " style " << std::hex << dwItemStyle;
        parts.push_back(item.str());
    }
    return parts;
}

// The % specifiers and line breaks of a text, in order.
std::string FormatSkeleton(const std::string& text)
{
    std::string skeleton;
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] == '\n')
            skeleton += "\\n";
        else if (text[i] == '%' && i + 1 < text.size())
        {
            // "%1", "%2": placeholders the framework fills in by number.
            size_t k = i + 1;
            while (k < text.size() && isdigit((unsigned char)text[k]))
                ++k;
            const bool bConversionFollows =
                k < text.size() && (strchr("hlIdiouxXeEfgGcsp", text[k]) != nullptr ||
                                    (text[k] == '.' && k + 1 < text.size() && isdigit((unsigned char)text[k + 1])));
            if (k > i + 1 && !bConversionFollows)
            {
                skeleton += text.substr(i, k - i) + " ";
                i = k - 1;
                continue;
            }
            size_t j = i + 1;
            while (j < text.size() && strchr("-+ #0123456789.hlI", text[j]))
                ++j;
            skeleton += text.substr(i, j + 1 - i) + " ";
            i = j;
        }
    }
    return skeleton;
}

// Every resource of a module, read as data: what the comparison looks at per
// resource, strings one by one.
struct ModuleResources
{
    std::map<ResourceKey, std::vector<std::string>> resources;
    std::map<UINT, std::string> strings;
    std::vector<std::string> languages;   // "type/name language" of every resource

    bool Read(const CString& strPath, WORD wPreferredLanguage)
    {
        HMODULE hModule = LoadLibraryExA(strPath, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        if (hModule == nullptr)
            return false;
        m_wPreferred = wPreferredLanguage;
        EnumResourceTypesA(hModule, &ModuleResources::OnType, (LONG_PTR)this);
        FreeLibrary(hModule);
        return true;
    }

private:
    WORD m_wPreferred = 0;
    std::map<UINT, WORD> m_stringLanguage;

    static BOOL CALLBACK OnType(HMODULE hModule, LPSTR lpszType, LONG_PTR lParam)
    {
        EnumResourceNamesA(hModule, lpszType, &ModuleResources::OnName, lParam);
        return TRUE;
    }
    static BOOL CALLBACK OnName(HMODULE hModule, LPCSTR lpszType, LPSTR lpszName, LONG_PTR lParam)
    {
        EnumResourceLanguagesA(hModule, lpszType, lpszName, &ModuleResources::OnLanguage, lParam);
        return TRUE;
    }
    static BOOL CALLBACK OnLanguage(HMODULE hModule, LPCSTR lpszType, LPCSTR lpszName, WORD wLanguage,
                                    LONG_PTR lParam)
    {
        ModuleResources* pThis = (ModuleResources*)lParam;
        char language[8];
        wsprintfA(language, " %04x", wLanguage);
        pThis->languages.push_back(ResName(lpszType) + "/" + ResName(lpszName) + language);
        // Single images are numbered by the resource compiler; their groups are compared.
        if (lpszType == RT_ICON || lpszType == RT_CURSOR || lpszType == RT_MANIFEST)
            return TRUE;
        HRSRC hRes = FindResourceExA(hModule, lpszType, lpszName, wLanguage);
        const BYTE* pData = hRes ? (const BYTE*)LockResource(LoadResource(hModule, hRes)) : nullptr;
        DWORD dwSize = hRes ? SizeofResource(hModule, hRes) : 0;
        if (pData == nullptr)
            return TRUE;
        if (lpszType == RT_STRING)
        {
            pThis->ReadStringBlock((UINT)(ULONG_PTR)lpszName, wLanguage, (const WCHAR*)pData, dwSize / 2);
            return TRUE;
        }
        ResourceKey key(ResName(lpszType), ResName(lpszName));
        std::vector<std::string>& parts = pThis->resources[key];
        if (!parts.empty() && wLanguage != pThis->m_wPreferred)
            return TRUE;
        parts = { "present" };
        if (lpszType == RT_DIALOG)
            parts = ReadDialog(pData, dwSize);
        else if (lpszType == RT_MENU && dwSize >= 4)
        {
            const WORD* p = (const WORD*)pData + 2;
            ReadMenuItems(p, (const WORD*)(pData + dwSize), 0, parts);
        }
        else if (lpszType == RT_ACCELERATOR)
        {
            for (DWORD i = 0; i + 8 <= dwSize; i += 8)
            {
                const WORD* pEntry = (const WORD*)(pData + i);
                parts.push_back("key " + std::to_string(pEntry[1]) + " flags " + std::to_string(pEntry[0] & 0x7F) +
                                " command " + std::to_string(pEntry[2]));
            }
        }
        return TRUE;
    }
    void ReadStringBlock(UINT nBlock, WORD wLanguage, const WCHAR* p, DWORD nChars)
    {
        const WCHAR* pEnd = p + nChars;
        for (UINT i = 0; i < 16 && p < pEnd; ++i)
        {
            UINT nLength = *p++;
            if (p + nLength > pEnd)
                return;
            UINT nID = (nBlock - 1) * 16 + i;
            if (nLength > 0)
            {
                auto found = m_stringLanguage.find(nID);
                if (found == m_stringLanguage.end() || wLanguage == m_wPreferred)
                {
                    strings[nID] = Narrow(p, nLength);
                    m_stringLanguage[nID] = wLanguage;
                }
            }
            p += nLength;
        }
    }
};

const WORD kGerman = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);
const WORD kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

std::string Name(UINT nID)
{
    return std::to_string(nID);
}

std::string Name(const ResourceKey& key)
{
    static const std::map<std::string, std::string> kinds = { { "2", "BITMAP" }, { "4", "MENU" }, { "5", "DIALOG" },
                                                               { "9", "ACCELERATORS" }, { "12", "CURSOR" },
                                                               { "14", "ICON" }, { "16", "VERSION" },
                                                               { "241", "TOOLBAR" } };
    auto kind = kinds.find(key.first);
    return (kind != kinds.end() ? kind->second : key.first) + ":" + key.second;
}

// The keys of one side that the other lacks, named for the one who mirrors them.
template <class Map>
std::string KeysMissingIn(const Map& from, const Map& in)
{
    std::string missing;
    for (const auto& entry : from)
        if (in.find(entry.first) == in.end())
            missing += Name(entry.first) + " ";
    return missing;
}

} // namespace

// Every resource on both sides; dialogs, menus and accelerators alike; strings
// with the same format specifiers and line breaks.
TEST(LanguageLibraryTest, EveryResourceOfTheEditorHasAMatchingEnglishTwin)
{
    struct { ModuleResources editor, library; } both;
    ASSERT_TRUE(both.editor.Read(ProgramFolder() + "\\TarnixEd.exe", kGerman));
    ASSERT_TRUE(both.library.Read(ProgramFolder() + "\\tarnix_english.dll", kEnglish));
    ASSERT_FALSE(both.editor.resources.empty());
    EXPECT_EQ("", KeysMissingIn(both.editor.resources, both.library.resources)) << "missing in tarnix_english.dll";
    EXPECT_EQ("", KeysMissingIn(both.library.resources, both.editor.resources)) << "missing in TarnixEd.exe";
    EXPECT_EQ("", KeysMissingIn(both.editor.strings, both.library.strings)) << "strings missing in tarnix_english.dll";
    EXPECT_EQ("", KeysMissingIn(both.library.strings, both.editor.strings)) << "strings missing in TarnixEd.exe";
    for (const auto& entry : both.editor.resources)
    {
        auto twin = both.library.resources.find(entry.first);
        if (twin == both.library.resources.end() || entry.first.first == "16")
            continue;
        SCOPED_TRACE(Name(entry.first));
        EXPECT_EQ(entry.second, twin->second);
    }
    int nTranslated = 0;
    for (const auto& entry : both.editor.strings)
    {
        auto twin = both.library.strings.find(entry.first);
        if (twin == both.library.strings.end())
            continue;
        SCOPED_TRACE("string " + std::to_string(entry.first) + ": " + twin->second);
        EXPECT_EQ(FormatSkeleton(entry.second), FormatSkeleton(twin->second));
        nTranslated += entry.second != twin->second;
    }
    EXPECT_GT(nTranslated, 50);
}

TEST(LanguageLibraryTest, EveryResourceOfTheEditorHasTheOneLanguage)
{
    ModuleResources editor;
    ASSERT_TRUE(editor.Read(ProgramFolder() + "\\TarnixEd.exe", kGerman));
    ASSERT_GT(editor.languages.size(), 100u);
    std::vector<std::string> others;
    for (const std::string& resource : editor.languages)
        if (resource.substr(resource.size() - 4) != "0407")
            others.push_back(resource);
    EXPECT_EQ(std::vector<std::string>(), others) << "German (0407) is the editor's language";
}

TEST(LanguageLibraryTest, TheLibraryHoldsResourcesOnly)
{
    std::vector<unsigned char> bytes = testing_support::ReadFileBytes(ProgramFolder() + "\\tarnix_english.dll");
    ASSERT_GT(bytes.size(), 0x100u);
    const IMAGE_DOS_HEADER* pDos = (const IMAGE_DOS_HEADER*)bytes.data();
    ASSERT_LT((size_t)pDos->e_lfanew + sizeof(IMAGE_NT_HEADERS64), bytes.size());
    const IMAGE_NT_HEADERS64* pNt = (const IMAGE_NT_HEADERS64*)(bytes.data() + pDos->e_lfanew);
    EXPECT_TRUE(pNt->FileHeader.Characteristics & IMAGE_FILE_DLL);
    EXPECT_EQ(0u, pNt->OptionalHeader.AddressOfEntryPoint);
    const IMAGE_DATA_DIRECTORY& imports = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0)
        return;
    // An import directory, when there is one, starts with its closing entry: no DLL is named.
    const IMAGE_SECTION_HEADER* pSection = IMAGE_FIRST_SECTION(pNt);
    for (WORD i = 0; i < pNt->FileHeader.NumberOfSections; ++i, ++pSection)
    {
        DWORD dwStart = pSection->VirtualAddress;
        if (imports.VirtualAddress < dwStart || imports.VirtualAddress >= dwStart + pSection->SizeOfRawData)
            continue;
        size_t nOffset = pSection->PointerToRawData + (imports.VirtualAddress - dwStart);
        ASSERT_LE(nOffset + sizeof(IMAGE_IMPORT_DESCRIPTOR), bytes.size());
        EXPECT_EQ(0u, ((const IMAGE_IMPORT_DESCRIPTOR*)(bytes.data() + nOffset))->Name);
        return;
    }
}

namespace {

INT_PTR CALLBACK QuietDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// The controls of a dialog whose text does not fit, measured in the dialog's
// own font: labels that wrap are measured wrapped, buttons on one line with
// room for their box or frame.
std::vector<std::string> CutTexts(HMODULE hModule, LPCSTR lpszName)
{
    std::vector<std::string> cut;
    HRSRC hRes = FindResourceA(hModule, lpszName, RT_DIALOG);
    LPCDLGTEMPLATEA pTemplate = hRes ? (LPCDLGTEMPLATEA)LockResource(LoadResource(hModule, hRes)) : nullptr;
    if (pTemplate == nullptr)
        return { "no template" };
    // Pages and child templates need a parent to be created.
    HWND hParent = CreateWindowA("Static", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND hDlg = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), pTemplate, hParent, QuietDialogProc, 0);
    if (hDlg == nullptr)
    {
        DestroyWindow(hParent);
        return { "not created" };
    }
    HDC hdc = GetDC(hDlg);
    HGDIOBJ hOld = SelectObject(hdc, (HFONT)SendMessageA(hDlg, WM_GETFONT, 0, 0));
    for (HWND hCtl = GetWindow(hDlg, GW_CHILD); hCtl != nullptr; hCtl = GetWindow(hCtl, GW_HWNDNEXT))
    {
        char className[32] = "", text[300] = "";
        GetClassNameA(hCtl, className, sizeof(className));
        GetWindowTextA(hCtl, text, sizeof(text));
        if (text[0] == '\0')
            continue;
        RECT rcCtl;
        GetClientRect(hCtl, &rcCtl);
        LONG style = GetWindowLongA(hCtl, GWL_STYLE);
        RECT rcText = { 0, 0, rcCtl.right, 0 };
        bool bFits = true;
        if (lstrcmpiA(className, "Static") == 0 && (style & SS_TYPEMASK) <= SS_RIGHT)
        {
            DrawTextA(hdc, text, -1, &rcText, DT_CALCRECT | DT_WORDBREAK);
            bFits = rcText.right <= rcCtl.right && rcText.bottom <= rcCtl.bottom;
        }
        else if (lstrcmpiA(className, "Button") == 0)
        {
            DrawTextA(hdc, text, -1, &rcText, DT_CALCRECT | DT_SINGLELINE);
            LONG type = style & BS_TYPEMASK;
            int nRoom = (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) ? 4 : GetSystemMetrics(SM_CXMENUCHECK) + 4;
            if (type == BS_GROUPBOX)
                nRoom = 12;
            bFits = rcText.right + nRoom <= rcCtl.right;
        }
        if (!bFits)
            cut.push_back(std::to_string(GetDlgCtrlID(hCtl)) + " \"" + text + "\"");
    }
    SelectObject(hdc, hOld);
    ReleaseDC(hDlg, hdc);
    DestroyWindow(hDlg);
    DestroyWindow(hParent);
    return cut;
}

BOOL CALLBACK CollectDialog(HMODULE, LPCSTR, LPSTR lpszName, LONG_PTR lParam)
{
    ((std::vector<LPCSTR>*)lParam)->push_back(lpszName);
    return TRUE;
}

} // namespace

TEST(LanguageLibraryTest, EnglishTextsFitTheirControls)
{
    HMODULE hLibrary = LoadLibraryExA(ProgramFolder() + "\\tarnix_english.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, hLibrary);
    std::vector<LPCSTR> dialogs;
    EnumResourceNamesA(hLibrary, RT_DIALOG, CollectDialog, (LONG_PTR)&dialogs);
    EXPECT_GT(dialogs.size(), 50u);
    for (LPCSTR lpszName : dialogs)
    {
        SCOPED_TRACE("dialog " + ResName(lpszName));
        EXPECT_EQ(std::vector<std::string>(), CutTexts(hLibrary, lpszName));
    }
    FreeLibrary(hLibrary);
}
