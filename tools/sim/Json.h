// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// A small JSON text builder: members are appended in order, and the caller opens and closes
// objects and arrays itself. Enough for one object per line of pipling-sim's output.
class Json {
public:
    Json& beginObject(const std::string& key = {});
    Json& endObject();
    Json& beginArray(const std::string& key = {});
    Json& endArray();
    Json& value(const std::string& key, const std::string& text);
    Json& value(const std::string& key, const char* text) { return value(key, std::string(text)); }
    Json& value(const std::string& key, long long number);
    Json& value(const std::string& key, int number) { return value(key, static_cast<long long>(number)); }
    Json& value(const std::string& key, double number);
    Json& value(const std::string& key, bool flag);
    Json& null(const std::string& key);

    const std::string& text() const { return out; }
    static std::string quote(const std::string& text);

private:
    void member(const std::string& key);
    std::string out;
    bool needComma = false;
};
