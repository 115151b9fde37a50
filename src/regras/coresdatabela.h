// The colour of every sample of a scan table in one colour mode, kept as an
// index into the few colours that occur, and the runs of smooth cells that
// have one colour at all four corners. Built once per scan generation,
// table and mode, so redraws of the same setting (a pan, a zoom) only read
// them.
#ifndef VORLANE_CORESDATABELA_H
#define VORLANE_CORESDATABELA_H

#include <array>
#include <cstdint>
#include <vector>

#include "matriz.h"
#include "produto.h"
#include "recorte.h"

class CoresDaTabela {
public:
    // The colours of table sizeR of `m` in mode `modo`, or null when they
    // are not kept (a mode outside the list, or too many distinct colours).
    // The last two asked for are kept (the main view's and the minimap's);
    // a scan read anew has a new generation, so its colours are built anew.
    // `p` is what the table holds (one product per generation).
    static const CoresDaTabela* da(const Matriz& m, int sizeR, int modo, const Produto& p = Produto());

    // A run of smooth cells of wedge a (to a + 1), columns [de, ate), whose
    // four corners all have colour `cor` (two cells or more).
    struct Uniforme {
        int de, ate;
        std::uint16_t cor;
    };
    // The runs of wedge a, outwards: [inicio, fim).
    const Uniforme* uniformes(int a, const Uniforme*& fim) const {
        fim = trechos.data() + inicioDosTrechos[static_cast<std::size_t>(a) + 1];
        return trechos.data() + inicioDosTrechos[static_cast<std::size_t>(a)];
    }
    const float* corDoIndice(std::uint16_t i) const { return paleta[i].data(); }
    // Colour index of the sample at row a, column r; 0 for no echo.
    std::uint16_t indice(int a, int r) const { return indices[static_cast<std::size_t>(a) * colunas + r]; }
    // The sample's colour (false for no echo, the background grey).
    bool cor(int a, int r, float c[3]) const {
        const std::uint16_t i = indice(a, r);
        if (i == 0) return false;
        std::copy(paleta[i].begin(), paleta[i].end(), c);
        return true;
    }

private:
    void monta(const Matriz& m, int tamanho, int modoDeCor, const Produto& p);
    void achaUniformes();
    unsigned long geracao = 0;
    int sizeR = 0, modo = -1, colunas = 0;
    unsigned uso = 0;
    bool valida = false;
    std::vector<std::uint16_t> indices;
    std::vector<std::array<float, 3>> paleta;
    std::vector<Uniforme> trechos;
    std::vector<int> inicioDosTrechos; // per wedge, into trechos; one more at the end
};

// A one-colour run a smooth view draws first: wedge k of the view, columns
// [de, ate), colour index `cor`.
struct Trecho {
    int k, de, ate;
    std::uint16_t cor;
};
// The runs of a view of `azimutes` wedges from `azimuteInicial` whose
// visible columns are `visiveis`, drawing columns [inicio, fim). A run is
// two cells or more, never in the first or last wedge of a partial view and
// never on the first or last drawn column: every cell beside a run is drawn
// after it, and paints the pixels the run's grown edges spill on.
std::vector<Trecho> trechosDaVista(const CoresDaTabela& cores, const std::vector<Colunas>& visiveis, int azimuteInicial,
                                   int azimutes, int inicio, int fim);

#endif
