// Entry point: palette, scan, then the windows and the GLUT loop, or with
// --imagem one picture drawn without a screen. The one place (with "Sair")
// that ends the process.
#include <GL/freeglut.h>

#include <cstdio>

#include "cores.h"
#include "inicio.h"
#include "janelas.h"
#include "menus.h"
#include "semtela.h"
#include "tempo.h"

int main(int argc, char** argv) {
    preparaAlocador();
    inciaCores();
    LinhaDeComando linha;
    const Resultado inicio = inciaMatriz(argc, argv, linha);
    if (!inicio.segue) {
        if (inicio.status == 0) std::fputs(inicio.mensagem.c_str(), stdout);
        else std::fprintf(stderr, "vorlane: %s\n", inicio.mensagem.c_str());
        return inicio.status;
    }
    if (!linha.imagem.empty()) {
        if (gravaImagemSemTela(linha.imagem.c_str(), linha.formatoImagem == FormatoDaImagem::PNG,
                               static_cast<int>(linha.larguraDaImagem), static_cast<int>(linha.alturaDaImagem)) != 0)
            return 1;
        std::printf("vorlane: imagem gravada em '%s'\n", linha.imagem.c_str());
        return 0;
    }
    if (!iniciaGlut("vorlane")) return 1;
    criaJanelasEMenus();
    iniciaTempo();
    glutMainLoop();
    return 0;
}
