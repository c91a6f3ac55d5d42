#pragma once

// Only for gui/: how control events reach program code.

#include <QObject>
#include <exception>
#include <utility>

namespace gui::internal {

// Held while a property setter runs: the change event it raises runs inside it, and an error escaping the
// handler goes back to the code that called the setter instead of to the runtime's handling.
class SetterScope {
  public:
    SetterScope();
    ~SetterScope();
    SetterScope(const SetterScope&) = delete;
    SetterScope& operator=(const SetterScope&) = delete;

    // Rethrows the error of a handler that ran inside the setter, if any.
    void Finish();

    // Called from a handler's call site: hands the error to the innermost running setter, if any.
    static bool Take(std::exception_ptr error);

  private:
    std::exception_ptr error_;
    SetterScope* outer_;
};

// Runs program code for an event. An escaping error goes to the setter that raised the event, or, when
// the event came from the user, to the runtime's unhandled-error handling. Nothing unwinds through Qt.
template <class F>
void RaiseEvent(F&& handler) noexcept;

void ReportFromEvent(std::exception_ptr error) noexcept;

template <class F>
void RaiseEvent(F&& handler) noexcept {
    try {
        std::forward<F>(handler)();
    } catch (...) {
        ReportFromEvent(std::current_exception());
    }
}

// Connects a widget's signal to one of the control's events: exactly one slot per event.
template <class Sender, class Signal, class Control, class Event>
void ForwardEvent(Sender& sender, Signal signal, Control& control, Event Control::*event) {
    QObject::connect(&sender, signal, &sender, [&control, event] {
        RaiseEvent([&control, event] {
            if (control.*event) (control.*event)(control);
        });
    });
}

// Runs code that raises a control's change event inside the call, as a property setter does.
template <class F>
void AsSetter(F&& change) {
    SetterScope scope;
    std::forward<F>(change)();
    scope.Finish();
}

}  // namespace gui::internal
