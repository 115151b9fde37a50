// Polar cells of the scan in the three display qualities.
//
// Index: single cells | batched drawing | culling | the rays | the views' entry points
#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "cores.h"
#include "geometria.h"
#include "glauxiliar.h"
#include "glclass.h"

// ---------------------------------------------------------------- single cells

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
        // The software renderer holds a whole frame's primitives before
        // drawing them unless told to go on: a chunk at a time bounds the
        // memory a frame of a million small cells takes, at no cost in time.
        glFlush();
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

// ------------------------------------------------------------------ culling
//
// A cell wholly outside the window writes no pixel: the views skip them. The
// window, a few pixels wider, is taken back to the scan frame through the
// current matrices; a ray's wedge clipped to it gives the range of distances
// (so of columns) whose cells can show. Cells that show are drawn exactly as
// before (flat runs keep their full length), so the pixels do not change.

struct Visivel {
    bool tudo = true;          // no culling (a transform other than scale and shift)
    double x0, y0, x1, y1;     // the window in the scan frame, widened
    // Scan frame to window pixels: px = ax * x + bx, py = ay * y + by.
    double ax, bx, ay, by;
    bool pixelExato = false; // positions known well enough to test pixel centres

    // True when the convex quadrilateral px, py (window pixels, in order)
    // covers no pixel centre, with a margin beyond the renderer's sub-pixel
    // grid: the renderer would write nothing for it. Small ones are tested
    // centre by centre; larger ones only by their bounding box.
    bool semCentroDePixel(const double (&px)[4], const double (&py)[4]) const {
        if (tudo || !pixelExato) return false;
        constexpr double FOLGA = 1.0 / 64;
        double x0 = px[0], x1 = px[0], y0 = py[0], y1 = py[0];
        for (int k = 1; k < 4; ++k) {
            x0 = std::min(x0, px[k]), x1 = std::max(x1, px[k]);
            y0 = std::min(y0, py[k]), y1 = std::max(y1, py[k]);
        }
        const double kx0 = std::ceil(x0 - 0.5 - FOLGA), kx1 = std::floor(x1 - 0.5 + FOLGA);
        const double ky0 = std::ceil(y0 - 0.5 - FOLGA), ky1 = std::floor(y1 - 0.5 + FOLGA);
        if (kx0 > kx1 || ky0 > ky1) return true;
        if (kx1 - kx0 > 2 || ky1 - ky0 > 2) return false;
        // Twice the signed area gives the order of the corners.
        double area = 0;
        for (int k = 0; k < 4; ++k) area += px[k] * py[(k + 1) % 4] - px[(k + 1) % 4] * py[k];
        if (!(std::fabs(area) > 1e-9)) return false;
        const double sentido = area > 0 ? 1 : -1;
        for (double kx = kx0; kx <= kx1; ++kx)
            for (double ky = ky0; ky <= ky1; ++ky) {
                const double cx = kx + 0.5, cy = ky + 0.5;
                bool dentro = true;
                for (int k = 0; k < 4 && dentro; ++k) {
                    const double ex = px[(k + 1) % 4] - px[k], ey = py[(k + 1) % 4] - py[k];
                    const double l = std::sqrt(ex * ex + ey * ey);
                    if (l < 1e-12) continue; // corners that meet at the radar
                    dentro = sentido * (ex * (cy - py[k]) - ey * (cx - px[k])) / l >= -FOLGA;
                }
                if (dentro) return false;
            }
        return true;
    }
    // The quadrilateral of gates r0..r1 between directions (c0, s0) and (c1, s1).
    bool semCentroDePixel(double r0, double r1, double c0, double s0, double c1, double s1) const {
        const double k0 = r0 / RAIOS_POR_UNIDADE, k1 = r1 / RAIOS_POR_UNIDADE;
        const double px[4] = {ax * k0 * c0 + bx, ax * k1 * c0 + bx, ax * k1 * c1 + bx, ax * k0 * c1 + bx};
        const double py[4] = {ay * k0 * s0 + by, ay * k1 * s0 + by, ay * k1 * s1 + by, ay * k0 * s1 + by};
        return semCentroDePixel(px, py);
    }
};

