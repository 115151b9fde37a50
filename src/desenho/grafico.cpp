// The profile graph: reflectivity along a radial or an arc against a dBZ grid.
#include "grafico.h"

#include <GL/gl.h>

#include "estado.h"
#include "geometria.h"
#include "glauxiliar.h"
#include "texto.h"

namespace {

struct LinhaDaGrade {
    float y;        // line, view frame
    const char* rotulo;
};
// 0-20-40-60 in the text colour, then 10-30-50-70 in grey.
const LinhaDaGrade GRADE[] = {{-0.5f, "0 dBZ"},  {-0.1f, "20 dBZ"}, {0.3f, "40 dBZ"}, {0.7f, "60 dBZ"},
                              {-0.3f, "10 dBZ"}, {0.1f, "30 dBZ"},  {0.5f, "50 dBZ"}, {0.9f, "70 dBZ"}};

void grade() {
    for (int k = 0; k < 8; ++k) {
        if (k == 4) glColor3f(0.5f, 0.5f, 0.5f);
        escreveEm(-1, GRADE[k].y + 0.05f, GRADE[k].rotulo);
        glBegin(GL_LINES);
        glVertex2f(-1, GRADE[k].y);
        glVertex2f(1, GRADE[k].y);
        glEnd();
    }
}

void amostra(double x, float v) {
    if (dadosColoridos()) aplicaCorDoValor(v, true);
    glVertex3f(static_cast<float>(x), static_cast<float>((v + 25.0) / 50.0 - 1), 0);
}

// n + 1 samples from x = -1 to 1; a single sample is drawn across the graph.
template <class Valor>
void curva(long n, Valor valor) {
    aplicaCorDoTexto();
    glBegin(GL_LINE_STRIP);
    if (n <= 0) {
        amostra(-1, valor(0));
        amostra(1, valor(0));
    } else {
        const double passo = 2.0 / n;
        for (long j = 0; j <= n; ++j) amostra(j * passo - 1, valor(j));
    }
    glEnd();
}

} // namespace

void displayReta() {
    tipo_referencia = 1;
    const float fundo = fundoEscuro() ? 0.0f : 1.0f;
    glClearColor(fundo, fundo, fundo, 0);
    aplicaCorDoTexto();
    glMatrixMode(GL_MODELVIEW);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLineWidth(1);
    grade();
    const unsigned inicial = matriz.getRaioInicial(), final = matriz.getRaioFinal();
    if (isLinha) {
        ajusteR = seguraAjusteRadial(selecao[0], selecao[1], ajusteR, inicial, final);
        const long azimute = static_cast<long>(selecao[2]) + ajusteA;
        const long inicio = static_cast<long>(selecao[0]) + ajusteR;
        curva(static_cast<long>(selecao[1]) - selecao[0], [&](long j) { return matriz.valorSeguro(azimute, inicio + j); });
    } else {
        ajusteR = seguraAjusteAngular(selecao[2], ajusteR, inicial, final);
        const long raio = static_cast<long>(selecao[2]) + ajusteR;
        const long inicio = static_cast<long>(selecao[0]) + ajusteA;
        curva(modPositivo(static_cast<long>(selecao[1]) - selecao[0], 360),
              [&](long j) { return matriz.valorSeguro(inicio + j, raio); });
    }
}
