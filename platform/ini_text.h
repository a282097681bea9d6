// The INI text rules that reads and writes share: pure functions on a file's
// bytes, with no file system, so that every rule can be tested on its own.
//
// A file is a sequence of lines ended by CR LF, LF or a lone CR. A line whose
// first non-blank character is '[' and that holds a ']' later is a section
// header; its name is what stands between the '[' and the last ']', trimmed.
// Lines before the first header form a section with the empty name. Every
// other non-blank line is an entry: the key is the text before the first '=',
// the value the text after it, both trimmed; a line without '=' is a key
// without a value. There are no comments as such: ";x=1" is the key ";x".
// Names match without regard to ASCII case; only the first section of a name
// counts, and in it only the first entry of a key.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ini {

// White space around names and values: ASCII white space and Ctrl-Z, the
// old end-of-file mark.
bool IsBlank(char c);

enum class Encoding {
    Bytes,    // no byte-order mark: the bytes as they are (ANSI or UTF-8)
    Utf8Bom,  // UTF-8 behind a byte-order mark
    Utf16Le,  // UTF-16 behind a byte-order mark (also UTF-32 LE, which starts alike)
    Utf16Be,
};
Encoding DetectEncoding(std::string_view bytes);

// The text that reads scan: the bytes after a UTF-8 byte-order mark, or
// UTF-16 text converted to UTF-8 into storage.
std::string_view ReadableText(std::string_view bytes, std::string& storage);

// The lines of the first section named section, from the one after its
// header up to the next header line (for the empty name: the lines before
// the first header); nullopt when there is no such section.
std::optional<std::string_view> FindSection(std::string_view text, std::string_view section);

// The value of key in a section's body as the file holds it (trimmed, quotes
// still on, cut at a NUL byte); nullopt when the key is missing or its first
// line has no '='.
std::optional<std::string_view> FindKey(std::string_view body, std::string_view key);

// The two above: the value of key in the first section of that name.
std::optional<std::string_view> FindValue(std::string_view text, std::string_view section,
                                          std::string_view key);

// What a read hands back for a buffer of bufferSize characters: the value,
// or when there is none the default without trailing spaces; then without
// one pair of enclosing quotes (" or '); at most bufferSize - 1 characters.
std::string_view ReadResult(std::optional<std::string_view> value, std::string_view defaultValue,
                            size_t bufferSize);

// The integer a read's result stands for, as the platform reads it: blanks
// and control characters skipped, one sign, a "0x", "0o" or "0b" prefix
// for hexadecimal, octal or binary, digits up to the first other character,
// wrapped to 32 bits (never undefined). defaultValue when text is empty.
int ParseInt(std::string_view text, int defaultValue);

// Why section, key and value cannot be written without breaking the file's
// structure (a line break or NUL byte anywhere, a '=' in the key, a key
// starting with '[' or with the bytes of a byte-order mark); empty when
// they can.
std::string CheckEntry(std::string_view section, std::string_view key, std::string_view value);

// Why the program will not rewrite a file of these bytes (UTF-16 text, NUL
// bytes); empty when it will.
std::string CheckContent(std::string_view bytes);

// Sets key = value in section of the file's bytes: replaces the value on the
// key's line, or adds the line after the last non-blank line of the section,
// or adds the section at the end. Every other byte stays. New lines take the
// neighbouring line's break (the file's first break at the end of the file,
// CR LF in an empty file); a file without a final line break keeps lacking
// one. Names are trimmed, the value's leading blanks dropped. The entry must
// pass CheckEntry.
void SetValue(std::string& bytes, std::string_view section, std::string_view key,
              std::string_view value);

}  // namespace ini
