// The text-export name: any scan name and any numbers.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "matriz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    if (tamanho < 12) return 0;
    static Matriz* m = new Matriz();
    int numeros[3];
    std::memcpy(numeros, dados, sizeof numeros);
    const std::string nome(reinterpret_cast<const char*>(dados + 12), tamanho - 12);
    m->setNome(nome.c_str());
    std::string saida;
    m->setNewName(saida, numeros[0], numeros[1], numeros[2]);
    // The name is kept up to the first '.' of its base name, directories whole.
    const char* base = nomeBase(nome.c_str());
    const std::string ate = nome.substr(0, static_cast<std::size_t>(base - nome.c_str()) + std::strcspn(base, "."));
    if (saida.compare(0, ate.size(), ate) != 0 || saida.find("km", ate.size()) == std::string::npos) std::abort();
    return 0;
}
