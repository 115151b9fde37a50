// Polar cells of the scan in the three display qualities.
#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "cores.h"
#include "geometria.h"
#include "glauxiliar.h"
#include "glclass.h"

void verticePolar(double raio, double radianos) {
    const Ponto p = pontoPolar(raio, radianos);
    glVertex3f(static_cast<float>(p.x), static_cast<float>(p.y), 0.0f);
}

int colunasDaTabela(int sizeR) {
    switch (sizeR) {
    case 1: return N_RAIOS;
    case 2: return N_RAIOS / 2;
    case 4: return N_RAIOS / 4;
    default: return N_RAIOS / 16;
    }
}

void drawQuadradoSimples(int sizeR, int t, int r) {
    glBegin(GL_POLYGON);
    getNewColor(sizeR, t, r);
    const int d = anguloPolarDoAzimute(t);
    const double a1 = (d - 0.5) * GRAUS_PARA_RADIANOS;
    const double a2 = (d + 0.5) * GRAUS_PARA_RADIANOS;
    const double r0 = static_cast<double>(sizeR) * r;
    const double r1 = static_cast<double>(sizeR) * (r + 1);
    verticePolar(r0, a1);
    verticePolar(r0, a2);
    verticePolar(r1, a2);
    verticePolar(r1, a1);
    glEnd();
}

void drawQuadrado(int sizeR, int i, int r) {
    const int n = (i + 1) % N_AZIMUTES;
    const double d1 = anguloPolarDoAzimute(i) * GRAUS_PARA_RADIANOS;
    const double d2 = anguloPolarDoAzimute(n) * GRAUS_PARA_RADIANOS;
    // The outermost column has no neighbour outside: its outer corners take its own value.
    const int fora = r + 1 < colunasDaTabela(sizeR) ? r + 1 : r;
    const double r0 = static_cast<double>(sizeR) * r;
    const double r1 = static_cast<double>(sizeR) * (r + 1);
    glBegin(GL_POLYGON);
    getNewColor(sizeR, i, r);
    verticePolar(r0, d1);
    getNewColor(sizeR, n, r);
    verticePolar(r0, d2);
    getNewColor(sizeR, n, fora);
    verticePolar(r1, d2);
    getNewColor(sizeR, i, fora);
    verticePolar(r1, d1);
    glEnd();
}

void desenhaPonto(int a, int g) {
    getNewColor(1, a, g);
    verticePolar(g, anguloPolarDoAzimute(a) * GRAUS_PARA_RADIANOS);
}

// ------------------------------------------------------------ batched drawing
//
// The views draw many cells at once: vertices and colours go into arrays that
// are flushed in bounded chunks; sines and cosines come from per-azimuth
// tables computed with the same expressions as a single cell's; cells with no
// echo are skipped (they would paint the background grey over itself: cells
// never overlap); in the flat quality neighbouring cells of one colour along
// a ray become one quad.

namespace {

struct TabelaDeAngulos {
    double cosBorda[N_AZIMUTES][2], senBorda[N_AZIMUTES][2]; // flat cell edges d -+ 0.5
    double cosCentro[N_AZIMUTES], senCentro[N_AZIMUTES];     // the azimuth itself
    TabelaDeAngulos() {
        for (int a = 0; a < N_AZIMUTES; ++a) {
            const int d = anguloPolarDoAzimute(a);
            const double bordas[2] = {(d - 0.5) * GRAUS_PARA_RADIANOS, (d + 0.5) * GRAUS_PARA_RADIANOS};
            for (int k = 0; k < 2; ++k) {
                cosBorda[a][k] = std::cos(bordas[k]);
                senBorda[a][k] = std::sin(bordas[k]);
            }
            cosCentro[a] = std::cos(d * GRAUS_PARA_RADIANOS);
            senCentro[a] = std::sin(d * GRAUS_PARA_RADIANOS);
        }
    }
};

const TabelaDeAngulos& angulos() {
    static const TabelaDeAngulos tabela;
    return tabela;
}

// Vertices with one colour each, drawn in chunks of bounded size.
class Lote {
public:
    explicit Lote(GLenum modo) : modo(modo) {
        xy.reserve(2 * CAPACIDADE);
        rgb.reserve(3 * CAPACIDADE);
    }
    ~Lote() { desenha(); }
    void vertice(double raio, double c, double s, const float cor[3]) {
        xy.push_back(static_cast<float>(raio * c / RAIOS_POR_UNIDADE));
        xy.push_back(static_cast<float>(raio * s / RAIOS_POR_UNIDADE));
        rgb.insert(rgb.end(), cor, cor + 3);
    }
    // Flushes between whole primitives only.
    void fimDePrimitiva() {
        if (xy.size() >= 2 * CAPACIDADE - 12) desenha();
    }

private:
    void desenha() {
        if (xy.empty()) return;
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_COLOR_ARRAY);
        glVertexPointer(2, GL_FLOAT, 0, xy.data());
        glColorPointer(3, GL_FLOAT, 0, rgb.data());
        glDrawArrays(modo, 0, static_cast<GLsizei>(xy.size() / 2));
        glDisableClientState(GL_COLOR_ARRAY);
        glDisableClientState(GL_VERTEX_ARRAY);
        xy.clear();
        rgb.clear();
    }
    static constexpr std::size_t CAPACIDADE = 1 << 16; // vertices per chunk
    GLenum modo;
    std::vector<float> xy, rgb;
};

// Colour of a sample as floats; false for no echo (the background grey).
bool corDaAmostra(float v, float cor[3]) {
    if (!(v >= DBZ_MINIMO)) return false;
    CorAmostra c;
    if (!corDoValor(v, coresSuave, UsoDaCor::MAPA, c)) {
        glGetFloatv(GL_CURRENT_COLOR, cor); // an unknown mode keeps the current colour
        return true;
    }
    for (int k = 0; k < 3; ++k) cor[k] = c.emBytes ? c.b[k] / 255.0f : c.f[k];
    return true;
}

