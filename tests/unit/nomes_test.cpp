// Scan file-name metadata, the first-gate argument and the export name.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "cidades.h"
#include "matriz.h"

namespace {

struct CasoNome {
    const char* nome;
    const char* local;
    const char* dia;
    const char* mes;
    const char* ano;
    const char* hora;
    const char* minuto;
    const char* segundo;
    long raio;
};

const CasoNome CASOS_NOME[] = {
    // Form A: no '.' at position 15.
    {"dados.dat", "dad", "00", "00", "00", "00", "00", "00", 4},
    {"ab", "ab", "00", "00", "00", "00", "00", "00", 4},
    {"", "", "00", "00", "00", "00", "00", "00", 4},
    {"BRU050301143000", "BRU", "00", "00", "00", "00", "00", "00", 4},
    {"BRU050301143000_x.dat", "BRU", "00", "00", "00", "00", "00", "00", 4},
    {"dir.x/dados", "dad", "00", "00", "00", "00", "00", "00", 4},
    // Form B: '.' at 15, no digit at 16.
    {"C:\\radar\\BRU050301143000.dat", "BRU", "01", "03", "05", "14", "30", "00", 4},
    {"/x/y/BRU050301143000.", "BRU", "01", "03", "05", "14", "30", "00", 4},
    {"XYZabcdefghijkl.dat", "XYZ", "ef", "cd", "ab", "gh", "ij", "kl", 4},
    // Form C: digit at 16; time stored second, minute, hour; km figure.
    {"PPR050301003014.10km.dat", "PPR", "01", "03", "05", "14", "30", "00", 40},
    {"a/b\\c/PPR050301003014.10km", "PPR", "01", "03", "05", "14", "30", "00", 40},
    {"PPR050301003014.0km.dat", "PPR", "01", "03", "05", "14", "30", "00", 0},
    {"PPR050301003014.12", "PPR", "01", "03", "05", "14", "30", "00", 48},
    {"PPR050301003014.7", "PPR", "01", "03", "05", "14", "30", "00", 28},
    {"PPR050301003014.1k5", "PPR", "01", "03", "05", "14", "30", "00", 4},
    {"PPR050301003014.1000km", "PPR", "01", "03", "05", "14", "30", "00", 400},
    {"PPR050301003014.9xyz", "PPR", "01", "03", "05", "14", "30", "00", 36},
    {"PPR050301003014.500km.dat", "PPR", "01", "03", "05", "14", "30", "00", 2000},
    {"XYZabcdefghijkl.3km", "XYZ", "ef", "cd", "ab", "kl", "ij", "gh", 12},
};

TEST(InterpretaNome, FormasABC) {
    for (const auto& c : CASOS_NOME) {
        SCOPED_TRACE(c.nome);
        const NomeVarredura r = interpretaNome(c.nome);
        EXPECT_STREQ(r.local, c.local);
        EXPECT_STREQ(r.data[0], c.dia);
        EXPECT_STREQ(r.data[1], c.mes);
        EXPECT_STREQ(r.data[2], c.ano);
        EXPECT_STREQ(r.hora[0], c.hora);
        EXPECT_STREQ(r.hora[1], c.minuto);
        EXPECT_STREQ(r.hora[2], c.segundo);
        EXPECT_EQ(r.raioInicial, c.raio);
    }
}

TEST(SetNome, PreencheCamposOuRecusaRaioForaDaTabela) {
    for (const auto& c : CASOS_NOME) {
        SCOPED_TRACE(c.nome);
        auto m = std::make_unique<Matriz>();
        const bool ok = m->setNome(c.nome);
        if (c.raio >= 0 && c.raio < N_RAIOS) {
            ASSERT_TRUE(ok);
            EXPECT_EQ(m->getNome(), c.nome); // pointer kept, not copied
            EXPECT_STREQ(m->getLocal(), c.local);
            EXPECT_STREQ(m->getDia(), c.dia);
            EXPECT_STREQ(m->getMes(), c.mes);
            EXPECT_STREQ(m->getAno(), c.ano);
            EXPECT_STREQ(m->getHora(), c.hora);
            EXPECT_STREQ(m->getMinuto(), c.minuto);
            EXPECT_STREQ(m->getSegundo(), c.segundo);
            EXPECT_EQ(m->getRaioInicial(), static_cast<unsigned>(c.raio));
        } else {
            EXPECT_FALSE(ok);
            EXPECT_LT(m->getRaioInicial(), static_cast<unsigned>(N_RAIOS));
        }
    }
}

TEST(SetRaioInicial, AceitaOuRecusaSemMudar) {
    const struct { const char* texto; int resultado; unsigned raio; } casos[] = {
        {"40", 0, 40},   {"4.9", 0, 4},  {"-", 0, 0},   {"", 0, 0},     {"12.7", 0, 12},
        {"0", 0, 0},     {"1999", 0, 1999},
        {"4a", 1, 7},    {"1km", 1, 7},  {"+4", 1, 7},  {" 4", 1, 7},
        {"-4", 2, 7},    {"2000", 2, 7}, {"5000", 2, 7},
        {"99999999999999999999", 2, 7},  {"-99999999999999999999", 2, 7},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        auto m = std::make_unique<Matriz>();
        ASSERT_EQ(m->setRaioInicial("7"), 0);
        EXPECT_EQ(m->setRaioInicial(c.texto), c.resultado);
        EXPECT_EQ(m->getRaioInicial(), c.raio);
    }
}

TEST(SetNewName, SufixoDoRecorte) {
    const std::string longo = std::string(5000, 'a') + ".dat";
    const struct { const char* nome; int xri, xti, xtf; std::string esperado; } casos[] = {
        {"C:\\radar\\BRU050301143000.dat", 40, 10, 50, "C:\\radar\\BRU050301143000.10km10-50"},
        {"C:\\radar\\BRU050301143000.dat", 41, 10, 50, "C:\\radar\\BRU050301143000.10km10-50"},
        {"C:\\radar\\BRU050301143000.dat", 43, 10, 50, "C:\\radar\\BRU050301143000.10km10-50"},
        {"C:\\radar\\BRU050301143000.dat", 39, 10, 50, "C:\\radar\\BRU050301143000.9km10-50"},
        // Only the base name is cut: dots in directories keep the export beside the scan.
        {"./BRU050301143000.dat", 40, 10, 50, "./BRU050301143000.10km10-50"},
        {"radar.2019/MTS100206111233.dat", 400, 0, 5, "radar.2019/MTS100206111233.100km0-5"},
        {"../a.b/X.dat", 4, 1, 2, "../a.b/X.1km1-2"},
        {"C:\\a.b\\X.dat", 4, 1, 2, "C:\\a.b\\X.1km1-2"},
        {"a.b/c.d\\X", 4, 1, 2, "a.b/c.d\\X.1km1-2"},
        {"PPR050301003014.10km.dat", 0, 359, 0, "PPR050301003014.0km359-0"},
        {"semponto", 1999, 0, 359, "semponto.499km0-359"},
        {longo.c_str(), 4, 2, 3, std::string(5000, 'a') + ".1km2-3"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.esperado.substr(0, 60));
        auto m = std::make_unique<Matriz>();
        m->setNome(c.nome);
        std::string nome = "conteudo anterior";
        m->setNewName(nome, c.xri, c.xti, c.xtf);
        EXPECT_EQ(nome, c.esperado);
    }
}

TEST(LugarDoCodigo, TresLetrasExatas) {
    const struct { const char* nome; lugarCidade lugar; } casos[] = {
        {"BRU050301143000.dat", BRU}, {"PPR050301003014.10km", PPR},
        {"/d/BRUXA.dat", BRU},        {"bru050301143000.dat", UNK},
        {"dados.dat", UNK},           {"BR", UNK},
        {"", UNK},
    };
    for (const auto& c : casos)
        EXPECT_EQ(lugarDoCodigo(interpretaNome(c.nome).local), c.lugar) << c.nome;
    EXPECT_EQ(lugarDoCodigo("BRU"), BRU);
    EXPECT_EQ(lugarDoCodigo("BRUX"), UNK); // the terminator is compared too
}

TEST(InteiroDoTexto, ComoAtoiComSaturacao) {
    const struct { const char* s; std::size_t max; long valor; } casos[] = {
        {"123", 99, 123},     {"-4", 99, -4},    {"+7", 99, 7},     {"12abc", 99, 12},
        {"abc", 99, 0},       {"", 99, 0},       {"-", 99, 0},      {"4.9", 99, 4},
        {"1000", 3, 100},     {"12", 5, 12},     {"-5", 1, 0},      {"7", 0, 0},
        {"1000000000", 99, 1000000000L},          {"99999999999999999999", 99, 1000000000L},
        {"-99999999999999999999", 99, -1000000000L},
    };
    for (const auto& c : casos) EXPECT_EQ(inteiroDoTexto(c.s, c.max), c.valor) << c.s;
    EXPECT_EQ(inteiroDoTexto("42"), 42);
}

} // namespace
