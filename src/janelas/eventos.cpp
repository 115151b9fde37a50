// GLUT callbacks of the mouse, the keys and the menus: each turns the event
// into a step of the state machine and asks for the redraws it wants.
#include "eventos.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <string>

#include "estado.h"
#include "interacao.h"
#include "produtos.h"
#include "tempo.h"

namespace {

void redesenhaJanela(int janela) {
    if (janela == 0) return;
    glutSetWindow(janela);
    glutPostRedisplay();
}

// The requested windows: the main window first, then the side panel, which
// stays current.
void pedidos(unsigned quais) {
    if (quais & PRINCIPAL) redesenhaJanela(janelaPrincipal);
    if (quais & PAINEL) redesenhaJanela(janelaMenu);
}

void redesenhaPrincipalEPainel() { pedidos(PRINCIPAL | PAINEL); }

// The settings commands redraw the panel, then the main window, which stays current.
void redesenhaPainelEPrincipal() {
    redesenhaJanela(janelaMenu);
    redesenhaJanela(janelaPrincipal);
}

} // namespace

void mouse(int button, int state, int x, int y) {
    if (state == GLUT_DOWN) paraLaco();
    float xv = 0, yv = 0;
    const bool valido = pixelParaVista(x, y, width, height, mXI, mYI, xv, yv);
    if (button != GLUT_LEFT_BUTTON || !valido || !dentroDoQuadrado(xv, yv)) return;
    if (trataBotaoEsquerdo(state == GLUT_DOWN, xv, yv) & PRINCIPAL) glutPostRedisplay();
}

void mousePosicao(int x, int y) {
    float xv = 0, yv = 0;
    if (!pixelParaVista(x, y, width, height, mXI, mYI, xv, yv) || estado == EXIBE_NUMEROS) return;
    atualizaLeitura(xv, yv);
    redesenhaPrincipalEPainel();
}

void mouseMovimento(int x, int y) {
    int margemX, margemY; // its own copies: the stored margins stay as they are
    float xv = 0, yv = 0;
    if (!pixelParaVista(x, y, width, height, margemX, margemY, xv, yv) || !dentroDoQuadrado(xv, yv)) return;
    xSelecaoAtual = xv;
    ySelecaoAtual = yv;
    if (estado == EXIBE_NUMEROS) return;
    atualizaLeitura(xv, yv);
    glutPostRedisplay();
}

void teclado(unsigned char key, int, int) {
    if (teclaDoTempo(key)) return; // a series: steps, the loop
    paraLaco();
    if (key == 'p') return passaMomentoNaJanela(); // the next moment, on the same view
    pedidos(trataTecla(key));
}

void keyboard(int key, int x, int y) {
    if (teclaEspecialDoTempo(key)) return; // Home, End: the first and last scan
    paraLaco();
    if (key == GLUT_KEY_PAGE_UP || key == GLUT_KEY_PAGE_DOWN) {
        // Another tilt of a volume on the same view; the readout follows it.
        passaElevacaoNaJanela(key == GLUT_KEY_PAGE_UP ? 1 : -1);
        return;
    }
    mousePosicao(x, y);
    trataTeclaEspecial(key);
    redesenhaPrincipalEPainel();
}

void menuMain(int valor) { pedidos(comandoPrincipal(valor)); }

void menuSubGraficoSelect(int valor) { pedidos(comandoVisualizar(valor)); }

void menuSubGrafico(int valor) { pedidos(comandoPerfil(valor)); }

void menuDados(int) {}

void menuSubDadosCores(int valor) {
    ajustaNivelColorido(valor);
    redesenhaPainelEPrincipal();
}

void menuSubCores(int valor) {
    ajustaQualidade(valor);
    redesenhaPainelEPrincipal();
}

void menuSubCorQuantidade(int valor) {
    ajustaQuantidadeDeCores(valor);
    redesenhaPainelEPrincipal();
}

void menuSubMedidas(int valor) {
    ajustaUnidades(valor);
    redesenhaPrincipalEPainel();
}

void menuSubLeituraQualidade(int value) {
    ajustaLeitura(value);
    redesenhaPainelEPrincipal();
}

void menuMapa(int camada) {
    grupoAjustes.camadasDoMapa ^= camada;
    redesenhaPainelEPrincipal();
}
