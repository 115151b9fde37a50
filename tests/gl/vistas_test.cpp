// What the main window shows: status bar per state, zoom and sector views,
// range rings and labels, map outline and city labels per site, and the
// dashed selection outline.
#include <GeographicLib/Geodesic.hpp>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cmath>
#include <functional>
#include <sstream>
#include <string>

#include "ambiente.h"
#include "cidades.h"
#include "cores.h"
#include "estado.h"
#include "glauxiliar.h"
#include "interacao.h"
#include "leitura/gshhg.h"
#include "leitura/odim.h"
#include "mapageo.h"
#include "matriz.h"
#include "quadros.h"
#include "selecoes.h"

namespace {

using Cor = std::function<bool(Pixel)>;
bool preto(Pixel p) { return cores_proximas(p, {0, 0, 0}, 2); }
bool branco(Pixel p) { return cores_proximas(p, {255, 255, 255}, 2); }
bool fundo(Pixel p) { return cores_proximas(p, {153, 153, 153}, 1); }
bool cinzaAnel(Pixel p) { return cores_proximas(p, {128, 128, 128}, 1); }    // 0.5: spokes, rings
bool cinzaAlcance(Pixel p) { return cores_proximas(p, {166, 166, 166}, 1); } // 0.65: gate range
bool cinzaRotulo(Pixel p) { return cores_proximas(p, {64, 64, 64}, 1); }     // 0.25: ring labels
bool amarelo(Pixel p) { return cores_proximas(p, {255, 240, 0}, 2); }        // 30 dBZ, entry 17

int coluna(double xv) { return static_cast<int>(std::floor((xv + 1) * 320)); }
int linha(double yv) { return static_cast<int>(std::floor((1 - yv) * 320)); }
// View coordinates of a pixel's centre.
double xDaColuna(int c) { return (c + 0.5) / 320 - 1; }
double yDaLinha(int r) { return 1 - (r + 0.5) / 320; }
Pixel em(double xv, double yv) { return pixelLido(coluna(xv), linha(yv)); }

// Pixels of the last frame in columns c0..c1, rows r0..r1 of that colour.
int conta(int c0, int r0, int c1, int r1, const Cor& cor) {
    int n = 0;
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c) n += cor(pixelLido(c, r));
    return n;
}
bool perto(double xv, double yv, const Cor& cor, int d = 1) {
    return conta(coluna(xv) - d, linha(yv) - d, coluna(xv) + d, linha(yv) + d, cor) > 0;
}

double rad(double graus) { return graus * M_PI / 180; }
double xPolar(double r, double graus) { return r * std::cos(rad(graus)); }
double yPolar(double r, double graus) { return r * std::sin(rad(graus)); }

// Steps along a view-frame segment one pixel at a time on its longer axis
// and counts the steps with and without black within one pixel across.
struct Tracejado {
    int comPreto = 0, semPreto = 0;
};
Tracejado tracejado(double x0, double y0, double x1, double y1) {
    const double c0 = (x0 + 1) * 320, r0 = (1 - y0) * 320, c1 = (x1 + 1) * 320, r1 = (1 - y1) * 320;
    const bool deitado = std::fabs(c1 - c0) >= std::fabs(r1 - r0);
    const int n = static_cast<int>(std::max(std::fabs(c1 - c0), std::fabs(r1 - r0)));
    Tracejado t;
    for (int k = 0; k <= n; ++k) {
        const int c = static_cast<int>(std::floor(c0 + (c1 - c0) * k / n));
        const int r = static_cast<int>(std::floor(r0 + (r1 - r0) * k / n));
        bool achou = false;
        for (int d = -1; d <= 1; ++d) achou = achou || preto(deitado ? pixelLido(c, r + d) : pixelLido(c + d, r));
        achou ? ++t.comPreto : ++t.semPreto;
    }
    return t;
}
Tracejado radial(double graus, double r0, double r1) {
    return tracejado(xPolar(r0, graus), yPolar(r0, graus), xPolar(r1, graus), yPolar(r1, graus));
}
// The same along an arc at radius r (view frame) from polar angle a0 to a1, degrees.
Tracejado arco(double r, double a0, double a1) {
    const int n = static_cast<int>(std::fabs(a1 - a0) * M_PI / 180 * r * 320);
    Tracejado t;
    for (int k = 0; k <= n; ++k) {
        const double a = a0 + (a1 - a0) * k / n;
        perto(xPolar(r, a), yPolar(r, a), preto) ? ++t.comPreto : ++t.semPreto;
    }
    return t;
}
void esperaTracejado(const Tracejado& t) {
    const int n = t.comPreto + t.semPreto;
    EXPECT_GE(t.comPreto, n / 4);
    EXPECT_GE(t.semPreto, n / 4);
}

