#pragma once

// Gives this test program a Qt settings home of its own, removed when it ends, so that the file
// dialog's history and the custom colours that tests leave never reach the user's settings. Call
// it first in main, before anything reads settings.
void UseOwnSettingsHome();
