#pragma once

// Settings the window toolkit takes only before the QApplication exists: call this first thing in
// main, before creating it.
void PrepareGuiApplication();
