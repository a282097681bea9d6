// Writes into any bytes: each write changes only its own line or adds one,
// reads back as written, and keeps the file writable; a batch on a real
// file gives exactly the bytes of the writes one by one, or is refused and
// leaves the file untouched; no write leaves a temporary behind; a changed
// file has its original kept beside it.
// Fields: section, key, value, repeated; one field more means no file yet.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "platform/files.h"
#include "platform/ini_text.h"
#include "platform/profile.h"

namespace {

size_t FilesInScratchFolder(const std::string& path) {
    std::string folder = path.substr(0, path.rfind('\\'));
    size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) {
        ++count;
    }
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzz::Input input = fuzz::SplitInput(data, size);
    std::vector<profile::Entry> entries;
    for (size_t i = 0; i + 2 < input.fields.size() && entries.size() < 16; i += 3) {
        entries.push_back({input.fields[i], input.fields[i + 1], input.fields[i + 2]});
    }
    const bool fileExists = input.fields.size() % 3 != 1;
    const std::string original = fileExists ? input.file : std::string();

    // The text rules, write by write.
    const bool contentWritable = ini::CheckContent(original).empty();
    bool allWritable = contentWritable;
    std::string bytes = original;
    for (const profile::Entry& entry : entries) {
        if (!ini::CheckEntry(entry.section, entry.key, entry.value).empty()) {
            allWritable = false;
            continue;
        }
        if (!contentWritable) {
            continue;
        }
        const std::string before = bytes;
        ini::SetValue(bytes, entry.section, entry.key, entry.value);
        fuzz::Check(fuzz::OnlyItsLineChanged(before, bytes, entry.section, entry.key, entry.value),
                    "a write changed more than its own line");
        fuzz::Check(ini::CheckContent(bytes).empty(), "a write made the file unwritable");
        std::string storage;
        auto value = ini::FindValue(ini::ReadableText(bytes, storage), entry.section, entry.key);
        fuzz::Check(value && *value == fuzz::Trimmed(entry.value), "a write does not read back");
    }

    // The same on real files: one batch, and the writes one by one.
    const std::string batchPath = fuzz::ScratchPath("batch.cfg");
    const std::string singlePath = fuzz::ScratchPath("single.cfg");
    fuzz::PutFile(batchPath, original, fileExists);
    fuzz::PutFile(singlePath, original, fileExists);
    fuzz::PutFile(files::OriginalPath(batchPath), "", false);
    fuzz::PutFile(files::CreatedPath(batchPath), "", false);
    const size_t filesBefore = FilesInScratchFolder(batchPath);
    const files::Status batch = profile::WriteBatch(entries, batchPath);
    // An existing file that changed has its original beside it, byte for
    // byte; a created one has the marker that it was created instead.
    const bool changed = batch.ok() && fileExists && fuzz::GetFile(batchPath) != original;
    const bool created = batch.ok() && !fileExists && !entries.empty();
    fuzz::Check(files::FileExists(files::OriginalPath(batchPath)) == changed &&
                    (!changed || fuzz::GetFile(files::OriginalPath(batchPath)) == original),
                "the original is missing, not the file as it was, or kept without a change");
    fuzz::Check(files::FileExists(files::CreatedPath(batchPath)) == created,
                "a created file is not marked so, or an existing one is");
    fuzz::Check(FilesInScratchFolder(batchPath) == filesBefore + 2 * created + changed,
                "a write left a temporary or lost the file");
    if (!allWritable && !entries.empty()) {
        fuzz::Check(batch.error == files::Error::Unsupported,
                    "an unwritable batch was not refused");
        fuzz::Check(files::FileExists(batchPath) == fileExists, "a refused batch made a file");
        fuzz::Check(!fileExists || fuzz::GetFile(batchPath) == original,
                    "a refused batch changed the file");
        return 0;
    }
    fuzz::Check(batch.ok(), "a writable batch failed");
    for (const profile::Entry& entry : entries) {
        fuzz::Check(profile::WriteString(entry.section, entry.key, entry.value, singlePath).ok(),
                    "a writable entry failed");
    }
    const std::string written = fuzz::GetFile(batchPath);
    fuzz::Check(written == fuzz::GetFile(singlePath), "a batch differs from its writes one by one");
    fuzz::Check(written == bytes, "a file write differs from the text write");
    return 0;
}
