#pragma once

#include <functional>

class QWidget;

// Runs one command of a window. A failure that the command does not handle itself reaches the
// parent as a message box in plain words, and the program goes on: an Error must never leave an
// event handler, where it would end the program and lose the parent's work.
void RunCommand(QWidget* owner, const std::function<void()>& command);
