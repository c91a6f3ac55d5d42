#include "gui/internal/PainterGraphics.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QString>
#include <algorithm>
#include <cmath>

namespace gui {

namespace {

// Room around the visible area: a line clipped to it still ends beyond the edge, under any pen.
constexpr double kClipMargin = 16;
// Texts whose anchor lies further out than this cannot reach the visible area.
constexpr double kTextReach = 100000;

double ToDouble(std::int64_t v) {
    return static_cast<double>(v);
}

double PenWidth(std::int64_t size) {
    return static_cast<double>(std::clamp<std::int64_t>(size, 1, 1000));
}

QPen PenFor(Color color, double width) {
    return QPen(ToQColor(color), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

// Whether `box` holds a circle whose outline, drawn with a pen of `pen` pixels, passes wholly outside
// `area`: the diagram's outer unit circles enclose the canvas, and drawing them costs without setting a
// pixel.
bool CircleEncloses(const QRectF& box, double pen, const QRectF& area) {
    if (box.width() != box.height()) return false;
    // The outline's pixels lie within a pen and a pixel inside the box's edge.
    const double inner = box.width() / 2 - pen - 2;
    if (inner <= 0) return false;
    const QPointF centre = box.center();
    for (const QPointF corner : {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()}) {
        const QPointF d = corner - centre;
        if (d.x() * d.x() + d.y() * d.y() >= inner * inner) return false;
    }
    return true;
}

}  // namespace

PaintCache::FontEntry& PaintCache::Font(const std::string& name, int pixels,
                                        const std::function<QFont()>& make) {
    const QFont application = QGuiApplication::font();
    if (application != applicationFont_ || application.resolveMask() != applicationFont_.resolveMask()) {
        fonts_.clear();
        applicationFont_ = application;
    }
    auto found = fonts_.find({name, pixels});
    if (found == fonts_.end()) {
        FontEntry entry;
        entry.font = make();
        entry.ascent = QFontMetricsF(entry.font).ascent();
        found = fonts_.emplace(std::pair(name, pixels), std::move(entry)).first;
    }
    found->second.used = true;
    return found->second;
}

const QStaticText& PaintCache::Text(FontEntry& font, const QString& text) {
    auto found = font.texts.find(text);
    if (found == font.texts.end()) {
        QStaticText shaped(text);
        shaped.setTextFormat(Qt::PlainText);
        shaped.setPerformanceHint(QStaticText::AggressiveCaching);
        shaped.prepare(QTransform(), font.font);
        found = font.texts.emplace(text, TextEntry{shaped}).first;
    }
    found->second.used = true;
    return found->second.text;
}

const QImage* PaintCache::Background(const std::vector<AreaCall>& calls, const QSize& size) {
    if (calls != backgroundCalls_ || backgroundSize_ != size) {
        backgroundCalls_ = calls;
        backgroundSize_ = size;
        background_ = QImage();
        return nullptr;
    }
    if (!background_.isNull()) return &background_;
    // A paint that begins by filling the whole surface needs no transparency.
    const AreaCall& first = calls.front();
    const bool opaque =
        first.kind == AreaCall::Kind::Fill &&
        QRectF(ToDouble(first.x), ToDouble(first.y), ToDouble(first.width), ToDouble(first.height))
            .contains(QRectF(QPointF(0, 0), QSizeF(size)));
    background_ = QImage(size, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    background_.fill(Qt::transparent);
    QPainter painter(&background_);
    PainterGraphics g(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    for (const AreaCall& call : calls) {
        g.DrawingColor(call.color);
        g.PenSize(call.penSize);
        if (call.kind == AreaCall::Kind::Fill) {
            g.FillRect(call.x, call.y, call.width, call.height);
        } else {
            g.DrawOval(call.x, call.y, call.width, call.height);
        }
    }
    return &background_;
}

void PaintCache::EndPaint() {
    if (--paints_ > 0) return;
    std::erase_if(fonts_, [](const auto& font) { return !font.second.used; });
    for (auto& [key, font] : fonts_) {
        std::erase_if(font.texts, [](const auto& entry) { return !entry.second.used; });
        for (auto& [text, entry] : font.texts) entry.used = false;
        font.used = false;
    }
}

PainterGraphics::PainterGraphics(QPainter& painter, const QRectF& bounds, PaintCache* cache)
    : painter_(painter),
      bounds_(bounds),
      cache_(cache),
      wholePixels_(painter_.paintEngine() && painter_.paintEngine()->type() == QPaintEngine::Raster &&
                   painter_.transform().isIdentity() && painter_.device() &&
                   painter_.device()->devicePixelRatioF() == 1 && bounds_.topLeft() == QPointF(0, 0) &&
                   bounds_ == QRectF(bounds_.toRect())),
      clipsToSurface_(wholePixels_ && !painter_.hasClipping()) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setBrush(Qt::NoBrush);
    // Qt strokes sloped lines and outlines far faster when the painter is clipped to the surface, and sets
    // the same pixels. A caller's own clip is left as it is.
    if (clipsToSurface_) painter_.setClipRect(bounds_.toRect());
    if (cache_) cache_->BeginPaint();
    ApplyPen();
    ApplyFont();
    // The kept background is a picture in device pixels: only a surface that maps them one to one uses it.
    inBackground_ = cache_ && wholePixels_;
}

PainterGraphics::~PainterGraphics() {
    EndBackground();
    if (clipsToSurface_) painter_.setClipping(false);
    if (cache_) cache_->EndPaint();
}

void PainterGraphics::SettingChanged(Setting setting) {
    if (setting == Setting::FontName || setting == Setting::FontSize) {
        ApplyFont();
    } else {
        ApplyPen();
    }
}

void PainterGraphics::ApplyPen() {
    const double width = PenWidth(PenSize());
    painter_.setPen(PenFor(DrawingColor(), width));
    const double margin = kClipMargin + width;
    clip_ = ClipBox{bounds_.left() - margin, bounds_.top() - margin, bounds_.right() + margin,
                    bounds_.bottom() + margin};
}

void PainterGraphics::ApplyFont() {
    // A size is the font's height in pixels of the surface, on every surface alike: the diagram places its
    // captions for "Arial" 10 about 10 pixels high. No size keeps the application's.
    const int pixels =
        FontSize() > 0 && FontSize() < 10000 ? std::max(1, static_cast<int>(std::lround(FontSize()))) : 0;
    const auto make = [this, pixels] {
        QFont font = QGuiApplication::font();
        if (FontName() != "System" && !FontName().empty()) font.setFamily(QString::fromStdString(FontName()));
        if (pixels > 0) font.setPixelSize(pixels);
        return font;
    };
    if (!cache_) {
        painter_.setFont(make());
        return;
    }
    font_ = &cache_->Font(FontName(), pixels, make);
    painter_.setFont(font_->font);
}

void PainterGraphics::EndBackground() {
    if (!inBackground_) return;
    inBackground_ = false;
    if (background_.empty()) return;
    if (const QImage* picture = cache_->Background(background_, bounds_.size().toSize())) {
        painter_.drawImage(QPointF(0, 0), *picture);
    } else {
        for (const AreaCall& call : background_) {
            painter_.setPen(PenFor(call.color, PenWidth(call.penSize)));
            DrawArea(call);
        }
        ApplyPen();
    }
    background_.clear();
}

void PainterGraphics::DrawLine(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) {
    EndBackground();
    // A pen covers the pixels right of and below the given coordinates, as a whole-pixel surface expects.
    const double width = PenWidth(PenSize());
    // In whole device pixels a level or upright line is the rectangle its square-capped pen covers, and
    // filling that is far cheaper than stroking it; it sets the very same pixels. A line of no length is the
    // square its pen covers on every surface: Qt strokes it as a cap twice as wide as high, and a pixel off
    // with a one-pixel pen.
    const bool point = x1 == x2 && y1 == y2;
    if (point || (wholePixels_ && (x1 == x2 || y1 == y2))) {
        const QRectF covered(ToDouble(std::min(x1, x2)), ToDouble(std::min(y1, y2)),
                             ToDouble(std::max(x1, x2)) - ToDouble(std::min(x1, x2)) + width,
                             ToDouble(std::max(y1, y2)) - ToDouble(std::min(y1, y2)) + width);
        const QRectF visible =
            covered.intersected(QRectF(QPointF(clip_.left, clip_.top), QPointF(clip_.right, clip_.bottom)));
        if (!visible.isEmpty()) painter_.fillRect(visible, painter_.pen().color());
        return;
    }
    const double o = width / 2;
    const auto clipped =
        ClipLine(LineF{ToDouble(x1) + o, ToDouble(y1) + o, ToDouble(x2) + o, ToDouble(y2) + o}, clip_);
    if (!clipped) return;
    painter_.drawLine(QLineF(clipped->x1, clipped->y1, clipped->x2, clipped->y2));
}

void PainterGraphics::DrawOval(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height) {
    DrawArea(AreaCall{AreaCall::Kind::Oval, x, y, width, height, DrawingColor(), PenSize()});
}

void PainterGraphics::FillRect(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height) {
    DrawArea(AreaCall{AreaCall::Kind::Fill, x, y, width, height, DrawingColor(), PenSize()});
}

void PainterGraphics::DrawArea(const AreaCall& call) {
    const QRectF near = bounds_.adjusted(-kClipMargin, -kClipMargin, kClipMargin, kClipMargin);
    const QRectF box(ToDouble(call.x), ToDouble(call.y), ToDouble(call.width), ToDouble(call.height));
    if (call.width <= 0 || call.height <= 0 || !box.intersects(near)) return;
    if (call.kind == AreaCall::Kind::Oval && CircleEncloses(box, PenWidth(call.penSize), near)) return;
    if (inBackground_) {
        background_.push_back(call);
        return;
    }
    if (call.kind == AreaCall::Kind::Fill) {
        painter_.fillRect(box.intersected(near), ToQColor(call.color));
        return;
    }
    // Ellipses far larger than the surface are drawn pixels off and slowly; none of the diagram's are.
    if (box.width() > 1e6 || box.height() > 1e6) return;
    const double o = PenWidth(call.penSize) / 2;
    painter_.drawEllipse(box.adjusted(o, o, -o, -o));
}

void PainterGraphics::DrawString(const std::string& text, std::int64_t x, std::int64_t y) {
    EndBackground();
    const double px = ToDouble(x);
    const double py = ToDouble(y);
    if (px < bounds_.left() - kTextReach || px > bounds_.right() + kTextReach ||
        py < bounds_.top() - kTextReach || py > bounds_.bottom() + kTextReach) {
        return;
    }
    const QString qtext = QString::fromStdString(text);
    // Kept shaping is drawn only where it is known to set the same pixels: in whole device pixels.
    if (!cache_ || !wholePixels_) {
        painter_.drawText(QPointF(px, py), qtext);
        return;
    }
    // A kept text is placed by its top left: its baseline lies one ascent below.
    painter_.drawStaticText(QPointF(px, py - font_->ascent), cache_->Text(*font_, qtext));
}

}  // namespace gui
