// Straightforward cell drawing: the reference for speed and for pixels.
#include "baseline.h"

#include <GL/gl.h>

#include <cmath>

#include "geometria.h"
#include "glauxiliar.h"
#include "matriz.h"

namespace {

int anguloPolar(int a) { return ((450 - a) % 360 + 360) % 360; }

void vertice(double raio, double radianos) {
    glVertex3f(static_cast<float>(raio * std::cos(radianos) / RAIOS_POR_UNIDADE),
               static_cast<float>(raio * std::sin(radianos) / RAIOS_POR_UNIDADE), 0.0f);
}

void simples(int sizeR, int t, int r) {
    glBegin(GL_POLYGON);
    getNewColor(sizeR, t, r);
    const int d = anguloPolar(t);
    const double a1 = (d - 0.5) * GRAUS_PARA_RADIANOS, a2 = (d + 0.5) * GRAUS_PARA_RADIANOS;
    const double r0 = static_cast<double>(sizeR) * r, r1 = static_cast<double>(sizeR) * (r + 1);
    vertice(r0, a1);
    vertice(r0, a2);
    vertice(r1, a2);
    vertice(r1, a1);
    glEnd();
}

void suave(int sizeR, int i, int r) {
    const int n = (i + 1) % N_AZIMUTES;
    const double d1 = anguloPolar(i) * GRAUS_PARA_RADIANOS, d2 = anguloPolar(n) * GRAUS_PARA_RADIANOS;
    const int fora = r + 1 < colunasDaTabela(sizeR) ? r + 1 : r;
    const double r0 = static_cast<double>(sizeR) * r, r1 = static_cast<double>(sizeR) * (r + 1);
    glBegin(GL_POLYGON);
    getNewColor(sizeR, i, r);
    vertice(r0, d1);
    getNewColor(sizeR, n, r);
    vertice(r0, d2);
    getNewColor(sizeR, n, fora);
    vertice(r1, d2);
    getNewColor(sizeR, i, fora);
    vertice(r1, d1);
    glEnd();
}

void ponto(int a, int g) {
    getNewColor(1, a, g);
    vertice(g, anguloPolar(a) * GRAUS_PARA_RADIANOS);
}

} // namespace

void baselineCelulasDaVarredura() {
    if (qualidadeImagem == PIOR) {
        glPointSize(escalaGlobal);
        glBegin(GL_POINTS);
        for (int a = 0; a < N_AZIMUTES; ++a)
            for (unsigned g = matriz.raioMinimo; g < matriz.raioMaximo; ++g) ponto(a, static_cast<int>(g));
        glEnd();
        return;
    }
    const unsigned primeira = matriz.raioMinimo / static_cast<unsigned>(qualidadeR);
    const unsigned ultima = matriz.raioMaximo / static_cast<unsigned>(qualidadeR);
    for (int i = 0; i < N_AZIMUTES; ++i)
        for (unsigned r = primeira; r < ultima; ++r) {
            if (qualidadeImagem == BOA) suave(qualidadeR, i, static_cast<int>(r));
            else simples(qualidadeR, i, static_cast<int>(r));
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
            if (qualidadeImagem == BOA) suave(1, a, static_cast<int>(g));
            else if (qualidadeImagem == RUIM) simples(1, a, static_cast<int>(g));
            else ponto(a, static_cast<int>(g));
        }
    }
    if (qualidadeImagem == PIOR) glEnd();
}

void baselineCelulasDoMinimapa() {
    for (int i = 0; i < N_AZIMUTES; ++i)
        for (unsigned j = matriz.raioMinimo / 16; j < matriz.raioMaximo / 16; ++j) simples(16, i, static_cast<int>(j));
}
