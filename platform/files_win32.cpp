// Windows side of the file layer: UTF-8 paths through the wide-character
// API, GetLastError, MoveFileExW.
#include <windows.h>
#include <aclapi.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/file_system.h"
#include "platform/files.h"
#include "platform/utf16.h"

namespace files {

namespace {

std::string SystemMessage(DWORD error) {
    wchar_t* text = nullptr;
    DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string message;
    if (length > 0 && text) {
        int n = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0, nullptr,
                                    nullptr);
        message.resize(static_cast<size_t>(n));
        WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), message.data(), n, nullptr,
                            nullptr);
        while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                                    message.back() == ' ' || message.back() == '.')) {
            message.pop_back();
        }
    }
    LocalFree(text);
    return message + " (error " + std::to_string(error) + ")";
}

Status FromError(DWORD error) {
    std::string reason = SystemMessage(error);
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
            return Status::Fail(Error::NotFound, reason);
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_WRITE_PROTECT:
        case ERROR_PRIVILEGE_NOT_HELD:
            return Status::Fail(Error::AccessDenied, reason);
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return Status::Fail(Error::DiskFull, reason);
        case ERROR_FILE_TOO_LARGE:
            return Status::Fail(Error::TooLarge, reason);
        default:
            return Status::Fail(Error::Other, reason);
    }
}

Status OkOrLastError(bool ok) {
    return ok ? Status::Ok() : FromError(GetLastError());
}

bool AlreadyExists(DWORD error) {
    return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
}

HANDLE Win32Handle(os::FileHandle file) {
    return reinterpret_cast<HANDLE>(file);
}

os::FileHandle Portable(HANDLE handle) {
    return reinterpret_cast<os::FileHandle>(handle);
}

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The attributes a replaced file keeps; read-only never gets this far.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// The move gets full paths, whatever the working folder is when it runs.
std::wstring FullPath(const std::string& path) {
    const std::wstring wide = text::Widen(path);
    std::wstring full(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 2; ++attempt) {
        const DWORD n =
            GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (n == 0) {
            return wide;
        }
        if (n < full.size()) {
            full.resize(n);
            return full;
        }
        full.resize(n);  // n is the size it needs
    }
    return wide;
}

}  // namespace

namespace os {

Status Examine(const std::string& path, Info& info) {
    info = {};
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(text::Widen(path).c_str(), GetFileExInfoStandard, &data)) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? Status::Ok() : FromError(error);
    }
    info.exists = true;
    info.folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    info.regular = !info.folder && (data.dwFileAttributes & FILE_ATTRIBUTE_DEVICE) == 0;
    info.readOnly = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    info.size = (uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
    return Status::Ok();
}

// Another program holding the file without letting others write keeps it.
Status CheckWritable(const std::string& path) {
    HANDLE probe = CreateFileW(text::Widen(path).c_str(), GENERIC_WRITE, kShareAll, nullptr,
                               OPEN_EXISTING, 0, nullptr);
    if (probe == INVALID_HANDLE_VALUE) {
        return FromError(GetLastError());
    }
    CloseHandle(probe);
    return Status::Ok();
}

// Links are replaced by name, as the system's own writes do.
std::string ResolveLink(const std::string& path) {
    return path;
}

Status CreateNew(const std::string& path, FileHandle& file, bool& existed) {
    // WRITE_DAC, to give it the permissions of the file it replaces: its creator
    // has that right unless a folder takes it from owners; then it keeps the
    // folder's permissions rather than fail the save.
    const std::wstring wide = text::Widen(path);
    HANDLE created = CreateFileW(wide.c_str(), GENERIC_WRITE | WRITE_DAC, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created == INVALID_HANDLE_VALUE && GetLastError() == ERROR_ACCESS_DENIED) {
        created = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    const DWORD error = GetLastError();
    file = Portable(created);
    existed = created == INVALID_HANDLE_VALUE && AlreadyExists(error);
    return created != INVALID_HANDLE_VALUE ? Status::Ok() : FromError(error);
}

// The permissions an administrator or the installer gave the file itself
// (its own ACEs, and whether it takes its folder's) go to the new file,
// which takes what the folder passes on as any file there does. Then the
// move that puts it in place (Replace) keeps the file's permissions, in one
// step. A failure leaves the folder's permissions, as for a new file.
void TakeAccessOf(FileHandle file, const std::string& like) {
    PACL acl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoW(text::Widen(like).c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                              nullptr, nullptr, &acl, nullptr, &descriptor) != ERROR_SUCCESS) {
        return;
    }
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    GetSecurityDescriptorControl(descriptor, &control, &revision);
    const SECURITY_INFORMATION protection = (control & SE_DACL_PROTECTED)
                                                ? PROTECTED_DACL_SECURITY_INFORMATION
                                                : UNPROTECTED_DACL_SECURITY_INFORMATION;
    // The ACEs the old file inherited are dropped here and derived anew from the same folder.
    SetSecurityInfo(Win32Handle(file), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION | protection,
                    nullptr, nullptr, acl, nullptr);
    LocalFree(descriptor);
}

