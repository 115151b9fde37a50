// Start-up loading, colour lookups, rounding and the square zoom.
#include "glauxiliar.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "cores.h"
#include "geometria.h"
#include "glclass.h"
#include "interacao.h"
#include "matriz.h"

lugarCidade lugar = UNK;

namespace {

[[noreturn]] void falha(const std::string& linha) {
    std::fprintf(stderr, "vorlane: %s\n", linha.c_str());
    std::exit(1);
}

char NOME_PADRAO[] = "dados.dat";

} // namespace

lugarCidade lugarDoCodigo(const char* local) {
    if (std::memcmp(local, "BRU", 4) == 0) return BRU;
    if (std::memcmp(local, "PPR", 4) == 0) return PPR;
    return UNK;
}

void inciaMatriz(int argc, char** argv) {
    if (argc < 1 || argc > 3)
        falha("argumentos demais; uso: vorlane [arquivo-de-varredura [primeiro-raio]]");
    const char* nome = argc >= 2 ? argv[1] : NOME_PADRAO;
    // A first gate from the name only matters when no argument replaces it.
    if (!matriz.setNome(nome) && argc < 3)
        falha(std::string("o nome '") + nome + "' indica um primeiro raio fora da faixa de 0 a 1999");
    if (argc == 3) {
        switch (matriz.setRaioInicial(argv[2])) {
        case 1: falha(std::string("primeiro raio invalido '") + argv[2] + "': use apenas digitos, '.' e '-'");
        case 2: falha(std::string("primeiro raio '") + argv[2] + "' fora da faixa de 0 a 1999");
        default: break;
        }
    }
    matriz.Faz();
    lugar = lugarDoCodigo(matriz.getLocal());
}

namespace {

void aplicaCor(const CorAmostra& cor) {
    if (cor.emBytes) glColor3ub(cor.b[0], cor.b[1], cor.b[2]);
    else glColor3f(cor.f[0], cor.f[1], cor.f[2]);
}

} // namespace

void aplicaCorDoValor(float v, bool paraLinha) {
    CorAmostra cor;
    if (corDoValor(v, coresSuave, paraLinha ? UsoDaCor::LINHA : UsoDaCor::MAPA, cor)) aplicaCor(cor);
}

float valorDaColuna(int sizeR, int i, int j) {
    switch (sizeR) {
    case 1: return matriz.getTabela(i, j);
    case 2: return matriz.getTabelaMenor2(i, j);
    case 4: return matriz.getTabelaMenor4(i, j);
    default: return matriz.getTabelaMenor16(i, j);
    }
}

void getNewColor(int sizeR, int i, int j) { aplicaCorDoValor(valorDaColuna(sizeR, i, j), false); }

void getLineColor(int i, int j) { aplicaCorDoValor(matriz.getTabela(i, j), true); }

float valorSeguro(long azimute, long raio) {
    if (raio < 0 || raio >= N_RAIOS) return VALOR_NAO_LIDO;
    const long a = azimute % N_AZIMUTES;
    return matriz.getTabela(static_cast<int>(a < 0 ? a + N_AZIMUTES : a), static_cast<int>(raio));
}

int Aprox(double d) { return static_cast<int>(d + 0.5); }

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
