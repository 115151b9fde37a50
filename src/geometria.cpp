// Pure rules of the views: angles and gates of points, sector arcs, the
// view of each state, the readout text and the ring labels.
#include "geometria.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "matriz.h"

long modPositivo(long a, long m) {
    const long r = a % m;
    return r < 0 ? r + m : r;
}

int anguloPolarDoAzimute(long a) { return static_cast<int>(modPositivo(450 - modPositivo(a, 360), 360)); }

long arredonda(double v) {
    constexpr double LIMITE = 1e9; // far beyond every table
    const double a = v + 0.5;
    if (!(a < LIMITE)) return static_cast<long>(LIMITE); // also NaN
    if (a < -LIMITE) return -static_cast<long>(LIMITE);
    return static_cast<long>(a);
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

Arco ordenaArco(int a0, int a1) {
    if (modPositivo(a0 - a1, 360) < modPositivo(a1 - a0, 360)) std::swap(a0, a1);
    return {a0, a1, static_cast<int>(modPositivo(a1 - a0, 360))};
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

std::string textoPosicao(float raioKm, unsigned azimute, float intensidade, medidas unidade) {
    char texto[160];
    int n;
    if (unidade == MILHAS)
        n = std::snprintf(texto, sizeof texto, "Raio %5.1f Mi, Azimute %i graus, ", raioKm * 0.621371192,
                          static_cast<int>(azimute));
    else
        n = std::snprintf(texto, sizeof texto, "Raio %5.1f km, Azimute %03i graus, ",
                          static_cast<double>(raioKm), static_cast<int>(azimute));
    std::string linha(texto, static_cast<std::size_t>(std::clamp(n, 0, static_cast<int>(sizeof texto) - 1)));
    if (intensidade < -25.0f) {
        linha += "Refletividade --.- dBZ";
    } else {
        std::snprintf(texto, sizeof texto, "Refletividade %2.1f dBZ", static_cast<double>(intensidade));
        linha += texto;
    }
    return linha;
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
            const double rad = (a / 30) * RADIANOS_POR_30_GRAUS;
            rotulos.push_back({r.texto, static_cast<float>(raio * std::cos(rad)), static_cast<float>(raio * std::sin(rad))});
        }
    };
    if (unidade == MILHAS)
        for (const auto& r : ROTULOS_MILHAS) junta(r);
    else
        for (const auto& r : ROTULOS_KM) junta(r);
    return rotulos;
}

// ------------------------------------------------------------ side panel texts

std::string textoHora(const char* hora, const char* minuto, const char* segundo) {
    return std::string(hora) + ":" + minuto + ":" + segundo;
}

std::string textoData(const char* dia, const char* mes, const char* ano) {
    static const char* const MESES[] = {"---", "JAN", "FEV", "MAR", "ABR", "MAI", "JUN",
                                        "JUL", "AGO", "SET", "OUT", "NOV", "DEZ"};
    std::string texto = dia;
    for (int m = 0; m <= 12; ++m) {
        char campo[3];
        std::snprintf(campo, sizeof campo, "%02d", m);
        if (std::string(mes) == campo) texto = texto + " " + MESES[m] + " ";
    }
    if (std::string(dia) == "00") texto += "00";
    else texto += ano[0] > '5' ? "19" : "20";
    return texto + ano + " BRT";
}

const char* textoLocal(const char* local) {
    switch (lugarDoCodigo(local)) {
    case PPR: return "Local: Presidente Prudente";
    case BRU: return "Local: Bauru";
    default: return "Local: Desconhecido";
    }
}

const char* textoQualidade(qualidade q) {
    switch (q) {
    case BOA: return "Qualidade: Maxima";
    case RUIM: return "Qualidade: Media";
    case PIOR: return "Qualidade: Minima";
    }
    return "";
}

const char* textoUnidades(medidas u) { return u == MILHAS ? "Unidades: Milhas" : "Unidades: Quilometros"; }

const char* textoCores(int modo) {
    static const char* const TEXTOS[] = {"Cores: Maximo", "Cores: 32", "Cores: 5", "Cores: Tons de Cinza"};
    return modo >= 0 && modo <= 3 ? TEXTOS[modo] : "";
}

const char* textoLeitura(int raiosPorCelula) {
    switch (raiosPorCelula) {
    case 1: return "Tamanho da Leitura: 250 m";
    case 2: return "Tamanho da Leitura: 500 m";
    case 4: return "Tamanho da Leitura: 1 km";
    default: return "";
    }
}

std::string textoSinalizado(double v) {
    char texto[64];
    std::snprintf(texto, sizeof texto, "%+5.1f", v);
    return texto;
}

int entradaDaLegendaMinima(int i) {
    if (i <= 4) return 1;
    if (i <= 14) return 13;
    if (i <= 22) return 16;
    if (i <= 28) return 26;
    return 30;
}

// --------------------------------------------------------------- numeric table

std::string textoCabecalhoColuna(int azimute) {
    char texto[16];
    std::snprintf(texto, sizeof texto, "%5i", azimute);
    return texto;
}

std::string textoCabecalhoLinha(long raio, medidas u) {
    char texto[64];
    if (u == MILHAS) std::snprintf(texto, sizeof texto, "%6.2f Mi", raio * 0.15534275);
    else std::snprintf(texto, sizeof texto, "%6.2f km", raio * 0.25);
    return texto;
}

const char* textoCanto(medidas u) { return u == MILHAS ? "Milas\\Az" : "Km\\Az"; }

std::string textoCelula(float v) { return v < -20.0f ? "--.-" : textoSinalizado(v); }

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
