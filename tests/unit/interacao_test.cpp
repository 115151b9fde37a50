// Interaction: pixel to view, mouse by state, selection completions, keys,
// menu commands, settings, pointer readout and the region of a text export.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "cores.h"
#include "estado.h"
#include "interacao.h"
#include "matriz.h"
#include "selecoes.h"

namespace {

// GLUT codes of the arrow keys and of F1 (a special key that is not an arrow).
constexpr int ESQ = 100, CIMA = 101, DIR = 102, BAIXO = 103, F1 = 1;

// Value of the test scan at azimuth a, gate g (".5" keeps every token non-zero).
float valor(int a, int g) { return static_cast<float>((3 * a + g) % 60) + 0.5f; }

// The global scan, loaded once: 360 blocks of 1000 gates from gate 0, the first
// header at 359 so block k lands in row k; raioFinal is then 999.
void carregaVarredura() {
    static bool pronto = false;
    if (pronto) return;
    pronto = true;
    std::string texto = "preambulo\n";
    for (int a = 0; a < 360; ++a) {
        texto += "# Az: " + std::to_string(a == 0 ? 359 : a - 1) + " graus\n";
        for (int g = 0; g < 1000; ++g) texto += std::to_string((3 * a + g) % 60) + ".5 ";
        texto += "\n";
    }
    matriz.setRaioInicial("0");
    std::istringstream in(texto);
    matriz.leVarredura(in);
}

struct P {
    float x, y;
};
// Point at `graus` counter-clockwise from east, distance r.
P polar(double graus, double r) {
    const double t = graus * 3.14159265358979 / 180;
    return {static_cast<float>(r * std::cos(t)), static_cast<float>(r * std::sin(t))};
}
unsigned arrasta(P a, P b) {
    trataBotaoEsquerdo(true, a.x, a.y);
    return trataBotaoEsquerdo(false, b.x, b.y);
}
void poeVista(EstadosPossiveis e, float escala, float x, float y) { estado = e, escalaGlobal = escala, xZero = x, yZero = y; }
void poeSalva(EstadosPossiveis e, float escala, float x, float y) {
    estadoAnterior = e, escalaGlobalOld = escala, xZeroOld = x, yZeroOld = y;
}
void confereVista(EstadosPossiveis e, float escala, float x, float y) {
    EXPECT_EQ(estado, e);
    EXPECT_FLOAT_EQ(escalaGlobal, escala);
    EXPECT_NEAR(xZero, x, 1e-6);
    EXPECT_NEAR(yZero, y, 1e-6);
}
void confereSalva(EstadosPossiveis e, float escala, float x, float y) {
    EXPECT_EQ(estadoAnterior, e);
    EXPECT_EQ(escalaGlobalOld, escala);
    EXPECT_EQ(xZeroOld, x);
    EXPECT_EQ(yZeroOld, y);
}
std::vector<unsigned> setor() { return {pontos[0][0], pontos[0][1], pontos[1][0], pontos[1][1], abertura}; }

class Interacao : public ::testing::Test {
protected:
    static void SetUpTestSuite() { carregaVarredura(); }
    void SetUp() override { reiniciaEstado(); }
    void TearDown() override { reiniciaEstado(); }
};
class ConversaoPixel : public Interacao {};
class Estados : public Interacao {};
class Completa : public Interacao {};
class Teclas : public Interacao {};
class Comandos : public Interacao {};
class ComandosDeathTest : public Interacao {};
class LeituraPonteiro : public Interacao {};
class Reinicio : public Interacao {};

const EstadosPossiveis TODOS[] = {ESPERA, SELECIONA_FATIA, EXIBE_ZOOM, SELECIONA_ZOOM,
                                  SELECIONA_ZOOM_DE_CORTE, EXIBE_FATIA, SELECIONA_GRAFICO, EXIBE_GRAFICO,
                                  SELECIONA_CORTE_DE_ZOOM, SELECIONA_CENTRO, SELECIONA_NUMEROS, EXIBE_NUMEROS};
// States whose view goes through the view transform (pan, readout).
const EstadosPossiveis TRANSFORMADOS[] = {EXIBE_ZOOM, SELECIONA_ZOOM, SELECIONA_ZOOM_DE_CORTE, EXIBE_FATIA,
                                          SELECIONA_GRAFICO, SELECIONA_CORTE_DE_ZOOM, SELECIONA_CENTRO,
                                          SELECIONA_NUMEROS};

} // namespace

