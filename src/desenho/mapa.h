// The built-in map outline of the two known sites.
#ifndef VORLANE_MAPA_H
#define VORLANE_MAPA_H

void drawMapa();

#endif
