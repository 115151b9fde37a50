// Polar cells of the scan in the three display qualities.
#include <GL/gl.h>

#include <cmath>

#include "cores.h"
#include "glauxiliar.h"
#include "glclass.h"
#include "matriz.h"

namespace {

// Polar angle in degrees (counter-clockwise from east) of azimuth a.
int anguloPolar(int a) { return ((450 - a) % 360 + 360) % 360; }

void vertice(double raio, double radianos) {
    glVertex3f(static_cast<float>(raio * std::cos(radianos) / RAIOS_POR_UNIDADE),
               static_cast<float>(raio * std::sin(radianos) / RAIOS_POR_UNIDADE), 0.0f);
}

} // namespace

int colunasDaTabela(int sizeR) {
    switch (sizeR) {
    case 1: return N_RAIOS;
    case 2: return N_RAIOS / 2;
    case 4: return N_RAIOS / 4;
    default: return N_RAIOS / 16;
    }
}

void drawQuadradoSimples(int sizeR, int t, int r) {
    glBegin(GL_POLYGON);
    getNewColor(sizeR, t, r);
    const int d = anguloPolar(t);
    const double a1 = (d - 0.5) * GRAUS_PARA_RADIANOS;
    const double a2 = (d + 0.5) * GRAUS_PARA_RADIANOS;
    const double r0 = static_cast<double>(sizeR) * r;
    const double r1 = static_cast<double>(sizeR) * (r + 1);
    vertice(r0, a1);
    vertice(r0, a2);
    vertice(r1, a2);
    vertice(r1, a1);
    glEnd();
}

void drawQuadrado(int sizeR, int i, int r) {
    const int n = (i + 1) % N_AZIMUTES;
    const double d1 = anguloPolar(i) * GRAUS_PARA_RADIANOS;
    const double d2 = anguloPolar(n) * GRAUS_PARA_RADIANOS;
    // The outermost column has no neighbour outside: its outer corners take its own value.
    const int fora = r + 1 < colunasDaTabela(sizeR) ? r + 1 : r;
    const double r0 = static_cast<double>(sizeR) * r;
    const double r1 = static_cast<double>(sizeR) * (r + 1);
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

void drawQuadradoReal(float x, float y, float xp, float yp, int cor) {
    glColor3ub(cores[cor].R, cores[cor].G, cores[cor].B);
    glBegin(GL_POLYGON);
    glVertex3f(x, y, 0.0f);
    glVertex3f(x + xp, y, 0.0f);
    glVertex3f(x + xp, y + yp, 0.0f);
    glVertex3f(x, y + yp, 0.0f);
    glEnd();
}

void desenhaPonto(int a, int g) {
    getNewColor(1, a, g);
    vertice(g, anguloPolar(a) * GRAUS_PARA_RADIANOS);
}

void desenhaCelulasDaVarredura() {
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