// The edges of the square convert to exactly +-1 (inside); margin clicks fall outside.
TEST_F(ConversaoPixel, JanelasQuadradaLargaEAlta) {
    const struct {
        unsigned w, h;
        int x, y, margem; // margin of the longer side (mXI when wide, mYI when tall)
        float xv, yv;
        bool dentro;
    } casos[] = {
        {640, 640, 320, 320, 0, 1.0f / 639, -1.0f / 639, true},
        {640, 640, 0, 639, 0, -1, -1, true},
        {800, 600, 100, 0, 100, -1, 1, true},
        {800, 600, 699, 599, 100, 1, -1, true},
        {800, 600, 50, 300, 100, -1 - 100.0f / 599, 2.0f * 299 / 599 - 1, false},
        {800, 600, 700, 300, 100, 2.0f * 600 / 599 - 1, 2.0f * 299 / 599 - 1, false},
        {600, 800, 0, 100, 100, -1, 1, true},
        {600, 800, 599, 699, 100, 1, -1, true},
        {600, 800, 300, 50, 100, 2.0f * 300 / 599 - 1, 2.0f * 649 / 599 - 1, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h) + " " + std::to_string(c.x) + "," +
                     std::to_string(c.y));
        int mx = -7, my = -7;
        float xv = 9, yv = 9;
        ASSERT_TRUE(pixelParaVista(c.x, c.y, c.w, c.h, mx, my, xv, yv));
        EXPECT_EQ(c.w > c.h ? mx : my, c.margem);
        EXPECT_NEAR(xv, c.xv, 1e-6);
        EXPECT_NEAR(yv, c.yv, 1e-6);
        EXPECT_EQ(dentroDoQuadrado(xv, yv), c.dentro);
    }
    int mx, my; // a window with no usable size
    float xv, yv;
    EXPECT_FALSE(pixelParaVista(0, 0, 1, 1, mx, my, xv, yv));
    EXPECT_FALSE(pixelParaVista(0, 0, 1, 640, mx, my, xv, yv));
    EXPECT_FALSE(pixelParaVista(0, 0, 640, 1, mx, my, xv, yv));
}

TEST_F(Estados, PressionarIniciaArrastoNosEstadosDeSelecao) {
    const struct { EstadosPossiveis e; int kind; } casos[] = {
        {SELECIONA_FATIA, 2}, {SELECIONA_ZOOM, 1}, {SELECIONA_ZOOM_DE_CORTE, 1}, {SELECIONA_GRAFICO, 3}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.e);
        reiniciaEstado();
        estado = c.e;
        EXPECT_EQ(trataBotaoEsquerdo(true, 0.1f, 0.2f), NENHUM);
        EXPECT_EQ(estado, c.e);
        EXPECT_EQ(figure.kind, c.kind);
        EXPECT_TRUE(tracking);
        EXPECT_EQ(contaPontos + contaPontosReta, 2u);
        EXPECT_EQ(xSelecaoInicial, 0.1f);
        EXPECT_EQ(ySelecaoAtual, 0.2f);
    }
    reiniciaEstado(); // SELECIONA_CORTE_DE_ZOOM ignores the button
    poeVista(SELECIONA_CORTE_DE_ZOOM, 1, 0, 0);
    poeSalva(EXIBE_FATIA, 3, 0.1f, 0.1f);
    EXPECT_EQ(trataBotaoEsquerdo(true, 0.1f, 0.1f) | trataBotaoEsquerdo(false, 0.4f, 0.4f), NENHUM);
    confereVista(SELECIONA_CORTE_DE_ZOOM, 1, 0, 0);
    confereSalva(EXIBE_FATIA, 3, 0.1f, 0.1f);
    EXPECT_EQ(figure.kind, 0);
    EXPECT_FALSE(tracking);
}

TEST_F(Estados, PressionarNasVistasRestaura) {
    for (EstadosPossiveis e : {ESPERA, EXIBE_ZOOM, EXIBE_FATIA, EXIBE_GRAFICO, EXIBE_NUMEROS}) {
        SCOPED_TRACE(e);
        reiniciaEstado();
        poeVista(e, 8, 0.3f, 0.3f);
        poeSalva(EXIBE_ZOOM, 4, 0.25f, -0.1f);
        EXPECT_EQ(trataBotaoEsquerdo(false, 0.5f, 0.5f), NENHUM); // a release does nothing
        confereVista(e, 8, 0.3f, 0.3f);
        EXPECT_EQ(trataBotaoEsquerdo(true, 0.5f, 0.5f), PRINCIPAL);
        confereVista(EXIBE_ZOOM, 4, 0.25f, -0.1f);
        confereSalva(ESPERA, 1, 0, 0);
    }
    reiniciaEstado(); // right after start-up a press changes nothing
    trataBotaoEsquerdo(true, 0.3f, -0.2f);
    confereVista(ESPERA, 1, 0, 0);
}

// "Voltar" then a click brings the zoom back; another click the full view.
TEST_F(Estados, VoltarEClicarAlternam) {
    poeVista(EXIBE_ZOOM, 4, 0.25f, 0.25f);
    EXPECT_EQ(comandoPrincipal(2), NENHUM);
    confereVista(ESPERA, 1, 0, 0);
    confereSalva(EXIBE_ZOOM, 4, 0.25f, 0.25f);
    trataBotaoEsquerdo(true, 0, 0);
    confereVista(EXIBE_ZOOM, 4, 0.25f, 0.25f);
    trataBotaoEsquerdo(true, 0, 0);
    confereVista(ESPERA, 1, 0, 0);
}

TEST_F(Estados, Recentrar) {
    poeVista(SELECIONA_CENTRO, 4, 0.25f, 0.25f);
    estadoAnterior = EXIBE_ZOOM;
    EXPECT_EQ(trataBotaoEsquerdo(false, 0.4f, -0.2f), NENHUM); // a release does nothing
    EXPECT_EQ(estado, SELECIONA_CENTRO);
    EXPECT_EQ(trataBotaoEsquerdo(true, 0.4f, -0.2f), NENHUM); // no redraw request
    confereVista(EXIBE_ZOOM, 4, 0.35f, 0.2f);
    // "Deslocar Bolacha" chosen twice: the click leaves the state at SELECIONA_CENTRO.
    poeVista(EXIBE_FATIA, 2, 0, 0);
    comandoVisualizar(2);
    comandoVisualizar(2);
    trataBotaoEsquerdo(true, 0.5f, 0.5f);
    confereVista(SELECIONA_CENTRO, 2, 0.25f, 0.25f);
}

