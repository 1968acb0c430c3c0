#pragma once

// Every figure of the catalogue, for the tests that run each calculation.
// Saved inputs choose a figure by its place here, and their file names say
// which figure they were found for: the figures after a menu's separator
// come after all the first ones, so that a figure added there never moves
// the place of one before it.
#include "shell/catalogue.h"

#include <algorithm>

inline const Zyntra::FigureEntries &Figures = []() -> const Zyntra::FigureEntries & {
    static Zyntra::FigureEntries figures = Zyntra::figureCatalogue();
    // Not the ranges form, which clang 14 cannot read in libstdc++ 12.
    std::stable_partition(figures.begin(), figures.end(),
                          [](const Zyntra::FigureEntry *f) { return f->section == Zyntra::MenuSection::First; });
    return figures;
}();
