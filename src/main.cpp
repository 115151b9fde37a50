// Entry point: palette, scan, then the windows and the GLUT loop.
#include <GL/freeglut.h>

#include "cores.h"
#include "inicio.h"
#include "janelas.h"
#include "menus.h"

int main(int argc, char** argv) {
    preparaAlocador();
    inciaCores();
    inciaMatriz(argc, argv);
    iniciaGlut("vorlane");
    criaJanelasEMenus();
    glutMainLoop();
    return 0;
}