TEST_F(Completa, Setor) {
    // -10.3 degrees reads as polar 350, -80.3 as 280.
    const struct { P a, b; std::vector<unsigned> esperado; } casos[] = {
        {polar(10.2, 0.25), polar(-10.3, 0.5), {350, 496, 10, 996, 20}},
        {polar(-10.3, 0.5), polar(10.2, 0.25), {350, 496, 10, 996, 20}},
        // 180 apart: the press point's angle stays first.
        {polar(100.2, 0.25), polar(-80.3, 0.3), {100, 496, 280, 596, 180}},
        {polar(-80.3, 0.25), polar(100.2, 0.3), {280, 496, 100, 596, 180}},
        // Gate - 4 kept inside 0..1999.
        {polar(45.2, 0.001), polar(135.2, 0.25), {45, 0, 135, 496, 90}},
        {polar(45.2, 0.002), polar(135.2, 1.002), {45, 0, 135, 1999, 90}},
        {polar(45.2, 0.0025), polar(135.2, 1.0015), {45, 1, 135, 1999, 90}},
        {polar(45.2, 1.5), polar(135.2, 0.25), {45, 496, 135, 1999, 90}},
    };
    for (const auto& c : casos) {
        reiniciaEstado();
        estado = SELECIONA_FATIA;
        EXPECT_EQ(arrasta(c.a, c.b), PRINCIPAL);
        EXPECT_EQ(setor(), c.esperado);
        EXPECT_EQ(estado, EXIBE_FATIA);
        EXPECT_EQ(contaPontos, 0u);
        EXPECT_EQ(figure.kind, 0);
        EXPECT_FALSE(tracking);
    }
    // The box of the first sector: arcs 350..10 at radii 0.248 and 0.498.
    reiniciaEstado();
    estado = SELECIONA_FATIA;
    arrasta(casos[0].a, casos[0].b);
    EXPECT_NEAR(xIntervalo, 0.253768, 1e-5);
    EXPECT_NEAR(yIntervalo, 0.172954, 1e-5);
    EXPECT_NEAR(xZero, 0.371116, 1e-5);
    EXPECT_NEAR(yZero, 0, 1e-5);
    // A release without its press (the click that chose the menu entry) selects
    // nothing, in every drag state; the drag that follows does.
    for (EstadosPossiveis e : {SELECIONA_FATIA, SELECIONA_ZOOM, SELECIONA_ZOOM_DE_CORTE, SELECIONA_GRAFICO}) {
        reiniciaEstado();
        estado = e;
        xSelecaoInicial = polar(30.2, 0.1).x;
        ySelecaoInicial = polar(30.2, 0.1).y;
        EXPECT_EQ(trataBotaoEsquerdo(false, polar(60.2, 0.2).x, polar(60.2, 0.2).y), NENHUM) << e;
        EXPECT_EQ(estado, e);
        EXPECT_EQ(arrasta(polar(30.2, 0.1), polar(60.2, 0.2)), PRINCIPAL) << e;
        EXPECT_NE(estado, e);
    }
    EXPECT_EQ(estado, EXIBE_GRAFICO);
}

TEST_F(Completa, CaixaDeUmQuartoDeDisco) {
    pontos[0][0] = 0, pontos[0][1] = 0, pontos[1][0] = 90, pontos[1][1] = 2000;
    abertura = 90;
    vetorDados();
    EXPECT_NEAR(xIntervalo, 1, 1e-6);
    EXPECT_NEAR(yIntervalo, 1, 1e-6);
    confereVista(ESPERA, 1, 0.5f, 0.5f);
    EXPECT_EQ(std::vector<float>({xMin, yMin, xMax, yMax}), std::vector<float>({2, 2, -2, -2}));
}

