// ODIM_H5 sweeps: the mapping of any geometry onto the table (by hand-made
// sweeps), the reader on generated files, and the command line's options.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "inicio.h"
#include "mapeamento.h"
#include "matriz.h"
#include "volume.h"
#include "leitura/odim.h"

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

namespace {

// A generated file in a temporary directory, read into a fresh scan object.
struct Leitura {
    std::string dir, nome, erro;
    std::unique_ptr<Matriz> m = std::make_unique<Matriz>();
    bool ok = false;
    ~Leitura() { std::system(("rm -rf '" + dir + "'").c_str()); }
};

// `argumentos` for the generator; empty: the HDF5 signature and garbage.
std::unique_ptr<Leitura> geraELe(const std::string& argumentos, const OpcoesOdim& opcoes = {}) {
    auto r = std::make_unique<Leitura>();
    char modelo[] = "/tmp/vorlane-odimXXXXXX";
    EXPECT_NE(mkdtemp(modelo), nullptr);
    r->dir = modelo;
    r->nome = r->dir + "/v.h5";
    if (argumentos.empty()) {
        std::ofstream(r->nome, std::ios::binary) << "\x89HDF\r\n\x1a\n" << std::string(4000, '\x55');
    } else {
        const std::string comando = std::string(GERADOR) + " --odim " + r->nome + " " + argumentos;
        EXPECT_EQ(std::system(comando.c_str()), 0) << comando;
    }
    EXPECT_TRUE(comecaComoHdf5(r->nome.c_str()));
    r->ok = leOdim(r->nome.c_str(), opcoes, *r->m, r->erro);
    return r;
}

OpcoesOdim opcoes(long elevacao, const char* quantidade = "") {
    OpcoesOdim o;
    o.elevacao = elevacao;
    o.quantidade = quantidade;
    return o;
}

} // namespace

// Each file holds one echo; it must show at its row and gate, its neighbour
// cell (where a wrong unit, span or spacing would put it) has no echo.
TEST(LeituraOdim, EcoNoLugar) {
    struct Caso {
        const char* argumentos;
        long a, g;
        float esperado;
        long aVizinho, gVizinho;
    };
    const Caso casos[] = {
        {"--eco 100.5,10.1,40", 100, 40, 40, 101, 40},
        {"--u16 --ganho 0.01 --deslocamento -10 --eco 100.5,10.1,37.25", 100, 40, 37.25f, 100, 41},
        {"--versao 'H5rad 2.2' --rstart 1 --eco 100.5,10.1,40", 100, 40, 40, 100, 36},
        {"--versao 'H5rad 2.4' --rstart 1000 --eco 100.5,10.1,40", 100, 40, 40, 100, 41},
        {"--versao nenhuma --rstart 1 --eco 100.5,10.1,40", 100, 40, 40, 100, 36},
        {"--rscale 125 --eco 100.5,10.1,40", 100, 40, 40, 100, 41},
        {"--rscale 500 --eco 100.5,10.1,40", 100, 41, 40, 100, 42},
        {"--rscale 1000 --eco 100.5,10.1,40", 100, 43, 40, 100, 44},
        {"--nrays 720 --eco 100.2,10.1,40", 100, 40, 40, 101, 40},
        {"--nrays 400 --eco 100.2,10.1,40", 100, 40, 40, 101, 40},
        {"--startaz --eco 100.5,10.1,40", 100, 40, 40, 99, 40},
        {"--startaz --nrays 400 --eco 100.2,10.1,40", 100, 40, 40, 99, 40},
        {"--astart -0.5 --eco 100.7,10.1,40", 101, 40, 40, 100, 40},
        {"--astart -0.5 --nrays 720 --eco 100.4,10.1,40", 100, 40, 40, 101, 40},
        {"--startaz --astart -0.5 --nrays 720 --eco 100.4,10.1,40", 100, 40, 40, 101, 40},
        {"--vetores --eco 100.5,10.1,40", 100, 40, 40, 101, 40},
        {"--textos-variaveis --eco 100.5,10.1,40", 100, 40, 40, 101, 40},
        {"--nodata 0 --undetect 0 --eco 100.5,10.1,40", 100, 40, 40, 101, 40},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.argumentos);
        auto r = geraELe(c.argumentos);
        ASSERT_TRUE(r->ok) << r->erro;
        const Matriz& m = *r->m;
        EXPECT_NEAR(m.valorSeguro(c.a, c.g), c.esperado, 1e-4);
        EXPECT_FLOAT_EQ(m.valorSeguro(c.aVizinho, c.gVizinho), SE);
        // Date and time of /what, the site from the source's NOD.
        EXPECT_EQ(std::string(m.getAno()) + m.getMes() + m.getDia() + m.getHora() + m.getMinuto() + m.getSegundo(),
                  "240102030400");
        EXPECT_EQ(m.getSitio(), "xxsin");
        EXPECT_STREQ(m.getFuso(), "UTC");
    }
    auto r = geraELe("--versao 'H5rad 2.2' --rstart 1 --eco 100.5,10.1,40");
    EXPECT_EQ(r->m->getRaioInicial(), 4u); // the first kilometre has no bins
    EXPECT_EQ(r->m->getRaioFinal(), 1999u);
}

