// The mapping of a measured sweep onto the table, on any geometry,
// conversion, codes and azimuths the bytes give. Checks that the table holds
// only converted raw values or codes, within the bounds it reports.
//
// Bytes: nrays and nbins (2 each), flags (no-data code, no-echo code, spans),
// then rscale, rstart, gain, offset, no-data code, no-echo code, astart as
// numbers; with spans, a count and that many start/stop pairs; the rest are
// the raw values, one byte each.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <set>

#include "mapeamento.h"
#include "matriz.h"

namespace {

struct Leitor {
    const uint8_t* p;
    size_t resta;
    uint8_t byte() {
        if (resta == 0) return 0;
        --resta;
        return *p++;
    }
    uint16_t dois() { return static_cast<uint16_t>(byte() << 8 | byte()); }
    // A small number (an int16 times a power of two) or any 8-byte double.
    double numero() {
        const uint8_t s = byte();
        if (s & 1) {
            uint64_t bits = 0;
            for (int k = 0; k < 8; ++k) bits = bits << 8 | byte();
            double d;
            std::memcpy(&d, &bits, sizeof d);
            return d;
        }
        return static_cast<int16_t>(dois()) * std::ldexp(1.0, ((s >> 1) & 7) - 3);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    Leitor l{dados, tamanho};
    VarreduraMedida v;
    v.nrays = l.dois() % 1024;
    v.nbins = l.dois() % 1024;
    if (v.nrays * v.nbins > 8192) v.nbins = 8192 / v.nrays; // keeps one run fast
    const uint8_t flags = l.byte();
    v.temSemDados = flags & 1;
    v.temNaoDetectado = flags & 2;
    v.rscale = l.numero();
    v.rstart = l.numero();
    v.ganho = l.numero();
    v.deslocamento = l.numero();
    v.semDados = l.numero();
    v.naoDetectado = l.numero();
    v.astart = l.numero();
    if (flags & 4)
        for (int n = l.byte(); n > 0; --n) {
            v.inicioAz.push_back(l.numero());
            v.fimAz.push_back(l.numero());
        }
    while (l.resta > 0 && static_cast<long>(v.brutos.size()) < v.nrays * v.nbins) v.brutos.push_back(l.byte());

    // Besides the codes, a cell may hold a raw value present, converted.
    std::set<float> convertidos;
    for (double b : v.brutos) convertidos.insert(static_cast<float>(v.deslocamento + v.ganho * b));

    const TabelaMapeada t = mapeiaVarredura(v);
    if (t.valores.size() != static_cast<size_t>(N_AZIMUTES) * N_RAIOS) std::abort();
    if ((t.raioInicial < 0) != (t.raioFinal < 0)) std::abort();
    if (t.raioInicial >= 0 && !(t.raioInicial <= t.raioFinal && t.raioFinal < N_RAIOS)) std::abort();
    const bool incompleto = static_cast<long>(v.brutos.size()) < v.nrays * v.nbins;
    float aceito = VALOR_NAO_LIDO; // the last value checked (most cells repeat it)
    for (long a = 0; a < N_AZIMUTES; ++a)
        for (long g = 0; g < N_RAIOS; ++g) {
            const float x = t.valores[static_cast<size_t>(a) * N_RAIOS + g];
            if (x == VALOR_NAO_LIDO) continue;
            if (incompleto || t.raioInicial < 0 || g < t.raioInicial || g > t.raioFinal)
                std::abort(); // a value outside the bins
            if (x == aceito) continue;
            if (!std::isfinite(x) || !((x == VALOR_SEM_ECO && v.temNaoDetectado) || convertidos.count(x))) std::abort();
            aceito = x;
        }
    return 0;
}
