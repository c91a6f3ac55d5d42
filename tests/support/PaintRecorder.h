#pragma once

#include <QFont>
#include <QLineF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPointF>
#include <QSize>
#include <QString>
#include <vector>

// A paint device that draws nothing and keeps what a painter hands its engine: every text run, with where it
// starts on the device and in which font, and every line, on the device.
class PaintRecorder final : public QPaintDevice {
  public:
    struct Run {
        QPointF origin;
        QString text;
        QFont font;
    };

    explicit PaintRecorder(QSize size) : size_(size) {}
    ~PaintRecorder() override = default;

    QPaintEngine* paintEngine() const override { return &engine_; }
    const std::vector<Run>& Runs() const { return engine_.runs; }
    const std::vector<QLineF>& Lines() const { return engine_.lines; }

  protected:
    int metric(PaintDeviceMetric metric) const override;

  private:
    class Engine final : public QPaintEngine {
      public:
        Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPath(const QPainterPath&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawLines(const QLineF* drawn, int count) override;
        void drawTextItem(const QPointF& p, const QTextItem& item) override;
        Type type() const override { return QPaintEngine::User; }

        std::vector<Run> runs;
        std::vector<QLineF> lines;
    };

    QSize size_;
    mutable Engine engine_;
};
