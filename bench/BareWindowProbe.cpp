// The yardstick for start-up: a bare Qt Widgets window of the main window's size, with a menu bar of three
// menus and one plain widget, built with the same compiler and flags as the program.
#include <QMainWindow>
#include <QMenuBar>

#include "FirstPaintProbe.h"

int main(int argc, char** argv) {
    const bench::ProbedApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu("File");
    window.menuBar()->addMenu("Edit");
    window.menuBar()->addMenu("Help");
    window.setCentralWidget(new QWidget);
    window.resize(894, 800);
    window.show();
    return QApplication::exec();
}
