// The NEXRAD Level II reader on arbitrary bytes (a volume after any gzip).
// Checks what the store promises of a success: sweeps by ascending angle,
// every moment's raw values nrays x nbins with a span per ray, the colour
// tables kept; a failure is one line and leaves the volume as it was. (The
// mapping onto the table has its own target.)
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "leitura/nexrad.h"
#include "volume.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    Volume v;
    v.paletas.resize(1);
    v.elevacoes.resize(1);
    std::string erro;
    if (!leNexradDeBytes(dados, tamanho, "f.ar2v", v, erro)) {
        if (erro.empty() || erro.find('\n') != std::string::npos || v.elevacoes.size() != 1 || v.paletas.size() != 1)
            std::abort();
        return 0;
    }
    if (v.paletas.size() != 1 || v.elevacoes.empty() || (!v.data.empty() && v.data.size() != 8) ||
        (!v.hora.empty() && v.hora.size() != 6))
        std::abort();
    for (std::size_t e = 0; e < v.elevacoes.size(); ++e) {
        const ElevacaoGuardada& el = v.elevacoes[e];
        if (!std::isfinite(el.angulo) || el.momentos.empty() || (e > 0 && v.elevacoes[e - 1].angulo > el.angulo))
            std::abort();
        for (std::size_t q = 0; q < el.momentos.size(); ++q) {
            const MomentoGuardado& m = el.momentos[q];
            const VarreduraMedida& f = m.forma;
            for (std::size_t r = 0; r < q; ++r)
                if (el.momentos[r].quantidade == m.quantidade) std::abort(); // a quantity once per sweep
            if (f.nrays < 1 || f.nbins < 1 || !(f.rscale > 0) || !std::isfinite(f.ganho) ||
                f.inicioAz.size() != static_cast<std::size_t>(f.nrays) || f.fimAz.size() != f.inicioAz.size())
                std::abort();
            if (m.lido != (m.curtos.size() == static_cast<std::size_t>(f.nrays) * static_cast<std::size_t>(f.nbins)))
                std::abort();
        }
    }
    return 0;
}