TEST_F(Completa, Zoom) {
    const struct {
        EstadosPossiveis e, fim;
        float escala0, x0, y0; // view under the drag
        P a, b;
        float qx, qy, escala, xz, yz;
    } casos[] = {
        {SELECIONA_ZOOM, EXIBE_ZOOM, 1, 0, 0, {-0.5f, 0.2f}, {0.5f, 0.3f}, -0.5f, 0.2f, 2, 0, 0.7f},
        {SELECIONA_ZOOM, EXIBE_ZOOM, 1, 0, 0, {0.5f, 0.3f}, {-0.5f, 0.2f}, -0.5f, 0.2f, 2, 0, 0.7f},
        {SELECIONA_ZOOM_DE_CORTE, EXIBE_FATIA, 1, 0, 0, {-0.5f, 0.2f}, {0.5f, 0.3f}, -0.5f, 0.2f, 2, 0, 0.7f},
        // A tall, thin drag: side 0.1 in SELECIONA_ZOOM, 0.8 over a sector.
        {SELECIONA_ZOOM, EXIBE_ZOOM, 1, 0, 0, {0, 0}, {0.1f, 0.8f}, 0, 0, 20, 0.05f, 0.05f},
        {SELECIONA_ZOOM_DE_CORTE, EXIBE_FATIA, 1, 0, 0, {0, 0}, {0.1f, 0.8f}, 0, 0, 2.5f, 0.4f, 0.4f},
        // Inside a zoomed view the corners go through the view transform.
        {SELECIONA_ZOOM, EXIBE_ZOOM, 2, 0.25f, -0.25f, {-0.5f, -0.5f}, {0.5f, 0.5f}, 0, -0.5f, 4, 0.25f, -0.25f},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::to_string(c.e) + " escala " + std::to_string(c.escala));
        reiniciaEstado();
        poeVista(c.e, c.escala0, c.x0, c.y0);
        EXPECT_EQ(arrasta(c.a, c.b), PRINCIPAL);
        confereVista(c.fim, c.escala, c.xz, c.yz);
        EXPECT_NEAR(quadradoZoom[0], c.qx, 1e-6);
        EXPECT_NEAR(quadradoZoom[1], c.qy, 1e-6);
        EXPECT_EQ(contaPontos, 0u);
        EXPECT_EQ(figure.kind, 0);
    }
    // A click without movement: no zoom, the degenerate square kept in the scan frame.
    reiniciaEstado();
    poeVista(SELECIONA_ZOOM, 2, 0.1f, 0.1f);
    arrasta({0.2f, 0.4f}, {0.2f, 0.4f}); // scan point (0.2, 0.3)
    confereVista(SELECIONA_ZOOM, 2, 0.1f, 0.1f);
    EXPECT_EQ(contaPontos, 0u);
    EXPECT_EQ(figure.kind, 1);
    for (float v : {figure.x0 - 0.2f, figure.y0 - 0.3f, figure.x1 - 0.2f, figure.y1 - 0.3f}) EXPECT_NEAR(v, 0, 1e-6);
    estado = SELECIONA_ZOOM_DE_CORTE;
    arrasta({-0.5f, 0.2f}, {0.5f, 0.2f}); // no height
    confereVista(SELECIONA_ZOOM_DE_CORTE, 2, 0.1f, 0.1f);
}

TEST_F(Completa, Perfil) {
    const struct {
        bool linha;
        EstadosPossiveis anterior;
        P a, b;
        std::vector<unsigned> selecao;
    } casos[] = {
        {true, ESPERA, polar(45.2, 0.1), polar(45.2, 0.3), {200, 600, 45}},
        {true, ESPERA, polar(45.2, 0.3), polar(45.2, 0.1), {200, 600, 45}},
        {true, ESPERA, polar(45.2, 0.1), polar(45.2, 0.75), {200, 999, 45}}, // clamped to raioFinal
        {true, ESPERA, polar(30.2, 0.25), polar(60.2, 0.25), {0, 999, 30}},  // one gate: whole range
        {false, ESPERA, polar(80.2, 0.2), polar(100.2, 0.35), {350, 10, 400}}, // azimuths 10, 350
        {false, ESPERA, polar(45.2, 0.1), polar(45.2, 0.2), {90, 180, 200}},
        // Under a zoom: scan (0.25, 0.25) and (0.35, 0.35).
        {true, EXIBE_ZOOM, {0, 0}, {0.4f, 0.4f}, {707, 990, 45}},
        // Over the full disc the points are scan points, whatever the scale.
        {true, SELECIONA_FATIA, {0, 0.05f}, {0, 0.15f}, {100, 300, 0}},
    };
    for (const auto& c : casos) {
        reiniciaEstado();
        isLinha = c.linha;
        poeVista(SELECIONA_GRAFICO, 4, 0.25f, 0.25f);
        estadoAnterior = c.anterior;
        EXPECT_EQ(arrasta(c.a, c.b), PRINCIPAL);
        EXPECT_EQ((std::vector<unsigned>{selecao[0], selecao[1], selecao[2]}), c.selecao);
        EXPECT_EQ(estado, EXIBE_GRAFICO);
        EXPECT_EQ(figure.kind, 0);
        EXPECT_EQ(contaPontosReta, 0u);
    }
}

// The clicked cell lands in the 16th row and the 7th column.
TEST_F(Completa, PosicaoDaTabela) {
    const struct { EstadosPossiveis anterior; P p; int raio, angulo; } casos[] = {
        {ESPERA, {0.005f, 0}, -5, 84},         // 10 gates from the radar
        {ESPERA, {0.25f, 0}, 485, 84},         // gate 500, azimuth 90
        {ESPERA, polar(87.2, 0.25), 485, 357}, // azimuth 3 wraps
        {EXIBE_ZOOM, {0, 0}, 692, 39},         // scan (0.25, 0.25): gate 707, azimuth 45
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.raio);
        reiniciaEstado();
        poeVista(SELECIONA_NUMEROS, 4, 0.25f, 0.25f);
        estadoAnterior = c.anterior;
        EXPECT_EQ(trataBotaoEsquerdo(false, c.p.x, c.p.y), NENHUM);
        EXPECT_EQ(estado, SELECIONA_NUMEROS);
        EXPECT_EQ(trataBotaoEsquerdo(true, c.p.x, c.p.y), PRINCIPAL);
        EXPECT_EQ(estado, EXIBE_NUMEROS);
        EXPECT_EQ(primeiroRaio, c.raio);
        EXPECT_EQ(primeiroAngulo, c.angulo);
    }
}

