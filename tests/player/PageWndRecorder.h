// A stand-in for the menu window in the player's tests: a real hidden window
// that records the requests buttons, popup items and the starter send it.
#pragma once

#include "framework/Afx.h"

#include "helpers/TestSupport.h"

#include <utility>
#include <vector>

namespace player_test {

struct PageRequest
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    CString text;   // the starter's request text, read when it arrived
};

// Each request's message with the starter's text, or a command's id.
typedef std::vector<std::pair<UINT, CString>> RequestSummary;

class CPageWndRecorder : public CWnd
{
public:
    CPageWndRecorder() { CreateEx(0, nullptr, "Page", WS_POPUP, 100, 80, 400, 300, nullptr, nullptr); }
    ~CPageWndRecorder() override { DestroyWindow(); }

    // Delivers what was posted, then hands out and forgets every request.
    std::vector<PageRequest> Take()
    {
        testing_support::PumpPendingMessages();
        std::vector<PageRequest> requests;
        requests.swap(m_requests);
        return requests;
    }
    RequestSummary TakeSummary()
    {
        RequestSummary summary;
        for (const PageRequest& request : Take())
        {
            CString id;
            id.Format("%u", LOWORD(request.wParam));
            summary.emplace_back(request.message, request.message == WM_COMMAND ? id : request.text);
        }
        return summary;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (IsRequest(message))
        {
            PageRequest request = { message, wParam, lParam, CString() };
            if (HasText(message) && lParam != 0)
                request.text = (LPCSTR)lParam;
            m_requests.push_back(request);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

private:
    static bool HasText(UINT message) { return message >= 0x6D && message <= 0x6F; }
    static bool IsRequest(UINT message)
    {
        return message == WM_COMMAND || HasText(message) || message == 0x71 || message == 0x77 || message == 0x7A
               || message == WM_USER + 104;
    }

    std::vector<PageRequest> m_requests;
};

} // namespace player_test
