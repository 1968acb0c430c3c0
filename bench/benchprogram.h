#pragma once

#include "shell/mdimain.h"

#include <QString>

class QAction;

// The program past its splash, shared by the window benchmarks.
Zyntra::MDIMain *benchProgram();

// The figure command of the given submenu (0 2D, 1 3D) and index.
QAction *figureItem(int submenu, int index);
// Chooses it.
void chooseFigure(int submenu, int index);

// The process's resident memory in KiB, as /proc/self/statm tells it.
double residentKiB();
