// The profile graph and the numeric table in the main window, the side
// panel's background and colour legend, and the minimap's mark of the view.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "ambiente.h"
#include "cores.h"
#include "estado.h"
#include "glauxiliar.h"
#include "matriz.h"
#include "selecoes.h"

namespace {

using Cor = std::function<bool(Pixel)>;
Cor igual(Pixel esperado, int tolerancia = 2) { return [=](Pixel p) { return cores_proximas(p, esperado, tolerancia); }; }
Pixel daPaleta(int k) { return {cores[k].R, cores[k].G, cores[k].B}; }
const Pixel PRETO{0, 0, 0}, BRANCO{255, 255, 255}, CINZA{128, 128, 128}, CIANO{0, 255, 255};
const Pixel SEM_DADOS{153, 153, 153}, MAGENTA{237, 38, 237}, AMARELO{255, 240, 0}; // 30 dBZ: entry 17

// Main window (640 x 640): view frame to columns and rows from the top.
int col(double xv) { return static_cast<int>(std::floor((xv + 1) * 320)); }
int lin(double yv) { return static_cast<int>(std::floor((1 - yv) * 320)); }
// Pixels of a colour in columns c0..c1, rows r0..r1 of the main window's
// last frame (no Quadro) or of a panel or minimap frame.
int conta(const Quadro* q, int c0, int r0, int c1, int r1, const Cor& cor) {
    int n = 0;
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c) n += cor(q ? q->em(c, r) : pixelLido(c, r));
    return n;
}
int conta(int c0, int r0, int c1, int r1, const Cor& cor) { return conta(nullptr, c0, r0, c1, r1, cor); }
int conta(const Quadro& q, int c0, int r0, int c1, int r1, const Cor& cor) { return conta(&q, c0, r0, c1, r1, cor); }
bool perto(double xv, double yv, const Cor& cor, int d = 2) {
    return conta(col(xv) - d, lin(yv) - d, col(xv) + d, lin(yv) + d, cor) > 0;
}
// The panel's and the minimap's frames span -1..1 across the window.
bool perto(const Quadro& q, double xv, double yv, const Cor& cor, int d = 1) {
    const int c = static_cast<int>(std::floor((xv + 1) * q.largura / 2));
    const int r = static_cast<int>(std::floor((1 - yv) * q.altura / 2));
    return conta(q, c - d, r - d, c + d, r + d, cor) > 0;
}

struct Esquema {
    nivelColoridoTipo nivel;
    Pixel fundo, texto;
    bool colorido; // curve and cells in the colour of their values
};
const Esquema ESQUEMAS[] = {{PRETO_E_BRANCO, BRANCO, PRETO, false},
                            {BRANCO_E_PRETO, PRETO, BRANCO, false},
                            {COLORIDO_E_PRETO, PRETO, BRANCO, true},
                            {COLORIDO_E_BRANCO, BRANCO, PRETO, true}};

class Paineis : public ::testing::Test {
protected:
    void SetUp() override {
        reiniciaMantendoTamanho();
        lugar = UNK;
    }
    void TearDown() override { reiniciaMantendoTamanho(); }
    static void perfil(bool radial, unsigned a, unsigned b, unsigned c) {
        estado = EXIBE_GRAFICO, isLinha = radial;
        selecao[0] = a, selecao[1] = b, selecao[2] = c;
    }
};

} // namespace