Status Write(FileHandle file, const char* data, size_t size) {
    size_t done = 0;
    while (done < size) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(size - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(Win32Handle(file), data + done, chunk, &written, nullptr)) {
            return FromError(GetLastError());
        }
        done += written;
    }
    return Status::Ok();
}

Status Flush(FileHandle file) {
    return OkOrLastError(FlushFileBuffers(Win32Handle(file)));
}

Status Close(FileHandle file) {
    return OkOrLastError(CloseHandle(Win32Handle(file)));
}

// Windows has no call to flush a folder: the moves are written through, and
// the file system logs the rename of a replace.
void FlushFolder(const std::string&) {}

// One move puts the new file in place (ReplaceFileW takes two on some
// systems: Wine's moves the old file aside first, and a writer killed
// between them leaves no file at all). The temporary already has the old
// file's permissions (TakeAccessOf); its marks are given to it here.
Status Replace(const std::string& temporary, const std::string& target) {
    const std::wstring from = FullPath(temporary), to = FullPath(target);
    const DWORD attributes = GetFileAttributesW(to.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & kKeptAttributes) != 0) {
        SetFileAttributesW(from.c_str(), attributes & kKeptAttributes);
    }
    return OkOrLastError(
        MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
}

// Without MOVEFILE_REPLACE_EXISTING a move never replaces.
Status RenameNoReplace(const std::string& from, const std::string& to, bool& existed) {
    const bool moved =
        MoveFileExW(text::Widen(from).c_str(), text::Widen(to).c_str(), MOVEFILE_WRITE_THROUGH);
    const DWORD error = GetLastError();
    existed = !moved && AlreadyExists(error);
    return moved ? Status::Ok() : FromError(error);
}

Status Remove(const std::string& path) {
    return OkOrLastError(DeleteFileW(text::Widen(path).c_str()));
}

Status ListFolder(const std::string& folder, std::vector<std::string>& names) {
    names.clear();
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((text::Widen(folder) + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return FromError(GetLastError());
    }
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") {
            names.push_back(text::Narrow(name));
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return Status::Ok();
}

unsigned long CurrentProcessId() {
    return GetCurrentProcessId();
}

bool ProcessIsGone(unsigned long pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process) {
        return GetLastError() == ERROR_INVALID_PARAMETER;  // no such process
    }
    DWORD exitCode = 0;
    const bool gone = GetExitCodeProcess(process, &exitCode) && exitCode != STILL_ACTIVE;
    CloseHandle(process);
    return gone;
}

Status OpenForReading(const std::string& path, FileHandle& file, Info& info) {
    info = {};
    HANDLE opened = CreateFileW(text::Widen(path).c_str(), GENERIC_READ, kShareAll, nullptr,
                                OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    file = Portable(opened);
    if (opened == INVALID_HANDLE_VALUE) {
        return FromError(GetLastError());
    }
    info.exists = true;
    info.regular = GetFileType(opened) == FILE_TYPE_DISK;
    LARGE_INTEGER size{};
    if (info.regular && !GetFileSizeEx(opened, &size)) {
        return FromError(GetLastError());
    }
    info.size = size.QuadPart < 0 ? UINT64_MAX : static_cast<uint64_t>(size.QuadPart);
    return Status::Ok();
}

Status ReadChunk(FileHandle file, char* data, size_t size, size_t& read) {
    DWORD n = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(size, 1u << 30));
    const bool ok = ::ReadFile(Win32Handle(file), data, chunk, &n, nullptr);
    read = ok ? n : 0;
    return OkOrLastError(ok);
}

}  // namespace os

std::string NativePath(const std::string& path) {
    return path;
}

bool FolderExists(const std::string& path) {
    DWORD attributes = GetFileAttributesW(text::Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::string& path) {
    HANDLE file = CreateFileW(text::Widen(path).c_str(), GENERIC_READ, kShareAll, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(file);
    return true;
}

bool LastWriteTime(const std::string& path, LocalTime& time) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    SYSTEMTIME utc;
    SYSTEMTIME local;
    if (!GetFileAttributesExW(text::Widen(path).c_str(), GetFileExInfoStandard, &data) ||
        !FileTimeToSystemTime(&data.ftLastWriteTime, &utc) ||
        !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) {
        return false;
    }
    time = {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute};
    return true;
}

}  // namespace files
