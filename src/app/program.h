#pragma once
// The program body: from the splash window to the end of the run.
int RunProgram(int argc, char *argv[]);
