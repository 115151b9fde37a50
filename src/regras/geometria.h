// Pure geometry of the views: gates and angles of points, the arcs of a
// sector, the choice of view by state, the rings and their labels, and the
// bounds of the table and the profile.
#ifndef VORLANE_GEOMETRIA_H
#define VORLANE_GEOMETRIA_H

#include <string>
#include <vector>

#include "angulos.h"
#include "estado.h"

constexpr double RAIOS_POR_UNIDADE = 2000.0; // gates per scan-frame unit

// A scan-frame point.
struct Ponto {
    double x, y;
};
// The point `raio` gates from the radar at `radianos` counter-clockwise from east.
Ponto pontoPolar(double raio, double radianos);

// Gate of a scan-frame distance: trunc(d * 2000 + 0.5), saturated far away.
long raioDaDistancia(double d);
long raioDoPonto(float x, float y);
// Polar angle of a point in 0..359: atan2 in single precision, rounded to the
// nearest whole degree (halves counter-clockwise), the angle of the cell drawn there.
int anguloPolarDoPonto(float x, float y);

// Sector of a drag in the full disc (view points used as scan points).
struct SetorArrastado {
    unsigned raioI, raioF; // gates of the start and current point (not sorted)
    Arco arco;             // polar angles
};
SetorArrastado setorDoArrasto(float x0, float y0, float x1, float y1);

// Azimuths and gates the sector view draws for the limits `pontos`.
struct SetorDoCorte {
    bool vazio;      // both limits share an azimuth: nothing to draw
    int s, e;        // azimuths, clockwise from s through e
    unsigned rI, rF; // gates, both inside the table
    int azimutes() const { return static_cast<int>(modPositivo(e - s, 360)) + 1; }
};
SetorDoCorte setorDoCorte(const unsigned limites[2][2]);

// Gate bounded to the scan's range: below `inicial` becomes `inicial`,
// otherwise above `final` becomes `final`.
long limitaAoAlcance(long g, unsigned inicial, unsigned final);

enum class Vista { NENHUMA, BOLACHA, ZOOM, CORTE, RETA, DADOS };
Vista vistaDoEstado(EstadosPossiveis estado, EstadosPossiveis anterior);

// Distance rings and their labels for a unit system (gates, degrees).
std::vector<int> raiosDosAneis(medidas unidade);
struct Rotulo {
    std::string texto;
    float x, y; // scan frame
};
std::vector<Rotulo> rotulosDosAneis(medidas unidade);

// ---- numeric table
constexpr int LINHAS_DA_TABELA = 30, COLUNAS_DA_TABELA = 14;
// First gate of the table held inside the scan's range (the first row is
// raioInicial when fewer than 30 gates hold data).
long inicioDaTabela(long inicio, unsigned raioInicial, unsigned raioFinal);

// ---- profile graph
// ajusteR after holding a radial profile {first, last} or an angular one at
// gate g inside the scan's range.
int seguraAjusteRadial(unsigned primeiro, unsigned ultimo, int ajuste, unsigned raioInicial, unsigned raioFinal);
int seguraAjusteAngular(unsigned raio, int ajuste, unsigned raioInicial, unsigned raioFinal);

#endif
