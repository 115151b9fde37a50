// Binned GSHHG reading: the bin grid and the per-bin index, then hyperslabs
// of the segments and points of the bins in the box only. Every index is
// checked against the length of the array it points into before use, and
// the work is bounded. The library's own error printing is off.
#include "gshhg.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <type_traits>
#include <utility>

#include "hdf5id.h"

namespace {


// A one-dimensional integer variable of the file and its length.
struct Variavel {
    Conjunto id;
    hsize_t tamanho = 0;
};

// The reading of one file: its variables, the work spent and why it failed.
struct Leitor {
    hid_t arquivo = -1;
    std::size_t maximo = 0, gasto = 0; // bins, segments and points, at most and so far
    std::string motivo;

    bool falha(std::string m) {
        motivo = std::move(m);
        return false;
    }
    bool gasta(std::size_t n) {
        if (n > maximo - gasto) return falha("area grande demais: mais de " + std::to_string(maximo) + " pontos");
        gasto += n;
        return true;
    }
    bool abre(const char* nome, Variavel& v) {
        if (H5Lexists(arquivo, nome, H5P_DEFAULT) <= 0) return falha(std::string("falta a variavel ") + nome);
        v.id = Conjunto(H5Dopen2(arquivo, nome, H5P_DEFAULT));
        Espaco espaco(v.id.valido() ? H5Dget_space(v.id) : -1);
        Tipo tipo(v.id.valido() ? H5Dget_type(v.id) : -1);
        if (!espaco.valido() || !tipo.valido() || H5Tget_class(tipo) != H5T_INTEGER ||
            H5Sget_simple_extent_ndims(espaco) != 1 || H5Sget_simple_extent_dims(espaco, &v.tamanho, nullptr) != 1)
            return falha(std::string("a variavel ") + nome + " nao e um vetor de inteiros");
        return true;
    }
    // Elements [inicio, inicio + n) of `v`, converted to T (16- or 32-bit signed).
    template <class T>
    bool le(const Variavel& v, hsize_t inicio, hsize_t n, std::vector<T>& saida) {
        if (n > v.tamanho || inicio > v.tamanho - n) return falha("indice fora dos vetores");
        saida.resize(n);
        if (n == 0) return true;
        const hid_t nativo = std::is_same<T, std::int16_t>::value ? H5T_NATIVE_INT16 : H5T_NATIVE_INT32;
        Espaco noArquivo(H5Dget_space(v.id));
        Espaco naMemoria(H5Screate_simple(1, &n, nullptr));
        if (!noArquivo.valido() || !naMemoria.valido() ||
            H5Sselect_hyperslab(noArquivo, H5S_SELECT_SET, &inicio, nullptr, &n, nullptr) < 0 ||
            H5Dread(v.id, nativo, naMemoria, noArquivo, H5P_DEFAULT, saida.data()) < 0)
            return falha("falha de leitura dos dados");
        return true;
    }
    bool leInteiro(const char* nome, long& valor) {
        Variavel v;
        std::vector<std::int32_t> x;
        if (!abre(nome, v) || !le(v, 0, 1, x)) return false;
        valor = x[0];
        return true;
    }
};

// The variables read for each bin and segment.
struct Mapa {
    long minutos = 0, nx = 0, ny = 0;
    bool costa = false; // levels and counts packed in one word per segment
    Variavel primeiroSegmento, segmentos, primeiroPonto, embutido, pontosDoSegmento, nivel, dLon, dLat;
};

bool abreMapa(Leitor& l, Mapa& m) {
    if (!l.leInteiro("Bin_size_in_minutes", m.minutos) || !l.leInteiro("N_bins_in_360_longitude_range", m.nx) ||
        !l.leInteiro("N_bins_in_180_degree_latitude_range", m.ny))
        return false;
    if (m.minutos <= 0 || m.nx <= 0 || m.ny <= 0 || m.minutos * m.nx != 360 * 60 || m.minutos * m.ny != 180 * 60)
        return l.falha("grade de celulas invalida");
    m.costa = H5Lexists(l.arquivo, "Embedded_npts_levels_exit_entry_for_a_segment", H5P_DEFAULT) > 0;
    if (!l.abre("Id_of_first_segment_in_a_bin", m.primeiroSegmento) || !l.abre("N_segments_in_a_bin", m.segmentos) ||
        !l.abre("Id_of_first_point_in_a_segment", m.primeiroPonto) ||
        !l.abre("Relative_longitude_from_SW_corner_of_bin", m.dLon) ||
        !l.abre("Relative_latitude_from_SW_corner_of_bin", m.dLat))
        return false;
    if (m.costa ? !l.abre("Embedded_npts_levels_exit_entry_for_a_segment", m.embutido)
                : !l.abre("N_points_for_a_segment", m.pontosDoSegmento) ||
                      !l.abre("Hierarchial_level_of_a_segment", m.nivel))
        return false;
    const hsize_t nSeg = m.primeiroPonto.tamanho;
    const hsize_t celulas = static_cast<hsize_t>(m.nx) * static_cast<hsize_t>(m.ny);
    const bool segmentosIguais =
        m.costa ? m.embutido.tamanho == nSeg : m.pontosDoSegmento.tamanho == nSeg && m.nivel.tamanho == nSeg;
    if (m.primeiroSegmento.tamanho != celulas || m.segmentos.tamanho != celulas || !segmentosIguais ||
        m.dLon.tamanho != m.dLat.tamanho)
        return l.falha("tamanhos dos vetores inconsistentes");
    return true;
}

// The segments of the bin in row `linha`, column `coluna`, appended to `linhas`.
bool leCelula(Leitor& l, const Mapa& m, long linha, long coluna, std::int32_t primeiro, std::int32_t quantos,
              std::vector<LinhaGeo>& linhas) {
    if (primeiro < 0 || quantos < 0) return l.falha("celula com indices negativos");
    if (quantos == 0) return true;
    std::vector<std::int32_t> inicio, contagem, nivel;
    const auto p0 = static_cast<hsize_t>(primeiro), n = static_cast<hsize_t>(quantos);
    if (!l.gasta(n) || !l.le(m.primeiroPonto, p0, n, inicio)) return false;
    if (m.costa ? !l.le(m.embutido, p0, n, contagem)
                : !l.le(m.pontosDoSegmento, p0, n, contagem) || !l.le(m.nivel, p0, n, nivel))
        return false;
    // Each segment's points must lie in the point arrays; one range covers them all.
    std::int64_t de = INT64_MAX, ate = 0, soma = 0;
    for (std::size_t s = 0; s < n; ++s) {
        if (m.costa) {
            nivel.push_back((contagem[s] >> 6) & 7);
            contagem[s] >>= 9;
        }
        const std::int64_t fim = static_cast<std::int64_t>(inicio[s]) + contagem[s];
        if (inicio[s] < 0 || contagem[s] < 0 || fim > static_cast<std::int64_t>(m.dLon.tamanho))
            return l.falha("segmento aponta para fora dos pontos");
        if (contagem[s] == 0) continue;
        soma += contagem[s];
        de = std::min<std::int64_t>(de, inicio[s]);
        ate = std::max(ate, fim);
    }
    if (ate == 0) return true;
    std::vector<std::int16_t> dLon, dLat;
    const auto primeiroPonto = static_cast<hsize_t>(de), pontos = static_cast<hsize_t>(ate - de);
    // Overlapping segments give more points than are read: the larger counts.
    if (!l.gasta(std::max(pontos, static_cast<hsize_t>(soma))) || !l.le(m.dLon, primeiroPonto, pontos, dLon) ||
        !l.le(m.dLat, primeiroPonto, pontos, dLat))
        return false;
    const double graus = m.minutos / 60.0, escala = graus / 65535.0;
    // A whole bin east of 180 moves west, so that no segment jumps across the map.
    const double lon0 = coluna * graus - (coluna * graus >= 180.0 ? 360.0 : 0.0), lat0 = 90.0 - (linha + 1) * graus;
    for (std::size_t s = 0; s < n; ++s) {
        if (contagem[s] == 0) continue;
        LinhaGeo g;
        g.nivel = nivel[s];
        g.pontos.reserve(static_cast<std::size_t>(contagem[s]));
        const std::size_t k0 = static_cast<std::size_t>(inicio[s] - de);
        for (std::size_t k = k0; k < k0 + static_cast<std::size_t>(contagem[s]); ++k) {
            // Stored signed, meant unsigned: 0..65535 across the bin.
            g.pontos.push_back({lat0 + static_cast<std::uint16_t>(dLat[k]) * escala,
                                lon0 + static_cast<std::uint16_t>(dLon[k]) * escala});
        }
        linhas.push_back(std::move(g));
    }
    return true;
}

// The runs of bin columns [primeira, ultima] that meet the longitudes lonMin eastwards to lonMax.
std::vector<std::pair<long, long>> colunas(double lonMin, double lonMax, double graus, long nx) {
    double largura = lonMax - lonMin;
    if (largura < 0) largura = std::fmod(largura, 360.0) + 360.0;
    if (!(largura < 360.0)) return {{0, nx - 1}};
    double a = std::fmod(lonMin, 360.0);
    if (a < 0) a += 360.0;
    if (a >= 360.0) a = 0;
    const long c0 = std::min(static_cast<long>(a / graus), nx - 1), c1 = static_cast<long>((a + largura) / graus);
    if (c1 - c0 + 1 >= nx) return {{0, nx - 1}};
    if (c1 < nx) return {{c0, c1}};
    return {{c0, nx - 1}, {0, c1 - nx}};
}

bool leArea(Leitor& l, double latMin, double latMax, double lonMin, double lonMax, std::vector<LinhaGeo>& linhas) {
    if (!std::isfinite(latMin) || !std::isfinite(latMax) || !std::isfinite(lonMin) || !std::isfinite(lonMax) ||
        latMin > latMax)
        return l.falha("area invalida");
    Mapa m;
    if (!abreMapa(l, m)) return false;
    const double graus = m.minutos / 60.0;
    auto linhaDe = [&](double lat) {
        return std::clamp(static_cast<long>((90.0 - std::clamp(lat, -90.0, 90.0)) / graus), 0L, m.ny - 1);
    };
    std::vector<std::int32_t> primeiro, quantos;
    for (long linha = linhaDe(latMax); linha <= linhaDe(latMin); ++linha) {
        for (const auto& [c0, c1] : colunas(lonMin, lonMax, graus, m.nx)) {
            const long primeira = linha * m.nx + c0, quantas = c1 - c0 + 1;
            const auto b0 = static_cast<hsize_t>(primeira), n = static_cast<hsize_t>(quantas);
            if (!l.gasta(n) || !l.le(m.primeiroSegmento, b0, n, primeiro) || !l.le(m.segmentos, b0, n, quantos))
                return false;
            for (long c = c0; c <= c1; ++c)
                if (!leCelula(l, m, linha, c, primeiro[c - c0], quantos[c - c0], linhas)) return false;
        }
    }
    return true;
}

} // namespace

