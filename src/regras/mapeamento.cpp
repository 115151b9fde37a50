// Sweep geometry onto the table: which bins make each gate, which rays make
// each row, and the largest of what they hold.
#include "mapeamento.h"

#include <cmath>
#include <utility>

#include "angulos.h"
#include "matriz.h"

namespace {

constexpr double METROS_POR_RAIO = 250; // one gate of the table

// The bins [inicio, fim) that make gate g (empty when none does).
std::pair<long, long> binsDoRaio(const VarreduraMedida& v, long g) {
    const double de = METROS_POR_RAIO * g, ate = de + METROS_POR_RAIO;
    double inicio, fim;
    if (v.rscale >= METROS_POR_RAIO) { // the bin that holds the gate's centre
        inicio = std::floor((de + METROS_POR_RAIO / 2 - v.rstart) / v.rscale);
        fim = inicio + 1;
    } else { // the bins whose centres lie in the gate
        inicio = std::ceil((de - v.rstart) / v.rscale - 0.5);
        fim = std::ceil((ate - v.rstart) / v.rscale - 0.5);
    }
    if (!(inicio < static_cast<double>(v.nbins)) || !(fim > 0)) return {0, 0}; // also NaN
    return {inicio < 0 ? 0 : static_cast<long>(inicio), fim > v.nbins ? v.nbins : static_cast<long>(fim)};
}

// A stored value ranked: data above range folded above no echo above no data.
struct Amostra {
    int classe = 0; // 0 no data, 1 no echo, 2 range folded, 3 data
    float valor = 0;
    void junta(const Amostra& o, bool porModulo) {
        const bool maiorDado = o.classe == 3 && classe == 3 &&
                               (porModulo ? std::fabs(o.valor) > std::fabs(valor) : o.valor > valor);
        if (o.classe > classe || maiorDado) *this = o;
    }
    float noQuadro(bool foraDaEscala) const {
        switch (classe) {
        case 3: return valor;
        case 2: return foraDaEscala ? CODIGO_DOBRADO : VALOR_NAO_LIDO; // reflectivity has no such code
        case 1: return foraDaEscala ? CODIGO_SEM_ECO : VALOR_SEM_ECO;
        default: return foraDaEscala ? CODIGO_SEM_DADOS : VALOR_NAO_LIDO;
        }
    }
};

Amostra amostra(const VarreduraMedida& v, double bruto) {
    if (v.temNaoDetectado && bruto == v.naoDetectado) return {1, 0};
    if (v.temSemDados && bruto == v.semDados) return {};
    if (v.temDobrado && bruto == v.dobrado) return {2, 0};
    const float f = static_cast<float>(v.deslocamento + v.ganho * bruto);
    if (!std::isfinite(f) || !ehMedido(f)) return {};
    return {3, f};
}

// Span of ray k from the file's start and stop azimuths: start and width in
// degrees; width 0 when it has none.
std::pair<double, double> vaoDoRaio(const VarreduraMedida& v, long k) {
    if (k >= static_cast<long>(v.inicioAz.size()) || k >= static_cast<long>(v.fimAz.size())) return {0, 0};
    double inicio = v.inicioAz[k];
    double largura = std::fmod(v.fimAz[k] - inicio, 360.0);
    if (largura < 0) largura += 360;
    if (!std::isfinite(inicio) || !std::isfinite(largura)) return {0, 0};
    inicio = std::fmod(inicio, 360.0);
    if (inicio < 0) inicio += 360;
    return {inicio, largura};
}

// Evenly spread rays (ray k starts at astart + 360 k / nrays). Worked out
// from exact multiples of 360 / nrays, not by adding widths, so that a ray
// boundary on a whole degree stays on it: no row falls between two rays,
// none is taken by both.
std::vector<std::vector<long>> raiosUniformes(const VarreduraMedida& v) {
    std::vector<std::vector<long>> linhas(N_AZIMUTES);
    if (!std::isfinite(v.astart)) return linhas;
    double inicio = std::fmod(v.astart, 360.0);
    if (inicio < 0) inicio += 360;
    const double n = static_cast<double>(v.nrays);
    if (v.nrays > N_AZIMUTES) { // the row of each ray's centre
        for (long k = 0; k < v.nrays; ++k) {
            const double centro = inicio + 360.0 * (2.0 * k + 1) / (2 * n);
            linhas[modPositivo(static_cast<long>(std::floor(centro + 0.5)), N_AZIMUTES)].push_back(k);
        }
        return linhas;
    }
    for (long a = 0; a < N_AZIMUTES; ++a) // the ray over each row
        linhas[a].push_back(modPositivo(static_cast<long>(std::floor((a - inicio) * n / 360.0)), v.nrays));
    return linhas;
}

// The rays that make each row.
std::vector<std::vector<long>> raiosDasLinhas(const VarreduraMedida& v) {
    if (v.inicioAz.empty()) return raiosUniformes(v);
    std::vector<std::vector<long>> linhas(N_AZIMUTES);
    for (long k = 0; k < v.nrays; ++k) {
        const auto [inicio, largura] = vaoDoRaio(v, k);
        if (!(largura > 0)) continue;
        if (v.nrays > N_AZIMUTES) { // the row of the ray's centre
            const double centro = inicio + largura / 2;
            linhas[modPositivo(static_cast<long>(std::floor(centro + 0.5)), N_AZIMUTES)].push_back(k);
            continue;
        }
        // Every whole degree in [inicio, inicio + largura).
        for (long a = static_cast<long>(std::ceil(inicio)); a < inicio + largura && a < inicio + 361; ++a)
            linhas[modPositivo(a, N_AZIMUTES)].push_back(k);
    }
    return linhas;
}

} // namespace

TabelaMapeada mapeiaVarredura(const VarreduraMedida& v, const DescricaoDaTabela& d) {
    TabelaMapeada t;
    const bool fora = d.codigosForaDaEscala, porModulo = d.reducao == Reducao::MAIOR_MODULO;
    t.valores.assign(static_cast<std::size_t>(N_AZIMUTES) * N_RAIOS, Amostra().noQuadro(fora));
    if (v.nrays <= 0 || v.nbins <= 0 || !(v.rscale > 0) || !std::isfinite(v.rstart) ||
        static_cast<double>(v.brutos.size()) < static_cast<double>(v.nrays) * v.nbins)
        return t;
    std::vector<std::pair<long, long>> bins(N_RAIOS);
    for (long g = 0; g < N_RAIOS; ++g) {
        bins[g] = binsDoRaio(v, g);
        if (bins[g].first >= bins[g].second) continue;
        if (t.raioInicial < 0) t.raioInicial = g;
        t.raioFinal = g;
    }
    const std::vector<std::vector<long>> linhas = raiosDasLinhas(v);
    for (long a = 0; a < N_AZIMUTES; ++a) {
        if (linhas[a].empty()) continue;
        float* linha = &t.valores[static_cast<std::size_t>(a) * N_RAIOS];
        for (long g = 0; g < N_RAIOS; ++g) {
            Amostra melhor;
            for (long k : linhas[a]) {
                const double* raio = &v.brutos[static_cast<std::size_t>(k) * v.nbins];
                for (long b = bins[g].first; b < bins[g].second; ++b) melhor.junta(amostra(v, raio[b]), porModulo);
            }
            linha[g] = melhor.noQuadro(fora);
        }
    }
    return t;
}
