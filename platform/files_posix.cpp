// POSIX side of the file layer: paths with '/', errno, rename.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <system_error>

#include "platform/files.h"
#include "platform/temporary_name.h"

namespace files {

namespace {

Status FromErrno(int error, const std::string& what) {
    std::string reason = what + ": " + std::generic_category().message(error);
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return Status::Fail(Error::NotFound, reason);
        case EACCES:
        case EPERM:
        case EROFS:
        case ETXTBSY:
            return Status::Fail(Error::AccessDenied, reason);
        case ENOSPC:
        case EDQUOT:
            return Status::Fail(Error::DiskFull, reason);
        case EISDIR:
            return Status::Fail(Error::IsDirectory, reason);
        case EFBIG:
            return Status::Fail(Error::TooLarge, reason);
        default:
            return Status::Fail(Error::Other, reason);
    }
}

class Descriptor {
  public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return m_fd; }
    // Closing can report a late write error, so it is checked where it matters.
    int Close() {
        int result = m_fd >= 0 ? close(m_fd) : 0;
        m_fd = -1;
        return result;
    }

  private:
    int m_fd;
};

std::string FolderOf(const std::string& native) {
    size_t slash = native.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : native.substr(0, slash);
}

// A symbolic link stays a link: the file it points to is the one replaced.
std::string ResolveLink(const std::string& native) {
    struct stat info {};
    if (lstat(native.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
        return native;
    }
    char* real = realpath(native.c_str(), nullptr);
    if (!real) {
        return native;
    }
    std::string resolved = real;
    std::free(real);
    return resolved;
}

Status WriteAll(int fd, const std::string& bytes, const std::string& what) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return FromErrno(errno, what);
        }
        done += static_cast<size_t>(n);
    }
    return Status::Ok();
}

