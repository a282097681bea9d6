#include "flightplan/ofp_fetch.h"

#include <winhttp.h>

#include <thread>
#include <vector>

#include "flightplan/fetch_address.h"
#include "flightplan/ofp.h"
#include "platform/win32/controls.h"
#include "platform/win32/system_library.h"

namespace flightplan {

namespace {

// WinHTTP's functions, looked up once on the dialog's thread.
struct WinHttp {
    decltype(&WinHttpOpen) open = nullptr;
    decltype(&WinHttpCrackUrl) crackUrl = nullptr;
    decltype(&WinHttpConnect) connect = nullptr;
    decltype(&WinHttpOpenRequest) openRequest = nullptr;
    decltype(&WinHttpSetTimeouts) setTimeouts = nullptr;
    decltype(&WinHttpSetOption) setOption = nullptr;
    decltype(&WinHttpSendRequest) sendRequest = nullptr;
    decltype(&WinHttpReceiveResponse) receiveResponse = nullptr;
    decltype(&WinHttpQueryHeaders) queryHeaders = nullptr;
    decltype(&WinHttpQueryDataAvailable) queryDataAvailable = nullptr;
    decltype(&WinHttpReadData) readData = nullptr;
    decltype(&WinHttpCloseHandle) closeHandle = nullptr;
    decltype(&WinHttpGetIEProxyConfigForCurrentUser) ieProxyConfig = nullptr;
    decltype(&WinHttpGetProxyForUrl) proxyForUrl = nullptr;