TEST_F(Teclas, TeclasDeCaractere) {
    estado = EXIBE_ZOOM;
    EXPECT_EQ(trataTecla('X') | trataTecla('a'), NENHUM);
    EXPECT_EQ(estado, EXIBE_ZOOM);
    EXPECT_EQ(coresSuave, COR_MEDIO);
    for (coloridoEscolha c : {COR_MAXIMO, COR_BRILHO, COR_MINIMO, COR_MEDIO}) {
        EXPECT_EQ(trataTecla('x'), PRINCIPAL | PAINEL);
        EXPECT_EQ(coresSuave, c);
    }
    poeSalva(EXIBE_FATIA, 3, 0.1f, 0.2f);
    EXPECT_EQ(trataTecla(27), PRINCIPAL);
    confereVista(EXIBE_FATIA, 3, 0.1f, 0.2f);
    confereSalva(ESPERA, 1, 0, 0);
    trataTecla(27);
    confereVista(ESPERA, 1, 0, 0);
}

// Pan step escalaGlobal * 0.00025 (0.001 at scale 4); none at scale 1 or over the full disc.
TEST_F(Teclas, SetasMovemAVista) {
    for (EstadosPossiveis e : TODOS) {
        if (e == EXIBE_GRAFICO || e == EXIBE_NUMEROS) continue;
        const bool move = e != ESPERA && e != SELECIONA_FATIA;
        for (float escala : {4.0f, 1.0f}) {
            SCOPED_TRACE(std::to_string(e) + " escala " + std::to_string(escala));
            reiniciaEstado();
            poeVista(e, escala, 0, 0);
            EXPECT_EQ(trataTeclaEspecial(DIR), PRINCIPAL | PAINEL);
            trataTeclaEspecial(DIR);
            const float s = move && escala > 1 ? 0.001f : 0;
            EXPECT_NEAR(xZero, 2 * s, 1e-7);
            for (int k : {ESQ, CIMA, BAIXO, BAIXO, F1}) EXPECT_EQ(trataTeclaEspecial(k), PRINCIPAL | PAINEL);
            confereVista(e, escala, s, -s);
            EXPECT_EQ(ajusteA + ajusteR, 0);
        }
    }
}

TEST_F(Teclas, SetasMovemTabelaEPerfil) {
    const struct { EstadosPossiveis e; bool linha; int tecla, dA, dR; } casos[] = {
        {EXIBE_NUMEROS, true, ESQ, -1, 0},  {EXIBE_NUMEROS, true, DIR, 1, 0},
        {EXIBE_NUMEROS, true, CIMA, 0, -1}, {EXIBE_NUMEROS, true, BAIXO, 0, 1},
        {EXIBE_GRAFICO, true, ESQ, 0, -1},  {EXIBE_GRAFICO, true, DIR, 0, 1},
        {EXIBE_GRAFICO, true, CIMA, 1, 0},  {EXIBE_GRAFICO, true, BAIXO, -1, 0},
        {EXIBE_GRAFICO, false, ESQ, -1, 0}, {EXIBE_GRAFICO, false, DIR, 1, 0},
        {EXIBE_GRAFICO, false, CIMA, 0, 1}, {EXIBE_GRAFICO, false, BAIXO, 0, -1},
        {EXIBE_NUMEROS, true, F1, 0, 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::to_string(c.e) + " linha " + std::to_string(c.linha) + " tecla " + std::to_string(c.tecla));
        reiniciaEstado();
        poeVista(c.e, 4, 0.1f, 0.1f);
        isLinha = c.linha;
        ajusteA = 10;
        ajusteR = 20;
        EXPECT_EQ(trataTeclaEspecial(c.tecla), PRINCIPAL | PAINEL);
        EXPECT_EQ(ajusteA, 10 + c.dA);
        EXPECT_EQ(ajusteR, 20 + c.dR);
        confereVista(c.e, 4, 0.1f, 0.1f); // no pan here
    }
}

// ajusteA keeps the sign of the dividend within -359..359; ajusteR is never reduced.
TEST_F(Teclas, AjusteAngularDaAVolta) {
    const struct { EstadosPossiveis e; bool linha; int antes, tecla, depois; } casos[] = {
        {EXIBE_NUMEROS, true, -359, ESQ, 0},    {EXIBE_NUMEROS, true, 359, DIR, 0},
        {EXIBE_NUMEROS, true, -358, ESQ, -359}, {EXIBE_GRAFICO, false, 359, DIR, 0},
        {EXIBE_GRAFICO, true, 359, CIMA, 0},    {EXIBE_GRAFICO, true, -359, BAIXO, 0},
        {EXIBE_NUMEROS, true, 400, F1, 40},     {EXIBE_GRAFICO, true, -400, F1, -40},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.antes);
        reiniciaEstado();
        estado = c.e;
        isLinha = c.linha;
        ajusteA = c.antes;
        trataTeclaEspecial(c.tecla);
        EXPECT_EQ(ajusteA, c.depois);
    }
    reiniciaEstado();
    estado = EXIBE_NUMEROS;
    ajusteR = 5000;
    trataTeclaEspecial(BAIXO);
    EXPECT_EQ(ajusteR, 5001);
}

