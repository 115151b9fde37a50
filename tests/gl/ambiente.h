// GL test support: the real main window under the test X server, a known
// scan in `matriz`, and pixel read-back of what a frame draws.
#ifndef VORLANE_TESTES_AMBIENTE_H
#define VORLANE_TESTES_AMBIENTE_H

#include <string>
#include <vector>

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
// The starting state of the program (reiniciaEstado) with width and height
// kept: they follow the real main window, which a reset does not resize.
void reiniciaMantendoTamanho();
// Loads the test scan (wedges around the four compass points) into `matriz`
// afresh, e.g. after a test has put another scan there.
void carregaVarreduraDeTeste();

// True when the two colours differ by at most `tolerancia` per component.
bool cores_proximas(Pixel a, Pixel b, int tolerancia = 2);
std::string texto(Pixel p);

// The side panel (160 x 640) and the minimap (320 x 320), created once on
// first use; a frame of either is drawn without a swap and read back whole.
struct Quadro {
    int largura = 0, altura = 0;
    std::vector<unsigned char> rgb; // bottom row first, as GL reads it
    Pixel em(int x, int y) const;   // column x, row y from the top; (-1, -1, -1) outside
};
void garantePainelEMinimapa();
Quadro quadroDoPainel();
Quadro quadroDoMinimapa();

#endif
