// Every text the viewer draws: the status-bar readout, the side panel's
// lines, the legend's numbers and the numeric table's headers and cells.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "cores.h"
#include "estado.h"
#include "matriz.h"
#include "textos.h"

TEST(TextoPosicao, QuilometrosEMilhas) {
    EXPECT_EQ(textoPosicao(0, 0, -50, KILOMETROS), "Raio   0.0 km, Azimute 000 graus, Refletividade --.- dBZ");
    EXPECT_EQ(textoPosicao(250, 7, 33.25f, KILOMETROS), "Raio 250.0 km, Azimute 007 graus, Refletividade 33.2 dBZ");
    EXPECT_EQ(textoPosicao(500, 7, 5, MILHAS), "Raio 310.7 Mi, Azimute 7 graus, Refletividade 5.0 dBZ");
    EXPECT_EQ(textoPosicao(500, 359, 5, KILOMETROS).substr(0, 15), "Raio 500.0 km, ");
    // The field widens beyond 999.9 instead of being cut.
    EXPECT_EQ(textoPosicao(1414.2f, 45, 5, KILOMETROS).substr(0, 16), "Raio 1414.2 km, ");
    // Huge values (a far pan) still make one bounded line.
    EXPECT_LT(textoPosicao(3e38f, 45, 3e38f, KILOMETROS).size(), 200u);
}

TEST(TextoPosicao, LimiarDaRefletividade) {
    EXPECT_NE(textoPosicao(1, 1, -25.0f, KILOMETROS).find("Refletividade -25.0 dBZ"), std::string::npos);
    EXPECT_NE(textoPosicao(1, 1, -25.01f, KILOMETROS).find("Refletividade --.- dBZ"), std::string::npos);
    EXPECT_NE(textoPosicao(1, 1, -26.0f, MILHAS).find("Refletividade --.- dBZ"), std::string::npos);
}

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
}
