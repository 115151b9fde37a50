// Polar cells of the scan in the three display qualities: loops that emit
// vertices, in bounded chunks, from what the cell rules (recorte.h,
// coresdatabela.h) decide: which columns show, which cells and triangles
// cover a pixel centre, the colour of each sample and the one-colour runs.
//
// Index: chunks and colours | the rays | the views' entry points
#include "celulas.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstddef>
#include <vector>

#include "cores.h"
#include "coresdatabela.h"
#include "estado.h"
#include "geometria.h"
#include "recorte.h"

// ------------------------------------------------------- chunks and colours
//
// Cells with no echo are skipped (they would paint the background grey over
// itself: cells never overlap); in the flat quality neighbouring cells of
// one colour along a ray become one quad.

namespace {

// Vertices with one colour each, drawn in chunks of bounded size.
class Lote {
public:
    explicit Lote(GLenum modo) : modo(modo), xy(2 * CAPACIDADE), rgb(3 * CAPACIDADE) {}
    ~Lote() { desenha(); }
    void vertice(double raio, double c, double s, const float cor[3]) {
        vertice(raio * c / RAIOS_POR_UNIDADE, raio * s / RAIOS_POR_UNIDADE, cor);
    }
    void vertice(double x, double y, const float cor[3]) {
        xy[2 * n] = static_cast<float>(x);
        xy[2 * n + 1] = static_cast<float>(y);
        rgb[3 * n] = cor[0], rgb[3 * n + 1] = cor[1], rgb[3 * n + 2] = cor[2];
        ++n;
    }
    // Flushes between whole primitives only (none has more than MAIOR vertices).
    void fimDePrimitiva() {
        if (n > CAPACIDADE - MAIOR) desenha();
    }

private:
    void desenha() {
        if (n == 0) return;
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_COLOR_ARRAY);
        glVertexPointer(2, GL_FLOAT, 0, xy.data());
        glColorPointer(3, GL_FLOAT, 0, rgb.data());
        glDrawArrays(modo, 0, static_cast<GLsizei>(n));
        // The software renderer holds a whole frame's primitives before
        // drawing them unless told to go on: a chunk at a time bounds the
        // memory a frame of a million small cells takes, at no cost in time.
        glFlush();
        glDisableClientState(GL_COLOR_ARRAY);
        glDisableClientState(GL_VERTEX_ARRAY);
        n = 0;
    }
    // Smaller chunks keep less of the renderer's memory in flight; below
    // this size the time per frame starts to grow.
    static constexpr std::size_t CAPACIDADE = 1 << 14; // vertices per chunk
    static constexpr std::size_t MAIOR = 6; // vertices of the largest primitive
    GLenum modo;
    std::vector<float> xy, rgb;
    std::size_t n = 0; // vertices held
};

// Colour of a sample as floats; false for no echo (the background grey).
bool corDaAmostra(float v, float cor[3]) {
    if (!volume.produto.especificado()) return corDoDado(volume.produto, v, coresSuave, cor);
    if (!(v >= DBZ_MINIMO)) return false;
    if (!corEmFloats(v, coresSuave, cor))
        glGetFloatv(GL_CURRENT_COLOR, cor); // an unknown mode keeps the current colour
    return true;
}

// The samples of one table as the rays read them: colours from the kept
// indices when there are, else looked up one by one.
struct Amostras {
    int sizeR;
    const CoresDaTabela* guardadas;
    explicit Amostras(int sizeR) : sizeR(sizeR), guardadas(CoresDaTabela::da(matriz, sizeR, coresSuave, volume.produto)) {}
    bool cor(int a, int r, float c[3]) const {
        return guardadas ? guardadas->cor(a, r, c) : corDaAmostra(matriz.valorDaColuna(sizeR, a, r), c);
    }
};

// The GL view as the cell rules see it: the window, widened by
// `margemPixels`, in the scan frame.
Visivel janelaDaVista(double margemPixels) {
    double mv[16], pr[16];
    GLint vp[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, mv);
    glGetDoublev(GL_PROJECTION_MATRIX, pr);
    glGetIntegerv(GL_VIEWPORT, vp);
    const int viewport[4] = {vp[0], vp[1], vp[2], vp[3]};
    return janelaNaVarredura(mv, pr, viewport, margemPixels);
}

// -------------------------------------------------------------------- the rays

