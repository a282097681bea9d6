#include <windows.h>

#include <vector>

#include "platform/registry.h"
#include "platform/utf16.h"

namespace registry {

namespace {

constexpr wchar_t kSimulatorKey[] = L"SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0";
constexpr wchar_t kSetupPathValue[] = L"SetupPath";

std::optional<std::string> ReadView(REGSAM view) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSimulatorKey, 0, KEY_QUERY_VALUE | view, &key) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::optional<std::string> result;
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(key, kSetupPathValue, nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ)) {
        std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
        if (RegQueryValueExW(key, kSetupPathValue, nullptr, &type,
                             reinterpret_cast<BYTE*>(buffer.data()), &bytes) == ERROR_SUCCESS) {
            result = text::Narrow(buffer.data());
        }
    }
    RegCloseKey(key);
    return result;
}

}  // namespace

std::optional<std::string> SimulatorSetupPath() {
    if (auto path = ReadView(KEY_WOW64_32KEY)) {
        return path;
    }
    return ReadView(0);
}

std::string CurrentDirectory() {
    DWORD length = GetCurrentDirectoryW(0, nullptr);
    std::vector<wchar_t> buffer(length + 1, L'\0');
    GetCurrentDirectoryW(length + 1, buffer.data());
    return text::Narrow(buffer.data());
}

}  // namespace registry
