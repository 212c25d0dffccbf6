#pragma once
// The program's start: each step complete before the next.

// The two file types.
void _InitFileTypes();
// A new application object with the menu bar, registered with the framework. It lives
// until the program ends.
void _NewAppInstance();
// The main window, through its accessor. Its open step waits for the application's.
void _MakeDefaultView();

// File types, application object, command bindings, main window: everything before
// the event loop. Tests start the program through this and fw::OpenApplication().
void StartProgram();
// One copy of the program per data folder: claims the Preferences folder's
// "velqora diary prefs" and the application's folder for this run. When another
// running copy holds them, tells the user it is already running and answers false,
// having touched no file.
bool ClaimDataFolders();
// Quitting on signals and at the session's end, the folders claimed, StartProgram,
// then the event loop until the program quits; the exit code (1 when another copy
// runs).
int _Main();
