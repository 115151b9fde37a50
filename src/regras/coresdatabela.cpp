// Colour indices of a scan table and its one-colour runs of smooth cells.
#include "coresdatabela.h"

#include <algorithm>
#include <cstring>
#include <map>

#include "cores.h"

const CoresDaTabela* CoresDaTabela::da(const Matriz& m, int sizeR, int modo, const Produto& p) {
    static CoresDaTabela guardadas[2];
    static unsigned usos = 0;
    if (modo < COR_MAXIMO || modo > COR_BRILHO) return nullptr;
    CoresDaTabela* menosUsada = &guardadas[0];
    for (CoresDaTabela& g : guardadas) {
        if (g.geracao == m.getGeracao() && g.sizeR == sizeR && g.modo == modo) {
            g.uso = ++usos;
            return g.valida ? &g : nullptr;
        }
        if (g.uso < menosUsada->uso) menosUsada = &g;
    }
    menosUsada->monta(m, sizeR, modo, p);
    menosUsada->uso = ++usos;
    return menosUsada->valida ? menosUsada : nullptr;
}

void CoresDaTabela::monta(const Matriz& m, int tamanho, int modoDeCor, const Produto& p) {
    geracao = m.getGeracao(), sizeR = tamanho, modo = modoDeCor;
    colunas = colunasDaTabela(sizeR);
    indices.assign(static_cast<std::size_t>(N_AZIMUTES) * colunas, 0);
    paleta.assign(1, {0.6f, 0.6f, 0.6f}); // entry 0: no echo
    std::map<std::array<float, 3>, std::uint16_t> existentes;
    float anterior = 0;
    std::uint16_t indiceAnterior = 0;
    bool temAnterior = false;
    valida = false;
    for (int a = 0; a < N_AZIMUTES; ++a)
        for (int r = 0; r < colunas; ++r) {
            const float v = m.valorDaColuna(sizeR, a, r);
            std::uint16_t i = 0;
            // Runs of one value are common: the last lookup is reused (bit for
            // bit, so a NaN run is reused too).
            if (temAnterior && std::memcmp(&v, &anterior, sizeof v) == 0) { // NOLINT(bugprone-suspicious-memory-comparison)
                i = indiceAnterior;
            } else {
                std::array<float, 3> c;
                if (corDoDado(p, v, modo, c.data())) {
                    const auto achada = existentes.find(c);
                    if (achada != existentes.end()) {
                        i = achada->second;
                    } else {
                        if (paleta.size() > 0xffff) return; // too many to keep
                        i = static_cast<std::uint16_t>(paleta.size());
                        paleta.push_back(c);
                        existentes.emplace(c, i);
                    }
                }
                anterior = v, indiceAnterior = i, temAnterior = true;
            }
            indices[static_cast<std::size_t>(a) * colunas + r] = i;
        }
    achaUniformes();
    valida = true;
}

void CoresDaTabela::achaUniformes() {
    trechos.clear();
    inicioDosTrechos.assign(N_AZIMUTES + 1, 0);
    for (int a = 0; a < N_AZIMUTES; ++a) {
        const int n = (a + 1) % N_AZIMUTES;
        inicioDosTrechos[static_cast<std::size_t>(a)] = static_cast<int>(trechos.size());
        // The cell at column r is uniform when its four corners share one index other than "no echo".
        const auto uniforme = [&](int r) {
            const int fora = r + 1 < colunas ? r + 1 : r;
            const std::uint16_t i = indice(a, r);
            return i != 0 && indice(n, r) == i && indice(n, fora) == i && indice(a, fora) == i;
        };
        for (int r = 0; r < colunas;) {
            if (!uniforme(r)) {
                ++r;
                continue;
            }
            const std::uint16_t i = indice(a, r);
            int fim = r + 1;
            while (fim < colunas && uniforme(fim) && indice(a, fim) == i) ++fim;
            if (fim - r >= 2) trechos.push_back({r, fim, i});
            r = fim;
        }
    }
    inicioDosTrechos[N_AZIMUTES] = static_cast<int>(trechos.size());
}

std::vector<Trecho> trechosDaVista(const CoresDaTabela& cores, const std::vector<Colunas>& visiveis, int azimuteInicial,
                                   int azimutes, int inicio, int fim) {
    std::vector<Trecho> trechos;
    for (int k = 0; k < azimutes && k < static_cast<int>(visiveis.size()); ++k) {
        if (azimutes < N_AZIMUTES && (k == 0 || k == azimutes - 1)) continue;
        const Colunas& v = visiveis[static_cast<std::size_t>(k)];
        if (v.de >= v.ate) continue;
        const int de = std::max(v.de, inicio + 1), ate = std::min(v.ate, fim - 1);
        const CoresDaTabela::Uniforme* ultimo;
        for (const CoresDaTabela::Uniforme* u = cores.uniformes((azimuteInicial + k) % N_AZIMUTES, ultimo); u != ultimo;
             ++u) {
            const int r0 = std::max(u->de, de), r1 = std::min(u->ate, ate);
            if (r1 - r0 >= 2) trechos.push_back({k, r0, r1, u->cor});
        }
    }
    return trechos;
}
