#include "TestSupport.h"

#include "framework/FileDialog.h"

#include <stdio.h>

namespace testing_support {

MessageBoxRecorder::MessageBoxRecorder()
{
    m_previous = AfxSetMessageBoxHook([this](const AFX_MESSAGEBOX& box) {
        m_boxes.push_back(box);
        if (!m_answers.empty())
        {
            int answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        }
        UINT buttons = box.nType & MB_TYPEMASK;
        return (buttons == MB_YESNO || buttons == MB_YESNOCANCEL) ? IDYES : IDOK;
    });
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    AfxSetMessageBoxHook(m_previous);
}

ProgramStartRecorder::ProgramStartRecorder(INT_PTR result) : m_result(result)
{
    m_previous = AfxSetProgramStarter([this](const AFX_PROGRAM_START& start) {
        m_starts.push_back(start);
        return m_result;
    });
}

ProgramStartRecorder::~ProgramStartRecorder()
{
    AfxSetProgramStarter(m_previous);
}

CommonDialogScript::CommonDialogScript()
{
    m_previous = CCommonDialog::SetCommonDialogHook([this](CCommonDialog* pDlg) -> INT_PTR {
        m_asked.push_back(pDlg->GetRuntimeClass()->m_lpszClassName);
        CFileDialog* pFileDlg = dynamic_cast<CFileDialog*>(pDlg);
        m_startFolders.push_back(pFileDlg != nullptr && pFileDlg->m_ofn.lpstrInitialDir != nullptr
                                     ? CString(pFileDlg->m_ofn.lpstrInitialDir)
                                     : CString());
        if (m_answers.empty())
            return IDCANCEL;
        Scripted answer = m_answers.front();
        m_answers.pop_front();
        if (answer.fill)
            answer.fill(pDlg);
        return answer.nResult;
    });
}

CommonDialogScript::~CommonDialogScript()
{
    CCommonDialog::SetCommonDialogHook(m_previous);
}

void CommonDialogScript::Answer(INT_PTR nResult, Filler fill)
{
    m_answers.push_back({ nResult, std::move(fill) });
}

void CommonDialogScript::AnswerFile(LPCSTR lpszPath)
{
    CString path(lpszPath);
    Answer(IDOK, [path](CCommonDialog* pDlg) {
        CFileDialog* pFileDlg = dynamic_cast<CFileDialog*>(pDlg);
        if (pFileDlg != nullptr)
            lstrcpynA(pFileDlg->m_ofn.lpstrFile, path, (int)pFileDlg->m_ofn.nMaxFile);
    });
}

namespace {

void RemoveTree(const CString& path)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA(path + "\\*", &fd);
    if (h != INVALID_HANDLE_VALUE)
    {
        do
        {
            CString name = fd.cFileName;
            if (name == "." || name == "..")
                continue;
            CString full = path + "\\" + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
            {
                SetFileAttributesA(full, FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(full);
            }
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryA(path);
}

} // namespace

TempFolder::TempFolder()
{
    char base[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, base);
    static LONG counter = 0;
    for (;;)
    {
        m_path.Format("%starnix-test-%lu-%ld", base, GetCurrentProcessId(), InterlockedIncrement(&counter));
        if (CreateDirectoryA(m_path, nullptr))
            break;
    }
}

TempFolder::~TempFolder()
{
    // Code under test may have made the folder (or one below it) current, as
    // programs are started in their own folder; a current folder cannot be
    // removed, so the process steps out to the temporary folder first.
    char current[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, current);
    CString inside(current);
    if (inside.GetLength() >= m_path.GetLength() && inside.Left(m_path.GetLength()).CompareNoCase(m_path) == 0
        && (inside.GetLength() == m_path.GetLength() || inside[m_path.GetLength()] == '\\'))
    {
        SetCurrentDirectoryA(m_path.Left(m_path.ReverseFind('\\') + 1));
    }
    RemoveTree(m_path);
}

CString TempFolder::Write(LPCSTR name, const void* data, size_t size) const
{
    CString path = File(name);
    for (int i = m_path.GetLength() + 1; i < path.GetLength(); ++i)
    {
        if (path[i] == '\\')
            CreateDirectoryA(path.Left(i), nullptr);
    }
    FILE* f = fopen(path, "wb");
    if (f != nullptr)
    {
        if (size > 0)
            fwrite(data, 1, size, f);
        fclose(f);
    }
    return path;
}

CString Lines(std::initializer_list<LPCSTR> lines)
{
    CString text;
    for (LPCSTR line : lines)
        text += CString(line) + "\r\n";
    return text;
}

std::vector<unsigned char> ReadFileBytes(LPCSTR path)
{
    std::vector<unsigned char> bytes;
    FILE* f = fopen(path, "rb");
    if (f == nullptr)
        return bytes;
    unsigned char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof(buf), f)) > 0)
        bytes.insert(bytes.end(), buf, buf + n);
    fclose(f);
    return bytes;
}

CString ReadFileText(LPCSTR path)
{
    std::vector<unsigned char> bytes = ReadFileBytes(path);
    return bytes.empty() ? CString() : CString((LPCSTR)bytes.data(), (int)bytes.size());
}

CString TestDataPath(LPCSTR relative)
{
    CString path = TARNIX_TEST_DATA_DIR;
    path += "\\";
    path += relative;
    path.Replace('/', '\\');
    return path;
}

CString ProgramFolder()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    CString folder(path);
    return folder.Left(folder.ReverseFind('\\'));
}

void PumpPendingMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

} // namespace testing_support
