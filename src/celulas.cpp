// Polar cells of the scan in the three display qualities.
//
// Index: single cells | batched drawing | colours of a table | culling | the rays |
// the views' entry points
#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <map>
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
    static constexpr std::size_t MAIOR = 6;            // vertices of the largest primitive
    GLenum modo;
    std::vector<float> xy, rgb;
    std::size_t n = 0; // vertices held
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

// -------------------------------------------------------- colours of a table
//
// The colour of every sample of a table in the current colour mode, kept as
// an index into the few colours that occur: looked up once per scan, table
// and mode, so redraws of the same setting (a pan, a zoom) only read them.

class CoresDaTabela {
public:
    // The colours of table sizeR in the current mode, or null when they are
    // not kept (a mode outside the list, or too many distinct colours).
    static const CoresDaTabela* da(int sizeR) {
        static CoresDaTabela guardadas[2]; // the main view's and the minimap's
        static unsigned usos = 0;
        const int modo = coresSuave;
        if (modo < COR_MAXIMO || modo > COR_BRILHO) return nullptr;
        CoresDaTabela* menosUsada = &guardadas[0];
        for (CoresDaTabela& g : guardadas) {
            if (g.geracao == matriz.getGeracao() && g.sizeR == sizeR && g.modo == modo) {
                g.uso = ++usos;
                return g.valida ? &g : nullptr;
            }
            if (g.uso < menosUsada->uso) menosUsada = &g;
        }
        menosUsada->monta(sizeR, modo);
        menosUsada->uso = ++usos;
        return menosUsada->valida ? menosUsada : nullptr;
    }
    // A run of smooth cells of wedge a (to a + 1), columns [de, ate), whose
    // four corners all have colour `cor` (two cells or more).
    struct Uniforme {
        int de, ate;
        std::uint16_t cor;
    };
    // The runs of wedge a, outwards.
    const Uniforme* uniformes(int a, const Uniforme*& fim) const {
        fim = trechos.data() + inicioDosTrechos[a + 1];
        return trechos.data() + inicioDosTrechos[a];
    }
    const float* corDoIndice(std::uint16_t i) const { return paleta[i].data(); }
    // As corDaAmostra for the sample at row a, column r.
    bool cor(int a, int r, float c[3]) const {
        const std::uint16_t i = indice(a, r);
        if (i == 0) return false;
        std::copy(paleta[i].begin(), paleta[i].end(), c);
        return true;
    }

private:
    std::uint16_t indice(int a, int r) const { return indices[static_cast<std::size_t>(a) * colunas + r]; }
    void monta(int tamanho, int modoDeCor) {
        geracao = matriz.getGeracao(), sizeR = tamanho, modo = modoDeCor;
        colunas = colunasDaTabela(sizeR);
        indices.assign(static_cast<std::size_t>(N_AZIMUTES) * colunas, 0);
        paleta.assign(1, {0.6f, 0.6f, 0.6f}); // entry 0: no echo
        std::map<std::array<float, 3>, std::uint16_t> existentes;
        float anterior = 0;
        std::uint16_t indiceAnterior = 0;
        bool temAnterior = false;
        valida = false;
        for (int a = 0; a < N_AZIMUTES; ++a)
            for (int r = 0; r < colunas; ++r) {
                const float v = matriz.valorDaColuna(sizeR, a, r);
                std::uint16_t i = 0;
                if (temAnterior && std::memcmp(&v, &anterior, sizeof v) == 0) {
                    i = indiceAnterior;
                } else {
                    std::array<float, 3> c;
                    if (corDaAmostra(v, c.data())) {
                        const auto achada = existentes.find(c);
                        if (achada != existentes.end()) {
                            i = achada->second;
                        } else {
                            if (paleta.size() > 0xffff) return; // too many to keep
                            i = static_cast<std::uint16_t>(paleta.size());
                            paleta.push_back(c);
                            existentes.emplace(c, i);
                        }
                    }
                    anterior = v, indiceAnterior = i, temAnterior = true;
                }
                indices[static_cast<std::size_t>(a) * colunas + r] = i;
            }
        achaUniformes();
        valida = true;
    }
    void achaUniformes() {
        trechos.clear();
        inicioDosTrechos.assign(N_AZIMUTES + 1, 0);
        for (int a = 0; a < N_AZIMUTES; ++a) {
            const int n = (a + 1) % N_AZIMUTES;
            inicioDosTrechos[a] = static_cast<int>(trechos.size());
            // The cell at column r is uniform when its four corners share one index other than "no echo".
            const auto uniforme = [&](int r) {
                const int fora = r + 1 < colunas ? r + 1 : r;
                const std::uint16_t i = indice(a, r);
                return i != 0 && indice(n, r) == i && indice(n, fora) == i && indice(a, fora) == i;
            };
            for (int r = 0; r < colunas;) {
                if (!uniforme(r)) {
                    ++r;
                    continue;
                }
                const std::uint16_t i = indice(a, r);
                int fim = r + 1;
                while (fim < colunas && uniforme(fim) && indice(a, fim) == i) ++fim;
                if (fim - r >= 2) trechos.push_back({r, fim, i});
                r = fim;
            }
        }
        inicioDosTrechos[N_AZIMUTES] = static_cast<int>(trechos.size());
    }
    unsigned long geracao = 0;
    int sizeR = 0, modo = -1, colunas = 0;
    unsigned uso = 0;
    bool valida = false;
    std::vector<std::uint16_t> indices;
    std::vector<std::array<float, 3>> paleta;
    std::vector<Uniforme> trechos;
    std::vector<int> inicioDosTrechos; // per wedge, into trechos; one more at the end
};

