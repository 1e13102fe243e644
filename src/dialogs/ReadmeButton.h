// The README button of both dialogs: enabled when the README of the user's language is
// installed, and opening it with the program the system associates with it.
#pragma once

// Whether the README exists now; asked once when a dialog opens.
bool InstalledReadmeExists();

// The button's click: opens the README when it still exists; a failure is not reported.
void OpenInstalledReadme();
