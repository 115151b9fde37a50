// Reading scan files: placement of values, bounds, token conversion, the
// reduced tables, and files that break the layout or the table's limits.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "leitura/varredura_texto.h"
#include "matriz.h"

namespace {

// A fresh scan object (5 MB: on the heap) read from `texto`.
std::unique_ptr<Matriz> le(const std::string& texto, const char* primeiroRaio = "4",
                           ResultadoLeitura esperado = ResultadoLeitura::OK) {
    auto m = std::make_unique<Matriz>();
    EXPECT_EQ(m->setRaioInicial(primeiroRaio), 0);
    std::istringstream entrada(texto);
    EXPECT_EQ(m->leVarredura(entrada), esperado);
    return m;
}

std::string bloco(int az, const std::string& corpo) {
    return "# Az: " + std::to_string(az) + " graus\n" + corpo + "\n";
}

std::string valores(int n, const std::string& v) {
    std::string s;
    for (int k = 0; k < n; ++k) s += " " + v;
    return s;
}

} // namespace

TEST(Leitura, ExemploMinimo) {
    auto m = le("any preamble text\n# Az: 0 graus\n 12.5  --.-  0.0  33\n# Az: 1 graus\n 7.5\n");
    EXPECT_FLOAT_EQ(m->getTabela(1, 4), 12.5f);
    EXPECT_FLOAT_EQ(m->getTabela(1, 5), -27.0f);
    EXPECT_FLOAT_EQ(m->getTabela(1, 6), 0.0f);
    EXPECT_FLOAT_EQ(m->getTabela(1, 7), 33.0f);
    EXPECT_FLOAT_EQ(m->getTabela(2, 4), 7.5f);
    EXPECT_FLOAT_EQ(m->getTabela(2, 5), -26.0f);
    EXPECT_FLOAT_EQ(m->getTabela(1, 3), -26.0f);
    EXPECT_FLOAT_EQ(m->getTabela(0, 4), -26.0f);
    EXPECT_EQ(m->anguloMinimo, 1u);
    EXPECT_EQ(m->anguloMaximo, 3u);
    EXPECT_EQ(m->raioMinimo, 4u);
    EXPECT_EQ(m->getRaioFinal(), 7u);
    EXPECT_EQ(m->raioMaximo, 8u);

    // What is built from the tables keys on their generation: every load
    // gives a new one, never one another object has.
    const unsigned long lida = m->getGeracao();
    m->carregaTabela(std::vector<float>(10, 1.0f), 0, 9);
    const unsigned long carregada = m->getGeracao();
    EXPECT_NE(carregada, lida);
    std::istringstream outra("x\n# Az: 0 graus\n 1\n");
    m->leVarredura(outra);
    EXPECT_NE(m->getGeracao(), carregada);
    EXPECT_NE(le("x\n# Az: 0 graus\n 1\n")->getGeracao(), m->getGeracao());
}

// 1e309 overflows to infinity, which counts as 1e9 before the modulo.
TEST(Leitura, LinhaDoPrimeiroAzimute) {
    struct Caso {
        const char* numero;
        unsigned linha;
    } casos[] = {{"0", 1}, {"0.5", 1}, {"359", 0}, {"-1", 0}, {"-2", 359},
                 {"-100000", 81}, {"99999", 280}, {"1e309", 281}, {"nan", 1}};
    for (const Caso& c : casos) {
        auto m = le(std::string("x\n# Az: ") + c.numero + " graus\n 5.0\n");
        EXPECT_EQ(m->anguloMinimo, c.linha) << c.numero;
        EXPECT_LT(m->anguloMinimo, 360u);
        EXPECT_FLOAT_EQ(m->getTabela(static_cast<int>(c.linha), 4), 5.0f) << c.numero;
    }
}

TEST(Leitura, MarcadorSoNoInicioDeLinha) {
    // The first line starts with '#' and has a ':', but a marker must follow a line end.
    auto m = le("# Az: 100 graus\n 1.0\nfoo # Az: 200\n# Az: 10 graus\n 9.0\n");
    EXPECT_EQ(m->anguloMinimo, 11u);
    EXPECT_FLOAT_EQ(m->getTabela(11, 4), 9.0f);
    EXPECT_FLOAT_EQ(m->getTabela(101, 4), -26.0f);
}

