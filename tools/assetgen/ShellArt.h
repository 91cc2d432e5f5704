#pragma once

#include "ArtContext.h"
#include "ShellShape.h"

#include <QImage>

// The default skin (skins/Default): front and back of the shell, the button
// and reset pictures and skin.ini.
class ShellArt {
public:
    explicit ShellArt(ArtContext& context) : ctx_(context) {}
    void generate();

private:
    QImage plastic(bool front) const;
    void faceplate(QImage& image) const;
    void buttonWells(QImage& image) const;
    void backDetails(QImage& image) const;
    QImage button(bool pressed) const;
    QImage resetButton(bool pressed) const;

    QRgb color(const std::string& key) const;
    double number(const std::string& key) const;

    ArtContext& ctx_;
    ArtBook shell_;
    ShellShape shape_;
};
