// Entry point: palette, scan, then the windows and the GLUT loop. The one
// place (with "Sair") that ends the process.
#include <GL/freeglut.h>

#include <cstdio>

#include "cores.h"
#include "inicio.h"
#include "janelas.h"
#include "menus.h"
#include "tempo.h"

int main(int argc, char** argv) {
    preparaAlocador();
    inciaCores();
    const Resultado inicio = inciaMatriz(argc, argv);
    if (!inicio.segue) {
        if (inicio.status == 0) std::fputs(inicio.mensagem.c_str(), stdout);
        else std::fprintf(stderr, "vorlane: %s\n", inicio.mensagem.c_str());
        return inicio.status;
    }
    if (!iniciaGlut("vorlane")) return 1;
    criaJanelasEMenus();
    iniciaTempo();
    glutMainLoop();
    return 0;
}
