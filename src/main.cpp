// Entry point: palette, scan, then the windows and the GLUT loop.
#include <GL/freeglut.h>

#include "cores.h"
#include "glauxiliar.h"
#include "glclass.h"
#include "interacao.h"

int main(int argc, char** argv) {
    preparaAlocador();
    inciaCores();
    inciaMatriz(argc, argv);
    iniciaGlut("vorlane");
    criaJanelaPrincipal();
    criaMenusPrincipais();
    criaPainelEMinimapa();
    glutMainLoop();
    return 0;
}
