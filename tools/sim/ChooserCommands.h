// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <sstream>
#include <string>

class Form1;
class Json;

// The chooser in scripts: `window Form3 select|dblclick ROW`, `window Form3 ok|cancel` and
// `window Form3 mouse down|move|up BUTTON X Y` (X, Y in twips inside the window). The device's
// chooser must be open. Returns the error text, if any.
std::optional<std::string> chooserCommand(Form1& form, std::istringstream& in);
// The chooser's controls as members of an open JSON object.
void chooserJson(Json& json, const Form1& form);
