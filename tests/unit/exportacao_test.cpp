// Text export of a region: layout byte for byte, clamping to the scan's
// gates, the arc between two angles, names already taken and a file that
// cannot be created.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "matriz.h"

namespace {

class Exportacao : public ::testing::Test {
protected:
    void SetUp() override {
        char modelo[] = "/tmp/vorlane-exportXXXXXX";
        ASSERT_NE(mkdtemp(modelo), nullptr);
        dir = modelo;
        nomeVarredura = dir + "/BRU050301143000.dat";
    }
    void TearDown() override { std::system(("rm -rf '" + dir + "'").c_str()); }

    // Reads `texto` as the scan, named as a file in the temporary directory.
    std::unique_ptr<Matriz> varredura(const std::string& texto) {
        auto m = std::make_unique<Matriz>();
        EXPECT_TRUE(m->setNome(nomeVarredura.c_str()));
        EXPECT_EQ(m->setRaioInicial(primeiroRaio), 0);
        std::istringstream entrada(texto);
        EXPECT_EQ(m->leVarredura(entrada), ResultadoLeitura::OK);
        return m;
    }

    std::string conteudo(const std::string& sufixo) {
        std::ifstream f(dir + "/BRU050301143000" + sufixo, std::ios::binary);
        EXPECT_TRUE(f.is_open()) << sufixo;
        std::ostringstream s;
        s << f.rdbuf();
        return s.str();
    }

    std::string dir, nomeVarredura;
    const char* primeiroRaio = "40";
};

// Rows 10 and 11 from gate 40; the first block goes to row 10.
const char* EXEMPLO =
    "p\n# Az: 9 g\n 12.5 --.- 0.0 1.0\n# Az: 10 g\n --.- 5 7.25\n# Az: 11\n 1 2 3\n";

} // namespace

TEST_F(Exportacao, LayoutDoExemplo) {
    auto m = varredura(EXEMPLO);
    // Polar angles 80 and 79 are azimuth rows 10 and 11.
    ASSERT_TRUE(m->salvaAtual(40, 42, 80, 79));
    EXPECT_EQ(conteudo(".10km10-11"),
              "\nRaios: 40-42\nAngulos: 10-11\n"
              "\n\n#  0  Az: 9 \n 12.5  --.-  0 "
              "\n\n#  1  Az: 10 \n --.-  5  7.25 \n");
}

TEST_F(Exportacao, ValoresNoLimite) {
    auto m = varredura("p\n# Az: 9 g\n -25.0 -24.9 0.0 -7.0 33.3 0\n# fim\n");
    ASSERT_TRUE(m->salvaAtual(40, 45, 80, 80));
    EXPECT_EQ(conteudo(".10km10-10"), "\nRaios: 40-45\nAngulos: 10-10\n"
                                      "\n\n#  0  Az: 9 \n --.-  -24.9  0  -7  33.3  --.- \n");
}

TEST_F(Exportacao, RaiosLimitadosAVarredura) {
    // Gates 40..43 hold data (raioFinal 43 after the second block).
    auto m = varredura(EXEMPLO);
    ASSERT_TRUE(m->salvaAtual(0, 1999, 80, 80));
    const std::string texto = conteudo(".10km10-10");
    EXPECT_EQ(texto.substr(0, 26), "\nRaios: 40-43\nAngulos: 10-");
    // Nothing left after clamping: headers and empty value lines.
    ASSERT_TRUE(m->salvaAtual(100, 1999, 80, 80));
    EXPECT_EQ(conteudo(".25km10-10"), "\nRaios: 100-43\nAngulos: 10-10\n\n\n#  0  Az: 9 \n\n");
    // A negative first gate compares as a huge unsigned one: nothing exported, nothing read.
    ASSERT_TRUE(m->salvaAtual(-5, 1999, 80, 80));
}

TEST_F(Exportacao, ArcoMaisCurtoEntreOsAngulos) {
    auto m = varredura(EXEMPLO);
    // Polar 80 and 100 are rows 10 and 350: the arc through north, 21 rows.
    ASSERT_TRUE(m->salvaAtual(40, 40, 80, 100));
    const std::string a = conteudo(".10km350-10");
    EXPECT_NE(a.find("Angulos: 350-10\n"), std::string::npos);
    EXPECT_NE(a.find("#  0  Az: 349 \n"), std::string::npos);
    EXPECT_NE(a.find("#  20  Az: 9 \n 12.5 \n"), std::string::npos);
    EXPECT_EQ(a.find("#  21 "), std::string::npos);
    // The same arc whichever angle comes first (the name is taken by now).
    ASSERT_TRUE(m->salvaAtual(40, 40, 100, 80));
    EXPECT_EQ(conteudo(".10km350-10_2"), a);
    // 180 degrees apart: from the row of the first angle upward, 181 blocks.
    ASSERT_TRUE(m->salvaAtual(40, 40, 0, 180));
    const std::string b = conteudo(".10km90-270");
    EXPECT_NE(b.find("#  180  Az: 269 \n"), std::string::npos);
    EXPECT_EQ(b.find("#  181 "), std::string::npos);
}

TEST_F(Exportacao, NuncaSubstituiUmNomeExistente) {
    auto m = varredura(EXEMPLO);
    const std::string nome = dir + "/BRU050301143000.10km10-11";
    { std::ofstream(nome, std::ios::binary) << "de outra exportacao\n"; }
    // A directory and a dangling link take the next names: the link's target
    // must not be created through it.
    ASSERT_EQ(mkdir((nome + "_2").c_str(), 0755), 0);
    ASSERT_EQ(symlink((dir + "/alvo").c_str(), (nome + "_3").c_str()), 0);
    std::string gravado;
    ASSERT_TRUE(m->salvaAtual(40, 42, 80, 79, &gravado));
    EXPECT_EQ(gravado, nome + "_4");
    EXPECT_EQ(conteudo(".10km10-11"), "de outra exportacao\n");
    EXPECT_EQ(access((dir + "/alvo").c_str(), F_OK), -1);
    EXPECT_EQ(conteudo(".10km10-11_4").substr(0, 29), "\nRaios: 40-42\nAngulos: 10-11\n");
    ASSERT_TRUE(m->salvaAtual(40, 42, 80, 79, &gravado));
    EXPECT_EQ(gravado, nome + "_5");
}

TEST_F(Exportacao, ArquivoQueNaoPodeSerCriado) {
    nomeVarredura = dir + "/nao/existe/BRU050301143000.dat";
    auto m = varredura(EXEMPLO);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(m->salvaAtual(40, 42, 80, 79));
    const std::string erro = testing::internal::GetCapturedStderr();
    EXPECT_EQ(erro.rfind("vorlane: ", 0), 0u);
    EXPECT_EQ(std::count(erro.begin(), erro.end(), '\n'), 1);
}
