#include "gui/Application.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QMessageBox>
#include <iostream>

#include "gui/Menu.h"
#include "gui/Runtime.h"
#include "gui/TestHooks.h"
#include "gui/Window.h"
#include "gui/internal/ControlImpl.h"
#include "gui/internal/Runtime.h"

namespace gui {

namespace {

// Gives the application its icon, from its resources at every size they hold.
void SetApplicationIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 256}) {
        const QString file = QStringLiteral(":/icons/travik-%1.png").arg(size);
        if (QFile::exists(file)) icon.addFile(file, QSize(size, size));
    }
    if (!icon.isNull()) QApplication::setWindowIcon(icon);
}

// A window system asks for every size of the icon as a window is made, and decoding them held back the
// first window's first paint by several milliseconds. The icon is given once that paint is done and
// everything it left waiting has run; the window shows it a moment later.
class IconAfterFirstPaint final : public QObject {
  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            // Once is enough: the application's events stop passing through here.
            QCoreApplication::instance()->removeEventFilter(this);
            QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::LowEventPriority);
        }
        return false;
    }
    void customEvent(QEvent*) override { SetApplicationIcon(); }
};

struct RuntimeState {
    std::unique_ptr<IconAfterFirstPaint> iconAfterFirstPaint;
    std::unique_ptr<QApplication> ownApplication;
    std::shared_ptr<Application> app;
    int exitCode = 0;
    bool startupFailed = false;
    // QApplication keeps references to argc and argv for its lifetime.
    int argc = 1;
    char* argv[2] = {nullptr, nullptr};
    std::string programName;
};

RuntimeState& State() {
    static RuntimeState state;
    return state;
}

void Step(const char* name) {
    if (hooks::runtimeStep) hooks::runtimeStep(name);
}

}  // namespace

void Application::x_SetVersionData(std::int64_t major, std::int64_t minor, std::int64_t bug,
                                   std::int64_t nonRelease, std::int64_t stageCode, std::string longVersion,
                                   std::string shortVersion, std::string packageInfo) {
    major_ = major;
    minor_ = minor;
    bug_ = bug;
    nonRelease_ = nonRelease;
    stageCode_ = stageCode;
    longVersion_ = std::move(longVersion);
    shortVersion_ = std::move(shortVersion);
    packageInfo_ = std::move(packageInfo);
}

void Application::MenuBar(std::shared_ptr<gui::MenuBar> bar) {
    menuBar_ = std::move(bar);
}

Application* RegisteredApp() {
    return State().app.get();
}

void RuntimeInit(int argc, char** argv) {
    RuntimeState& s = State();
    s.exitCode = 0;
    s.startupFailed = false;
    if (!QCoreApplication::instance()) {
        // Only the program's name goes to Qt: no argument changes what the program does.
        s.programName = argc > 0 && argv && argv[0] ? argv[0] : "TravikDiagram";
        s.argv[0] = s.programName.data();
        s.argc = 1;
        s.ownApplication = std::make_unique<QApplication>(s.argc, s.argv);
    }
    QApplication::setQuitOnLastWindowClosed(false);
    if (!s.iconAfterFirstPaint) {
        s.iconAfterFirstPaint = std::make_unique<IconAfterFirstPaint>();
        QCoreApplication::instance()->installEventFilter(s.iconAfterFirstPaint.get());
    }
    QGuiApplication::setDesktopFileName(QStringLiteral("travik-diagram"));
    Step("RuntimeInit");
}

void RuntimeRegisterAppObject(std::shared_ptr<Application> app) {
    State().app = std::move(app);
    Step("RuntimeRegisterAppObject");
}

void RunFrameworkInitialization(const std::function<void()>& lateStartup) {
    Step("RunFrameworkInitialization");
    const std::size_t before = Window::OpenWindows().size();
    lateStartup();
    const auto open = Window::OpenWindows();
    internal::SetDefaultView(open.size() > before ? open[before] : nullptr);
}

void RuntimeRun() {
    Step("RuntimeRun");
    State().exitCode = QApplication::exec();
}

void UnhandledException(std::exception_ptr error) {
    Step("UnhandledException");
    State().startupFailed = true;
    const std::string text = DescribeError(error);
    std::cerr << "Travik Diagram: the program could not start: " << text << std::endl;
    if (hooks::unhandledError) {
        hooks::unhandledError(text);
        return;
    }
    // No event loop is running yet: the box waits for the user before the program ends.
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QMessageBox::critical(
            nullptr, QStringLiteral("Travik Diagram"),
            QStringLiteral("The program could not start:\n%1").arg(QString::fromStdString(text)));
    }
}

void RuntimePerformFinalizers() {
    Step("RuntimePerformFinalizers");
    internal::SetDefaultView(nullptr);
    internal::DestroyAllWindows();
    ReleaseMenuActions();
    State().app.reset();
}

int RuntimeExit() {
    Step("RuntimeExit");
    RuntimeState& s = State();
    // Qt goes before the process's static objects do: destroyed among them, it would crash on the way out.
    s.iconAfterFirstPaint.reset();
    s.ownApplication.reset();
    return s.startupFailed ? 1 : s.exitCode;
}

}  // namespace gui
