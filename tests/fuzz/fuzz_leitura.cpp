// The scan reader on arbitrary bytes: the first two bytes choose the first
// gate, the rest is the file. Checks the bounds the views rely on.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <sstream>
#include <string>

#include "leitura/varredura_texto.h"
#include "matriz.h"

namespace {
// One object's storage, constructed afresh for every input (5 MB: not on the stack).
alignas(Matriz) unsigned char memoria[sizeof(Matriz)];
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    if (tamanho < 2) return 0;
    Matriz* m = new (memoria) Matriz();
    const std::string raio = std::to_string((dados[0] << 8 | dados[1]) % N_RAIOS);
    if (m->setRaioInicial(raio.c_str()) != 0) std::abort();
    std::istringstream entrada(std::string(reinterpret_cast<const char*>(dados + 2), tamanho - 2));
    if (m->leVarredura(entrada) == ResultadoLeitura::OK) {
        if (m->raioMaximo > N_RAIOS || m->getRaioFinal() >= N_RAIOS || m->anguloMinimo >= N_AZIMUTES ||
            m->anguloMaximo > m->anguloMinimo + N_AZIMUTES)
            std::abort();
        for (int a = 0; a < N_AZIMUTES; ++a)
            for (int g = 0; g < static_cast<int>(m->raioMinimo); ++g)
                if (m->getTabela(a, g) != VALOR_NAO_LIDO) std::abort(); // nothing before the first gate
        // Every irregularity noted has a place in the file, and a message.
        const AvisosDaLeitura& av = m->getAvisos();
        const unsigned long linhas = 1 + static_cast<unsigned long>(std::count(dados + 2, dados + tamanho, '\n'));
        for (const Ocorrencias* o : {&av.foraDeSequencia, &av.blocosExtras, &av.palavras, &av.cortado})
            if (o->quantidade > 0 && (o->linha < 1 || o->linha > linhas)) std::abort();
        if (!std::memchr(av.primeiraPalavra, 0, sizeof av.primeiraPalavra)) std::abort();
        textosDosAvisos("f", av);
    }
    m->~Matriz();
    return 0;
}
