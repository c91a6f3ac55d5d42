#include "support/RecordingGraphics.h"

#include "gui/Numbers.h"

using gui::Str;

namespace {

std::string Numbers(std::initializer_list<std::int64_t> values) {
    std::string text;
    for (const auto v : values) text += " " + Str(v);
    return text;
}

}  // namespace

void RecordingGraphics::DrawLine(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) {
    lines.push_back("DrawLine" + Numbers({x1, y1, x2, y2}));
}

void RecordingGraphics::DrawOval(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height) {
    lines.push_back("DrawOval" + Numbers({x, y, width, height}));
}

void RecordingGraphics::FillRect(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height) {
    lines.push_back("FillRect" + Numbers({x, y, width, height}));
}

void RecordingGraphics::DrawString(const std::string& text, std::int64_t x, std::int64_t y,
                                   std::int64_t wrapWidth, bool condense) {
    std::string line = "DrawString \"" + text + "\"" + Numbers({x, y});
    if (wrapWidth != 0 || condense) line += Numbers({wrapWidth}) + (condense ? " condense" : "");
    lines.push_back(line);
}

void RecordingGraphics::DrawingColor(gui::Color color) {
    Graphics::DrawingColor(color);
    lines.push_back("DrawingColor" + Numbers({color.red, color.green, color.blue}));
}

void RecordingGraphics::PenSize(std::int64_t size) {
    Graphics::PenSize(size);
    lines.push_back("PenSize " + Str(size));
}

void RecordingGraphics::FontName(const std::string& name) {
    Graphics::FontName(name);
    lines.push_back("FontName " + name);
}

void RecordingGraphics::FontSize(double size) {
    Graphics::FontSize(size);
    lines.push_back("FontSize " + Str(size));
}

std::vector<std::string> LinesStartingWith(const std::vector<std::string>& lines, const std::string& prefix) {
    std::vector<std::string> found;
    for (const auto& line : lines) {
        if (line.rfind(prefix, 0) == 0) found.push_back(line);
    }
    return found;
}

bool ContainsInOrder(const std::vector<std::string>& lines, const std::vector<std::string>& expected) {
    std::size_t next = 0;
    for (const auto& line : lines) {
        if (next < expected.size() && line == expected[next]) ++next;
    }
    return next == expected.size();
}