std::string arquivoGshhg(TipoGshhg tipo, char resolucao, const std::string& pasta) {
    const char* nome = tipo == TipoGshhg::COSTA ? "GSHHS" : tipo == TipoGshhg::FRONTEIRA ? "border" : "river";
    const std::string barra = pasta.empty() || pasta.back() == '/' ? "" : "/";
    return pasta + barra + "binned_" + nome + "_" + resolucao + ".nc";
}

bool leGshhg(const std::string& arquivo, double latMin, double latMax, double lonMin, double lonMax,
             std::vector<LinhaGeo>& linhas, std::string& erro, std::size_t maximoDePontos) {
    H5Eset_auto2(H5E_DEFAULT, nullptr, nullptr);
    linhas.clear();
    Leitor l;
    l.maximo = maximoDePontos;
    Arquivo f;
    bool certo = false;
    if (!std::ifstream(arquivo).is_open()) l.falha("arquivo ausente ou ilegivel");
    else if (!(f = Arquivo(H5Fopen(arquivo.c_str(), H5F_ACC_RDONLY, H5P_DEFAULT))).valido())
        l.falha("nao e um arquivo HDF5 legivel");
    else {
        l.arquivo = f;
        certo = leArea(l, latMin, latMax, lonMin, lonMax, linhas);
    }
    if (certo) return true;
    linhas.clear();
    erro = "nao foi possivel ler o mapa '" + arquivo + "': " + l.motivo;
    return false;
}
