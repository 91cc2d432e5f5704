// SPDX-License-Identifier: GPL-3.0-or-later
// The life journal in scripts: the current pet's journal as JSON lines, and the life story's two
// pages drawn into pictures as the window shows them.
#include "tools/sim/ScriptRunner.h"

#include "platform/qt/common/LifeChartPainter.h"
#include "tools/sim/ScriptArgs.h"

#include <QString>

#include <sstream>

namespace {

// FILE.png [SCALE]: the scale a whole number from 1 to 16, 2 when not given.
std::optional<std::string> pictureArgs(const std::string& command, const std::string& args, std::string& file,
                                       int& scale) {
    std::istringstream in(args);
    std::string scaleText, extra;
    if (!(in >> file)) return command + " wants FILE.png [SCALE]";
    scale = 2;
    if (in >> scaleText) {
        const auto n = wholeNumber(scaleText);
        if (!n || *n < 1 || *n > 16 || (in >> extra))
            return command + " scale is a whole number from 1 to 16";
        scale = static_cast<int>(*n);
    }
    return std::nullopt;
}

} // namespace

void ScriptRunner::addJournalCommands() {
    commands["journal"] = [this](const std::string&) -> std::optional<std::string> {
        if (!form) return std::string("no device: use start first");
        for (const std::string& line : journal.lines())
            print(line);
        return std::nullopt;
    };
    auto draw = [this](const std::string& command, bool hall) {
        return [this, command, hall](const std::string& args) -> std::optional<std::string> {
            if (!form) return std::string("no device: use start first");
            std::string file;
            int scale = 2;
            if (auto error = pictureArgs(command, args, file, scale)) return error;
            const auto look = LifeChartPainter::Look::of(*form);
            const QImage image =
                hall ? LifeChartPainter::hall(PastPet::hall(journal.lives()), look, scale)
                     : LifeChartPainter::chart(LifeChart::build(LifeChart::entries(journal.lines())), look,
                                               scale);
            if (!image.save(QString::fromStdString(file), "PNG")) return "cannot write " + file;
            return std::nullopt;
        };
    };
    commands["render-life"] = draw("render-life", false);
    commands["render-hall"] = draw("render-hall", true);
}