    bool Complete() const {
        return open && crackUrl && connect && openRequest && setTimeouts && setOption &&
               sendRequest && receiveResponse && queryHeaders && queryDataAvailable && readData &&
               closeHandle && ieProxyConfig && proxyForUrl;
    }
};

template <typename F>
void Find(F& function, const char* name) {
    function = ui::SystemFunction<F>(L"winhttp.dll", name);
}

const WinHttp& Api() {
    static const WinHttp api = [] {
        WinHttp a;
        Find(a.open, "WinHttpOpen");
        Find(a.crackUrl, "WinHttpCrackUrl");
        Find(a.connect, "WinHttpConnect");
        Find(a.openRequest, "WinHttpOpenRequest");
        Find(a.setTimeouts, "WinHttpSetTimeouts");
        Find(a.setOption, "WinHttpSetOption");
        Find(a.sendRequest, "WinHttpSendRequest");
        Find(a.receiveResponse, "WinHttpReceiveResponse");
        Find(a.queryHeaders, "WinHttpQueryHeaders");
        Find(a.queryDataAvailable, "WinHttpQueryDataAvailable");
        Find(a.readData, "WinHttpReadData");
        Find(a.closeHandle, "WinHttpCloseHandle");
        Find(a.ieProxyConfig, "WinHttpGetIEProxyConfigForCurrentUser");
        Find(a.proxyForUrl, "WinHttpGetProxyForUrl");
        return a;
    }();
    return api;
}

// Closes a WinHTTP handle when it goes.
class Handle {
  public:
    Handle(const WinHttp& api, HINTERNET handle) : m_api(api), m_h(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() {
        if (m_h) {
            m_api.closeHandle(m_h);
        }
    }
    HINTERNET get() const { return m_h; }

  private:
    const WinHttp& m_api;
    HINTERNET m_h;
};

// The user's Internet settings, their strings freed when it goes.
struct IeProxy : WINHTTP_CURRENT_USER_IE_PROXY_CONFIG {
    IeProxy() : WINHTTP_CURRENT_USER_IE_PROXY_CONFIG{} {}
    IeProxy(const IeProxy&) = delete;
    IeProxy& operator=(const IeProxy&) = delete;
    ~IeProxy() {
        for (LPWSTR text : {lpszAutoConfigUrl, lpszProxy, lpszProxyBypass}) {
            if (text) {
                GlobalFree(text);
            }
        }
    }
};

FetchAnswer Failed(DWORD error = GetLastError()) {
    FetchAnswer answer;
    answer.kind = FetchAnswer::Kind::Failed;
    answer.error = error;
    return answer;
}

// The whole exchange, on the worker thread. The session takes the system's
// automatic proxy (Windows 8.1 and later); before, the user's Internet
// settings: a proxy script or detection through WinHttpGetProxyForUrl, or
// the named proxy.
FetchAnswer Get(const WinHttp& api, const std::wstring& url, DWORD limitMs, CFetch& fetch) {
    const wchar_t* agent = L"Corvel Config";
    IeProxy ie;
    HINTERNET opened = api.open(agent, WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY, WINHTTP_NO_PROXY_NAME,
                                WINHTTP_NO_PROXY_BYPASS, 0);
    const bool automatic = opened != nullptr;
    if (!automatic) {
        api.ieProxyConfig(&ie);
        opened =
            ie.lpszProxy
                ? api.open(agent, WINHTTP_ACCESS_TYPE_NAMED_PROXY, ie.lpszProxy,
                           ie.lpszProxyBypass ? ie.lpszProxyBypass : WINHTTP_NO_PROXY_BYPASS, 0)
                : api.open(agent, WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME,
                           WINHTTP_NO_PROXY_BYPASS, 0);
    }
    Handle session(api, opened);
    if (!session.get()) {
        return Failed();
    }
    const int limit = static_cast<int>(limitMs);
    api.setTimeouts(session.get(), limit, limit, limit, limit);

    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof parts;
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (!api.crackUrl(url.c_str(), 0, 0, &parts)) {
        return Failed();
    }
    const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
    const std::wstring path = std::wstring(parts.lpszUrlPath, parts.dwUrlPathLength) +
                              std::wstring(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    Handle connection(api, api.connect(session.get(), host.c_str(), parts.nPort, 0));
    if (!connection.get()) {
        return Failed();
    }
    const DWORD secure = parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0;
    Handle request(api, api.openRequest(connection.get(), L"GET", path.c_str(), nullptr,
                                        WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES, secure));
    if (!request.get()) {
        return Failed();
    }
    if (!automatic && (ie.fAutoDetect || ie.lpszAutoConfigUrl)) {
        WINHTTP_AUTOPROXY_OPTIONS options{};
        options.dwFlags =
            ie.lpszAutoConfigUrl ? WINHTTP_AUTOPROXY_CONFIG_URL : WINHTTP_AUTOPROXY_AUTO_DETECT;
        options.dwAutoDetectFlags =
            ie.lpszAutoConfigUrl ? 0
                                 : WINHTTP_AUTO_DETECT_TYPE_DHCP | WINHTTP_AUTO_DETECT_TYPE_DNS_A;
        options.lpszAutoConfigUrl = ie.lpszAutoConfigUrl;
        options.fAutoLogonIfChallenged = TRUE;
        WINHTTP_PROXY_INFO proxy{};
        if (api.proxyForUrl(session.get(), url.c_str(), &options, &proxy)) {
            api.setOption(request.get(), WINHTTP_OPTION_PROXY, &proxy, sizeof proxy);
            for (LPWSTR text : {proxy.lpszProxy, proxy.lpszProxyBypass}) {
                if (text) {
                    GlobalFree(text);
                }
            }
        }
    }
    if (!api.sendRequest(request.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA,
                         0, 0, 0) ||
        !api.receiveResponse(request.get(), nullptr)) {
        return Failed();
    }
    DWORD status = 0;
    DWORD size = sizeof status;
    if (!api.queryHeaders(request.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                          WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX)) {
        return Failed();
    }
    FetchAnswer answer;
    answer.kind = FetchAnswer::Kind::Answer;
    answer.httpStatus = static_cast<int32_t>(status);
    std::vector<char> chunk(64 * 1024);
    for (;;) {
        if (fetch.Abandoned()) {
            return Failed(ERROR_CANCELLED);
        }
        DWORD available = 0;
        if (!api.queryDataAvailable(request.get(), &available)) {
            return Failed();
        }
        if (available == 0) {
            return answer;
        }
        DWORD read = 0;
        const DWORD asked = available < chunk.size() ? available : static_cast<DWORD>(chunk.size());
        if (!api.readData(request.get(), chunk.data(), asked, &read)) {
            return Failed();
        }
        if (read == 0) {
            return answer;
        }
        answer.body.append(chunk.data(), read);
        if (answer.body.size() > kMaxOfpBytes) {
            answer.kind = FetchAnswer::Kind::TooLarge;
            answer.body.clear();
            return answer;
        }
    }
}

}  // namespace

std::shared_ptr<CFetch> CFetch::Start(const std::string& address, HWND window, UINT message) {
    auto fetch = std::make_shared<CFetch>();
    fetch->m_hWindow = window;
    fetch->m_nMessage = message;
    const WinHttp& api = Api();
    if (!api.Complete()) {
        FetchAnswer none;
        none.kind = FetchAnswer::Kind::NoWinHttp;
        fetch->Finish(std::move(none));
        return fetch;
    }
    char limit[8] = {};
    GetEnvironmentVariableA(kLimitVariable, limit, sizeof limit);
    const DWORD limitMs = static_cast<DWORD>(FetchLimitSeconds(limit)) * 1000;
    try {
        std::thread([fetch, url = ui::Widen(address), limitMs, &api] {
            FetchAnswer answer = Get(api, url, limitMs, *fetch);
            fetch->Finish(std::move(answer));
        }).detach();
    } catch (const std::system_error&) {
        fetch->Finish(Failed(ERROR_NOT_ENOUGH_MEMORY));
    }
    return fetch;
}

void CFetch::Finish(FetchAnswer answer) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_bAbandoned) {
        return;  // dropped: nobody waits for it
    }
    m_answer = std::move(answer);
    PostMessageW(m_hWindow, m_nMessage, 0, 0);
}

FetchAnswer CFetch::Answer() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return std::move(m_answer);
}

void CFetch::Abandon() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_bAbandoned = true;
}

bool CFetch::Abandoned() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_bAbandoned;
}

}  // namespace flightplan
