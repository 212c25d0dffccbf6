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
// StartProgram, then the event loop until the program quits; the exit code.
int _Main();
