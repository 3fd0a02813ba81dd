#include "cli/json_writer.h"

#include "text/text.h"

namespace murvane {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

bool NeedsEscape(char c) {
    return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
}

void WriteEscaped(std::ostream& out, char c) {
    switch (c) {
        case '"':
            out << "\\\"";
            return;
        case '\\':
            out << "\\\\";
            return;
        case '\n':
            out << "\\n";
            return;
        case '\r':
            out << "\\r";
            return;
        case '\t':
            out << "\\t";
            return;
        default:
            break;
    }
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20) {
        out << "\\u00" << kHexDigits[byte >> 4] << kHexDigits[byte & 0xF];
    } else {
        out << c;
    }
}

}  // namespace

void WriteJsonString(std::ostream& out, std::string_view utf8) {
    out << '"';
    std::size_t plainStart = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (!NeedsEscape(utf8[i])) continue;
        out << utf8.substr(plainStart, i - plainStart);
        WriteEscaped(out, utf8[i]);
        plainStart = i + 1;
    }
    out << utf8.substr(plainStart) << '"';
}

void WriteHex(std::ostream& out, std::span<const unsigned char> bytes) {
    out << '"';
    for (unsigned char byte : bytes) out << kHexDigits[byte >> 4] << kHexDigits[byte & 0xF];
    out << '"';
}

void WriteJsonText(std::ostream& out, std::string_view text) {
    if (IsValidUtf8(text)) {
        WriteJsonString(out, text);
        return;
    }
    out << "{\"hex\": ";
    WriteHex(out, {reinterpret_cast<const unsigned char*>(text.data()), text.size()});
    out << '}';
}

}  // namespace murvane
