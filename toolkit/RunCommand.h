#pragma once

#include <functional>

class QWidget;

// Runs one command of a window. A failure that the command does not handle itself reaches the
// user as a message box in plain words, and the program goes on: an Error must never leave an
// event handler, where it would end the program and lose the user's work.
void RunCommand(QWidget* owner, const std::function<void()>& command);

// Runs one step of an operation that passes over the steps that fail, such as filling a window:
// a step's Error is dropped and the next step goes on.
void IgnoringErrors(const std::function<void()>& step);

// A window's event handler run as a command, to connect to the event:
//     connect(cmdOK, &QPushButton::clicked, this, Command(this, &frmLink::cmdOK_Click));
template <class Window, class... Args>
auto Command(Window* window, void (Window::*handler)(Args...))
{
    return [window, handler](Args... args) {
        RunCommand(window, [&] { (window->*handler)(args...); });
    };
}