// Map vertex (map units) to the scan frame, BRU radar at the origin.
double xDoMapa(double px) { return 1.813 * (px / 585 - 0.0517); }
double yDoMapa(double py) { return 1.813 * (py / 557 + 0.032); }
constexpr double PPR_X = 0.54, PPR_Y = -0.025;

// Sector limits and the view box that fits them: the smallest rectangle
// holding the points at polar angles a0..a0+n (shorter way) at both radii.
void enquadraSetor(unsigned a0, unsigned g0, unsigned a1, unsigned g1) {
    pontos[0][0] = a0, pontos[0][1] = g0, pontos[1][0] = a1, pontos[1][1] = g1;
    int inicio = static_cast<int>(a0), n = (static_cast<int>(a1) - inicio + 360) % 360;
    if (n > 180) inicio = static_cast<int>(a1), n = 360 - n;
    double x0 = 9, y0 = 9, x1 = -9, y1 = -9;
    for (int k = 0; k <= n; ++k)
        for (double r : {g0 / 2000.0, g1 / 2000.0}) {
            x0 = std::min(x0, xPolar(r, inicio + k)), x1 = std::max(x1, xPolar(r, inicio + k));
            y0 = std::min(y0, yPolar(r, inicio + k)), y1 = std::max(y1, yPolar(r, inicio + k));
        }
    xIntervalo = static_cast<float>(x1 - x0), yIntervalo = static_cast<float>(y1 - y0);
    xZero = static_cast<float>((x0 + x1) / 2), yZero = static_cast<float>((y0 + y1) / 2);
}
// Expected view point of a scan point in the sector view.
double escalaDoSetor() { return 2.0 / std::max(xIntervalo, yIntervalo); }
double xVista(double xs) { return escalaDoSetor() * (xs - xZero); }
double yVista(double ys) { return escalaDoSetor() * (ys - yZero); }

class Vistas : public ::testing::Test {
protected:
    void SetUp() override {
        iniciaCidades(); // the test scan is read without the start-up that fills the towns
        restaura();
    }
    void TearDown() override { restaura(); }
    static void restaura() {
        reiniciaMantendoTamanho();
        lugar = UNK;
    }
    // Status bar black, readout text white inside it.
    static void esperaBarraELeitura() {
        // Probed above and below the glyphs, which may run past the bar.
        EXPECT_TRUE(preto(em(-0.16, -0.955))) << texto(em(-0.16, -0.955));
        EXPECT_TRUE(preto(em(-0.5, -0.9985))) << texto(em(-0.5, -0.9985));
        EXPECT_GT(conta(coluna(-0.99), linha(-0.95), coluna(-0.2), 639, branco), 0);
    }
};

} // namespace

TEST_F(Vistas, BarraDeEstadoConformeOEstado) {
    renderiza();
    esperaBarraELeitura();
    EXPECT_TRUE(fundo(em(0.5, -0.975))) << texto(em(0.5, -0.975));
    EXPECT_TRUE(fundo(em(-0.1, -0.955))); // the bar ends at x = -0.12

    // Graph: the bar spans the whole width (on a white background).
    nivelColorido = PRETO_E_BRANCO;
    estado = EXIBE_GRAFICO;
    renderiza();
    EXPECT_TRUE(preto(em(0.95, -0.975))) << texto(em(0.95, -0.975));
    EXPECT_TRUE(preto(em(0.5, -0.955)));
    EXPECT_FALSE(preto(em(0.95, -0.9)));

    // Numeric table: no bar; the strip above the hint text is not black.
    estado = EXIBE_NUMEROS;
    renderiza();
    const int c0 = coluna(-0.99), c1 = coluna(-0.13), r0 = linha(-0.95);
    EXPECT_LT(conta(c0, r0, c1, r0 + 2, preto), (c1 - c0 + 1) * 3 / 2);
}

