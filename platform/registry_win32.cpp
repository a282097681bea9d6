#include <windows.h>

#include <vector>

#include "platform/registry.h"
#include "platform/utf16.h"

namespace registry {

namespace {

HKEY RootKey(Root root) {
    return root == Root::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

// A 32-bit program reads the 64-bit view only when it asks for it; 32-bit
// Windows ignores both flags.
REGSAM ViewFlag(View view) {
    return view == View::Bits32 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
}

// "%SystemDrive%\Games" becomes "C:\Games", as the shell's value readers do.
std::wstring Expand(const std::wstring& text) {
    DWORD needed = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    if (needed == 0) {
        return text;
    }
    std::vector<wchar_t> buffer(needed + 1, L'\0');
    if (ExpandEnvironmentStringsW(text.c_str(), buffer.data(), needed + 1) == 0) {
        return text;
    }
    return buffer.data();
}

}  // namespace

std::optional<std::string> ReadString(Root root, View view, const std::string& key,
                                      const std::string& name) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(RootKey(root), text::Widen(key).c_str(), 0, KEY_QUERY_VALUE | ViewFlag(view),
                      &handle) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    const std::wstring wideName = text::Widen(name);
    std::optional<std::string> result;
    DWORD type = 0;
    DWORD bytes = 0;
    LONG status = RegQueryValueExW(handle, wideName.c_str(), nullptr, &type, nullptr, &bytes);
    std::vector<wchar_t> buffer;
    // The value may grow between the two calls; ask again until it fits.
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        buffer.assign(bytes / sizeof(wchar_t) + 2, L'\0');  // room for a missing terminator
        DWORD capacity = static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t));
        status = RegQueryValueExW(handle, wideName.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(buffer.data()), &capacity);
        bytes = capacity;
        if (status == ERROR_SUCCESS) {
            if (type == REG_SZ) {
                result = text::Narrow(buffer.data());
            } else if (type == REG_EXPAND_SZ) {
                result = text::Narrow(Expand(buffer.data()));
            }
            break;
        }
    }
    RegCloseKey(handle);
    return result;
}

bool WriteUserString(const std::string& key, const std::string& name, const std::string& data) {
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, text::Widen(key).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &handle, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const std::wstring wide = text::Widen(data);
    LONG status = RegSetValueExW(handle, text::Widen(name).c_str(), 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(wide.c_str()),
                                 static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
    return status == ERROR_SUCCESS;
}

bool DeleteUserValue(const std::string& key, const std::string& name) {
    HKEY handle = nullptr;
    LONG status =
        RegOpenKeyExW(HKEY_CURRENT_USER, text::Widen(key).c_str(), 0, KEY_SET_VALUE, &handle);
    if (status == ERROR_FILE_NOT_FOUND) {
        return true;
    }
    if (status != ERROR_SUCCESS) {
        return false;
    }
    status = RegDeleteValueW(handle, text::Widen(name).c_str());
    RegCloseKey(handle);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

std::string CurrentDirectory() {
    DWORD length = GetCurrentDirectoryW(0, nullptr);
    std::vector<wchar_t> buffer(length + 1, L'\0');
    GetCurrentDirectoryW(length + 1, buffer.data());
    return text::Narrow(buffer.data());
}

std::string ProgramFolder() {
    std::vector<wchar_t> buffer(MAX_PATH, L'\0');
    for (;;) {
        DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            std::wstring path(buffer.data(), length);
            return text::Narrow(path.substr(0, path.find_last_of(L'\\')));
        }
        buffer.resize(buffer.size() * 2);  // truncated: a long path
    }
}

}  // namespace registry
