// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The output folder. Every generator writes through it, so each file is
// counted, its folder is made on demand, and every picture is kept for the
// contact sheet under the path it was written to.
class AssetTree {
public:
    explicit AssetTree(std::string root) : root_(std::move(root)) {}

    struct Picture {
        std::string path;
        QImage image;
    };

    void gif(const std::string& path, const QImage& image);
    void png(const std::string& path, const QImage& image);
    void icon(const std::string& path, const std::vector<QImage>& sizes);
    void cursor(const std::string& path, const QImage& image, int hotX, int hotY);
    void wave(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRate);
    void text(const std::string& path, const std::string& content);

    const std::vector<Picture>& pictures() const { return pictures_; }
    // A picture written earlier in this run (a null image when there is none).
    QImage picture(const std::string& path) const;
    const std::vector<std::string>& errors() const { return errors_; }
    // Number of files written per folder ("other", "Chars/03", ...).
    std::map<std::string, int> countsByFolder() const;
    const std::string& root() const { return root_; }

private:
    std::string prepare(const std::string& path);
    void record(const std::string& path, const std::string& error);
    std::string root_;
    std::vector<Picture> pictures_;
    std::vector<std::string> written_;
    std::vector<std::string> errors_;
};