TEST_F(Vistas, EstadosSemVistaSoMostramFundoBarraELeitura) {
    renderiza();
    ASSERT_TRUE(amarelo(em(0.01, 0.3))); // the north wedge in the full disc
    for (EstadosPossiveis anterior : {EXIBE_GRAFICO, SELECIONA_ZOOM_DE_CORTE, EXIBE_NUMEROS}) {
        SCOPED_TRACE(anterior);
        estado = SELECIONA_GRAFICO;
        estadoAnterior = anterior;
        renderiza();
        EXPECT_TRUE(fundo(em(0.01, 0.3))) << texto(em(0.01, 0.3));
        EXPECT_FALSE(perto(xPolar(0.2, 45), yPolar(0.2, 45), cinzaAnel)); // no ring either
        esperaBarraELeitura();
    }
}

TEST_F(Vistas, ZoomAmpliaQuatroVezesEmTornoDoCentro) {
    // Pixels across the north wedge (azimuths 357..3: polar 86.5..93.5) at
    // scan height ys, drawn `escala` times larger, less the spoke through it.
    auto largura = [](double ys, double escala) { return escala * 2 * ys * std::tan(rad(3.5)) * 320 - 1; };
    renderiza();
    EXPECT_TRUE(amarelo(em(0.01, 0.3)));
    EXPECT_TRUE(fundo(em(0.02, 0.9)));
    EXPECT_NEAR(conta(0, linha(0.3), 639, linha(0.3), amarelo), largura(yDaLinha(linha(0.3)), 1), 2.5);

    zoomSimples(0.5, -0.25, -0.25);
    ASSERT_FLOAT_EQ(escalaGlobal, 4);
    estado = EXIBE_ZOOM;
    renderiza();
    EXPECT_TRUE(amarelo(em(0.02, 0.9))) << texto(em(0.02, 0.9)); // gate 450
    EXPECT_TRUE(fundo(em(0.02, 0.3)));                             // gate 150
    EXPECT_TRUE(fundo(em(0.02, 0.78)));                            // wedge starts at 0.2 * 4
    EXPECT_TRUE(amarelo(em(0.02, 0.82)));
    // Same angular width at 4 times the radius: the cells are 4 times larger.
    EXPECT_NEAR(conta(0, linha(0.9), 639, linha(0.9), amarelo), largura(yDaLinha(linha(0.9)) / 4, 4), 2.5);
}

TEST_F(Vistas, AneisEmQuilometros) {
    renderiza();
    for (double a : {15.0, 45.0}) {
        SCOPED_TRACE(a);
        for (int g : {400, 800, 1200, 1600, 2000})
            EXPECT_TRUE(perto(xPolar(g / 2000.0, a), yPolar(g / 2000.0, a), cinzaAnel)) << g;
        const double fim = matriz.getRaioFinal() / 2000.0; // last gate
        EXPECT_TRUE(perto(xPolar(fim, a), yPolar(fim, a), cinzaAlcance));
        EXPECT_FALSE(perto(xPolar(644 / 2000.0, a), yPolar(644 / 2000.0, a), cinzaAnel));
        EXPECT_FALSE(perto(xPolar(1.2, a), yPolar(1.2, a), cinzaAnel)); // none past 500 km
    }
    EXPECT_TRUE(perto(xPolar(1.1, 120), yPolar(1.1, 120), cinzaAnel)); // spokes reach past the rings
    EXPECT_FALSE(perto(xPolar(1.1, 135), yPolar(1.1, 135), cinzaAnel));
}

