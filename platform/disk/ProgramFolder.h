// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// The program folder: the one given, else the executable's folder when it holds default.ini,
// else ../share/pipling-simulator beside it when that holds default.ini (the installed layout),
// else the executable's folder.
std::string programFolder(const std::string& given);

// The folders programFolder looks in, in that order.
std::vector<std::string> programFolderCandidates(const std::string& given);

// Empty when the folder programFolder picks holds default.ini; else one line for the user that
// names every folder that was looked in.
std::string programFolderProblem(const std::string& given);
