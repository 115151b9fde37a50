// Palette table and the colour rule of each mode.
#include "cores.h"

#include <cmath>

colorido cores[N_CORES];

namespace {

const colorido PALETA[N_CORES] = {
    {128, 255, 255}, {0, 255, 255}, {0, 209, 213}, {0, 186, 191}, {0, 151, 154},
    {0, 131, 125},   {0, 128, 69},  {0, 137, 56},  {0, 162, 53},  {0, 183, 41},
    {0, 202, 17},    {0, 218, 13},  {0, 245, 7},   {0, 255, 0},   {72, 255, 70},
    {255, 255, 59},  {255, 255, 0}, {255, 240, 0}, {255, 220, 0}, {255, 198, 0},
    {255, 178, 0},   {255, 165, 0}, {255, 138, 0}, {255, 114, 0}, {255, 73, 0},
    {255, 31, 0},    {255, 0, 0},   {193, 0, 0},   {182, 0, 106}, {212, 0, 170},
    {255, 0, 255},   {255, 128, 255}, {255, 255, 255},
};

void emFloats(CorAmostra& cor, double r, double g, double b) {
    cor.emBytes = false;
    cor.f[0] = static_cast<float>(r);
    cor.f[1] = static_cast<float>(g);
    cor.f[2] = static_cast<float>(b);
}

// (1 - w) * entry a + w * entry b, components scaled to 0..1.
void mistura(CorAmostra& cor, int a, int b, double w) {
    const colorido& ca = cores[a];
    const colorido& cb = cores[b];
    emFloats(cor, ((1 - w) * ca.R + w * cb.R) / 255.0, ((1 - w) * ca.G + w * cb.G) / 255.0,
             ((1 - w) * ca.B + w * cb.B) / 255.0);
}

void corMaximo(float v, CorAmostra& cor) {
    if (v >= 65.0f) {
        float t = static_cast<float>((v - 65.0) / 35.0);
        if (t > 1.0f) t = 1.0f;
        mistura(cor, 31, 32, t);
        return;
    }
    const float f = static_cast<float>((v + 12.5) / 2.5);
    const int p = static_cast<int>(f + 0.5);
    const double u = (f - p) / 2.5;
    if (u >= 0) mistura(cor, p, p + 1, u); // p <= 31 here
    else mistura(cor, p - 1, p, 1 + u);
}

void corMinimo(float v, CorAmostra& cor) {
    if (v < 0) emFloats(cor, 0, 1, 1);
    else if (v < 25) emFloats(cor, 0, 1, 0);
    else if (v < 45) emFloats(cor, 1, 1, 0);
    else if (v < 60) emFloats(cor, 1, 0, 0);
    else emFloats(cor, 1, 0, 1);
}

} // namespace

void inciaCores() {
    for (int k = 0; k < N_CORES; ++k) cores[k] = PALETA[k];
}

int indiceMedio(float v) {
    const double k = (v + 12.5) / 2.5 + 0.5;
    return k >= N_CORES - 1 ? N_CORES - 1 : static_cast<int>(k);
}

bool corDoValor(float v, int modo, UsoDaCor uso, CorAmostra& cor) {
    if (modo < COR_MAXIMO || modo > COR_BRILHO) return false;
    if (!(v >= DBZ_MINIMO)) { // also catches NaN
        if (uso == UsoDaCor::MAPA) emFloats(cor, 0.6, 0.6, 0.6);
        else if (modo == COR_BRILHO) emFloats(cor, 0, 0, 0);
        else emFloats(cor, 0, 1, 1);
        return true;
    }
    switch (modo) {
    case COR_MEDIO: {
        const colorido& c = cores[indiceMedio(v)];
        cor.emBytes = true;
        cor.b[0] = c.R;
        cor.b[1] = c.G;
        cor.b[2] = c.B;
        break;
    }
    case COR_MINIMO: corMinimo(v, cor); break;
    case COR_BRILHO: {
        double g = (v + 12.5) / 65.0;
        if (g > 1) g = 1;
        emFloats(cor, g, g, g);
        break;
    }
    default: corMaximo(v, cor); break;
    }
    return true;
}

int entradaDaLegendaMinima(int i) {
    if (i <= 4) return 1;
    if (i <= 14) return 13;
    if (i <= 22) return 16;
    if (i <= 28) return 26;
    return 30;
}

bool corEmFloats(float v, int modo, float cor[3]) {
    CorAmostra c;
    if (!corDoValor(v, modo, UsoDaCor::MAPA, c)) return false;
    for (int k = 0; k < 3; ++k) cor[k] = c.emBytes ? c.b[k] / 255.0f : c.f[k];
    return true;
}
