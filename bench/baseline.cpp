// Straightforward cell drawing: the reference for speed and for pixels. It
// loops over every cell with the program's single-cell primitives (one
// immediate-mode polygon per cell, sine and cosine per vertex).
#include "baseline.h"

#include <GL/gl.h>

#include "geometria.h"
#include "matriz.h"

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
