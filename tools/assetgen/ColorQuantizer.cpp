// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColorQuantizer.h"

#include <algorithm>
#include <array>
#include <limits>
#include <map>

namespace {

bool isTransparent(QRgb c) {
    return qAlpha(c) < 128;
}

int channel(QRgb c, int which) {
    switch (which) {
    case 0:
        return qRed(c);
    case 1:
        return qGreen(c);
    default:
        return qBlue(c);
    }
}

} // namespace

ColorQuantizer::Result ColorQuantizer::quantize(const QImage& source, int maxColors) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    Result result;
    bool anyTransparent = false;
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (isTransparent(line[x]))
                anyTransparent = true;
            else
                ++counts[line[x] | 0xff000000u];
        }
    }
    const int opaqueSlots = maxColors - (anyTransparent ? 1 : 0);
    std::vector<QRgb> colors;
    colors.reserve(counts.size());
    for (const auto& [color, count] : counts)
        colors.push_back(color);
    if (static_cast<int>(colors.size()) <= opaqueSlots)
        result.palette = colors;
    else
        result.palette = medianCut(colors, opaqueSlots);
    if (result.palette.empty()) result.palette.push_back(qRgb(0, 0, 0));
    const std::vector<QRgb> opaque = result.palette;
    if (anyTransparent) {
        result.transparentIndex = static_cast<int>(result.palette.size());
        result.palette.push_back(qRgba(0, 0, 0, 0));
    }

    std::map<QRgb, int> lookup;
    result.pixels.reserve(static_cast<std::size_t>(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x];
            if (isTransparent(c)) {
                result.pixels.push_back(static_cast<std::uint8_t>(result.transparentIndex));
                continue;
            }
            const QRgb key = c | 0xff000000u;
            auto found = lookup.find(key);
            if (found == lookup.end()) found = lookup.emplace(key, nearest(opaque, key)).first;
            result.pixels.push_back(static_cast<std::uint8_t>(found->second));
        }
    }
    return result;
}

std::vector<QRgb> ColorQuantizer::medianCut(const std::vector<QRgb>& colors, int count) {
    std::vector<std::vector<QRgb>> boxes{colors};
    while (static_cast<int>(boxes.size()) < count) {
        // Split the box with the widest channel range; stop when none can be split.
        int best = -1, bestRange = 0, bestChannel = 0;
        for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
            if (boxes[i].size() < 2) continue;
            for (int ch = 0; ch < 3; ++ch) {
                auto [lo, hi] = std::minmax_element(boxes[i].begin(), boxes[i].end(), [ch](QRgb a, QRgb b) {
                    return channel(a, ch) < channel(b, ch);
                });
                const int range = channel(*hi, ch) - channel(*lo, ch);
                if (range > bestRange) {
                    bestRange = range;
                    best = i;
                    bestChannel = ch;
                }
            }
        }
        if (best < 0) break;
        auto& box = boxes[best];
        std::sort(box.begin(), box.end(), [bestChannel](QRgb a, QRgb b) {
            return channel(a, bestChannel) < channel(b, bestChannel);
        });
        std::vector<QRgb> upper(box.begin() + static_cast<std::ptrdiff_t>(box.size() / 2), box.end());
        box.resize(box.size() / 2);
        boxes.push_back(std::move(upper));
    }
    std::vector<QRgb> palette;
    for (const auto& box : boxes) {
        std::array<long, 3> sum{};
        for (QRgb c : box)
            for (int ch = 0; ch < 3; ++ch)
                sum[ch] += channel(c, ch);
        const long n = static_cast<long>(box.size());
        palette.push_back(
            qRgb(static_cast<int>(sum[0] / n), static_cast<int>(sum[1] / n), static_cast<int>(sum[2] / n)));
    }
    return palette;
}

int ColorQuantizer::nearest(const std::vector<QRgb>& palette, QRgb color) {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < static_cast<int>(palette.size()); ++i) {
        const int dr = qRed(palette[i]) - qRed(color);
        const int dg = qGreen(palette[i]) - qGreen(color);
        const int db = qBlue(palette[i]) - qBlue(color);
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}
