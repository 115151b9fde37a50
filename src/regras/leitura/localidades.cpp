// Populated places from libgeonames. The library's list (a GVariant inside
// the library) is copied once into plain structs with the names already
// converted, so a search is one pass over a few tens of thousands of them.
#include "localidades.h"

#include <geonames/geonames.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <tuple>
#include <utility>

namespace {

constexpr double GRAU = 3.14159265358979323846 / 180.0;

// Letters and marks with no decomposition to ASCII, folded by hand (sorted by code).
struct Dobra {
    std::uint32_t codigo;
    const char* ascii;
};
constexpr Dobra DOBRAS[] = {
    {0x0110, "D"},  {0x0111, "d"},  {0x0126, "H"},  {0x0127, "h"},  {0x0131, "i"},  {0x0138, "k"},
    {0x013F, "L"},  {0x0140, "l"},  {0x0141, "L"},  {0x0142, "l"},  {0x014A, "N"},  {0x014B, "n"},
    {0x0152, "OE"}, {0x0153, "oe"}, {0x0166, "T"},  {0x0167, "t"},  {0x0180, "b"},  {0x0189, "D"},
    {0x018F, "E"},  {0x0192, "f"},  {0x0197, "I"},  {0x01E4, "G"},  {0x01E5, "g"},  {0x0259, "e"},
    {0x0268, "i"},  {0x02B9, "'"},  {0x02BB, "'"},  {0x02BC, "'"},  {0x02BE, "'"},  {0x02BF, "'"},
    {0x2010, "-"},  {0x2011, "-"},  {0x2012, "-"},  {0x2013, "-"},  {0x2014, "-"},  {0x2018, "'"},
    {0x2019, "'"},  {0x201A, "'"},  {0x201C, "\""}, {0x201D, "\""}, {0x2032, "'"},
};

constexpr std::uint32_t MALFORMADO = 0xFFFFFFFFu;

// The code point at s[i], advancing i past it; MALFORMADO for an ill-formed
// run (i then past the run's longest valid prefix, at least one byte).
std::uint32_t proximoCodigo(const std::string& s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    ++i;
    if (b0 < 0x80) return b0;
    int resto = 0;
    std::uint32_t codigo = 0;
    unsigned char menor = 0x80, maior = 0xBF; // allowed range of the next byte
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        resto = 1;
        codigo = b0 & 0x1Fu;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        resto = 2;
        codigo = b0 & 0x0Fu;
        if (b0 == 0xE0) menor = 0xA0; // overlong
        if (b0 == 0xED) maior = 0x9F; // surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        resto = 3;
        codigo = b0 & 0x07u;
        if (b0 == 0xF0) menor = 0x90; // overlong
        if (b0 == 0xF4) maior = 0x8F; // beyond U+10FFFF
    } else {
        return MALFORMADO;
    }
    for (int k = 0; k < resto; ++k) {
        if (i >= s.size()) return MALFORMADO;
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < menor || b > maior) return MALFORMADO;
        menor = 0x80;
        maior = 0xBF;
        codigo = (codigo << 6) | (b & 0x3Fu);
        ++i;
    }
    return codigo;
}

// ASCII of a code point beyond Latin-1: the hand table, else its compatibility
// decomposition without the combining marks. Empty when there is none.
std::string dobraParaAscii(std::uint32_t codigo) {
    const auto* fim = std::end(DOBRAS);
    const auto* achada =
        std::lower_bound(std::begin(DOBRAS), fim, codigo, [](const Dobra& d, std::uint32_t c) { return d.codigo < c; });
    if (achada != fim && achada->codigo == codigo) return achada->ascii;
    gunichar partes[G_UNICHAR_MAX_DECOMPOSITION_LENGTH];
    const gsize n = g_unichar_fully_decompose(codigo, TRUE, partes, G_UNICHAR_MAX_DECOMPOSITION_LENGTH);
    std::string ascii;
    for (gsize k = 0; k < n && k < G_UNICHAR_MAX_DECOMPOSITION_LENGTH; ++k) {
        if (partes[k] >= 0x20 && partes[k] < 0x7F) {
            ascii += static_cast<char>(partes[k]);
        } else if (!g_unichar_ismark(partes[k])) {
            return {};
        }
    }
    return ascii;
}

