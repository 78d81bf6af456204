#pragma once
// Registers every window and report class of the program by its name, so
// OpenWindow and PrintReport can create them.
void RegisterAllWindows();
