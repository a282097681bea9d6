#include "platform/ini_text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace ini {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr size_t npos = std::string_view::npos;

std::string_view TrimLeft(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) {
        ++i;
    }
    return s.substr(i);
}

std::string_view Trim(std::string_view s) {
    s = TrimLeft(s);
    while (!s.empty() && IsBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// Names and values end at a NUL byte, as C strings do.
std::string_view CutAtNul(std::string_view s) {
    return s.substr(0, s.find('\0'));
}

std::string_view Name(std::string_view raw) {
    return CutAtNul(Trim(raw));
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool NamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

struct Line {
    size_t begin;  // first byte
    size_t end;    // end of the content, where the line break starts
    size_t next;   // first byte of the next line
};

// Finds line breaks with memchr, remembering the next CR and the next LF
// until the scan passes them, so that a walk over the whole text stays
// linear even when one of them never occurs (files of a few megabytes on
// one line, or with CR endings only, are read and written fast).
class BreakFinder {
  public:
    explicit BreakFinder(std::string_view text) : m_text(text) {}

    // The first CR or LF at or after pos; the text's size when there is none.
    size_t Next(size_t pos) {
        if (!m_started || m_cr < pos) {
            m_cr = Find('\r', pos);
        }
        if (!m_started || m_lf < pos) {
            m_lf = Find('\n', pos);
        }
        m_started = true;
        return std::min(m_cr, m_lf);
    }

  private:
    size_t Find(char c, size_t pos) const {
        if (pos >= m_text.size()) {
            return m_text.size();
        }
        const void* hit = std::memchr(m_text.data() + pos, c, m_text.size() - pos);
        return hit ? static_cast<size_t>(static_cast<const char*>(hit) - m_text.data())
                   : m_text.size();
    }

    std::string_view m_text;
    bool m_started = false;
    size_t m_cr = 0;
    size_t m_lf = 0;
};

Line LineAt(std::string_view text, size_t pos, BreakFinder& breaks) {
    size_t end = breaks.Next(pos);
    size_t next = end;
    if (next < text.size()) {
        next += (text[next] == '\r' && next + 1 < text.size() && text[next + 1] == '\n') ? 2 : 1;
    }
    return {pos, end, next};
}

std::string_view Content(std::string_view text, const Line& line) {
    return text.substr(line.begin, line.end - line.begin);
}

// The section name when the line is a header.
std::optional<std::string_view> HeaderName(std::string_view content) {
    std::string_view rest = TrimLeft(content);
    if (rest.empty() || rest[0] != '[') {
        return std::nullopt;
    }
    size_t close = rest.rfind(']');
    if (close == npos) {
        return std::nullopt;
    }
    return Name(rest.substr(1, close - 1));
}

struct EntryLine {
    std::string_view key;  // trimmed
    size_t keyEnd;         // offset in the line just after the key's text
    size_t equals;         // offset of the first '=' in the line, npos when none
};

std::optional<EntryLine> ParseEntry(std::string_view content) {
    if (TrimLeft(content).empty()) {
        return std::nullopt;
    }
    size_t equals = content.find('=');
    std::string_view keyText = content.substr(0, equals);
    size_t keyEnd = keyText.size();
    while (keyEnd > 0 && IsBlank(keyText[keyEnd - 1])) {
        --keyEnd;
    }
    return EntryLine{Name(keyText), keyEnd, equals};
}

std::string_view LineBreak(std::string_view text, const Line& line) {
    return text.substr(line.end, line.next - line.end);
}

// The file's own line break: its first one, or CR LF when it has none.
std::string_view StyleBreak(std::string_view text, size_t start) {
    BreakFinder breaks(text);
    size_t at = breaks.Next(start);
    if (at == text.size()) {
        return "\r\n";
    }
    size_t length = (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ? 2 : 1;
    return text.substr(at, length);
}

void AppendUtf8(std::string& out, uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// UTF-16 without its byte-order mark to UTF-8; a lone surrogate becomes
// U+FFFD and an odd last byte is dropped.
void Utf16ToUtf8(std::string_view bytes, bool bigEndian, std::string& out) {
    out.clear();
    out.reserve(bytes.size());
    auto unit = [&](size_t i) -> uint32_t {
        auto hi = static_cast<unsigned char>(bytes[bigEndian ? i : i + 1]);
        auto lo = static_cast<unsigned char>(bytes[bigEndian ? i + 1 : i]);
        return (static_cast<uint32_t>(hi) << 8) | lo;
    };
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        uint32_t code = unit(i);
        if (code >= 0xD800 && code <= 0xDBFF && i + 3 < bytes.size()) {
            uint32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        if (code >= 0xD800 && code <= 0xDFFF) {
            code = 0xFFFD;
        }
        AppendUtf8(out, code);
    }
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'Z') {
        return c - 'A' + 10;
    }
    return 99;
}

// Replaces the value on an entry's line (or gives a line without '=' one).
void ReplaceValue(std::string& bytes, const Line& line, const EntryLine& entry,
                  std::string_view value) {
    size_t from = line.begin + entry.keyEnd;
    std::string replacement;
    if (entry.equals == npos) {
        replacement = "=";
    } else {
        from = line.begin + entry.equals + 1;
        while (from < line.end && IsBlank(bytes[from])) {
            ++from;
        }
    }
    replacement += value;
    bytes.replace(from, line.end - from, replacement);
}

}  // namespace

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1a';
}

Encoding DetectEncoding(std::string_view bytes) {
    if (bytes.substr(0, 3) == kUtf8Bom) {
        return Encoding::Utf8Bom;
    }
    if (bytes.substr(0, 2) == "\xFF\xFE") {
        return Encoding::Utf16Le;
    }
    if (bytes.substr(0, 2) == "\xFE\xFF") {
        return Encoding::Utf16Be;
    }
    return Encoding::Bytes;
}

std::string_view ReadableText(std::string_view bytes, std::string& storage) {
    switch (DetectEncoding(bytes)) {
        case Encoding::Utf8Bom:
            return bytes.substr(kUtf8Bom.size());
        case Encoding::Utf16Le:
        case Encoding::Utf16Be:
            Utf16ToUtf8(bytes.substr(2), DetectEncoding(bytes) == Encoding::Utf16Be, storage);
            return storage;
        case Encoding::Bytes:
            break;
    }
    return bytes;
}

std::optional<std::string_view> FindSection(std::string_view text, std::string_view section) {
    const std::string_view wanted = Name(section);
    bool inSection = wanted.empty();  // the lines before the first header
    size_t begin = 0;
    BreakFinder breaks(text);
    for (size_t pos = 0; pos < text.size();) {
        const Line line = LineAt(text, pos, breaks);
        pos = line.next;
        if (std::optional<std::string_view> header = HeaderName(Content(text, line))) {
            if (inSection) {
                return text.substr(begin, line.begin - begin);  // only the first of a name counts
            }
            inSection = NamesEqual(*header, wanted);
            begin = line.next;
        }
    }
    if (!inSection) {
        return std::nullopt;
    }
    return text.substr(std::min(begin, text.size()));
}

std::optional<std::string_view> FindKey(std::string_view body, std::string_view key) {
    const std::string_view wanted = Name(key);
    BreakFinder breaks(body);
    for (size_t pos = 0; pos < body.size();) {
        const Line line = LineAt(body, pos, breaks);
        pos = line.next;
        const std::string_view content = Content(body, line);
        std::optional<EntryLine> entry = ParseEntry(content);
        if (entry && NamesEqual(entry->key, wanted)) {
            if (entry->equals == npos) {
                return std::nullopt;
            }
            return Name(content.substr(entry->equals + 1));
        }
    }
    return std::nullopt;
}

std::optional<std::string_view> FindValue(std::string_view text, std::string_view section,
                                          std::string_view key) {
    const std::optional<std::string_view> body = FindSection(text, section);
    return body ? FindKey(*body, key) : std::nullopt;
}

std::string_view ReadResult(std::optional<std::string_view> value, std::string_view defaultValue,
                            size_t bufferSize) {
    std::string_view result;
    if (value) {
        result = *value;
    } else {
        // Trailing spaces of the default go, but never its first character.
        result = CutAtNul(defaultValue);
        while (result.size() > 1 && result.back() == ' ') {
            result.remove_suffix(1);
        }
    }
    if (result.size() >= 2 && (result[0] == '"' || result[0] == '\'') &&
        result.back() == result[0]) {
        result = result.substr(1, result.size() - 2);
    }
    if (bufferSize == 0) {
        return {};
    }
    return result.substr(0, std::min(result.size(), bufferSize - 1));
}

int ParseInt(std::string_view text, int defaultValue) {
    if (text.empty()) {
        return defaultValue;
    }
    size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i + 1 < text.size() && text[i] == '0') {
        switch (text[i + 1]) {
            case 'x':
                base = 16;
                break;
            case 'o':
                base = 8;
                break;
            case 'b':
                base = 2;
                break;
            default:
                break;
        }
        if (base != 10) {
            i += 2;
        }
    }
    uint32_t magnitude = 0;  // unsigned: overflow wraps as the platform's does
    for (; i < text.size() && DigitValue(text[i]) < base; ++i) {
        magnitude =
            magnitude * static_cast<uint32_t>(base) + static_cast<uint32_t>(DigitValue(text[i]));
    }
    uint32_t bits = negative ? 0u - magnitude : magnitude;
    // Two's complement without an implementation-defined conversion.
    return bits <= 0x7FFFFFFFu ? static_cast<int>(bits) : -static_cast<int>(~bits) - 1;
}

std::string CheckEntry(std::string_view section, std::string_view key, std::string_view value) {
    for (std::string_view part : {section, key, value}) {
        if (part.find_first_of(std::string_view("\r\n\0", 3)) != npos) {
            return "a line break or NUL byte cannot be stored in a profile file";
        }
    }
    if (key.find('=') != npos) {
        return "a key name cannot contain '='";
    }
    if (!Trim(key).empty() && Trim(key)[0] == '[') {
        return "a key name cannot start with '['";
    }
    // Written at the start of a file, such a key would read as a byte-order mark.
    if (DetectEncoding(Trim(key)) != Encoding::Bytes) {
        return "a key name cannot start with a byte-order mark";
    }
    return {};
}

std::string CheckContent(std::string_view bytes) {
    switch (DetectEncoding(bytes)) {
        case Encoding::Utf16Le:
        case Encoding::Utf16Be:
            return "UTF-16 text is not rewritten";
        case Encoding::Bytes:
        case Encoding::Utf8Bom:
            break;
    }
    if (bytes.find('\0') != npos) {
        return "NUL bytes: not a text file";
    }
    return {};
}

void SetValue(std::string& bytes, std::string_view section, std::string_view key,
              std::string_view value) {
    const size_t start = DetectEncoding(bytes) == Encoding::Utf8Bom ? kUtf8Bom.size() : 0;
    const std::string_view wantedSection = Name(section);
    const std::string_view wantedKey = Name(key);
    const std::string_view newValue = TrimLeft(value);

    bool inSection = wantedSection.empty();
    bool found = inSection;
    std::optional<Line> last;   // the section's last non-blank line, header included
    BreakFinder breaks(bytes);  // bytes stay as they are until the scan ends
    for (size_t pos = start; pos < bytes.size();) {
        const std::string_view text(bytes);
        const Line line = LineAt(text, pos, breaks);
        pos = line.next;
        const std::string_view content = Content(text, line);
        if (std::optional<std::string_view> header = HeaderName(content)) {
            if (inSection) {
                break;
            }
            inSection = found = NamesEqual(*header, wantedSection);
            if (found) {
                last = line;
            }
            continue;
        }
        if (!inSection) {
            continue;
        }
        std::optional<EntryLine> entry = ParseEntry(content);
        if (!entry) {
            continue;
        }
        if (NamesEqual(entry->key, wantedKey)) {
            ReplaceValue(bytes, line, *entry, newValue);
            return;
        }
        last = line;
    }

    std::string entryLine = std::string(wantedKey) + "=" + std::string(newValue);
    const std::string_view text(bytes);
    const std::string style(StyleBreak(text, start));
    if (found) {
        if (!last) {
            bytes.insert(start, entryLine + style);  // the empty-named section, still empty
        } else if (last->next > last->end) {
            bytes.insert(last->next, entryLine + std::string(LineBreak(text, *last)));
        } else {
            bytes += style + entryLine;  // the last line had no break, and still has none after
        }
        return;
    }
    std::string sectionLines = "[" + std::string(wantedSection) + "]" + style + entryLine;
    if (bytes.size() == start || bytes.back() == '\r' || bytes.back() == '\n') {
        bytes += sectionLines + style;
    } else {
        bytes += style + sectionLines;
    }
}

}  // namespace ini
