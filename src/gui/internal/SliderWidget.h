#pragma once

// Only for gui/ and its tests: the slider control's widget.

#include <QImage>
#include <QPointer>
#include <QSlider>
#include <optional>
#include <vector>

namespace gui::internal {

// A slider moves at every step of the time, and Fusion draws it with a margin through which its group box
// shows. Left to Qt, each step would repaint the group box and the window beneath it too. Instead the slider
// draws there itself what they draw, kept from their own drawing: the same pixels for a fraction of the
// cost. What is kept is dropped whenever one of the widgets it came from paints next to the slider, as any
// change of their look makes them do, and when the slider moves or changes its size; then it is drawn afresh.
// The first paint leaves it to the containers still.
//
// Clearing Qt::WA_OpaquePaintEvent leaves what lies beneath to the containers again.
class SliderWidget final : public QSlider {
  public:
    SliderWidget(Qt::Orientation orientation, QWidget* parent);

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect Place(const QWidget& other) const;
    const QImage& Beneath();
    void Forget();

    std::optional<QImage> beneath_;
    // The widgets the kept picture was drawn from.
    std::vector<QPointer<QWidget>> sources_;
    bool drawingBeneath_ = false;
    bool painted_ = false;
};

}  // namespace gui::internal
