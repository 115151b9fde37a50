// The GL colour lookups: the current colour set from a scan value.
#include "glauxiliar.h"

#include <GL/gl.h>

#include "cores.h"
#include "estado.h"

namespace {

void aplicaCor(const CorAmostra& cor) {
    if (cor.emBytes) glColor3ub(cor.b[0], cor.b[1], cor.b[2]);
    else glColor3f(cor.f[0], cor.f[1], cor.f[2]);
}

} // namespace

void aplicaCorDoValor(float v, bool paraLinha) {
    CorAmostra cor;
    if (corDoProduto(volume.produto, v, coresSuave, paraLinha ? UsoDaCor::LINHA : UsoDaCor::MAPA, cor)) aplicaCor(cor);
}

void getNewColor(int sizeR, int i, int j) { aplicaCorDoValor(matriz.valorDaColuna(sizeR, i, j), false); }

void getLineColor(int i, int j) { aplicaCorDoValor(matriz.getTabela(i, j), true); }
