// gerador: writes a synthetic weather-radar reflectivity scan (one sweep,
// 360 azimuths, 250 m gates) in the viewer's text format to stdout.
//
// Usage:
//   gerador [--semente N] [--primeiro-raio G] [--raios N] [--cheia] [--site XXX] > arquivo.dat
//
//   --semente N        seed of the scene (default 1); same arguments, same bytes
//   --primeiro-raio G  first gate (250 m range cell) written (default 4)
//   --raios N          one past the last gate (default 1800, max 2000);
//                      each azimuth line holds N - G tokens
//   --cheia            worst case: every cell holds a value >= -12.5 dBZ
//   --site XXX         three-letter site code, written in the preamble only
//   --help             prints this help
//   --odim ARQUIVO ... writes an ODIM_H5 polar volume instead (gerador --odim x --help)
//   --nexrad ARQUIVO ...   an Archive II volume; --cfradial ARQUIVO ... a CfRadial one
//
// The scene: ground clutter near the radar, patchy clear-air echo, two or
// three convective cells, a curved squall line with a trailing stratiform
// region and scattered showers, with range-dependent sensitivity and beam
// overshoot. All numbers come from a splitmix64 generator and hashed lattice
// noise; doubles only see +, -, *, / and exact functions (sqrt, floor, fabs,
// frexp), never libm sin/log/pow, and values are printed from integers, so
// the output is identical on every IEEE-754 platform. Build in ISO mode
// (-std=c++17): it keeps GCC from fusing multiply-adds.

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "gerador_cfradial.h"
#include "gerador_nexrad.h"
#include "gerador_odim.h"

#ifdef __clang__
// Fused multiply-add would change the last bits on some targets.
#pragma clang fp contract(off)
#endif

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr double LN10 = 2.30258509299404568402;
constexpr double LN2 = 0.69314718055994530942;
constexpr double KM_POR_RAIO = 0.25;
constexpr int MAX_RAIOS = 2000;
constexpr double SEM_ECO = -1000.0;  // "no contribution" marker

// ---------------------------------------------------------------- numbers

