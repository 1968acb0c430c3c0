#pragma once

// Every figure of the catalogue, for the tests that run each calculation.
// Saved inputs choose a figure by its place in the menus, and their file
// names say which figure they were found for.
#include "shell/catalogue.h"

inline const Zyntra::FigureEntries &Figures = Zyntra::figureCatalogue();
