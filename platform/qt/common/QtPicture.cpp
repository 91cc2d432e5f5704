#include "platform/qt/common/QtPicture.h"

#include "platform/disk/PathResolver.h"
#include "platform/disk/PictureFile.h"

#include <QFile>
#include <QImageReader>

#include <string_view>

namespace {

// A cursor file's first image records its hot spot where an icon file records planes and bits.
QPoint cursorHotSpot(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) return {};
    const QByteArray head = in.read(6 + 16);
    if (head.size() < 22) return {};
    auto word = [&](int at) {
        return static_cast<int>(static_cast<uint8_t>(head[at]) | static_cast<uint8_t>(head[at + 1]) << 8);
    };
    if (word(0) != 0 || word(2) != 2) return {};
    return QPoint(word(6 + 4), word(6 + 6));
}

} // namespace

PictureHandle QtPictureLoader::load(const std::string& path) {
    auto resolved = resolvePath(path);
    if (!resolved) return nullptr;
    const QString file = QString::fromStdString(resolved->string());
    {
        // A cut file may still decode into a half-drawn picture: refuse it before decoding.
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly)) return nullptr;
        const QByteArray bytes = in.read(MaxFileSize + 1);
        if (bytes.size() > MaxFileSize ||
            !pictureFileComplete(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
            return nullptr;
    }
    QImageReader reader(file);
    QSize size = reader.size();
    if (size.isValid() && (size.width() > MaxSide || size.height() > MaxSide)) return nullptr;
    QImage image = reader.read();
    if (image.isNull() || image.width() > MaxSide || image.height() > MaxSide) return nullptr;
    return std::make_shared<QtPicture>(path, image.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                                       cursorHotSpot(file));
}
