// Stands in for the MCI command-string interface while it lives: records every
// command with its notify window and answers by command prefix (success and an
// empty reply unless scripted). On request it plays the video device's part of
// making a movie window: "open ... parent N" creates a child window of N, and
// "status mov window handle" reports it.
#pragma once

#include "framework/Afx.h"
#include "shared/support/MciCommand.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace testing_support {

class MciScript
{
public:
    struct SentCommand
    {
        CString command;
        HWND hWndNotify;
    };

    MciScript()
    {
        m_previous = SetMciCommandSender([this](LPCSTR lpszCommand, LPSTR lpszReply, UINT cchReply, HWND hWndNotify) {
            return Answer(lpszCommand, lpszReply, cchReply, hWndNotify);
        });
    }
    ~MciScript()
    {
        SetMciCommandSender(m_previous);
        if (m_hMovieWnd != nullptr && ::IsWindow(m_hMovieWnd))
            ::DestroyWindow(m_hMovieWnd);
    }
    MciScript(const MciScript&) = delete;
    MciScript& operator=(const MciScript&) = delete;

    void Fail(LPCSTR lpszPrefix, MCIERROR dwError) { m_failures[lpszPrefix] = dwError; }
    void Reply(LPCSTR lpszPrefix, LPCSTR lpszReply) { m_replies[lpszPrefix] = lpszReply; }
    void MakeMovieWindow() { m_bMakeMovieWnd = true; }

    const std::vector<SentCommand>& Sent() const { return m_sent; }
    std::vector<CString> Commands() const
    {
        std::vector<CString> commands;
        for (const SentCommand& sent : m_sent)
            commands.push_back(sent.command);
        return commands;
    }
    HWND MovieWnd() const { return m_hMovieWnd; }
    void Clear() { m_sent.clear(); }

private:
    static bool Begins(LPCSTR lpszText, const std::string& prefix)
    {
        return std::strncmp(lpszText, prefix.c_str(), prefix.size()) == 0;
    }

    MCIERROR Answer(LPCSTR lpszCommand, LPSTR lpszReply, UINT cchReply, HWND hWndNotify)
    {
        m_sent.push_back({ lpszCommand, hWndNotify });
        for (const auto& failure : m_failures)
            if (Begins(lpszCommand, failure.first))
                return failure.second;
        if (m_bMakeMovieWnd && Begins(lpszCommand, "open ") && std::strstr(lpszCommand, " parent ") != nullptr)
        {
            HWND hParent = (HWND)(LONG_PTR)std::strtol(std::strstr(lpszCommand, " parent ") + 8, nullptr, 10);
            m_hMovieWnd = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, hParent, nullptr,
                                            nullptr, nullptr);
        }
        std::string reply;
        if (Begins(lpszCommand, "status mov window handle") && m_hMovieWnd != nullptr)
            reply = std::to_string(HandleToLong(m_hMovieWnd));
        for (const auto& scripted : m_replies)
            if (Begins(lpszCommand, scripted.first))
                reply = scripted.second;
        if (lpszReply != nullptr && cchReply > 0)
            lstrcpynA(lpszReply, reply.c_str(), (int)cchReply);
        return 0;
    }

    MciCommandSender m_previous;
    std::vector<SentCommand> m_sent;
    std::map<std::string, MCIERROR> m_failures;
    std::map<std::string, std::string> m_replies;
    bool m_bMakeMovieWnd = false;
    HWND m_hMovieWnd = nullptr;
};

} // namespace testing_support
