// The side panel's colour groups of the COR_MINIMO legend, and the rules
// that hold the profile graph and the table inside the scan's range.
#include <gtest/gtest.h>

#include "cores.h"
#include "geometria.h"

TEST(LegendaDoPainel, CincoCoresDoModoMinimo) {
    // COR_MINIMO: the five colours by row groups, checked at both ends of each.
    const int grupos[][3] = {{0, 4, 1}, {5, 14, 13}, {15, 22, 16}, {23, 28, 26}, {29, 31, 30}};
    for (const auto& g : grupos) {
        EXPECT_EQ(entradaDaLegendaMinima(g[0]), g[2]) << g[0];
        EXPECT_EQ(entradaDaLegendaMinima(g[1]), g[2]) << g[1];
    }
}

TEST(Segura, PerfilRadial) {
    const struct {
        unsigned primeiro, ultimo;
        int ajuste;
        unsigned inicial, final;
        int esperado;
    } casos[] = {
        {1900, 1999, 5, 0, 1999, 0},  // Right key at the end of the range
        {0, 100, -1, 0, 1999, 0},     // Left key at its start
        {500, 600, 5, 0, 1999, 5},    // inside: kept
        {500, 600, -600, 0, 1999, -500},
        {100, 200, -150, 60, 999, -40},
        {900, 999, 5, 0, 999, 0},
        {800, 950, 100, 0, 999, 49},
        {500, 500, 0, 500, 500, 0},   // one gate
        {500, 500, 3, 500, 500, 0},
    };
    for (const auto& c : casos)
        EXPECT_EQ(seguraAjusteRadial(c.primeiro, c.ultimo, c.ajuste, c.inicial, c.final), c.esperado)
            << c.primeiro << ".." << c.ultimo << " + " << c.ajuste;
}

TEST(Segura, PerfilAngular) {
    EXPECT_EQ(seguraAjusteAngular(999, 3, 0, 999), 0);
    EXPECT_EQ(seguraAjusteAngular(0, -2, 0, 999), 0);
    EXPECT_EQ(seguraAjusteAngular(500, 10, 0, 999), 10);
    EXPECT_EQ(seguraAjusteAngular(10, -20, 5, 999), -5);
    EXPECT_EQ(seguraAjusteAngular(990, 20, 0, 999), 9);
    EXPECT_EQ(seguraAjusteAngular(1999, 1, 0, 1999), 0);
}

TEST(Segura, InicioDaTabela) {
    const struct {
        long inicio;
        unsigned inicial, final;
        long esperado;
    } casos[] = {
        {-5, 0, 1999, 0},       {1990, 0, 1999, 1970}, {485, 0, 1999, 485}, {970, 0, 999, 970},
        {971, 0, 999, 970},     {0, 0, 29, 0},         {5, 0, 29, 0},
        // Fewer than 30 gates: the table starts at the first one.
        {100, 50, 60, 50},      {0, 50, 60, 50},       {1990, 1980, 1999, 1980}, {500, 500, 500, 500},
        {-1000, 1975, 1999, 1975},
    };
    for (const auto& c : casos)
        EXPECT_EQ(inicioDaTabela(c.inicio, c.inicial, c.final), c.esperado) << c.inicio << " in " << c.inicial << ".." << c.final;
}