TEST_F(Paineis, GraficoFundoGradeECurvaPorEsquema) {
    // Arc at gate 500 over azimuths 350..10: 30 dBZ (y = 0.1) at samples 7..13
    // (x -0.3..0.3), no data elsewhere (drawn below the bottom edge).
    perfil(false, 350, 10, 500);
    for (const Esquema& e : ESQUEMAS) {
        SCOPED_TRACE(e.nivel);
        nivelColorido = e.nivel;
        renderiza();
        EXPECT_EQ(tipo_referencia, 1);
        EXPECT_TRUE(cores_proximas(pixelLido(col(0.5), lin(0.2)), e.fundo)) << texto(pixelLido(col(0.5), lin(0.2)));
        EXPECT_TRUE(cores_proximas(pixelLido(col(-0.6), lin(0.6)), e.fundo));
        for (double y : {-0.5, -0.1, 0.3, 0.7}) EXPECT_TRUE(perto(0.6, y, igual(e.texto), 1)) << y;
        for (double y : {-0.3, 0.1, 0.5, 0.9}) EXPECT_TRUE(perto(0.6, y, igual(CINZA), 1)) << y;
        // Labels above their lines at the left edge: "20 dBZ" and "30 dBZ".
        EXPECT_GT(conta(0, lin(-0.05) - 12, 45, lin(-0.05) + 1, igual(e.texto)), 5);
        EXPECT_GT(conta(0, lin(0.15) - 12, 45, lin(0.15) + 1, igual(CINZA)), 5);
        // Rising edge into the data and falling edge out of it, between grid
        // lines; flat shading gives a segment the colour of its second sample.
        const Pixel curva = e.colorido ? AMARELO : e.texto;
        EXPECT_TRUE(perto(-0.3446, -0.4, igual(curva), 3));
        EXPECT_TRUE(perto(0.3446, -0.4, igual(e.colorido ? CIANO : e.texto), 3));
        EXPECT_TRUE(perto(0, 0.1, igual(curva))); // drawn over the 30 dBZ grid line
        EXPECT_FALSE(perto(0.6, 0.1, igual(curva)));
    }
}

TEST_F(Paineis, GraficoAmostrasNaAlturaDoValor) {
    // Radial along azimuth 180, gates 300..500: no data up to 399, then 10 dBZ
    // (palette entry 9) at y = -0.3; the jump is the segment to sample 100, x = 0.
    perfil(true, 300, 500, 180);
    const Cor verde = igual(daPaleta(9));
    renderiza();
    EXPECT_TRUE(perto(-0.003, -0.4, verde));
    EXPECT_TRUE(perto(-0.003, -0.8, verde));
    EXPECT_FALSE(perto(-0.5, -0.4, verde));
    EXPECT_TRUE(perto(0.5, -0.3, verde));   // over the 10 dBZ grid line
    EXPECT_FALSE(perto(-0.5, -0.3, verde)); // only the grey line there
    EXPECT_TRUE(perto(-0.5, -0.3, igual(CINZA)));
    // Slid 50 gates out and turned to azimuth 270 (60 dBZ, entry 29, y = 0.7):
    // the data now starts at sample 50, x = -0.5.
    ajusteR = 50, ajusteA = 90;
    renderiza();
    const Cor magenta = igual(daPaleta(29));
    EXPECT_TRUE(perto(-0.503, -0.4, magenta));
    EXPECT_FALSE(perto(-0.003, -0.4, magenta));
    EXPECT_TRUE(perto(0.5, 0.7, magenta));
    EXPECT_FALSE(perto(0.5, -0.3, verde));
    // Angular arc slid by ajusteA 10: azimuths 0..20, data only at samples 0..3.
    perfil(false, 350, 10, 500);
    ajusteR = 0, ajusteA = 10;
    renderiza();
    EXPECT_TRUE(perto(-0.85, 0.1, igual(AMARELO)));
    EXPECT_FALSE(perto(0, 0.1, igual(AMARELO)));
    // A one-gate radial draws its 30 dBZ sample across the whole graph.
    perfil(true, 500, 500, 0);
    ajusteA = 0;
    renderiza();
    for (double x : {-0.97, -0.5, 0.0, 0.5, 0.97}) EXPECT_TRUE(perto(x, 0.1, igual(AMARELO))) << x;
}

