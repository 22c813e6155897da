// The editor program's resources as the system finds them in TarnixEd.exe (and
// in the language library when one was built): every shortcut a menu shows in
// the accelerator table with the item's command.
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using testing_support::ProgramFolder;

namespace {

std::string ResourceName(LPCSTR lpszName)
{
    return IS_INTRESOURCE(lpszName) ? std::to_string((UINT_PTR)lpszName) : std::string(lpszName);
}

// A program file loaded for its resources only; unloaded with the object.
class ResourceModule
{
public:
    explicit ResourceModule(const CString& strPath)
        : m_hModule(::LoadLibraryExA(strPath, nullptr, LOAD_LIBRARY_AS_DATAFILE))
    {
    }
    ~ResourceModule()
    {
        if (m_hModule != nullptr)
            ::FreeLibrary(m_hModule);
    }
    ResourceModule(const ResourceModule&) = delete;
    ResourceModule& operator=(const ResourceModule&) = delete;
    HMODULE Handle() const { return m_hModule; }

    std::vector<std::string> Names(LPCSTR lpszType) const
    {
        std::vector<std::string> names;
        ::EnumResourceNamesA(
            m_hModule, lpszType,
            [](HMODULE, LPCSTR, LPSTR lpszName, LONG_PTR lParam) -> BOOL {
                reinterpret_cast<std::vector<std::string>*>(lParam)->push_back(ResourceName(lpszName));
                return TRUE;
            },
            (LONG_PTR)&names);
        return names;
    }

private:
    HMODULE m_hModule;
};

// A shortcut text as the menus write it ("Strg+Umschalt+N", "Ctrl+C", "Entf")
// as an accelerator's flags and key; fVirt 0 when a word is not known.
ACCEL ParseShortcut(const std::string& text)
{
    static const struct { LPCSTR word; BYTE flag; } kModifiers[] = {
        { "Strg", FCONTROL }, { "Ctrl", FCONTROL }, { "Umschalt", FSHIFT }, { "Shift", FSHIFT }, { "Alt", FALT },
    };
    static const struct { LPCSTR word; WORD key; } kKeys[] = {
        { "Entf", VK_DELETE }, { "Del", VK_DELETE }, { "Einfg", VK_INSERT }, { "Ins", VK_INSERT },
    };
    ACCEL accel = { FVIRTKEY, 0, 0 };
    size_t nStart = 0;
    for (size_t nPlus; (nPlus = text.find('+', nStart)) != std::string::npos; nStart = nPlus + 1)
    {
        const std::string word = text.substr(nStart, nPlus - nStart);
        BYTE flag = 0;
        for (const auto& modifier : kModifiers)
            flag = word == modifier.word ? modifier.flag : flag;
        if (flag == 0)
            return ACCEL{ 0, 0, 0 };
        accel.fVirt |= flag;
    }
    const std::string key = text.substr(nStart);
    if (key.size() == 1 && isalnum((unsigned char)key[0]))
        accel.key = (WORD)toupper((unsigned char)key[0]);
    else if (key.size() >= 2 && key[0] == 'F' && atoi(key.c_str() + 1) >= 1 && atoi(key.c_str() + 1) <= 12)
        accel.key = (WORD)(VK_F1 + atoi(key.c_str() + 1) - 1);
    for (const auto& named : kKeys)
        accel.key = key == named.word ? named.key : accel.key;
    return accel.key != 0 ? accel : ACCEL{ 0, 0, 0 };
}

std::vector<ACCEL> AcceleratorTable(HMODULE hModule, const std::string& name)
{
    std::vector<ACCEL> entries;
    LPCSTR lpszName = isdigit((unsigned char)name[0]) ? MAKEINTRESOURCEA(atoi(name.c_str())) : name.c_str();
    HACCEL hAccel = ::LoadAcceleratorsA(hModule, lpszName);
    if (hAccel == nullptr)
        return entries;
    entries.resize(::CopyAcceleratorTableA(hAccel, nullptr, 0));
    ::CopyAcceleratorTableA(hAccel, entries.data(), (int)entries.size());
    ::DestroyAcceleratorTable(hAccel);
    return entries;
}

bool HasAccelerator(const std::vector<ACCEL>& table, const ACCEL& wanted, WORD wCommand)
{
    const BYTE kFlags = FVIRTKEY | FCONTROL | FSHIFT | FALT;
    for (const ACCEL& entry : table)
    {
        if ((entry.fVirt & kFlags) == wanted.fVirt && entry.key == wanted.key && entry.cmd == wCommand)
            return true;
    }
    return false;
}

// Every item of the menu (and its popups) that shows a shortcut after a tab,
// as "text -> problem" for those the table does not serve.
void CheckMenu(HMENU hMenu, const std::vector<ACCEL>& table, std::vector<std::string>& problems, int& nShown)
{
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
    {
        if (HMENU hPopup = ::GetSubMenu(hMenu, i))
        {
            CheckMenu(hPopup, table, problems, nShown);
            continue;
        }
        char text[200] = "";
        ::GetMenuStringA(hMenu, (UINT)i, text, sizeof(text), MF_BYPOSITION);
        const char* pTab = strchr(text, '\t');
        if (pTab == nullptr)
            continue;
        ++nShown;
        const ACCEL wanted = ParseShortcut(pTab + 1);
        const WORD wCommand = (WORD)::GetMenuItemID(hMenu, i);
        if (wanted.fVirt == 0)
            problems.push_back(std::string(text) + " -> a key name this test does not know");
        else if (!HasAccelerator(table, wanted, wCommand))
            problems.push_back(std::string(text) + " -> not in the accelerator table for command " +
                               std::to_string(wCommand));
    }
}

TEST(EditorResourcesTest, EveryShortcutAMenuShowsIsInItsAcceleratorTable)
{
    ResourceModule editor(ProgramFolder() + "\\TarnixEd.exe");
    ASSERT_NE(nullptr, editor.Handle());
    // The language library's menus use its own tables, else the editor's of
    // the same name (a frame loads both from the resource module first).
    ResourceModule language(ProgramFolder() + "\\tarnix_english.dll");
    int nShown = 0;
    for (const ResourceModule* pModule : { &editor, &language })
    {
        if (pModule->Handle() == nullptr)
            continue;
        std::vector<ACCEL> all;
        for (const std::string& name : pModule->Names(RT_ACCELERATOR))
        {
            for (const ACCEL& entry : AcceleratorTable(pModule->Handle(), name))
                all.push_back(entry);
        }
        for (const std::string& name : pModule->Names(RT_MENU))
        {
            SCOPED_TRACE(pModule == &editor ? "TarnixEd.exe menu " + name : "language library menu " + name);
            std::vector<ACCEL> table = AcceleratorTable(pModule->Handle(), name);
            if (table.empty())
                table = AcceleratorTable(editor.Handle(), name);
            // A menu no frame owns is served by whichever table is active.
            if (table.empty())
                table = all;
            LPCSTR lpszName = isdigit((unsigned char)name[0]) ? MAKEINTRESOURCEA(atoi(name.c_str())) : name.c_str();
            HMENU hMenu = ::LoadMenuA(pModule->Handle(), lpszName);
            ASSERT_NE(nullptr, hMenu);
            std::vector<std::string> problems;
            CheckMenu(hMenu, table, problems, nShown);
            ::DestroyMenu(hMenu);
            EXPECT_EQ(std::vector<std::string>(), problems);
        }
    }
    EXPECT_GE(nShown, 9) << "the menus show their shortcuts";
}

} // namespace