TEST(Leitura, CabecalhosSeguintesNaoSaoLidos) {
    auto m = le("p\n" + bloco(98, " 1.0") + bloco(99, " 2.0") + bloco(200, " 3.0"));
    EXPECT_FLOAT_EQ(m->getTabela(99, 4), 1.0f);
    EXPECT_FLOAT_EQ(m->getTabela(100, 4), 2.0f);
    EXPECT_FLOAT_EQ(m->getTabela(101, 4), 3.0f);
    EXPECT_FLOAT_EQ(m->getTabela(201, 4), -26.0f);
}

TEST(Leitura, NumeroDoAzimuteAtravessaFimDeLinha) {
    // "# Az: 1\n23 x" takes "1\n23" as the number (atof gives 1); the rest of
    // the next line is the rest of the header.
    auto m = le("p\n# Az: 1\n23 x\n 4.0\n");
    EXPECT_EQ(m->anguloMinimo, 2u);
    EXPECT_FLOAT_EQ(m->getTabela(2, 4), 4.0f);
}

TEST(Leitura, ConversaoDeTokens) {
    struct Caso {
        const char* token;
        float valor;
    } casos[] = {{"--.-", -27.0f}, {"0.0", 0.0f},   {"0", -66.6f},    {"0.00", -66.6f},
                 {"-0.0", -66.6f}, {"00.0", -66.6f}, {"-", -66.6f},    {".", -66.6f},
                 {"1-2", 1.0f},    {"1.2.3", 1.2f},  {"-12.5", -12.5f}, {"63.5", 63.5f},
                 {"--.--", -66.6f}};
    for (const Caso& c : casos) EXPECT_FLOAT_EQ(valorDoToken(c.token), c.valor) << c.token;
}

TEST(Leitura, SeparadoresETokensColados) {
    // Letters, commas, tabs and CR separate; the byte that ends a token is
    // consumed, so a '#' glued to a token does not end the block.
    auto m = le("p\n# Az: 0 g\n12.5dBZ,7\t8\r\n9#10 # resto\n 77\n# Az: 1\n 5\n");
    EXPECT_FLOAT_EQ(m->getTabela(1, 4), 12.5f);
    EXPECT_FLOAT_EQ(m->getTabela(1, 5), 7.0f);
    EXPECT_FLOAT_EQ(m->getTabela(1, 6), 8.0f);
    EXPECT_FLOAT_EQ(m->getTabela(1, 7), 9.0f);
    EXPECT_FLOAT_EQ(m->getTabela(1, 8), 10.0f);
    // "# resto" ended the first block; its line is skipped and " 77" is the next row.
    EXPECT_FLOAT_EQ(m->getTabela(2, 4), 77.0f);
    EXPECT_FLOAT_EQ(m->getTabela(3, 4), 5.0f);
}

TEST(Leitura, LimitesDosBlocos) {
    {
        auto m = le("p\n" + bloco(0, valores(10, "1.0")) + bloco(1, valores(12, "2.0")));
        EXPECT_EQ(m->getRaioFinal(), 13u);
        EXPECT_EQ(m->raioMaximo, 16u);
        EXPECT_EQ(m->anguloMaximo, m->anguloMinimo + 2);
        EXPECT_FLOAT_EQ(m->getTabela(2, 15), 2.0f);
        EXPECT_FLOAT_EQ(m->getTabela(1, 14), -26.0f);
    }
    {
        // A single block and no further header: raioFinal keeps its initial 0.
        auto m = le("p\n" + bloco(0, valores(10, "1.0")));
        EXPECT_EQ(m->getRaioFinal(), 0u);
        EXPECT_EQ(m->raioMaximo, 14u);
    }
    {
        // A trailing header costs one more pass, which takes the last body's count.
        auto m = le("p\n" + bloco(0, valores(10, "1.0")) + "# Az: 1");
        EXPECT_EQ(m->getRaioFinal(), 13u);
        EXPECT_EQ(m->anguloMaximo, m->anguloMinimo + 2);
    }
}

TEST(Leitura, FimDoArquivo) {
    // A token ended by the end of the file is stored.
    auto m = le("p\n# Az: 0 g\n 1.0 2.5");
    EXPECT_FLOAT_EQ(m->getTabela(1, 5), 2.5f);
    EXPECT_EQ(m->raioMaximo, 6u);
    // A last body line ending in LF: its last token is stored once.
    auto n = le("p\n# Az: 0 g\n 1.0 2.5\n");
    EXPECT_FLOAT_EQ(n->getTabela(1, 5), 2.5f);
    EXPECT_FLOAT_EQ(n->getTabela(1, 6), -26.0f);
    EXPECT_EQ(n->anguloMaximo, 2u);
}

