// NEXRAD Level II volumes: generated files of every form read into the
// volume store, each moment's echo in its table cell; velocity codes, split
// cuts, site and time; cut, damaged and hostile files.
#include <gtest/gtest.h>

#include <bzlib.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "matriz.h"
#include "volume.h"
#include "leitura/nexrad.h"

namespace {

// A generated file in a temporary directory.
struct Gerado {
    std::string dir, nome;
    ~Gerado() { std::system(("rm -rf '" + dir + "'").c_str()); }
    std::string bytes() const {
        std::ifstream f(nome, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    }
};

std::unique_ptr<Gerado> gera(const std::string& argumentos) {
    auto g = std::make_unique<Gerado>();
    char modelo[] = "/tmp/vorlane-nexradXXXXXX";
    EXPECT_NE(mkdtemp(modelo), nullptr);
    g->dir = modelo;
    g->nome = g->dir + "/v.ar2v";
    const std::string comando = std::string(GERADOR) + " --nexrad " + g->nome + " " + argumentos;
    EXPECT_EQ(std::system(comando.c_str()), 0) << comando;
    return g;
}

// The table of the moment `quantidade` of sweep e (empty when it has none).
std::unique_ptr<Matriz> tabela(Volume& v, std::size_t e, const char* quantidade) {
    const long q = momentoDaElevacao(v, e, quantidade, false);
    if (q < 0 || v.elevacoes[e].momentos[static_cast<std::size_t>(q)].quantidade != quantidade) {
        ADD_FAILURE() << "sem " << quantidade;
        return std::make_unique<Matriz>();
    }
    auto m = std::make_unique<Matriz>();
    std::string erro;
    EXPECT_TRUE(mostraMomento(v, e, static_cast<std::size_t>(q), *m, erro)) << erro;
    return m;
}

float celula(Volume& v, std::size_t e, const char* quantidade, int linha, int porta) {
    return tabela(v, e, quantidade)->valorSeguro(linha, porta);
}

bool le(const std::string& bytes, Volume& v, std::string& erro) {
    return leNexradDeBytes(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), "x.ar2v", v, erro);
}

} // namespace

// One echo of 40 in every moment at azimuth 100.x, 10.1 km: row 100, gate
// 40; the cells beside it (where a wrong span, spacing or first gate would
// put it) have no echo. Site, position and time of the file.
TEST(Nexrad, EcoNoLugarEmCadaForma) {
    const char* const formas[] = {"", "--mensagem1", "--super", "--gzip", "--sem-bzip2", "--sem-bzip2 --gzip"};
    for (const char* forma : formas) {
        SCOPED_TRACE(forma);
        const bool m1 = std::string(forma) == "--mensagem1";
        const std::string eco = std::string(forma) == "--super" ? "100.2" : "100.5";
        // Real gate counts in the first form; fewer, for speed, in the others.
        auto g = gera(std::string(forma) + (*forma ? " --portas 100" : "") + " --eco " + eco +
                      ",10.1,40 --site KABC --posicao 33.5,-101.25,1000 --data 20160601 --hora 150025");
        EXPECT_TRUE(comecaComoNexrad(g->nome.c_str()));
        Volume v;
        std::string erro;
        ASSERT_TRUE(leNexrad(g->nome.c_str(), v, erro)) << erro;
        EXPECT_EQ(v.sitio, "KABC");
        EXPECT_EQ(v.data + v.hora, "20160601150025");
        EXPECT_STREQ(v.nome, g->nome.c_str());
        EXPECT_EQ(v.posicao.conhecido, !m1); // message 1 has no volume block
        if (!m1) {
            EXPECT_DOUBLE_EQ(v.posicao.lat, 33.5);
            EXPECT_DOUBLE_EQ(v.posicao.lon, -101.25);
            EXPECT_DOUBLE_EQ(v.posicao.altura, 1000); // site and feedhorn heights
        }
        ASSERT_EQ(v.elevacoes.size(), 1u);
        EXPECT_NEAR(v.elevacoes[0].angulo, 0.5, 1e-3);
        const std::vector<std::string> esperadas =
            m1 ? std::vector<std::string>{"DBZH", "VRADH", "WRADH"}
               : std::vector<std::string>{"DBZH", "VRADH", "WRADH", "ZDR", "PHIDP", "RHOHV"};
        ASSERT_EQ(v.elevacoes[0].momentos.size(), esperadas.size());
        for (std::size_t q = 0; q < esperadas.size(); ++q) {
            const MomentoGuardado& mo = v.elevacoes[0].momentos[q];
            SCOPED_TRACE(mo.quantidade);
            EXPECT_EQ(mo.quantidade, esperadas[q]);
            EXPECT_TRUE(mo.lido);
            const bool super = std::string(forma) == "--super";
            EXPECT_EQ(mo.forma.nrays, super ? 720 : 360);
            EXPECT_DOUBLE_EQ(mo.forma.fimAz[200] - mo.forma.inicioAz[200], super ? 0.5 : 1.0);
            EXPECT_EQ(mo.curtos.size(), static_cast<std::size_t>(mo.forma.nrays * mo.forma.nbins));
            EXPECT_DOUBLE_EQ(mo.nyquist, 28.5);
            const float semEco = q == 0 ? VALOR_SEM_ECO : CODIGO_SEM_ECO;
            const auto t = tabela(v, 0, esperadas[q].c_str());
            EXPECT_NEAR(t->valorSeguro(100, 40), 40, mo.quantidade == "PHIDP" ? 0.2 : 1e-4);
            EXPECT_FLOAT_EQ(t->valorSeguro(101, 40), semEco);
            EXPECT_FLOAT_EQ(t->valorSeguro(99, 40), semEco);
            EXPECT_FLOAT_EQ(t->valorSeguro(100, 39), semEco);
        }
    }
}

