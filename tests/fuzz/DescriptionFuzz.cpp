// SPDX-License-Identifier: GPL-3.0-or-later
// The description-file reader (skin, label and character files) and the number conversion that
// every position value goes through, fed with whole files.
#include "assets/DescriptionFile.h"
#include "platform/disk/DiskFiles.h"
#include "tests/fuzz/FuzzSupport.h"

#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <regex>

namespace {

bool validUtf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80                   ? 1
                                   : lead >= 0xC2 && lead < 0xE0 ? 2
                                   : lead >= 0xE0 && lead < 0xF0 ? 3
                                   : lead >= 0xF0 && lead < 0xF5 ? 4
                                                                 : 0;
        if (length == 0 || text.size() - i < length) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

int16_t clamp16(double value) {
    return static_cast<int16_t>(std::fmax(-32768.0, std::fmin(32767.0, value)));
}

// For the plain spellings the C library reads the same way: a decimal with a few digits, or "&H"
// with a few hexadecimal ones. Anything longer or odder is checked only for not crashing.
void checkNumber(const std::string& value) {
    static const std::regex decimal(R"([+-]?[0-9]{0,6}(\.[0-9]{0,6})?)");
    static const std::regex hexadecimal(R"(&[Hh][0-9A-Fa-f]{1,4})");
    const int16_t number = descriptionNumber(value);
    if (value.size() > 16) return; // std::regex recurses per character
    if (std::regex_match(value, decimal) && value.find_first_of("0123456789") != std::string::npos) {
        // Ties go to the even neighbour, as the default rounding mode does.
        const double expected = std::nearbyint(std::strtod(value.c_str(), nullptr));
        fuzz::check(number == clamp16(expected), "decimal value read wrongly", value);
    } else if (std::regex_match(value, hexadecimal)) {
        const long expected = std::strtol(value.c_str() + 2, nullptr, 16);
        fuzz::check(number == clamp16(static_cast<double>(expected)), "hexadecimal value read wrongly",
                    value);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const std::string file = (fuzz::scratchFolder() / "skin.ini").string();
    fuzz::writeFile(file, fuzz::text(data, size));
    const auto lines = readDescriptionFile(DiskFiles(), file);
    fuzz::check(lines.has_value(), "an existing file did not read");
    for (const DescriptionLine& line : *lines) {
        fuzz::check(validUtf8(line.key) && validUtf8(line.value), "a line is not UTF-8",
                    line.key + "=" + line.value);
        fuzz::check(line.key == lowerAscii(line.key), "a key is not lower case", line.key);
        fuzz::check(line.key.find('=') == std::string::npos, "a key holds '='", line.key);
        for (const std::string* part : {&line.key, &line.value})
            fuzz::check(part->empty() || (part->front() != ' ' && part->back() != ' '), "untrimmed text",
                        *part);
        fuzz::check(line.key.empty() || line.key.front() != ';', "a comment was read as a line", line.key);
        checkNumber(line.value);
    }
    // The conversion on its own, with blanks and line ends a line cannot hold.
    checkNumber(std::string(fuzz::text(data, size)));
    return 0;
}
