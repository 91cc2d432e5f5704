// SPDX-License-Identifier: GPL-3.0-or-later
#include "AssetTree.h"

#include "GifWriter.h"
#include "IconWriter.h"
#include "WavWriter.h"

#include <filesystem>
#include <fstream>

std::string AssetTree::prepare(const std::string& path) {
    const std::filesystem::path full = std::filesystem::path(root_) / path;
    std::error_code ec;
    std::filesystem::create_directories(full.parent_path(), ec);
    return full.string();
}

void AssetTree::record(const std::string& path, const std::string& error) {
    if (error.empty())
        written_.push_back(path);
    else
        errors_.push_back(path + ": " + error);
}

void AssetTree::gif(const std::string& path, const QImage& image) {
    record(path, GifWriter::write(image, prepare(path)));
    pictures_.push_back({path, image});
}

void AssetTree::png(const std::string& path, const QImage& image) {
    record(path, image.save(QString::fromStdString(prepare(path)), "PNG") ? std::string() : "cannot write");
    pictures_.push_back({path, image});
}

void AssetTree::icon(const std::string& path, const std::vector<QImage>& sizes) {
    record(path, IconWriter::writeIcon(sizes, prepare(path)));
    if (!sizes.empty()) pictures_.push_back({path, sizes.back()});
}

void AssetTree::cursor(const std::string& path, const QImage& image, int hotX, int hotY) {
    record(path, IconWriter::writeCursor(image, hotX, hotY, prepare(path)));
    pictures_.push_back({path, image});
}

void AssetTree::wave(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRate) {
    record(path, WavWriter::write(samples, sampleRate, prepare(path)));
}

void AssetTree::text(const std::string& path, const std::string& content) {
    std::ofstream file(prepare(path), std::ios::binary);
    file << content;
    record(path, file ? std::string() : "cannot write");
}

std::map<std::string, int> AssetTree::countsByFolder() const {
    std::map<std::string, int> counts;
    for (const auto& path : written_) {
        const auto slash = path.rfind('/');
        ++counts[slash == std::string::npos ? std::string(".") : path.substr(0, slash)];
    }
    return counts;
}

QImage AssetTree::picture(const std::string& path) const {
    for (const auto& p : pictures_)
        if (p.path == path) return p.image;
    return {};
}
