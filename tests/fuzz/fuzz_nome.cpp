// The scan-file name parser and the first-gate check: the input is a name,
// a NUL, and a first-gate argument.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "matriz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    static Matriz* m = new Matriz();
    const std::string texto(reinterpret_cast<const char*>(dados), tamanho);
    const std::size_t nul = texto.find('\0');
    const std::string nome = texto.substr(0, nul);
    const std::string raio = nul == std::string::npos ? "" : texto.substr(nul + 1);
    const bool aceito = m->setNome(nome.c_str());
    if (aceito && m->getRaioInicial() >= N_RAIOS) std::abort();
    if (std::strlen(m->getLocal()) > 3 || std::strlen(m->getDia()) > 2 || std::strlen(m->getHora()) > 2) std::abort();
    const int r = m->setRaioInicial(raio.c_str());
    if (r == 0 && m->getRaioInicial() >= N_RAIOS) std::abort();
    return 0;
}
