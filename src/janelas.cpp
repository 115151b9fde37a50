// GLUT side of the interaction: the callbacks of the main window, the menu
// callbacks, and the creation of the side panel, the minimap and both menus.
#include <GL/freeglut.h>

#include "glclass.h"
#include "interacao.h"
#include "matriz.h"

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

void teclado(unsigned char key, int, int) { pedidos(trataTecla(key)); }

void keyboard(int key, int x, int y) {
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

void criaMenusPrincipais() {
    const int idMenuTiff = glutCreateMenu(menuTiff);
    glutAddMenuEntry("Compressao Maxima (LZW)", 1);
    glutAddMenuEntry("Compressao Media (Packbits)", 2);
    glutAddMenuEntry("Sem Compressao", 3);
    const int idMenuSalvar = glutCreateMenu(menuSalvar);
    glutAddSubMenu("Como Imagem", idMenuTiff);
    glutAddMenuEntry("Como Texto", 1);
    const int idMenuSubGrafico = glutCreateMenu(menuSubGrafico);
    glutAddMenuEntry("Intervalo Angular", 1);
    glutAddMenuEntry("Intervalo Radial", 2);
    const int idMenuSubGraficoSelect = glutCreateMenu(menuSubGraficoSelect);
    glutAddSubMenu("Corte (Grafico)", idMenuSubGrafico);
    glutAddMenuEntry("Setor Circular", 1);
    glutAddMenuEntry("Deslocar Bolacha", 2);
    glutAddMenuEntry("Valores Numericos", 3);
    glutCreateMenu(menuMain);
    glutAddMenuEntry("Ampliar", 1);
    glutAddSubMenu("Visualizar", idMenuSubGraficoSelect);
    glutAddMenuEntry("Voltar", 2);
    glutAddSubMenu("Salvar", idMenuSalvar);
    glutAddMenuEntry("Sair", 3);
    glutAttachMenu(GLUT_RIGHT_BUTTON);
}

namespace {

void criaMenusDoPainel() {
    const int idSubLeituraQualidade = glutCreateMenu(menuSubLeituraQualidade);
    glutAddMenuEntry("250 m (Precisao Maxima, lento)", 1);
    glutAddMenuEntry("500 m (Padrao, Medio)", 2);
    glutAddMenuEntry("1 km (Precisao Minima, rapido)", 3);
    const int idSubCorQuantidade = glutCreateMenu(menuSubCorQuantidade);
    glutAddMenuEntry("M\xE1" "ximo de Cores (Lento, Melhor Precisao)", 1); // Latin-1 a-acute
    glutAddMenuEntry("32 Cores (Padrao, igual IRIS)", 2);
    glutAddMenuEntry("5 Cores (Rapido, igual NEXRAD)", 3);
    glutAddMenuEntry("Brilho (Preto e Branco, Vintage)", 4);
    const int idMenuSubMedidas = glutCreateMenu(menuSubMedidas);
    glutAddMenuEntry("Kilometros", 1);
    glutAddMenuEntry("Milhas", 2);
    const int idMenuSubDadosCores = glutCreateMenu(menuSubDadosCores);
    glutAddMenuEntry("Texto Preto e Fundo Branco", 1);
    glutAddMenuEntry("Texto Branco e Fundo Preto", 2);
    glutAddMenuEntry("Texto Colorido Fundo Preto (Padrao)", 3);
    glutAddMenuEntry("Texto Colorido Fundo Branco", 4);
    const int idMenuSubCores = glutCreateMenu(menuSubCores);
    glutAddMenuEntry("Interpolar Cores (Maior Qualidade, Lento)", 1);
    glutAddMenuEntry("Nao Interpolar (Padrao)", 2);
    glutAddMenuEntry("Pontos Simples (Pior Qualidade, Rapido)", 3);
    glutCreateMenu(menuDados);
    glutAddSubMenu("Fundo e Texto (Graficos e Numeros)", idMenuSubDadosCores);
    glutAddSubMenu("Qualidade do Display", idMenuSubCores);
    glutAddSubMenu("Quantidade de Cores", idSubCorQuantidade);
    glutAddSubMenu("Sistema de Unidades", idMenuSubMedidas);
    glutAddSubMenu("Distancia entre Leituras", idSubLeituraQualidade);
    glutAttachMenu(GLUT_RIGHT_BUTTON);
}

} // namespace

void criaPainelEMinimapa() {
    glutInitWindowSize(160, 640);
    glutInitWindowPosition(32, 32);
    janelaMenu = glutCreateWindow("Menu");
    glutDisplayFunc(displayMenu);
    criaMenusDoPainel();

    glutInitWindowSize(320, 320);
    glutInitWindowPosition(830, 32);
    janela_de_fundo = glutCreateWindow(" Minimap");
    glutDisplayFunc(display_minimap);
}
