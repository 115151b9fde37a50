// Outlines: the selection being dragged and the sector's edge.
#ifndef VORLANE_CONTORNOS_H
#define VORLANE_CONTORNOS_H

void drawSelecao(float x0, float y0, float x1, float y1);
// Inner arc of `abertura` degrees counter-clockwise from `inicio`, radial,
// outer arc, radial back (gates, polar degrees), as one closed line.
void desenhaContornoSetor(double raioI, double raioF, int inicio, int abertura);

#endif
