// The minimap: the whole scan at 4 km per cell with rings and map, and the
// region the main window shows marked in magenta.
#include <GL/freeglut.h>

#include "glclass.h"
#include "matriz.h"

void display_bolacha_minimap() {
    for (int i = 0; i < N_AZIMUTES; ++i)
        for (unsigned j = matriz.raioMinimo / 16; j < matriz.raioMaximo / 16; ++j)
            drawQuadradoSimples(16, i, static_cast<int>(j));
    drawEscala();
    desenhaSobreposicaoDoSitio();
}

void desenhaMinimapa() {
    glMatrixMode(GL_MODELVIEW);
    glShadeModel(qualidadeImagem == BOA ? GL_SMOOTH : GL_FLAT);
    glClearColor(0.6f, 0.6f, 0.6f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    display_bolacha_minimap();
    glColor3f(0.93f, 0.15f, 0.93f);
    glLineWidth(1);
    if (tipo_referencia == 2) {
        const float mx = xIntervalo / 2, my = yIntervalo / 2;
        glBegin(GL_LINE_LOOP);
        glVertex2f(xZero + mx, yZero + my);
        glVertex2f(xZero - mx, yZero + my);
        glVertex2f(xZero - mx, yZero - my);
        glVertex2f(xZero + mx, yZero - my);
        glEnd();
    } else if (tipo_referencia == 3) {
        const int abertura = static_cast<int>((anguloFtemp - anguloItemp + 360) % 360);
        desenhaContornoSetor(static_cast<double>(raioItemp) + ajusteR, static_cast<double>(raioFtemp) + ajusteR,
                             static_cast<int>(anguloItemp) + ajusteA, static_cast<int>(anguloFtemp) + ajusteA, abertura);
    }
}

void display_minimap() {
    desenhaMinimapa();
    glutSwapBuffers();
}
