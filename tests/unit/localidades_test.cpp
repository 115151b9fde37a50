// Towns from libgeonames near a site, their names made drawable, and the
// choice of the labels that fit.
#include <gtest/gtest.h>

#include <geonames/geonames.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "leitura/localidades.h"
#include "rotulos.h"

namespace {

// Great-circle distance by the chord between unit vectors (another formula
// than the reader's), in km.
double distanciaPorCorda(double lat1, double lon1, double lat2, double lon2) {
    const double g = std::acos(-1.0) / 180.0;
    const double dx = std::cos(lat1 * g) * std::cos(lon1 * g) - std::cos(lat2 * g) * std::cos(lon2 * g);
    const double dy = std::cos(lat1 * g) * std::sin(lon1 * g) - std::cos(lat2 * g) * std::sin(lon2 * g);
    const double dz = std::sin(lat1 * g) - std::sin(lat2 * g);
    return 2 * RAIO_DA_TERRA_KM * std::asin(std::min(1.0, std::sqrt(dx * dx + dy * dy + dz * dz) / 2));
}

bool sobrepoe(const CaixaDeRotulo& a, const CaixaDeRotulo& b) {
    return a.x < b.x + b.largura && b.x < a.x + a.largura && a.y < b.y + b.altura && b.y < a.y + a.altura;
}

} // namespace

TEST(LocalidadesPerto, BruxelasCemQuilometros) {
    const double lat = 50.85, lon = 4.35, raio = 100;
    const std::vector<Localidade> perto = localidadesPerto(lat, lon, raio);
    ASSERT_FALSE(perto.empty());

    // The library read directly: how many places lie surely inside, and surely
    // inside or on the rim, and the biggest population among them.
    std::size_t dentro = 0, ateABorda = 0;
    unsigned long maior = 0;
    const int n = geonames_get_n_cities();
    for (int i = 0; i < n; ++i) {
        GeonamesCity* c = geonames_get_city(i);
        const double d =
            distanciaPorCorda(lat, lon, geonames_city_get_latitude(c), geonames_city_get_longitude(c));
        if (d <= raio - 1e-6) {
            ++dentro;
            maior = std::max<unsigned long>(maior, geonames_city_get_population(c));
        }
        if (d <= raio + 1e-6) ++ateABorda;
        geonames_city_free(c);
    }
    EXPECT_GE(perto.size(), dentro);
    EXPECT_LE(perto.size(), ateABorda);
    EXPECT_GT(perto.size(), 20u);

    EXPECT_TRUE(perto.front().nome == "Brussels" || perto.front().nome == "Bruxelles") << perto.front().nome;
    EXPECT_EQ(perto.front().populacao, maior);
    EXPECT_EQ(perto.front().pais, "Belgium");
    bool antuerpia = false;
    for (std::size_t i = 0; i < perto.size(); ++i) {
        const Localidade& l = perto[i];
        antuerpia = antuerpia || l.nome == "Antwerpen" || l.nome == "Antwerp";
        EXPECT_LE(distanciaPorCorda(lat, lon, l.lat, l.lon), raio + 1e-6) << l.nome;
        EXPECT_FALSE(l.nome.empty());
        EXPECT_LE(l.nome.size(), MAX_NOME_LOCALIDADE);
        if (i > 0) {
            const Localidade& a = perto[i - 1];
            EXPECT_TRUE(a.populacao > l.populacao || (a.populacao == l.populacao && a.nome <= l.nome))
                << a.nome << " antes de " << l.nome;
        }
    }
    EXPECT_TRUE(antuerpia);

    // A later call gives the same list; odd centres and radii give none.
    EXPECT_EQ(localidadesPerto(lat, lon, raio).size(), perto.size());
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(localidadesPerto(nan, lon, raio).empty());
    EXPECT_TRUE(localidadesPerto(lat, inf, raio).empty());
    EXPECT_TRUE(localidadesPerto(lat, lon, nan).empty());
    EXPECT_TRUE(localidadesPerto(lat, lon, -1).empty());
    EXPECT_TRUE(localidadesPerto(91, lon, raio).empty());
    // The whole world, and a longitude given past a turn.
    EXPECT_GT(localidadesPerto(lat, lon, inf).size(), 20000u);
    EXPECT_EQ(localidadesPerto(lat, lon + 720, raio).size(), perto.size());
}

