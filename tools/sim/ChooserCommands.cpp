// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/ChooserCommands.h"

#include "app/Form1.h"
#include "assets/Chooser.h"
#include "tools/sim/Json.h"
#include "tools/sim/ScriptArgs.h"

std::optional<std::string> chooserCommand(Form1& form, std::istringstream& in) {
    Form3& chooser = *form.chooser;
    std::string what, extra;
    in >> what;
    if (what == "select" || what == "dblclick") {
        std::string rowText;
        in >> rowText;
        const auto row = wholeNumber(rowText);
        if (!row || (in >> extra)) return "window Form3 " + what + " wants ROW";
        if (*row < 0 || *row >= static_cast<long long>(chooser.List1.size()))
            return "window Form3 has no row " + rowText;
        // Both may close the window: nothing may use it afterwards.
        if (what == "select")
            chooser.List1_Click(static_cast<int>(*row));
        else
            chooser.List1_DblClick(static_cast<int>(*row));
        return std::nullopt;
    }
    if (what == "ok" || what == "cancel") {
        if (in >> extra) return "window Form3 " + what + " takes nothing more";
        if (what == "cancel") {
            chooser.Command2_Click();
        } else if (chooser.Command1Enabled) {
            chooser.Command1_Click();
        }
        return std::nullopt;
    }
    if (what == "mouse")
        return windowMouse(in, "window Form3 mouse wants down|move|up BUTTON X Y",
                           {[&](const MouseArgs& m) { chooser.DoFormMouseDown(m.button, m.x, m.y); },
                            [&](const MouseArgs& m) { chooser.DoFormMouseMove(m.button, m.x, m.y); },
                            [&](const MouseArgs& m) { chooser.DoFormMouseUp(m.button); }});
    return std::string("window Form3 knows select, dblclick, ok, cancel and mouse");
}

void chooserJson(Json& json, const Form1& form) {
    const Form3& chooser = *form.chooser;
    auto list = [&](const char* name, const std::vector<std::string>& entries) {
        json.beginArray(name);
        for (const std::string& entry : entries)
            json.value("", entry);
        json.endArray();
    };
    list("List1", chooser.List1);
    list("List2", chooser.List2);
    list("List3", chooser.List3);
    json.value("ListIndex", chooser.ListIndex)
        .value("folder", chooser.selectedFolder())
        .value("Text1", chooser.Text1)
        .value("lblDescription", chooser.lblDescription)
        .value("Command1", chooser.Command1Caption)
        .value("Command2", chooser.Command2Caption)
        .value("Command1Enabled", chooser.Command1Enabled)
        .value("OpenedWith", chooser.OpenedWith)
        .value("DefaultSkin", chooser.DefaultSkin)
        .value("Dragging", chooser.Dragging);
}
