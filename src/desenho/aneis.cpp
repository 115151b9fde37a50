// Spokes, range-window circles and distance rings with their labels.
#include "aneis.h"

#include <GL/gl.h>

#include <cmath>

#include "estado.h"
#include "geometria.h"
#include "texto.h"

namespace {

constexpr int RAIO_DOS_EIXOS = 3000; // gates: spokes reach 750 km

void circulo(double raio) {
    glBegin(GL_LINE_LOOP);
    for (int a = 0; a < 360; ++a) {
        const double rad = a * GRAUS_PARA_RADIANOS;
        glVertex3f(static_cast<float>(raio / RAIOS_POR_UNIDADE * std::cos(rad)),
                   static_cast<float>(raio / RAIOS_POR_UNIDADE * std::sin(rad)), 0.0f);
    }
    glEnd();
}

void pontoDoEixo(int angulo) {
    const double rad = angulo * GRAUS_PARA_RADIANOS;
    const double r = RAIO_DOS_EIXOS / RAIOS_POR_UNIDADE;
    glVertex3f(static_cast<float>(r * std::cos(rad)), static_cast<float>(r * std::sin(rad)), 0.0f);
}

} // namespace

void drawEscala() {
    glLineWidth(1);
    glColor3f(0.5f, 0.5f, 0.5f);
    glBegin(GL_LINES);
    for (int a = 0; a < 180; a += 30) {
        pontoDoEixo(a);
        pontoDoEixo(a + 180);
    }
    glEnd();

    glColor3f(0.65f, 0.65f, 0.65f);
    circulo(matriz.getRaioInicial());
    circulo(matriz.getRaioFinal());

    glColor3f(0.5f, 0.5f, 0.5f);
    for (int raio : raiosDosAneis(unidadeMedidas)) circulo(raio);

    glColor3f(0.25f, 0.25f, 0.25f);
    for (const Rotulo& r : rotulosDosAneis(unidadeMedidas)) escreveEm(r.x, r.y, r.texto.c_str());
}
