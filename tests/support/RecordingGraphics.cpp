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

void RecordingGraphics::DrawString(const std::string& text, std::int64_t x, std::int64_t y) {
    lines.push_back("DrawString \"" + text + "\"" + Numbers({x, y}));
}

void RecordingGraphics::SettingChanged(Setting setting) {
    switch (setting) {
        case Setting::DrawingColor: {
            const gui::Color color = DrawingColor();
            lines.push_back("DrawingColor" + Numbers({color.red, color.green, color.blue}));
            break;
        }
        case Setting::PenSize:
            lines.push_back("PenSize " + Str(PenSize()));
            break;
        case Setting::FontName:
            lines.push_back("FontName " + FontName());
            break;
        case Setting::FontSize:
            lines.push_back("FontSize " + Str(FontSize()));
            break;
    }
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
