// Renders an SVG picture into the raw form ui::picture() reads: width and height as 32-bit
// little-endian numbers, then premultiplied ARGB pixels, one little-endian 32-bit word each.
//   render-icons <picture.svg> <out.argb> <size in pixels>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 4)
        return 2;
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    const int size = QByteArray(argv[3]).toInt();
    if (!renderer.isValid() || size <= 0)
        return 1;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();

    QByteArray bytes(8 + qsizetype(size) * size * 4, Qt::Uninitialized);
    auto *out = reinterpret_cast<uchar *>(bytes.data());
    qToLittleEndian<quint32>(quint32(size), out);
    qToLittleEndian<quint32>(quint32(size), out + 4);
    for (int y = 0; y < size; ++y) {
        const auto *line = reinterpret_cast<const quint32 *>(image.constScanLine(y));
        for (int x = 0; x < size; ++x)
            qToLittleEndian<quint32>(line[x], out + 8 + (qsizetype(y) * size + x) * 4);
    }
    QFile file(QString::fromLocal8Bit(argv[2]));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? 0 : 1;
}
