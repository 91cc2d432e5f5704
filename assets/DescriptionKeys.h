// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

class Form1;

// Every key each kind of description file understands, from the same tables the readers use:
// lets tests tell a misspelt key in a shipped file from one that merely sets nothing new.
std::vector<std::string> labelFileKeys(Form1& form);
std::vector<std::string> skinFileKeys(Form1& form);
std::vector<std::string> characterFileKeys();
