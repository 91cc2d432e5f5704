// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/disk/Autostart.h"

#include <cstdlib>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// One argument of an Exec line: always quoted; inside quotes a backslash, double quote, back
// quote and dollar are escaped, and the desktop file itself wants backslashes doubled again.
std::string execArgument(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '`' || c == '$')
            quoted += "\\\\";
        else if (c == '\\')
            quoted += "\\\\\\";
        if (c == '%')
            quoted += "%%";
        else if (c != '\n' && c != '\r')
            quoted += c;
    }
    return quoted + "\"";
}

// A value of a desktop entry key: line breaks would end the entry early.
std::string entryValue(const std::string& text) {
    std::string value;
    for (char c : text)
        value += (c == '\n' || c == '\r') ? ' ' : c;
    return value;
}

} // namespace

fs::path autostartFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config == '/') return fs::path(config) / "autostart";
    const char* home = std::getenv("HOME");
    return fs::path(home ? home : ".") / ".config" / "autostart";
}

std::string autostartFileName(const std::string& petName) {
    static const char* const Hex = "0123456789ABCDEF";
    std::string name = "pipling-simulator-";
    for (unsigned char c : petName) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            name += static_cast<char>(c);
        else
            name += std::string("_") + Hex[c >> 4] + Hex[c & 15];
    }
    return name + ".desktop";
}

std::string autostartEntry(const std::string& program, const std::string& petName) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Pipling Simulator (" +
           entryValue(petName) +
           ")\n"
           "Comment=Starts the pet " +
           entryValue(petName) +
           " with the desktop\n"
           "Icon=pipling-simulator\n"
           "Exec=" +
           execArgument(program) + " " + execArgument(petName) +
           "\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

std::string setAutostart(const fs::path& folder, const std::string& program, const std::string& petName,
                         bool on) {
    const fs::path file = folder / autostartFileName(petName);
    std::error_code error;
    if (!on) {
        fs::remove(file, error);
        return error ? "cannot remove " + file.string() + ": " + error.message() : std::string();
    }
    fs::create_directories(folder, error);
    if (error) return "cannot create " + folder.string() + ": " + error.message();
    const fs::path temporary = file.string() + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << autostartEntry(program, petName);
        if (!out.flush()) return "cannot write " + temporary.string();
    }
    fs::rename(temporary, file, error);
    return error ? "cannot write " + file.string() + ": " + error.message() : std::string();
}
