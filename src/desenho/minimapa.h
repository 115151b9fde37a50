// The minimap: the whole scan at 4 km per cell, the main view marked on it.
#ifndef VORLANE_MINIMAPA_H
#define VORLANE_MINIMAPA_H

#include "quadros.h"

void desenhaMinimapa(); // the minimap's frame, without the swap
QuadroGuardado& quadroGuardadoDoMinimapa();
void display_bolacha_minimap();

#endif
