// The main window's display callback and the scan views: full disc, zoom
// and sector, with the status bar and the hint line.
#include <GL/freeglut.h>

#include "geometria.h"
#include "glclass.h"
#include "matriz.h"

namespace {

const char* const DICA = "Use as teclas direcionais do teclado para mover os dados.";

void desenhaSelecaoSeArrastando() {
    if (tracking) drawSelecao(xSelecaoInicial, ySelecaoInicial, xSelecaoAtual, ySelecaoAtual);
}

void retanguloPreto(float x0, float y0, float x1, float y1) {
    glColor3f(0, 0, 0);
    glBegin(GL_POLYGON);
    glVertex2f(x0, y0);
    glVertex2f(x1, y0);
    glVertex2f(x1, y1);
    glVertex2f(x0, y1);
    glEnd();
}

bool fundoEscuro() { return nivelColorido == BRANCO_E_PRETO || nivelColorido == COLORIDO_E_PRETO; }

void desenhaBarraDeEstado() {
    if (estado == EXIBE_NUMEROS) {
        if (fundoEscuro()) glColor3f(1, 1, 1);
        else glColor3f(0, 0, 0);
        glRasterPos2f(-0.99f, -0.99f);
        drawString(DICA, 0);
        return;
    }
    const bool grafico = estado == EXIBE_GRAFICO;
    retanguloPreto(-1, -0.95f, grafico ? 1 : -0.12f, -1);
    drawPosition();
    if (grafico) {
        glRasterPos2f(-0.12f, -0.99f);
        drawString(DICA, 0);
    }
}

// Cells of the sector at full resolution, azimuths clockwise from s through e.
void celulasDoSetor(const SetorDoCorte& c) {
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

} // namespace

void aplicaTransformacaoDaVista() {
    glTranslatef(-escalaGlobal * xZero, -escalaGlobal * yZero, 0);
    glScalef(escalaGlobal, escalaGlobal, 1);
}

void displayBolacha() {
    desenhaCelulasDaVarredura();
    drawEscala();
    desenhaSobreposicaoDoSitio();
    desenhaSelecaoSeArrastando();
}

void displayZoom() {
    tipo_referencia = 2;
    glPushMatrix();
    aplicaTransformacaoDaVista();
    desenhaCelulasDaVarredura();
    drawEscala();
    desenhaSobreposicaoDoSitio();
    glPopMatrix();
    desenhaSelecaoSeArrastando();
}

void displayCorte() {
    tipo_referencia = 3;
    const SetorDoCorte c = setorDoCorte(pontos);
    const float lado = yIntervalo >= xIntervalo ? yIntervalo : xIntervalo;
    // Same azimuth, or a box without extent: nothing to fit into the window.
    if (c.vazio || !(lado > 0)) return;
    glPushMatrix();
    escalaGlobal = 2 / lado;
    aplicaTransformacaoDaVista();
    celulasDoSetor(c);
    drawEscala();
    desenhaSobreposicaoDoSitio();
    glPopMatrix();
    desenhaSelecaoSeArrastando();
}

void desenhaPrincipal() {
    tipo_referencia = 0;
    glMatrixMode(GL_MODELVIEW);
    glShadeModel(qualidadeImagem == BOA ? GL_SMOOTH : GL_FLAT);
    glClearColor(0.6f, 0.6f, 0.6f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    switch (vistaDoEstado(estado, estadoAnterior)) {
    case Vista::BOLACHA: displayBolacha(); break;
    case Vista::ZOOM: displayZoom(); break;
    case Vista::CORTE: displayCorte(); break;
    case Vista::RETA: displayReta(); break;
    case Vista::DADOS: displayDados(); break;
    case Vista::NENHUMA: break;
    }
    desenhaBarraDeEstado();
}

void display() {
    desenhaPrincipal();
    glutSwapBuffers();
    // The minimap always follows the main window.
    if (janela_de_fundo != 0) {
        glutSetWindow(janela_de_fundo);
        glutPostRedisplay();
        glutSetWindow(janelaPrincipal);
    }
}