// A velocity of -27 m/s reads -27 (message 31 and 1), a folded gate is the
// folded code; a split cut is one sweep with the moments of both cuts, the
// first cut's reflectivity kept; the sweeps' echoes rise 10 a tilt.
TEST(Nexrad, VelocidadeDobradoECorteDividido) {
    for (const char* forma : {"--dividida", "--mensagem1"}) {
        SCOPED_TRACE(forma);
        auto g = gera(std::string(forma) + " --elevacoes 3 --eco 100.5,10.1,-27 --dobrado 200.5,20.1");
        Volume v;
        v.paletas.resize(1);
        std::string erro;
        ASSERT_TRUE(leNexrad(g->nome.c_str(), v, erro)) << erro;
        EXPECT_EQ(v.paletas.size(), 1u); // the user's tables kept
        ASSERT_EQ(v.elevacoes.size(), 3u);
        for (std::size_t e = 0; e < 3; ++e) EXPECT_NEAR(v.elevacoes[e].angulo, 0.5 + e, 1e-3);
        EXPECT_EQ(v.elevacoes[0].momentos.size(), std::string(forma) == "--dividida" ? 6u : 3u);
        const auto vel = tabela(v, 0, "VRADH");
        EXPECT_FLOAT_EQ(vel->valorSeguro(100, 40), -27);
        EXPECT_FLOAT_EQ(vel->valorSeguro(200, 80), CODIGO_DOBRADO);
        EXPECT_FLOAT_EQ(vel->valorSeguro(201, 80), CODIGO_SEM_ECO);
        EXPECT_FLOAT_EQ(celula(v, 0, "DBZH", 100, 40), -27); // not the Doppler cut's -32
        EXPECT_FLOAT_EQ(celula(v, 2, "VRADH", 100, 40), -7);
        EXPECT_FLOAT_EQ(celula(v, 2, "WRADH", 100, 40), -7);
    }
}

