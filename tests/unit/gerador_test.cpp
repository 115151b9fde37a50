// The synthetic scan generator writes files the reader takes whole, the
// same bytes for the same seed, with weather-like echo coverage.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "matriz.h"

namespace {

std::string gera(const std::string& argumentos) {
    const std::string comando = std::string(GERADOR) + " " + argumentos;
    std::FILE* p = popen(comando.c_str(), "r");
    std::string saida;
    char bloco[65536];
    for (std::size_t n; (n = std::fread(bloco, 1, sizeof bloco, p)) > 0;) saida.append(bloco, n);
    EXPECT_EQ(pclose(p), 0) << comando;
    return saida;
}

} // namespace

TEST(Gerador, VarreduraCompletaEDeterministica) {
    const std::string texto = gera("--semente 7 --primeiro-raio 8 --raios 1200");
    EXPECT_EQ(texto, gera("--semente 7 --primeiro-raio 8 --raios 1200"));
    EXPECT_NE(texto, gera("--semente 8 --primeiro-raio 8 --raios 1200"));

    auto m = std::make_unique<Matriz>();
    ASSERT_EQ(m->setRaioInicial("8"), 0);
    std::istringstream entrada(texto);
    ASSERT_EQ(m->leVarredura(entrada), ResultadoLeitura::OK);
    EXPECT_EQ(m->anguloMinimo, 1u); // first header is azimuth 0
    EXPECT_EQ(m->anguloMaximo, 361u);
    EXPECT_EQ(m->raioMaximo, 1200u);
    EXPECT_EQ(m->getRaioFinal(), 1199u);

    long comEco = 0, total = 0;
    float maximo = -100;
    for (int a = 0; a < 360; ++a)
        for (int g = 8; g < 1200; ++g, ++total) {
            const float v = m->getTabela(a, g);
            EXPECT_NE(v, VALOR_NAO_LIDO) << a << " " << g;
            if (v >= -12.5f) ++comEco;
            if (v > maximo) maximo = v;
        }
    EXPECT_GT(comEco, total / 10);
    EXPECT_LT(comEco, total * 9 / 10);
    EXPECT_GE(maximo, 50.0f);
    EXPECT_LE(maximo, 70.0f);
}

TEST(Gerador, CheiaNaoTemCelulaSemEco) {
    auto m = std::make_unique<Matriz>();
    ASSERT_EQ(m->setRaioInicial("4"), 0);
    std::istringstream entrada(gera("--cheia --raios 300"));
    ASSERT_EQ(m->leVarredura(entrada), ResultadoLeitura::OK);
    for (int a = 0; a < 360; ++a)
        for (int g = 4; g < 300; ++g) ASSERT_GE(m->getTabela(a, g), -12.5f) << a << " " << g;
}
