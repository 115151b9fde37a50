// Start-up loading, colour lookups, rounding and the square zoom.
#include "glauxiliar.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "cores.h"
#include "glclass.h"
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
    if (!matriz.setNome(nome))
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

float valorReduzido(int sizeR, int i, int j) {
    switch (sizeR) {
    case 1: return matriz.getTabela(i, j);
    case 2: return matriz.getTabelaMenor2(i, j);
    case 4: return matriz.getTabelaMenor4(i, j);
    default: return matriz.getTabelaMenor16(i, j);
    }
}

} // namespace

void getNewColor(int sizeR, int i, int j) {
    CorAmostra cor;
    if (corDoValor(valorReduzido(sizeR, i, j), coresSuave, UsoDaCor::MAPA, cor)) aplicaCor(cor);
}

void getLineColor(int i, int j) {
    CorAmostra cor;
    if (corDoValor(matriz.getTabela(i, j), coresSuave, UsoDaCor::LINHA, cor)) aplicaCor(cor);
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
