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

// n one-degree segments counter-clockwise from `inicio` at `raio` gates.
void arco(double raio, int inicio, int n) {
    for (int k = 0; k < n; ++k) {
        const int u = static_cast<int>(modPositivo(inicio + k, 360));
        vertice(raio, u);
        vertice(raio, (u + 1) % 360);
    }
}

void segmentoRadial(int angulo, double de, double ate) {
    vertice(de, angulo);
    vertice(ate, angulo);
}

void perfilArrastado(float x0, float y0, float x1, float y1) {
    float xs0, ys0, xs1, ys1;
    vistaParaVarredura(x0, y0, xs0, ys0);
    vistaParaVarredura(x1, y1, xs1, ys1);
    const unsigned inicial = matriz.getRaioInicial(), final = matriz.getRaioFinal();
    glPushMatrix();
    aplicaTransformacaoDaVista();
    glBegin(GL_LINES);
    if (isLinha) {
        long rA = limitaAoAlcance(raioDoPonto(xs0, ys0), inicial, final);
        long rB = limitaAoAlcance(raioDoPonto(xs1, ys1), inicial, final);
        if (rA == rB) { // the whole ray
            rA = inicial;
            rB = final;
        }
        segmentoRadial(anguloPolarDoPonto(xs0, ys0), rA, rB);
    } else {
        const long r = limitaAoAlcance(raioDoPonto(xs0, ys0), inicial, final);
        const Arco a = ordenaArco(anguloPolarDoPonto(xs0, ys0), anguloPolarDoPonto(xs1, ys1));
        arco(r, a.inicio, a.abertura);
    }
    glEnd();
    glPopMatrix();
}

} // namespace

void desenhaContornoSetor(double raioI, double raioF, int inicio, int fim, int abertura) {
    glBegin(GL_LINES);
    arco(raioI, inicio, abertura);
    segmentoRadial(fim, raioI, raioF);
    arco(raioF, inicio, abertura);
    segmentoRadial(inicio, raioF, raioI);
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
        desenhaContornoSetor(s.raioI, s.raioF, s.arco.inicio, s.arco.fim, s.arco.abertura);
        break;
    }
    case 3: perfilArrastado(x0, y0, x1, y1); break;
    default: break;
    }
    glDisable(GL_LINE_STIPPLE);
}
