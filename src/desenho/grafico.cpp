// The profile graph: the shown moment along a radial or an arc against a
// grid in its unit (dBZ for reflectivity).
#include "grafico.h"

#include <GL/gl.h>

#include "estado.h"
#include "geometria.h"
#include "glauxiliar.h"
#include "produto.h"
#include "texto.h"

namespace {

struct LinhaDaGrade {
    float y;        // line, view frame
    const char* rotulo;
};
// 0-20-40-60 in the text colour, then 10-30-50-70 in grey.
const LinhaDaGrade GRADE[] = {{-0.5f, "0 dBZ"},  {-0.1f, "20 dBZ"}, {0.3f, "40 dBZ"}, {0.7f, "60 dBZ"},
                              {-0.3f, "10 dBZ"}, {0.1f, "30 dBZ"},  {0.5f, "50 dBZ"}, {0.9f, "70 dBZ"}};

// Another moment's axis: lines every 4 legend rows, the even ones in the
// text colour, then the odd ones in grey, labelled in the moment's unit.
void gradeDoProduto(const Produto& p) {
    for (int k : {2, 4, 6, 1, 3, 5, 7}) {
        if (k == 1) glColor3f(0.5f, 0.5f, 0.5f);
        const float y = k / 4.0f - 1;
        std::string rotulo = textoDoRotulo(p, p.minimo + 4 * k * p.passo);
        if (!p.unidade.empty()) rotulo += " " + p.unidade;
        escreveEm(-1, y + 0.05f, rotulo.c_str());
        glBegin(GL_LINES);
        glVertex2f(-1, y);
        glVertex2f(1, y);
        glEnd();
    }
}

void grade() {
    if (volume.produto.tipo != Grandeza::REFLETIVIDADE) return gradeDoProduto(volume.produto);
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
    glVertex3f(static_cast<float>(x), static_cast<float>(alturaNoGrafico(volume.produto, v)), 0);
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