// Flat cells of azimuth a, columns [inicio, fim): runs of one colour as one quad.
void raioPlano(Lote& lote, int sizeR, int a, int inicio, int fim) {
    const TabelaDeAngulos& t = angulos();
    const double c1 = t.cosBorda[a][0], s1 = t.senBorda[a][0], c2 = t.cosBorda[a][1], s2 = t.senBorda[a][1];
    int r = inicio;
    float cor[3];
    bool temCor = r < fim && corDaAmostra(matriz.valorDaColuna(sizeR, a, r), cor);
    while (r < fim) {
        if (!temCor) {
            ++r;
            temCor = r < fim && corDaAmostra(matriz.valorDaColuna(sizeR, a, r), cor);
            continue;
        }
        // Extend the run while the next cell has the same colour; keep the
        // colour that ended it for the next run.
        int ultimo = r;
        float outra[3];
        bool outraTemCor = false;
        while (ultimo + 1 < fim) {
            outraTemCor = corDaAmostra(matriz.valorDaColuna(sizeR, a, ultimo + 1), outra);
            if (!outraTemCor || outra[0] != cor[0] || outra[1] != cor[1] || outra[2] != cor[2]) break;
            ++ultimo;
            outraTemCor = false;
        }
        const double r0 = static_cast<double>(sizeR) * r, r1 = static_cast<double>(sizeR) * (ultimo + 1);
        lote.vertice(r0, c1, s1, cor);
        lote.vertice(r0, c2, s2, cor);
        lote.vertice(r1, c2, s2, cor);
        lote.vertice(r1, c1, s1, cor);
        lote.fimDePrimitiva();
        r = ultimo + 1;
        temCor = outraTemCor;
        if (temCor) std::copy(outra, outra + 3, cor);
    }
}

// Smooth cells between azimuths a and a + 1, columns [inicio, fim).
void raioSuave(Lote& lote, int sizeR, int a, int inicio, int fim) {
    const TabelaDeAngulos& t = angulos();
    const int n = (a + 1) % N_AZIMUTES;
    const int colunas = colunasDaTabela(sizeR);
    const float cinza[3] = {0.6f, 0.6f, 0.6f};
    for (int r = inicio; r < fim; ++r) {
        const int fora = r + 1 < colunas ? r + 1 : r;
        float cores4[4][3];
        bool algum = false;
        const float valores[4] = {matriz.valorDaColuna(sizeR, a, r), matriz.valorDaColuna(sizeR, n, r),
                                  matriz.valorDaColuna(sizeR, n, fora), matriz.valorDaColuna(sizeR, a, fora)};
        for (int k = 0; k < 4; ++k) {
            if (corDaAmostra(valores[k], cores4[k])) algum = true;
            else std::copy(cinza, cinza + 3, cores4[k]);
        }
        if (!algum) continue; // all four corners grey: the cell is background
        const double r0 = static_cast<double>(sizeR) * r, r1 = static_cast<double>(sizeR) * (r + 1);
        // The polygon as the renderer splits one: (1, 2, 0) and (2, 3, 0), so
        // the shading rounds exactly as for a single polygon.
        lote.vertice(r0, t.cosCentro[n], t.senCentro[n], cores4[1]);
        lote.vertice(r1, t.cosCentro[n], t.senCentro[n], cores4[2]);
        lote.vertice(r0, t.cosCentro[a], t.senCentro[a], cores4[0]);
        lote.vertice(r1, t.cosCentro[n], t.senCentro[n], cores4[2]);
        lote.vertice(r1, t.cosCentro[a], t.senCentro[a], cores4[3]);
        lote.vertice(r0, t.cosCentro[a], t.senCentro[a], cores4[0]);
        lote.fimDePrimitiva();
    }
}

// Points overlap (near the radar many share a pixel, and they grow with the
// zoom), so grey ones are drawn too: the last point drawn on a pixel shows.
void raioDePontos(Lote& lote, int a, int inicio, int fim) {
    const TabelaDeAngulos& t = angulos();
    for (int g = inicio; g < fim; ++g) {
        float cor[3] = {0.6f, 0.6f, 0.6f};
        corDaAmostra(matriz.getTabela(a, g), cor);
        lote.vertice(g, t.cosCentro[a], t.senCentro[a], cor);
        lote.fimDePrimitiva();
    }
}

} // namespace

void desenhaCelulas(qualidade q, int sizeR, int azimuteInicial, int azimutes, int inicio, int fim) {
    if (q == PIOR) glPointSize(escalaGlobal);
    Lote lote(q == PIOR ? GL_POINTS : q == BOA ? GL_TRIANGLES : GL_QUADS);
    for (int k = 0; k < azimutes; ++k) {
        const int a = (azimuteInicial + k) % N_AZIMUTES;
        if (q == PIOR) raioDePontos(lote, a, inicio, fim);
        else if (q == BOA) raioSuave(lote, sizeR, a, inicio, fim);
        else raioPlano(lote, sizeR, a, inicio, fim);
    }
}

void desenhaCelulasDaVarredura() {
    if (qualidadeImagem == PIOR) {
        desenhaCelulas(PIOR, 1, 0, N_AZIMUTES, static_cast<int>(matriz.raioMinimo), static_cast<int>(matriz.raioMaximo));
        return;
    }
    const unsigned passo = static_cast<unsigned>(qualidadeR);
    desenhaCelulas(qualidadeImagem, qualidadeR, 0, N_AZIMUTES, static_cast<int>(matriz.raioMinimo / passo),
                   static_cast<int>(matriz.raioMaximo / passo));
}