TEST_F(Paineis, GraficoSeguraOPerfilNoAlcance) {
    // This scan's range is 0..999.
    const struct {
        bool radial;
        unsigned a, b, c;
        int ajusteR, ajusteA, esperado;
    } casos[] = {
        {true, 900, 999, 0, 5, 0, 0},         {true, 0, 100, 0, -1, 0, 0},
        {true, 500, 600, 0, 5, 0, 5},         {true, 800, 950, 90, 100, 0, 49},
        {false, 350, 10, 999, 3, 0, 0},       {false, 350, 10, 0, -2, 0, 0},
        {false, 350, 10, 500, 7, 0, 7},
        // Far offsets read nothing outside the table.
        {true, 0, 999, 0, 100000, -100000, 0}, {false, 350, 10, 500, -100000, 1000000, -500},
    };
    for (const auto& c : casos) {
        perfil(c.radial, c.a, c.b, c.c);
        ajusteR = c.ajusteR, ajusteA = c.ajusteA;
        renderiza();
        EXPECT_EQ(ajusteR, c.esperado) << c.radial << " " << c.a << ".." << c.b << " " << c.c << " + " << c.ajusteR;
    }
}

namespace {

// Numeric table cell (column i 1..14, row j 1..30): its raster position in
// the main window and the pixels of its text that differ from the background.
int xCelula(int i) { return col(0.13125 * i - 0.9515625); }
int yCelula(int j) { return lin(0.9375 - 0.0625 * j); }
struct Letras {
    int total = 0, daCor = 0;
};
Letras letrasDaCelula(int i, int j, Pixel fundo, Pixel cor) {
    Letras l;
    for (int r = yCelula(j) - 12; r <= yCelula(j) + 1; ++r)
        for (int c = xCelula(i) - 1; c <= xCelula(i) + 38; ++c) {
            const Pixel p = pixelLido(c, r);
            if (cores_proximas(p, fundo)) continue;
            ++l.total;
            l.daCor += cores_proximas(p, cor);
        }
    return l;
}

} // namespace

TEST_F(Paineis, TabelaCoresPorEsquema) {
    // Columns show azimuths 355..8 (the north wedge, 357..3, in columns 3..9),
    // rows gates 395..424 (the wedge starts at row 6).
    estado = EXIBE_NUMEROS, primeiroRaio = 395, primeiroAngulo = 355;
    for (const Esquema& e : ESQUEMAS) {
        SCOPED_TRACE(e.nivel);
        nivelColorido = e.nivel;
        renderiza();
        EXPECT_EQ(tipo_referencia, 3);
        EXPECT_EQ(ajusteR, 0);
        // Blank strip below the baseline of row 5, and the header row's text.
        EXPECT_EQ(conta(0, yCelula(5) + 4, 639, yCelula(5) + 8, [&](Pixel p) { return !cores_proximas(p, e.fundo); }), 0);
        EXPECT_GT(conta(0, yCelula(0) - 12, 639, yCelula(0) + 1, igual(e.texto)), 30);
        EXPECT_GT(conta(0, yCelula(1) - 12, 50, yCelula(1) + 1, igual(e.texto)), 10); // row header
        const struct {
            int i, j;
            Pixel cor;
        } celulas[] = {{3, 6, AMARELO}, {9, 30, AMARELO}, {2, 6, SEM_DADOS}, {10, 6, SEM_DADOS}, {3, 5, SEM_DADOS}};
        for (const auto& c : celulas) {
            const Letras l = letrasDaCelula(c.i, c.j, e.fundo, e.colorido ? c.cor : e.texto);
            EXPECT_GT(l.total, 5) << c.i << "," << c.j;
            EXPECT_EQ(l.daCor, l.total) << c.i << "," << c.j;
        }
    }
}

TEST_F(Paineis, TabelaSeguraAsLinhasNoAlcance) {
    estado = EXIBE_NUMEROS;
    const struct {
        int primeiroRaio, ajusteR, esperado;
    } casos[] = {{-5, 0, 5},     {990, 0, -20}, {1990, 0, -1020}, {400, 5, 5},
                 {980, 15, -10}, {-5000, 0, 5000}, {970, 0, 0},   {971, 0, -1}};
    for (const auto& c : casos) {
        primeiroRaio = c.primeiroRaio, ajusteR = c.ajusteR;
        renderiza();
        EXPECT_EQ(ajusteR, c.esperado) << c.primeiroRaio << " + " << c.ajusteR;
    }
    // The offset moves the rows: gates 785..814, data up to 799 (row 15).
    primeiroRaio = 780, ajusteR = 5, primeiroAngulo = -1000, ajusteA = 1000; // column 1 is azimuth 0
    renderiza();
    for (int j : {15, 16}) {
        const Letras l = letrasDaCelula(1, j, PRETO, j == 15 ? AMARELO : SEM_DADOS);
        EXPECT_GT(l.total, 5) << j;
        EXPECT_EQ(l.daCor, l.total) << j;
    }
}

