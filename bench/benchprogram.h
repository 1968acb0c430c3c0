#pragma once

#include "shell/mdimain.h"

#include <QString>

#include <benchmark/benchmark.h>

class QAction;

// The program past its splash, shared by the window benchmarks.
Zyntra::MDIMain *benchProgram();

// The menu item of the catalogue's n-th figure, counted from the first 2D
// item on through the 3D ones.
QAction *figureItem(int n);
// Chooses it.
void chooseFigure(int n);
// Runs a benchmark for every figure of the catalogue: its place as the
// first argument, and 0 and then 1 as the second.
void forEachFigure(benchmark::internal::Benchmark *benchmark);

// The process's resident memory in KiB, as /proc/self/statm tells it.
double residentKiB();