uint64_t mistura(uint64_t z) {
    z += 0x9e3779b97f4a7c15ULL;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

// splitmix64 stream for the scene layout.
struct Gerador {
    uint64_t estado;
    explicit Gerador(uint64_t semente) : estado(semente) {}
    uint64_t proximo() {
        estado += 0x9e3779b97f4a7c15ULL;
        return mistura(estado);
    }
    double uniforme() { return static_cast<double>(proximo() >> 11) * 0x1p-53; }
    double faixa(double a, double b) { return a + (b - a) * uniforme(); }
};

// Uniform [0,1) from a hash of integer coordinates.
double hash01(uint64_t chave, int64_t i, int64_t j) {
    uint64_t h = mistura(chave + static_cast<uint64_t>(i) * 0xd1b54a32d192ed03ULL +
                         static_cast<uint64_t>(j) * 0xaef17502108ef2d9ULL);
    return static_cast<double>(h >> 11) * 0x1p-53;
}

// sin by Taylor series after reduction to [-pi/2, pi/2].
double seno(double x) {
    double k = std::floor(x / (2.0 * PI) + 0.5);
    x = x - k * (2.0 * PI);
    if (x > PI / 2.0) x = PI - x;
    else if (x < -PI / 2.0) x = -PI - x;
    double x2 = x * x, termo = x, soma = x;
    for (int n = 1; n <= 13; ++n) {
        termo = termo * (-x2 / static_cast<double>((2 * n) * (2 * n + 1)));
        soma = soma + termo;
    }
    return soma;
}

double cosseno(double x) { return seno(x + PI / 2.0); }

// Natural log via frexp and the atanh series.
double logaritmo(double x) {
    int e = 0;
    double m = std::frexp(x, &e);
    if (m < 0.70710678118654752) { m = m * 2.0; e -= 1; }
    double t = (m - 1.0) / (m + 1.0), t2 = t * t, termo = t, soma = t;
    for (int n = 3; n <= 31; n += 2) {
        termo = termo * t2;
        soma = soma + termo / n;
    }
    return 2.0 * soma + e * LN2;
}

double log10d(double x) { return logaritmo(x) / LN10; }

// Absolute difference of two angles in radians, 0..pi.
double diferenca_angulo(double a, double b) {
    double d = a - b;
    d = d - (2.0 * PI) * std::floor(d / (2.0 * PI) + 0.5);
    return std::fabs(d);
}

double limita(double v, double a, double b) { return v < a ? a : (v > b ? b : v); }

// 0 below a, 1 above b, smooth in between.
double degrau(double a, double b, double x) {
    double t = limita((x - a) / (b - a), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

// ------------------------------------------------------------------ noise

// Value noise on a unit lattice, result in [-1, 1].
double ruido(double x, double y, uint64_t chave) {
    double fx0 = std::floor(x), fy0 = std::floor(y);
    int64_t ix = static_cast<int64_t>(fx0), iy = static_cast<int64_t>(fy0);
    double fx = x - fx0, fy = y - fy0;
    double sx = fx * fx * fx * (fx * (fx * 6.0 - 15.0) + 10.0);
    double sy = fy * fy * fy * (fy * (fy * 6.0 - 15.0) + 10.0);
    double v00 = hash01(chave, ix, iy), v10 = hash01(chave, ix + 1, iy);
    double v01 = hash01(chave, ix, iy + 1), v11 = hash01(chave, ix + 1, iy + 1);
    double a = v00 + (v10 - v00) * sx;
    double b = v01 + (v11 - v01) * sx;
    return 2.0 * (a + (b - a) * sy) - 1.0;
}

// Octave sum of value noise; escala is the largest feature size in km.
double fbm(double x, double y, double escala, int oitavas, uint64_t chave) {
    double f = 1.0 / escala, amp = 1.0, soma = 0.0, norma = 0.0;
    // Rotate and shift each octave so the lattice axes do not show.
    const double c = 0.79863551004729283, sn = 0.60181502315204827;  // 37 degrees
    double px = x, py = y;
    for (int o = 0; o < oitavas; ++o) {
        uint64_t chave_o = chave + static_cast<uint64_t>(0x51 * (o + 1));
        soma = soma + amp * ruido(px * f + 17.31 * o, py * f - 9.77 * o, chave_o);
        norma = norma + amp;
        double nx = px * c - py * sn;
        py = px * sn + py * c;
        px = nx;
        f = f * 2.0;
        amp = amp * 0.5;
    }
    return soma / norma;
}

// ------------------------------------------------------------------ scene

struct Celula {          // convective cell: a few cores inside a warped ellipse
    double cx, cy;       // centre, km
    double ux, uy;       // unit vector of the long axis
    double semi_a, semi_b;
    double pico;         // core dBZ
    double nucleos[3][3];  // sub-core offset along the axis, across, peak drop
    double bigorna_dx, bigorna_dy;  // anvil offset, km
};

struct Linha {           // squall line: arc of a circle moving along (mx, my)
    double ccx, ccy;     // centre of curvature
    double raio;         // arc radius, km
    double mx, my;       // motion direction (line is ahead, stratiform behind)
    double meio_compr;   // half length along the arc, km
    double fundo;        // typical depth of the stratiform region, km
};

struct Cena {
    uint64_t chave;
    std::vector<Celula> celulas;
    Linha linha;
    double ceu_dx, ceu_dy;  // offset of clear-air pattern
    double area_x, area_y;  // centre of the broad stratiform area
    double area_raio;       // its typical half width, km
    double area_ux, area_uy;  // its long axis (twice the width)
};

Cena monta_cena(uint64_t semente) {
    Cena c;
    c.chave = mistura(semente ^ 0x766f726c616e65ULL);
    Gerador g(c.chave);

    // Squall line: midpoint 130-200 km away, bowing toward the radar.
    double rumo = g.faixa(0.0, 2.0 * PI);
    double dist = g.faixa(130.0, 190.0);
    double mx0 = seno(rumo) * dist, my0 = cosseno(rumo) * dist;
    double giro = rumo + PI + g.faixa(-0.5, 0.5);
    Linha& l = c.linha;
    l.mx = seno(giro);
    l.my = cosseno(giro);
    l.raio = g.faixa(220.0, 380.0);
    l.ccx = mx0 - l.raio * l.mx;
    l.ccy = my0 - l.raio * l.my;
    l.meio_compr = g.faixa(140.0, 190.0);
    l.fundo = g.faixa(80.0, 110.0);

    // Broad stratiform rain, to one side of the line, elongated.
    double lado = rumo + (g.proximo() % 2 ? 1.0 : -1.0) * g.faixa(1.4, 1.9);
    double da = g.faixa(190.0, 250.0);
    c.area_x = seno(lado) * da;
    c.area_y = cosseno(lado) * da;
    c.area_raio = g.faixa(75.0, 105.0);
    double eixo_area = g.faixa(0.0, PI);
    c.area_ux = seno(eixo_area);
    c.area_uy = cosseno(eixo_area);

    // Cells on the other side of the radar from the line, away from the
    // stratiform area and from each other; the first one close.
    int n = 2 + static_cast<int>(g.proximo() % 2);
    std::vector<double> rumos;
    for (int i = 0; i < n; ++i) {
        Celula ce;
        double ang = 0.0;
        for (int tentativa = 0; tentativa < 50; ++tentativa) {
            ang = rumo + PI + g.faixa(-1.4, 1.4);
            bool ok = diferenca_angulo(ang, lado) > 0.9;
            for (double outro : rumos) ok = ok && diferenca_angulo(ang, outro) > 0.45;
            if (ok) break;
        }
        rumos.push_back(ang);
        double d = (i == 0) ? g.faixa(45.0, 75.0) : g.faixa(90.0, 190.0);
        ce.cx = seno(ang) * d;
        ce.cy = cosseno(ang) * d;
        double eixo = g.faixa(0.0, PI);
        ce.ux = seno(eixo);
        ce.uy = cosseno(eixo);
        ce.semi_a = g.faixa(18.0, 28.0);
        ce.semi_b = ce.semi_a * g.faixa(0.35, 0.6);
        ce.pico = g.faixa(59.0, 65.0);
        for (auto& nu : ce.nucleos) {
            nu[0] = g.faixa(-0.45, 0.45);
            nu[1] = g.faixa(-0.3, 0.3);
            nu[2] = g.faixa(0.0, 9.0);
        }
        ce.nucleos[0][2] = 0.0;  // the main core reaches the peak
        ce.bigorna_dx = ce.ux * ce.semi_a * g.faixa(0.8, 1.6);
        ce.bigorna_dy = ce.uy * ce.semi_a * g.faixa(0.8, 1.6);
        c.celulas.push_back(ce);
    }
    c.ceu_dx = g.faixa(-500.0, 500.0);
    c.ceu_dy = g.faixa(-500.0, 500.0);
    return c;
}

// Beam height above the radar (km), 0.3 deg elevation, 4/3 earth radius.
double altura_feixe(double r) { return r * 0.0052359638314196 + r * r / (2.0 * 8494.0); }

// dBZ lost when the beam passes above an echo of top height topo (km).
double perda_topo(double h, double topo, double taxa) {
    return h > topo ? (h - topo) * taxa : 0.0;
}

double valor_celula(const Celula& ce, double x, double y, double wx, double wy, uint64_t chave) {
    double dx = x + wx - ce.cx, dy = y + wy - ce.cy;
    double lim = ce.semi_a * 3.5;
    if (dx * dx + dy * dy > lim * lim) return SEM_ECO;
    double u = dx * ce.ux + dy * ce.uy;    // along the axis
    double v = -dx * ce.uy + dy * ce.ux;   // across
    double melhor = SEM_ECO;
    for (const auto& nu : ce.nucleos) {
        double du = (u - nu[0] * ce.semi_a) / (ce.semi_a * 0.3);
        double dv = (v - nu[1] * ce.semi_b) / (ce.semi_b * 0.45);
        double rr = std::sqrt(du * du + dv * dv);
        double val = ce.pico - nu[2] - 8.0 * rr - 7.0 * rr * rr;
        if (val > melhor) melhor = val;
    }
    // Anvil / forward flank: broad weak shield downwind of the cores.
    double ax = dx - ce.bigorna_dx, ay = dy - ce.bigorna_dy;
    double au = (ax * ce.ux + ay * ce.uy) / (ce.semi_a * 1.6);
    double av = (-ax * ce.uy + ay * ce.ux) / (ce.semi_b * 1.5);
    double ar = au * au + av * av + 0.6 * fbm(x, y, 12.0, 3, chave + 5);
    double bigorna = 24.0 + 6.0 * fbm(x, y, 9.0, 3, chave + 7) - 22.0 * ar;
    if (bigorna > melhor) melhor = bigorna;
    return melhor;
}

double valor_linha(const Linha& l, double x, double y, double wx, double wy, uint64_t chave) {
    double px = x + wx - l.ccx, py = y + wy - l.ccy;
    double d = std::sqrt(px * px + py * py);
    if (d < 1e-6) return SEM_ECO;
    double frente = (px * l.mx + py * l.my) / d;
    if (frente <= 0.0) return SEM_ECO;
    double atras = l.raio - d;                               // km behind the leading edge
    double s = l.raio * (px * l.my - py * l.mx) / d;         // km along the line
    double as = std::fabs(s);
    if (as > l.meio_compr + 40.0) return SEM_ECO;
    if (atras < -25.0 || atras > l.fundo + 60.0) return SEM_ECO;

    // Convective leading band, strength varies along the line.
    double forca = 44.0 + 18.0 * fbm(s, 0.0, 18.0, 4, chave + 11);
    double t = (atras - 6.0) / (6.0 + 3.0 * fbm(s, 7.0, 30.0, 2, chave + 12));
    double conv = forca - (t < 0.0 ? 12.0 * t * t : 5.0 * t * t);
    // Trailing stratiform region with a weaker transition zone in front.
    double fundo = l.fundo * (1.0 + 0.35 * fbm(s, 3.0, 40.0, 3, chave + 13));
    double estrat = 28.0 + 7.0 * fbm(x, y, 18.0, 3, chave + 17);
    estrat = estrat - 9.0 * (1.0 - degrau(8.0, 30.0, atras)) - 35.0 * degrau(fundo - 20.0, fundo + 15.0, atras);
    double val = conv > estrat ? conv : estrat;
    // Fade the ends of the line.
    double fim = degrau(l.meio_compr - 50.0, l.meio_compr + 30.0, as);
    return val - 45.0 * fim;
}

// Broad stratiform rain with a ragged edge.
double valor_area(const Cena& c, double x, double y) {
    double dx = x - c.area_x, dy = y - c.area_y;
    double u = (dx * c.area_ux + dy * c.area_uy) / (2.0 * c.area_raio);
    double v = (-dx * c.area_uy + dy * c.area_ux) / c.area_raio;
    double d2 = u * u + v * v;
    if (d2 > 5.0) return SEM_ECO;
    double borda = std::sqrt(d2) + 0.8 * fbm(x, y, 50.0, 4, c.chave + 19);
    if (borda > 1.3) return SEM_ECO;
    return 25.0 + 7.0 * fbm(x, y, 20.0, 3, c.chave + 21) - 40.0 * degrau(0.55, 1.2, borda);
}

// Scattered showers, clustered by a large-scale mask.
double valor_pancadas(double x, double y, uint64_t chave) {
    double mascara = fbm(x, y, 120.0, 2, chave + 23) + 0.12;
    if (mascara < 0.0) return SEM_ECO;
    double f = fbm(x, y, 14.0, 4, chave + 29);
    double limiar = 0.42 - 0.45 * mascara;
    if (f < limiar - 0.15) return SEM_ECO;
    return limita(16.0 + 70.0 * (f - limiar), 0.0, 50.0);
}

// Weak boundary-layer echo near the radar.
double valor_ceu(const Cena& c, double x, double y, double r, int az, int g) {
    if (r > 110.0) return SEM_ECO;
    double m = fbm(x + c.ceu_dx, y + c.ceu_dy, 22.0, 3, c.chave + 31);
    if (m < -0.2) return SEM_ECO;
    if (hash01(c.chave + 101, az, g) < 0.15) return SEM_ECO;
    double f = fbm(x, y, 6.0, 4, c.chave + 37);
    double v = -3.0 + 14.0 * f + 14.0 * m - r * 0.09 + 8.0 * (hash01(c.chave + 103, az, g) - 0.5);
    // Most of the weakest echo stays undetected, leaving only sparse grey speckle.
    if (v < -12.5 && hash01(c.chave + 107, az, g) < 0.8) return SEM_ECO;
    return v;
}

// Ground clutter: patchy, speckled strong echo in the first ~20 km plus a few hills.
double valor_solo(double x, double y, double r, int az, int g, uint64_t chave) {
    if (r > 45.0) return SEM_ECO;
    double f = fbm(x, y, 2.0, 3, chave + 41);
    double limiar = -0.1 + 0.03 * r;
    double morro = fbm(x, y, 30.0, 2, chave + 43);   // hills farther out
    if (r > 15.0 && morro > 0.35) limiar = limiar - 0.55 * (morro - 0.35) * 4.0;
    if (f < limiar) return SEM_ECO;
    if (hash01(chave + 47, az, g) < 0.3) return SEM_ECO;   // speckle
    return limita(20.0 + 60.0 * (f - limiar) + 14.0 * hash01(chave + 53, az, g), 0.0, 52.0);
}

struct Opcoes {
    uint64_t semente = 1;
    int primeiro = 4;
    int raios = 1800;
    bool cheia = false;
    std::string site = "BRU";
};

// Appends a dBZ value rounded to 0.5 as "12.5", "-3.0" or "0.0".
void escreve_valor(std::string& saida, double v) {
    long meios = static_cast<long>(std::floor(v * 2.0 + 0.5));
    if (meios < 0) {
        saida += '-';
        meios = -meios;
    }
    saida += std::to_string(meios / 2);
    saida += (meios % 2) ? ".5" : ".0";
}

// The scene's dBZ at every azimuth (0..359) and gate [primeiro, raios),
// azimuth after azimuth; SEM_ECO where the radar sees nothing.
std::vector<double> valores_da_cena(const Opcoes& op) {
    Cena cena = monta_cena(op.semente);
    const uint64_t k = cena.chave;
    const int n = op.raios - op.primeiro;

    // Per-gate tables: detection threshold and beam height.
    std::vector<double> minimo, altura;
    for (int g = 0; g < MAX_RAIOS; ++g) {
        double r = (g + 0.5) * KM_POR_RAIO;
        minimo.push_back(-41.0 + 20.0 * log10d(r));
        altura.push_back(altura_feixe(r));
    }

    std::vector<double> valores;
    valores.reserve(static_cast<size_t>(360) * static_cast<size_t>(n));
    for (int az = 0; az < 360; ++az) {
        double rad = az * (PI / 180.0);
        double sa = seno(rad), ca = cosseno(rad);
        for (int g = op.primeiro; g < op.raios; ++g) {
            double r = g * KM_POR_RAIO;
            double x = r * sa, y = r * ca;
            const double h = altura[static_cast<size_t>(g)];
            const double minimo_g = minimo[static_cast<size_t>(g)];
            // Shared warp gives all precipitation irregular edges.
            double wx = 9.0 * fbm(x, y, 30.0, 3, k + 61) + 4.0 * fbm(x, y, 6.0, 2, k + 62);
            double wy = 9.0 * fbm(x, y, 30.0, 3, k + 67) + 4.0 * fbm(x, y, 6.0, 2, k + 68);

            double chuva = SEM_ECO;
            for (const auto& ce : cena.celulas) {
                double v = valor_celula(ce, x, y, wx, wy, k);
                if (v > SEM_ECO) v = v - perda_topo(h, 7.0, 2.5);
                if (v > chuva) chuva = v;
            }
            double v = valor_linha(cena.linha, x, y, wx, wy, k);
            if (v > SEM_ECO) v = v - perda_topo(h, 3.0, 2.5);
            if (v > chuva) chuva = v;
            v = valor_area(cena, x + wx, y + wy);
            if (v > SEM_ECO) v = v - perda_topo(h, 3.5, 2.5);
            if (v > chuva) chuva = v;
            v = valor_pancadas(x + wx, y + wy, k);
            if (v > SEM_ECO) v = v - perda_topo(h, 2.5, 3.0);
            if (v > chuva) chuva = v;
            if (chuva > SEM_ECO) chuva = chuva + 9.0 * fbm(x, y, 4.0, 3, k + 71);  // fine texture

            double val = chuva;
            v = valor_ceu(cena, x, y, r, az, g);
            if (v > val) val = v;
            v = valor_solo(x, y, r, az, g, k);
            if (v > val) val = v;

            // Gate-to-gate fluctuation (triangular, +-2 dBZ).
            double ruido_porta = 2.0 * (hash01(k + 73, az, g) + hash01(k + 79, az, g) - 1.0);
            if (val > SEM_ECO) val = val + ruido_porta;

            if (op.cheia) {
                double fundo = -12.5 + 10.0 * (fbm(x, y, 40.0, 3, k + 83) + 1.0);
                if (val < fundo) val = fundo;
                val = limita(val, -12.5, 65.0);
            } else {
                // Occasional false detections just above the noise floor.
                double limiar = minimo_g + ruido_porta;
                if (val < limiar) {
                    double p = hash01(k + 89, az, g);
                    if (r < 60.0 && p < 0.10 - r * 0.0015)
                        val = minimo_g + 6.0 * hash01(k + 97, az, g);
                    else
                        val = SEM_ECO;
                }
                if (val > SEM_ECO) val = limita(val, -31.5, 65.0);
            }

            valores.push_back(val);
        }
    }
    return valores;
}

std::string gera(const Opcoes& op) {
    const std::vector<double> valores = valores_da_cena(op);
    const int n = op.raios - op.primeiro;
    std::string s;
    s.reserve(static_cast<size_t>(360) * (static_cast<size_t>(n) * 5 + 32) + 256);
    s += "Radar " + op.site + " (sintetico) refletividade dBZ, elevacao 0.3 graus, 360 azimutes\n";
    s += "gerado por tools/gerador, semente " + std::to_string(op.semente) + ", raios " +
         std::to_string(op.primeiro) + " a " + std::to_string(op.raios - 1) + " x 250 m" +
         (op.cheia ? ", cheia" : "") + "\n";
    for (int az = 0; az < 360; ++az) {
        s += "# Az: " + std::to_string(az) + " graus elev 0.3\n";
        for (int g = 0; g < n; ++g) {
            const double val = valores[static_cast<size_t>(az) * static_cast<size_t>(n) + static_cast<size_t>(g)];
            if (g > 0) s += ' ';
            if (val <= SEM_ECO) s += "--.-";
            else escreve_valor(s, val);
        }
        s += '\n';
    }
    return s;
}

void ajuda(FILE* f) {
    std::fputs(
        "Uso: gerador [--semente N] [--primeiro-raio G] [--raios N] [--cheia] [--site XXX] > arquivo.dat\n"
        "Gera uma varredura sintetica de radar (360 azimutes, celulas de 250 m) na saida padrao.\n"
        "  --semente N        semente da cena (padrao 1); mesma entrada, mesma saida\n"
        "  --primeiro-raio G  primeiro raio (celula de 250 m) escrito (padrao 4)\n"
        "  --raios N          um alem do ultimo raio (padrao 1800, maximo 2000);\n"
        "                     cada azimute tem N - G valores\n"
        "  --cheia            pior caso: todas as celulas com valor >= -12.5 dBZ\n"
        "  --site XXX         codigo de tres letras do radar, so no cabecalho (padrao BRU)\n"
        "  --help             mostra esta ajuda\n"
        "  --odim ARQUIVO     grava um volume ODIM_H5 (veja gerador --odim x --help)\n"
        "  --nexrad ARQUIVO   grava um volume NEXRAD Archive II (veja gerador --nexrad x --help)\n"
        "  --cfradial ARQUIVO grava um volume CfRadial 1.x (veja gerador --cfradial x --help)\n",
        f);
}

bool le_inteiro(const char* txt, uint64_t maximo, uint64_t& out) {
    if (!txt || !*txt || *txt < '0' || *txt > '9') return false;
    errno = 0;
    char* fim = nullptr;
    unsigned long long v = std::strtoull(txt, &fim, 10);
    if (errno != 0 || *fim != '\0' || v > maximo) return false;
    out = v;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Opcoes op;
    for (int i = 1; i < argc; ++i)
        if (!std::strcmp(argv[i], "--odim") || !std::strcmp(argv[i], "--nexrad") || !std::strcmp(argv[i], "--cfradial")) {
            for (int j = 1; j + 1 < argc; ++j) {
                uint64_t v = 0;
                if (!std::strcmp(argv[j], "--semente") && le_inteiro(argv[j + 1], UINT64_MAX, v)) op.semente = v;
            }
            for (int j = 1; j < argc; ++j) op.cheia = op.cheia || !std::strcmp(argv[j], "--cheia");
            op.primeiro = 0;
            op.raios = MAX_RAIOS;
            const auto cena = [&op] { return valores_da_cena(op); };
            if (!std::strcmp(argv[i], "--nexrad")) return principalNexrad(argc, argv, cena);
            if (!std::strcmp(argv[i], "--cfradial")) return principalCfRadial(argc, argv, cena);
            return principalOdim(argc, argv, cena);
        }
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        const char* prox = (i + 1 < argc) ? argv[i + 1] : nullptr;
        uint64_t v = 0;
        if (!std::strcmp(a, "--help") || !std::strcmp(a, "-h")) {
            ajuda(stdout);
            return 0;
        } else if (!std::strcmp(a, "--cheia")) {
            op.cheia = true;
        } else if (!std::strcmp(a, "--semente")) {
            if (!le_inteiro(prox, UINT64_MAX, v)) {
                std::fprintf(stderr, "gerador: --semente precisa de um inteiro nao negativo\n");
                return 2;
            }
            op.semente = v;
            ++i;
        } else if (!std::strcmp(a, "--primeiro-raio")) {
            if (!le_inteiro(prox, MAX_RAIOS - 1, v)) {
                std::fprintf(stderr, "gerador: --primeiro-raio precisa de um inteiro de 0 a %d\n", MAX_RAIOS - 1);
                return 2;
            }
            op.primeiro = static_cast<int>(v);
            ++i;
        } else if (!std::strcmp(a, "--raios")) {
            if (!le_inteiro(prox, MAX_RAIOS, v) || v == 0) {
                std::fprintf(stderr, "gerador: --raios precisa de um inteiro de 1 a %d\n", MAX_RAIOS);
                return 2;
            }
            op.raios = static_cast<int>(v);
            ++i;
        } else if (!std::strcmp(a, "--site")) {
            bool ok = prox && std::strlen(prox) == 3;
            for (int j = 0; ok && j < 3; ++j) {
                char c = prox[j];
                ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
            }
            if (!ok) {
                std::fprintf(stderr, "gerador: --site precisa de um codigo de tres letras\n");
                return 2;
            }
            op.site.clear();
            for (int j = 0; j < 3; ++j) {
                char c = prox[j];
                op.site += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
            }
            ++i;
        } else {
            std::fprintf(stderr, "gerador: opcao desconhecida: %s\n", a);
            ajuda(stderr);
            return 2;
        }
    }
    if (op.primeiro >= op.raios) {
        std::fprintf(stderr, "gerador: --primeiro-raio (%d) precisa ser menor que --raios (%d)\n", op.primeiro,
                     op.raios);
        return 2;
    }

    std::string s = gera(op);
    if (std::fwrite(s.data(), 1, s.size(), stdout) != s.size() || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "gerador: erro ao escrever a saida\n");
        return 1;
    }
    return 0;
}
