// The GL colour lookups: the current GL colour set from a value of the scan.
#ifndef VORLANE_GLAUXILIAR_H
#define VORLANE_GLAUXILIAR_H

// Current GL colour for the sample of row i, column j of the table chosen by
// sizeR (1, 2, 4, other: 16 gates per column). Callers keep i and j in range.
void getNewColor(int sizeR, int i, int j);
// The same on the full table, with the profile line's no-data colours.
void getLineColor(int i, int j);

// Sets the GL colour of a value directly (values outside the table, such as
// gates beyond 1999, pass the never-written code).
void aplicaCorDoValor(float v, bool paraLinha);

#endif
