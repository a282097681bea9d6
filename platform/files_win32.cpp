// Windows side of the file layer: UTF-8 paths through the wide-character
// API, GetLastError, MoveFileEx.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <string>

#include "platform/files.h"
#include "platform/temporary_name.h"
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

Status FromError(DWORD error, const std::string& what) {
    std::string reason = what + ": " + SystemMessage(error);
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

class Handle {
  public:
    explicit Handle(HANDLE handle) : m_handle(handle) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    bool valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return m_handle; }
    void Close() {
        if (valid()) {
            CloseHandle(m_handle);
        }
        m_handle = INVALID_HANDLE_VALUE;
    }

  private:
    HANDLE m_handle;
};

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The attributes a replaced file keeps; read-only never gets this far.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

Status WriteAll(HANDLE file, const std::string& bytes, const std::string& what) {
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) {
            return FromError(GetLastError(), what);
        }
        done += written;
    }
    return Status::Ok();
}

// A new file next to target, open for writing; INVALID_HANDLE_VALUE with
// the reason in GetLastError when none can be made.
HANDLE CreateTemporary(const std::wstring& target, std::wstring& temporary) {
    static std::atomic<unsigned> s_nextTemporary{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = TemporaryName(target, GetCurrentProcessId(), s_nextTemporary++);
        HANDLE created = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD error = GetLastError();
        if (created != INVALID_HANDLE_VALUE ||
            (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)) {
            return created;
        }
    }
    return INVALID_HANDLE_VALUE;
}

// Writes bytes to a new temporary next to target and flushes it to disk.
// On failure the temporary is gone again.
Status WriteTemporary(const std::wstring& target, const std::string& bytes, const std::string& path,
                      std::wstring& temporary) {
    Handle file(CreateTemporary(target, temporary));
    if (!file.valid()) {
        return FromError(GetLastError(), "cannot create a file in the folder of " + path);
    }
    auto fail = [&](const Status& status) {
        file.Close();
        DeleteFileW(temporary.c_str());
        return status;
    };
    if (Status written = WriteAll(file.get(), bytes, "cannot write " + path); !written.ok()) {
        return fail(written);
    }
    if (!FlushFileBuffers(file.get())) {
        return fail(FromError(GetLastError(), "cannot flush " + path));
    }
    return Status::Ok();
}

bool ProcessIsGone(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process) {
        return GetLastError() == ERROR_INVALID_PARAMETER;  // no such process
    }
    DWORD exitCode = 0;
    const bool gone = GetExitCodeProcess(process, &exitCode) && exitCode != STILL_ACTIVE;
    CloseHandle(process);
    return gone;
}