TEST_F(Vistas, AneisEmMilhas) {
    unidadeMedidas = MILHAS;
    renderiza();
    for (int g : {644, 1287, 1931}) EXPECT_TRUE(perto(xPolar(g / 2000.0, 45), yPolar(g / 2000.0, 45), cinzaAnel)) << g;
    for (int g : {400, 800, 1200}) EXPECT_FALSE(perto(xPolar(g / 2000.0, 45), yPolar(g / 2000.0, 45), cinzaAnel)) << g;
}

TEST_F(Vistas, RotulosDosAneisComecamNoPontoDoAnel) {
    // ". 300 km" at (0.6, 0) and ". 300 milhas" at (1931 / 2000, 0): glyphs
    // go right and up from the anchor, the period right at it.
    const int c300 = coluna(0.6), cMi = coluna(0.9655), r = linha(0);
    // A dot on the baseline with nothing above it in its first columns.
    auto ponto = [r](int c) {
        return conta(c, r - 2, c + 3, r, cinzaRotulo) > 0 && conta(c, r - 9, c + 3, r - 3, cinzaRotulo) == 0;
    };
    renderiza();
    EXPECT_TRUE(ponto(c300));
    EXPECT_GT(conta(c300, r - 10, c300 + 40, r + 1, cinzaRotulo), 4);
    EXPECT_EQ(conta(cMi, r - 10, 639, r + 1, cinzaRotulo), 0);
    unidadeMedidas = MILHAS;
    renderiza();
    EXPECT_EQ(conta(c300, r - 10, c300 + 40, r + 1, cinzaRotulo), 0);
    EXPECT_TRUE(ponto(cMi));
}

TEST_F(Vistas, ContornoDoMapaConformeOSitio) {
    // Midpoints of two edges of polyline 1, far from every other line.
    const double meios[][2] = {{43, -177}, {-7, -92}};
    for (lugarCidade l : {BRU, PPR, UNK}) {
        lugar = l;
        renderiza();
        for (const auto& m : meios) {
            SCOPED_TRACE(testing::Message() << l << " " << m[0] << "," << m[1]);
            const double x = xDoMapa(m[0]), y = yDoMapa(m[1]);
            EXPECT_EQ(perto(x, y, preto), l == BRU);
            EXPECT_EQ(perto(x + PPR_X, y + PPR_Y, preto), l == PPR);
        }
    }
}

TEST_F(Vistas, ContornoSegueOZoom) {
    // Polyline 9, (-299, -359) to (-519, -557): beyond the window corner in
    // the full disc, shown by a zoom centred on its midpoint.
    auto ponto = [](double t, double& x, double& y) {
        x = xDoMapa(-299 - 220 * t), y = yDoMapa(-359 - 198 * t);
    };
    double xm, ym, x3, y3;
    ponto(0.5, xm, ym);
    ponto(0.3, x3, y3);
    zoomSimples(0.5, xm - 0.25, ym - 0.25);
    estado = EXIBE_ZOOM;
    for (lugarCidade l : {BRU, UNK}) {
        lugar = l;
        renderiza();
        EXPECT_EQ(perto(0, 0, preto), l == BRU) << l;
        EXPECT_EQ(perto(4 * (x3 - xm), 4 * (y3 - ym), preto), l == BRU) << l;
    }
}

TEST_F(Vistas, NomesDasCidadesConformeOSitio) {
    // Glyph area of "+ Bauru", right of and above its anchor.
    auto glifos = [](double x, double y) { return conta(coluna(x), linha(y) - 9, coluna(x) + 30, linha(y) - 1, preto); };
    const double x = -3 / 247.0, y = 2 / 247.0;
    lugar = BRU;
    renderiza();
    EXPECT_GT(glifos(x, y), 5);
    lugar = PPR;
    renderiza();
    EXPECT_GT(glifos(x + PPR_X, y + PPR_Y), 5);
    lugar = UNK;
    renderiza();
    EXPECT_EQ(glifos(x, y), 0);
    EXPECT_EQ(glifos(x + PPR_X, y + PPR_Y), 0);
}

