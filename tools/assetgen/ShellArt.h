// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ArtContext.h"
#include "ShellShape.h"

#include <QImage>

#include <string>
#include <vector>

// The skins (skins/<Name>): front and back of the shell, the button and reset
// pictures and skin.ini, one skin for every art/skins/<Name>.txt. A skin file
// names only what differs from Default.txt: colours, the button shape, the
// plate around the glass, a printed pattern, a glow and the button places.
class ShellArt {
public:
    explicit ShellArt(ArtContext& context) : ctx_(context) {}
    void generate();

    // The skins found in art/skins, "Default" first.
    static std::vector<std::string> skinNames(const ArtContext& context);
    // Where a skin puts "buttona", "buttonb", "buttonc" or "reset", in window pixels.
    static QPoint place(const ArtContext& context, const std::string& skin, const std::string& element);

private:
    void skin(const std::string& name);
    QImage plastic(bool front) const;
    void pattern(QImage& image, bool front) const;
    void faceplate(QImage& image) const;
    void buttonWells(QImage& image) const;
    void backDetails(QImage& image) const;
    QImage button(bool pressed) const;
    QImage resetButton(bool pressed) const;
    std::string skinIni(const std::string& name) const;

    std::string setting(const std::string& key) const;
    QRgb color(const std::string& key) const;
    double number(const std::string& key) const;
    // How far out a point lies on the skin's button shape: 1 on its edge.
    double buttonNorm(double u, double v) const;

    ArtContext& ctx_;
    ArtBook defaults_; // Default.txt: every setting a skin leaves out
    ArtBook skin_;
    std::string name_;
    QPoint buttons_[3];
    QPoint reset_;
    ShellShape shape_;
};
