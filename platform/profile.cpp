#include "platform/profile.h"

#include <algorithm>
#include <cstring>

#include "platform/files.h"
#include "platform/ini_text.h"

namespace profile {

namespace {

// The platform reads an integer through a 30-character buffer: a longer
// value is cut before it is parsed.
constexpr size_t kIntBufferSize = 30;

files::Status Refused(const std::string& path, const std::string& why) {
    return files::Status::Fail(files::Error::Unsupported, path + ": " + why);
}

}  // namespace

Snapshot::Snapshot(const std::string& path) {
    m_read = files::ReadFile(path, m_bytes).ok();
    if (m_read) {
        m_text = ini::ReadableText(m_bytes, m_storage);
    }
}

std::string_view Snapshot::Read(std::string_view section, std::string_view key,
                                std::string_view defaultValue, size_t bufferSize) const {
    std::optional<std::string_view> value;
    if (m_read) {
        auto cached = std::find_if(m_sections.begin(), m_sections.end(),
                                   [section](const auto& entry) { return entry.first == section; });
        if (cached == m_sections.end()) {
            cached = m_sections.emplace(m_sections.end(), std::string(section),
                                        ini::FindSection(m_text, section));
        }
        if (cached->second) {
            value = ini::FindKey(*cached->second, key);
        }
    }
    return ini::ReadResult(value, defaultValue, bufferSize);
}

size_t Snapshot::GetString(std::string_view section, std::string_view key,
                           std::string_view defaultValue, char* buffer, size_t size) const {
    if (size == 0 || buffer == nullptr) {
        return 0;
    }
    std::string_view result = Read(section, key, defaultValue, size);
    std::memcpy(buffer, result.data(), result.size());
    buffer[result.size()] = '\0';
    return result.size();
}

std::string Snapshot::GetString(std::string_view section, std::string_view key,
                                std::string_view defaultValue, size_t bufferSize) const {
    return std::string(Read(section, key, defaultValue, bufferSize));
}

int Snapshot::GetInt(std::string_view section, std::string_view key, int defaultValue) const {
    return ini::ParseInt(Read(section, key, "", kIntBufferSize), defaultValue);
}

size_t GetString(std::string_view section, std::string_view key, std::string_view defaultValue,
                 char* buffer, size_t size, const std::string& path) {
    if (size == 0 || buffer == nullptr) {
        return 0;  // the file is not read
    }
    return Snapshot(path).GetString(section, key, defaultValue, buffer, size);
}

std::string GetString(std::string_view section, std::string_view key, std::string_view defaultValue,
                      size_t bufferSize, const std::string& path) {
    return Snapshot(path).GetString(section, key, defaultValue, bufferSize);
}

int GetInt(std::string_view section, std::string_view key, int defaultValue,
           const std::string& path) {
    return Snapshot(path).GetInt(section, key, defaultValue);
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
