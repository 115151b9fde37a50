// Pure geometry and texts of the views: angles, gates, the arc of a sector,
// the choice of view, the readout line and the ring labels. No GL here, so
// every rule can be tested without a display.
#ifndef VORLANE_GEOMETRIA_H
#define VORLANE_GEOMETRIA_H

#include <string>
#include <vector>

#include "glauxiliar.h"
#include "glclass.h"

constexpr double GRAUS_POR_RADIANO = 180 / 3.1415926535;

// Remainder of a by m in 0..m-1 (m > 0).
long modPositivo(long a, long m);

// Azimuth <-> polar angle (both whole degrees 0..359).
int anguloPolarDoAzimute(long a);

// v + 0.5 truncated toward zero, saturated at +-1e9 (NaN counts as far).
long arredonda(double v);
// Gate of a scan-frame distance: trunc(d * 2000 + 0.5), saturated far away.
long raioDaDistancia(double d);
long raioDoPonto(float x, float y);
// Polar angle of a point in 0..359: atan2 in single precision, rounded to the
// nearest whole degree (halves counter-clockwise), the angle of the cell drawn there.
int anguloPolarDoPonto(float x, float y);

// Two angles in order so that the counter-clockwise span from the first to
// the second is the shorter way round (at 180 degrees the given order stays).
struct Arco {
    int inicio, fim;
    int abertura; // (fim - inicio) mod 360, 0..180
};
Arco ordenaArco(int a0, int a1);

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

// The status-bar readout line.
std::string textoPosicao(float raioKm, unsigned azimute, float intensidade, medidas unidade);

// Distance rings and their labels for a unit system (gates, degrees).
std::vector<int> raiosDosAneis(medidas unidade);
struct Rotulo {
    std::string texto;
    float x, y; // scan frame
};
std::vector<Rotulo> rotulosDosAneis(medidas unidade);

// ---- side panel texts
std::string textoHora(const char* hora, const char* minuto, const char* segundo);
// Day, month name, four-digit year and " BRT" ("00 --- 0000 BRT" without a date).
std::string textoData(const char* dia, const char* mes, const char* ano);
const char* textoLocal(const char* local);
const char* textoQualidade(qualidade q);
const char* textoUnidades(medidas u);
const char* textoCores(int modo);
const char* textoLeitura(int raiosPorCelula);
// "%+5.1f" of a value (legend labels, table cells).
std::string textoSinalizado(double v);
// Palette entry of legend row i (0..31) in COR_MINIMO.
int entradaDaLegendaMinima(int i);

// ---- numeric table
constexpr int LINHAS_DA_TABELA = 30, COLUNAS_DA_TABELA = 14;
std::string textoCabecalhoColuna(int azimute);
std::string textoCabecalhoLinha(long raio, medidas u);
const char* textoCanto(medidas u);
std::string textoCelula(float v);
// First gate of the table held inside the scan's range (the first row is
// raioInicial when fewer than 30 gates hold data).
long inicioDaTabela(long inicio, unsigned raioInicial, unsigned raioFinal);

// ---- profile graph
// ajusteR after holding a radial profile {first, last} or an angular one at
// gate g inside the scan's range.
int seguraAjusteRadial(unsigned primeiro, unsigned ultimo, int ajuste, unsigned raioInicial, unsigned raioFinal);
int seguraAjusteAngular(unsigned raio, int ajuste, unsigned raioInicial, unsigned raioFinal);

#endif
