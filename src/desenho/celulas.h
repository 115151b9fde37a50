// Polar cells of the scan in the three display qualities: loops that emit
// the vertices the cell rules choose.
#ifndef VORLANE_CELULAS_H
#define VORLANE_CELULAS_H

#include "estado.h"

// Cells of `azimutes` azimuths from `azimuteInicial` (clockwise) and the
// columns [inicio, fim) of the table of sizeR gates per column, in quality q
// (points always read the full table). Draws what the single-cell
// primitives would, faster.
void desenhaCelulas(qualidade q, int sizeR, int azimuteInicial, int azimutes, int inicio, int fim);
// Every cell of the scan's gate range at the current quality (full and zoom views).
void desenhaCelulasDaVarredura();

#endif
