// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// `pipling-sim --check FOLDER`: tells a skin or plug-in author what the program would find in a
// folder, before they find out on a running toy. It walks the same loading tables and key tables
// the device uses, so it cannot ask for a file or a key the program does not.
#include <iosfwd>
#include <string>
#include <vector>

struct CheckLine {
    enum class Kind {
        Ok,          // found, decodes, lines up
        Inherited,   // not there, and something else is used: fine
        Missing,     // not there, and nothing takes its place
        Undecodable, // there, but no picture comes out of it
        Size,        // decodes, but would not line up with the picture it replaces
        Key,         // a key no reader of that file knows
        Value,       // a value the reader would take differently from what it says
        Name,        // a file or folder name with characters that do not travel well
        Unused,      // a file the program never looks for (often a misspelt name)
        Empty,       // nothing here that a skin, a plug-in or a program folder holds
    };
    Kind kind;
    std::string path; // relative to the checked folder, with forward slashes
    std::string detail;

    bool problem() const { return kind != Kind::Ok && kind != Kind::Inherited; }
    std::string text() const;
};

// Checks a skin folder, a plug-in folder or a whole program folder. The pictures that must line
// up are compared with those of `base`, the program folder the skin or plug-in is meant for;
// a skin or plug-in inside a program folder is compared with that folder instead.
std::vector<CheckLine> checkFolder(const std::string& folder, const std::string& base);

// The command itself: prints one line per file or finding and a summary; returns the exit
// status (0 usable, 1 problems, 2 no such folder).
int runCheck(const std::string& folder, const std::string& base, std::ostream& out, std::ostream& err);

// The known word closest to `word` within a couple of typing slips, or empty.
std::string closestWord(const std::string& word, const std::vector<std::string>& known);
