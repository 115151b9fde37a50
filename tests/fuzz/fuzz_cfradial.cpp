// The mapping of a CfRadial file's arrays onto the volume store, on any
// sizes (some hostile), angles, sweep indices, modes, fields and codes the
// bytes give. Checks that a success keeps sweeps by ascending angle and
// nrays x nbins raw values per moment, and a failure leaves the volume.
//
// Bytes: flags, time and range sizes (1 each), then counted lists: ranges,
// azimuths, elevations (numbers), sweeps (start and end as int16, angle,
// mode, resolution), fields (name, scale, offset, fill, type, values one
// byte each), and the position, Nyquist, start time and site.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "volume.h"
#include "leitura/cfradial.h"

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
    std::string texto(size_t maximo) {
        std::string t;
        for (size_t n = byte() % (maximo + 1); n > 0; --n) t += static_cast<char>(byte());
        return t;
    }
};

const char* const MODOS[] = {"", "azimuth_surveillance", "rhi", "sector", "vertical_pointing", "manual_ppi", " ppi "};
const char* const NOMES[] = {"DBZ", "VEL", "reflectivity", "DBZ_TOT", "ZDR", "SNR", "DBZH", "cross_correlation_ratio"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    Leitor l{dados, tamanho};
    DadosCfRadial d;
    const uint8_t flags = l.byte();
    d.nTempo = l.byte() % 100;
    d.nAlcance = l.byte() % 64;
    // Hostile sizes, with arrays no larger than the small ones.
    if (flags & 1) d.nTempo = static_cast<size_t>(1) << (20 + l.byte() % 44);
    if (flags & 2) d.nAlcance = static_cast<size_t>(1) << (l.byte() % 64);
    for (int n = l.byte() % 8; n > 0; --n) d.alcance.push_back(l.numero());
    d.espacamento = l.numero();
    for (int n = l.byte() % 110; n > 0; --n) d.azimute.push_back(l.numero());
    for (int n = l.byte() % 110; n > 0; --n) d.elevacao.push_back(l.numero());
    for (int n = l.byte() % 6; n > 0; --n) {
        d.inicioDaVarredura.push_back(static_cast<int16_t>(l.dois()));
        d.fimDaVarredura.push_back(flags & 4 ? static_cast<long>(1) << 50 : static_cast<int16_t>(l.dois()));
        d.anguloFixo.push_back(l.numero());
        d.modoDaVarredura.emplace_back(MODOS[l.byte() % (sizeof MODOS / sizeof *MODOS)]);
        d.resolucaoAngular.push_back(l.numero());
    }
    if ((flags & 8) && !d.fimDaVarredura.empty()) d.fimDaVarredura.pop_back(); // fewer ends than starts
    const size_t valores = d.nTempo * d.nAlcance <= 6400 ? d.nTempo * d.nAlcance : 0;
    for (int n = l.byte() % 4; n > 0; --n) {
        CampoCfRadial c;
        c.nome = NOMES[l.byte() % (sizeof NOMES / sizeof *NOMES)];
        c.escala = l.numero();
        c.deslocamento = l.numero();
        const uint8_t tipo = l.byte();
        c.temPreenchimento = tipo & 1;
        c.preenchimento = l.numero();
        c.bits = (tipo & 6) == 2 ? 8 : (tipo & 6) == 4 ? 16 : 0;
        c.comSinal = tipo & 8;
        // The right count of values, or one too few.
        const size_t quantos = valores > 0 && (tipo & 16) ? valores - 1 : valores;
        for (size_t k = 0; k < quantos; ++k) c.dados.push_back(tipo & 32 ? static_cast<int8_t>(l.byte()) * 300.0 : l.byte());
        d.campos.push_back(c);
    }
    d.temPosicao = flags & 16;
    d.lat = l.numero(), d.lon = l.numero(), d.altitude = l.numero(), d.nyquist = l.numero();
    d.inicio = l.texto(24);
    d.sitio = l.texto(60);

    Volume v;
    v.sitio = "antes";
    v.paletas.resize(1);
    std::string erro;
    if (!montaCfRadial(d, "f.nc", v, erro)) {
        if (erro.empty() || erro.find('\n') != std::string::npos || v.sitio != "antes" || !v.vazio()) std::abort();
        return 0;
    }
    if (v.paletas.size() != 1 || v.sitio.size() > 40 || v.elevacoes.empty()) std::abort();
    for (size_t e = 0; e < v.elevacoes.size(); ++e) {
        if (e > 0 && !(v.elevacoes[e - 1].angulo <= v.elevacoes[e].angulo)) std::abort();
        for (const MomentoGuardado& m : v.elevacoes[e].momentos) {
            if (!m.lido) continue;
            const VarreduraMedida& f = m.forma;
            if (f.nrays < 1 || static_cast<size_t>(f.nrays) > d.nTempo || static_cast<size_t>(f.nbins) != d.nAlcance) std::abort();
            if (m.curtos.size() + m.reais.size() != static_cast<size_t>(f.nrays * f.nbins)) std::abort();
            if (!m.curtos.empty() && !m.reais.empty()) std::abort();
            if (f.inicioAz.size() != static_cast<size_t>(f.nrays) || f.fimAz.size() != f.inicioAz.size()) std::abort();
        }
    }
    return 0;
}
