// The dashed outline of a selection being dragged, and the sector outline
// shared with the minimap.
#include <GL/gl.h>

#include <cmath>

#include "geometria.h"
#include "glclass.h"
#include "interacao.h"
#include "matriz.h"

namespace {

void vertice(double raio, int anguloPolar) { verticePolar(raio, anguloPolar * GRAUS_PARA_RADIANOS); }

// The n + 1 vertices of an arc of n one-degree steps counter-clockwise from
// `inicio` at `raio` gates, from its start (or from its end, `inverso`).
// Drawn as part of one strip, so a dash pattern runs along the whole arc
// instead of restarting on every degree (which hid arcs of small radius).
void verticesDoArco(double raio, int inicio, int n, bool inverso = false) {
    for (int k = 0; k <= n; ++k) vertice(raio, static_cast<int>(modPositivo(inicio + (inverso ? n - k : k), 360)));
}

void perfilArrastado(float x0, float y0, float x1, float y1) {
    float xs0, ys0, xs1, ys1;
    vistaParaVarredura(x0, y0, xs0, ys0);
    vistaParaVarredura(x1, y1, xs1, ys1);
    const unsigned inicial = matriz.getRaioInicial(), final = matriz.getRaioFinal();
    glPushMatrix();
    aplicaTransformacaoDaVista();
    glBegin(GL_LINE_STRIP);
    if (isLinha) {
        long rA = limitaAoAlcance(raioDoPonto(xs0, ys0), inicial, final);
        long rB = limitaAoAlcance(raioDoPonto(xs1, ys1), inicial, final);
        if (rA == rB) { // the whole ray
            rA = inicial;
            rB = final;
        }
        vertice(rA, anguloPolarDoPonto(xs0, ys0));
        vertice(rB, anguloPolarDoPonto(xs0, ys0));
    } else {
        // Ordered by azimuth as the profile will be (at exactly 180 degrees,
        // clockwise from the press point), drawn counter-clockwise from its end.
        const long r = limitaAoAlcance(raioDoPonto(xs0, ys0), inicial, final);
        const Arco a = ordenaArco(anguloPolarDoAzimute(anguloPolarDoPonto(xs0, ys0)),
                                  anguloPolarDoAzimute(anguloPolarDoPonto(xs1, ys1)));
        verticesDoArco(r, anguloPolarDoAzimute(a.fim), a.abertura);
    }
    glEnd();
    glPopMatrix();
}

} // namespace

void desenhaContornoSetor(double raioI, double raioF, int inicio, int abertura) {
    // One closed strip: inner arc, radial at its end, outer arc back, radial at `inicio`.
    glBegin(GL_LINE_LOOP);
    verticesDoArco(raioI, inicio, abertura);
    verticesDoArco(raioF, inicio, abertura, true);
    glEnd();
}

void drawSelecao(float x0, float y0, float x1, float y1) {
    glLineStipple(1, 0xCCCC);
    glEnable(GL_LINE_STIPPLE);
    glLineWidth(1);
    glColor3f(0, 0, 0);
    switch (figure.kind) {
    case 1:
        glBegin(GL_LINE_LOOP);
        glVertex2f(x0, y0);
        glVertex2f(x0, y1);
        glVertex2f(x1, y1);
        glVertex2f(x1, y0);
        glEnd();
        break;
    case 2: {
        const SetorArrastado s = setorDoArrasto(x0, y0, x1, y1);
        registraSetor(s);
        desenhaContornoSetor(s.raioI, s.raioF, s.arco.inicio, s.arco.abertura);
        break;
    }
    case 3: perfilArrastado(x0, y0, x1, y1); break;
    default: break;
    }
    glDisable(GL_LINE_STIPPLE);
}
