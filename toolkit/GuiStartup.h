#pragma once

// Settings the window toolkit takes only before the QApplication exists: call this first thing in
// main, before creating it.
void PrepareGuiApplication();

// The windows are laid out in twips for the 8 pt sans-serif dialog font of their design; where
// that font is missing, the nearest one at hand takes its place, so that every caption fits its
// control. Call this once the QApplication exists, before the first window is made.
void PrepareGuiFonts();
