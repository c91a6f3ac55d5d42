#pragma once

#include <QEvent>
#include <QObject>
#include <map>

// Counts the paint events widgets receive: real paints, not requests. Installed as a widget's event filter it
// counts that widget's paints; installed on the application, every widget's.
class PaintCounter final : public QObject {
  public:
    int Of(const QObject* widget) const {
        const auto found = paints_.find(widget);
        return found == paints_.end() ? 0 : found->second;
    }
    int All() const {
        int all = 0;
        for (const auto& [widget, paints] : paints_) all += paints;
        return all;
    }
    void Clear() { paints_.clear(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints_[watched];
        return false;
    }

  private:
    std::map<const QObject*, int> paints_;
};
