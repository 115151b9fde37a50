// Straightforward cell drawing: the reference for speed and for pixels. It
// loops over every cell with the program's single-cell primitives (one
// immediate-mode polygon per cell, sine and cosine per vertex).
#include "baseline.h"

#include <GL/gl.h>

#include "estado.h"
#include "geometria.h"
#include "glauxiliar.h"
#include "matriz.h"
#include "recorte.h"

// ---------------------------------------------------------------- single cells

namespace {

// A vertex `raio` gates from the radar at `radianos` from east, scan frame.
void verticePolar(double raio, double radianos) {
    const Ponto p = pontoPolar(raio, radianos);
    glVertex3f(static_cast<float>(p.x), static_cast<float>(p.y), 0.0f);
}

// Flat cell of azimuth t, column r of the table of sizeR gates per column.
void drawQuadradoSimples(int sizeR, int t, int r) {
    glBegin(GL_POLYGON);
    getNewColor(sizeR, t, r);
    const int d = anguloPolarDoAzimute(t);
    const double a1 = (d - 0.5) * GRAUS_PARA_RADIANOS;
    const double a2 = (d + 0.5) * GRAUS_PARA_RADIANOS;
    const double r0 = static_cast<double>(sizeR) * r;
    const double r1 = static_cast<double>(sizeR) * (r + 1);
    verticePolar(r0, a1);
    verticePolar(r0, a2);
    verticePolar(r1, a2);
    verticePolar(r1, a1);
    glEnd();
}

// Smooth cell between azimuths i and i + 1, each corner in its sample's colour.
void drawQuadrado(int sizeR, int i, int r) {
    const int n = (i + 1) % N_AZIMUTES;
    const double d1 = anguloPolarDoAzimute(i) * GRAUS_PARA_RADIANOS;
    const double d2 = anguloPolarDoAzimute(n) * GRAUS_PARA_RADIANOS;
    // The outermost column has no neighbour outside: its outer corners take its own value.
    const int fora = r + 1 < colunasDaTabela(sizeR) ? r + 1 : r;
    const double r0 = static_cast<double>(sizeR) * r;
    const double r1 = static_cast<double>(sizeR) * (r + 1);
    glBegin(GL_POLYGON);
    getNewColor(sizeR, i, r);
    verticePolar(r0, d1);
    getNewColor(sizeR, n, r);
    verticePolar(r0, d2);
    getNewColor(sizeR, n, fora);
    verticePolar(r1, d2);
    getNewColor(sizeR, i, fora);
    verticePolar(r1, d1);
    glEnd();
}

// Point sample of azimuth a, gate g (inside a GL_POINTS batch).
void desenhaPonto(int a, int g) {
    getNewColor(1, a, g);
    verticePolar(g, anguloPolarDoAzimute(a) * GRAUS_PARA_RADIANOS);
}

} // namespace

// --------------------------------------------------------------- whole views

void baselineCelulasDaVarredura() {
    if (qualidadeImagem == PIOR) {
        glPointSize(escalaGlobal);
        glBegin(GL_POINTS);
        for (int a = 0; a < N_AZIMUTES; ++a)
            for (unsigned g = matriz.raioMinimo; g < matriz.raioMaximo; ++g) desenhaPonto(a, static_cast<int>(g));
        glEnd();
        return;
    }
    const unsigned primeira = matriz.raioMinimo / static_cast<unsigned>(qualidadeR);
    const unsigned ultima = matriz.raioMaximo / static_cast<unsigned>(qualidadeR);
    for (int i = 0; i < N_AZIMUTES; ++i)
        for (unsigned r = primeira; r < ultima; ++r) {
            if (qualidadeImagem == BOA) drawQuadrado(qualidadeR, i, static_cast<int>(r));
            else drawQuadradoSimples(qualidadeR, i, static_cast<int>(r));
        }
}

void baselineCelulasDoSetor() {
    const SetorDoCorte c = setorDoCorte(pontos);
    if (c.vazio) return;
    if (qualidadeImagem == PIOR) {
        glPointSize(escalaGlobal);
        glBegin(GL_POINTS);
    }
    for (int k = 0; k < c.azimutes(); ++k) {
        const int a = (c.s + k) % N_AZIMUTES;
        for (unsigned g = c.rI; g <= c.rF; ++g) {
            if (qualidadeImagem == BOA) drawQuadrado(1, a, static_cast<int>(g));
            else if (qualidadeImagem == RUIM) drawQuadradoSimples(1, a, static_cast<int>(g));
            else desenhaPonto(a, static_cast<int>(g));
        }
    }
    if (qualidadeImagem == PIOR) glEnd();
}

void baselineCelulasDoMinimapa() {
    for (int i = 0; i < N_AZIMUTES; ++i)
        for (unsigned j = matriz.raioMinimo / 16; j < matriz.raioMaximo / 16; ++j)
            drawQuadradoSimples(16, i, static_cast<int>(j));
}
