// The arithmetic of drawing polar cells: wedge angles, the window in the
// scan frame, visible columns, pixel-centre tests and the grown run quads.
#include "recorte.h"

#include <algorithm>
#include <cmath>

#include "angulos.h"
#include "geometria.h"

int colunasDaTabela(int sizeR) {
    switch (sizeR) {
    case 1: return N_RAIOS;
    case 2: return N_RAIOS / 2;
    case 4: return N_RAIOS / 4;
    default: return N_RAIOS / 16;
    }
}

TabelaDeAngulos::TabelaDeAngulos() {
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

const TabelaDeAngulos& angulosDasCunhas() {
    static const TabelaDeAngulos tabela;
    return tabela;
}

// ------------------------------------------------------------ pixel centres

bool centrosNaCaixa(const double (&px)[4], const double (&py)[4], double& kx0, double& kx1, double& ky0, double& ky1) {
    const double folga = Visivel::FOLGA;
    const auto [x0, x1] = std::minmax({px[0], px[1], px[2], px[3]});
    const auto [y0, y1] = std::minmax({py[0], py[1], py[2], py[3]});
    kx0 = std::ceil(x0 - 0.5 - folga), kx1 = std::floor(x1 - 0.5 + folga);
    ky0 = std::ceil(y0 - 0.5 - folga), ky1 = std::floor(y1 - 0.5 + folga);
    return kx0 <= kx1 && ky0 <= ky1;
}

bool Visivel::semCentroDePixel(const double (&px)[4], const double (&py)[4]) const {
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

void Visivel::emPixels(double r0, double r1, double c0, double s0, double c1, double s1, double (&px)[4],
                       double (&py)[4]) const {
    const double k0 = r0 / RAIOS_POR_UNIDADE, k1 = r1 / RAIOS_POR_UNIDADE;
    px[0] = ax * k0 * c0 + bx, px[1] = ax * k1 * c0 + bx, px[2] = ax * k1 * c1 + bx, px[3] = ax * k0 * c1 + bx;
    py[0] = ay * k0 * s0 + by, py[1] = ay * k1 * s0 + by, py[2] = ay * k1 * s1 + by, py[3] = ay * k0 * s1 + by;
}

bool Visivel::semCentroDePixel(double r0, double r1, double c0, double s0, double c1, double s1) const {
    double px[4], py[4];
    emPixels(r0, r1, c0, s0, c1, s1, px, py);
    return semCentroDePixel(px, py);
}

void Visivel::triangulosComCentro(double r0, double r1, double cn, double sn, double ca, double sa, bool& primeiro,
                                  bool& segundo) const {
    primeiro = segundo = true;
    if (tudo || !pixelExato) return;
    // x[0] is corner 0, x[1] corner 3, x[2] corner 2, x[3] corner 1.
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

// ------------------------------------------------------------------ culling
//
// The window, a few pixels wider, is taken back to the scan frame; a ray's
// wedge clipped to it gives the range of distances (so of columns) whose
// cells can show.

Visivel janelaNaVarredura(const double (&mv)[16], const double (&pr)[16], const int (&vp)[4], double margemPixels) {
    Visivel v;
    // Both matrices scale and shift x and y only (as every view sets them).
    for (const double* m : {mv, pr})
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

namespace {

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

} // namespace

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

std::vector<Colunas> colunasDasCunhas(const Visivel& janela, qualidade q, int sizeR, int azimuteInicial, int azimutes,
                                      int inicio, int fim) {
    const TabelaDeAngulos& t = angulosDasCunhas();
    std::vector<Colunas> visiveis(static_cast<std::size_t>(std::max(azimutes, 0)));
    for (int k = 0; k < azimutes; ++k) {
        const int a = (azimuteInicial + k) % N_AZIMUTES, n = (a + 1) % N_AZIMUTES;
        int de = inicio, ate = fim;
        const bool algum = q == BOA ? colunasVisiveis(janela, t.cosCentro[n], t.senCentro[n], t.cosCentro[a],
                                                      t.senCentro[a], sizeR, de, ate)
                                    : colunasVisiveis(janela, t.cosBorda[a][0], t.senBorda[a][0], t.cosBorda[a][1],
                                                      t.senBorda[a][1], q == PIOR ? 1 : sizeR, de, ate);
        visiveis[static_cast<std::size_t>(k)] = algum ? Colunas{de, ate} : Colunas{0, 0};
    }
    return visiveis;
}

// ------------------------------------------------------------ one-colour runs

void quadDoTrecho(const Visivel& janela, int sizeR, int a, int de, int ate, double (&qx)[4], double (&qy)[4]) {
    const TabelaDeAngulos& t = angulosDasCunhas();
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
    for (int c = 0; c < 4; ++c) {
        const int e = (c + 3) % 4; // the edge that ends at corner c
        const double f = folga / (1 + nx[e] * nx[c] + ny[e] * ny[c]);
        qx[c] = (px[c] + f * (nx[e] + nx[c]) - janela.bx) / janela.ax;
        qy[c] = (py[c] + f * (ny[e] + ny[c]) - janela.by) / janela.ay;
    }
}