// The sweep and quantity chosen, or a one-line failure. The sweeps' echoes
// rise 10 dBZ an elevation step; VRADH holds raw 200 everywhere.
TEST(LeituraOdim, EscolhaEFalhas) {
    struct Caso {
        const char* argumentos; // nullptr: the HDF5 signature and garbage
        OpcoesOdim opcoes;
        float esperado;         // at the echo, when read
        const char* trecho;     // else part of the message
    };
    const Caso casos[] = {
        {"--elevacoes 3", opcoes(1), 20, nullptr},
        {"--elevacoes 3", opcoes(2), 30, nullptr},
        {"--elevacoes 3", opcoes(3), 40, nullptr},
        {"--outra-quantidade", opcoes(1), 20, nullptr},
        {"--outra-quantidade", opcoes(1, "VRADH"), 200, nullptr},
        {"--quantidade TH", opcoes(1), 20, nullptr},
        {"", opcoes(1, "ZDR"), 0, "'ZDR'"},
        {"--quantidade VRADH", opcoes(1), 20, nullptr}, // no reflectivity: the first moment
        {"--elevacoes 3", opcoes(4), 0, "--elevacao 4"},
        {"", opcoes(0), 0, "--elevacao 0"},
        {"--objeto COMP", opcoes(1), 0, "'COMP'"},
        {"--cortado", opcoes(1), 0, "cortado"},
        {"--nao-odim", opcoes(1), 0, "/what/object"},
        {"--rstart 600", opcoes(1), 0, "500 km"},
        {nullptr, opcoes(1), 0, "HDF5"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.argumentos ? c.argumentos : "garbage");
        auto r = geraELe(c.argumentos ? std::string(c.argumentos) + " --eco 100.5,10.1,20" : "", c.opcoes);
        if (!c.trecho) {
            ASSERT_TRUE(r->ok) << r->erro;
            EXPECT_FLOAT_EQ(r->m->valorSeguro(100, 40), c.esperado);
            continue;
        }
        EXPECT_FALSE(r->ok);
        EXPECT_NE(r->erro.find(c.trecho), std::string::npos) << r->erro;
        EXPECT_EQ(r->erro.find('\n'), std::string::npos) << r->erro;
    }
}

TEST(LinhaDeComando, OpcoesEPosicionais) {
    struct Caso {
        std::vector<std::string> args;
        std::vector<std::string> posicionais;
        long elevacao;
        std::string quantidade;
        bool temOpcaoOdim;
        LinhaDeComando::Acao acao;
    };
    using L = LinhaDeComando;
    const Caso casos[] = {
        {{}, {}, 1, "", false, L::ABRE},
        {{"f", "-5"}, {"f", "-5"}, 1, "", false, L::ABRE},
        {{"-.5", "f"}, {"-.5", "f"}, 1, "", false, L::ABRE},
        {{"f", "--elevacao", "2"}, {"f"}, 2, "", true, L::ABRE},
        {{"f", "-5", "--quantidade", "VRADH"}, {"f", "-5"}, 1, "VRADH", true, L::ABRE},
        {{"--elevacao=3", "--quantidade=-5", "f"}, {"f"}, 3, "-5", true, L::ABRE},
        {{"--", "-x"}, {"-x"}, 1, "", false, L::ABRE},
        {{"--elevacao", "2", "--", "--quantidade", "-7"}, {"--quantidade", "-7"}, 2, "", true, L::ABRE},
        {{"f", "--help"}, {}, 1, "", false, L::AJUDA},
        {{"--version", "f"}, {}, 1, "", false, L::VERSAO},
    };
    for (const Caso& c : casos) {
        std::vector<std::string> textos{"vorlane"};
        textos.insert(textos.end(), c.args.begin(), c.args.end());
        std::vector<char*> argv;
        for (std::string& t : textos) argv.push_back(t.data());
        argv.push_back(nullptr);
        LinhaDeComando l;
        ASSERT_TRUE(leLinhaDeComando(static_cast<int>(textos.size()), argv.data(), l).segue);
        SCOPED_TRACE(testing::PrintToString(c.args));
        EXPECT_EQ(std::vector<std::string>(l.posicionais.begin(), l.posicionais.end()), c.posicionais);
        EXPECT_EQ(l.elevacao, c.elevacao);
        EXPECT_EQ(l.quantidade, c.quantidade);
        EXPECT_EQ(l.temOpcaoOdim, c.temOpcaoOdim);
        EXPECT_EQ(l.acao, c.acao);
    }
    std::string a0 = "vorlane", a1 = "--elevacao", a2 = "-1";
    char* argv[] = {a0.data(), a1.data(), a2.data(), nullptr};
    // A misuse comes back (the process goes on) with its line and status 1.
    LinhaDeComando l;
    const Resultado r = leLinhaDeComando(3, argv, l);
    EXPECT_FALSE(r.segue);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.mensagem.rfind("--elevacao '-1' invalida", 0), 0u) << r.mensagem;
}