Visivel janelaNaVarredura(double margemPixels) { // margin in pixels beyond the window
    Visivel v;
    GLdouble mv[16], pr[16];
    GLint vp[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, mv);
    glGetDoublev(GL_PROJECTION_MATRIX, pr);
    glGetIntegerv(GL_VIEWPORT, vp);
    // Both matrices scale and shift x and y only (as every view sets them).
    for (const GLdouble* m : {mv, pr})
        if (m[1] != 0 || m[4] != 0 || m[3] != 0 || m[7] != 0 || m[15] != 1 || !(m[0] > 0) || !(m[5] > 0)) return v;
    if (vp[2] <= 0 || vp[3] <= 0) return v;
    const double sx = pr[0] * mv[0], tx = pr[0] * mv[12] + pr[12];
    const double sy = pr[5] * mv[5], ty = pr[5] * mv[13] + pr[13];
    v.ax = sx * vp[2] / 2, v.bx = (tx + 1) * vp[2] / 2 + vp[0];
    v.ay = sy * vp[3] / 2, v.by = (ty + 1) * vp[3] / 2 + vp[1];
    // Vertices reach the renderer in single precision (scan points up to
    // about 1.5): under a large zoom that moves them by pixels. The margin
    // takes it in; pixel-centre tests are left out once it passes the
    // sub-pixel margin they keep.
    const double erroFloat = std::max(v.ax, v.ay) * 4e-7;
    v.pixelExato = erroFloat < 1.0 / 256;
    margemPixels += erroFloat;
    const double ex = 1 + 2 * margemPixels / vp[2], ey = 1 + 2 * margemPixels / vp[3]; // NDC
    v.x0 = (-ex - tx) / sx, v.x1 = (ex - tx) / sx;
    v.y0 = (-ey - ty) / sy, v.y1 = (ey - ty) / sy;
    v.tudo = !(std::isfinite(v.x0) && std::isfinite(v.x1) && std::isfinite(v.y0) && std::isfinite(v.y1));
    return v;
}

struct P2 {
    double x, y;
};

// Keeps the part of polygon `p` with cross(u, q) >= 0 (left of direction u).
std::vector<P2> corta(const std::vector<P2>& p, double ux, double uy) {
    std::vector<P2> r;
    const std::size_t n = p.size();
    for (std::size_t k = 0; k < n; ++k) {
        const P2 a = p[k], b = p[(k + 1) % n];
        const double da = ux * a.y - uy * a.x, db = ux * b.y - uy * b.x;
        if (da >= 0) r.push_back(a);
        if ((da >= 0) != (db >= 0)) {
            const double t = da / (da - db);
            r.push_back({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)});
        }
    }
    return r;
}

double distanciaAoSegmento(P2 a, P2 b) {
    const double dx = b.x - a.x, dy = b.y - a.y, l = dx * dx + dy * dy;
    double t = l > 0 ? -(a.x * dx + a.y * dy) / l : 0;
    t = t < 0 ? 0 : t > 1 ? 1 : t;
    return std::hypot(a.x + t * dx, a.y + t * dy);
}

// Columns [inicio, fim) of a table of sizeR gates whose cells, in the wedge
// counter-clockwise from direction (c0, s0) to (c1, s1) (under 180 degrees),
// can touch the window; false when none can.
bool colunasVisiveis(const Visivel& v, double c0, double s0, double c1, double s1, int sizeR, int& inicio, int& fim) {
    if (v.tudo) return true;
    std::vector<P2> p = {{v.x0, v.y0}, {v.x1, v.y0}, {v.x1, v.y1}, {v.x0, v.y1}};
    p = corta(p, c0, s0);
    p = corta(p, -c1, -s1);
    if (p.empty()) return false;
    double perto = 0, longe = 0;
    // The origin is the wedge's apex: inside the clipped part when inside the window.
    const bool origemDentro = v.x0 <= 0 && v.x1 >= 0 && v.y0 <= 0 && v.y1 >= 0;
    if (!origemDentro) perto = 1e300;
    for (std::size_t k = 0; k < p.size(); ++k) {
        longe = std::max(longe, std::hypot(p[k].x, p[k].y));
        if (!origemDentro) perto = std::min(perto, distanciaAoSegmento(p[k], p[(k + 1) % p.size()]));
    }
    const double porColuna = RAIOS_POR_UNIDADE / sizeR;
    const double de = std::floor(perto * porColuna) - 1, ate = std::ceil(longe * porColuna) + 2;
    if (de > inicio) inicio = de >= fim ? fim : static_cast<int>(de);
    if (ate < fim) fim = ate <= inicio ? inicio : static_cast<int>(ate);
    return inicio < fim;
}