TEST_F(Comandos, AmpliarEVoltar) {
    for (EstadosPossiveis e : TODOS) {
        SCOPED_TRACE(e);
        reiniciaEstado();
        poeVista(e, 3, 0.1f, -0.2f);
        poeSalva(EXIBE_FATIA, 5, 0.3f, 0.3f);
        contaPontos = 1;
        EXPECT_EQ(comandoPrincipal(1), NENHUM);
        const bool paraZoom = e == ESPERA || e == SELECIONA_FATIA || e == EXIBE_ZOOM;
        const EstadosPossiveis fim = paraZoom ? SELECIONA_ZOOM : e == EXIBE_FATIA ? SELECIONA_ZOOM_DE_CORTE : e;
        confereVista(fim, 3, 0.1f, -0.2f);
        EXPECT_EQ(contaPontos, fim == e ? 1u : 0u);
        confereSalva(EXIBE_FATIA, 5, 0.3f, 0.3f);
        if (e == EXIBE_GRAFICO) continue; // "Voltar" there depends on estadoAnterior (below)
        estado = e;
        EXPECT_EQ(comandoPrincipal(2), NENHUM);
        if (e == ESPERA) { // the restore step
            confereVista(EXIBE_FATIA, 5, 0.3f, 0.3f);
            confereSalva(ESPERA, 1, 0, 0);
        } else { // the save step
            confereVista(ESPERA, 1, 0, 0);
            confereSalva(e, 3, 0.1f, -0.2f);
        }
    }
}

TEST_F(Comandos, VoltarNoGrafico) {
    for (EstadosPossiveis anterior : TODOS) {
        SCOPED_TRACE(anterior);
        reiniciaEstado();
        poeVista(EXIBE_GRAFICO, 5, 0.3f, 0.3f);
        poeSalva(anterior, 3, 0.1f, -0.2f);
        const unsigned r = comandoPrincipal(2);
        confereSalva(ESPERA, 1, 0, 0);
        switch (anterior) {
        case ESPERA:
            EXPECT_EQ(r, NENHUM);
            confereVista(ESPERA, 1, 0, 0);
            break;
        case SELECIONA_FATIA:
        case EXIBE_GRAFICO:
        case SELECIONA_CENTRO:
        case SELECIONA_NUMEROS:
        case EXIBE_NUMEROS: // the graph stays; a second "Voltar" reaches the full view
            EXPECT_EQ(r, PRINCIPAL);
            confereVista(EXIBE_GRAFICO, 3, 0.1f, -0.2f);
            comandoPrincipal(2);
            confereVista(ESPERA, 1, 0, 0);
            break;
        default:
            EXPECT_EQ(r, NENHUM);
            confereVista(anterior, 3, 0.1f, -0.2f);
        }
    }
}

TEST_F(ComandosDeathTest, SairTerminaComZero) {
    EXPECT_EXIT(comandoPrincipal(3), ::testing::ExitedWithCode(0), "");
}

TEST_F(Comandos, ValoresSemEntradaNadaFazem) {
    poeVista(EXIBE_ZOOM, 4, 0.2f, 0.2f);
    for (int v : {0, 4, -1}) EXPECT_EQ(comandoPrincipal(v) | comandoVisualizar(v) | comandoPerfil(v), NENHUM);
    confereVista(EXIBE_ZOOM, 4, 0.2f, 0.2f);
    confereSalva(ESPERA, 1, 0, 0);
    EXPECT_TRUE(isLinha);
}

TEST_F(Comandos, SetorCircularDeslocarEValoresNumericos) {
    for (EstadosPossiveis e : TODOS) {
        SCOPED_TRACE(e);
        reiniciaEstado();
        estado = e;
        estadoAnterior = EXIBE_NUMEROS;
        const bool move = e == EXIBE_ZOOM || e == SELECIONA_ZOOM || e == EXIBE_FATIA || e == SELECIONA_GRAFICO ||
                          e == SELECIONA_CENTRO;
        EXPECT_EQ(comandoVisualizar(2), NENHUM);
        EXPECT_EQ(estado, move ? SELECIONA_CENTRO : e);
        EXPECT_EQ(estadoAnterior, move ? e : EXIBE_NUMEROS);

        poeVista(e, 4, 0.1f, 0.1f);
        poeSalva(EXIBE_FATIA, 3, 0.2f, 0.2f);
        ajusteA = ajusteR = 7;
        EXPECT_EQ(comandoVisualizar(3), e == EXIBE_GRAFICO ? PRINCIPAL : NENHUM);
        if (e == SELECIONA_NUMEROS || e == EXIBE_NUMEROS) { // full view, saved scale left alone
            confereVista(ESPERA, 1, 0, 0);
            EXPECT_EQ(estadoAnterior, ESPERA);
            EXPECT_EQ(escalaGlobalOld, 3.0f);
        } else if (e != EXIBE_GRAFICO) {
            EXPECT_EQ(estado, SELECIONA_NUMEROS);
            EXPECT_EQ(estadoAnterior, e);
            EXPECT_EQ(ajusteA + ajusteR, 0);
        }

        estado = e;
        contaPontos = 2;
        estadoAnterior = EXIBE_NUMEROS;
        comandoVisualizar(1);
        EXPECT_EQ(estado, SELECIONA_FATIA);
        EXPECT_EQ(contaPontos, 0u);
        EXPECT_EQ(estadoAnterior, EXIBE_NUMEROS);
    }
}

// From the graph the table opens at the readout: gate trunc(Graio * 4 + 0.5) in the 16th row.
TEST_F(Comandos, ValoresNumericosNoGrafico) {
    const struct { float raio; unsigned azimute; int primeiro; } casos[] = {
        {50.0f, 45, 185}, {50.1f, 45, 185}, {50.2f, 300, 186}, {0.0f, 0, -15}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.raio);
        reiniciaEstado();
        estado = EXIBE_GRAFICO;
        ajusteA = ajusteR = 3;
        Graio = c.raio;
        Gazimute = c.azimute;
        EXPECT_EQ(comandoVisualizar(3), PRINCIPAL);
        EXPECT_EQ(estado, EXIBE_NUMEROS);
        EXPECT_EQ(estadoAnterior, EXIBE_GRAFICO);
        EXPECT_EQ(primeiroRaio, c.primeiro);
        EXPECT_EQ(primeiroAngulo, static_cast<int>(c.azimute));
        EXPECT_EQ(ajusteA + ajusteR, 0);
    }
}

