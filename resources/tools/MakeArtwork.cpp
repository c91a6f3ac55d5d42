// Draws the about window's picture and the application icon at build time, and packs the icon into the
// Windows .ico file. Nothing here draws text, so no application object or font is needed.
#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRadialGradient>
#include <QRect>
#include <QRectF>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <vector>

namespace {

// Drawn afresh at every size rather than scaled down, so the 16-pixel icon keeps whole-pixel lines.
QImage DrawIcon(int side) {
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const double s = side;
    const double line = std::max(1.0, std::round(s / 18.0));
    const double border = std::max(1.0, std::round(s / 64.0));
    const double margin = std::floor(s / 32.0) + border / 2;
    const QRectF card(margin, margin, s - 2 * margin, s - 2 * margin);
    const double radius = std::max(3.0, s / 10.0);  // any less leaves the 16-pixel corners half covered

    QLinearGradient paper(0, 0, 0, s);
    paper.setColorAt(0, QColor(255, 255, 255));
    paper.setColorAt(1, QColor(238, 240, 244));
    p.setPen(QPen(QColor(128, 132, 140), border));
    p.setBrush(paper);
    p.drawRoundedRect(card, radius, radius);

    // One-pixel lines come out sharper as plain pixel steps than smoothed. A smoothed line of odd width is
    // centred on a pixel's middle, of even width on a pixel edge, so its long edges stay crisp.
    const bool smooth = line > 1;
    p.setRenderHint(QPainter::Antialiasing, smooth);
    const double half = smooth && std::fmod(line, 2.0) == 1.0 ? 0.5 : 0.0;
    const QPointF origin(std::floor(0.30 * s) + half, std::floor(0.72 * s) + half);
    const double reach = origin.y() - std::floor(0.16 * s);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 80, 220), line, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(origin, origin + QPointF(reach, -reach));  // light, at 45 degrees

    p.setPen(QPen(QColor(220, 0, 0), line, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(origin, origin + QPointF(0.4 * reach, -reach));  // the moving frame's time axis

    p.setPen(QPen(QColor(0, 0, 0), line, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(std::round(0.14 * s), origin.y()), QPointF(std::round(0.86 * s), origin.y()));
    return image;
}

// A small fixed generator, so the star field comes out the same on every machine.
class Stars {
  public:
    double Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / double(1u << 24);
    }

  private:
    std::uint32_t state_ = 2020;
};

// An event with its light cones, the light spreading from it, and two observers passing through it. The
// picture is 194 by 251 at every `scale`: a larger scale draws the same artwork with that many pixels to
// each of its units, for screens with that many device pixels to a unit.
QImage DrawPicture(int scale) {
    const int width = 194, height = 251;
    QImage image(width * scale, height * scale, QImage::Format_RGB32);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(10, 16, 46));
    sky.setColorAt(0.55, QColor(28, 26, 74));
    sky.setColorAt(1, QColor(52, 24, 70));
    p.fillRect(QRect(0, 0, width, height), sky);

    // One draw per statement: the order of a call's arguments is the compiler's choice.
    Stars random;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 90; ++i) {
        const double x = random.Next() * width;
        const double y = random.Next() * height;
        const double small = random.Next();
        const double size = 0.35 + 0.8 * small * random.Next();
        p.setBrush(QColor(255, 250, 235, int(70 + 150 * random.Next())));
        p.drawEllipse(QPointF(x, y), size, size);
    }

    const QPointF event(97, 150);
    const double far = 400;
    QPainterPath future, past;
    future.moveTo(event);
    future.lineTo(event + QPointF(-far, -far));
    future.lineTo(event + QPointF(far, -far));
    future.closeSubpath();
    past.moveTo(event);
    past.lineTo(event + QPointF(-far, far));
    past.lineTo(event + QPointF(far, far));
    past.closeSubpath();

    QRadialGradient warm(event, 170);
    warm.setColorAt(0, QColor(255, 196, 110, 150));
    warm.setColorAt(0.5, QColor(240, 140, 90, 60));
    warm.setColorAt(1, QColor(200, 90, 120, 0));
    p.fillPath(future, warm);
    QRadialGradient cool(event, 120);
    cool.setColorAt(0, QColor(110, 200, 255, 120));
    cool.setColorAt(1, QColor(80, 120, 220, 0));
    p.fillPath(past, cool);

    p.setBrush(Qt::NoBrush);
    for (int ring = 1; ring <= 6; ++ring) {
        const double r = 16.0 * ring;
        p.setPen(QPen(QColor(255, 236, 200, 150 - 20 * ring), 1.0));
        p.drawEllipse(event, r, r);
    }

    p.setPen(QPen(QColor(255, 255, 255, 70), 1.0));
    p.drawLine(QPointF(0, event.y()), QPointF(width, event.y()));

    QPen cone(QColor(255, 214, 140), 1.6);
    p.setPen(cone);
    p.drawLine(event + QPointF(-far, -far), event + QPointF(far, far));
    p.drawLine(event + QPointF(far, -far), event + QPointF(-far, far));

    p.setPen(QPen(QColor(235, 240, 255), 2.0));
    p.drawLine(QPointF(event.x(), 0), QPointF(event.x(), height));
    p.setPen(QPen(QColor(255, 70, 70), 2.0));
    p.drawLine(event + QPointF(-0.45 * far, far), event + QPointF(0.45 * far, -far));

