// The main window's display callback and the scan views: full disc, zoom
// and sector, the status bar and the hint line, and the kept frame.
#include "vistas.h"

#include <GL/freeglut.h>

#include <vector>

#include "aneis.h"
#include "celulas.h"
#include "contornos.h"
#include "estado.h"
#include "geometria.h"
#include "grafico.h"
#include "quadros.h"
#include "sobreposicao.h"
#include "tabela.h"
#include "texto.h"
#include "textos.h"

namespace {

const char* const DICA = "Use as teclas direcionais do teclado para mover os dados.";

void retanguloPreto(float x0, float y0, float x1, float y1) {
    glColor3f(0, 0, 0);
    glBegin(GL_POLYGON);
    glVertex2f(x0, y0);
    glVertex2f(x1, y0);
    glVertex2f(x1, y1);
    glVertex2f(x0, y1);
    glEnd();
}

void desenhaBarraDeEstado() {
    if (estado == EXIBE_NUMEROS) {
        aplicaCorDoTexto();
        escreveEm(-0.99f, -0.99f, DICA);
        return;
    }
    const bool grafico = estado == EXIBE_GRAFICO;
    retanguloPreto(-1, -0.95f, grafico ? 1 : -0.12f, -1);
    drawPosition();
    if (grafico) {
        escreveEm(-0.12f, -0.99f, DICA);
    }
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
}

void displayZoom() {
    tipo_referencia = 2;
    glPushMatrix();
    aplicaTransformacaoDaVista();
    desenhaCelulasDaVarredura();
    drawEscala();
    desenhaSobreposicaoDoSitio();
    glPopMatrix();
}

namespace {
// Side of the sector's view box; the sector view draws nothing (not even a
// drag's outline) when both limits share an azimuth or the box has no extent.
float ladoDoCorte() { return yIntervalo >= xIntervalo ? yIntervalo : xIntervalo; }
bool corteVazio() { return setorDoCorte(pontos).vazio || !(ladoDoCorte() > 0); }
} // namespace

void displayCorte() {
    tipo_referencia = 3;
    if (corteVazio()) return;
    const SetorDoCorte c = setorDoCorte(pontos);
    const float lado = ladoDoCorte();
    glPushMatrix();
    escalaGlobal = 2 / lado;
    aplicaTransformacaoDaVista();
    // Full resolution over the sector only, whatever the reading size.
    desenhaCelulas(qualidadeImagem, 1, c.s, c.azimutes(), static_cast<int>(c.rI), static_cast<int>(c.rF) + 1);
    drawEscala();
    desenhaSobreposicaoDoSitio();
    glPopMatrix();
}

namespace {

// Everything the view under the status bar is drawn from: the view, the
// selection and the settings, whole, and the site (the scan, the palette
// and the map never change after start-up). A drag's outline is not part of
// the view: it is drawn over it, so dragging redraws only the outline.
std::vector<unsigned char> chaveDaVista() {
    return chaveDe(grupoVista, grupoSelecao, grupoAjustes, lugar, matriz.getGeracao());
}

// The outline of the selection being dragged, over the scan views.
void desenhaSelecaoSeArrastando() {
    if (!tracking) return;
    switch (vistaDoEstado(estado, estadoAnterior)) {
    case Vista::BOLACHA:
    case Vista::ZOOM: break;
    case Vista::CORTE:
        if (corteVazio()) return;
        break;
    default: return;
    }
    drawSelecao(xSelecaoInicial, ySelecaoInicial, xSelecaoAtual, ySelecaoAtual);
}

void desenhaVista() {
    tipo_referencia = 0;
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
}

} // namespace

namespace {
// The view kept from the last frame and the kind of view it was.
QuadroGuardado quadro;
int tipoGuardado = 0;
} // namespace

QuadroGuardado& quadroGuardadoPrincipal() { return quadro; }

void invalidaVistaPrincipal() { quadro.invalida(); }

void desenhaPrincipal() {
    glMatrixMode(GL_MODELVIEW);
    glShadeModel(qualidadeImagem == BOA ? GL_SMOOTH : GL_FLAT);
    const std::vector<unsigned char> antes = chaveDaVista();
    const int w = static_cast<int>(width), h = static_cast<int>(height);
    if (quadro.reutiliza(antes.data(), antes.size(), w, h)) {
        tipo_referencia = tipoGuardado;
    } else {
        desenhaVista();
        // Views hold some globals in range while drawing: key the frame by what they left.
        const std::vector<unsigned char> depois = chaveDaVista();
        quadro.guarda(depois.data(), depois.size(), w, h);
        tipoGuardado = tipo_referencia;
    }
    desenhaSelecaoSeArrastando();
    desenhaBarraDeEstado();
}
