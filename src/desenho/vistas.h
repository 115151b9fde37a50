// The main window's views: the full disc, the zoom and the sector (the
// profile graph and the table have rooms of their own), and its kept frame.
#ifndef VORLANE_VISTAS_H
#define VORLANE_VISTAS_H

#include "quadros.h"

// Draws the current view into the back buffer without swapping, so tests can
// read what the user sees.
void desenhaPrincipal();
// The next desenhaPrincipal draws the view anew instead of reusing the last one.
void invalidaVistaPrincipal();
// The main window's kept frame (the window side records its swaps there).
QuadroGuardado& quadroGuardadoPrincipal();
void displayBolacha();
void displayZoom();
void displayCorte();
// Puts the view transform (scale about the centre xZero, yZero) on the modelview.
void aplicaTransformacaoDaVista();

#endif
