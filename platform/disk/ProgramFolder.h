#pragma once

#include <string>

// The program folder: the one given, else the executable's folder when it holds default.ini,
// else ../share/pipling-simulator beside it when that exists, else the executable's folder.
std::string programFolder(const std::string& given);
