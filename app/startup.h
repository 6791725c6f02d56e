#pragma once

// Program entry: single-instance guard, application object, the seven objects in their order, the
// message loop. Returns the process exit code.
int runProgram(int argc, char **argv);
