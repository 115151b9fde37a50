// The arithmetic of drawing polar cells, without GL: the sines and cosines
// of the wedges, which columns of a wedge can show in the window, which
// cells and triangles cover a pixel centre, the one-colour runs of flat
// cells and the grown quad of a one-colour run of smooth cells. The drawer
// only loops over the results and emits vertices.
#ifndef VORLANE_RECORTE_H
#define VORLANE_RECORTE_H

#include <algorithm>
#include <vector>

#include "estado.h"
#include "matriz.h"

// Columns a table of sizeR gates per column holds in a row.
int colunasDaTabela(int sizeR);

// Per azimuth: the flat cell's edges (polar angle -+ 0.5 degree) and the
// azimuth itself, by the same expressions as a single cell's vertices.
struct TabelaDeAngulos {
    double cosBorda[N_AZIMUTES][2], senBorda[N_AZIMUTES][2];
    double cosCentro[N_AZIMUTES], senCentro[N_AZIMUTES];
    TabelaDeAngulos();
};
const TabelaDeAngulos& angulosDasCunhas();

// The window as the cells see it: a cell wholly outside writes no pixel, nor
// does one (or a triangle) that covers no pixel centre.
struct Visivel {
    bool tudo = true; // no culling (a transform other than scale and shift)
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0; // the window in the scan frame, widened
    // Scan frame to window pixels: px = ax * x + bx, py = ay * y + by.
    double ax = 1, bx = 0, ay = 1, by = 0;
    bool pixelExato = false; // positions known well enough to test pixel centres
    // Margin of the pixel-centre tests, in pixels: well beyond the
    // renderer's sub-pixel grid.
    static constexpr double FOLGA = 1.0 / 64;

    // True when the convex quadrilateral px, py (window pixels, in order)
    // covers no pixel centre, with the margin: the renderer would write
    // nothing for it. Small ones are tested centre by centre, larger ones
    // only by their bounding box. Always false without a known pixel grid.
    bool semCentroDePixel(const double (&px)[4], const double (&py)[4]) const;
    // The quadrilateral of gates r0..r1 between directions (c0, s0) and (c1, s1).
    bool semCentroDePixel(double r0, double r1, double c0, double s0, double c1, double s1) const;
    // The corners of gates r0..r1 between directions (c0, s0) and (c1, s1)
    // in window pixels: r0 then r1 along (c0, s0), r1 then r0 along (c1, s1).
    void emPixels(double r0, double r1, double c0, double s0, double c1, double s1, double (&px)[4],
                  double (&py)[4]) const;
    // For the smooth cell with corners 0 (r0, a), 1 (r0, n), 2 (r1, n) and
    // 3 (r1, a): whether its triangles (1, 2, 0) and (2, 3, 0) may each
    // cover a pixel centre.
    void triangulosComCentro(double r0, double r1, double cn, double sn, double ca, double sa, bool& primeiro,
                             bool& segundo) const;
};

// The pixel centres (kx + 0.5, ky + 0.5), kx0 <= kx <= kx1 and ky0 <= ky <=
// ky1, in the bounding box of px, py widened by the margin; false when none.
bool centrosNaCaixa(const double (&px)[4], const double (&py)[4], double& kx0, double& kx1, double& ky0, double& ky1);

// The window widened by `margemPixels` in the scan frame, from the modelview
// and projection matrices (column-major, as GL gives them) and the viewport
// (x, y, width, height).
Visivel janelaNaVarredura(const double (&modelo)[16], const double (&projecao)[16], const int (&viewport)[4],
                          double margemPixels);

// Narrows [inicio, fim), columns of a table of sizeR gates, to those whose
// cells in the wedge counter-clockwise from direction (c0, s0) to (c1, s1)
// (under 180 degrees) can touch the window; false when none can.
bool colunasVisiveis(const Visivel& v, double c0, double s0, double c1, double s1, int sizeR, int& inicio, int& fim);

// The columns [de, ate) of each wedge k of a view (azimuth azimuteInicial +
// k) that can show, within [inicio, fim); empty when none. Smooth wedges
// run from azimuth a to a + 1, flat ones and points span a's cell edges.
struct Colunas {
    int de, ate;
};
std::vector<Colunas> colunasDasCunhas(const Visivel& janela, qualidade q, int sizeR, int azimuteInicial, int azimutes,
                                      int inicio, int fim);

// The flat cells of one ray, columns [inicio, fim), as runs of one colour:
// emite(primeira, ultima, cor) for each run that reaches into the visible
// columns [de, ate), each whole (a run looks the same whatever part of it
// shows). corDaColuna(r, c) gives column r's colour, false for no echo.
template <class Cor, class Emite>
void trechosPlanos(const Cor& corDaColuna, int inicio, int fim, int de, int ate, const Emite& emite) {
    const auto igual = [](const float* a, const float* b) { return a[0] == b[0] && a[1] == b[1] && a[2] == b[2]; };
    int r = de;
    float atual[3];
    bool temCor = r < fim && corDaColuna(r, atual);
    // Back to the start of the run the first visible column belongs to.
    for (float antes[3]; temCor && r > inicio && corDaColuna(r - 1, antes) && igual(antes, atual);) --r;
    while (r < ate) {
        if (!temCor) {
            ++r;
            temCor = r < ate && corDaColuna(r, atual);
            continue;
        }
        // Extend the run while the next cell has the same colour; keep the
        // colour that ended it for the next run.
        int ultimo = r;
        float outra[3];
        bool outraTemCor = false;
        while (ultimo + 1 < fim) {
            outraTemCor = corDaColuna(ultimo + 1, outra);
            if (!outraTemCor || !igual(outra, atual)) break;
            ++ultimo;
            outraTemCor = false;
        }
        emite(r, ultimo, static_cast<const float*>(atual));
        r = ultimo + 1;
        temCor = outraTemCor;
        if (temCor) std::copy(outra, outra + 3, atual);
    }
}

// The quad (scan frame, corners in drawing order) of the smooth cells of
// wedge a (to a + 1), columns [de, ate), grown by FOLGA pixel on every side,
// so that it covers every pixel centre its cells would cover.
void quadDoTrecho(const Visivel& janela, int sizeR, int a, int de, int ate, double (&qx)[4], double (&qy)[4]);

#endif
