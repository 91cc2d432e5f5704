#include "tools/sim/Json.h"

#include "platform/Numbers.h"

#include <cmath>
#include <cstdio>

std::string Json::quote(const std::string& text) {
    std::string result = "\"";
    for (unsigned char c : text) {
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
    if (needComma)
        out += ", ";
    if (!key.empty())
        out += quote(key) + ": ";
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
