#pragma once

// Only for gui/ and its tests: the surface that paints through a QPainter.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <QStaticText>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "gui/Clip.h"
#include "gui/Graphics.h"
#include "gui/internal/QtColor.h"

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
// drawing looks like beyond the background: the fonts the settings name, texts their shaping in them (glyphs
// and positions, drawn afresh), and the fills and outlines a paint begins with (the background and the unit
// circles) keep one picture, keyed by those very calls and their settings. An entry that the last paint did
// not use is dropped.
class PaintCache {
  public:
    struct TextEntry {
        QStaticText text;
        bool used = true;
    };
    // A font the surface's settings name, with the texts shaped in it.
    struct FontEntry {
        QFont font;
        double ascent = 0;
        std::unordered_map<QString, TextEntry> texts;
        bool used = true;
    };

    // The font named `name` at `pixels` high (0: the application's size) as `make` builds it from the
    // application's font. Building a font costs more than most texts drawn in it; all fonts are let go when
    // the application's font changes.
    FontEntry& Font(const std::string& name, int pixels, const std::function<QFont()>& make);

    const QStaticText& Text(FontEntry& font, const QString& text);

    // The picture of `calls` on a surface of `size`. It is drawn when a second paint in a row begins with the
    // same calls, and kept until a paint begins with others; until then there is none, and the caller draws
    // the calls itself: a picture pays for itself only when a paint reuses it.
    const QImage* Background(const std::vector<AreaCall>& calls, const QSize& size);

    // A paint begins and ends. When the last paint under way ends, texts and fonts that no paint since the
    // last such end drew with are let go: a paint inside another never drops what the outer one holds.
    void BeginPaint() { ++paints_; }
    void EndPaint();

  private:
    int paints_ = 0;
    QFont applicationFont_;
    std::map<std::pair<std::string, int>, FontEntry> fonts_;
    std::vector<AreaCall> backgroundCalls_;
    QSize backgroundSize_;
    QImage background_;
};

class PainterGraphics : public Graphics {
  public:
    // `bounds` is the visible area in the painter's logical coordinates; lines are clipped to a box a little
    // larger than it before they reach the painter. A canvas hands in its `cache`; paper is drawn from
    // scratch.
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
    // A raster surface in device pixels one to one, as a canvas on a screen of one device pixel to the unit.
    bool wholePixels_;
    // Whether this paint clips the painter to the surface, until it ends.
    bool clipsToSurface_;
    // The kept font the settings name, on a surface with a cache.
    PaintCache::FontEntry* font_ = nullptr;
    // While the paint has drawn nothing but fills and outlines, they wait here to come from the cache.
    bool inBackground_;
    std::vector<AreaCall> background_;
};

}  // namespace gui
