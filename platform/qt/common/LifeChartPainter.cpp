// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/common/LifeChartPainter.h"

#include "app/Form1.h"
#include "platform/qt/common/PixelFont.h"
#include "platform/qt/common/QtPicture.h"
#include "shell/LifeStory.h"

#include <QPainter>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>

namespace LifeChartPainter {

namespace {

// The plot's columns and the lanes' rows, in logical pixels.
constexpr int PlotLeft = 40, PlotRight = 310;
constexpr int BandTop = 24, BandHeight = 11;
struct Lane {
    const char* label;
    int top, height;
};
constexpr Lane Lanes[LifeChart::MeasureCount] = {
    {"FOOD", 40, 17}, {"JOY", 61, 17}, {"DISC", 82, 15}, {"WT", 101, 21}};
constexpr int CallTop = 127, CallHeight = 13;
constexpr int AxisTop = 144;
constexpr int MinutesPerDay = 240;

QColor mostCommon(const QImage& image, QColor fallback) {
    if (image.isNull()) return fallback;
    std::map<QRgb, int> counts;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); y += 2)
        for (int x = 0; x < argb.width(); x += 2) {
            const QRgb pixel = argb.pixel(x, y);
            if (qAlpha(pixel) == 255) ++counts[pixel];
        }
    if (counts.empty()) return fallback;
    return QColor(std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                      return a.second < b.second;
                  })->first);
}

QColor darkest(const QImage& image, QColor fallback) {
    if (image.isNull()) return fallback;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int best = 256 * 3;
    QColor result = fallback;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb p = argb.pixel(x, y);
            const int sum = qRed(p) + qGreen(p) + qBlue(p);
            if (qAlpha(p) == 255 && sum < best) {
                best = sum;
                result = QColor(p);
            }
        }
    return result;
}

const QImage* imageOf(const PictureHandle& picture) {
    const auto* qt = dynamic_cast<const QtPicture*>(picture.get());
    return qt ? &qt->image : nullptr;
}

// A blend of two palette colours, for the shades between them.
QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

std::string shortName(std::string name) {
    // "Strangelo (Secret Character)" is Strangelo on a chart.
    if (auto paren = name.find(" ("); paren != std::string::npos) name.resize(paren);
    return name;
}

