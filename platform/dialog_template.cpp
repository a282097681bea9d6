#include "platform/dialog_template.h"

#include <cctype>
#include <optional>
#include <string>

namespace dialog_template {

namespace {

constexpr uint16_t kOrdinalMark = 0xFFFF;
constexpr uint16_t kStaticClass = 0x0082;  // the predefined class number of "Static"
constexpr uint32_t kSetFont = 0x40;        // DS_SETFONT (DS_SHELLFONT includes it)

// A forward-only reader that fails once, for good, at the end of the data.
class Reader {
  public:
    Reader(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    bool Ok() const { return m_ok; }

    uint16_t Word() {
        if (!Need(2)) {
            return 0;
        }
        uint16_t value = static_cast<uint16_t>(m_data[m_at] | m_data[m_at + 1] << 8);
        m_at += 2;
        return value;
    }
    uint32_t Dword() {
        uint32_t low = Word();
        return low | static_cast<uint32_t>(Word()) << 16;
    }
    void Skip(size_t bytes) {
        if (Need(bytes)) {
            m_at += bytes;
        }
    }
    // Items start on 4-byte boundaries, counted from the template's start.
    void AlignDword() { Skip((4 - m_at % 4) % 4); }

    // A zero-terminated UTF-16 text, kept as lower-case ASCII (enough to
    // recognise a class name); first is its first character, already read.
    std::string Text(uint16_t first) {
        std::string text;
        for (uint16_t c = first; m_ok && c != 0; c = Word()) {
            text += c < 0x80 ? static_cast<char>(std::tolower(c)) : '?';
        }
        return text;
    }
    std::string Text() { return Text(Word()); }
    // A name or number field: an ordinal (returned) or a text (nullopt).
    std::optional<uint16_t> NameOrOrdinal(std::string* text = nullptr) {
        uint16_t first = Word();
        if (first == kOrdinalMark) {
            return Word();
        }
        std::string name = Text(first);
        if (text) {
            *text = name;
        }
        return std::nullopt;
    }

  private:
    bool Need(size_t bytes) {
        m_ok = m_ok && bytes <= m_size - m_at;
        return m_ok;
    }

    const uint8_t* m_data;
    size_t m_size;
    size_t m_at = 0;
    bool m_ok = true;
};

}  // namespace

std::vector<PictureControl> FindPictureControls(const uint8_t* data, size_t size) {
    Reader in(data, data ? size : 0);
    const uint16_t version = in.Word();
    const uint16_t signature = in.Word();
    if (!in.Ok() || version != 1 || signature != kOrdinalMark) {
        return {};
    }
    in.Skip(8);  // help id, extended style
    const uint32_t dialogStyle = in.Dword();
    const uint16_t count = in.Word();
    in.Skip(8);          // x, y, cx, cy
    in.NameOrOrdinal();  // menu
    in.NameOrOrdinal();  // window class
    in.Text();           // caption
    if (dialogStyle & kSetFont) {
        in.Skip(6);  // point size, weight, italic, character set
        in.Text();   // typeface
    }

    std::vector<PictureControl> pictures;
    for (size_t index = 0; index < count && in.Ok(); ++index) {
        in.AlignDword();
        in.Skip(8);  // help id, extended style
        const uint32_t style = in.Dword();
        in.Skip(8);  // x, y, cx, cy
        const uint32_t id = in.Dword();
        std::string className;
        const std::optional<uint16_t> classOrdinal = in.NameOrOrdinal(&className);
        const std::optional<uint16_t> title = in.NameOrOrdinal();
        in.Skip(in.Word());  // creation data
        const bool isStatic = classOrdinal ? *classOrdinal == kStaticClass : className == "static";
        if (isStatic && (style & kStaticTypeMask) == kStaticBitmap && title) {
            pictures.push_back({index, id, *title});
        }
    }
    return in.Ok() ? pictures : std::vector<PictureControl>{};
}

}  // namespace dialog_template
