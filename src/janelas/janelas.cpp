// The GLUT side: start-up, the three windows, their display and reshape
// callbacks, and the swaps that tell the kept frames their buffers' size.
#include "janelas.h"

#include <GL/freeglut.h>
#include <X11/Xlib.h>
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "estado.h"
#include "eventos.h"
#include "glclass.h"
#include "quadros.h"

// -------------------------------------------------------------------- start-up

void preparaAlocador() {
    // The software renderer allocates and frees its per-frame buffers on every
    // redraw. Left to the defaults, the C library hands that memory back to
    // the system and faults it in again on the next frame, which made redraw
    // times swing by up to two times. Keeping it costs no more at the peak.
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_TOP_PAD, 64 << 20);
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
}

bool iniciaGlut(const char* programa) {
    // Without a display GLUT would end the program with a message of its
    // own; say it in one line of ours, with the same status.
    Display* tela = XOpenDisplay(nullptr);
    if (tela == nullptr) {
        const char* nome = std::getenv("DISPLAY");
        std::fprintf(stderr, "vorlane: nao foi possivel abrir o display '%s': o visualizador precisa de uma sessao grafica\n",
                     nome ? nome : "");
        return false;
    }
    XCloseDisplay(tela);
    // GLUT gets a made-up command line: the program's own arguments keep
    // their meaning and GLUT never sees them.
    std::string nome = programa;
    char* argumentos[] = {nome.data(), nullptr};
    int contagem = 1;
    glutInit(&contagem, argumentos);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    return true;
}

// --------------------------------------------------------------------- windows

void criaJanelaPrincipal() {
    glutInitWindowSize(640, 640);
    glutInitWindowPosition(195, 32);
    janelaPrincipal = glutCreateWindow("VORLANE");
    glutDisplayFunc(display);
    glutReshapeFunc(resize);
    glutMouseFunc(mouse);
    glutMotionFunc(mouseMovimento);
    glutPassiveMotionFunc(mousePosicao);
    glutKeyboardFunc(teclado);
    glutSpecialFunc(keyboard);
}

void criaPainel() {
    glutInitWindowSize(160, 640);
    glutInitWindowPosition(32, 32);
    janelaMenu = glutCreateWindow("Menu");
    glutDisplayFunc(displayMenu);
}

void criaMinimapa() {
    glutInitWindowSize(320, 320);
    glutInitWindowPosition(830, 32);
    janela_de_fundo = glutCreateWindow(" Minimap");
    glutDisplayFunc(display_minimap);
}

void resize(int w, int h) {
    width = static_cast<unsigned>(w);
    height = static_cast<unsigned>(h);
    // A collapsed side counts as one pixel, so the ratios stay finite.
    if (h <= 0) h = 1;
    if (w <= 0) w = 1;
    glViewport(0, 0, w, h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (w > h) {
        const double razao = static_cast<double>(w) / h;
        glOrtho(-razao, razao, -1, 1, -1, 1);
    } else {
        const double razao = static_cast<double>(h) / w;
        glOrtho(-1, 1, -razao, razao, -1, 1);
    }
    glMatrixMode(GL_MODELVIEW);
}

// ------------------------------------------------------------- swaps and display

namespace {

// Swaps the current window's buffers and records the size for its kept
// frame; after the first swap at a new size the window is redrawn once
// more, as that first frame may have gone into buffers of the old size.
void trocaBuffers(QuadroGuardado& quadro, int w, int h) {
    const bool novoTamanho = !quadro.tamanhoTrocado(w, h);
    glutSwapBuffers();
    quadro.trocou(w, h);
    if (novoTamanho && w > 0 && h > 0) glutPostRedisplay();
}

void trocaPrincipal() { trocaBuffers(quadroGuardadoPrincipal(), static_cast<int>(width), static_cast<int>(height)); }

// The current window's size as its viewport has it.
void trocaPelaVista(QuadroGuardado& quadro) {
    GLint v[4];
    glGetIntegerv(GL_VIEWPORT, v);
    trocaBuffers(quadro, v[2], v[3]);
}

} // namespace

void desenhaPrincipalNoTamanhoReal() {
    const int w = static_cast<int>(width), h = static_cast<int>(height);
    if (!quadroGuardadoPrincipal().tamanhoTrocado(w, h)) {
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

void displayMenu() {
    desenhaPainel();
    trocaPelaVista(quadroGuardadoDoPainel());
}

void display_minimap() {
    desenhaMinimapa();
    trocaPelaVista(quadroGuardadoDoMinimapa());
}
