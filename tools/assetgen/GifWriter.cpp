// SPDX-License-Identifier: GPL-3.0-or-later
#include "GifWriter.h"

#include "ColorQuantizer.h"

#include <gif_lib.h>

#include <memory>
#include <vector>

namespace {

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};

struct MapFreer {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

std::string giflibError(int code) {
    const char* text = GifErrorString(code);
    return text ? std::string(text) : std::string("giflib error ") + std::to_string(code);
}

} // namespace

std::string GifWriter::write(const QImage& image, const std::string& path) {
    if (image.isNull() || image.width() < 1 || image.height() < 1) return "empty picture";
    const ColorQuantizer::Result q = ColorQuantizer::quantize(image, 256);

    // The GIF palette size is a power of two, at least 2.
    int bits = 1;
    while ((1 << bits) < static_cast<int>(q.palette.size()))
        ++bits;
    std::vector<GifColorType> colors(static_cast<std::size_t>(1) << bits, GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < q.palette.size(); ++i)
        colors[i] = GifColorType{static_cast<GifByteType>(qRed(q.palette[i])),
                                 static_cast<GifByteType>(qGreen(q.palette[i])),
                                 static_cast<GifByteType>(qBlue(q.palette[i]))};
    std::unique_ptr<ColorMapObject, MapFreer> map(GifMakeMapObject(1 << bits, colors.data()));
    if (!map) return "cannot make a colour map";

    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpenFileName(path.c_str(), false, &error));
    if (!gif) return "cannot open " + path + ": " + giflibError(error);
    EGifSetGifVersion(gif.get(), true);
    if (EGifPutScreenDesc(gif.get(), image.width(), image.height(), bits, 0, map.get()) == GIF_ERROR)
        return giflibError(gif->Error);
    if (q.transparentIndex >= 0) {
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
        gcb.UserInputFlag = false;
        gcb.DelayTime = 0;
        gcb.TransparentColor = q.transparentIndex;
        GifByteType extension[4];
        EGifGCBToExtension(&gcb, extension);
        if (EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_ERROR)
            return giflibError(gif->Error);
    }
    if (EGifPutImageDesc(gif.get(), 0, 0, image.width(), image.height(), false, nullptr) == GIF_ERROR)
        return giflibError(gif->Error);
    std::vector<GifPixelType> line(static_cast<std::size_t>(image.width()));
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = q.pixels.data() + static_cast<std::size_t>(y) * image.width();
        std::copy(row, row + image.width(), line.begin());
        if (EGifPutLine(gif.get(), line.data(), image.width()) == GIF_ERROR) return giflibError(gif->Error);
    }
    GifFileType* raw = gif.release();
    if (EGifCloseFile(raw, &error) == GIF_ERROR) return "cannot finish " + path + ": " + giflibError(error);
    return {};
}
