// Helpers shared by the test executables.
#pragma once

#include "framework/CommonDialog.h"
#include "framework/MessageBox.h"
#include "framework/ProgramStart.h"
#include "framework/String.h"

#include <deque>
#include <functional>
#include <initializer_list>
#include <vector>

class CDocTemplate;
class CDocument;

namespace testing_support {

// Records every message box while it lives and answers each with the next
// scripted result (IDOK, or IDYES for Yes/No boxes, when none is left).
class MessageBoxRecorder
{
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    void Answer(int nResult) { m_answers.push_back(nResult); }
    const std::vector<AFX_MESSAGEBOX>& Boxes() const { return m_boxes; }
    size_t Count() const { return m_boxes.size(); }
    const AFX_MESSAGEBOX& Last() const { return m_boxes.back(); }

private:
    AfxMessageBoxHook m_previous;
    std::vector<AFX_MESSAGEBOX> m_boxes;
    std::deque<int> m_answers;
};

// Records every program start while it lives; each start answers `result`.
class ProgramStartRecorder
{
public:
    explicit ProgramStartRecorder(INT_PTR result = 42);
    ~ProgramStartRecorder();
    ProgramStartRecorder(const ProgramStartRecorder&) = delete;
    ProgramStartRecorder& operator=(const ProgramStartRecorder&) = delete;

    const std::vector<AFX_PROGRAM_START>& Starts() const { return m_starts; }

private:
    AfxProgramStarter m_previous;
    std::vector<AFX_PROGRAM_START> m_starts;
    INT_PTR m_result;
};

// Answers every common dialog (file, colour, font, print) while it lives
// instead of showing it: each takes the next scripted answer, whose filler may
// set the dialog's result fields; none left answers IDCANCEL.
class CommonDialogScript
{
public:
    typedef std::function<void(CCommonDialog*)> Filler;
    CommonDialogScript();
    ~CommonDialogScript();
    CommonDialogScript(const CommonDialogScript&) = delete;
    CommonDialogScript& operator=(const CommonDialogScript&) = delete;

    void Answer(INT_PTR nResult, Filler fill = Filler());
    // OK from a file dialog that chose this path.
    void AnswerFile(LPCSTR lpszPath);
    // The class names of the dialogs asked so far, in order.
    const std::vector<CString>& Asked() const { return m_asked; }
    // The folder each dialog was asked to start in (empty: none given).
    const std::vector<CString>& StartFolders() const { return m_startFolders; }

private:
    struct Scripted
    {
        INT_PTR nResult;
        Filler fill;
    };
    CCommonDialog::CommonDialogHook m_previous;
    std::deque<Scripted> m_answers;
    std::vector<CString> m_asked;
    std::vector<CString> m_startFolders;
};

// A fresh folder under the temporary folder, removed with its files at the end.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const CString& Path() const { return m_path; }           // no trailing backslash
    CString File(LPCSTR name) const { return m_path + "\\" + name; }
    // Writes the bytes to the named file (folders below are made) and returns its path.
    CString Write(LPCSTR name, const void* data, size_t size) const;
    CString Write(LPCSTR name, const CString& text) const { return Write(name, (LPCSTR)text, text.GetLength()); }

private:
    CString m_path;
};

// Makes the folder the current one until the scope ends.
class ScopedCurrentFolder
{
public:
    explicit ScopedCurrentFolder(LPCSTR folder)
    {
        ::GetCurrentDirectoryA(MAX_PATH, m_previous);
        ::SetCurrentDirectoryA(folder);
    }
    ~ScopedCurrentFolder() { ::SetCurrentDirectoryA(m_previous); }
    ScopedCurrentFolder(const ScopedCurrentFolder&) = delete;
    ScopedCurrentFolder& operator=(const ScopedCurrentFolder&) = delete;

private:
    char m_previous[MAX_PATH] = "";
};

// Text of the given lines, each ended by CR LF (as the editor writes files).
CString Lines(std::initializer_list<LPCSTR> lines);

// Reads a whole file; empty when it cannot be read.
std::vector<unsigned char> ReadFileBytes(LPCSTR path);
CString ReadFileText(LPCSTR path);

// A file below tests/data of the source tree, as a Windows path.
CString TestDataPath(LPCSTR relative);

// The folder of the running test executable (where the programs are built).
CString ProgramFolder();

// Runs queued messages until none is left (without waiting for more).
void PumpPendingMessages();

// What the test application's start-up runs instead of its own, when set.
struct TestAppStageHooks
{
    std::function<BOOL()> initInstance;
    std::function<CDocument*(LPCSTR lpszFileName)> openDocumentFile;
    std::function<void(DWORD_PTR dwData, UINT nCmd)> winHelp;
};
TestAppStageHooks& TestAppStages();
// Takes a template out of the test application again and deletes it.
void RemoveDocTemplate(CDocTemplate* pTemplate);

} // namespace testing_support
