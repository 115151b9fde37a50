// Start-up: the command line read into the scan and the radar site.
#include "inicio.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "estado.h"

namespace {

[[noreturn]] void falha(const std::string& linha) {
    std::fprintf(stderr, "vorlane: %s\n", linha.c_str());
    std::exit(1);
}

char NOME_PADRAO[] = "dados.dat";

} // namespace

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
