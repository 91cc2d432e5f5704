// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

// A decoded picture. The core only needs its size and where it came from; the platform that
// decoded it keeps the pixels in a subclass of its own.
class Picture {
public:
    Picture(std::string path, int width, int height)
        : path_(std::move(path)), width_(width), height_(height) {}
    virtual ~Picture() = default;

    // The name the program asked for (program folder included, separators as written).
    const std::string& path() const { return path_; }
    int width() const { return width_; }   // pixels
    int height() const { return height_; } // pixels

private:
    std::string path_;
    int width_;
    int height_;
};

using PictureHandle = std::shared_ptr<const Picture>;
