// SPDX-License-Identifier: GPL-3.0-or-later
// Desktop notifications in scripts: what the desktop tells about the user's attention, the
// notifications the toy sent and withdrew, and the user's click on one.
#include "tools/sim/Json.h"
#include "tools/sim/ScriptRunner.h"

#include <sstream>

namespace {

const char* urgencyName(Urgency urgency) {
    switch (urgency) {
    case Urgency::Low:
        return "low";
    case Urgency::Critical:
        return "critical";
    default:
        return "normal";
    }
}

std::optional<CallKind> kindNamed(const std::string& name) {
    for (int k = 0; k < CallKindCount; ++k)
        if (name == callKindName(static_cast<CallKind>(k))) return static_cast<CallKind>(k);
    return std::nullopt;
}

} // namespace

// `desktop covered|fullscreen|inhibited|server on|off`, `notification click KIND`.
void ScriptRunner::addNotificationCommands() {
    commands["desktop"] = [this](const std::string& args) -> std::optional<std::string> {
        std::istringstream in(args);
        std::string what, state, extra;
        in >> what >> state;
        if ((state != "on" && state != "off") || (in >> extra))
            return std::string("desktop wants covered|fullscreen|inhibited|server and on|off");
        const bool on = state == "on";
        if (what == "covered")
            notifier.desk.covered = on;
        else if (what == "fullscreen")
            notifier.desk.fullScreen = on;
        else if (what == "inhibited")
            notifier.desk.inhibited = on;
        else if (what == "server")
            notifier.serverPresent = on;
        else
            return "unknown desktop state: " + what;
        return std::nullopt;
    };
    commands["notification"] = [this](const std::string& args) -> std::optional<std::string> {
        if (!form) return std::string("no device: use start first");
        std::istringstream in(args);
        std::string what, name, extra;
        in >> what >> name;
        if (what != "click" || (in >> extra)) return std::string("notification wants click KIND");
        const auto kind = kindNamed(name);
        if (!kind) return "unknown call kind: " + name;
        // Only a notification on the desktop can be clicked.
        if (notifier.shownId(static_cast<int>(*kind)) == 0) return "no notification of " + name + " is shown";
        form->noticeClicked(static_cast<int>(*kind));
        return std::nullopt;
    };
}

void ScriptRunner::dumpNotifications(Json& json) {
    json.beginArray("notifications");
    for (const auto& record : notifier.take()) {
        using Action = RecordingNotifier::Record::Action;
        const char* action = record.action == Action::Sent       ? "sent"
                             : record.action == Action::Replaced ? "replaced"
                                                                 : "withdrawn";
        json.beginObject()
            .value("action", action)
            .value("kind", callKindName(static_cast<CallKind>(record.key)))
            .value("id", static_cast<long long>(record.id));
        if (record.action != Action::Withdrawn) {
            json.value("summary", record.notice.summary)
                .value("body", record.notice.body)
                .value("urgency", urgencyName(record.notice.urgency));
            if (record.notice.icon)
                json.value("icon", relativePath(record.notice.icon));
            else
                json.null("icon");
        }
        json.endObject();
    }
    json.endArray();
}