// Flat cells of azimuth a, columns [inicio, fim): the runs of one colour
// that reach into the visible columns [de, ate), each as one quad.
void raioPlano(Lote& lote, const Visivel& janela, const Amostras& amostras, int a, int inicio, int fim, int de,
               int ate) {
    const double r = amostras.sizeR;
    const TabelaDeAngulos& t = angulosDasCunhas();
    const double c1 = t.cosBorda[a][0], s1 = t.senBorda[a][0], c2 = t.cosBorda[a][1], s2 = t.senBorda[a][1];
    const auto cor = [&](int coluna, float c[3]) { return amostras.cor(a, coluna, c); };
    trechosPlanos(cor, inicio, fim, de, ate, [&](int primeira, int ultima, const float* c) {
        const double r0 = r * primeira, r1 = r * (ultima + 1);
        if (janela.semCentroDePixel(r0, r1, c1, s1, c2, s2)) return;
        lote.vertice(r0, c1, s1, c);
        lote.vertice(r0, c2, s2, c);
        lote.vertice(r1, c2, s2, c);
        lote.vertice(r1, c1, s1, c);
        lote.fimDePrimitiva();
    });
}

// The four corner colours of the smooth cells of one wedge, walked outwards:
// a cell's outer corners are the next one's inner corners.
class CantosDoRaio {
public:
    CantosDoRaio(const Amostras& amostras, int a, int r)
        : amostras(amostras), a(a), n((a + 1) % N_AZIMUTES), colunas(colunasDaTabela(amostras.sizeR)) {
        vaiPara(r);
    }
    // Moves to column r (any column after the current one).
    void vaiPara(int r) {
        if (r == coluna + 1 && r < colunas) {
            std::copy(&cores4[3][0], &cores4[3][0] + 3, &cores4[0][0]);
            std::copy(&cores4[2][0], &cores4[2][0] + 3, &cores4[1][0]);
            eco[0] = eco[3], eco[1] = eco[2];
            coluna = r;
            externos();
            return;
        }
        coluna = r;
        eco[0] = cor(a, r, cores4[0]);
        eco[1] = cor(n, r, cores4[1]);
        externos();
    }
    int coluna = -2;
    float cores4[4][3] = {}; // (a, r), (n, r), (n, fora), (a, fora); grey for no echo
    bool eco[4] = {};
    bool algum() const { return eco[0] || eco[1] || eco[2] || eco[3]; }

private:
    bool cor(int azimute, int r, float c[3]) const {
        if (amostras.cor(azimute, r, c)) return true;
        c[0] = c[1] = c[2] = 0.6f;
        return false;
    }
    void externos() {
        // The outermost column has no neighbour outside: its outer corners take its own value.
        const int fora = coluna + 1 < colunas ? coluna + 1 : coluna;
        eco[2] = cor(n, fora, cores4[2]);
        eco[3] = cor(a, fora, cores4[3]);
    }
    const Amostras& amostras;
    int a, n, colunas;
};

// A smooth cell with one colour at its four corners is shaded that very
// colour at every pixel, whichever triangles cover it. A run of them along a
// wedge is drawn first as one quad grown by a sliver (so it covers every
// pixel its cells would, despite their corners' own rounding); the other
// cells are drawn after it exactly as single cells, so each pixel of the
// sliver ends with its own cell's colour.
void trechoUniforme(Lote& lote, const Visivel& janela, int sizeR, int a, const Trecho& trecho, const float cor[3]) {
    double qx[4], qy[4];
    quadDoTrecho(janela, sizeR, a, trecho.de, trecho.ate, qx, qy);
    for (int k : {0, 1, 2, 0, 2, 3}) lote.vertice(qx[k], qy[k], cor);
    lote.fimDePrimitiva();
}

