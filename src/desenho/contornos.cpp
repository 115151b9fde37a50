// The dashed outline of a selection being dragged, and the sector outline
// shared with the minimap.
#include "contornos.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "estado.h"
#include "geometria.h"
#include "selecoes.h"

namespace {

Ponto polar(double raio, int anguloPolar) { return pontoPolar(raio, anguloPolar * GRAUS_PARA_RADIANOS); }

// The n + 1 points of an arc of n one-degree steps counter-clockwise from
// `inicio` at `raio` gates, from its start (or from its end, `inverso`).
void arco(std::vector<Ponto>& linha, double raio, int inicio, int n, bool inverso = false) {
    for (int k = 0; k <= n; ++k) linha.push_back(polar(raio, static_cast<int>(modPositivo(inicio + (inverso ? n - k : k), 360))));
}

// Inner arc, radial at its end, outer arc back, radial to the start: one closed line.
std::vector<Ponto> contornoSetor(double raioI, double raioF, int inicio, int abertura) {
    std::vector<Ponto> linha;
    arco(linha, raioI, inicio, abertura);
    arco(linha, raioF, inicio, abertura, true);
    linha.push_back(linha.front());
    return linha;
}

// The outline's pattern, two pixels off then two on, running along the whole
// line through all its corners, so short pieces (the one-degree steps of an
// arc of small radius) still show. Drawn as short segments computed here:
// the renderer's own line stipple carries its phase from one frame to the
// next on some renderers, which would make a kept frame differ from a fresh
// one. Points are in the view frame; only what lies in the window is dashed.
void tracejado(const std::vector<Ponto>& linha) {
    constexpr double TRACO = 2; // pixels off, then as many on
    const double lado = std::max(1u, std::min(width, height));
    const double escala = lado / 2; // pixels per view unit
    // The window in pixels about the view's centre, with a margin.
    const double xLimite = std::max(1u, width) / 2.0 + 4, yLimite = std::max(1u, height) / 2.0 + 4;
    double percorrido = 0; // pixels along the line before this piece
    glBegin(GL_LINES);
    for (std::size_t k = 1; k < linha.size(); ++k) {
        const double x0 = linha[k - 1].x * escala, y0 = linha[k - 1].y * escala;
        const double dx = linha[k].x * escala - x0, dy = linha[k].y * escala - y0;
        const double comprimento = std::hypot(dx, dy);
        if (!(comprimento > 0) || !std::isfinite(comprimento)) continue;
        // The part of the piece inside the window (parameters t0..t1 of 0..1).
        double t0 = 0, t1 = 1;
        const double p[4] = {-dx, dx, -dy, dy}, q[4] = {x0 + xLimite, xLimite - x0, y0 + yLimite, yLimite - y0};
        for (int i = 0; i < 4 && t0 <= t1; ++i) {
            if (p[i] == 0) {
                if (q[i] < 0) t1 = -1;
            } else if (p[i] < 0) {
                t0 = std::max(t0, q[i] / p[i]);
            } else {
                t1 = std::min(t1, q[i] / p[i]);
            }
        }
        if (t0 <= t1) {
            // From the point where the piece enters the window, in pixels along
            // it: dash k covers [2k - fase, 2k + 2 - fase) and is on for odd k.
            // Bounded by the window, however far off the piece starts.
            const double ux = dx / comprimento, uy = dy / comprimento;
            const double ex = x0 + dx * t0, ey = y0 + dy * t0;
            const double fase = std::fmod(percorrido + std::fmod(t0 * comprimento, 2 * TRACO), 2 * TRACO);
            const double visivel = std::min((t1 - t0) * comprimento, 2 * (xLimite + yLimite));
            for (int j = 0; j * TRACO - fase < visivel; ++j) {
                if (j % 2 == 0) continue;
                const double de = std::max(0.0, j * TRACO - fase), ate = std::min(visivel, (j + 1) * TRACO - fase);
                if (ate <= de) continue;
                glVertex2d((ex + ux * de) / escala, (ey + uy * de) / escala);
                glVertex2d((ex + ux * ate) / escala, (ey + uy * ate) / escala);
            }
        }
        percorrido = std::fmod(percorrido + std::fmod(comprimento, 2 * TRACO), 2 * TRACO);
    }
    glEnd();
}

// Scan-frame points to the view frame under the current view transform.
std::vector<Ponto> naVista(std::vector<Ponto> linha) {
    for (Ponto& p : linha) varreduraParaVista(p.x, p.y, p.x, p.y);
    return linha;
}

void perfilArrastado(float x0, float y0, float x1, float y1) {
    // The same frame the profile will be taken in: over the full disc the
    // view points are scan points, whatever scale a zoom left behind.
    const bool direto = vistaSemTransformacao(estadoAnterior);
    float xs0 = x0, ys0 = y0, xs1 = x1, ys1 = y1;
    if (!direto) {
        vistaParaVarredura(x0, y0, xs0, ys0);
        vistaParaVarredura(x1, y1, xs1, ys1);
    }
    const unsigned inicial = matriz.getRaioInicial(), final = matriz.getRaioFinal();
    std::vector<Ponto> linha;
    if (isLinha) {
        long rA = limitaAoAlcance(raioDoPonto(xs0, ys0), inicial, final);
        long rB = limitaAoAlcance(raioDoPonto(xs1, ys1), inicial, final);
        if (rA == rB) { // the whole ray
            rA = inicial;
            rB = final;
        }
        linha = {polar(rA, anguloPolarDoPonto(xs0, ys0)), polar(rB, anguloPolarDoPonto(xs0, ys0))};
    } else {
        // Ordered by azimuth as the profile will be (at exactly 180 degrees,
        // clockwise from the press point), drawn counter-clockwise from its end.
        const long r = limitaAoAlcance(raioDoPonto(xs0, ys0), inicial, final);
        const Arco a = ordenaArco(anguloPolarDoAzimute(anguloPolarDoPonto(xs0, ys0)),
                                  anguloPolarDoAzimute(anguloPolarDoPonto(xs1, ys1)));
        arco(linha, r, anguloPolarDoAzimute(a.fim), a.abertura);
    }
    tracejado(direto ? linha : naVista(linha));
}

} // namespace

void desenhaContornoSetor(double raioI, double raioF, int inicio, int abertura) {
    glBegin(GL_LINE_STRIP);
    for (const Ponto& p : contornoSetor(raioI, raioF, inicio, abertura)) glVertex2d(p.x, p.y);
    glEnd();
}

void drawSelecao(float x0, float y0, float x1, float y1) {
    glLineWidth(1);
    glColor3f(0, 0, 0);
    switch (figure.kind) {
    case 1: tracejado({{x0, y0}, {x0, y1}, {x1, y1}, {x1, y0}, {x0, y0}}); break;
    case 2: {
        const SetorArrastado s = setorDoArrasto(x0, y0, x1, y1);
        registraSetor(s);
        tracejado(contornoSetor(s.raioI, s.raioF, s.arco.inicio, s.arco.abertura));
        break;
    }
    case 3: perfilArrastado(x0, y0, x1, y1); break;
    default: break;
    }
}
