// SPDX-License-Identifier: GPL-3.0-or-later
#include "pet/JournalEntry.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::array<std::string_view, JournalEventCount> EventNames = {
    "begin",      "egg",   "hatch",   "character", "angel", "hour", "call",     "answered",
    "missed",     "meal",  "refused", "snack",     "won",   "lost", "medicine", "flush",
    "discipline", "light", "illness", "dropping",  "sleep", "wake", "death"};
constexpr std::array<std::string_view, 5> CallNames = {"", "hunger", "happiness", "discipline", "sleep"};
constexpr std::array<std::string_view, 4> CauseNames = {"", "neglect", "old age", "menu"};

// Appends to a fixed buffer, dropping what does not fit.
struct Out {
    char* at;
    char* end;
    void text(std::string_view s) {
        const std::size_t n = std::min<std::size_t>(s.size(), static_cast<std::size_t>(end - at));
        std::memcpy(at, s.data(), n);
        at += n;
    }
    void number(int64_t value) {
        auto result = std::to_chars(at, end, value);
        if (result.ec == std::errc()) at = result.ptr;
    }
    void two(int value) {
        text(std::string_view(&"0123456789"[value / 10 % 10], 1));
        text(std::string_view(&"0123456789"[value % 10], 1));
    }
    // A JSON string; room is kept for the closing of the line, so a long name is cut.
    void quoted(std::string_view s, std::size_t reserve) {
        text("\"");
        for (unsigned char c : s) {
            if (static_cast<std::size_t>(end - at) < reserve + 7) break;
            if (c == '"' || c == '\\') {
                char escaped[2] = {'\\', static_cast<char>(c)};
                text(std::string_view(escaped, 2));
            } else if (c < 0x20) {
                char escaped[7];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                text(std::string_view(escaped, 6));
            } else {
                char plain = static_cast<char>(c);
                text(std::string_view(&plain, 1));
            }
        }
        text("\"");
    }
    void field(std::string_view key, int64_t value) {
        text(",\"");
        text(key);
        text("\":");
        number(value);
    }
};

// Days since 1970-01-01 to a civil date (the proleptic Gregorian calendar).
void civil(int64_t days, int& year, int& month, int& day) {
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t doe = days - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

int64_t daysFromCivil(int year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yoe = year - era * 400;
    const int64_t doy = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// A flat object's members, read one at a time.
class Reader {
public:
    explicit Reader(std::string_view text) : s(text) {}
    bool begin() { return take('{'); }
    // The next key, or nothing at the end of the object (done() then tells whether it ended well).
    std::optional<std::string> key() {
        skip();
        if (pos < s.size() && s[pos] == '}') {
            ++pos;
            closed = true;
            return std::nullopt;
        }
        if (!first && !take(',')) return std::nullopt;
        first = false;
        auto k = string();
        if (!k || !take(':')) return std::nullopt;
        return k;
    }
    std::optional<std::string> string() {
        skip();
        if (!take('"')) return std::nullopt;
        std::string out;
        while (pos < s.size() && s[pos] != '"') {
            char c = s[pos++];
            if (c == '\\' && pos < s.size()) {
                c = s[pos++];
                if (c == 'u' && pos + 4 <= s.size()) {
                    unsigned value = 0;
                    std::from_chars(s.data() + pos, s.data() + pos + 4, value, 16);
                    pos += 4;
                    c = static_cast<char>(value);
                }
            }
            out += c;
        }
        if (!take('"')) return std::nullopt;
        return out;
    }
    std::optional<int64_t> number() {
        skip();
        int64_t value = 0;
        auto result = std::from_chars(s.data() + pos, s.data() + s.size(), value);
        if (result.ec != std::errc()) return std::nullopt;
        pos = static_cast<std::size_t>(result.ptr - s.data());
        return value;
    }
    bool done() {
        skip();
        return closed && pos == s.size();
    }

private:
    void skip() {
        while (pos < s.size() && s[pos] == ' ')
            ++pos;
    }
    bool take(char c) {
        skip();
        if (pos < s.size() && s[pos] == c) {
            ++pos;
            return true;
        }
        return false;
    }
    std::string_view s;
    std::size_t pos = 0;
    bool first = true;
    bool closed = false;
};

template <std::size_t N> int indexOf(const std::array<std::string_view, N>& names, std::string_view name) {
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == name) return static_cast<int>(i);
    return -1;
}

// "2026-01-31T12:00:05Z" to milliseconds.
std::optional<int64_t> parseTime(std::string_view t) {
    if (t.size() != 20 || t[4] != '-' || t[7] != '-' || t[10] != 'T' || t[13] != ':' || t[16] != ':' ||
        t[19] != 'Z')
        return std::nullopt;
    auto part = [&](std::size_t at, std::size_t n) {
        int value = -1;
        std::from_chars(t.data() + at, t.data() + at + n, value);
        return value;
    };
    const int64_t days = daysFromCivil(part(0, 4), part(5, 2), part(8, 2));
    return ((days * 24 + part(11, 2)) * 60 + part(14, 2)) * 60000 + part(17, 2) * 1000LL;
}

} // namespace

