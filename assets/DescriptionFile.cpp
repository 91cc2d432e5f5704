// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/DescriptionFile.h"

#include "platform/Services.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

std::string_view trimSpaces(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

bool isValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        unsigned int codePoint = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            codePoint = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            codePoint = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            codePoint = lead & 0x07;
        } else {
            return false;
        }
        if (text.size() - i < length) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past the Unicode range are not UTF-8.
        static constexpr std::array<unsigned int, 5> smallest = {0, 0, 0x80, 0x800, 0x10000};
        if (codePoint < smallest[length] || codePoint > 0x10FFFF ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

void appendUtf8(std::string& out, unsigned int codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// Windows-1252: Latin-1 except for the printable characters it puts in 0x80..0x9F. The five
// unassigned bytes map to the C1 controls of the same number, as Windows itself converts them.
std::string windows1252ToUtf8(std::string_view text) {
    static constexpr std::array<unsigned short, 32> high = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        appendUtf8(out, byte >= 0x80 && byte < 0xA0 ? high[byte - 0x80] : byte);
    }
    return out;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

int digitValue(char c, int base) {
    int value = 36;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'z')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'Z')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

int16_t clamp16(long long value) {
    if (value > INT16_MAX) return INT16_MAX;
    if (value < INT16_MIN) return INT16_MIN;
    return static_cast<int16_t>(value);
}

// "&H1F" and "&O17": digits of the base, blanks skipped, saturating long before overflow.
int16_t radixNumber(std::string_view text, std::size_t i, int base) {
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (isBlank(text[i])) continue;
        const int digit = digitValue(text[i], base);
        if (digit < 0) break;
        value = value * base + digit;
        if (value > INT16_MAX) return INT16_MAX;
    }
    return clamp16(value);
}

} // namespace

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::optional<DescriptionLine> parseDescriptionLine(std::string_view line) {
    line = trimSpaces(line);
    if (line.empty() || line.front() == ';') return std::nullopt;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return DescriptionLine{lowerAscii(trimSpaces(line.substr(0, equals))),
                           std::string(trimSpaces(line.substr(equals + 1)))};
}

std::optional<std::vector<DescriptionLine>> readDescriptionFile(const Files& files, const std::string& path) {
    auto lines = files.readLines(path);
    if (!lines) return std::nullopt;
    std::vector<DescriptionLine> result;
    bool first = true;
    for (const std::string& fileLine : *lines) {
        std::string_view rest(fileLine);
        if (first && rest.substr(0, 3) == "\xEF\xBB\xBF")
            rest.remove_prefix(3); // a byte-order mark some editors write
        first = false;
        // The reader splits at line feeds; a lone carriage return ends a line too.
        while (true) {
            const std::size_t cr = rest.find('\r');
            const std::string_view piece = rest.substr(0, cr);
            std::optional<DescriptionLine> parsed = isValidUtf8(piece)
                                                        ? parseDescriptionLine(piece)
                                                        : parseDescriptionLine(windows1252ToUtf8(piece));
            if (parsed) result.push_back(std::move(*parsed));
            if (cr == std::string_view::npos) break;
            rest.remove_prefix(cr + 1);
        }
    }
    return result;
}

int16_t descriptionNumber(std::string_view text) {
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && isBlank(text[i]))
            ++i;
    };
    skipBlanks();
    if (i + 1 < text.size() && text[i] == '&') {
        const char radix = text[i + 1];
        if (radix == 'h' || radix == 'H') return radixNumber(text, i + 2, 16);
        if (radix == 'o' || radix == 'O') return radixNumber(text, i + 2, 8);
        return 0;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    // The number is kept exactly as decimal digits so that halves round to even without any
    // binary fraction in the way: value = 0.significant * 10^exponent.
    std::string significant;
    long long exponent = 0;
    bool anyDigit = false;
    bool inFraction = false;
    bool droppedNonZero = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isBlank(c)) continue;
        if (c == '.' && !inFraction) {
            inFraction = true;
            continue;
        }
        if (c < '0' || c > '9') break;
        anyDigit = true;
        if (significant.empty() && c == '0') {
            if (inFraction) --exponent; // a leading zero after the point shifts the value down
            continue;
        }
        // Only the first digits matter for a 16-bit result; a later non-zero digit can only turn
        // an exact half into more than a half, so that much is remembered of the rest.
        if (significant.size() < 64)
            significant += c;
        else if (c != '0')
            droppedNonZero = true;
        if (!inFraction) ++exponent;
    }
    if (!anyDigit || significant.empty()) return 0;

    // An exponent counts only when at least one digit follows its letter.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = i + 1;
        while (j < text.size() && isBlank(text[j]))
            ++j;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            negativeExponent = text[j] == '-';
            ++j;
        }
        long long power = 0;
        bool powerDigits = false;
        for (; j < text.size(); ++j) {
            if (isBlank(text[j])) continue;
            if (text[j] < '0' || text[j] > '9') break;
            powerDigits = true;
            power = std::min(power * 10 + (text[j] - '0'), 1000000LL);
        }
        if (powerDigits) exponent += negativeExponent ? -power : power;
    }

    if (exponent > 6) return negative ? INT16_MIN : INT16_MAX;
    if (exponent < 0) return 0; // below 0.1 in size
    const auto integerDigits = static_cast<std::size_t>(exponent);
    long long whole = 0;
    for (std::size_t k = 0; k < integerDigits; ++k)
        whole = whole * 10 + (k < significant.size() ? significant[k] - '0' : 0);
    const std::string_view fraction = integerDigits < significant.size()
                                          ? std::string_view(significant).substr(integerDigits)
                                          : std::string_view();
    if (!fraction.empty()) {
        const bool aboveHalf = fraction[0] > '5' ||
                               (fraction[0] == '5' && (droppedNonZero || fraction.find_first_not_of('0', 1) !=
                                                                             std::string_view::npos));
        const bool half = fraction[0] == '5' && !aboveHalf;
        if (aboveHalf || (half && whole % 2 == 1)) ++whole;
    }
    return clamp16(negative ? -whole : whole);
}