// Makes the rename itself durable.
void SyncFolder(const std::string& folder) {
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

// A new file next to target, open for writing; -1 with the reason in errno
// when none can be made.
int CreateTemporary(const std::string& target, std::string& temporary) {
    static std::atomic<unsigned> s_nextTemporary{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = TemporaryName(target, static_cast<unsigned long>(getpid()), s_nextTemporary++);
        int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Writes bytes to a new temporary next to target and flushes it to disk;
// with the old file's owner and mode when keep is given. On failure the
// temporary is gone again.
Status WriteTemporary(const std::string& target, const std::string& bytes, const struct stat* keep,
                      const std::string& path, std::string& temporary) {
    Descriptor file(CreateTemporary(target, temporary));
    if (file.get() < 0) {
        return FromErrno(errno, "cannot create a file in the folder of " + path);
    }
    auto fail = [&](const Status& status) {
        file.Close();
        unlink(temporary.c_str());
        return status;
    };
    if (keep) {
        // Owner and mode as they were; the set-id bits only where the owner is kept too.
        const bool owned = fchown(file.get(), keep->st_uid, keep->st_gid) == 0;
        fchmod(file.get(), keep->st_mode & (owned ? 07777 : 0777));
    }
    if (Status written = WriteAll(file.get(), bytes, "cannot write " + path); !written.ok()) {
        return fail(written);
    }
    if (fsync(file.get()) != 0) {
        return fail(FromErrno(errno, "cannot flush " + path));
    }
    if (file.Close() != 0) {
        return fail(FromErrno(errno, "cannot write " + path));
    }
    return Status::Ok();
}

// Temporaries that a writer killed before its rename left next to target:
// only names of our own pattern whose process is gone. A live writer's
// temporary is never touched, so this cannot disturb a write in progress.
void RemoveStaleTemporaries(const std::string& target) {
    const std::string folder = FolderOf(target);
    const std::string fileName = target.substr(target.rfind('/') + 1);
    DIR* listing = opendir(folder.c_str());
    if (!listing) {
        return;
    }
    while (const dirent* entry = readdir(listing)) {
        unsigned long pid = 0;
        if (IsTemporaryOf<char>(entry->d_name, fileName, pid) &&
            pid != static_cast<unsigned long>(getpid()) &&
            pid <= static_cast<unsigned long>(INT_MAX) && kill(static_cast<pid_t>(pid), 0) != 0 &&
            errno == ESRCH) {
            unlink((folder + "/" + entry->d_name).c_str());
        }
    }
    closedir(listing);
}

// Keeps bytes as the original of the file at path unless one exists; made
// tells whether this call made it.
Status KeepOriginal(const std::string& path, const std::string& bytes, bool& made) {
    made = false;
    const std::string target = NativePath(path);
    const std::string original = OriginalPath(target);
    if (FileExists(CreatedPath(path))) {
        return Status::Ok();  // this program created the file: it has no original
    }
    auto notKept = [](const Status& why) {
        return Status::Fail(Error::OriginalNotKept, why.reason);
    };
    struct stat info {};
    if (lstat(original.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) {
            return Status::Fail(Error::OriginalNotKept, OriginalPath(path) + " is a folder");
        }
        // A writer killed between its link and its unlink left a second name.
        RemoveStaleTemporaries(original);
        return Status::Ok();
    }
    const bool keepMode = stat(target.c_str(), &info) == 0;
    std::string temporary;
    if (Status written = WriteTemporary(original, bytes, keepMode ? &info : nullptr,
                                        OriginalPath(path), temporary);
        !written.ok()) {
        return notKept(written);
    }
    // A hard link never replaces a file: an original made meanwhile stays.
    const int linked = link(temporary.c_str(), original.c_str());
    const int linkError = errno;
    unlink(temporary.c_str());
    if (linked != 0 && linkError != EEXIST) {
        return notKept(FromErrno(linkError, "cannot keep " + OriginalPath(path)));
    }
    made = linked == 0;
    SyncFolder(FolderOf(original));
    RemoveStaleTemporaries(original);
    return Status::Ok();
}

}  // namespace

std::string NativePath(const std::string& path) {
    std::string native = path;
    for (char& c : native) {
        if (c == '\\') {
            c = '/';
        }
    }
    return native;
}

bool FolderExists(const std::string& path) {
    struct stat info {};
    return stat(NativePath(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool FileExists(const std::string& path) {
    std::string native = NativePath(path);
    struct stat info {};
    // Only a regular file: opening a named pipe would wait for a writer.
    if (stat(native.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    FILE* file = std::fopen(native.c_str(), "r");
    if (!file) {
        return false;
    }
    (void)std::fclose(file);
    return true;
}

Status ReadFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    // Non-blocking so that a named pipe cannot hang the program.
    Descriptor file(open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0) {
        return FromErrno(errno, "cannot open " + path);
    }
    struct stat info {};
    if (fstat(file.get(), &info) != 0) {
        return FromErrno(errno, "cannot examine " + path);
    }
    if (S_ISDIR(info.st_mode)) {
        return Status::Fail(Error::IsDirectory, path + " is a folder");
    }
    if (!S_ISREG(info.st_mode)) {
        return Status::Fail(Error::Other, path + " is not a regular file");
    }
    if (static_cast<uint64_t>(info.st_size) > kMaxFileBytes) {
        return Status::Fail(Error::TooLarge, path + " is larger than the program reads");
    }
    bytes.resize(static_cast<size_t>(info.st_size));
    size_t done = 0;
    for (;;) {
        if (done == bytes.size()) {
            // The file may have grown since fstat.
            if (bytes.size() >= kMaxFileBytes) {
                bytes.clear();
                return Status::Fail(Error::TooLarge, path + " is larger than the program reads");
            }
            bytes.resize(bytes.size() + 4096);
        }
        ssize_t n = read(file.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            bytes.clear();
            return FromErrno(errno, "cannot read " + path);
        }
        if (n == 0) {
            break;
        }
        done += static_cast<size_t>(n);
    }
    bytes.resize(done);
    return Status::Ok();
}

Status ReplaceFile(const std::string& path, const std::string& bytes,
                   const std::string* keepAsOriginal) {
    const std::string target = ResolveLink(NativePath(path));
    struct stat info {};
    const bool exists = stat(target.c_str(), &info) == 0;
    if (!exists && errno != ENOENT) {
        return FromErrno(errno, "cannot examine " + path);
    }
    if (exists) {
        if (S_ISDIR(info.st_mode)) {
            return Status::Fail(Error::IsDirectory, path + " is a folder");
        }
        if (!S_ISREG(info.st_mode)) {
            return Status::Fail(Error::Other, path + " is not a regular file");
        }
        // Root may replace anything; a file nobody may write is still read-only to us.
        if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            return Status::Fail(Error::AccessDenied, path + " is read-only");
        }
        if (access(target.c_str(), W_OK) != 0) {
            return FromErrno(errno, "cannot write " + path);
        }
    }
    bool madeOriginal = false;
    bool madeMarker = false;
    if (exists && keepAsOriginal) {
        if (Status kept = KeepOriginal(path, *keepAsOriginal, madeOriginal); !kept.ok()) {
            return kept;
        }
    } else if (keepAsOriginal) {
        const std::string marker = CreatedPath(NativePath(path));
        const int fd = open(marker.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            return FromErrno(errno, "cannot create a file in the folder of " + path);
        }
        madeMarker = fd >= 0;
        if (madeMarker) {
            close(fd);
        }
    }
    auto fail = [&](const Status& status) {
        if (madeOriginal) {
            unlink(OriginalPath(NativePath(path)).c_str());
        }
        if (madeMarker) {
            unlink(CreatedPath(NativePath(path)).c_str());
        }
        return status;
    };

    std::string temporary;
    if (Status written = WriteTemporary(target, bytes, exists ? &info : nullptr, path, temporary);
        !written.ok()) {
        return fail(written);
    }
    if (rename(temporary.c_str(), target.c_str()) != 0) {
        Status failed = FromErrno(errno, "cannot replace " + path);
        unlink(temporary.c_str());
        return fail(failed);
    }
    SyncFolder(FolderOf(target));
    RemoveStaleTemporaries(target);
    return Status::Ok();
}

bool LastWriteTime(const std::string& path, LocalTime& time) {
    struct stat info {};
    struct tm local {};
    if (stat(NativePath(path).c_str(), &info) != 0 || !localtime_r(&info.st_mtime, &local)) {
        return false;
    }
    time = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min};
    return true;
}

}  // namespace files