// Smooth cells between azimuths a and a + 1, columns [inicio, fim); the
// runs drawn before, [pula, pulaAte) (when any), are left out.
void raioSuave(Lote& lote, const Visivel& janela, const Amostras& amostras, int a, int inicio, int fim,
               const Trecho* pula, const Trecho* pulaAte) {
    const TabelaDeAngulos& t = angulosDasCunhas();
    const int n = (a + 1) % N_AZIMUTES;
    if (inicio >= fim) return;
    const int sizeR = amostras.sizeR;
    CantosDoRaio cantos(amostras, a, inicio);
    for (int r = inicio; r < fim; ++r) {
        if (pula != pulaAte && r >= pula->de) {
            r = pula->ate - 1;
            ++pula;
            continue;
        }
        cantos.vaiPara(r);
        if (!cantos.algum()) continue; // all four corners grey: the cell is background
        const double r0 = static_cast<double>(sizeR) * r, r1 = static_cast<double>(sizeR) * (r + 1);
        bool primeiro, segundo;
        janela.triangulosComCentro(r0, r1, t.cosCentro[n], t.senCentro[n], t.cosCentro[a], t.senCentro[a], primeiro,
                                   segundo);
        const float(&c)[4][3] = cantos.cores4;
        // The polygon as the renderer splits one: (1, 2, 0) and (2, 3, 0), so
        // the shading rounds exactly as for a single polygon.
        if (primeiro) {
            lote.vertice(r0, t.cosCentro[n], t.senCentro[n], c[1]);
            lote.vertice(r1, t.cosCentro[n], t.senCentro[n], c[2]);
            lote.vertice(r0, t.cosCentro[a], t.senCentro[a], c[0]);
        }
        if (segundo) {
            lote.vertice(r1, t.cosCentro[n], t.senCentro[n], c[2]);
            lote.vertice(r1, t.cosCentro[a], t.senCentro[a], c[3]);
            lote.vertice(r0, t.cosCentro[a], t.senCentro[a], c[0]);
        }
        lote.fimDePrimitiva();
    }
}

// Points overlap (near the radar many share a pixel, and they grow with the
// zoom), so grey ones are drawn too: the last point drawn on a pixel shows.
void raioDePontos(Lote& lote, const Amostras& amostras, int a, int inicio, int fim) {
    const TabelaDeAngulos& t = angulosDasCunhas();
    for (int g = inicio; g < fim; ++g) {
        float cor[3] = {0.6f, 0.6f, 0.6f};
        amostras.cor(a, g, cor);
        lote.vertice(g, t.cosCentro[a], t.senCentro[a], cor);
        lote.fimDePrimitiva();
    }
}

} // namespace

// ------------------------------------------------------ the views' entry points

void desenhaCelulas(qualidade q, int sizeR, int azimuteInicial, int azimutes, int inicio, int fim) {
    if (q == PIOR) glPointSize(escalaGlobal);
    // A point is escalaGlobal pixels wide about its sample.
    const Visivel janela = janelaDaVista(3 + (q == PIOR ? escalaGlobal / 2.0 : 0.0));
    Lote lote(q == PIOR ? GL_POINTS : q == BOA ? GL_TRIANGLES : GL_QUADS);
    const Amostras amostras(q == PIOR ? 1 : sizeR); // points read the full table
    const std::vector<Colunas> visiveis = colunasDasCunhas(janela, q, sizeR, azimuteInicial, azimutes, inicio, fim);
    // Smooth cells: runs of one colour first (only where the pixel grid is known).
    std::vector<Trecho> trechos;
    if (q == BOA && !janela.tudo && janela.pixelExato && amostras.guardadas) {
        trechos = trechosDaVista(*amostras.guardadas, visiveis, azimuteInicial, azimutes, inicio, fim);
        for (const Trecho& u : trechos)
            trechoUniforme(lote, janela, sizeR, (azimuteInicial + u.k) % N_AZIMUTES, u,
                           amostras.guardadas->corDoIndice(u.cor));
    }
    const Trecho* proximo = trechos.data();
    const Trecho* const ultimo = trechos.data() + trechos.size();
    for (int k = 0; k < azimutes; ++k) {
        const int a = (azimuteInicial + k) % N_AZIMUTES;
        const int de = visiveis[static_cast<std::size_t>(k)].de, ate = visiveis[static_cast<std::size_t>(k)].ate;
        const Trecho* doRaio = proximo;
        while (proximo != ultimo && proximo->k == k) ++proximo;
        if (de >= ate) continue;
        if (q == PIOR) raioDePontos(lote, amostras, a, de, ate);
        else if (q == BOA) raioSuave(lote, janela, amostras, a, de, ate, doRaio, proximo);
        else raioPlano(lote, janela, amostras, a, inicio, fim, de, ate);
    }
}

void desenhaCelulasDaVarredura() {
    if (qualidadeImagem == PIOR) {
        desenhaCelulas(PIOR, 1, 0, N_AZIMUTES, static_cast<int>(matriz.raioMinimo),
                       static_cast<int>(matriz.raioMaximo));
        return;
    }
    const unsigned passo = static_cast<unsigned>(qualidadeR);
    desenhaCelulas(qualidadeImagem, qualidadeR, 0, N_AZIMUTES, static_cast<int>(matriz.raioMinimo / passo),
                   static_cast<int>(matriz.raioMaximo / passo));
}
