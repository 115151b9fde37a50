// The rules of drawing cells, without a display: which cells, triangles and
// columns can write a pixel, the one-colour runs, and the colour indices
// kept per scan generation.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <random>
#include <vector>

#include "cores.h"
#include "coresdatabela.h"
#include "geometria.h"
#include "recorte.h"

namespace {

// The full disc's transform on a 640 x 640 window: scan frame -1..1 fills it,
// times `escala` about (xZero, yZero), as the views set it.
Visivel janelaDaVista(double escala, double xZero, double yZero, double margem = 0) {
    const double mv[16] = {escala, 0, 0, 0, 0, escala, 0, 0, 0, 0, 1, 0, -escala * xZero, -escala * yZero, 0, 1};
    const double pr[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1};
    const int vp[4] = {0, 0, 640, 640};
    return janelaNaVarredura(mv, pr, vp, margem);
}

// True when pixel centre (cx, cy) lies inside the convex quadrilateral
// (edges of no length, at the radar, left out).
bool dentro(const double (&px)[4], const double (&py)[4], double cx, double cy) {
    bool algumPositivo = false, algumNegativo = false;
    for (int k = 0; k < 4; ++k) {
        const double ex = px[(k + 1) % 4] - px[k], ey = py[(k + 1) % 4] - py[k];
        if (std::hypot(ex, ey) < 1e-12) continue;
        const double c = ex * (cy - py[k]) - ey * (cx - px[k]);
        algumPositivo |= c > 0, algumNegativo |= c < 0;
    }
    return !(algumPositivo && algumNegativo);
}

bool cobreCentro(const double (&px)[4], const double (&py)[4]) {
    for (int kx = static_cast<int>(std::floor(*std::min_element(px, px + 4))) - 1; kx <= *std::max_element(px, px + 4);
         ++kx)
        for (int ky = static_cast<int>(std::floor(*std::min_element(py, py + 4))) - 1;
             ky <= *std::max_element(py, py + 4); ++ky)
            if (dentro(px, py, kx + 0.5, ky + 0.5)) return true;
    return false;
}

} // namespace

TEST(Recorte, CelulaSemCentroDePixelFicaDeForaENuncaUmaQueCobre) {
    const Visivel v = janelaDaVista(1, 0, 0);
    ASSERT_FALSE(v.tudo);
    ASSERT_TRUE(v.pixelExato);
    const TabelaDeAngulos& t = angulosDasCunhas();
    // Every 250 m flat cell of a few wedges of the full disc: a cell left
    // out never covers a pixel centre, and most far cells are left out.
    long fora = 0, celulas = 0;
    for (int a : {0, 37, 90, 181, 359})
        for (int g = 0; g < N_RAIOS; ++g) {
            double px[4], py[4];
            v.emPixels(g, g + 1, t.cosBorda[a][0], t.senBorda[a][0], t.cosBorda[a][1], t.senBorda[a][1], px, py);
            const bool semCentro = v.semCentroDePixel(px, py);
            if (semCentro) {
                EXPECT_FALSE(cobreCentro(px, py)) << a << " " << g;
            }
            fora += semCentro, ++celulas;
        }
    EXPECT_GT(fora, celulas / 2);

    // A sliver between two pixel centres writes nothing; moved onto one, it does.
    const double x[4] = {10.6, 11.4, 11.4, 10.6}, y[4] = {10.2, 10.2, 10.8, 10.8};
    EXPECT_TRUE(v.semCentroDePixel(x, y));
    const double xs[4] = {10.6, 11.6, 11.6, 10.6};
    EXPECT_FALSE(v.semCentroDePixel(xs, y));
    // Within the margin of a centre counts as covering it.
    const double xm[4] = {10.6, 11.5 - Visivel::FOLGA / 2, 11.5 - Visivel::FOLGA / 2, 10.6};
    EXPECT_FALSE(v.semCentroDePixel(xm, y));
    // Without a known pixel grid nothing is left out.
    Visivel semGrade = v;
    semGrade.pixelExato = false;
    EXPECT_FALSE(semGrade.semCentroDePixel(x, y));

    // Each triangle of a smooth cell is tested on its own.
    bool primeiro, segundo;
    v.triangulosComCentro(1900, 1901, t.cosCentro[1], t.senCentro[1], t.cosCentro[0], t.senCentro[0], primeiro,
                          segundo);
    EXPECT_FALSE(primeiro && segundo); // a cell of under a pixel holds at most one centre
}