// The whole volume is kept: Page Up / Page Down step through its tilts on
// the quantity shown, from the lowest to the highest and no further, each
// refilling the table with that sweep's echo (rising 10 dBZ a tilt).
TEST(LeituraOdim, VolumeGuardaTodasAsElevacoes) {
    auto r = geraELe("--elevacoes 3 --outra-quantidade --eco 100.5,10.1,20");
    ASSERT_TRUE(r->ok) << r->erro;
    Volume v;
    Matriz& m = *r->m;
    ASSERT_TRUE(leOdim(r->nome.c_str(), opcoes(1), v, m, r->erro)) << r->erro;
    ASSERT_EQ(v.elevacoes.size(), 3u);
    EXPECT_EQ(textoElevacao(v), "Elevacao: 0.5 graus (1/3)");
    for (const ElevacaoGuardada& e : v.elevacoes)
        for (const MomentoGuardado& q : e.momentos) {
            EXPECT_TRUE(q.lido) << q.erro;
            EXPECT_EQ(q.bytes(), static_cast<std::size_t>(q.forma.nrays * q.forma.nbins) * 2); // 8-bit counts in 16
        }
    std::string erro;
    for (float esperado : {30.0f, 40.0f}) {
        const unsigned long antes = m.getGeracao();
        ASSERT_TRUE(passaElevacao(v, m, +1, erro)) << erro;
        EXPECT_NE(m.getGeracao(), antes); // what is kept of the old table is not reused
        EXPECT_FLOAT_EQ(m.valorSeguro(100, 40), esperado);
        EXPECT_EQ(v.elevacoes[v.elevacao].momentos[v.momento].quantidade, "DBZH");
    }
    EXPECT_EQ(textoElevacao(v), "Elevacao: 2.5 graus (3/3)");
    EXPECT_FALSE(passaElevacao(v, m, +1, erro)); // the highest: nothing changes
    EXPECT_TRUE(erro.empty());
    EXPECT_FLOAT_EQ(m.valorSeguro(100, 40), 40);
    ASSERT_TRUE(passaElevacao(v, m, -1, erro));
    EXPECT_FLOAT_EQ(m.valorSeguro(100, 40), 30);
    EXPECT_STREQ(m.getNome(), r->nome.c_str());

    // Another quantity stays the one shown from tilt to tilt.
    ASSERT_TRUE(leOdim(r->nome.c_str(), opcoes(1, "VRADH"), v, m, r->erro)) << r->erro;
    ASSERT_TRUE(passaElevacao(v, m, +1, erro));
    EXPECT_EQ(v.elevacoes[v.elevacao].momentos[v.momento].quantidade, "VRADH");
    EXPECT_EQ(v.elevacao, 1u);
    // A tilt with neither the shown quantity nor reflectivity is passed over.
    ASSERT_TRUE(leOdim(r->nome.c_str(), opcoes(1), v, m, r->erro)) << r->erro;
    v.elevacoes[1].momentos = {v.elevacoes[1].momentos[0]}; // tilt 2: one moment, neither
    v.elevacoes[1].momentos[0].quantidade = "WRADH";
    ASSERT_TRUE(passaElevacao(v, m, +1, erro)) << erro;
    EXPECT_EQ(v.elevacao, 2u);
    EXPECT_EQ(v.elevacoes[2].momentos[v.momento].quantidade, "DBZH");

    // A file that fails leaves the volume as it was; a text scan has none.
    auto falha = geraELe("--rstart 600 --eco 100.5,10.1,20");
    EXPECT_FALSE(leOdim(falha->nome.c_str(), opcoes(1), v, m, erro));
    EXPECT_EQ(v.elevacoes.size(), 3u);
    Volume texto;
    EXPECT_FALSE(passaElevacao(texto, m, +1, erro));
    EXPECT_EQ(textoElevacao(texto), "");
}
