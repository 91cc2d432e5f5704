// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageArt.h"

#include "TextUtil.h"

#include <QDir>
#include <QPainter>

#include <stdexcept>

void PageArt::generate(const std::string& source, const std::string& target) {
    const QStringList files = QDir(QString::fromStdString(ctx_.artPath(source)))
                                  .entryList({"page[0-9][0-9].txt"}, QDir::Files, QDir::Name);
    if (files.isEmpty()) throw std::runtime_error("art/" + source + " has no pages");
    for (int i = 0; i < files.size(); ++i) {
        if (files[i] != QString("page%1.txt").arg(i + 1, 2, 10, QChar('0')))
            throw std::runtime_error("instruction pages must be numbered from 01 without gaps");
        std::string text;
        textutil::readFile(ctx_.artPath(source + "/" + files[i].toStdString()), text);
        const std::string stem = files[i].left(6).toStdString();
        ctx_.out.gif(target + "/" + stem + ".gif", page(text, i + 1, static_cast<int>(files.size())));
    }
}

QImage PageArt::page(const std::string& source, int number, int count) const {
    QImage image(Width, Height, QImage::Format_ARGB32);
    image.fill(style_.paper);
    QPainter p(&image);
    p.setPen(QPen(QColor(style_.border), 3));
    p.drawRoundedRect(QRectF(2.5, 2.5, Width - 5, Height - 5), 10, 10);
    const PixelFont& font = ctx_.textFont;
    const int margin = 14, lineHeight = font.height() + 3;
    int y = margin, indent = 0, width = Width - 2 * margin;
    for (const std::string& raw : textutil::splitLines(source)) {
        const std::string line = textutil::trim(raw);
        if (line.empty()) {
            y += 4;
            continue;
        }
        if (line[0] == ';') continue;
        if (line.starts_with("# ")) {
            const std::string heading = line.substr(2);
            font.draw(image, (Width - 2 * font.textWidth(heading)) / 2, y, heading, style_.accent, 2);
            y += 2 * font.height() + 6;
            continue;
        }
        const auto words = textutil::splitWords(line);
        if (words[0] == "@indent" && words.size() == 2) {
            indent = std::stoi(words[1]);
            continue;
        }
        if (words[0] == "@width" && words.size() == 2) {
            width = std::stoi(words[1]);
            continue;
        }
        if (words[0] == "@gap" && words.size() == 2) {
            y += std::stoi(words[1]);
            continue;
        }
        if (words[0] == "@pic" && words.size() >= 4) {
            const QImage picture = ctx_.out.picture(words[1]);
            if (picture.isNull()) throw std::runtime_error("page picture not generated yet: " + words[1]);
            const int scale = words.size() > 4 ? std::stoi(words[4]) : 1;
            p.drawImage(QRect(std::stoi(words[2]), std::stoi(words[3]), picture.width() * scale,
                              picture.height() * scale),
                        picture);
            continue;
        }
        // Plain text, wrapped word by word.
        std::string current;
        for (const auto& word : words) {
            const std::string trial = current.empty() ? word : current + " " + word;
            if (font.textWidth(trial) > width - indent && !current.empty()) {
                font.draw(image, margin + indent, y, current, style_.ink);
                y += lineHeight;
                current = word;
            } else {
                current = trial;
            }
        }
        if (!current.empty()) {
            font.draw(image, margin + indent, y, current, style_.ink);
            y += lineHeight;
        }
    }
    p.end();
    const std::string footer = std::to_string(number) + " / " + std::to_string(count);
    font.draw(image, Width - margin - font.textWidth(footer), Height - margin - font.height() + 2, footer,
              style_.accent);
    if (y > Height - margin - font.height())
        throw std::runtime_error("instruction page " + std::to_string(number) + " is too long");
    return image;
}
