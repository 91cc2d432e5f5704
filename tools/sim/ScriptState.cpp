// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that read or set the device's state: get, set, dump, settings, render.
#include "tools/sim/Json.h"
#include "tools/sim/ScriptArgs.h"
#include "tools/sim/ScriptRunner.h"

#include "platform/Numbers.h"
#include "platform/qt/common/DevicePainter.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <limits>
#include <sstream>
#include <type_traits>

namespace {

template <class T> void fieldJson(Json& json, const std::string& name, const T& field) {
    if constexpr (std::is_same_v<T, bool>)
        json.value(name, field);
    else if constexpr (std::is_same_v<T, std::string>)
        json.value(name, field);
    else if constexpr (std::is_floating_point_v<T>)
        json.value(name, static_cast<double>(field));
    else
        json.value(name, static_cast<long long>(field));
}

template <class T> bool parseField(const std::string& text, T& field) {
    if constexpr (std::is_same_v<T, bool>) {
        if (text == "true" || text == "True" || text == "-1" || text == "1")
            field = true;
        else if (text == "false" || text == "False" || text == "0")
            field = false;
        else
            return false;
        return true;
    } else if constexpr (std::is_same_v<T, std::string>) {
        field = text;
        return true;
    } else if constexpr (std::is_floating_point_v<T>) {
        const std::optional<double> value = Numbers::parse(text);
        if (!value) return false;
        field = static_cast<T>(*value);
        return true;
    } else {
        const auto value = wholeNumber(text);
        if (!value || *value < std::numeric_limits<T>::min() || *value > std::numeric_limits<T>::max())
            return false;
        field = static_cast<T>(*value);
        return true;
    }
}

std::string clockText(const TimeOfDay& time) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", time.hour, time.minute, time.second,
                  time.millisecond);
    return text;
}

} // namespace

std::string ScriptRunner::relativePath(const PictureHandle& picture) const {
    std::string path = picture->path();
    if (path.compare(0, appPath.size(), appPath) == 0) path = path.substr(appPath.size());
    std::replace(path.begin(), path.end(), '\\', '/');
    while (!path.empty() && path.front() == '/')
        path.erase(0, 1);
    return path;
}

void ScriptRunner::elementJson(Json& json, const std::string& name, const Element& e) const {
    json.beginObject(name)
        .value("visible", e.visible)
        .value("left", e.left)
        .value("top", e.top)
        .value("width", e.width)
        .value("height", e.height);
    if (e.picture)
        json.value("picture", relativePath(e.picture));
    else
        json.null("picture");
}

std::optional<std::string> ScriptRunner::get(const std::string& args) {
    std::istringstream in(args);
    std::vector<std::string> names;
    for (std::string name; in >> name;)
        names.push_back(name);
    if (names.empty()) return "get wants field names";
    Json json;
    json.beginObject();
    for (const auto& name : names) {
        bool found = false;
        form->forEachField([&](const char* fieldName, auto& field) {
            if (!found && name == fieldName) {
                fieldJson(json, name, field);
                found = true;
            }
        });
        if (!found) return "unknown field: " + name;
    }
    print(json.endObject().text());
    return std::nullopt;
}

std::optional<std::string> ScriptRunner::set(const std::string& args) {
    std::size_t space = args.find_first_of(" \t");
    std::string name = args.substr(0, space);
    std::string value = space == std::string::npos ? std::string() : args.substr(space + 1);
    bool found = false;
    bool parsed = false;
    form->forEachField([&](const char* fieldName, auto& field) {
        if (!found && name == fieldName) {
            found = true;
            parsed = parseField(value, field);
        }
    });
    if (!found) return "unknown field: " + name;
    if (!parsed) return "bad value for " + name + ": " + value;
    return std::nullopt;
}

std::optional<std::string> ScriptRunner::dump() {
    Form1& f = *form;
    Json json;
    json.beginObject().beginObject("fields");
    f.forEachField([&](const char* name, auto& field) { fieldJson(json, name, field); });
    json.endObject().beginObject("elements");
    f.elements.forEachShown([&](const char* name, int index, Element& e) {
        elementJson(json, ElementSet::elementName(name, index), e);
        json.endObject();
    });
    json.endObject().beginObject("menu");
    f.presentedMenu().forEachDescendant([&](const MenuItem& item) {
        json.beginObject(item.name)
            .value("caption", item.caption)
            .value("checked", item.checked)
            .value("enabled", item.enabled)
            .value("visible", item.visible)
            .endObject();
    });
    json.endObject();
    json.value("StatusText", f.pet.StatusText);
    json.beginObject("tray").value("present", tray.present);
    if (tray.icon)
        json.value("icon", relativePath(tray.icon));
    else
        json.value("icon", "window");
    json.value("tip", tray.tip).endObject();
    json.beginObject("window")
        .value("left", f.window.left)
        .value("top", f.window.top)
        .value("width", f.window.width)
        .value("height", f.window.height)
        .value("visible", f.window.visible)
        .value("enabled", f.window.enabled)
        .value("title", f.window.title)
        .value("topmost", f.window.topmost)
        .value("minimized", f.window.minimized)
        .endObject();
    // Pop-up menus shown and addresses opened, since the start of the script.
    json.value("popups", desktop.popups);
    json.beginArray("links");
    for (const auto& link : desktop.links)
        json.value("", link);
    json.endArray();
    json.beginObject("screen").value("width", desktop.width).value("height", desktop.height).endObject();
    json.value("timer", f.timerInterval);
    json.beginArray("sounds");
    for (const auto& played : sound.take())
        json.value("", played);
    json.endArray();
    dumpNotifications(json);
    dumpWindows(json);
    json.value("clock", clockText(clock.now()));
    print(json.endObject().text());
    return std::nullopt;
}

std::optional<std::string> ScriptRunner::settings(const std::string& args) {
    std::string section = args;
    if (section.empty())
        section = form ? form->pet.PiplingName : (commandLine.empty() ? std::string("Pipling") : commandLine);
    Json json;
    json.beginObject();
    for (const auto& [key, value] : store.section(section))
        json.value(key, value);
    print(json.endObject().text());
    return std::nullopt;
}

std::optional<std::string> ScriptRunner::render(const std::string& args) {
    std::istringstream in(args);
    std::string file;
    int scale = 1;
    if (!(in >> file)) return "render wants FILE.png";
    std::string scaleText;
    if (in >> scaleText) {
        auto [end, error] = std::from_chars(scaleText.data(), scaleText.data() + scaleText.size(), scale);
        if (error != std::errc() || end != scaleText.data() + scaleText.size() || scale < 1 || scale > 16)
            return "render scale is a whole number from 1 to 16";
    }
    QImage image = DevicePainter::render(form->elements, form->window, scale);
    if (!image.save(QString::fromStdString(file), "PNG")) return "cannot write " + file;
    return std::nullopt;
}
