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
    // GLUT gets a made-up command line: the program's own arguments keep
    // their meaning and GLUT never sees them.
    char programa[] = "vorlane";
    char* argumentosGlut[] = {programa, nullptr};
    int contagemGlut = 1;
    glutInit(&contagemGlut, argumentosGlut);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    criaJanelaPrincipal();
    criaMenusPrincipais();
    criaPainelEMinimapa();
    glutMainLoop();
    return 0;
}