TEST_F(Vistas, SetorEnchendoAJanela) {
    // Polar 80..100 (azimuths 350..10) by gates 400..800, in either order.
    for (int ordem = 0; ordem < 2; ++ordem) {
        if (ordem == 0) enquadraSetor(80, 400, 100, 800);
        else enquadraSetor(100, 800, 80, 400);
        EXPECT_NEAR(xIntervalo, 0.8 * std::cos(rad(80)), 1e-5);
        EXPECT_NEAR(yIntervalo, 0.4 - 0.2 * std::sin(rad(80)), 1e-5);
        estado = EXIBE_FATIA;
        renderiza();
        EXPECT_NEAR(escalaGlobal, 2 / (0.4 - 0.2 * std::sin(rad(80))), 1e-3);
        for (double yv : {0.0, 0.95, -0.9}) EXPECT_TRUE(amarelo(em(0.05, yv))) << ordem << " " << yv;
        esperaBarraELeitura();
    }
}

TEST_F(Vistas, SetorSoDesenhaSeusAzimutesESeusRaios) {
    // Polar 90..100: the wedge's azimuths 1..3 are in the window but not in the sector.
    enquadraSetor(90, 400, 100, 800);
    estado = EXIBE_FATIA;
    renderiza();
    EXPECT_TRUE(amarelo(em(xVista(-0.01), yVista(0.3))));
    EXPECT_TRUE(amarelo(em(xVista(-0.002), yVista(0.3)))); // azimuth 0, on the limit
    EXPECT_TRUE(fundo(em(xVista(0.01), yVista(0.3)))) << texto(em(xVista(0.01), yVista(0.3)));
    // Gates 500..520 of a wide sector: the window also shows gates 416..596.
    enquadraSetor(80, 500, 100, 520);
    renderiza();
    EXPECT_TRUE(amarelo(em(xVista(0.002), yVista(0.255))));
    EXPECT_TRUE(fundo(em(xVista(0.002), yVista(0.29))));
    EXPECT_TRUE(fundo(em(xVista(0.002), yVista(0.215))));
}

TEST_F(Vistas, SetorSemExtensaoSoMostraFundoBarraELeitura) {
    estado = EXIBE_FATIA;
    enquadraSetor(80, 400, 100, 800);
    pontos[1][0] = 80; // both limits on one azimuth
    renderiza();
    EXPECT_TRUE(fundo(em(0.05, 0))) << texto(em(0.05, 0));
    esperaBarraELeitura();
    enquadraSetor(80, 400, 100, 800);
    xIntervalo = yIntervalo = 0;
    renderiza();
    EXPECT_TRUE(fundo(em(0.05, 0))) << texto(em(0.05, 0));
    esperaBarraELeitura();
}

TEST_F(Vistas, SetorComRaiosForaDaTabelaFicaNaTabela) {
    estado = EXIBE_FATIA;
    pontos[0][0] = 80, pontos[0][1] = 5000, pontos[1][0] = 100, pontos[1][1] = 4294967295u;
    xIntervalo = yIntervalo = 2; // the whole disc
    renderiza();
    esperaBarraELeitura();
    pontos[0][1] = 400; // gates 400..1999
    renderiza();
    EXPECT_TRUE(amarelo(em(0.01, 0.3)));
    EXPECT_TRUE(fundo(em(0.3, -0.01))) << texto(em(0.3, -0.01)); // the east wedge is outside the sector
}

TEST_F(Vistas, RetanguloDeSelecaoTracejado) {
    tracking = true;
    xSelecaoInicial = static_cast<float>(xDaColuna(100)), ySelecaoInicial = static_cast<float>(yDaLinha(150));
    xSelecaoAtual = static_cast<float>(xDaColuna(500)), ySelecaoAtual = static_cast<float>(yDaLinha(500));
    for (int kind : {1, 0}) {
        figure.kind = kind;
        renderiza();
        const Tracejado esquerda = tracejado(xSelecaoInicial, yDaLinha(200), xSelecaoInicial, yDaLinha(300));
        const Tracejado topo = tracejado(xDaColuna(150), ySelecaoInicial, xDaColuna(300), ySelecaoInicial);
        if (kind == 1) {
            esperaTracejado(esquerda);
            esperaTracejado(topo);
        } else {
            EXPECT_EQ(esquerda.comPreto + topo.comPreto, 0);
        }
    }
}

