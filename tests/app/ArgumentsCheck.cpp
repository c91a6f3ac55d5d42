// The whole program started with arguments that Qt itself would act on: none may change what it does.
// Exits 0 when the running program is the same as without them.
#include <QGuiApplication>
#include <QTimer>
#include <cstdio>
#include <string_view>

#include "app/Startup.h"
#include "gui/Runtime.h"
#include "gui/TestHooks.h"
#include "gui/Window.h"
#include "window/Window1.h"

int main() {
    char name[] = "TravikDiagram";
    char reverse[] = "-reverse";
    char style[] = "-style=Windows";
    char title[] = "-qwindowtitle";
    char other[] = "other";
    char file[] = "/tmp/diagram.txt";
    char* argv[] = {name, reverse, style, title, other, file, nullptr};

    bool checked = false;
    gui::hooks::runtimeStep = [&](const char* step) {
        if (std::string_view(step) != "RuntimeRun") return;
        QTimer::singleShot(0, [&] {
            const bool same =
                QGuiApplication::layoutDirection() == Qt::LeftToRight &&
                QGuiApplication::arguments().size() == 1 && Window1().Title() == "Travik Diagram" &&
                gui::Window::OpenWindows().size() == 1 && Window1().EditField2().Text() == "0.6";
            checked = true;
            if (!same) std::fprintf(stderr, "the arguments changed the program\n");
            gui::Quit(same ? 0 : 3);
        });
    };
    const int code = Startup::Run(6, argv);
    return checked ? code : 4;
}
