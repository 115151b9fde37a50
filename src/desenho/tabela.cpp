// The numeric values view: 30 gates by 14 azimuths around a chosen point.
#include "tabela.h"

#include <GL/gl.h>

#include "estado.h"
#include "geometria.h"
#include "glauxiliar.h"
#include "texto.h"
#include "textos.h"

namespace {
constexpr float espacoX = 0.13125f; // column pitch, view frame
constexpr float espacoY = 0.0625f;  // row pitch

} // namespace

void displayDados() {
    tipo_referencia = 3;
    glMatrixMode(GL_MODELVIEW);
    glShadeModel(GL_FLAT);
    const bool colorido = dadosColoridos();
    const float fundo = fundoEscuro() ? 0.0f : 1.0f;
    glClearColor(fundo, fundo, fundo, 0);
    aplicaCorDoTexto();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    const long inicio = inicioDaTabela(static_cast<long>(primeiroRaio) + ajusteR, matriz.getRaioInicial(),
                                       matriz.getRaioFinal());
    ajusteR = static_cast<int>(inicio - primeiroRaio);
    auto azimute = [](int i) { return modPositivo(static_cast<long>(primeiroAngulo) + ajusteA + i - 1, 360); };
    auto xDaColuna = [](int i) { return espacoX * i - 0.9515625f; };
    auto yDaLinha = [](int j) { return 0.9375f - espacoY * j; };

    for (int i = 1; i <= COLUNAS_DA_TABELA; ++i) escreveEm(xDaColuna(i), 0.9375f, textoCabecalhoColuna(static_cast<int>(azimute(i))).c_str());
    escreveEm(-0.99f, 0.9375f, textoCanto(unidadeMedidas));
    for (int j = 1; j <= LINHAS_DA_TABELA; ++j) escreveEm(-0.99f, yDaLinha(j), textoCabecalhoLinha(inicio + j - 1, unidadeMedidas).c_str());
    for (int i = 1; i <= COLUNAS_DA_TABELA; ++i)
        for (int j = 1; j <= LINHAS_DA_TABELA; ++j) {
            const float v = matriz.valorSeguro(azimute(i), inicio + j - 1);
            if (colorido) aplicaCorDoValor(v, false);
            escreveEm(xDaColuna(i), yDaLinha(j), textoCelula(v, volume.produto).c_str());
        }
}