TEST_F(Comandos, PerfilDepoisDaTabela) {
    for (int v : {1, 2}) {
        reiniciaEstado();
        estado = EXIBE_NUMEROS;
        isLinha = v == 1;
        ajusteA = ajusteR = 4;
        contaPontosReta = 2;
        EXPECT_EQ(comandoPerfil(v), NENHUM);
        EXPECT_EQ(isLinha, v == 2);
        EXPECT_EQ(estado, SELECIONA_GRAFICO);
        EXPECT_EQ(estadoAnterior, EXIBE_NUMEROS);
        EXPECT_EQ(contaPontosReta, 0u);
        EXPECT_EQ(ajusteA + ajusteR, 0);
    }
    arrasta(polar(45.2, 0.1), polar(45.2, 0.3));
    EXPECT_EQ(estado, EXIBE_GRAFICO);
    EXPECT_EQ(estadoAnterior, EXIBE_NUMEROS);
    EXPECT_EQ(selecao[1], 600u);
}

TEST_F(Comandos, AjustesDoPainel) {
    const nivelColoridoTipo niveis[] = {PRETO_E_BRANCO, BRANCO_E_PRETO, COLORIDO_E_PRETO, COLORIDO_E_BRANCO};
    const coloridoEscolha modos[] = {COR_MAXIMO, COR_MEDIO, COR_MINIMO, COR_BRILHO};
    const qualidade qualidades[] = {BOA, RUIM, PIOR};
    const int leituras[] = {1, 2, 4};
    for (int v : {1, 2, 3, 4, 0, 5}) { // 0 and 5 carry no entry: unchanged
        const int i = v >= 1 && v <= 4 ? v - 1 : 3, j = v >= 1 && v <= 3 ? v - 1 : 2;
        ajustaNivelColorido(v), ajustaQuantidadeDeCores(v), ajustaQualidade(v), ajustaLeitura(v);
        EXPECT_EQ(nivelColorido, niveis[i]);
        EXPECT_EQ(coresSuave, modos[i]);
        EXPECT_EQ(qualidadeImagem, qualidades[j]);
        EXPECT_EQ(qualidadeR, leituras[j]);
    }
    for (int v : {2, 1, 2, 7}) { // only 2 means miles
        ajustaUnidades(v);
        EXPECT_EQ(unidadeMedidas, v == 2 ? MILHAS : KILOMETROS);
    }
}

TEST_F(LeituraPonteiro, Mapa) {
    ASSERT_EQ(matriz.getRaioFinal(), 999u);
    const struct { EstadosPossiveis e; P p; float raio; unsigned azimute; int gate; } casos[] = {
        {ESPERA, {0, 0.5f}, 250, 0, 1000},
        {ESPERA, {0.5f, 0}, 250, 90, 1000},
        {ESPERA, {-0.5f, 0}, 250, 270, 1000},
        {ESPERA, {0, -0.5f}, 250, 180, 1000},
        {ESPERA, {0, 0}, 0, 90, 0},
        {ESPERA, {0, 0.25f}, 125, 0, 500},
        {SELECIONA_FATIA, {0.25f, 0}, 125, 90, 500}, // untransformed despite the scale
        {ESPERA, {0.9f, 0.9f}, 636.3961f, 45, 2546}, // past the table: -26, never the next row
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::to_string(c.p.x) + "," + std::to_string(c.p.y));
        reiniciaEstado();
        poeVista(c.e, 4, 0.25f, 0.25f);
        atualizaLeitura(c.p.x, c.p.y);
        EXPECT_NEAR(Graio, c.raio, 1e-3);
        EXPECT_EQ(Gazimute, c.azimute);
        EXPECT_EQ(Gintensidade, c.gate < 1000 ? valor(c.azimute, c.gate) : -26.0f);
    }
    for (EstadosPossiveis e : TRANSFORMADOS) {
        SCOPED_TRACE(e);
        poeVista(e, 4, 0.25f, 0.25f);
        atualizaLeitura(0, 0); // scan (0.25, 0.25): gate 707, azimuth 45
        EXPECT_NEAR(Graio, 176.7767, 1e-3);
        EXPECT_EQ(Gazimute, 45u);
        EXPECT_EQ(Gintensidade, valor(45, 707));
    }
    poeVista(EXIBE_ZOOM, 1, 1, 0);
    atualizaLeitura(0, 0); // scan (1, 0): gate 2000
    EXPECT_FLOAT_EQ(Graio, 500);
    EXPECT_EQ(Gintensidade, -26.0f);
    poeVista(EXIBE_NUMEROS, 1, 0, 0); // the table has no readout
    atualizaLeitura(0.5f, 0.5f);
    EXPECT_FLOAT_EQ(Graio, 500);
    EXPECT_EQ(Gazimute, 90u);
}

