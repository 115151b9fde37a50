// ODIM_H5 sweeps: the mapping of any geometry onto the table, on hand-made
// sweeps.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "mapeamento.h"
#include "matriz.h"

namespace {

constexpr float NL = VALOR_NAO_LIDO, SE = VALOR_SEM_ECO;

// nrays x nbins raw values, gain 1 and offset 0; raw(k, b) gives each one.
template <class F>
VarreduraMedida medida(long nrays, long nbins, double rscale, F raw) {
    VarreduraMedida v;
    v.nrays = nrays;
    v.nbins = nbins;
    v.rscale = rscale;
    for (long k = 0; k < nrays; ++k)
        for (long b = 0; b < nbins; ++b) v.brutos.push_back(raw(k, b));
    return v;
}

float em(const TabelaMapeada& t, long a, long g) { return t.valores[static_cast<std::size_t>(a) * N_RAIOS + g]; }

} // namespace

// Bin b holds b + 1: each gate shows which bin it took (the largest if several).
TEST(Mapeamento, Alcance) {
    struct Caso {
        double rscale, rstart;
        long nbins, inicial, final;
        std::vector<std::pair<long, float>> gates; // gate, value
    };
    const Caso casos[] = {
        {250, 0, 2000, 0, 1999, {{0, 1}, {1999, 2000}}},
        {125, 0, 100, 0, 49, {{0, 2}, {49, 100}, {50, NL}}},      // two bins a gate, the larger
        {500, 0, 10, 0, 19, {{0, 1}, {1, 1}, {2, 2}, {19, 10}, {20, NL}}},
        {1000, 0, 3, 0, 11, {{3, 1}, {4, 2}, {11, 3}, {12, NL}}},
        {250, 1000, 10, 4, 13, {{3, NL}, {4, 1}, {13, 10}, {14, NL}}},
        {250, 125, 4, 0, 3, {{0, 1}, {1, 2}, {3, 4}, {4, NL}}},   // gate centre on a bin's start
        {125, 100, 3, 0, 1, {{0, 1}, {1, 3}, {2, NL}}},           // bin centres at 162.5, 287.5, 412.5 m
        {1000, 0, 1000, 0, 1999, {{1999, 500}}},                  // beyond the table: cut at 500 km
        {250, 600000, 10, -1, -1, {{1999, NL}}},                  // wholly beyond
        {250, -1000, 8, 0, 3, {{0, 5}, {3, 8}, {4, NL}}},         // starts behind the radar
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(testing::Message() << "rscale " << c.rscale << " rstart " << c.rstart);
        VarreduraMedida v = medida(1, c.nbins, c.rscale, [](long, long b) { return b + 1.0; });
        v.rstart = c.rstart;
        const TabelaMapeada u = mapeiaVarredura(v);
        EXPECT_EQ(u.raioInicial, c.inicial);
        EXPECT_EQ(u.raioFinal, c.final);
        for (auto [g, valor] : c.gates) {
            EXPECT_FLOAT_EQ(em(u, 0, g), valor) << "gate " << g;
            EXPECT_FLOAT_EQ(em(u, 359, g), valor) << "gate " << g; // one ray covers every row
        }
    }
}