// The samples of one table as the rays read them: colours from the kept
// indices when there are, else looked up one by one.
struct Amostras {
    int sizeR;
    const CoresDaTabela* guardadas;
    explicit Amostras(int sizeR) : sizeR(sizeR), guardadas(CoresDaTabela::da(sizeR)) {}
    bool cor(int a, int r, float c[3]) const {
        return guardadas ? guardadas->cor(a, r, c) : corDaAmostra(matriz.valorDaColuna(sizeR, a, r), c);
    }
};

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
    // Margin of the pixel-centre tests, in pixels: well beyond the
    // renderer's sub-pixel grid.
    static constexpr double FOLGA = 1.0 / 64;

    // True when the convex quadrilateral px, py (window pixels, in order)
    // covers no pixel centre, with a margin beyond the renderer's sub-pixel
    // grid: the renderer would write nothing for it. Small ones are tested
    // centre by centre; larger ones only by their bounding box.
    bool semCentroDePixel(const double (&px)[4], const double (&py)[4]) const {
        if (tudo || !pixelExato) return false;
        double kx0, kx1, ky0, ky1;
        if (!centrosNaCaixa(px, py, kx0, kx1, ky0, ky1)) return true;
        if (kx1 - kx0 > 2 || ky1 - ky0 > 2) return false;
        // Twice the signed area gives the order of the corners.
        double area = 0;
        for (int k = 0; k < 4; ++k) area += px[k] * py[(k + 1) % 4] - px[(k + 1) % 4] * py[k];
        if (!(std::fabs(area) > 1e-9)) return false;
        const double sentido = area > 0 ? 1 : -1;
        // Each edge with its length times the margin, so a centre's signed
        // distance needs no division.
        double ex[4], ey[4], margem[4];
        for (int k = 0; k < 4; ++k) {
            ex[k] = sentido * (px[(k + 1) % 4] - px[k]), ey[k] = sentido * (py[(k + 1) % 4] - py[k]);
            margem[k] = -FOLGA * std::sqrt(ex[k] * ex[k] + ey[k] * ey[k]);
        }
        for (double kx = kx0; kx <= kx1; ++kx)
            for (double ky = ky0; ky <= ky1; ++ky) {
                const double cx = kx + 0.5, cy = ky + 0.5;
                bool dentro = true;
                // Corners that meet at the radar give an edge of no length: it passes.
                for (int k = 0; k < 4 && dentro; ++k)
                    dentro = margem[k] > -1e-12 * FOLGA || ex[k] * (cy - py[k]) - ey[k] * (cx - px[k]) >= margem[k];
                if (dentro) return false;
            }
        return true;
    }
    // The pixel centres (kx + 0.5, ky + 0.5), kx0 <= kx <= kx1 and ky0 <= ky
    // <= ky1, in the bounding box of px, py widened by the margin; false
    // when there are none.
    static bool centrosNaCaixa(const double (&px)[4], const double (&py)[4], double& kx0, double& kx1, double& ky0,
                               double& ky1) {
        const auto [x0, x1] = std::minmax({px[0], px[1], px[2], px[3]});
        const auto [y0, y1] = std::minmax({py[0], py[1], py[2], py[3]});
        kx0 = std::ceil(x0 - 0.5 - FOLGA), kx1 = std::floor(x1 - 0.5 + FOLGA);
        ky0 = std::ceil(y0 - 0.5 - FOLGA), ky1 = std::floor(y1 - 0.5 + FOLGA);
        return kx0 <= kx1 && ky0 <= ky1;
    }
    // The corners of gates r0..r1 between directions (c0, s0) and (c1, s1)
    // in window pixels: r0 then r1 along (c0, s0), r1 then r0 along (c1, s1).
    void emPixels(double r0, double r1, double c0, double s0, double c1, double s1, double (&px)[4],
                  double (&py)[4]) const {
        const double k0 = r0 / RAIOS_POR_UNIDADE, k1 = r1 / RAIOS_POR_UNIDADE;
        px[0] = ax * k0 * c0 + bx, px[1] = ax * k1 * c0 + bx, px[2] = ax * k1 * c1 + bx, px[3] = ax * k0 * c1 + bx;
        py[0] = ay * k0 * s0 + by, py[1] = ay * k1 * s0 + by, py[2] = ay * k1 * s1 + by, py[3] = ay * k0 * s1 + by;
    }
    // The quadrilateral of gates r0..r1 between directions (c0, s0) and (c1, s1).
    bool semCentroDePixel(double r0, double r1, double c0, double s0, double c1, double s1) const {
        double px[4], py[4];
        emPixels(r0, r1, c0, s0, c1, s1, px, py);
        return semCentroDePixel(px, py);
    }
    // For the smooth cell with corners 0 (r0, a), 1 (r0, n), 2 (r1, n) and
    // 3 (r1, a): whether its triangles (1, 2, 0) and (2, 3, 0) may each
    // cover a pixel centre (a triangle that covers none writes nothing).
    void triangulosComCentro(double r0, double r1, double cn, double sn, double ca, double sa, bool& primeiro,
                             bool& segundo) const {
        primeiro = segundo = true;
        if (tudo || !pixelExato) return;
        // p[0] is corner 0, p[1] corner 3, p[2] corner 2, p[3] corner 1.
        double x[4], y[4];
        emPixels(r0, r1, ca, sa, cn, sn, x, y);
        // Most cells of a full disc at 250 m hold no pixel centre even in their bounding box.
        double kx0, kx1, ky0, ky1;
        if (!centrosNaCaixa(x, y, kx0, kx1, ky0, ky1)) {
            primeiro = segundo = false;
            return;
        }
        // A triangle is the quadrilateral with its last corner twice.
        const double xa[4] = {x[3], x[2], x[0], x[0]}, ya[4] = {y[3], y[2], y[0], y[0]};
        const double xb[4] = {x[2], x[1], x[0], x[0]}, yb[4] = {y[2], y[1], y[0], y[0]};
        primeiro = !semCentroDePixel(xa, ya);
        segundo = !semCentroDePixel(xb, yb);
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
void raioPlano(Lote& lote, const Visivel& janela, const Amostras& amostras, int a, int inicio, int fim, int de, int ate) {
    const int sizeR = amostras.sizeR;
    const TabelaDeAngulos& t = angulos();
    const double c1 = t.cosBorda[a][0], s1 = t.senBorda[a][0], c2 = t.cosBorda[a][1], s2 = t.senBorda[a][1];
    int r = de;
    float cor[3];
    bool temCor = r < fim && amostras.cor(a, r, cor);
    // Back to the start of the run the first visible column belongs to.
    for (float antes[3]; temCor && r > inicio && amostras.cor(a, r - 1, antes) &&
                         antes[0] == cor[0] && antes[1] == cor[1] && antes[2] == cor[2];)
        --r;
    while (r < ate) {
        if (!temCor) {
            ++r;
            temCor = r < ate && amostras.cor(a, r, cor);
            continue;
        }
        // Extend the run while the next cell has the same colour; keep the
        // colour that ended it for the next run.
        int ultimo = r;
        float outra[3];
        bool outraTemCor = false;
        while (ultimo + 1 < fim) {
            outraTemCor = amostras.cor(a, ultimo + 1, outra);
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

// Cells [de, ate) of one wedge whose four corners all have one colour.
struct Trecho {
    int k, de, ate; // k: the wedge's place among those drawn
};

// A smooth cell with one colour at its four corners is shaded that very
// colour at every pixel, whichever triangles cover it. A run of them along a
// wedge is drawn first as one quad grown by a sliver (so it covers every
// pixel its cells would, despite their corners' own rounding); the other
// cells are drawn after it exactly as single cells, so each pixel of the
// sliver ends with its own cell's colour. Every cell next to the run shares
// a corner with it, so has echo and is drawn (or has the run's colour);
// runs stop one cell short of where no cell is drawn beside them.
void trechoUniforme(Lote& lote, const Visivel& janela, int sizeR, int a, int de, int ate, const float cor[3]) {
    const TabelaDeAngulos& t = angulos();
    const int n = (a + 1) % N_AZIMUTES;
    // Inner and outer corners on a's line, then on n's, in window pixels.
    double px[4], py[4];
    janela.emPixels(static_cast<double>(sizeR) * de, static_cast<double>(sizeR) * ate, t.cosCentro[a], t.senCentro[a],
                    t.cosCentro[n], t.senCentro[n], px, py);
    // Each edge moved a sixty-fourth of a pixel outwards (azimuths turn
    // clockwise, so the corners usually go round clockwise).
    double area = 0;
    for (int c = 0; c < 4; ++c) area += px[c] * py[(c + 1) % 4] - px[(c + 1) % 4] * py[c];
    const double folga = area > 0 ? Visivel::FOLGA : -Visivel::FOLGA;
    double nx[4], ny[4];
    for (int c = 0; c < 4; ++c) {
        const double ex = px[(c + 1) % 4] - px[c], ey = py[(c + 1) % 4] - py[c], l = std::hypot(ex, ey);
        nx[c] = ey / l, ny[c] = -ex / l; // outwards for counter-clockwise corners
    }
    double qx[4], qy[4];
    for (int c = 0; c < 4; ++c) {
        const int e = (c + 3) % 4; // the edge that ends at corner c
        const double f = folga / (1 + nx[e] * nx[c] + ny[e] * ny[c]);
        qx[c] = (px[c] + f * (nx[e] + nx[c]) - janela.bx) / janela.ax;
        qy[c] = (py[c] + f * (ny[e] + ny[c]) - janela.by) / janela.ay;
    }
    for (int k : {0, 1, 2, 0, 2, 3}) lote.vertice(qx[k], qy[k], cor);
    lote.fimDePrimitiva();
}

// Smooth cells between azimuths a and a + 1, columns [inicio, fim); the
// runs drawn before, [pula, pulaAte) (when any), are left out.
void raioSuave(Lote& lote, const Visivel& janela, const Amostras& amostras, int a, int inicio, int fim, const Trecho* pula,
               const Trecho* pulaAte) {
    const TabelaDeAngulos& t = angulos();
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
        janela.triangulosComCentro(r0, r1, t.cosCentro[n], t.senCentro[n], t.cosCentro[a], t.senCentro[a], primeiro, segundo);
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

// The runs of wedge k (azimuth a) within cells [de, ate): appended to
// `trechos` and drawn. At least two cells each (one would be no fewer
// triangles).
void trechosDoRaio(Lote& lote, const Visivel& janela, const CoresDaTabela& cores, int sizeR, int k, int a, int de,
                   int ate, std::vector<Trecho>& trechos) {
    const CoresDaTabela::Uniforme* fim;
    for (const CoresDaTabela::Uniforme* u = cores.uniformes(a, fim); u != fim; ++u) {
        const int r0 = std::max(u->de, de), r1 = std::min(u->ate, ate);
        if (r1 - r0 < 2) continue;
        trechos.push_back({k, r0, r1});
        trechoUniforme(lote, janela, sizeR, a, r0, r1, cores.corDoIndice(u->cor));
    }
}

// Points overlap (near the radar many share a pixel, and they grow with the
// zoom), so grey ones are drawn too: the last point drawn on a pixel shows.
void raioDePontos(Lote& lote, const Amostras& amostras, int a, int inicio, int fim) {
    const TabelaDeAngulos& t = angulos();
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
    const Visivel janela = janelaNaVarredura(3 + (q == PIOR ? escalaGlobal / 2.0 : 0.0));
    const TabelaDeAngulos& t = angulos();
    Lote lote(q == PIOR ? GL_POINTS : q == BOA ? GL_TRIANGLES : GL_QUADS);
    const Amostras amostras(q == PIOR ? 1 : sizeR); // points read the full table
    // The visible columns [de, ate) of each wedge k; empty when none.
    struct Colunas {
        int de, ate;
    };
    std::vector<Colunas> visiveis(static_cast<std::size_t>(std::max(azimutes, 0)));
    for (int k = 0; k < azimutes; ++k) {
        const int a = (azimuteInicial + k) % N_AZIMUTES, n = (a + 1) % N_AZIMUTES;
        int de = inicio, ate = fim;
        // The ray's wedge: from azimuth a + 1 to a (smooth), else a's cell edges.
        const bool algum =
            q == BOA ? colunasVisiveis(janela, t.cosCentro[n], t.senCentro[n], t.cosCentro[a], t.senCentro[a], sizeR, de, ate)
                     : colunasVisiveis(janela, t.cosBorda[a][0], t.senBorda[a][0], t.cosBorda[a][1], t.senBorda[a][1],
                                       q == PIOR ? 1 : sizeR, de, ate);
        visiveis[k] = algum ? Colunas{de, ate} : Colunas{0, 0};
    }
    // Smooth cells: runs of one colour first (only where the pixel grid is
    // known, and only in wedges with drawn wedges on both sides).
    std::vector<Trecho> trechos;
    if (q == BOA && !janela.tudo && janela.pixelExato && amostras.guardadas)
        for (int k = 0; k < azimutes; ++k) {
            if (azimutes < N_AZIMUTES && (k == 0 || k == azimutes - 1)) continue;
            if (visiveis[k].de < visiveis[k].ate)
                trechosDoRaio(lote, janela, *amostras.guardadas, sizeR, k, (azimuteInicial + k) % N_AZIMUTES,
                              std::max(visiveis[k].de, inicio + 1), std::min(visiveis[k].ate, fim - 1), trechos);
        }
    const Trecho* proximo = trechos.data();
    const Trecho* const ultimo = trechos.data() + trechos.size();
    for (int k = 0; k < azimutes; ++k) {
        const int a = (azimuteInicial + k) % N_AZIMUTES;
        const int de = visiveis[k].de, ate = visiveis[k].ate;
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
        desenhaCelulas(PIOR, 1, 0, N_AZIMUTES, static_cast<int>(matriz.raioMinimo), static_cast<int>(matriz.raioMaximo));
        return;
    }
    const unsigned passo = static_cast<unsigned>(qualidadeR);
    desenhaCelulas(qualidadeImagem, qualidadeR, 0, N_AZIMUTES, static_cast<int>(matriz.raioMinimo / passo),
                   static_cast<int>(matriz.raioMaximo / passo));
}
