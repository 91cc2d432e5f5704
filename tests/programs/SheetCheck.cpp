// SPDX-License-Identifier: GPL-3.0-or-later
// Finds the toy and its insulating sheet in a screenshot of a desktop, for the Wayland test.
//
//   pipling_sheet_check beside SHOT TOY SHEET     the sheet sits behind the toy's right edge
//   pipling_sheet_check gone SHOT TOY SHEET X Y   the toy at X,Y runs and has no sheet beside it
//   pipling_sheet_check width TOY                 prints the toy's width
//
// TOY is the toy as pipling-sim renders it (transparent outside its outline), SHEET the sheet's
// picture. "beside" looks for the toy anywhere in SHOT: every pixel of it must be there as
// rendered, so a sheet lying over the toy hides it, and the sheet must nowhere show whole (as a
// window of its own does); then the part of the sheet that sticks out to
// the right of the toy's window must show at the slot, 107 pixels below the toy's top and 50
// pixels in from its right edge, give or take a pixel of rounding. It prints "toy X Y" and "tab
// X Y", the middle of the tab to pull, and ends with status 0 when all that holds, else 1.
// "gone" checks that nothing of the sheet shows at the slot any more, nor further out, and that the toy's
// screen is no longer the blank one of the toy switched off.
#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QPoint>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

// The sheet's place in the slot, in pixels from the toy's top-left corner, and how far rounding
// may move it.
constexpr int SlotRight = 50; // the sheet's left lies this far left of the toy's right edge
constexpr int SlotDown = 107;
constexpr int Slack = 1;
constexpr int PulledFurthest = 60; // how far out the sheet still sits in the slot

bool same(QRgb a, QRgb b) {
    constexpr int Tolerance = 8;
    return std::abs(qRed(a) - qRed(b)) <= Tolerance && std::abs(qGreen(a) - qGreen(b)) <= Tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= Tolerance;
}

// The pixels of `picture` at (x, y) in `shot` that match, counted over its opaque pixels that
// `only` accepts (shot coordinates); stops early once more than `allowedMisses` miss.
template <class Only>
int matches(const QImage& shot, const QImage& picture, int x, int y, int allowedMisses, int& counted,
            Only only) {
    int hits = 0, misses = 0;
    counted = 0;
    for (int py = 0; py < picture.height(); ++py) {
        const int sy = y + py;
        if (sy < 0 || sy >= shot.height()) continue;
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(py));
        const auto* shotLine = reinterpret_cast<const QRgb*>(shot.constScanLine(sy));
        for (int px = 0; px < picture.width(); ++px) {
            const int sx = x + px;
            if (qAlpha(line[px]) < 255 || sx < 0 || sx >= shot.width() || !only(sx, sy)) continue;
            ++counted;
            if (same(line[px], shotLine[sx])) {
                ++hits;
            } else if (++misses > allowedMisses) {
                return hits;
            }
        }
    }
    return hits;
}

// The top-left corner of a place in the shot where all the picture's opaque pixels show, but for
// a share `missable` of them. They are listed once, so that most places are turned down at their
// first pixels.
std::optional<QPoint> findWhole(const QImage& shot, const QImage& toy, double missable = 0) {
    struct Pixel {
        int x, y;
        QRgb colour;
    };
    std::vector<Pixel> opaque;
    for (int y = 0; y < toy.height(); ++y)
        for (int x = 0; x < toy.width(); ++x)
            if (qAlpha(toy.pixel(x, y)) == 255) opaque.push_back({x, y, toy.pixel(x, y)});
    if (opaque.empty()) return std::nullopt;
    const auto allowed = static_cast<std::size_t>(opaque.size() * missable);
    for (int y = 0; y + toy.height() <= shot.height(); ++y)
        for (int x = 0; x + toy.width() <= shot.width(); ++x) {
            std::size_t misses = 0;
            for (const Pixel& p : opaque)
                if (!same(p.colour, reinterpret_cast<const QRgb*>(shot.constScanLine(y + p.y))[x + p.x]) &&
                    ++misses > allowed)
                    break;
            if (misses <= allowed) return QPoint(x, y);
        }
    return std::nullopt;
}

// The best share of the sheet's pixels right of the toy's window that show at the slot, and
// where that sheet's top-left corner is.
// `further`: also at any place up to that many pixels further out along the slot.
double sheetAtSlot(const QImage& shot, const QImage& toy, const QImage& sheet, QPoint at, QPoint& sheetAt,
                   int further = 0) {
    const int edge = at.x() + toy.width();
    const auto outside = [edge](int sx, int) { return sx >= edge; };
    double best = 0;
    for (int dy = -Slack; dy <= Slack; ++dy)
        for (int dx = -Slack; dx <= Slack + further; ++dx) {
            const QPoint corner(edge - SlotRight + dx, at.y() + SlotDown + dy);
            int counted = 0;
            const int hits = matches(shot, sheet, corner.x(), corner.y(), sheet.width() * sheet.height(),
                                     counted, outside);
            const double share = counted ? double(hits) / counted : 0;
            if (share > best) {
                best = share;
                sheetAt = corner;
            }
        }
    return best;
}

QImage load(const char* file) {
    QImage image(QString::fromLocal8Bit(file));
    if (image.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", file);
        std::exit(2);
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "width" && argc == 3) {
        std::printf("%d\n", load(argv[2]).width());
        return 0;
    }
    if (!((mode == "beside" && argc == 5) || (mode == "gone" && argc == 7))) {
        std::fprintf(stderr, "usage: %s beside SHOT TOY SHEET | gone SHOT TOY SHEET X Y\n", argv[0]);
        return 2;
    }
    const QImage shot = load(argv[2]);
    const QImage toy = load(argv[3]);
    const QImage sheet = load(argv[4]);
    if (mode == "beside") {
        const std::optional<QPoint> at = findWhole(shot, toy);
        if (!at) {
            std::printf("the toy is nowhere whole in the screenshot (something lies over it)\n");
            return 1;
        }
        // A sheet behind the toy never shows whole; one that does is a window of its own,
        // elsewhere.
        if (const std::optional<QPoint> loose = findWhole(shot, sheet, 0.1)) {
            std::printf("toy %d %d\na whole sheet lies at %d %d\n", at->x(), at->y(), loose->x(), loose->y());
            return 1;
        }
        QPoint sheetAt;
        const double share = sheetAtSlot(shot, toy, sheet, *at, sheetAt);
        std::printf("toy %d %d\n", at->x(), at->y());
        std::printf("%.0f%% of the sheet's tab shows at the slot\n", share * 100);
        if (share < 0.9) return 1;
        // The middle of the round tab at the sheet's right end.
        std::printf("tab %d %d\n", sheetAt.x() + 62, sheetAt.y() + 17);
        return 0;
    }
    const QPoint at(std::atoi(argv[5]), std::atoi(argv[6]));
    QPoint sheetAt;
    // Nothing of the sheet at the slot, nor anywhere it could have been pulled to in the toy's window.
    const double share = sheetAtSlot(shot, toy, sheet, at, sheetAt, PulledFurthest);
    std::printf("%.0f%% of the sheet's tab shows at the slot or beyond it\n", share * 100);
    int counted = 0;
    const int same = matches(shot, toy, at.x(), at.y(), toy.width() * toy.height(), counted,
                             [](int, int) { return true; });
    // The toy itself is still there, with something new on its screen: the egg.
    std::printf("%d of the toy's %d pixels differ from the toy switched off\n", counted - same, counted);
    const bool toyThere = counted > 0 && same > counted * 9 / 10;
    return share < 0.2 && toyThere && counted - same >= 20 ? 0 : 1;
}