// Ray k holds k + 1 in its one bin: each row shows which ray it took.
TEST(Mapeamento, Azimute) {
    struct Caso {
        const char* nome;
        long nrays;
        double astart;
        std::vector<double> inicios, fins; // spans; empty: from astart
        std::vector<std::pair<long, float>> linhas; // row, value
    };
    const Caso casos[] = {
        {"360 from 0", 360, 0, {}, {}, {{0, 1}, {100, 101}, {359, 360}}},
        {"360 centred", 360, -0.5, {}, {}, {{0, 1}, {100, 101}, {359, 360}}},
        {"360 from 0.5", 360, 0.5, {}, {}, {{0, 360}, {1, 1}, {100, 100}}},
        {"720: larger of two", 720, 0, {}, {}, {{0, 720}, {1, 3}, {100, 201}}},
        {"720 centres on half degrees", 720, -0.25, {}, {}, {{0, 720}, {1, 3}, {359, 719}}},
        {"400", 400, 0, {}, {}, {{0, 400}, {1, 2}, {100, 112}, {359, 399}}},
        {"338: boundary on a whole degree", 338, 0, {}, {}, {{0, 1}, {179, 169}, {180, 170}, {359, 338}}},
        {"spans, one wrapping", 4, 0, {0, 90.5, 180, 350}, {90, 180, 350, 10},
         {{0, 4}, {9, 4}, {10, 1}, {89, 1}, {90, NL}, {91, 2}, {180, 3}, {349, 3}, {350, 4}, {359, 4}}},
        {"spans fewer than rays", 4, 0, {0, 90}, {90, 180}, {{0, 1}, {90, 2}, {180, NL}}},
        {"span not finite", 2, 0, {0, NAN}, {180, 360}, {{0, 1}, {180, NL}}},
        {"astart not finite", 360, INFINITY, {}, {}, {{0, NL}}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        VarreduraMedida v = medida(c.nrays, 1, 250, [](long k, long) { return k + 1.0; });
        v.astart = c.astart;
        v.inicioAz = c.inicios;
        v.fimAz = c.fins;
        const TabelaMapeada t = mapeiaVarredura(v);
        for (auto [a, valor] : c.linhas) EXPECT_FLOAT_EQ(em(t, a, 0), valor) << "row " << a;
    }
    // Evenly spread rays, any count up to 360: row a is the ray over it,
    // floor(a n / 360), with no row left between two rays.
    for (long n = 1; n <= 360; ++n) {
        const TabelaMapeada t = mapeiaVarredura(medida(n, 1, 250, [](long k, long) { return k + 1.0; }));
        for (long a = 0; a < N_AZIMUTES; ++a) ASSERT_FLOAT_EQ(em(t, a, 0), a * n / 360 + 1) << n << " rays, row " << a;
    }
}

// One ray; a gate of one bin (rscale 250) or the largest of two (125).
// Codes: NAN when the file has none.
TEST(Mapeamento, Valores) {
    struct Caso {
        const char* nome;
        double ganho, deslocamento, semDados, naoDetectado;
        std::vector<double> bins;
        float esperado;
    };
    const Caso casos[] = {
        {"gain and offset", 0.5, -32, 255, 0, {144}, 40},
        {"undetect", 0.5, -32, 255, 0, {0}, SE},
        {"nodata", 0.5, -32, 255, 0, {255}, NL},
        {"nodata == undetect: no echo", 0.5, -32, 0, 0, {0}, SE},
        {"codes absent: values", 0.5, -32, NAN, NAN, {255, 0}, 95.5f},
        {"data beats no echo, even below it", 1, -40, 255, 0, {0, 10}, -30},
        {"no echo beats no data", 1, 0, 255, 0, {255, 0}, SE},
        {"no data and no data", 1, 0, 255, 0, {255, 255}, NL},
        {"larger of two data", 1, 0, 255, 0, {7, 5}, 7},
        {"gain not finite", NAN, 0, 255, 0, {7}, NL},
        {"gain infinite", INFINITY, 0, 255, 0, {7, 5}, NL},
        {"offset infinite, undetect still a code", 1, -INFINITY, 255, 0, {0}, SE},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        const long n = static_cast<long>(c.bins.size());
        VarreduraMedida v = medida(1, n, 250.0 / n, [&c](long, long b) { return c.bins[b]; });
        v.ganho = c.ganho;
        v.deslocamento = c.deslocamento;
        v.temSemDados = !std::isnan(v.semDados = c.semDados);
        v.temNaoDetectado = !std::isnan(v.naoDetectado = c.naoDetectado);
        EXPECT_FLOAT_EQ(em(mapeiaVarredura(v), 0, 0), c.esperado);
    }
    // Fewer raw values than nrays x nbins: nothing read.
    VarreduraMedida v = medida(2, 2, 250, [](long, long) { return 1.0; });
    v.brutos.pop_back();
    const TabelaMapeada t = mapeiaVarredura(v);
    EXPECT_EQ(t.raioInicial, -1);
    for (float x : t.valores) ASSERT_FLOAT_EQ(x, NL);
}
