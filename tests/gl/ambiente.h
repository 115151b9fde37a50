// GL test support: the real main window under the test X server, a known
// scan in `matriz`, and pixel read-back of what a frame draws.
#ifndef VORLANE_TESTES_AMBIENTE_H
#define VORLANE_TESTES_AMBIENTE_H

#include <string>

struct Pixel {
    int r, g, b;
};

// Renders the main window's current view into the back buffer and reads
// the pixel at window column x, row y counted from the top.
Pixel pixelDaJanela(int x, int y);
// Pixel under a view-frame point of a 640 x 640 window.
Pixel pixelDaVista(double xv, double yv);
// The same, for the frame last drawn (no new render).
Pixel pixelLido(int x, int y);
void renderiza();

// True when the two colours differ by at most `tolerancia` per component.
bool cores_proximas(Pixel a, Pixel b, int tolerancia = 2);
std::string texto(Pixel p);

#endif