TEST_F(Vistas, SetorArrastadoGuardaRaiosEAngulos) {
    tracking = true, figure.kind = 2;
    auto arrasta = [](double r0, double a0, double r1, double a1) {
        xSelecaoInicial = static_cast<float>(xPolar(r0, a0)), ySelecaoInicial = static_cast<float>(yPolar(r0, a0));
        xSelecaoAtual = static_cast<float>(xPolar(r1, a1)), ySelecaoAtual = static_cast<float>(yPolar(r1, a1));
        renderiza();
    };
    // -11 degrees is polar 349, the cell drawn there.
    arrasta(0.3, -11, 0.5, 10);
    EXPECT_EQ(raioItemp, 600u);
    EXPECT_EQ(raioFtemp, 1000u);
    EXPECT_EQ(anguloItemp, 349u);
    EXPECT_EQ(anguloFtemp, 10u);
    esperaTracejado(radial(10, 0.32, 0.48));
    esperaTracejado(radial(349, 0.32, 0.48));
    // The other way round, dragging inwards: same arc, radii swapped.
    arrasta(0.5, 10, 0.3, -11);
    EXPECT_EQ(raioItemp, 1000u);
    EXPECT_EQ(raioFtemp, 600u);
    EXPECT_EQ(anguloItemp, 349u);
    EXPECT_EQ(anguloFtemp, 10u);
    arrasta(0.25, -10, 0.1, 20);
    EXPECT_EQ(raioItemp, 500u);
    EXPECT_EQ(raioFtemp, 200u);
    EXPECT_EQ(anguloItemp, 350u);
    EXPECT_EQ(anguloFtemp, 20u);
}

TEST_F(Vistas, PerfilRadialTracejadoAteOFimDoAlcance) {
    ASSERT_EQ(matriz.getRaioFinal(), 999u);
    tracking = true, figure.kind = 3, isLinha = true;
    // From gate 600 at polar 20 towards gate 1600: bounded to the last gate.
    xSelecaoInicial = static_cast<float>(xPolar(0.3, 20)), ySelecaoInicial = static_cast<float>(yPolar(0.3, 20));
    xSelecaoAtual = static_cast<float>(xPolar(0.8, 40)), ySelecaoAtual = static_cast<float>(yPolar(0.8, 40));
    renderiza();
    esperaTracejado(radial(20, 0.32, 0.48));
    EXPECT_EQ(radial(20, 0.52, 0.75).comPreto, 0);
    EXPECT_EQ(radial(20, 0.05, 0.28).comPreto, 0);
    EXPECT_EQ(radial(40, 0.32, 0.48).comPreto, 0);
}

// The readout names the row of the cell drawn under the pointer, in every
// direction: rows cycle through three colours, so a neighbouring row shows.
TEST_F(Vistas, LeituraNomeiaACelulaDesenhadaEmTodoAzimute) {
    std::string varredura = "tres cores\n";
    const char* const VALORES[] = {"10.0", "30.0", "50.0"};
    for (int a = 0; a < 360; ++a) {
        varredura += "# Az: " + std::to_string((a + 359) % 360) + " graus\n";
        for (int g = 0; g < 2000; ++g) varredura += std::string(" ") + VALORES[a % 3];
        varredura += "\n";
    }
    matriz.reinicia();
    ASSERT_EQ(matriz.setRaioInicial("0"), 0);
    std::istringstream entrada(varredura);
    ASSERT_EQ(matriz.leVarredura(entrada), ResultadoLeitura::OK);
    invalidaQuadros();
    renderiza();
    for (int a = 0; a < 360; ++a)
        for (double desvio : {0.0, -0.35, 0.35}) { // centre and near both edges of the cell
            if (desvio == 0 && a % 30 == 0) continue; // a spoke is drawn there
            const double graus = (450 - a) % 360 + desvio;
            const int c = coluna(xPolar(0.9, graus)), r = linha(yPolar(0.9, graus));
            int mx, my;
            float xv, yv;
            ASSERT_TRUE(pixelParaVista(c, r, 640, 640, mx, my, xv, yv));
            atualizaLeitura(xv, yv);
            ASSERT_EQ(Gazimute, static_cast<unsigned>(a)) << "pixel " << c << "," << r << " desvio " << desvio;
            CorAmostra cor;
            corDoValor(matriz.getTabela(static_cast<int>(Gazimute), 1800), COR_MEDIO, UsoDaCor::MAPA, cor);
            EXPECT_TRUE(cores_proximas(pixelLido(c, r), {cor.b[0], cor.b[1], cor.b[2]}, 1)) << a << " " << desvio << texto(pixelLido(c, r));
        }
    carregaVarreduraDeTeste();
}

