#pragma once

#include "shell/mdimain.h"

#include <QString>

// The program past its splash, shared by the window benchmarks.
Zyntra::MDIMain *benchProgram();

// Chooses the figure command of the given submenu (0 2D, 1 3D) and index.
void chooseFigure(int submenu, int index);

// The process's resident memory in KiB, as /proc/self/statm tells it.
double residentKiB();
