// Stands in for the MCI while it lives: records every command string with its
// notify window and answers it, so that channels can be tested without a
// sound device.
#pragma once

#include "shared/support/MciCommand.h"

#include <stdio.h>

#include <string>
#include <utility>
#include <vector>

namespace support_testing {

class MciCommandRecorder
{
public:
    struct Command
    {
        std::string text;
        HWND hWndNotify;
    };

    MciCommandRecorder()
    {
        m_previous = SetMciCommandSender([this](LPCSTR lpszCommand, LPSTR lpszReply, UINT cchReply, HWND hWnd) {
            return Answer(lpszCommand, lpszReply, cchReply, hWnd);
        });
    }
    ~MciCommandRecorder() { SetMciCommandSender(m_previous); }
    MciCommandRecorder(const MciCommandRecorder&) = delete;
    MciCommandRecorder& operator=(const MciCommandRecorder&) = delete;

    // Commands that begin with the prefix fail with the error from now on.
    void Fail(const std::string& prefix, MCIERROR dwError) { m_failures.emplace_back(prefix, dwError); }

    const std::vector<Command>& Commands() const { return m_commands; }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const Command& command : m_commands)
            texts.push_back(command.text);
        return texts;
    }
    void Clear() { m_commands.clear(); }
    // The device id that the next successful open answers.
    int NextDeviceID() const { return m_nNextDeviceID; }

private:
    MCIERROR Answer(LPCSTR lpszCommand, LPSTR lpszReply, UINT cchReply, HWND hWnd)
    {
        m_commands.push_back({ lpszCommand, hWnd });
        if (cchReply > 0)
            lpszReply[0] = '\0';
        std::string text = lpszCommand;
        for (const auto& failure : m_failures)
            if (text.compare(0, failure.first.size(), failure.first) == 0)
                return failure.second;
        if (text.compare(0, 5, "open ") == 0 && cchReply > 0)
            snprintf(lpszReply, cchReply, "%d", m_nNextDeviceID++);
        return 0;
    }

    MciCommandSender m_previous;
    std::vector<Command> m_commands;
    std::vector<std::pair<std::string, MCIERROR>> m_failures;
    int m_nNextDeviceID = 21;
};

} // namespace support_testing