TEST(Recorte, JanelaNaVarreduraEColunasVisiveis) {
    // A zoom of 4 about (0.5, 0): the window spans 0.5 -+ 0.25, plus the
    // margin (and a little for single precision).
    const Visivel v = janelaDaVista(4, 0.5, 0, 3);
    const double folga = (1 + 6.0 / 640) / 4;
    EXPECT_NEAR(v.x0, 0.5 - folga, 1e-5);
    EXPECT_NEAR(v.x1, 0.5 + folga, 1e-5);
    EXPECT_NEAR(v.y1, folga, 1e-5);
    // A transform that turns the view is not culled at all.
    const double mv[16] = {0.8, 0.6, 0, 0, -0.6, 0.8, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    const double pr[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1};
    const int vp[4] = {0, 0, 640, 640};
    EXPECT_TRUE(janelaNaVarredura(mv, pr, vp, 3).tudo);

    // Wedges pointing west miss the window; the east one sees gates ~500..1500.
    const std::vector<Colunas> cunhas = colunasDasCunhas(v, RUIM, 1, 0, N_AZIMUTES, 0, N_RAIOS);
    EXPECT_EQ(cunhas[270].de, cunhas[270].ate);
    EXPECT_GT(cunhas[90].de, 490);
    EXPECT_LE(cunhas[90].de, 500);
    EXPECT_GE(cunhas[90].ate, 1500);
    EXPECT_LT(cunhas[90].ate, 1510);
    // No gate whose centre lies in the window is left out of its wedge's columns.
    std::mt19937 aleatorio(7);
    std::uniform_real_distribution<double> px(v.x0, v.x1), py(v.y0, v.y1);
    for (int k = 0; k < 2000; ++k) {
        const double x = px(aleatorio), y = py(aleatorio);
        const int g = static_cast<int>(std::hypot(x, y) * RAIOS_POR_UNIDADE);
        const double az = std::fmod(450 - std::atan2(y, x) * 180 / M_PI, 360);
        const int a = static_cast<int>(std::lround(az)) % N_AZIMUTES;
        if (g >= N_RAIOS) continue;
        EXPECT_TRUE(cunhas[a].de <= g && g < cunhas[a].ate) << a << " " << g;
    }
}

TEST(Recorte, CorridaPlanaSaiInteiraQuandoAlgumaParteAparece) {
    // Columns 0..7: A A B B B (none) A A.
    const float A[3] = {1, 0, 0}, B[3] = {0, 1, 0};
    const int cores[8] = {1, 1, 2, 2, 2, 0, 1, 1};
    const auto cor = [&](int r, float c[3]) {
        if (cores[r] == 0) return false;
        std::copy(cores[r] == 1 ? A : B, (cores[r] == 1 ? A : B) + 3, c);
        return true;
    };
    std::vector<std::array<int, 3>> corridas;
    const auto emite = [&](int p, int u, const float* c) { corridas.push_back({p, u, c[0] == 1 ? 1 : 2}); };
    trechosPlanos(cor, 0, 8, 3, 4, emite); // only column 3 shows: run B, whole
    EXPECT_EQ(corridas, (std::vector<std::array<int, 3>>{{2, 4, 2}}));
    corridas.clear();
    trechosPlanos(cor, 0, 8, 1, 7, emite); // the runs it reaches, none cut, no echo skipped
    EXPECT_EQ(corridas, (std::vector<std::array<int, 3>>{{0, 1, 1}, {2, 4, 2}, {6, 7, 1}}));
    corridas.clear();
    trechosPlanos(cor, 1, 7, 1, 7, emite); // runs end where the drawn columns do
    EXPECT_EQ(corridas, (std::vector<std::array<int, 3>>{{1, 1, 1}, {2, 4, 2}, {6, 6, 1}}));
}

TEST(CoresDaTabela, IndicesPorGeracaoECorridasLongeDasBordas) {
    inciaCores();
    auto m = std::make_unique<Matriz>();
    // 30 dBZ everywhere from gate 0 to 1999, but no echo in row 5.
    std::vector<float> valores(static_cast<std::size_t>(N_AZIMUTES) * N_RAIOS, 30.0f);
    std::fill(valores.begin() + 5 * N_RAIOS, valores.begin() + 6 * N_RAIOS, VALOR_SEM_ECO);
    m->carregaTabela(valores, 0, N_RAIOS - 1);
    const CoresDaTabela* c = CoresDaTabela::da(*m, 1, COR_MEDIO);
    ASSERT_NE(c, nullptr);
    float cor[3];
    ASSERT_TRUE(c->cor(0, 100, cor));
    EXPECT_FLOAT_EQ(cor[0], cores[indiceMedio(30)].R / 255.0f);
    EXPECT_FALSE(c->cor(5, 100, cor));
    EXPECT_EQ(CoresDaTabela::da(*m, 1, -1), nullptr); // a mode outside the list is not kept

    // A view of 20 wedges from azimuth 350, columns 10..99: runs in every
    // inner wedge with echo on both sides, none in the first or last wedge,
    // none on the first or last column.
    std::vector<Colunas> visiveis(20, Colunas{10, 100});
    const std::vector<Trecho> trechos = trechosDaVista(*c, visiveis, 350, 20, 10, 100);
    std::vector<int> comTrecho;
    for (const Trecho& t : trechos) {
        EXPECT_GE(t.de, 11);
        EXPECT_LE(t.ate, 99);
        EXPECT_GE(t.ate - t.de, 2);
        if (comTrecho.empty() || comTrecho.back() != t.k) comTrecho.push_back(t.k);
    }
    std::vector<int> esperados;
    for (int k = 1; k < 19; ++k)
        if ((350 + k) % N_AZIMUTES != 4 && (350 + k) % N_AZIMUTES != 5)
            esperados.push_back(k); // 4 to 5 and 5 to 6 touch no echo
    EXPECT_EQ(comTrecho, esperados);

    // The scan read anew (a new generation) is not served from the kept indices.
    std::fill(valores.begin(), valores.end(), 50.0f);
    m->carregaTabela(valores, 0, N_RAIOS - 1);
    c = CoresDaTabela::da(*m, 1, COR_MEDIO);
    ASSERT_TRUE(c->cor(5, 100, cor));
    EXPECT_FLOAT_EQ(cor[0], cores[indiceMedio(50)].R / 255.0f);
}

TEST(Recorte, QuadDaCorridaCobreSuasCelulasComFolga) {
    const Visivel v = janelaDaVista(8, 0.3, 0.3);
    double qx[4], qy[4];
    quadDoTrecho(v, 1, 45, 800, 900, qx, qy);
    const TabelaDeAngulos& t = angulosDasCunhas();
    double px[4], py[4], gx[4], gy[4];
    v.emPixels(800, 900, t.cosCentro[45], t.senCentro[45], t.cosCentro[46], t.senCentro[46], px, py);
    for (int k = 0; k < 4; ++k) gx[k] = v.ax * qx[k] + v.bx, gy[k] = v.ay * qy[k] + v.by;
    // Each corner moves outwards by about the margin along both edges.
    for (int k = 0; k < 4; ++k) {
        const double d = std::hypot(gx[k] - px[k], gy[k] - py[k]);
        EXPECT_GT(d, Visivel::FOLGA * 0.99);
        EXPECT_LT(d, Visivel::FOLGA * 3);
        const double cx = (px[0] + px[1] + px[2] + px[3]) / 4, cy = (py[0] + py[1] + py[2] + py[3]) / 4;
        EXPECT_GT(std::hypot(gx[k] - cx, gy[k] - cy), std::hypot(px[k] - cx, py[k] - cy));
    }
}