    QRadialGradient flash(event, 9);
    flash.setColorAt(0, QColor(255, 255, 255));
    flash.setColorAt(0.4, QColor(255, 240, 200, 220));
    flash.setColorAt(1, QColor(255, 200, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(flash);
    p.drawEllipse(event, 9, 9);
    return image;
}

void PutU8(QByteArray& out, unsigned value) {
    out.append(char(value & 0xFF));
}
void PutU16(QByteArray& out, unsigned value) {
    PutU8(out, value);
    PutU8(out, value >> 8);
}
void PutU32(QByteArray& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

bool Transparent(QRgb pixel) {
    return qAlpha(pixel) < 128;
}

// Rows of a DIB run bottom-up and each is padded to four bytes.
int RowBytes(int width, int bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

// An icon DIB: a header giving twice the height, the colour image, then the 1-bit AND mask that marks what
// shows through. The mask is all a palettised image has for transparency; 32-bit ones carry alpha as well.
QByteArray EncodeDib(const QImage& icon, int bitsPerPixel) {
    const int w = icon.width(), h = icon.height();
    const int colourRow = RowBytes(w, bitsPerPixel), maskRow = RowBytes(w, 1);
    const int paletteSize = bitsPerPixel == 8 ? 256 : 0;

    QByteArray out;
    PutU32(out, 40);
    PutU32(out, w);
    PutU32(out, 2 * h);
    PutU16(out, 1);
    PutU16(out, bitsPerPixel);
    PutU32(out, 0);  // BI_RGB
    PutU32(out, (colourRow + maskRow) * h);
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, paletteSize);
    PutU32(out, 0);

    if (bitsPerPixel == 8) {
        // Masked pixels must be black in the colour image, or Windows would invert the screen behind them.
        QImage opaque = icon.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                if (Transparent(icon.pixel(x, y))) opaque.setPixel(x, y, qRgb(0, 0, 0));
            }
        }
        // Qt keeps the exact colours while there are no more than 256, as in these flat drawings.
        const QImage indexed =
            opaque.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
        const QList<QRgb> palette = indexed.colorTable();
        for (int i = 0; i < paletteSize; ++i) {
            const QRgb c = i < palette.size() ? palette[i] : qRgb(0, 0, 0);
            PutU8(out, qBlue(c));
            PutU8(out, qGreen(c));
            PutU8(out, qRed(c));
            PutU8(out, 0);
        }
        for (int y = h - 1; y >= 0; --y) {
            const uchar* row = indexed.constScanLine(y);
            out.append(reinterpret_cast<const char*>(row), w);
            out.append(QByteArray(colourRow - w, '\0'));
        }
    } else {
        const QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
        for (int y = h - 1; y >= 0; --y) {
            for (int x = 0; x < w; ++x) {
                const QRgb c = argb.pixel(x, y);
                PutU8(out, qBlue(c));
                PutU8(out, qGreen(c));
                PutU8(out, qRed(c));
                PutU8(out, qAlpha(c));
            }
        }
    }

    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < w; ++x) {
            if (Transparent(icon.pixel(x, y))) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

QByteArray EncodePng(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

struct IcoImage {
    QImage image;
    int bitsPerPixel;
    bool png;
};

// An icon directory, one 16-byte entry per image, then the images themselves in the same order.
QByteArray EncodeIco(const std::vector<IcoImage>& images) {
    std::vector<QByteArray> data;
    for (const auto& i : images) {
        data.push_back(i.png ? EncodePng(i.image) : EncodeDib(i.image, i.bitsPerPixel));
    }

    QByteArray out;
    PutU16(out, 0);
    PutU16(out, 1);  // an icon, not a cursor
    PutU16(out, unsigned(images.size()));
    std::uint32_t offset = 6 + 16 * std::uint32_t(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int side = images[i].image.width();
        PutU8(out, side >= 256 ? 0 : side);  // a byte holds no 256, so 0 stands for it
        PutU8(out, side >= 256 ? 0 : side);
        PutU8(out, 0);  // colour count: 0 for 256 colours and more
        PutU8(out, 0);
        PutU16(out, 1);
        PutU16(out, images[i].bitsPerPixel);
        PutU32(out, std::uint32_t(data[i].size()));
        PutU32(out, offset);
        offset += std::uint32_t(data[i].size());
    }
    for (const auto& d : data) out.append(d);
    return out;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool ok = folder.mkpath(".");

    // Qt's own naming: a file named "@2x" is read with a device pixel ratio of 2.
    ok = ok && DrawPicture(1).save(folder.filePath("Pemo2020.jpg"), "JPG", 92);
    ok = ok && DrawPicture(2).save(folder.filePath("Pemo2020@2x.jpg"), "JPG", 92);

    std::map<int, QImage> icons;
    for (const int side : {16, 32, 48, 256}) {
        icons[side] = DrawIcon(side);
        ok = ok && WriteFile(folder.filePath(QString("travik-%1.png").arg(side)), EncodePng(icons[side]));
    }

    // The palettised images serve screens and tools limited to 256 colours; the 32-bit ones have soft edges.
    const std::vector<IcoImage> ico = {
        {icons[48], 8, false},  {icons[32], 8, false},  {icons[16], 8, false},  {icons[256], 32, true},
        {icons[48], 32, false}, {icons[32], 32, false}, {icons[16], 32, false},
    };
    ok = ok && WriteFile(folder.filePath("TravikW.ico"), EncodeIco(ico));

    if (!ok) {
        std::fprintf(stderr, "%s: could not write the artwork into %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