// Dashes run along whole arcs: an arc of short one-degree steps (small radius)
// still shows. At exactly 180 degrees an angular profile is outlined on the
// half it will plot: clockwise in azimuth from the press point.
TEST_F(Vistas, ArcosTracejadosPequenosEPerfilDe180Graus) {
    tracking = true, figure.kind = 2;
    xSelecaoInicial = static_cast<float>(xPolar(0.06, 20)), ySelecaoInicial = static_cast<float>(yPolar(0.06, 20));
    xSelecaoAtual = static_cast<float>(xPolar(0.3, 60)), ySelecaoAtual = static_cast<float>(yPolar(0.3, 60));
    renderiza();
    // Visible all along (dashes two pixels apart are always within a pixel).
    auto visivel = [](const Tracejado& t) { EXPECT_GE(t.comPreto, 3 * (t.comPreto + t.semPreto) / 4) << t.semPreto; };
    visivel(arco(0.06, 24, 56)); // 0.3 px per degree
    visivel(arco(0.3, 24, 56));

    figure.kind = 3, isLinha = false; // from azimuth 0 (north) to 180 (south) at gate 600
    xSelecaoInicial = 0, ySelecaoInicial = 0.3f;
    xSelecaoAtual = 0, ySelecaoAtual = -0.5f;
    renderiza();
    visivel(arco(0.3, -80, 80)); // the east half
    EXPECT_EQ(arco(0.3, 100, 260).comPreto, 0);

    // A radial profile along the east spoke under a large zoom (the ray is
    // 10^8 pixels long): dashed across the window, and only there; under an
    // enormous one the frame still ends.
    estado = estadoAnterior = EXIBE_ZOOM;
    escalaGlobal = 1e6f, xZero = 0.25f, yZero = 0, isLinha = true;
    xSelecaoInicial = -0.5f, ySelecaoInicial = 0, xSelecaoAtual = 0.5f, ySelecaoAtual = 0;
    renderiza();
    esperaTracejado(tracejado(-0.9, 0, 0.9, 0));
    escalaGlobal = 1e20f;
    renderiza();
}

// An ODIM_H5 echo (720 rays, 125 m bins) is drawn where it was measured and
// the readout there names its azimuth, range and value.
TEST_F(Vistas, EcoOdimDesenhadoOndeFoiMedido) {
    char modelo[] = "/tmp/vorlane-odimXXXXXX";
    ASSERT_NE(mkdtemp(modelo), nullptr);
    const std::string arquivo = std::string(modelo) + "/eco.h5";
    std::string eco; // 50 dBZ at azimuth 63.1 from 101 to 103 km
    for (int k = 0; k <= 20; ++k) eco += " --eco 63.1," + std::to_string(101 + 0.1 * k) + ",50";
    ASSERT_EQ(std::system((std::string(GERADOR) + " --odim " + arquivo + " --nrays 720 --rscale 125" + eco).c_str()), 0);
    matriz.reinicia();
    std::string erro;
    ASSERT_TRUE(leOdim(arquivo.c_str(), OpcoesOdim(), matriz, erro)) << erro;
    invalidaQuadros();
    renderiza();
    const double r = 102.0 / 500; // scan frame
    const int c = coluna(xPolar(r, 27)), l = linha(yPolar(r, 27));
    CorAmostra cor;
    corDoValor(50, COR_MEDIO, UsoDaCor::MAPA, cor);
    EXPECT_TRUE(cores_proximas(pixelLido(c, l), {cor.b[0], cor.b[1], cor.b[2]}, 1)) << texto(pixelLido(c, l));
    EXPECT_TRUE(cores_proximas(pixelLido(coluna(xPolar(r, 25)), linha(yPolar(r, 25))), {153, 153, 153}, 1));
    int mx, my;
    float xv, yv;
    ASSERT_TRUE(pixelParaVista(c, l, 640, 640, mx, my, xv, yv));
    atualizaLeitura(xv, yv);
    EXPECT_EQ(Gazimute, 63u);
    EXPECT_NEAR(Graio, 102, 0.8); // a pixel is 0.78 km
    EXPECT_FLOAT_EQ(Gintensidade, 50);
    std::system(("rm -rf '" + std::string(modelo) + "'").c_str());
    carregaVarreduraDeTeste();
}