// Radial {100, 300, 45} and angular {350, 10, 400}; beside the graph (|xv| > 1) the end samples.
TEST_F(LeituraPonteiro, Perfil) {
    const struct { bool linha; float xv; int aR, aA, gate; unsigned azimute; } casos[] = {
        {true, 0, 0, 0, 200, 45},       {true, -1, 0, 0, 100, 45},     {true, 1, 0, 0, 300, 45},
        {true, 0, 10, -50, 210, 355},   {true, 0.5f, 0, 320, 250, 5},  {true, 1.5f, 0, 0, 300, 45},
        {true, -3, 0, 0, 100, 45},      {false, 1, 0, 0, 400, 10},     {false, -1, 0, 0, 400, 350},
        {false, 0, 0, 0, 400, 0},       {false, -1, 5, -355, 405, 355}, {false, 1.5f, 0, 0, 400, 10},
        {false, -2, 0, 0, 400, 350},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::to_string(c.linha) + " xv " + std::to_string(c.xv));
        reiniciaEstado();
        estado = EXIBE_GRAFICO;
        isLinha = c.linha;
        selecao[0] = c.linha ? 100 : 350, selecao[1] = c.linha ? 300 : 10, selecao[2] = c.linha ? 45 : 400;
        ajusteR = c.aR;
        ajusteA = c.aA;
        atualizaLeitura(c.xv, 0.3f);
        EXPECT_FLOAT_EQ(Graio, c.gate * 0.25f);
        EXPECT_EQ(Gazimute, c.azimute);
        EXPECT_EQ(Gintensidade, valor(c.azimute, c.gate));
    }
}

TEST_F(Comandos, RegiaoDaExportacao) {
    int ori, orf, oti, otf;
    const auto regiao = [&] {
        EXPECT_TRUE(regiaoDaExportacao(ori, orf, oti, otf));
        return std::vector<int>{ori, orf, oti, otf};
    };
    pontos[0][0] = 350, pontos[0][1] = 496, pontos[1][0] = 10, pontos[1][1] = 996;
    estado = EXIBE_FATIA;
    EXPECT_EQ(regiao(), (std::vector<int>{496, 996, 10, 350}));
    // 180 apart: rows from the row of the first angle (90) clockwise to 270, the south shown.
    pontos[0][0] = 180, pontos[1][0] = 0;
    EXPECT_EQ(regiao(), (std::vector<int>{496, 996, 0, 180}));
    estado = EXIBE_GRAFICO;
    selecao[0] = 100, selecao[1] = 300, selecao[2] = 45;
    ajusteR = 10, ajusteA = 5; // azimuth 50 is polar 40
    EXPECT_EQ(regiao(), (std::vector<int>{110, 310, 40, 40}));
    selecao[2] = 0, ajusteA = -359; // azimuth 1 is polar 89
    EXPECT_EQ(regiao()[2], 89);
    isLinha = false;
    selecao[0] = 350, selecao[1] = 10, selecao[2] = 400;
    ajusteR = -5, ajusteA = 20; // azimuths 10 and 30: polar 80 and 60
    EXPECT_EQ(regiao(), (std::vector<int>{395, 395, 80, 60}));
    estado = EXIBE_NUMEROS;
    primeiroRaio = 485, ajusteR = -3, primeiroAngulo = 84, ajusteA = 2; // azimuths 86..99
    EXPECT_EQ(regiao(), (std::vector<int>{482, 512, 4, 351}));
    for (EstadosPossiveis e : TODOS) {
        estado = e;
        if (e != EXIBE_FATIA && e != EXIBE_GRAFICO && e != EXIBE_NUMEROS) {
            EXPECT_FALSE(regiaoDaExportacao(ori, orf, oti, otf)) << e;
        }
    }
}

// Every group scrambled; the reset gives back what the user sees at start-up
// and leaves the scan, the site and the snapshot counter alone.
TEST_F(Reinicio, VoltaAoInicioSemTocarNaVarredura) {
    const float antes = matriz.valorSeguro(45, 707);
    const lugarCidade lugarAntes = lugar;
    const unsigned contadorAntes = contadorDeImagens;
    lugar = BRU, contadorDeImagens = 7;
    poeVista(EXIBE_ZOOM, 8, 0.3f, -0.2f);
    estadoAnterior = EXIBE_FATIA;
    isLinha = false, tracking = true, primeiroRaio = 485;
    coresSuave = COR_BRILHO, nivelColorido = PRETO_E_BRANCO, unidadeMedidas = MILHAS;
    qualidadeImagem = BOA, qualidadeR = 1;
    Gintensidade = 33.5f;
    tipo_referencia = 3;
    reiniciaEstado();
    confereVista(ESPERA, 1, 0, 0);
    EXPECT_EQ(estadoAnterior, ESPERA);
    EXPECT_TRUE(isLinha);
    EXPECT_FALSE(tracking);
    EXPECT_EQ(primeiroRaio, 4);
    EXPECT_EQ(coresSuave, COR_MEDIO);
    EXPECT_EQ(nivelColorido, COLORIDO_E_PRETO);
    EXPECT_EQ(unidadeMedidas, KILOMETROS);
    EXPECT_EQ(qualidadeImagem, RUIM);
    EXPECT_EQ(qualidadeR, 4);
    EXPECT_EQ(Gintensidade, CODIGO_SEM_DADOS);
    EXPECT_EQ(tipo_referencia, 0);
    EXPECT_EQ(lugar, BRU);
    EXPECT_EQ(contadorDeImagens, 7u);
    EXPECT_EQ(matriz.getRaioFinal(), 999u);
    EXPECT_EQ(matriz.valorSeguro(45, 707), antes);
    lugar = lugarAntes, contadorDeImagens = contadorAntes;
}
