#pragma once

// Shows the program's texts, and Qt's own (the buttons of a message box, the colour and file
// dialogs), in the first of the user's languages that the program has a translation for; English,
// the language of its source texts, when that comes first or none matches. Call once the
// QApplication exists, before the first window is made.
void UseSystemLanguage();
