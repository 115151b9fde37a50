// Hostile scan files: huge, endless, garbage and odd tokens. Each is read
// to its end within the table's limits, holding only what the rules say.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>

#include "matriz.h"

namespace {

std::unique_ptr<Matriz> le(std::istream& entrada, ResultadoLeitura esperado = ResultadoLeitura::OK) {
    auto m = std::make_unique<Matriz>();
    EXPECT_EQ(m->setRaioInicial("4"), 0);
    EXPECT_EQ(m->leVarredura(entrada), esperado);
    EXPECT_LE(m->raioMaximo, 2000u);
    EXPECT_LE(m->getRaioFinal(), 1999u);
    EXPECT_LT(m->anguloMinimo, 360u);
    return m;
}

std::unique_ptr<Matriz> leTexto(const std::string& texto, ResultadoLeitura esperado = ResultadoLeitura::OK) {
    std::istringstream entrada(texto);
    return le(entrada, esperado);
}

} // namespace

TEST(Hostis, SemVarredura) {
    leTexto("", ResultadoLeitura::SEM_MARCADOR);
    leTexto("so um preambulo\nsem nenhum bloco\n", ResultadoLeitura::SEM_MARCADOR);
    leTexto(std::string(10 * 1024 * 1024, '7'), ResultadoLeitura::SEM_MARCADOR); // one 10 MB line
    std::string lixo(1 << 20, '\0');
    std::mt19937 gerador(1);
    for (char& c : lixo) {
        c = static_cast<char>(gerador() & 0xff);
        if (c == '#') c = '\0'; // garbage without a marker
    }
    leTexto(lixo, ResultadoLeitura::SEM_MARCADOR);
}

TEST(Hostis, LixoComMarcadoresTerminaNaTabela) {
    std::string lixo(1 << 20, '\0');
    std::mt19937 gerador(2);
    for (char& c : lixo) c = "#:\n 0123456789.-x\0"[gerador() % 17];
    leTexto("p\n#: 5 \n" + lixo);
}

TEST(Hostis, BlocoDeUmMilhaoDeValores) {
    std::string corpo;
    for (int k = 0; k < 1000000; ++k) corpo += " 12.5";
    auto m = leTexto("p\n# Az: 0 g\n" + corpo + "\n# Az: 1 g\n 7.0\n");
    EXPECT_FLOAT_EQ(m->getTabela(1, 1999), 12.5f);
    EXPECT_EQ(m->raioMaximo, 2000u);
    EXPECT_FLOAT_EQ(m->getTabela(2, 4), 7.0f); // the next block is the next row
}

TEST(Hostis, CemMilBlocos) {
    std::string texto = "p\n";
    for (int k = 0; k < 100000; ++k) texto += "# Az: " + std::to_string(k) + " g\n " + std::to_string(k % 60) + ".5\n";
    auto m = leTexto(texto);
    EXPECT_EQ(m->anguloMaximo, m->anguloMinimo + 360);
    EXPECT_FLOAT_EQ(m->getTabela(0, 4), 59.5f); // block 359 (359 % 60 = 59) lands in row 0
    EXPECT_EQ(m->getAvisos().blocosExtras.quantidade, 100000u - 360u);
}

TEST(Hostis, TokensEstranhos) {
    auto m = leTexto("p\n# Az: 0 g\n " + std::string(100000, '9') + " 1................. -------- .... "
                     "1e309 -1e309 nan inf\n");
    EXPECT_FLOAT_EQ(m->getTabela(1, 4), 9999999.0f);
    EXPECT_FLOAT_EQ(m->getTabela(1, 5), 1.0f);
    EXPECT_FLOAT_EQ(m->getTabela(1, 6), VALOR_ZERO_FALSO);
    EXPECT_FLOAT_EQ(m->getTabela(1, 7), VALOR_ZERO_FALSO);
    // Letters separate values: "1e309" is 1 then 309, "-1e309" is -1 then 309.
    EXPECT_FLOAT_EQ(m->getTabela(1, 8), 1.0f);
    EXPECT_FLOAT_EQ(m->getTabela(1, 9), 309.0f);
    EXPECT_FLOAT_EQ(m->getTabela(1, 10), -1.0f);
    EXPECT_FLOAT_EQ(m->getTabela(1, 11), 309.0f);
    EXPECT_FLOAT_EQ(m->getTabela(1, 12), -26.0f); // "nan" and "inf" are only separators
}

TEST(Hostis, ArquivoDeCemMegabytesEmPoucosSegundos) {
    char nome[] = "/tmp/vorlane-grandeXXXXXX";
    const int fd = mkstemp(nome);
    ASSERT_GE(fd, 0);
    close(fd);
    {
        std::ofstream f(nome, std::ios::binary);
        f << "p\n";
        std::string linha;
        for (int k = 0; k < 56000; ++k) linha += "33.5 ";
        for (int a = 0; a < 360; ++a) f << "# Az: " << a << " graus\n" << linha << "\n";
    }
    const auto inicio = std::chrono::steady_clock::now();
    std::ifstream entrada(nome, std::ios::binary);
    auto m = le(entrada);
    const double segundos = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
    std::remove(nome);
    EXPECT_LT(segundos, 20.0);
    EXPECT_FLOAT_EQ(m->getTabela(0, 1999), 33.5f);
    EXPECT_FLOAT_EQ(m->getTabelaMenor16(200, 124), 33.5f);
}