// Cut, damaged and hostile bytes: a failure is one line naming the file and
// leaves the volume as it was; what was read before a bad record is kept.
TEST(Nexrad, ArquivosHostis) {
    Volume v;
    v.elevacoes.resize(7);
    std::string erro;
    const auto falha = [&](const std::string& bytes, const char* trecho) {
        erro.clear();
        EXPECT_FALSE(le(bytes, v, erro));
        EXPECT_EQ(v.elevacoes.size(), 7u);
        EXPECT_EQ(erro.rfind("'x.ar2v': ", 0), 0u) << erro;
        EXPECT_EQ(erro.find('\n'), std::string::npos) << erro;
        EXPECT_NE(erro.find(trecho), std::string::npos) << erro;
    };
    falha("", "AR2V");
    falha("AR2V0006.001", "cortado");
    falha("AR2V0006.001" + std::string(12, '\0') + std::string(5000, '\x55'), "nenhuma radial");
    // Cut inside the first record of radials: nothing to show.
    const std::string volume = gera("--eco 100.5,10.1,40")->bytes();
    const std::size_t metadados = static_cast<unsigned char>(volume[26]) << 8 | static_cast<unsigned char>(volume[27]);
    falha(volume.substr(0, 24 + 4 + metadados + 4 + 100), "cortado");

    // A cut volume of three sweeps keeps the whole first one.
    Volume parte;
    ASSERT_TRUE(le(gera("--elevacoes 3 --eco 100.5,10.1,40 --cortado")->bytes(), parte, erro)) << erro;
    ASSERT_EQ(parte.elevacoes.size(), 2u);
    EXPECT_EQ(parte.elevacoes[0].momentos[0].forma.nrays, 360);
    EXPECT_LT(parte.elevacoes[1].momentos[0].forma.nrays, 360);
    EXPECT_FLOAT_EQ(celula(parte, 0, "DBZH", 100, 40), 40);

    // Every cut of a small plain file, and every byte of its first radial
    // spoilt: no crash, no read outside it (the sanitizer build checks).
    const std::string pequeno = gera("--sem-bzip2 --radiais 36 --portas 30 --eco 100.5,2.1,40")->bytes();
    for (std::size_t n = 0; n < pequeno.size(); n += 7) {
        Volume w;
        le(pequeno.substr(0, n), w, erro);
    }
    const std::size_t radial = 24 + 6 * 2432; // after the metadata slots
    for (std::size_t k = radial; k < radial + 500 && k < pequeno.size(); ++k) {
        std::string estragado = pequeno;
        estragado[k] = static_cast<char>(~estragado[k]);
        Volume w;
        if (!le(estragado, w, erro)) continue;
        for (const ElevacaoGuardada& e : w.elevacoes)
            for (const MomentoGuardado& m : e.momentos)
                ASSERT_EQ(m.curtos.size(), static_cast<std::size_t>(m.forma.nrays * m.forma.nbins));
    }
    // A gate count past the message's end: that moment left out, the rest read.
    std::string absurdo = pequeno;
    for (std::size_t p = 0; (p = absurdo.find("DREF", p)) != std::string::npos; p += 4) absurdo[p + 8] = '\xff';
    Volume w;
    ASSERT_TRUE(le(absurdo, w, erro)) << erro;
    EXPECT_LT(momentoDaElevacao(w, 0, "DBZH", false), 0);
    EXPECT_FLOAT_EQ(celula(w, 0, "VRADH", 105, 8), 40); // ray 10 of 36: centred at 105, 1 degree wide

    // A bzip2 record inflating to 72 MB of zeros: stopped, one line; before
    // the records of a real volume, those are read.
    std::vector<char> zeros(72u << 20, 0), bomba(1 << 16);
    unsigned n = static_cast<unsigned>(bomba.size());
    ASSERT_EQ(BZ2_bzBuffToBuffCompress(bomba.data(), &n, zeros.data(), static_cast<unsigned>(zeros.size()), 9, 0, 30), BZ_OK);
    const std::string registro = std::string("\0\0", 2) + char(n >> 8) + char(n & 0xff) + std::string(bomba.data(), n);
    falha("AR2V0006.001" + std::string(12, '\0') + registro, "64 MB");
    Volume comBomba;
    ASSERT_TRUE(le(volume.substr(0, 24) + registro + volume.substr(24), comBomba, erro)) << erro;
    EXPECT_FLOAT_EQ(celula(comBomba, 0, "DBZH", 100, 40), 40);
}
