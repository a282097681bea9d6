// The safe save, the same on every system over the primitives of
// file_system.h: a temporary beside the file, flushed, then put in its
// place in one step; the original kept once, never overwritten.
#include <atomic>

#include "platform/file_system.h"
#include "platform/files.h"
#include "platform/temporary_name.h"

namespace files {

namespace {

using os::Doing;

// A native path cut into its folder and its name; the folder is what goes
// before the name, separator included.
struct Place {
    std::string prefix, name;

    explicit Place(const std::string& path) {
        const size_t cut = path.find_last_of("/\\");  // only Windows has '\'
        prefix = cut == std::string::npos ? "" : path.substr(0, cut + 1);
        name = path.substr(prefix.size());
    }
    std::string Folder() const {
        if (prefix.empty()) {
            return ".";
        }
        return prefix.size() == 1 ? prefix : prefix.substr(0, prefix.size() - 1);
    }
};

// A new file next to target, open for writing.
Status CreateTemporary(const std::string& target, os::File& file, std::string& temporary) {
    static std::atomic<unsigned> s_nextTemporary{0};
    Status created;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = TemporaryName(target, os::CurrentProcessId(), s_nextTemporary++);
        bool existed = false;
        created = os::CreateNew(temporary, file.out(), existed);
        if (created.ok() || !existed) {
            break;
        }
    }
    return created;
}

// Writes bytes to a new temporary next to target and flushes it to disk;
// with the owner and permissions of like when given. On failure the
// temporary is gone again.
Status WriteTemporary(const std::string& target, const std::string& bytes, const std::string* like,
                      const std::string& path, std::string& temporary) {
    os::File file;
    if (Status created = CreateTemporary(target, file, temporary); !created.ok()) {
        return Doing("cannot create a file in the folder of " + path, created);
    }
    auto fail = [&](const Status& status) {
        (void)file.Close();
        (void)os::Remove(temporary);
        return status;
    };
    if (like) {
        os::TakeAccessOf(file.get(), *like);
    }
    if (Status written = os::Write(file.get(), bytes.data(), bytes.size()); !written.ok()) {
        return fail(Doing("cannot write " + path, written));
    }
    if (Status flushed = os::Flush(file.get()); !flushed.ok()) {
        return fail(Doing("cannot flush " + path, flushed));
    }
    if (Status closed = file.Close(); !closed.ok()) {
        return fail(Doing("cannot write " + path, closed));
    }
    return Status::Ok();
}

// Temporaries that a writer killed before its rename left next to target:
// only names of our own pattern whose process is gone. A live writer's
// temporary is never touched, so this cannot disturb a write in progress.
void RemoveStaleTemporaries(const std::string& target) {
    const Place place(target);
    std::vector<std::string> names;
    if (!os::ListFolder(place.Folder(), names).ok()) {
        return;
    }
    for (const std::string& name : names) {
        unsigned long pid = 0;
        if (IsTemporaryOf<char>(name, place.name, pid) && pid != os::CurrentProcessId() &&
            os::ProcessIsGone(pid)) {
            (void)os::Remove(place.prefix + name);
        }
    }
}

// Keeps bytes as the original of the file at path (native: its native
// path; target: the file it stands for) unless one exists; made tells
// whether this call made it.
Status KeepOriginal(const std::string& path, const std::string& native, const std::string& target,
                    const std::string& bytes, bool& made) {
    made = false;
    if (FileExists(CreatedPath(path))) {
        return Status::Ok();  // this program created the file: it has no original
    }
    const std::string original = OriginalPath(native);
    auto notKept = [](const Status& why) {
        return Status::Fail(Error::OriginalNotKept, why.reason);
    };
    // Whatever cannot be examined is tried as missing: making it says why not.
    if (os::Info info; os::Examine(original, info).ok() && info.exists) {
        if (info.folder) {
            return Status::Fail(Error::OriginalNotKept, OriginalPath(path) + " is a folder");
        }
        // A writer killed inside its rename may have left a second name.
        RemoveStaleTemporaries(original);
        return Status::Ok();
    }
    std::string temporary;
    if (Status written = WriteTemporary(original, bytes, &target, OriginalPath(path), temporary);
        !written.ok()) {
        return notKept(written);
    }
    // An original made meanwhile stays.
    bool existed = false;
    if (Status renamed = os::RenameNoReplace(temporary, original, existed); !renamed.ok()) {
        (void)os::Remove(temporary);
        if (!existed) {
            return notKept(Doing("cannot keep " + OriginalPath(path), renamed));
        }
    } else {
        made = true;
    }
    os::FlushFolder(Place(original).Folder());
    RemoveStaleTemporaries(original);
    return Status::Ok();
}

}  // namespace

Status ReplaceFile(const std::string& path, const std::string& bytes,
                   const std::string* keepAsOriginal) {
    const std::string native = NativePath(path);
    // A symbolic link stays a link: the file it points to is the one replaced.
    const std::string target = os::ResolveLink(native);
    os::Info info;
    if (Status examined = os::Examine(target, info); !examined.ok()) {
        return Doing("cannot examine " + path, examined);
    }
    if (info.exists) {
        if (info.folder) {
            return Status::Fail(Error::IsDirectory, path + " is a folder");
        }
        if (!info.regular) {
            return Status::Fail(Error::Other, path + " is not a regular file");
        }
        // Refused even where this process could write it (root, administrators).
        if (info.readOnly) {
            return Status::Fail(Error::AccessDenied, path + " is read-only");
        }
        if (Status writable = os::CheckWritable(target); !writable.ok()) {
            return Doing("cannot write " + path, writable);
        }
    }
    bool madeOriginal = false;
    bool madeMarker = false;
    if (info.exists && keepAsOriginal) {
        if (Status kept = KeepOriginal(path, native, target, *keepAsOriginal, madeOriginal);
            !kept.ok()) {
            return kept;
        }
    } else if (keepAsOriginal) {
        os::File marker;
        bool existed = false;
        if (Status created = os::CreateNew(CreatedPath(native), marker.out(), existed);
            !created.ok() && !existed) {
            return Doing("cannot create a file in the folder of " + path, created);
        }
        madeMarker = !existed;
    }
    auto fail = [&](const Status& status) {
        if (madeOriginal) {
            (void)os::Remove(OriginalPath(native));
        }
        if (madeMarker) {
            (void)os::Remove(CreatedPath(native));
        }
        return status;
    };

    std::string temporary;
    if (Status written =
            WriteTemporary(target, bytes, info.exists ? &target : nullptr, path, temporary);
        !written.ok()) {
        return fail(written);
    }
    if (Status replaced = os::Replace(temporary, target); !replaced.ok()) {
        (void)os::Remove(temporary);
        return fail(Doing("cannot replace " + path, replaced));
    }
    os::FlushFolder(Place(target).Folder());
    RemoveStaleTemporaries(target);
    return Status::Ok();
}

}  // namespace files
