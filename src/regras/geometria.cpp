// Gates and angles of points, sector arcs, the view of each state, the
// rings and their labels, the table's and the profile's bounds.
#include "geometria.h"

#include <algorithm>
#include <cmath>

#include "matriz.h"

Ponto pontoPolar(double raio, double radianos) {
    return {raio * std::cos(radianos) / RAIOS_POR_UNIDADE, raio * std::sin(radianos) / RAIOS_POR_UNIDADE};
}

long raioDaDistancia(double d) { return arredonda(d * RAIOS_POR_UNIDADE); }

long raioDoPonto(float x, float y) { return raioDaDistancia(std::sqrt(static_cast<double>(x) * x + static_cast<double>(y) * y)); }

int anguloPolarDoPonto(float x, float y) {
    // Rounded down after +0.5 on both sides of east: the nearest whole
    // degree, which is the cell drawn there (a cell spans d - 0.5 .. d + 0.5).
    // Truncation toward zero would name the neighbouring cell south of east.
    const double graus = std::floor(std::atan2(y, x) * GRAUS_POR_RADIANO + 0.5);
    return static_cast<int>(modPositivo(static_cast<long>(graus), 360));
}

SetorArrastado setorDoArrasto(float x0, float y0, float x1, float y1) {
    SetorArrastado s;
    s.raioI = static_cast<unsigned>(raioDoPonto(x0, y0));
    s.raioF = static_cast<unsigned>(raioDoPonto(x1, y1));
    s.arco = ordenaArco(anguloPolarDoPonto(x0, y0), anguloPolarDoPonto(x1, y1));
    return s;
}

SetorDoCorte setorDoCorte(const unsigned limites[2][2]) {
    SetorDoCorte c;
    const unsigned ultimo = N_RAIOS - 1;
    c.rI = std::min(std::min(limites[0][1], limites[1][1]), ultimo);
    c.rF = std::min(std::max(limites[0][1], limites[1][1]), ultimo);
    // The sector runs counter-clockwise from the first limit's polar angle to
    // the second's, the shorter way (at exactly 180 degrees, from the first:
    // the half the outline and the view box show), i.e. clockwise in azimuth
    // from the second limit to the first.
    const Arco a = ordenaArco(static_cast<int>(limites[0][0] % 360), static_cast<int>(limites[1][0] % 360));
    c.s = anguloPolarDoAzimute(a.fim);
    c.e = anguloPolarDoAzimute(a.inicio);
    c.vazio = c.s == c.e;
    return c;
}

long limitaAoAlcance(long g, unsigned inicial, unsigned final) {
    if (g < static_cast<long>(inicial)) return inicial;
    if (g > static_cast<long>(final)) return final;
    return g;
}

namespace {

Vista vistaDoAnterior(EstadosPossiveis anterior, bool aceitaBolacha) {
    switch (anterior) {
    case EXIBE_ZOOM:
    case SELECIONA_ZOOM:
    case SELECIONA_CORTE_DE_ZOOM: return Vista::ZOOM;
    case EXIBE_FATIA:
    case SELECIONA_GRAFICO: return Vista::CORTE;
    case ESPERA:
    case SELECIONA_FATIA: return aceitaBolacha ? Vista::BOLACHA : Vista::NENHUMA;
    default: return Vista::NENHUMA;
    }
}

} // namespace

Vista vistaDoEstado(EstadosPossiveis estado, EstadosPossiveis anterior) {
    switch (estado) {
    case ESPERA:
    case SELECIONA_FATIA: return Vista::BOLACHA;
    case EXIBE_ZOOM:
    case SELECIONA_ZOOM:
    case SELECIONA_CORTE_DE_ZOOM: return Vista::ZOOM;
    case SELECIONA_ZOOM_DE_CORTE:
    case EXIBE_FATIA: return Vista::CORTE;
    case SELECIONA_GRAFICO:
    case SELECIONA_NUMEROS: return vistaDoAnterior(anterior, true);
    case SELECIONA_CENTRO: return vistaDoAnterior(anterior, false);
    case EXIBE_GRAFICO: return Vista::RETA;
    case EXIBE_NUMEROS: return Vista::DADOS;
    }
    return Vista::NENHUMA;
}

namespace {

struct RotuloDoAnel {
    const char* texto;
    int raio;        // gates
    int angulos[4];  // multiples of 30 degrees, counter-clockwise from east
};

const RotuloDoAnel ROTULOS_KM[] = {
    {". 100 km", 400, {0, 90, 180, 270}},
    {". 200 km", 800, {30, 150, 210, 330}},
    {". 300 km", 1200, {0, 90, 180, 270}},
    {". 400 km", 1600, {60, 120, 240, 300}},
};
const RotuloDoAnel ROTULOS_MILHAS[] = {
    {". 100 Milhas", 644, {30, 150, 210, 330}},
    {". 200 milhas", 1287, {60, 120, 240, 300}},
    {". 300 milhas", 1931, {0, 90, 180, 270}},
};

constexpr double RADIANOS_POR_30_GRAUS = 0.523598775;
constexpr double RAIOS_POR_100_MILHAS = 643.7376;

} // namespace

std::vector<int> raiosDosAneis(medidas unidade) {
    if (unidade == MILHAS) {
        std::vector<int> r;
        for (int i = 1; i <= 3; ++i) r.push_back(static_cast<int>(i * RAIOS_POR_100_MILHAS + 0.5));
        return r;
    }
    return {400, 800, 1200, 1600, 2000};
}

std::vector<Rotulo> rotulosDosAneis(medidas unidade) {
    std::vector<Rotulo> rotulos;
    auto junta = [&rotulos](const RotuloDoAnel& r) {
        const double raio = r.raio / RAIOS_POR_UNIDADE;
        for (int a : r.angulos) {
            if (a == 0) {
                rotulos.push_back({r.texto, static_cast<float>(raio), 0.0f});
                continue;
            }
            const double rad = (a / 30.0) * RADIANOS_POR_30_GRAUS; // exact: a is a multiple of 30
            rotulos.push_back({r.texto, static_cast<float>(raio * std::cos(rad)), static_cast<float>(raio * std::sin(rad))});
        }
    };
    if (unidade == MILHAS)
        for (const auto& r : ROTULOS_MILHAS) junta(r);
    else
        for (const auto& r : ROTULOS_KM) junta(r);
    return rotulos;
}

// --------------------------------------------------------------- numeric table

long inicioDaTabela(long inicio, unsigned raioInicial, unsigned raioFinal) {
    if (inicio + LINHAS_DA_TABELA - 1 > static_cast<long>(raioFinal)) inicio = static_cast<long>(raioFinal) - (LINHAS_DA_TABELA - 1);
    if (inicio < static_cast<long>(raioInicial)) inicio = raioInicial;
    return inicio;
}

// --------------------------------------------------------------- profile graph

int seguraAjusteRadial(unsigned primeiro, unsigned ultimo, int ajuste, unsigned raioInicial, unsigned raioFinal) {
    if (static_cast<long>(primeiro) + ajuste < static_cast<long>(raioInicial))
        return static_cast<int>(static_cast<long>(raioInicial) - primeiro);
    if (static_cast<long>(ultimo) + ajuste > static_cast<long>(raioFinal))
        return static_cast<int>(static_cast<long>(raioFinal) - ultimo);
    return ajuste;
}

int seguraAjusteAngular(unsigned raio, int ajuste, unsigned raioInicial, unsigned raioFinal) {
    return seguraAjusteRadial(raio, raio, ajuste, raioInicial, raioFinal);
}
