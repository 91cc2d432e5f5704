// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/Json.h"

#include "platform/Numbers.h"

#include <cmath>
#include <cstdio>

namespace {

// The length of the well-formed UTF-8 sequence starting at `at`, or 0 when there is none there.
std::size_t utf8Length(const std::string& text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || text.size() - at < length) return 0;
    const auto second = static_cast<unsigned char>(text[at + 1]);
    // Overlong forms, surrogates and code points past U+10FFFF are not well formed.
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
        return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(text[at + k]) & 0xC0) != 0x80) return 0;
    return length;
}

} // namespace

// JSON text is UTF-8: a byte that is not part of a UTF-8 character (a pet name typed in another
// encoding) becomes the replacement character, so the line still parses.
std::string Json::quote(const std::string& text) {
    std::string result = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            const std::size_t length = utf8Length(text, i);
            if (length == 0) {
                result += "\\ufffd";
            } else {
                result.append(text, i, length);
                i += length - 1;
            }
            continue;
        }
        switch (c) {
        case '"':
            result += "\\\"";
            break;
        case '\\':
            result += "\\\\";
            break;
        case '\n':
            result += "\\n";
            break;
        case '\r':
            result += "\\r";
            break;
        case '\t':
            result += "\\t";
            break;
        default:
            if (c < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                result += escaped;
            } else {
                result += static_cast<char>(c);
            }
        }
    }
    return result + "\"";
}

void Json::member(const std::string& key) {
    if (needComma) out += ", ";
    if (!key.empty()) out += quote(key) + ": ";
    needComma = true;
}

Json& Json::beginObject(const std::string& key) {
    member(key);
    out += '{';
    needComma = false;
    return *this;
}

Json& Json::endObject() {
    out += '}';
    needComma = true;
    return *this;
}

Json& Json::beginArray(const std::string& key) {
    member(key);
    out += '[';
    needComma = false;
    return *this;
}

Json& Json::endArray() {
    out += ']';
    needComma = true;
    return *this;
}

Json& Json::value(const std::string& key, const std::string& text) {
    member(key);
    out += quote(text);
    return *this;
}

Json& Json::value(const std::string& key, long long number) {
    member(key);
    out += std::to_string(number);
    return *this;
}

Json& Json::value(const std::string& key, double number) {
    member(key);
    if (!std::isfinite(number)) {
        out += "null";
        return *this;
    }
    out += Numbers::format(number, 9);
    return *this;
}

Json& Json::value(const std::string& key, bool flag) {
    member(key);
    out += flag ? "true" : "false";
    return *this;
}

Json& Json::null(const std::string& key) {
    member(key);
    out += "null";
    return *this;
}