struct Guardada {
    Localidade localidade;
    double latRad, lonRad, cosLat;
};

std::string texto(const char* s) { return s != nullptr ? std::string(s) : std::string(); }

std::vector<Guardada> leBiblioteca() {
    std::vector<Guardada> lista;
    const gint n = geonames_get_n_cities();
    const std::size_t total = n > 0 ? std::min(static_cast<std::size_t>(n), MAX_LOCALIDADES) : 0;
    lista.reserve(total);
    for (std::size_t i = 0; i < total; ++i) {
        GeonamesCity* cidade = geonames_get_city(static_cast<gint>(i));
        if (cidade == nullptr) continue;
        Localidade l;
        l.nome = paraLatin1(texto(geonames_city_get_name(cidade)));
        l.pais = paraLatin1(texto(geonames_city_get_country(cidade)));
        if (l.pais.empty()) l.pais = paraLatin1(texto(geonames_city_get_country_code(cidade)));
        l.lat = geonames_city_get_latitude(cidade);
        l.lon = geonames_city_get_longitude(cidade);
        l.populacao = geonames_city_get_population(cidade);
        geonames_city_free(cidade);
        if (l.nome.empty() || !std::isfinite(l.lat) || !std::isfinite(l.lon) || std::fabs(l.lat) > 90) continue;
        const double latRad = l.lat * GRAU, lonRad = l.lon * GRAU;
        lista.push_back({std::move(l), latRad, lonRad, std::cos(latRad)});
    }
    return lista;
}

// Read once; the initialisation of a local static is thread-safe.
const std::vector<Guardada>& todas() {
    static const std::vector<Guardada> lista = leBiblioteca();
    return lista;
}

} // namespace

std::string paraLatin1(const std::string& utf8) {
    std::string saida;
    std::size_t i = 0;
    while (i < utf8.size() && saida.size() < MAX_NOME_LOCALIDADE) {
        const std::uint32_t codigo = proximoCodigo(utf8, i);
        std::string pedaco;
        if (codigo < 0x20 || (codigo >= 0x7F && codigo < 0xA0)) {
            pedaco = "?"; // controls, C0 and C1
        } else if (codigo <= 0xFF) {
            pedaco = static_cast<char>(codigo);
        } else if (codigo != MALFORMADO) {
            pedaco = dobraParaAscii(codigo);
        }
        if (pedaco.empty()) pedaco = "?";
        if (saida.size() + pedaco.size() > MAX_NOME_LOCALIDADE) break;
        saida += pedaco;
    }
    return saida;
}

std::vector<Localidade> localidadesPerto(double lat, double lon, double raioKm) {
    std::vector<Localidade> perto;
    if (!std::isfinite(lat) || !std::isfinite(lon) || std::fabs(lat) > 90 || std::isnan(raioKm) || raioKm < 0)
        return perto;
    const double latRad = lat * GRAU, lonRad = lon * GRAU, cosLat = std::cos(latRad);
    // Latitude alone bounds the distance from below: most places fail this cheap test.
    const double folga = raioKm * (1 + 1e-12) + 1e-9;
    for (const Guardada& g : todas()) {
        const double dLat = g.latRad - latRad;
        if (RAIO_DA_TERRA_KM * std::fabs(dLat) > folga) continue;
        const double sLat = std::sin(dLat / 2), sLon = std::sin((g.lonRad - lonRad) / 2);
        const double a = std::clamp(sLat * sLat + cosLat * g.cosLat * sLon * sLon, 0.0, 1.0);
        const double distancia = 2 * RAIO_DA_TERRA_KM * std::asin(std::sqrt(a));
        if (distancia <= raioKm) perto.push_back(g.localidade);
    }
    std::sort(perto.begin(), perto.end(), [](const Localidade& a, const Localidade& b) {
        if (a.populacao != b.populacao) return a.populacao > b.populacao;
        return std::tie(a.nome, a.pais, a.lat, a.lon) < std::tie(b.nome, b.pais, b.lat, b.lon);
    });
    return perto;
}
