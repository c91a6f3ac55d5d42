#pragma once

// Only for gui/ and its tests: the surface that paints through a QPainter.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <QStaticText>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "gui/Clip.h"
#include "gui/Graphics.h"

namespace gui {

// A fill or an outline as the surface was asked for it, with the settings it was drawn under.
struct AreaCall {
    enum class Kind { Fill, Oval } kind;
    std::int64_t x, y, width, height;
    Color color;
    std::int64_t penSize;
    bool operator==(const AreaCall&) const = default;
};

// What a canvas keeps from one paint to the next so that the same drawing costs less, never what its
// drawing looks like beyond the background: texts keep their shaping (glyphs and positions, drawn afresh),
// and the fills and outlines a paint begins with (the background and the unit circles) keep one picture,
// keyed by those very calls and their settings. An entry that the last paint did not use is dropped.
class PaintCache {
  public:
    // The cache that pictures share keeps texts only: a picture is drawn from scratch, and a kept background
    // would be a picture of its drawing.
    explicit PaintCache(bool keepsBackground = true) : keepsBackground_(keepsBackground) {}

    bool KeepsBackground() const { return keepsBackground_; }

    // `fontKey` names the font the text is shaped with.
    const QStaticText& Text(const QFont& font, const QString& fontKey, const QString& text);

    // The picture of `calls` on a surface of `size`. It is drawn when a second paint in a row begins with the
    // same calls, and kept until a paint begins with others; until then there is none, and the caller draws
    // the calls itself: a picture pays for itself only when a paint reuses it.
    const QImage* Background(const std::vector<AreaCall>& calls, const QSize& size);

    // Ends a paint: texts it did not draw are let go.
    void EndPaint();

    std::size_t TextCount() const { return texts_.size(); }

  private:
    struct TextEntry {
        QStaticText text;
        bool used = true;
    };
    bool keepsBackground_;
    std::unordered_map<QString, TextEntry> texts_;
    std::vector<AreaCall> backgroundCalls_;
    QSize backgroundSize_;
    QImage background_;
};

class PainterGraphics : public Graphics {
  public:
    // `bounds` is the visible area in the painter's logical coordinates; lines are clipped to a box a little
    // larger than it before they reach the painter. A canvas hands in its `cache`, a picture the texts-only
    // one; paper is drawn from scratch.
    PainterGraphics(QPainter& painter, const QRectF& bounds, PaintCache* cache = nullptr);
    ~PainterGraphics() override;
    PainterGraphics(const PainterGraphics&) = delete;
    PainterGraphics& operator=(const PainterGraphics&) = delete;

    void DrawLine(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) override;
    void DrawOval(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height) override;
    void FillRect(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height) override;
    void DrawString(const std::string& text, std::int64_t x, std::int64_t y) override;

  protected:
    void SettingChanged(Setting setting) override;

  private:
    void ApplyPen();
    void ApplyFont();
    void DrawArea(const AreaCall& call);
    void EndBackground();

    QPainter& painter_;
    QRectF bounds_;
    ClipBox clip_{};
    PaintCache* cache_;
    // A raster surface in device pixels one to one, as a canvas on the screen and a picture usually are.
    bool wholePixels_;
    QString fontKey_;
    double fontAscent_ = 0;
    // While the paint has drawn nothing but fills and outlines, they wait here to come from the cache.
    bool inBackground_;
    std::vector<AreaCall> background_;
};

QColor ToQColor(Color color);

}  // namespace gui