std::string upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string date(int64_t unixMs) {
    const std::time_t seconds = static_cast<std::time_t>(unixMs / 1000);
    std::tm local{};
    ::localtime_r(&seconds, &local);
    char text[24];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

// The page: the shell colour round an LCD, the tabs and the close box in the frame.
void framePage(QPainter& p, const Look& look, Page page) {
    p.fillRect(0, 0, Width, Height, look.ink);
    p.fillRect(1, 1, Width - 2, Height - 2, look.shell);
    p.fillRect(1, 1, Width - 2, 1, look.shell.lighter(125));
    p.fillRect(6, 20, Width - 12, Height - 26, look.seam);
    p.fillRect(7, 21, Width - 14, Height - 28, look.ground);
    const PixelFont& font = PixelFont::text();
    for (Page tab : {Page::Chart, Page::Hall}) {
        const QRect r = tab == Page::Chart ? chartTab() : hallTab();
        const bool shown = tab == page;
        p.fillRect(r, look.ink);
        p.fillRect(r.adjusted(1, 1, -1, shown ? 0 : -1), shown ? look.ground : look.ghost);
        const char* label = tab == Page::Chart ? "Life" : "Hall";
        font.draw(p, r.left() + (r.width() - font.width(label)) / 2, r.top() + 3, label, look.ink);
    }
    const QRect x = closeBox();
    p.fillRect(x, look.ink);
    p.fillRect(x.adjusted(1, 1, -1, -1), look.ghost);
    for (int i = 0; i < 5; ++i) {
        p.fillRect(x.left() + 2 + i, x.top() + 2 + i, 1, 1, look.ink);
        p.fillRect(x.left() + 6 - i, x.top() + 2 + i, 1, 1, look.ink);
    }
}

QImage canvas(int scale) {
    QImage image(Width * scale, Height * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void startPainter(QPainter& p, int scale) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.scale(scale, scale);
}

} // namespace

namespace {
QRect rect(const LifeStory::Box& box) {
    return {box.left, box.top, box.width, box.height};
}
} // namespace

QRect chartTab() {
    return rect(LifeStory::ChartTab);
}
QRect hallTab() {
    return rect(LifeStory::HallTab);
}
QRect closeBox() {
    return rect(LifeStory::CloseBox);
}

Look Look::of(Form1& form) {
    Look look;
    if (const QImage* screen = imageOf(form.elements.PipScr.picture))
        look.ground = mostCommon(*screen, look.ground);
    if (const QImage* front = imageOf(form.elements.FrontView.picture))
        look.shell = mostCommon(*front, look.shell);
    if (const QImage* pet = imageOf(form.elements.TempChar[0])) look.ink = darkest(*pet, look.ink);
    look.offdot = mix(look.ground, look.ink, 0.08);
    look.ghost = mix(look.ground, look.ink, 0.16);
    look.seam = mix(look.ground, look.ink, 0.7);
    for (int i = 0; i <= character::Angel; ++i) {
        look.names[static_cast<std::size_t>(i)] = shortName(form.menuItem(cheatChar(i)).caption);
        char folder[16];
        std::snprintf(folder, sizeof folder, "%02d", i);
        PictureHandle face;
        form.DoLoadPicture(form.pet.Plugins, face, std::string("\\Chars\\") + folder + "\\", "0.gif");
        if (const QImage* image = imageOf(face)) look.faces[static_cast<std::size_t>(i)] = *image;
    }
    return look;
}

QImage chart(const LifeChart& life, const Look& look, int scale) {
    QImage image = canvas(scale);
    QPainter p(&image);
    startPainter(p, scale);
    framePage(p, look, Page::Chart);
    const PixelFont& text = PixelFont::text();
    const PixelFont& small = PixelFont::small();

    // The title: the pet's name and where its life stands.
    char status[64];
    if (life.died)
        std::snprintf(status, sizeof status, "died at %d, %s", life.age,
                      std::string(causeName(life.cause)).c_str());
    else
        std::snprintf(status, sizeof status, "age %d", life.age);
    const std::string title = (life.name.empty() ? std::string("Pipling") : life.name) + "  " + status;
    text.draw(p, 84, 7, title.substr(0, 36), look.ink);

    const int end = std::max(life.end, 1);
    auto xOf = [&](int32_t minute) {
        return PlotLeft + static_cast<int>(int64_t(PlotRight - PlotLeft) * minute / end);
    };

    // The characters as bands, their names inside where they fit; dotted lines mark the changes.
    small.draw(p, 10, BandTop + 3, "WHO", look.seam);
    for (std::size_t i = 0; i < life.bands.size(); ++i) {
        const auto& band = life.bands[i];
        const int left = xOf(band.from), right = std::max(xOf(band.to), left + 1);
        p.fillRect(left, BandTop, right - left, BandHeight, i % 2 ? look.ghost : look.offdot);
        p.fillRect(left, BandTop, 1, BandHeight, look.seam);
        const std::string name =
            upper(look.names[static_cast<std::size_t>(std::clamp<int>(band.character, 0, 12))]);
        for (std::size_t n = name.size(); n > 0; --n) {
            const std::string cut = name.substr(0, n);
            if (small.width(cut) + 4 <= right - left) {
                small.draw(p, left + 3, BandTop + 3, cut, look.ink);
                break;
            }
        }
        for (int y = BandTop + BandHeight; y < CallTop + CallHeight; y += 2)
            p.fillRect(left, y, 1, 1, look.ghost);
    }

    // The needs: one lane each, as steps over the pet's life; the hearts filled below the line.
    for (int m = 0; m < LifeChart::MeasureCount; ++m) {
        const Lane& lane = Lanes[m];
        const auto& line = life.lines[static_cast<std::size_t>(m)];
        small.draw(p, 10, lane.top + lane.height / 2 - 2, lane.label, look.seam);
        p.fillRect(PlotLeft, lane.top + lane.height, PlotRight - PlotLeft, 1, look.seam);
        char top[8];
        std::snprintf(top, sizeof top, "%d", line.top);
        small.draw(p, PlotLeft - 2 - small.width(top), lane.top, top, look.ghost);
        auto yOf = [&](int value) {
            return lane.top + lane.height - 1 -
                   (lane.height - 1) * std::clamp<int>(value, 0, line.top) / std::max<int>(line.top, 1);
        };
        for (std::size_t i = 0; i < line.points.size(); ++i) {
            const auto& point = line.points[i];
            const int from = xOf(point.life);
            const int to = i + 1 < line.points.size() ? xOf(line.points[i + 1].life) : xOf(life.end);
            const int y = yOf(point.value);
            if (m != LifeChart::Weight && to > from)
                p.fillRect(from, y + 1, to - from, lane.top + lane.height - y - 1, look.ghost);
            p.fillRect(from, y, std::max(to - from, 1), 1, look.ink);
            if (i + 1 < line.points.size()) {
                const int next = yOf(line.points[i + 1].value);
                p.fillRect(to, std::min(y, next), 1, std::abs(next - y) + 1, look.ink);
            }
        }
    }

    // The calls: answered ones as ticks above, missed ones as crosses below.
    small.draw(p, 10, CallTop + 4, "CALL", look.seam);
    for (const auto& mark : life.calls) {
        const int x = xOf(mark.life);
        if (mark.outcome == LifeChart::Outcome::Answered) {
            p.fillRect(x, CallTop, 1, 5, look.ink);
        } else if (mark.outcome == LifeChart::Outcome::Missed) {
            for (int i = 0; i < 3; ++i) {
                p.fillRect(x - 1 + i, CallTop + 8 + i, 1, 1, look.ink);
                p.fillRect(x + 1 - i, CallTop + 8 + i, 1, 1, look.ink);
            }
        } else {
            p.fillRect(x, CallTop + 6, 1, 1, look.seam);
        }
    }

    // The axis in pet days, labelled as often as there is room.
    p.fillRect(PlotLeft, AxisTop, PlotRight - PlotLeft + 1, 1, look.ink);
    small.draw(p, 10, AxisTop + 3, "DAY", look.seam);
    const int days = end / MinutesPerDay;
    const int every = std::max(1, (days + 1) * 14 / (PlotRight - PlotLeft) + 1);
    for (int day = 0; day <= days; ++day) {
        const int x = xOf(day * MinutesPerDay);
        p.fillRect(x, AxisTop + 1, 1, day % every == 0 ? 2 : 1, look.ink);
        if (day % every == 0) {
            const std::string label = std::to_string(day);
            small.draw(p, std::min(x - small.width(label) / 2, PlotRight - small.width(label)), AxisTop + 4,
                       label, look.ink);
        }
    }

    // The key and the count of calls.
    const int keyTop = 158;
    p.fillRect(12, keyTop + 1, 1, 5, look.ink);
    int x = text.draw(p, 16, keyTop, "answered", look.ink) + 8;
    for (int i = 0; i < 3; ++i) {
        p.fillRect(x - 1 + i, keyTop + 2 + i, 1, 1, look.ink);
        p.fillRect(x + 1 - i, keyTop + 2 + i, 1, 1, look.ink);
    }
    x = text.draw(p, x + 4, keyTop, "missed", look.ink) + 10;
    char counts[64];
    std::snprintf(counts, sizeof counts, "%d calls: %d answered, %d missed",
                  static_cast<int>(life.calls.size()), life.answered(), life.missed());
    text.draw(p, x, keyTop, counts, look.seam);
    char span[64];
    std::snprintf(span, sizeof span, "%d pet days, %d pet hours", end / MinutesPerDay, end / 10);
    text.draw(p, 16, keyTop + 12, span, look.seam);
    return image;
}

QImage hall(const std::vector<PastPet>& pets, const Look& look, int scale) {
    QImage image = canvas(scale);
    QPainter p(&image);
    startPainter(p, scale);
    framePage(p, look, Page::Hall);
    const PixelFont& text = PixelFont::text();
    const PixelFont& small = PixelFont::small();
    text.draw(p, 84, 7, "Hall of past pets", look.ink);
    if (pets.empty()) {
        text.draw(p, 20, 40, "No pet has died yet.", look.seam);
        return image;
    }
    constexpr int RowHeight = 42, Rows = 4;
    for (std::size_t i = 0; i < pets.size() && i < Rows; ++i) {
        const PastPet& pet = pets[i];
        const int top = 24 + static_cast<int>(i) * RowHeight;
        if (i % 2) p.fillRect(8, top - 1, Width - 16, RowHeight, look.offdot);
        // The last character it was, in a little screen of its own.
        const int last = pet.characters.empty() ? 0 : pet.characters.back();
        const QImage& face = look.faces[static_cast<std::size_t>(std::clamp(last, 0, 12))];
        p.fillRect(12, top + 2, 36, 36, look.seam);
        p.fillRect(13, top + 3, 34, 34, look.ground);
        if (!face.isNull()) {
            // As large as whole dots let it be in its little screen.
            const int zoom = std::max(1, 32 / std::max(face.width(), face.height()));
            const QSize size = (face.size() * zoom).boundedTo(QSize(32, 32));
            p.drawImage(QRect(14 + (32 - size.width()) / 2, top + 4 + (32 - size.height()) / 2, size.width(),
                              size.height()),
                        face, QRect(QPoint(0, 0), size / zoom));
        }
        char line[96];
        std::snprintf(line, sizeof line, "%s, died at %d of %s", pet.name.c_str(), pet.age,
                      std::string(causeName(pet.cause)).c_str());
        text.draw(p, 54, top + 3, std::string(line).substr(0, 40), look.ink);
        std::string path;
        for (int16_t c : pet.characters)
            path += (path.empty() ? "" : " - ") +
                    upper(look.names[static_cast<std::size_t>(std::clamp<int>(c, 0, 12))]);
        small.draw(p, 54, top + 14, path.substr(0, 62), look.seam);
        const std::string dates = date(pet.bornMs) + " to " + date(pet.diedMs);
        text.draw(p, 54, top + 23, dates, look.seam);
    }
    if (pets.size() > Rows) {
        char more[48];
        std::snprintf(more, sizeof more, "and %d more", static_cast<int>(pets.size() - Rows));
        text.draw(p, Width - 16 - text.width(more), Height - 16, more, look.seam);
    }
    return image;
}

} // namespace LifeChartPainter
