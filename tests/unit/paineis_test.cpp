// Texts of the side panel and of the numeric table, and the rules that hold
// the profile graph and the table inside the scan's range.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "cores.h"
#include "estado.h"
#include "geometria.h"
#include "matriz.h"
#include "textos.h"

TEST(TextosDaTabela, CabecalhosECanto) {
    EXPECT_EQ(textoCabecalhoColuna(0), "    0");
    EXPECT_EQ(textoCabecalhoColuna(84), "   84");
    EXPECT_EQ(textoCabecalhoColuna(359), "  359");
    const struct {
        long raio;
        medidas u;
        const char* texto;
    } linhas[] = {
        {0, KILOMETROS, "  0.00 km"},  {485, KILOMETROS, "121.25 km"}, {514, KILOMETROS, "128.50 km"},
        {1999, KILOMETROS, "499.75 km"}, {0, MILHAS, "  0.00 Mi"},    {400, MILHAS, " 62.14 Mi"},
        {1999, MILHAS, "310.53 Mi"},
    };
    for (const auto& l : linhas) EXPECT_EQ(textoCabecalhoLinha(l.raio, l.u), l.texto) << l.raio << " " << l.u;
    EXPECT_STREQ(textoCanto(KILOMETROS), "Km\\Az");
    EXPECT_STREQ(textoCanto(MILHAS), "Milas\\Az");
}

TEST(TextosDaTabela, CelulasAbaixoDeMenos20SemValor) {
    const struct {
        float v;
        const char* texto;
    } celulas[] = {{-20.0f, "-20.0"}, {-20.1f, "--.-"}, {-19.9f, "-19.9"}, {5, " +5.0"}, {0, " +0.0"},
                   {-5.5f, " -5.5"},  {65, "+65.0"},    {VALOR_NAO_LIDO, "--.-"}, {VALOR_SEM_ECO, "--.-"},
                   {VALOR_ZERO_FALSO, "--.-"}};
    for (const auto& c : celulas) EXPECT_EQ(textoCelula(c.v), c.texto) << c.v;
}

TEST(TextosDaTabela, RaiosForaDaTabelaNaoTemValor) {
    for (long raio : {-1L, 2000L, 2009L, 1000000L}) EXPECT_EQ(textoCelula(matriz.valorSeguro(10, raio)), "--.-") << raio;
}

TEST(TextosDoPainel, HoraEData) {
    EXPECT_EQ(textoHora("14", "30", "00"), "14:30:00");
    EXPECT_EQ(textoHora("00", "00", "00"), "00:00:00");
    const struct {
        const char *dia, *mes, *ano, *texto;
    } datas[] = {
        {"01", "03", "05", "01 MAR 2005 BRT"}, {"15", "03", "05", "15 MAR 2005 BRT"},
        {"00", "00", "00", "00 --- 0000 BRT"}, {"00", "05", "99", "00 MAI 0099 BRT"}, // no day: century 00
        {"15", "13", "05", "152005 BRT"},      {"15", "1", "05", "152005 BRT"},       // no month name
        {"01", "12", "60", "01 DEZ 1960 BRT"}, {"31", "01", "99", "31 JAN 1999 BRT"},
        {"28", "02", "59", "28 FEV 2059 BRT"}, {"10", "00", "00", "10 --- 2000 BRT"},
    };
    for (const auto& d : datas) EXPECT_EQ(textoData(d.dia, d.mes, d.ano), d.texto) << d.dia << d.mes << d.ano;
    const char* const nomes[] = {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN", "JUL", "AGO", "SET", "OUT", "NOV", "DEZ"};
    for (int m = 1; m <= 12; ++m) {
        char mes[3];
        std::snprintf(mes, sizeof mes, "%02d", m);
        EXPECT_EQ(textoData("07", mes, "21"), std::string("07 ") + nomes[m - 1] + " 2021 BRT");
    }
}

TEST(TextosDoPainel, LocalPelosQuatroBytes) {
    // The site text is a char[4]; every comparison reads all four bytes.
    const struct {
        char local[4];
        const char* texto;
    } locais[] = {{"PPR", "Local: Presidente Prudente"}, {"BRU", "Local: Bauru"}, {"", "Local: Desconhecido"},
                  {"dad", "Local: Desconhecido"},       {"bru", "Local: Desconhecido"}, {"BR", "Local: Desconhecido"},
                  {{'B', 'R', 'U', 'X'}, "Local: Desconhecido"}};
    for (const auto& l : locais) EXPECT_STREQ(textoLocal(l.local), l.texto) << l.local[0];
}

TEST(TextosDoPainel, LinhasDosAjustes) {
    EXPECT_STREQ(textoQualidade(BOA), "Qualidade: Maxima");
    EXPECT_STREQ(textoQualidade(RUIM), "Qualidade: Media");
    EXPECT_STREQ(textoQualidade(PIOR), "Qualidade: Minima");
    EXPECT_STREQ(textoUnidades(MILHAS), "Unidades: Milhas");
    EXPECT_STREQ(textoUnidades(KILOMETROS), "Unidades: Quilometros");
    EXPECT_STREQ(textoCores(COR_MAXIMO), "Cores: Maximo");
    EXPECT_STREQ(textoCores(COR_MEDIO), "Cores: 32");
    EXPECT_STREQ(textoCores(COR_MINIMO), "Cores: 5");
    EXPECT_STREQ(textoCores(COR_BRILHO), "Cores: Tons de Cinza");
    EXPECT_STREQ(textoLeitura(1), "Tamanho da Leitura: 250 m");
    EXPECT_STREQ(textoLeitura(2), "Tamanho da Leitura: 500 m");
    EXPECT_STREQ(textoLeitura(4), "Tamanho da Leitura: 1 km");
}

TEST(TextosDoPainel, LegendaDe2E5Em2E5) {
    const struct {
        int linha;
        const char* texto;
    } rotulos[] = {{0, "-12.5"}, {1, "-10.0"}, {4, " -2.5"}, {5, " +0.0"}, {10, "+12.5"}, {31, "+65.0"}};
    for (const auto& r : rotulos) EXPECT_EQ(textoSinalizado(r.linha * 2.5 - 12.5), r.texto) << r.linha;
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
