#pragma once

#include <string>
#include <vector>

#include "gui/Graphics.h"

// A surface that writes every call and every setting as one readable line, e.g. "DrawLine 257 342 401 342".
class RecordingGraphics final : public gui::Graphics {
  public:
    void DrawLine(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) override;
    void DrawOval(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height) override;
    void FillRect(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height) override;
    void DrawString(const std::string& text, std::int64_t x, std::int64_t y) override;

    std::vector<std::string> lines;

  protected:
    void SettingChanged(Setting setting) override;
};

// The recorded lines that start with `prefix`, in order.
std::vector<std::string> LinesStartingWith(const std::vector<std::string>& lines, const std::string& prefix);

// True when `expected` occurs in `lines` in this order, other lines allowed in between.
bool ContainsInOrder(const std::vector<std::string>& lines, const std::vector<std::string>& expected);
