// The straightforward drawer the benchmark and the image comparison test
// measure the program against: one immediate-mode polygon per cell, sine and
// cosine per vertex, every cell of the range submitted.
#ifndef VORLANE_BASELINE_H
#define VORLANE_BASELINE_H


// Cells of the full and zoom views for the current settings.
void baselineCelulasDaVarredura();
// Cells of the sector view for the current `pontos` (no-op when empty).
void baselineCelulasDoSetor();
// Cells of the minimap.
void baselineCelulasDoMinimapa();

#endif
