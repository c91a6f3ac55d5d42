#include "gui/Runtime.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <iostream>

#include "gui/TestHooks.h"
#include "gui/Window.h"
#include "gui/internal/Events.h"
#include "gui/internal/Runtime.h"

namespace gui {

namespace hooks {
std::function<void(const std::string&)> unhandledError;
std::function<void(const std::string&)> showURL;
std::function<void(int)> quit;
std::function<void(const char*)> runtimeStep;
std::function<void(const std::string&)> controlAdded;
}  // namespace hooks

namespace {

thread_local internal::SetterScope* innermostSetter = nullptr;

}  // namespace

void Quit(int code) {
    if (hooks::quit) {
        hooks::quit(code);
        return;
    }
    QCoreApplication::exit(code);
}

void ShowURL(const std::string& address) {
    if (hooks::showURL) {
        hooks::showURL(address);
        return;
    }
    const QString text = QString::fromStdString(address);
    if (QDesktopServices::openUrl(QUrl(text))) return;
    // Nothing on this desktop opens the address: show it where the user can read and copy it. One box,
    // brought forward again at each click, rather than a pile of them.
    static QPointer<QMessageBox> box;
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    if (!box) {
        box = new QMessageBox(QMessageBox::Information, QStringLiteral("Travik Diagram"), QString());
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::NonModal);
        box->setTextFormat(Qt::PlainText);
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    box->setText(QStringLiteral("No program on this computer opens this address:\n\n%1").arg(text));
    box->show();
    box->raise();
    box->activateWindow();
}

void ReportUnhandledError(std::exception_ptr error) {
    const std::string text = DescribeError(error);
    std::cerr << "Travik Diagram: unhandled error: " << text << std::endl;
    if (hooks::unhandledError) {
        hooks::unhandledError(text);
        return;
    }
    // One box at a time: an error that repeats at every paint must not pile up boxes or nest event loops.
    static QPointer<QMessageBox> box;
    if (box || !qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    box = new QMessageBox(QMessageBox::Critical, QStringLiteral("Travik Diagram"),
                          QStringLiteral("An error occurred:\n%1").arg(QString::fromStdString(text)));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

std::string DescribeError(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "an error of unknown kind";
    }
}

namespace internal {

SetterScope::SetterScope() : outer_(innermostSetter) {
    innermostSetter = this;
}

SetterScope::~SetterScope() {
    innermostSetter = outer_;
}

void SetterScope::Finish() {
    innermostSetter = outer_;
    if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
}

bool SetterScope::Take(std::exception_ptr error) {
    if (!innermostSetter || innermostSetter->error_) return false;
    innermostSetter->error_ = error;
    return true;
}

namespace {
Window* defaultView = nullptr;
}  // namespace

void SetDefaultView(Window* window) {
    defaultView = window;
}

void WindowClosed(Window& window) {
    if (&window != defaultView) return;
    defaultView = nullptr;
    // The program ends with its main window, and with it every other window.
    for (Window* open : Window::OpenWindows()) open->Close();
    Quit(0);
}

void ReportFromEvent(std::exception_ptr error) noexcept {
    if (SetterScope::Take(error)) return;
    try {
        ReportUnhandledError(error);
    } catch (...) {
        std::cerr << "Travik Diagram: an error while reporting an error" << std::endl;
    }
}

}  // namespace internal

}  // namespace gui
