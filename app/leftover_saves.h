#pragma once
// What saves interrupted in an earlier run (the program killed, the machine off) left
// beside the program's files.

// Removes the temporaries of interrupted saves from the program's data folders: the
// application's folder and its notes folder, and the notes and preferences folders in
// the Preferences folder. Only while this run holds the folders, before anything saves.
void RemoveLeftoverSaves();
