// Menu commands of "Salvar": the text export of the region shown and the
// TIFF snapshot of the main window.
#include <GL/gl.h>

#include <cstdio>
#include <string>

#include "geometria.h"
#include "glclass.h"
#include "interacao.h"
#include "matriz.h"
#include "tiffsave.h"

namespace {

// Azimuth row to polar angle, for rows offset by up to -360.
int angulo(long linha) { return anguloPolarDoAzimute(modPositivo(linha, 360)); }

// One stdout line per file written, flushed at once: stdout may be a pipe
// that someone reads as the files appear.
void anunciaGravacao(const char* oQue, const std::string& nome) {
    std::printf("vorlane: %s em '%s'\n", oQue, nome.c_str());
    std::fflush(stdout);
}

} // namespace

bool regiaoDaExportacao(int& ori, int& orf, int& oti, int& otf) {
    switch (estado) {
    case EXIBE_FATIA:
        // The export's rows run clockwise from the row of its first angle:
        // the sector's second limit comes first, so that at exactly 180
        // degrees the half exported is the half shown.
        ori = static_cast<int>(pontos[0][1]);
        orf = static_cast<int>(pontos[1][1]);
        oti = static_cast<int>(pontos[1][0]);
        otf = static_cast<int>(pontos[0][0]);
        return true;
    case EXIBE_GRAFICO:
        if (isLinha) {
            ori = static_cast<int>(selecao[0]) + ajusteR;
            orf = static_cast<int>(selecao[1]) + ajusteR;
            oti = otf = angulo(static_cast<long>(selecao[2]) + ajusteA);
        } else {
            ori = orf = static_cast<int>(selecao[2]) + ajusteR;
            oti = angulo(static_cast<long>(selecao[0]) + ajusteA);
            otf = angulo(static_cast<long>(selecao[1]) + ajusteA);
        }
        return true;
    case EXIBE_NUMEROS:
        ori = primeiroRaio + ajusteR;
        orf = ori + 30;
        oti = angulo(static_cast<long>(primeiroAngulo) + ajusteA);
        otf = angulo(static_cast<long>(primeiroAngulo) + ajusteA + 13);
        return true;
    default: return false;
    }
}

void menuSalvar(int valor) {
    int ori, orf, oti, otf;
    std::string gravado;
    if (valor == 1 && regiaoDaExportacao(ori, orf, oti, otf) && matriz.salvaAtual(ori, orf, oti, otf, &gravado))
        anunciaGravacao("texto gravado", gravado);
}

void menuTiff(int value) {
    const int compressao = compressaoDoMenu(value);
    if (compressao == 0) return;
    // Redraw the view into the buffer that is read, so the file is what the user sees.
    desenhaPrincipalNoTamanhoReal();
    glFinish();
    glReadBuffer(GL_BACK);
    std::string nome;
    if (gravaInstantaneo("Arquivo gerado pelo OpenGL", static_cast<int>(width), static_cast<int>(height),
                         compressao, nome) == 0)
        anunciaGravacao("imagem gravada", nome);
}
