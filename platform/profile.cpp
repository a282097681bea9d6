#include "platform/profile.h"

#include <cstring>

#include "platform/files.h"
#include "platform/ini_text.h"

namespace profile {

namespace {

// The platform reads an integer through a 30-character buffer: a longer
// value is cut before it is parsed.
constexpr size_t kIntBufferSize = 30;

// The result of a read; bytes and storage hold the file's text it points into.
std::string_view Read(std::string_view section, std::string_view key, std::string_view defaultValue,
                      size_t bufferSize, const std::string& path, std::string& bytes,
                      std::string& storage) {
    std::optional<std::string_view> value;
    if (files::ReadFile(path, bytes).ok()) {
        value = ini::FindValue(ini::ReadableText(bytes, storage), section, key);
    }
    return ini::ReadResult(value, defaultValue, bufferSize);
}

files::Status Refused(const std::string& path, const std::string& why) {
    return files::Status::Fail(files::Error::Unsupported, path + ": " + why);
}

}  // namespace

size_t GetString(std::string_view section, std::string_view key, std::string_view defaultValue,
                 char* buffer, size_t size, const std::string& path) {
    if (size == 0 || buffer == nullptr) {
        return 0;
    }
    std::string bytes;
    std::string storage;
    std::string_view result = Read(section, key, defaultValue, size, path, bytes, storage);
    std::memcpy(buffer, result.data(), result.size());
    buffer[result.size()] = '\0';
    return result.size();
}

std::string GetString(std::string_view section, std::string_view key, std::string_view defaultValue,
                      size_t bufferSize, const std::string& path) {
    std::string bytes;
    std::string storage;
    return std::string(Read(section, key, defaultValue, bufferSize, path, bytes, storage));
}

int GetInt(std::string_view section, std::string_view key, int defaultValue,
           const std::string& path) {
    std::string bytes;
    std::string storage;
    return ini::ParseInt(Read(section, key, "", kIntBufferSize, path, bytes, storage),
                         defaultValue);
}

files::Status WriteString(std::string_view section, std::string_view key, std::string_view value,
                          const std::string& path) {
    return WriteBatch({Entry{std::string(section), std::string(key), std::string(value)}}, path);
}

files::Status WriteBatch(const std::vector<Entry>& entries, const std::string& path) {
    if (entries.empty()) {
        return files::Status::Ok();
    }
    for (const Entry& entry : entries) {
        if (std::string why = ini::CheckEntry(entry.section, entry.key, entry.value);
            !why.empty()) {
            return Refused(path, why);
        }
    }
    std::string bytes;
    files::Status read = files::ReadFile(path, bytes);
    if (!read.ok() && read.error != files::Error::NotFound) {
        return read;
    }
    // A missing folder shows when the file is replaced.
    const bool exists = read.ok();
    if (std::string why = ini::CheckContent(bytes); !why.empty()) {
        return Refused(path, why);
    }
    const std::string before = bytes;
    for (const Entry& entry : entries) {
        ini::SetValue(bytes, entry.section, entry.key, entry.value);
    }
    // Nothing to do, also when the writes undo each other: the file is left
    // as it is, and no original is kept for it.
    if (exists && bytes == before) {
        return files::Status::Ok();
    }
    // The file as it was before this program's first change is kept beside it.
    return files::ReplaceFile(path, bytes, &before);
}

}  // namespace profile
