#include "pictures.h"

#include <QPixmap>
#include <QResource>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace ui {

QIcon picture(const QString &path)
{
    QIcon icon;
    for (const int scale : {1, 2}) {
        const QResource resource(scale == 1 ? path + u".argb"_s : path + u"@2x.argb"_s);
        const QByteArray data = resource.uncompressedData();
        if (data.size() < 8)
            continue;
        const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
        const int width = int(qFromLittleEndian<quint32>(bytes));
        const int height = int(qFromLittleEndian<quint32>(bytes + 4));
        if (width <= 0 || height <= 0 || data.size() != 8 + qsizetype(width) * height * 4)
            continue;
        QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < height; ++y) {
            auto *line = reinterpret_cast<quint32 *>(image.scanLine(y));
            for (int x = 0; x < width; ++x)
                line[x] = qFromLittleEndian<quint32>(bytes + 8 + (qsizetype(y) * width + x) * 4);
        }
        image.setDevicePixelRatio(scale);
        icon.addPixmap(QPixmap::fromImage(std::move(image)));
    }
    return icon;
}

} // namespace ui