// Any site's map: a coast point of the data file, placed independently by
// its geodesic distance and azimuth from the radar, is drawn within a pixel
// of its place in the full view and in a zoom on it; Europe's data has no
// internal borders, Australia's has; without the data files, one warning
// and no map.
TEST_F(Vistas, MapaDeQualquerSitioNoLugarCerto) {
    if (access(arquivoGshhg(TipoGshhg::COSTA, 'i').c_str(), R_OK) != 0) GTEST_SKIP() << "sem gmt-gshhg";
    const Sitio wideumont{true, 49.9135, 5.5044, 0};
    std::vector<LinhaGeo> costa;
    std::string erro;
    ASSERT_TRUE(leGshhg(arquivoGshhg(TipoGshhg::COSTA, 'i'), 51.0, 51.2, 2.4, 2.7, costa, erro)) << erro;
    ASSERT_FALSE(costa.empty());
    const std::array<double, 2> p = costa.front().pontos[costa.front().pontos.size() / 2]; // on the Belgian coast
    double s12, azi1, azi2;
    GeographicLib::Geodesic::WGS84().Inverse(wideumont.lat, wideumont.lon, p[0], p[1], s12, azi1, azi2);
    const double a = azi1 * M_PI / 180, x = s12 / 500000 * std::sin(a), y = s12 / 500000 * std::cos(a);

    volume = Volume();
    volume.posicao = wideumont;
    matriz.reinicia(); // no echo over the line
    grupoAjustes.camadasDoMapa = MAPA_LINHAS;
    renderiza();
    EXPECT_TRUE(perto(x, y, preto)) << x << "," << y;
    EXPECT_TRUE(fundo(em(x + 0.1, y - 0.1))) << "inland, 50 km south-east"; // nothing drawn there
    zoomSimples(0.25, x - 0.125, y - 0.125);
    estado = EXIBE_ZOOM;
    renderiza();
    EXPECT_TRUE(perto(0, 0, preto));

    std::string aviso;
    const auto internas = [&](const Sitio& s) {
        const MapaGeo& m = mapaDoSitio(s, 'i', aviso);
        return std::count_if(m.linhas.begin(), m.linhas.end(),
                             [](const LinhaProjetada& l) { return l.tipo == LinhaProjetada::FRONTEIRA && l.nivel == 2; });
    };
    EXPECT_EQ(internas(wideumont), 0);
    EXPECT_GT(internas(Sitio{true, -27.7178, 153.24, 0}), 0); // Mt Stapylton: Queensland and New South Wales

    setenv("VORLANE_GSHHG", "/nao/existe", 1);
    const MapaGeo& sem = mapaDoSitio(Sitio{true, 10, 10, 0}, 'i', aviso);
    unsetenv("VORLANE_GSHHG");
    EXPECT_FALSE(sem.valido);
    EXPECT_NE(aviso.find("/nao/existe"), std::string::npos) << aviso;
    EXPECT_EQ(aviso.find('\n'), std::string::npos);
    volume = Volume();
    matriz.reinicia();
    carregaVarreduraDeTeste();
}