// -------------------------------------------------------------------- the rays

// Flat cells of azimuth a, columns [inicio, fim): runs of one colour as one
// quad. Only the runs that reach into the visible columns [de, ate) are
// drawn, each whole, so a run looks the same whatever part of it shows.
void raioPlano(Lote& lote, const Visivel& janela, int sizeR, int a, int inicio, int fim, int de, int ate) {
    const TabelaDeAngulos& t = angulos();
    const double c1 = t.cosBorda[a][0], s1 = t.senBorda[a][0], c2 = t.cosBorda[a][1], s2 = t.senBorda[a][1];
    int r = de;
    float cor[3];
    bool temCor = r < fim && corDaAmostra(matriz.valorDaColuna(sizeR, a, r), cor);
    // Back to the start of the run the first visible column belongs to.
    for (float antes[3]; temCor && r > inicio && corDaAmostra(matriz.valorDaColuna(sizeR, a, r - 1), antes) &&
                         antes[0] == cor[0] && antes[1] == cor[1] && antes[2] == cor[2];)
        --r;
    while (r < ate) {
        if (!temCor) {
            ++r;
            temCor = r < ate && corDaAmostra(matriz.valorDaColuna(sizeR, a, r), cor);
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
        if (!janela.semCentroDePixel(r0, r1, c1, s1, c2, s2)) {
            lote.vertice(r0, c1, s1, cor);
            lote.vertice(r0, c2, s2, cor);
            lote.vertice(r1, c2, s2, cor);
            lote.vertice(r1, c1, s1, cor);
            lote.fimDePrimitiva();
        }
        r = ultimo + 1;
        temCor = outraTemCor;
        if (temCor) std::copy(outra, outra + 3, cor);
    }
}

// Smooth cells between azimuths a and a + 1, columns [inicio, fim).
void raioSuave(Lote& lote, const Visivel& janela, int sizeR, int a, int inicio, int fim) {
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
        if (janela.semCentroDePixel(r0, r1, t.cosCentro[n], t.senCentro[n], t.cosCentro[a], t.senCentro[a])) continue;
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

// ------------------------------------------------------ the views' entry points

void desenhaCelulas(qualidade q, int sizeR, int azimuteInicial, int azimutes, int inicio, int fim) {
    if (q == PIOR) glPointSize(escalaGlobal);
    // A point is escalaGlobal pixels wide about its sample.
    const Visivel janela = janelaNaVarredura(3 + (q == PIOR ? escalaGlobal / 2.0 : 0.0));
    const TabelaDeAngulos& t = angulos();
    Lote lote(q == PIOR ? GL_POINTS : q == BOA ? GL_TRIANGLES : GL_QUADS);
    for (int k = 0; k < azimutes; ++k) {
        const int a = (azimuteInicial + k) % N_AZIMUTES, n = (a + 1) % N_AZIMUTES;
        int de = inicio, ate = fim;
        // The ray's wedge: from azimuth a + 1 to a (smooth), else a's cell edges.
        const bool visivel = q == BOA ? colunasVisiveis(janela, t.cosCentro[n], t.senCentro[n], t.cosCentro[a], t.senCentro[a], sizeR, de, ate)
                                      : colunasVisiveis(janela, t.cosBorda[a][0], t.senBorda[a][0], t.cosBorda[a][1], t.senBorda[a][1],
                                                        q == PIOR ? 1 : sizeR, de, ate);
        if (!visivel) continue;
        if (q == PIOR) raioDePontos(lote, a, de, ate);
        else if (q == BOA) raioSuave(lote, janela, sizeR, a, de, ate);
        else raioPlano(lote, janela, sizeR, a, inicio, fim, de, ate);
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