TEST(LocalidadesLatin1, ConverteDobraECorta) {
    EXPECT_EQ(paraLatin1("Li\xC3\xA8ge"), "Li\xE8ge");
    EXPECT_EQ(paraLatin1("\xC5\x81\xC3\xB3" "d\xC5\xBA"), "L\xF3" "dz");            // L-stroke, o-acute, z-acute
    EXPECT_EQ(paraLatin1("Bra\xC8\x99ov"), "Brasov");                              // s-comma (decomposes)
    EXPECT_EQ(paraLatin1("\xC4\x90\xC3\xA0 N\xE1\xBA\xB5ng"), "D\xE0 Nang");       // D-stroke, a-breve-tilde
    EXPECT_EQ(paraLatin1("\xC5\x92uvre \xC4\xB1"), "OEuvre i");                    // ligature, dotless i
    EXPECT_EQ(paraLatin1("\xE5\x8C\x97\xE4\xBA\xAC"), "??");                       // no Latin letter
    EXPECT_EQ(paraLatin1("O\xE2\x80\x99Neill"), "O'Neill");
    EXPECT_EQ(paraLatin1("Stra\xC3\x9F" "e"), "Stra\xDF" "e");
    // Malformed: a stray byte, a cut sequence, overlong, surrogate, past
    // U+10FFFF, a lone continuation; controls too.
    EXPECT_EQ(paraLatin1("a\xFF" "b"), "a?b");
    EXPECT_EQ(paraLatin1("a\xE2\x82" "b"), "a?b");
    EXPECT_EQ(paraLatin1("a\xC3"), "a?");
    EXPECT_EQ(paraLatin1("\xC0\xAF"), "??");
    EXPECT_EQ(paraLatin1("\xED\xA0\x80"), "???");
    EXPECT_EQ(paraLatin1("\xF4\x90\x80\x80"), "????");
    EXPECT_EQ(paraLatin1("\x80x"), "?x");
    EXPECT_EQ(paraLatin1(std::string("a\0b\t\xC2\x85", 6)), "a?b??");
    EXPECT_EQ(paraLatin1(""), "");
    // At most 40 bytes of output, counted after conversion; a two-letter
    // fold that does not fit is left out whole.
    EXPECT_EQ(paraLatin1(std::string(100, 'a')), std::string(40, 'a'));
    std::string e;
    for (int i = 0; i < 50; ++i) e += "\xC3\xA9";
    EXPECT_EQ(paraLatin1(e), std::string(40, '\xE9'));
    EXPECT_EQ(paraLatin1(std::string(39, 'a') + "\xC5\x92" "x"), std::string(39, 'a'));
}

TEST(Rotulos, PrimeirosQueCabemSemSobrepor) {
    const CaixaDeRotulo area{0, 0, 100, 50};
    const std::vector<CaixaDeRotulo> proibidas = {{40, 20, 10, 10}, {-1e300, 45, 1e301, 100}};
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<CaixaDeRotulo> candidatas = {
        {0, 0, 20, 5},    // 0 kept
        {10, 2, 20, 5},   // 1 over 0
        {20, 0, 20, 5},   // 2 kept: only touches 0
        {90, 10, 20, 5},  // 3 past the area's right edge
        {45, 25, 5, 5},   // 4 on the forbidden mark
        {50, 41, 10, 5},  // 5 on the unbounded forbidden strip
        {60, 10, 0, 5},   // 6 no width
        {nan, 10, 5, 5},  // 7 not a number
        {60, 10, 20, 5},  // 8 kept
        {0, 40, 20, 5},   // 9 kept: touches the strip
        {70, 12, 5, 1},   // 10 inside 8
        {0, 20, 30, 10},  // 11 kept
    };
    EXPECT_EQ(escolheRotulos(candidatas, area, proibidas, 100), (std::vector<std::size_t>{0, 2, 8, 9, 11}));
    EXPECT_EQ(escolheRotulos(candidatas, area, proibidas, 3), (std::vector<std::size_t>{0, 2, 8}));
    EXPECT_TRUE(escolheRotulos(candidatas, area, proibidas, 0).empty());
    EXPECT_TRUE(escolheRotulos(candidatas, {0, 0, nan, 50}, proibidas, 100).empty());

    // 2000 random boxes, mostly label-sized, some much bigger: the grid gives
    // exactly what testing every pair gives, and no two kept boxes overlap.
    std::mt19937 gerador(20240611);
    std::uniform_real_distribution<double> px(-50, 1050), py(-50, 750), pequena(5, 60), grande(60, 400);
    std::vector<CaixaDeRotulo> muitas;
    for (int i = 0; i < 2000; ++i) {
        const bool enorme = i % 50 == 7;
        muitas.push_back({px(gerador), py(gerador), enorme ? grande(gerador) : pequena(gerador),
                          enorme ? grande(gerador) / 4 : pequena(gerador) / 4});
    }
    const CaixaDeRotulo tela{0, 0, 1000, 700};
    const std::vector<CaixaDeRotulo> marcas = {{480, 330, 40, 40}, {900, 0, 100, 700}};
    const std::vector<std::size_t> escolhidas = escolheRotulos(muitas, tela, marcas, 1000);

    std::vector<std::size_t> esperadas;
    for (std::size_t i = 0; i < muitas.size(); ++i) {
        const CaixaDeRotulo& c = muitas[i];
        bool cabe = c.x >= 0 && c.y >= 0 && c.x + c.largura <= 1000 && c.y + c.altura <= 700;
        for (const CaixaDeRotulo& m : marcas) cabe = cabe && !sobrepoe(c, m);
        for (const std::size_t k : esperadas) cabe = cabe && !sobrepoe(c, muitas[k]);
        if (cabe) esperadas.push_back(i);
    }
    EXPECT_EQ(escolhidas, esperadas);
    EXPECT_GT(escolhidas.size(), 100u);
    for (std::size_t a = 0; a < escolhidas.size(); ++a)
        for (std::size_t b = a + 1; b < escolhidas.size(); ++b)
            EXPECT_FALSE(sobrepoe(muitas[escolhidas[a]], muitas[escolhidas[b]])) << escolhidas[a] << " " << escolhidas[b];
}