std::string_view eventName(JournalEvent event) {
    return EventNames[static_cast<std::size_t>(event)];
}
std::string_view callName(JournalCall call) {
    return CallNames[static_cast<std::size_t>(call)];
}
std::string_view causeName(DeathCause cause) {
    return CauseNames[static_cast<std::size_t>(cause)];
}

std::size_t JournalEntry::format(char* buffer, std::size_t capacity) const {
    Out out{buffer, buffer + capacity};
    const int64_t seconds = unixMs >= 0 ? unixMs / 1000 : (unixMs - 999) / 1000;
    const int64_t days = seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400;
    const int64_t inDay = seconds - days * 86400;
    int year = 1970, month = 1, day = 1;
    civil(days, year, month, day);
    out.text("{\"time\":\"");
    out.number(year);
    out.text("-");
    out.two(month);
    out.text("-");
    out.two(day);
    out.text("T");
    out.two(static_cast<int>(inDay / 3600));
    out.text(":");
    out.two(static_cast<int>(inDay / 60 % 60));
    out.text(":");
    out.two(static_cast<int>(inDay % 60));
    out.text("Z\",\"event\":\"");
    out.text(eventName(event));
    out.text("\"");
    out.field("life", life);
    out.field("minute", minute);
    out.field("age", age);
    out.field("character", character);
    out.field("hunger", hunger);
    out.field("happiness", happiness);
    out.field("discipline", discipline);
    out.field("weight", weight);
    out.field("sickness", sickness);
    if (call != JournalCall::None) {
        out.text(",\"call\":\"");
        out.text(callName(call));
        out.text("\"");
    }
    if (cause != DeathCause::None) {
        out.text(",\"cause\":\"");
        out.text(causeName(cause));
        out.text("\"");
    }
    if (wins >= 0) out.field("wins", wins);
    if (light >= 0) out.field("light", light);
    if (!name.empty()) {
        out.text(",\"name\":");
        out.quoted(name, 2);
    }
    out.text("}");
    return static_cast<std::size_t>(out.at - buffer);
}

std::optional<JournalEntry> JournalEntry::parse(std::string_view line) {
    Reader in(line);
    if (!in.begin()) return std::nullopt;
    JournalEntry entry;
    bool hasEvent = false, hasTime = false, hasLife = false;
    while (auto key = in.key()) {
        const std::string& k = *key;
        if (k == "time" || k == "event" || k == "call" || k == "cause" || k == "name") {
            auto value = in.string();
            if (!value) return std::nullopt;
            if (k == "time") {
                auto ms = parseTime(*value);
                if (!ms) return std::nullopt;
                entry.unixMs = *ms;
                hasTime = true;
            } else if (k == "event") {
                const int i = indexOf(EventNames, *value);
                if (i < 0) return std::nullopt;
                entry.event = static_cast<JournalEvent>(i);
                hasEvent = true;
            } else if (k == "call") {
                const int i = indexOf(CallNames, *value);
                if (i < 1) return std::nullopt;
                entry.call = static_cast<JournalCall>(i);
            } else if (k == "cause") {
                const int i = indexOf(CauseNames, *value);
                if (i < 1) return std::nullopt;
                entry.cause = static_cast<DeathCause>(i);
            } else {
                entry.name = *value;
            }
            continue;
        }
        auto value = in.number();
        if (!value) return std::nullopt;
        auto small = [&](int16_t& field) { field = static_cast<int16_t>(*value); };
        if (k == "life") {
            entry.life = static_cast<int32_t>(*value);
            hasLife = true;
        } else if (k == "minute") {
            entry.minute = static_cast<int32_t>(*value);
        } else if (k == "age") {
            small(entry.age);
        } else if (k == "character") {
            small(entry.character);
        } else if (k == "hunger") {
            small(entry.hunger);
        } else if (k == "happiness") {
            small(entry.happiness);
        } else if (k == "discipline") {
            small(entry.discipline);
        } else if (k == "weight") {
            small(entry.weight);
        } else if (k == "sickness") {
            small(entry.sickness);
        } else if (k == "wins") {
            small(entry.wins);
        } else if (k == "light") {
            small(entry.light);
        }
    }
    if (!in.done() || !hasEvent || !hasTime || !hasLife) return std::nullopt;
    return entry;
}
