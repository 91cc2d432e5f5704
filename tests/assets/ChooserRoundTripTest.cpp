// SPDX-License-Identifier: GPL-3.0-or-later
// A player's round trip through the shipped skins and plug-in: each choice shows at once in the
// rendered toy, is in the store after the program closes, and comes back after a restart.
#include "platform/disk/IniSettingsStore.h"
#include "tests/Sim.h"

#include <QImage>
#include <QJsonArray>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// The share of the skin's opaque front-view pixels that the rendered toy shows unchanged. The
// screen, buttons and pet lie over part of the shell, so a match is well above half, not all.
double frontShare(const QImage& render, const std::string& skin, int left, int top) {
    const QImage front(
        QString::fromStdString(std::string(PIPLING_BIN_DIR) + "/skins/" + skin + "/front.gif"));
    if (front.isNull()) return 0;
    long opaque = 0, same = 0;
    for (int y = 0; y < front.height(); ++y)
        for (int x = 0; x < front.width(); ++x) {
            const QRgb pixel = front.pixel(x, y);
            if (qAlpha(pixel) == 0 || !render.rect().contains(left + x, top + y)) continue;
            ++opaque;
            if (render.pixel(left + x, top + y) == pixel) ++same;
        }
    return opaque ? static_cast<double>(same) / static_cast<double>(opaque) : 0;
}

// What a restart must show again: the shell, the screen's frame, and the plug-in's words. The
// pet's own picture moves with time and is left out.
QJsonObject shell(const QJsonObject& state) {
    QJsonObject kept;
    for (const char* name :
         {"FrontView", "BackView", "ButtonA", "ButtonB", "ButtonC", "ResetButton", "PipScr"})
        kept[name] = state["elements"][name];
    kept["mCheatChar1"] = state["menu"]["mCheatChar1"]["caption"];
    return kept;
}

struct Step {
    const char* menu;
    const char* entry;  // display name in the chooser
    const char* skin;   // CurrentSkin afterwards
    const char* plugin; // Plugins afterwards
};

TEST(ChooserRoundTrip, EachChoiceShowsAtOnceIsStoredAndSurvivesARestart) {
    if (!fs::exists(fs::path(PIPLING_BIN_DIR) / "skins" / "Mint" / "front.gif"))
        GTEST_SKIP() << "the generated asset tree has no Mint skin";
    Sim sim;
    const std::string png = (sim.folder() / "toy.png").string();
    const Step steps[] = {{"mPopupChangeSkin", "Mint", "Mint", ""},
                          {"mPopupChangeSkin", "Midnight", "Midnight", ""},
                          {"mPopupChangeSkin", "Default", "Default", ""},
                          {"mPopupPlugins", "Winter Wonderland", "Midnight", "Winter"},
                          {"mPopupPlugins", "<Default>", "Midnight", ""}};
    sim.run("store InsulatingSheet 0\nstore CharacterNo 1\nstart");
    QJsonObject before; // the shell as the previous run left it
    for (const Step& step : steps) {
        SCOPED_TRACE(step.entry);
        if (!before.isEmpty()) {
            sim.reopen();
            sim.run("start");
            EXPECT_EQ(shell(sim.dump()), before) << "the restart shows another toy";
        }
        sim.run(std::string("menu ") + step.menu);
        const QJsonArray list = sim.dump().value("windows")["Form3"]["List1"].toArray();
        int row = 0;
        while (row < list.size() && list[row].toString() != step.entry)
            ++row;
        ASSERT_LT(row, list.size());
        sim.run("window Form3 select " + std::to_string(row) + "\nwindow Form3 ok\nrender " + png);
        const QJsonObject state = sim.dump();
        EXPECT_EQ(state["fields"]["CurrentSkin"].toString().toStdString(), step.skin);
        EXPECT_EQ(state["fields"]["Plugins"].toString().toStdString(), step.plugin);
        const QJsonObject front = state["elements"]["FrontView"].toObject();
        EXPECT_EQ(front["picture"].toString().toStdString(),
                  std::string("skins/") + step.skin + "/front.gif");
        const QImage render(QString::fromStdString(png));
        const int left = front["left"].toInt() / 15, top = front["top"].toInt() / 15;
        for (const char* skin : {"Default", "Mint", "Midnight"}) {
            const double share = frontShare(render, skin, left, top);
            EXPECT_TRUE(std::string(skin) == step.skin ? share > 0.6 : share < 0.3) << skin << " " << share;
        }
        // The plug-in's own pictures and words are on the toy exactly while it is chosen.
        const bool winter = std::string(step.plugin) == "Winter";
        EXPECT_EQ(state["menu"]["mCheatChar1"]["caption"].toString() == "Snowbun", winter);
        const QString pictures = QJsonDocument(state["elements"].toObject()).toJson();
        EXPECT_EQ(pictures.contains("plugins/Winter/", Qt::CaseInsensitive), winter);
        before = shell(state);
        sim.run("quit");
        IniSettingsStore stored(sim.storeFile());
        EXPECT_EQ(stored.read("Pipling", "CurrentSkin").value_or("?"), step.skin);
        EXPECT_EQ(stored.read("Pipling", "Plugins").value_or("?"), step.plugin);
    }
}

} // namespace
