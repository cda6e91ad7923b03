#pragma once
// The one place where a failing command reaches the operator. Every command of
// the editor (menus, toolbar, palette, keys, canvas mouse, the file named on the
// command line, the printer search's completion) runs through runCommand:
// - an OperatorError goes to the application's error box with its text;
// - anything else is a programming error: the recovery copy of the window's
//   template is written, "内部错误" is shown with the details, and the window
//   goes on.
// Nothing a command throws reaches Qt's event loop or std::terminate.
#include <QApplication>
#include <functional>

class QWidget;

// Runs command for the window (nullptr: the active window); true when it ended
// without an exception.
bool runCommand(QWidget* window, const std::function<void()>& command);

// The command as a slot that runs it through runCommand.
inline std::function<void()> guarded(QWidget* window, std::function<void()> command) {
    return [window, command = std::move(command)] { runCommand(window, command); };
}

// The programming-error path of runCommand: the recovery copy of the window's
// template, then the box "内部错误" with the details.
void reportInternalError(QWidget* window, const QString& details);

// The last net of the editor program: an exception that an event handler or a
// slot outside runCommand lets escape is handled as runCommand handles it, for
// the window of the widget that received the event.
class GuardedApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};