TEST(Leitura, NoMaximo360Blocos) {
    std::string texto = "p\n";
    for (int a = 0; a < 400; ++a) texto += bloco(a, " " + std::to_string(a % 50) + ".5");
    auto m = le(texto);
    EXPECT_EQ(m->anguloMaximo, m->anguloMinimo + 360);
    for (int linha = 0; linha < 360; ++linha) {
        const int bloco = (linha + 359) % 360; // row 1 holds block 0
        EXPECT_FLOAT_EQ(m->getTabela(linha, 4), (bloco % 50) + 0.5f) << linha;
    }
}

TEST(Leitura, TokenLongoGuardaSeteCaracteres) {
    auto m = le("p\n# Az: 0 g\n 12.345678901234 5.0 " + std::string(100000, '9') + " 6.0\n");
    EXPECT_FLOAT_EQ(m->getTabela(1, 4), 12.3456f);
    EXPECT_FLOAT_EQ(m->getTabela(1, 5), 5.0f);
    EXPECT_FLOAT_EQ(m->getTabela(1, 6), 9999999.0f);
    EXPECT_FLOAT_EQ(m->getTabela(1, 7), 6.0f);
    EXPECT_EQ(m->raioMaximo, 8u);
}

TEST(Leitura, ValoresAlemDaTabelaSaoDescartados) {
    auto m = le("p\n" + bloco(0, valores(2100, "3.0")) + bloco(1, " 4.0"), "1990");
    EXPECT_FLOAT_EQ(m->getTabela(1, 1999), 3.0f);
    EXPECT_EQ(m->raioMaximo, 2000u);
    EXPECT_EQ(m->getRaioFinal(), 1999u);
    // The rest of the long block was consumed: the next block is the next row.
    EXPECT_FLOAT_EQ(m->getTabela(2, 1990), 4.0f);
    EXPECT_FLOAT_EQ(m->getTabela(3, 1990), -26.0f);
}

TEST(Leitura, ArquivosSemVarreduraUtil) {
    le("", "4", ResultadoLeitura::SEM_MARCADOR);
    le("# Az: 0 graus\n 1.0\n", "4", ResultadoLeitura::SEM_MARCADOR);
    le(std::string("lixo\0\x01\xff", 7) + "#", "4", ResultadoLeitura::SEM_MARCADOR);
    le("p\n# sem dois pontos\n 1.0\n", "4", ResultadoLeitura::SEM_DOIS_PONTOS);
    le("p\n# Az: graus\n 1.0\n", "4", ResultadoLeitura::SEM_AZIMUTE);
    le("p\n# Az:  1 graus\n", "4", ResultadoLeitura::SEM_AZIMUTE);
    le("p\n# Az:", "4", ResultadoLeitura::SEM_AZIMUTE);
}

