// View and scan frames, the square zoom, the normalisation of the sector
// and the profile.
#include "selecoes.h"

#include <algorithm>
#include <cmath>

#include "angulos.h"
#include "geometria.h"

bool vistaSemTransformacao(EstadosPossiveis anterior) { return anterior == ESPERA || anterior == SELECIONA_FATIA; }

void vistaParaVarredura(float xv, float yv, float& xs, float& ys) {
    xs = xv / escalaGlobal + xZero;
    ys = yv / escalaGlobal + yZero;
}

void varreduraParaVista(double xs, double ys, double& xv, double& yv) {
    xv = escalaGlobal * (xs - xZero);
    yv = escalaGlobal * (ys - yZero);
}

void zoomSimples(double intervalo, double xInit, double yInit) {
    xMin = static_cast<float>(xInit);
    yMin = static_cast<float>(yInit);
    xIntervalo = yIntervalo = static_cast<float>(intervalo);
    xMax = static_cast<float>(xInit + intervalo);
    yMax = static_cast<float>(yInit + intervalo);
    xZero = static_cast<float>(xInit + intervalo / 2);
    yZero = static_cast<float>(yInit + intervalo / 2);
    escalaGlobal = static_cast<float>(2 / intervalo);
}

void ordenaVetor() {
    if (pontos[0][1] > pontos[1][1]) std::swap(pontos[0][1], pontos[1][1]);
    const Arco a = ordenaArco(static_cast<int>(pontos[0][0] % 360), static_cast<int>(pontos[1][0] % 360));
    pontos[0][0] = static_cast<unsigned>(a.inicio);
    pontos[1][0] = static_cast<unsigned>(a.fim);
    abertura = static_cast<unsigned>(a.abertura);
}

void ordenaVetorReta() {
    const unsigned inicial = matriz.getRaioInicial(), final = matriz.getRaioFinal();
    for (auto& p : retaPontos) p[1] = static_cast<unsigned>(limitaAoAlcance(p[1], inicial, final));
    if (isLinha && retaPontos[0][1] == retaPontos[1][1]) { // the whole ray
        retaPontos[0][1] = inicial;
        retaPontos[1][1] = final;
    }
    const Arco a = ordenaArco(static_cast<int>(retaPontos[0][0] % 360), static_cast<int>(retaPontos[1][0] % 360));
    retaPontos[0][0] = static_cast<unsigned>(a.inicio);
    retaPontos[1][0] = static_cast<unsigned>(a.fim);
    if (isLinha) {
        selecao[0] = std::min(retaPontos[0][1], retaPontos[1][1]);
        selecao[1] = std::max(retaPontos[0][1], retaPontos[1][1]);
        selecao[2] = retaPontos[0][0];
        return;
    }
    if (retaPontos[0][0] == retaPontos[1][0]) { // no arc: a fixed quarter
        retaPontos[0][0] = 90;
        retaPontos[1][0] = 180;
    }
    selecao[0] = retaPontos[0][0];
    selecao[1] = retaPontos[1][0];
    selecao[2] = retaPontos[0][1];
}

void vetorDados() {
    float x0 = 2, y0 = 2, x1 = -2, y1 = -2; // empty box
    const float r0 = static_cast<float>(pontos[0][1] / RAIOS_POR_UNIDADE);
    const float r1 = static_cast<float>(pontos[1][1] / RAIOS_POR_UNIDADE);
    for (unsigned i = 0; i <= abertura; ++i) {
        const double teta = (static_cast<double>(pontos[0][0]) + i) * GRAUS_PARA_RADIANOS;
        for (float r : {r0, r1}) {
            const float x = static_cast<float>(r * std::cos(teta)), y = static_cast<float>(r * std::sin(teta));
            x0 = std::min(x0, x);
            x1 = std::max(x1, x);
            y0 = std::min(y0, y);
            y1 = std::max(y1, y);
        }
    }
    xIntervalo = x1 - x0;
    yIntervalo = y1 - y0;
    xZero = (x0 + x1) / 2;
    yZero = (y0 + y1) / 2;
    xMin = yMin = 2; // the region globals end as the empty box
    xMax = yMax = -2;
}

void registraSetor(const SetorArrastado& s) {
    raioItemp = s.raioI;
    raioFtemp = s.raioF;
    anguloItemp = static_cast<unsigned>(s.arco.inicio);
    anguloFtemp = static_cast<unsigned>(s.arco.fim);
}
