// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Pictures decoded by Qt, shared by pipling and pipling-sim (no display needed). This file provides:
//  - QtPicture: a decoded picture with its pixels and, for cursors, the hot spot;
//  - QtPictureLoader: GIF (transparent colour kept), ICO and CUR files by the program's own names.
#include "platform/Services.h"

#include <QImage>

#include <map>
#include <string>

// A picture decoded by Qt. Decoding needs no display, so pipling and pipling-sim share it.
class QtPicture : public Picture {
public:
    QtPicture(std::string path, QImage image, QPoint hotSpot = {})
        : Picture(std::move(path), image.width(), image.height()), image(std::move(image)), hotSpot(hotSpot) {
    }
    const QImage image;
    // Where a pointer made from this picture points; read from cursor files, else the corner.
    const QPoint hotSpot;
};

// Decodes GIF (transparent colour kept), ICO and CUR files found by the program's own names.
// A file is decoded once while any picture made from it lives: QImage shares its pixels, so the
// elements and stores that show the same file hold one copy. Each load still returns a picture
// of its own, since the device tells its pictures apart by identity.
class QtPictureLoader : public PictureLoader {
public:
    PictureHandle load(const std::string& path) override;
    // Pictures larger than this are refused: the toy's pictures are small, and a hostile file
    // must not make the program allocate gigabytes.
    static constexpr int MaxSide = 4096;
    // Files larger than this are refused unread for the same reason.
    static constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

private:
    struct Decoded {
        QImage image;
        QPoint hotSpot;
    };
    // By file, its size and its time of change, so a file rewritten on disk is decoded anew.
    std::map<std::string, Decoded> decoded;
};