// Temporaries that a writer killed before its rename left next to target:
// only names of our own pattern whose process is gone. A live writer's
// temporary is never touched (and is held open without sharing anyway).
void RemoveStaleTemporaries(const std::wstring& target) {
    const size_t slash = target.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? L"." : target.substr(0, slash);
    const std::wstring fileName = slash == std::wstring::npos ? target : target.substr(slash + 1);
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((target + L".~*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        unsigned long pid = 0;
        if (IsTemporaryOf<wchar_t>(found.cFileName, fileName, pid) &&
            pid != GetCurrentProcessId() && ProcessIsGone(pid)) {
            DeleteFileW((folder + L"\\" + found.cFileName).c_str());
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

// Keeps bytes as the original of the file at path unless one exists; made
// tells whether this call made it.
Status KeepOriginal(const std::string& path, const std::string& bytes, bool& made) {
    made = false;
    if (FileExists(CreatedPath(path))) {
        return Status::Ok();  // this program created the file: it has no original
    }
    const std::string originalPath = OriginalPath(path);
    const std::wstring original = text::Widen(originalPath);
    const DWORD attributes = GetFileAttributesW(original.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        return (attributes & FILE_ATTRIBUTE_DIRECTORY)
                   ? Status::Fail(Error::OriginalNotKept, originalPath + " is a folder")
                   : Status::Ok();
    }
    std::wstring temporary;
    if (Status written = WriteTemporary(original, bytes, originalPath, temporary); !written.ok()) {
        return Status::Fail(Error::OriginalNotKept, written.reason);
    }
    // Without MOVEFILE_REPLACE_EXISTING: an original made meanwhile stays.
    if (!MoveFileExW(temporary.c_str(), original.c_str(), MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(temporary.c_str());
        if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) {
            return Status::Fail(Error::OriginalNotKept,
                                FromError(error, "cannot keep " + originalPath).reason);
        }
    } else {
        made = true;
    }
    RemoveStaleTemporaries(original);
    return Status::Ok();
}

}  // namespace

std::string NativePath(const std::string& path) {
    return path;
}

bool FolderExists(const std::string& path) {
    DWORD attributes = GetFileAttributesW(text::Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::string& path) {
    Handle file(CreateFileW(text::Widen(path).c_str(), GENERIC_READ, kShareAll, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.valid();
}

Status ReadFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    const std::wstring wide = text::Widen(path);
    DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return Status::Fail(Error::IsDirectory, path + " is a folder");
    }
    Handle file(CreateFileW(wide.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                            FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.valid()) {
        return FromError(GetLastError(), "cannot open " + path);
    }
    if (GetFileType(file.get()) != FILE_TYPE_DISK) {
        return Status::Fail(Error::Other, path + " is not a regular file");
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) {
        return FromError(GetLastError(), "cannot examine " + path);
    }
    if (size.QuadPart < 0 || static_cast<uint64_t>(size.QuadPart) > kMaxFileBytes) {
        return Status::Fail(Error::TooLarge, path + " is larger than the program reads");
    }
    bytes.resize(static_cast<size_t>(size.QuadPart));
    size_t done = 0;
    for (;;) {
        if (done == bytes.size()) {
            // The file may have grown since its size was taken.
            if (bytes.size() >= kMaxFileBytes) {
                bytes.clear();
                return Status::Fail(Error::TooLarge, path + " is larger than the program reads");
            }
            bytes.resize(bytes.size() + 4096);
        }
        DWORD read = 0;
        if (!::ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                        &read, nullptr)) {
            DWORD error = GetLastError();
            bytes.clear();
            return FromError(error, "cannot read " + path);
        }
        if (read == 0) {
            break;
        }
        done += read;
    }
    bytes.resize(done);
    return Status::Ok();
}

Status ReplaceFile(const std::string& path, const std::string& bytes,
                   const std::string* keepAsOriginal) {
    const std::wstring target = text::Widen(path);
    DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (!exists) {
        DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND) {
            return FromError(error, "cannot examine " + path);
        }
    } else {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            return Status::Fail(Error::IsDirectory, path + " is a folder");
        }
        if (attributes & FILE_ATTRIBUTE_READONLY) {
            return Status::Fail(Error::AccessDenied, path + " is read-only");
        }
        // Another program holding the file without letting others write keeps it.
        Handle probe(CreateFileW(target.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING,
                                 0, nullptr));
        if (!probe.valid()) {
            return FromError(GetLastError(), "cannot write " + path);
        }
    }
    bool madeOriginal = false;
    bool madeMarker = false;
    if (exists && keepAsOriginal) {
        if (Status kept = KeepOriginal(path, *keepAsOriginal, madeOriginal); !kept.ok()) {
            return kept;
        }
    } else if (keepAsOriginal) {
        Handle marker(CreateFileW(text::Widen(CreatedPath(path)).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        const DWORD error = GetLastError();
        if (!marker.valid() && error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            return FromError(error, "cannot create a file in the folder of " + path);
        }
        madeMarker = marker.valid();
    }
    auto fail = [&](const Status& status) {
        if (madeOriginal) {
            DeleteFileW(text::Widen(OriginalPath(path)).c_str());
        }
        if (madeMarker) {
            DeleteFileW(text::Widen(CreatedPath(path)).c_str());
        }
        return status;
    };

    std::wstring temporary;
    if (Status written = WriteTemporary(target, bytes, path, temporary); !written.ok()) {
        return fail(written);
    }
    if (exists && (attributes & kKeptAttributes) != 0) {
        SetFileAttributesW(temporary.c_str(), attributes & kKeptAttributes);
    }
    if (!MoveFileExW(temporary.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        Status failed = FromError(GetLastError(), "cannot replace " + path);
        DeleteFileW(temporary.c_str());
        return fail(failed);
    }
    RemoveStaleTemporaries(target);
    return Status::Ok();
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
