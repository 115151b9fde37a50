// The minimap: the whole scan at 4 km per cell with rings and map, and the
// region the main window shows marked in magenta.
#include "minimapa.h"

#include <GL/gl.h>

#include <vector>

#include "aneis.h"
#include "celulas.h"
#include "contornos.h"
#include "estado.h"
#include "quadros.h"
#include "sobreposicao.h"

namespace {

// The disc (cells, rings, map) is drawn from the settings and the site
// besides the scan and the map; the mark on top is drawn afresh every time.
std::vector<unsigned char> chaveDoDisco(const GLint (&viewport)[4]) {
    return chaveDe(grupoAjustes, lugar, viewport, matriz.getGeracao());
}

void marcaDaVista() {
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
                             static_cast<int>(anguloItemp) + ajusteA, abertura);
    }
}

} // namespace

void display_bolacha_minimap() {
    // Flat cells of the 4-km table, whatever the quality and reading size.
    desenhaCelulas(RUIM, 16, 0, N_AZIMUTES, static_cast<int>(matriz.raioMinimo / 16), static_cast<int>(matriz.raioMaximo / 16));
    drawEscala();
    desenhaSobreposicaoDoSitio();
}

namespace {
QuadroGuardado disco; // the disc, drawn again only when its inputs change
} // namespace

QuadroGuardado& quadroGuardadoDoMinimapa() { return disco; }

void desenhaMinimapa() {
    glMatrixMode(GL_MODELVIEW);
    glShadeModel(qualidadeImagem == BOA ? GL_SMOOTH : GL_FLAT);
    GLint v[4];
    glGetIntegerv(GL_VIEWPORT, v);
    const std::vector<unsigned char> chave = chaveDoDisco(v);
    if (!disco.reutiliza(chave.data(), chave.size(), v[2], v[3])) {
        glClearColor(0.6f, 0.6f, 0.6f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        display_bolacha_minimap();
        disco.guarda(chave.data(), chave.size(), v[2], v[3]);
    }
    marcaDaVista();
}
