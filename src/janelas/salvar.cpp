// The "Salvar" menu's callbacks: the text export of the region shown and the
// TIFF and PNG snapshots of the main window.
#include "salvar.h"

#include <GL/gl.h>
#include <tiffio.h>

#include <cstdio>
#include <string>

#include "interacao.h"
#include "estado.h"
#include "janelas.h"
#include "mapageo.h"
#include "pngsave.h"
#include "tiffsave.h"

namespace {

// One stdout line per file written, flushed at once: stdout may be a pipe
// that someone reads as the files appear.
void anunciaGravacao(const char* oQue, const std::string& nome) {
    std::printf("vorlane: %s em '%s'\n", oQue, nome.c_str());
    std::fflush(stdout);
}

// Redraws the view into the buffer that is read, so the file is what the user sees
// (with the map's towns, even in the moment before they are first read).
void preparaLeitura() {
    completaCidades(sitioMostrado());
    desenhaPrincipalNoTamanhoReal();
    glFinish();
    glReadBuffer(GL_BACK);
}

} // namespace

int compressaoDoMenu(int valor) {
    switch (valor) {
    case COMPRESSAO_LZW: return COMPRESSION_LZW;
    case COMPRESSAO_PACKBITS: return COMPRESSION_PACKBITS;
    case SEM_COMPRESSAO: return COMPRESSION_NONE;
    default: return 0;
    }
}

void menuSalvar(int valor) {
    int ori, orf, oti, otf;
    std::string gravado;
    if (valor == COMO_TEXTO && regiaoDaExportacao(ori, orf, oti, otf) && matriz.salvaAtual(ori, orf, oti, otf, &gravado))
        anunciaGravacao("texto gravado", gravado);
}

void menuTiff(int value) {
    const int compressao = compressaoDoMenu(value);
    if (compressao == 0) return;
    preparaLeitura();
    std::string nome;
    if (gravaInstantaneo("Arquivo gerado pelo OpenGL", static_cast<int>(width), static_cast<int>(height),
                         compressao, nome) == 0)
        anunciaGravacao("imagem gravada", nome);
}

void menuImagem(int valor) {
    if (valor != IMAGEM_PNG) {
        menuTiff(valor);
        return;
    }
    preparaLeitura();
    std::string nome;
    if (gravaInstantaneoPng(static_cast<int>(width), static_cast<int>(height), nome) == 0)
        anunciaGravacao("imagem gravada", nome);
}
