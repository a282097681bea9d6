// POSIX side of the file layer: paths with '/', errno, rename.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <system_error>

#include "platform/file_system.h"
#include "platform/files.h"

namespace files {

namespace {

Status FromErrno(int error) {
    std::string reason = std::generic_category().message(error);
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

Status OkOrErrno(bool ok) {
    return ok ? Status::Ok() : FromErrno(errno);
}

int Descriptor(os::FileHandle file) {
    return static_cast<int>(file);
}

void Describe(const struct stat& status, os::Info& info) {
    info.exists = true;
    info.folder = S_ISDIR(status.st_mode);
    info.regular = S_ISREG(status.st_mode);
    // Root may write anything; a file nobody may write is still read-only to us.
    info.readOnly = (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    info.size = static_cast<uint64_t>(status.st_size);
}

}  // namespace

namespace os {

Status Examine(const std::string& path, Info& info) {
    info = {};
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        return errno == ENOENT ? Status::Ok() : FromErrno(errno);
    }
    Describe(status, info);
    return Status::Ok();
}

Status CheckWritable(const std::string& path) {
    return OkOrErrno(access(path.c_str(), W_OK) == 0);
}

std::string ResolveLink(const std::string& path) {
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
        return path;
    }
    char* real = realpath(path.c_str(), nullptr);
    if (!real) {
        return path;
    }
    std::string resolved = real;
    std::free(real);
    return resolved;
}

Status CreateNew(const std::string& path, FileHandle& file, bool& existed) {
    file = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    existed = file < 0 && errno == EEXIST;
    return OkOrErrno(file >= 0);
}

void TakeAccessOf(FileHandle file, const std::string& like) {
    struct stat status {};
    if (stat(like.c_str(), &status) != 0) {
        return;
    }
    // The set-id bits only where the owner is kept too.
    const bool owned = fchown(Descriptor(file), status.st_uid, status.st_gid) == 0;
    fchmod(Descriptor(file), status.st_mode & (owned ? 07777 : 0777));
}

Status Write(FileHandle file, const char* data, size_t size) {
    size_t done = 0;
    while (done < size) {
        ssize_t n = write(Descriptor(file), data + done, size - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return FromErrno(errno);
        }
        done += static_cast<size_t>(n);
    }
    return Status::Ok();
}

Status Flush(FileHandle file) {
    return OkOrErrno(fsync(Descriptor(file)) == 0);
}

Status Close(FileHandle file) {
    return OkOrErrno(close(Descriptor(file)) == 0);
}

void FlushFolder(const std::string& folder) {
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

// Owner and mode were given to the temporary when it was made.
Status Replace(const std::string& temporary, const std::string& target) {
    return OkOrErrno(rename(temporary.c_str(), target.c_str()) == 0);
}

// A hard link never replaces a file; the second name then goes.
Status RenameNoReplace(const std::string& from, const std::string& to, bool& existed) {
    const bool linked = link(from.c_str(), to.c_str()) == 0;
    existed = !linked && errno == EEXIST;
    if (!linked) {
        return FromErrno(errno);
    }
    unlink(from.c_str());
    return Status::Ok();
}

Status Remove(const std::string& path) {
    return OkOrErrno(unlink(path.c_str()) == 0);
}

Status ListFolder(const std::string& folder, std::vector<std::string>& names) {
    names.clear();
    DIR* listing = opendir(folder.c_str());
    if (!listing) {
        return FromErrno(errno);
    }
    while (const dirent* entry = readdir(listing)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    }
    closedir(listing);
    return Status::Ok();
}

unsigned long CurrentProcessId() {
    return static_cast<unsigned long>(getpid());
}

bool ProcessIsGone(unsigned long pid) {
    return pid <= static_cast<unsigned long>(INT_MAX) && kill(static_cast<pid_t>(pid), 0) != 0 &&
           errno == ESRCH;
}

Status OpenForReading(const std::string& path, FileHandle& file, Info& info) {
    info = {};
    // Non-blocking so that a named pipe cannot hang the program.
    file = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (file < 0) {
        return FromErrno(errno);
    }
    struct stat status {};
    if (fstat(Descriptor(file), &status) != 0) {
        return FromErrno(errno);
    }
    Describe(status, info);
    return Status::Ok();
}

Status ReadChunk(FileHandle file, char* data, size_t size, size_t& read) {
    for (;;) {
        const ssize_t n = ::read(Descriptor(file), data, size);
        if (n >= 0) {
            read = static_cast<size_t>(n);
            return Status::Ok();
        }
        if (errno != EINTR) {
            return FromErrno(errno);
        }
    }
}

}  // namespace os

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