// Files read by the rules that still give a wrong picture: per kind, the
// count and the first line; a regular file notes nothing.
TEST(Leitura, AvisosDeArquivosIrregulares) {
    const auto avisos = [](const std::string& texto) {
        auto m = le(texto);
        EXPECT_EQ(textosDosAvisos("x.dat", m->getAvisos()).size(),
                  (m->getAvisos().foraDeSequencia.quantidade > 0) + (m->getAvisos().blocosExtras.quantidade > 0) +
                      (m->getAvisos().palavras.quantidade > 0) + (m->getAvisos().cortado.quantidade > 0));
        return m->getAvisos();
    };
    {
        // Wrapping past 359, a header 360 for 0, a header without a number,
        // letters glued to values and CR before LF are all regular.
        const AvisosDaLeitura a = avisos("p\n" + bloco(358, " 1.0") + bloco(359, " 12.5dBZ 1e5 -inf\r") +
                                         bloco(360, " 2.0") + "# fim\n 3.0\n");
        EXPECT_EQ(a.foraDeSequencia.quantidade + a.blocosExtras.quantidade + a.palavras.quantidade +
                      a.cortado.quantidade, 0u);
        EXPECT_TRUE(textosDosAvisos("x.dat", a).empty());
    }
    {
        // Ray 2 missing: headers 3 and 4 are each off; the first is on line 6.
        const AvisosDaLeitura a = avisos("p\n" + bloco(0, " 1") + bloco(1, " 1") + bloco(3, " 1") + bloco(4, " 1"));
        EXPECT_EQ(a.foraDeSequencia.quantidade, 2u);
        EXPECT_EQ(a.foraDeSequencia.linha, 6u);
        EXPECT_EQ(a.azimuteAchado, 3);
        EXPECT_EQ(a.azimuteEsperado, 2);
        // A repeated ray, with a number in the form the first header allows.
        const AvisosDaLeitura b = avisos("p\n# Az: 10.7 g\n 1\n# Az: 11.2 g\n 1\n# Az: 11 g\n 1\n");
        EXPECT_EQ(b.foraDeSequencia.quantidade, 1u);
        EXPECT_EQ(b.foraDeSequencia.linha, 6u);
        EXPECT_EQ(b.azimuteEsperado, 12);
    }
    {
        // 400 blocks over several read chunks: 40 not read, the first on line 722.
        std::string texto = "p\n";
        for (int k = 0; k < 400; ++k) texto += bloco(k, valores(100, "1.0"));
        const AvisosDaLeitura a = avisos(texto);
        EXPECT_EQ(a.blocosExtras.quantidade, 40u);
        EXPECT_EQ(a.blocosExtras.linha, 2u + 2u * 360u);
        EXPECT_EQ(a.foraDeSequencia.quantidade, 0u);
    }
    {
        const AvisosDaLeitura a = avisos("p\n# Az: 0 g\n 1.0 2.0\n 3 nan 4 x\n# Az: 1 g\n 5 inf#\n");
        EXPECT_EQ(a.palavras.quantidade, 3u);
        EXPECT_EQ(a.palavras.linha, 4u);
        EXPECT_STREQ(a.primeiraPalavra, "nan");
    }
    {
        const AvisosDaLeitura a = avisos("p\n" + bloco(0, " 1") + "# Az: 1 g\n 1.0 2.");
        EXPECT_EQ(a.cortado.quantidade, 1u);
        EXPECT_EQ(a.cortado.linha, 5u);
    }
}

TEST(Reducoes, MaximoDosRaiosCobertos) {
    std::string corpo;
    for (int g = 0; g < 2000; ++g) corpo += " " + std::to_string(g + 1) + ".0";
    auto m = le("p\n" + bloco(9, corpo), "0");
    for (int g = 0; g < 125; ++g) EXPECT_FLOAT_EQ(m->getTabelaMenor16(10, g), 16.0f * g + 16.0f);
    for (int g = 0; g < 500; ++g) EXPECT_FLOAT_EQ(m->getTabelaMenor4(10, g), 4.0f * g + 4.0f);
    for (int g = 0; g < 1000; ++g) EXPECT_FLOAT_EQ(m->getTabelaMenor2(10, g), 2.0f * g + 2.0f);
    EXPECT_FLOAT_EQ(m->getTabelaMenor2(10, 999), 2000.0f);
    // Rows the file did not supply reduce to the never-written code.
    EXPECT_FLOAT_EQ(m->getTabelaMenor2(11, 0), -26.0f);
    EXPECT_FLOAT_EQ(m->getTabelaMenor16(11, 124), -26.0f);
}

TEST(Reducoes, CodigosEPrimeiroRaio) {
    // Gates 0-3 are never written with first gate 4: 1-km cell 0 keeps -26
    // while the 4-km cell 0 holds the strongest of gates 4-15.
    auto m = le("p\n" + bloco(0, " 50.0 --.- 3.0 4.0 5.0 6.0 7.0 8.0 9.0 10.0 11.0 12.0 -30.0"));
    EXPECT_FLOAT_EQ(m->getTabelaMenor4(1, 0), -26.0f);
    EXPECT_FLOAT_EQ(m->getTabelaMenor16(1, 0), 50.0f);
    EXPECT_FLOAT_EQ(m->getTabelaMenor2(1, 2), 50.0f);
    // -30 beside an unwritten gate gives -26; -27 beside -26 gives -26.
    EXPECT_FLOAT_EQ(m->getTabelaMenor2(1, 8), -26.0f);
    auto n = le("p\n" + bloco(0, " --.-"), "5");
    EXPECT_FLOAT_EQ(n->getTabelaMenor2(1, 2), -26.0f);
}
