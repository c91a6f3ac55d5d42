#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <QStyle>
#include <QStyleFactory>

// A fixture whose tests run under the widget style their parameter names ("Fusion", "Windows"); the
// application's own style comes back afterwards.
template <class Fixture>
class UnderStyle : public Fixture, public ::testing::WithParamInterface<const char*> {
  protected:
    void SetUp() override {
        previous_ = QApplication::style()->name();
        QApplication::setStyle(QStyleFactory::create(this->GetParam()));
        Fixture::SetUp();
    }
    void TearDown() override {
        Fixture::TearDown();
        QApplication::setStyle(QStyleFactory::create(previous_));
    }

  private:
    QString previous_;
};
