// The program's cell drawing against the straightforward one, on a
// weather-like scan: smooth cells and points give the very same image; flat
// cells, merged into runs, may differ in at most 0.1 % of the pixels, and
// those only along cell edges (a run's side is one straight edge where the
// single cells' sides are snapped to the pixel grid piece by piece).
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "ambiente.h"
#include "baseline.h"
#include "celulas.h"
#include "estado.h"
#include "geometria.h"
#include "glauxiliar.h"
#include "interacao.h"
#include "matriz.h"
#include "selecoes.h"
#include "vistas.h"

namespace {

std::string saidaDe(const std::string& comando) {
    std::FILE* p = popen(comando.c_str(), "r");
    std::string s;
    char bloco[65536];
    for (std::size_t n; (n = std::fread(bloco, 1, sizeof bloco, p)) > 0;) s.append(bloco, n);
    pclose(p);
    return s;
}

void carregaDoGerador(const std::string& opcoes, const char* raioInicial) {
    matriz.reinicia();
    ASSERT_EQ(matriz.setRaioInicial(raioInicial), 0);
    std::istringstream entrada(saidaDe(std::string(GERADOR) + " " + opcoes));
    ASSERT_EQ(matriz.leVarredura(entrada), ResultadoLeitura::OK);
}

struct Comparacao : ::testing::Test {
    static void SetUpTestSuite() { carregaDoGerador("--semente 3 --raios 1200", "4"); }
    static void TearDownTestSuite() { carregaVarreduraDeTeste(); }
    void TearDown() override { reiniciaMantendoTamanho(); }
};

std::vector<unsigned char> quadro(void (*celulas)(), bool transforma) {
    glClearColor(0.6f, 0.6f, 0.6f, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glShadeModel(qualidadeImagem == BOA ? GL_SMOOTH : GL_FLAT);
    glPushMatrix();
    if (transforma) aplicaTransformacaoDaVista();
    celulas();
    glPopMatrix();
    glFinish();
    std::vector<unsigned char> p(640 * 640 * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, 640, 640, GL_RGB, GL_UNSIGNED_BYTE, p.data());
    return p;
}

// Distance in pixels from a pixel's centre to the nearest cell edge.
double distanciaDaBorda(int coluna, int linha, int raiosPorCelula, double desvioAngular) {
    const double xv = (coluna + 0.5) / 320 - 1, yv = (linha + 0.5) / 320 - 1;
    const double xs = xv / escalaGlobal + xZero, ys = yv / escalaGlobal + yZero;
    const double raio = std::hypot(xs, ys) * 2000; // gates
    const double graus = std::atan2(ys, xs) * 180 / M_PI + desvioAngular;
    const double pixelPorRaio = 320.0 * escalaGlobal / 2000;
    const double radial = std::fabs(raio / raiosPorCelula - std::round(raio / raiosPorCelula)) * raiosPorCelula;
    const double angular = std::fabs(graus - std::round(graus)) * M_PI / 180 * raio;
    return std::min(radial, angular) * pixelPorRaio;
}

void compara(const char* caso, void (*rapido)(), void (*base)(), bool transforma, int raiosPorCelula,
             double desvioAngular) {
    const std::vector<unsigned char> a = quadro(rapido, transforma), b = quadro(base, transforma);
    int diferentes = 0, longe = 0;
    for (int linha = 0; linha < 640; ++linha)
        for (int coluna = 0; coluna < 640; ++coluna) {
            const std::size_t k = (static_cast<std::size_t>(linha) * 640 + coluna) * 3;
            if (a[k] == b[k] && a[k + 1] == b[k + 1] && a[k + 2] == b[k + 2]) continue;
            ++diferentes;
            if (distanciaDaBorda(coluna, linha, raiosPorCelula, desvioAngular) > 1.5) ++longe;
        }
    if (qualidadeImagem != RUIM) {
        EXPECT_EQ(diferentes, 0) << caso;
    }
    EXPECT_LE(diferentes, 640 * 640 / 1000) << caso;
    EXPECT_EQ(longe, 0) << caso << ": " << longe << " of " << diferentes << " away from cell edges";
}

void setorRapido() {
    const SetorDoCorte c = setorDoCorte(pontos);
    desenhaCelulas(qualidadeImagem, 1, c.s, c.azimutes(), static_cast<int>(c.rI), static_cast<int>(c.rF) + 1);
}

} // namespace

TEST_F(Comparacao, DiscoEAmpliacaoEmCadaQualidadeELeitura) {
    // Disc, zoom x 4 about the radar, zoom x 8 off to one side (most rays
    // and most of each ray outside the window).
    for (int ampliado = 0; ampliado < 3; ++ampliado)
        for (qualidade q : {BOA, RUIM, PIOR})
            for (int r : {1, 2, 4}) {
                if (q == PIOR && r != 4) continue; // points ignore the reading size
                qualidadeImagem = q;
                qualidadeR = r;
                if (ampliado == 1) zoomSimples(0.5, -0.25, -0.25);
                else if (ampliado == 2) zoomSimples(0.25, 0.2, 0.1);
                else escalaGlobal = 1, xZero = yZero = 0;
                const std::string caso = std::string(ampliado ? "zoom x" + std::to_string(4 * ampliado) : "disc") + " q" + std::to_string(q) +
                                         " r" + std::to_string(r);
                // Flat cells are centred on their azimuth, smooth ones start at it.
                compara(caso.c_str(), desenhaCelulasDaVarredura, baselineCelulasDaVarredura, ampliado != 0,
                        q == PIOR ? 1 : r, q == RUIM ? 0.5 : 0.0);
            }
}

TEST_F(Comparacao, SetorEmCadaQualidade) {
    pontos[0][0] = 20;
    pontos[0][1] = 200;
    pontos[1][0] = 110;
    pontos[1][1] = 1100;
    ordenaVetor();
    vetorDados();
    escalaGlobal = 2 / std::max(xIntervalo, yIntervalo);
    for (qualidade q : {BOA, RUIM, PIOR}) {
        qualidadeImagem = q;
        compara(("sector q" + std::to_string(q)).c_str(), setorRapido, baselineCelulasDoSetor, true, 1,
                q == RUIM ? 0.5 : 0.0);
    }
}

TEST_F(Comparacao, SuaveComRegioesDeUmaCorEmCadaModoDeCor) {
    // Every cell with echo, in broad bands: long runs of cells with one
    // colour at all corners, next to cells of two colours, in the disc, a
    // zoom, a zoom past the edge and a sector.
    carregaDoGerador("--semente 1 --raios 2000 --primeiro-raio 0 --cheia", "0");
    qualidadeImagem = BOA;
    for (coloridoEscolha modo : {COR_MEDIO, COR_MINIMO, COR_MAXIMO, COR_BRILHO})
        for (int vista = 0; vista < 4; ++vista) {
            reiniciaMantendoTamanho();
            qualidadeImagem = BOA;
            coresSuave = modo;
            qualidadeR = vista == 1 ? 4 : 1;
            const std::string caso = "mode " + std::to_string(modo) + " view " + std::to_string(vista);
            if (vista == 3) {
                pontos[0][0] = 300, pontos[0][1] = 400, pontos[1][0] = 40, pontos[1][1] = 1900;
                ordenaVetor();
                vetorDados();
                escalaGlobal = 2 / std::max(xIntervalo, yIntervalo);
                compara(caso.c_str(), setorRapido, baselineCelulasDoSetor, true, 1, 0.0);
                continue;
            }
            if (vista == 2) zoomSimples(0.3, 0.55, -0.6);
            compara(caso.c_str(), desenhaCelulasDaVarredura, baselineCelulasDaVarredura, vista == 2, qualidadeR, 0.0);
        }
    carregaDoGerador("--semente 3 --raios 1200", "4");
}