TEST_F(Paineis, PainelDeFundoPretoEmTodoEsquema) {
    for (const Esquema& e : ESQUEMAS) {
        nivelColorido = e.nivel;
        const Quadro q = quadroDoPainel();
        ASSERT_EQ(q.largura, 160);
        ASSERT_EQ(q.altura, 640);
        for (const auto& p : {q.em(150, 20), q.em(150, 300), q.em(5, 630), q.em(150, 630)})
            EXPECT_TRUE(cores_proximas(p, PRETO)) << e.nivel << " " << texto(p);
        EXPECT_GT(conta(q, 0, 0, 159, 80, igual(BRANCO)), 100) << e.nivel; // the settings lines
        EXPECT_GT(conta(q, 0, 130, 159, 200, igual(BRANCO)), 100) << e.nivel; // time, date, site
    }
}

TEST_F(Paineis, PainelLegendaPorModo) {
    // Row i of the legend: pixel rows 566 - 10 i (top) to 575 - 10 i (bottom),
    // box in columns 64..95, labels from column 32 (white) and 100 (row colour).
    auto minimo = [](int i) { return i <= 4 ? 1 : i <= 14 ? 13 : i <= 22 ? 16 : i <= 28 ? 26 : 30; };
    auto mistura = [](int i, double t) {
        auto c = [t](int a, int b) { return static_cast<int>(std::lround(a + t * (b - a))); };
        return Pixel{c(cores[i].R, cores[i + 1].R), c(cores[i].G, cores[i + 1].G), c(cores[i].B, cores[i + 1].B)};
    };
    for (coloridoEscolha modo : {COR_MEDIO, COR_MINIMO, COR_MAXIMO}) {
        coresSuave = modo;
        const Quadro q = quadroDoPainel();
        for (int i = 0; i < 32; ++i) {
            SCOPED_TRACE(testing::Message() << modo << " row " << i);
            const int topo = 566 - 10 * i, base = 575 - 10 * i;
            const Pixel linha = daPaleta(modo == COR_MINIMO ? minimo(i) : i);
            if (modo == COR_MAXIMO) {
                EXPECT_TRUE(cores_proximas(q.em(80, base), mistura(i, 0.05), 3)) << texto(q.em(80, base));
                EXPECT_TRUE(cores_proximas(q.em(80, topo), mistura(i, 0.95), 3)) << texto(q.em(80, topo));
            } else {
                EXPECT_TRUE(cores_proximas(q.em(80, topo + 5), linha)) << texto(q.em(80, topo + 5));
            }
            EXPECT_GT(conta(q, 30, topo - 2, 62, base, igual(BRANCO)), 3);
            EXPECT_GT(conta(q, 99, topo - 2, 140, base, igual(linha)), 3);
        }
    }
    // Grey scale: one ramp from black at y = -0.8 (row 576) to white at 0.2
    // (row 256), framed in white.
    coresSuave = COR_BRILHO;
    Quadro q = quadroDoPainel();
    for (int r : {260, 300, 400, 500, 570}) {
        const int g = static_cast<int>(std::lround((1 - (r + 0.5) / 320 + 0.8) * 255));
        EXPECT_TRUE(cores_proximas(q.em(80, r), {g, g, g}, 3)) << r << " " << texto(q.em(80, r));
    }
    EXPECT_GT(conta(q, 63, 550, 64, 550, igual(BRANCO)), 0);
    EXPECT_GT(conta(q, 95, 550, 96, 550, igual(BRANCO)), 0);
    EXPECT_GT(conta(q, 80, 575, 80, 576, igual(BRANCO)), 0);
    EXPECT_GT(conta(q, 99, 256, 140, 265, igual({248, 248, 248})), 3); // label of row 31
    // A mode outside the four draws no legend at all.
    coresSuave = static_cast<coloridoEscolha>(7);
    q = quadroDoPainel();
    EXPECT_EQ(conta(q, 0, 250, 159, 580, [](Pixel p) { return !cores_proximas(p, PRETO); }), 0);
}

