// The main window: view state, its creation and the reshape callback.
#include <GL/freeglut.h>
#include <X11/Xlib.h>
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "glclass.h"
#include "interacao.h"

unsigned width = 640, height = 640;
float escalaGlobal = 1.0f;
float xZero = 0.0f, yZero = 0.0f;
float xIntervalo = 0.0f, yIntervalo = 0.0f;
float xMin = 2.0f, yMin = 2.0f, xMax = -2.0f, yMax = -2.0f;
float escalaGlobalOld = 1.0f, xZeroOld = 0.0f, yZeroOld = 0.0f;
qualidade qualidadeImagem = RUIM;
int qualidadeR = 4;
int janelaPrincipal = 0;
int janelaMenu = 0;

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

void preparaAlocador() {
    // The software renderer allocates and frees its per-frame buffers on every
    // redraw. Left to the defaults, the C library hands that memory back to
    // the system and faults it in again on the next frame, which made redraw
    // times swing by up to two times. Keeping it costs no more at the peak.
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_TOP_PAD, 64 << 20);
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
}

void iniciaGlut(const char* programa) {
    // Without a display GLUT would end the program with a message of its
    // own; say it in one line of ours, with the same status.
    Display* tela = XOpenDisplay(nullptr);
    if (tela == nullptr) {
        const char* nome = std::getenv("DISPLAY");
        std::fprintf(stderr, "vorlane: nao foi possivel abrir o display '%s': o visualizador precisa de uma sessao grafica\n",
                     nome ? nome : "");
        std::exit(1);
    }
    XCloseDisplay(tela);
    // GLUT gets a made-up command line: the program's own arguments keep
    // their meaning and GLUT never sees them.
    std::string nome = programa;
    char* argumentos[] = {nome.data(), nullptr};
    int contagem = 1;
    glutInit(&contagem, argumentos);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
}

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
