// The main window's display callback and the scan views: full disc, zoom
// and sector, with the status bar and the hint line.
#include <GL/freeglut.h>

#include <cstring>

#include "cores.h"
#include "geometria.h"
#include "glclass.h"
#include "matriz.h"
#include "quadros.h"

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
    // Full resolution over the sector only, whatever the reading size.
    desenhaCelulas(qualidadeImagem, 1, c.s, c.azimutes(), static_cast<int>(c.rI), static_cast<int>(c.rF) + 1);
    drawEscala();
    desenhaSobreposicaoDoSitio();
    glPopMatrix();
    desenhaSelecaoSeArrastando();
}

namespace {

// Everything the view under the status bar depends on (the scan itself, the
// palette and the map never change after start-up).
struct ChaveDaVista {
    int estado, estadoAnterior, qualidadeImagem, qualidadeR, coresSuave, nivelColorido, unidadeMedidas, lugar;
    float escalaGlobal, xZero, yZero, xIntervalo, yIntervalo;
    int tracking, isLinha, ajusteR, ajusteA, primeiroRaio, primeiroAngulo;
    fig figura;
    float selecaoArrastada[4];
    unsigned pontos[2][2], selecao[3], largura, altura;
};

ChaveDaVista chaveDaVista() {
    ChaveDaVista c;
    std::memset(&c, 0, sizeof c); // padding too: keys are compared as bytes
    c.estado = estado;
    c.estadoAnterior = estadoAnterior;
    c.qualidadeImagem = qualidadeImagem;
    c.qualidadeR = qualidadeR;
    c.coresSuave = coresSuave;
    c.nivelColorido = nivelColorido;
    c.unidadeMedidas = unidadeMedidas;
    c.lugar = lugar;
    c.escalaGlobal = escalaGlobal;
    c.xZero = xZero;
    c.yZero = yZero;
    c.xIntervalo = xIntervalo;
    c.yIntervalo = yIntervalo;
    c.tracking = tracking;
    c.isLinha = isLinha;
    c.ajusteR = ajusteR;
    c.ajusteA = ajusteA;
    c.primeiroRaio = primeiroRaio;
    c.primeiroAngulo = primeiroAngulo;
    c.figura = figure;
    const float arrasto[4] = {xSelecaoInicial, ySelecaoInicial, xSelecaoAtual, ySelecaoAtual};
    std::memcpy(c.selecaoArrastada, arrasto, sizeof arrasto);
    std::memcpy(c.pontos, pontos, sizeof pontos);
    std::memcpy(c.selecao, selecao, sizeof selecao);
    c.largura = width;
    c.altura = height;
    return c;
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
QuadroGuardado quadroPrincipal;
int tipoGuardado = 0;
} // namespace

void invalidaVistaPrincipal() { quadroPrincipal.invalida(); }

void desenhaPrincipal() {
    glMatrixMode(GL_MODELVIEW);
    glShadeModel(qualidadeImagem == BOA ? GL_SMOOTH : GL_FLAT);
    const ChaveDaVista antes = chaveDaVista();
    const int w = static_cast<int>(width), h = static_cast<int>(height);
    if (quadroPrincipal.reutiliza(&antes, sizeof antes, w, h)) {
        tipo_referencia = tipoGuardado;
    } else {
        desenhaVista();
        // Views hold some globals in range while drawing: key the frame by what they left.
        const ChaveDaVista depois = chaveDaVista();
        quadroPrincipal.guarda(&depois, sizeof depois, w, h);
        tipoGuardado = tipo_referencia;
    }
    desenhaBarraDeEstado();
}

namespace {
void trocaPrincipal() { trocaBuffers(quadroPrincipal, static_cast<int>(width), static_cast<int>(height)); }
} // namespace

void desenhaPrincipalNoTamanhoReal() {
    const int w = static_cast<int>(width), h = static_cast<int>(height);
    if (!quadroPrincipal.tamanhoTrocado(w, h)) {
        desenhaPrincipal();
        trocaPrincipal();
    }
    desenhaPrincipal();
}

void display() {
    desenhaPrincipal();
    trocaPrincipal();
    // The minimap always follows the main window.
    if (janela_de_fundo != 0) {
        glutSetWindow(janela_de_fundo);
        glutPostRedisplay();
        glutSetWindow(janelaPrincipal);
    }
}
