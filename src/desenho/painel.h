// The side panel: time, date and site of the scan, the settings and the
// colour legend.
#ifndef VORLANE_PAINEL_H
#define VORLANE_PAINEL_H

#include "quadros.h"

void desenhaPainel(); // the panel's frame, without the swap
QuadroGuardado& quadroGuardadoDoPainel();
void drawCores();
void drawQuadradoSuave(float x, float y, float xp, float yp, int cor);
void drawQuadradoReal(float x, float y, float xp, float yp, int cor);

#endif
