// SPDX-License-Identifier: GPL-3.0-or-later
#include "IconWriter.h"

#include "LittleEndian.h"

#include <fstream>

namespace {

using LittleEndian::put16;
using LittleEndian::put32;

void set32(std::vector<unsigned char>& out, std::size_t at, unsigned value) {
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<unsigned char>((value >> (8 * i)) & 0xff);
}

} // namespace

std::vector<unsigned char> IconWriter::bitmap(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    const int maskStride = ((w + 31) / 32) * 4; // AND mask rows are padded to 32 bits
    std::vector<unsigned char> out;
    // BITMAPINFOHEADER; the height counts the colour rows and the mask rows.
    put32(out, 40);
    put32(out, static_cast<unsigned>(w));
    put32(out, static_cast<unsigned>(h * 2));
    put16(out, 1);
    put16(out, 32);
    put32(out, 0);
    put32(out, static_cast<unsigned>(w * h * 4 + maskStride * h));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    for (int y = h - 1; y >= 0; --y) { // bottom-up rows
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            // Fully transparent pixels are stored black so that old readers that
            // ignore alpha still see nothing there (the mask hides them).
            const QRgb c = qAlpha(line[x]) == 0 ? 0u : line[x];
            out.push_back(static_cast<unsigned char>(qBlue(c)));
            out.push_back(static_cast<unsigned char>(qGreen(c)));
            out.push_back(static_cast<unsigned char>(qRed(c)));
            out.push_back(static_cast<unsigned char>(qAlpha(c)));
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        std::vector<unsigned char> row(static_cast<std::size_t>(maskStride), 0);
        for (int x = 0; x < w; ++x)
            if (qAlpha(line[x]) < 128)
                row[static_cast<std::size_t>(x / 8)] |= static_cast<unsigned char>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

std::vector<unsigned char> IconWriter::encode(const std::vector<QImage>& images, bool cursor, int hotX,
                                              int hotY) {
    std::vector<unsigned char> out;
    put16(out, 0);
    put16(out, cursor ? 2 : 1);
    put16(out, static_cast<unsigned>(images.size()));
    const std::size_t directoryStart = out.size();
    for (const QImage& image : images) {
        out.push_back(static_cast<unsigned char>(image.width() >= 256 ? 0 : image.width()));
        out.push_back(static_cast<unsigned char>(image.height() >= 256 ? 0 : image.height()));
        out.push_back(0); // no palette
        out.push_back(0);
        // Icons keep planes and bit count here; cursors keep the hotspot instead.
        put16(out, cursor ? static_cast<unsigned>(hotX) : 1);
        put16(out, cursor ? static_cast<unsigned>(hotY) : 32);
        put32(out, 0); // size, filled below
        put32(out, 0); // offset, filled below
    }
    for (std::size_t i = 0; i < images.size(); ++i) {
        const std::vector<unsigned char> data = bitmap(images[i]);
        const std::size_t entry = directoryStart + i * 16;
        set32(out, entry + 8, static_cast<unsigned>(data.size()));
        set32(out, entry + 12, static_cast<unsigned>(out.size()));
        out.insert(out.end(), data.begin(), data.end());
    }
    return out;
}

std::string IconWriter::save(const std::vector<unsigned char>& bytes, const std::string& path) {
    std::ofstream file(path, std::ios::binary);
    if (!file) return "cannot open " + path;
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return file ? std::string() : "cannot write " + path;
}

std::string IconWriter::writeIcon(const std::vector<QImage>& images, const std::string& path) {
    return save(encode(images, false, 0, 0), path);
}

std::string IconWriter::writeCursor(const QImage& image, int hotX, int hotY, const std::string& path) {
    return save(encode({image}, true, hotX, hotY), path);
}