TEST_F(Paineis, MinimapaMarcaOZoom) {
    zoomSimples(0.5, -0.25, -0.25);
    estado = EXIBE_ZOOM;
    renderiza();
    ASSERT_EQ(tipo_referencia, 2);
    Quadro q = quadroDoMinimapa();
    ASSERT_EQ(q.largura, 320);
    ASSERT_EQ(q.altura, 320);
    for (double t : {-0.1, 0.1}) {
        EXPECT_TRUE(perto(q, 0.25, t, igual(MAGENTA))) << t; // x = 0.25 is column 200
        EXPECT_TRUE(perto(q, -0.25, t, igual(MAGENTA))) << t;
        EXPECT_TRUE(perto(q, t, 0.25, igual(MAGENTA))) << t;
        EXPECT_TRUE(perto(q, t, -0.25, igual(MAGENTA))) << t;
    }
    // Only the outline: four sides of 80 pixels.
    EXPECT_NEAR(conta(q, 0, 0, 319, 319, igual(MAGENTA)), 320, 12);
    // The full disc and the graph mark nothing.
    for (EstadosPossiveis e : {ESPERA, EXIBE_GRAFICO}) {
        estado = e;
        renderiza();
        q = quadroDoMinimapa();
        EXPECT_EQ(conta(q, 0, 0, 319, 319, igual(MAGENTA)), 0) << e;
    }
}

TEST_F(Paineis, MinimapaMarcaOSetorComOsAjustes) {
    // Sector of polar angles 80..100, gates 1200..1800.
    raioItemp = 1200, raioFtemp = 1800, anguloItemp = 80, anguloFtemp = 100;
    auto x = [](double r, double a) { return r / 2000 * std::cos(a * M_PI / 180); };
    auto y = [](double r, double a) { return r / 2000 * std::sin(a * M_PI / 180); };
    const struct {
        int ajusteA, ajusteR;
        double comRadial[2], semRadial[2], comArco[2], semArco[2]; // angles at gate 1500; gates at 90 degrees
    } casos[] = {{0, 0, {80, 100}, {85, 105}, {1200, 1800}, {1000, 1600}},
                 {5, 0, {85, 105}, {80, 100}, {1200, 1800}, {1000, 1600}},
                 {0, -200, {80, 100}, {85, 105}, {1000, 1600}, {1200, 1800}}};
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << c.ajusteA << " " << c.ajusteR);
        ajusteA = c.ajusteA, ajusteR = c.ajusteR, tipo_referencia = 3;
        const Quadro q = quadroDoMinimapa();
        for (int k = 0; k < 2; ++k) {
            EXPECT_TRUE(perto(q, x(1500, c.comRadial[k]), y(1500, c.comRadial[k]), igual(MAGENTA))) << c.comRadial[k];
            EXPECT_FALSE(perto(q, x(1500, c.semRadial[k]), y(1500, c.semRadial[k]), igual(MAGENTA))) << c.semRadial[k];
            EXPECT_TRUE(perto(q, x(c.comArco[k], 95), y(c.comArco[k], 95), igual(MAGENTA))) << c.comArco[k];
            EXPECT_FALSE(perto(q, x(c.semArco[k], 95), y(c.semArco[k], 95), igual(MAGENTA))) << c.semArco[k];
        }
    }
    for (int tipo : {0, 1}) {
        tipo_referencia = tipo;
        EXPECT_EQ(conta(quadroDoMinimapa(), 0, 0, 319, 319, igual(MAGENTA)), 0) << tipo;
    }
}
