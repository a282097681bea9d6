// Fetching the plan over HTTP(S) with the system's WinHTTP, loaded from the
// system folder when first needed (never imported), on a worker thread.
//
// WinHTTP's own time-outs are set, but Wine's was seen to hang for minutes
// on a server that accepts the connection and never answers, so the caller
// keeps its own limit and may abandon a fetch at any time: the window then
// gets nothing, the answer is dropped when it comes, and the worker touches
// only the shared state it holds a reference to.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

namespace flightplan {

struct FetchAnswer {
    enum class Kind {
        Answer,     // httpStatus and body
        TooLarge,   // the body passed kMaxOfpBytes: reading stopped
        Failed,     // no answer: error is the Windows error
        NoWinHttp,  // winhttp.dll or one of its functions could not be loaded
    };
    Kind kind = Kind::Failed;
    int32_t httpStatus = 0;
    std::string body;
    DWORD error = 0;
};

class CFetch {
  public:
    // Starts fetching the address (UTF-8); once the answer is in, posts
    // message to window, unless the fetch was abandoned first.
    static std::shared_ptr<CFetch> Start(const std::string& address, HWND window, UINT message);

    // The answer, once the message has come.
    FetchAnswer Answer();
    // Nothing will be posted any more; the answer is dropped when it comes.
    void Abandon();
    bool Abandoned();

  private:
    void Finish(FetchAnswer answer);

    std::mutex m_mutex;
    HWND m_hWindow = nullptr;
    UINT m_nMessage = 0;
    bool m_bAbandoned = false;
    FetchAnswer m_answer;
};

}  // namespace flightplan
