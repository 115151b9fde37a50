// CfRadial volumes: generated files read into the volume store and shown
// (echoes in their cells, packing, fill values, file forms), the refusals,
// and the mapping of hand-made hostile arrays.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "matriz.h"
#include "volume.h"
#include "leitura/cfradial.h"

namespace {

constexpr float NL = VALOR_NAO_LIDO;
constexpr double INDEFINIDO = std::numeric_limits<double>::quiet_NaN();

// A temporary directory, removed at the end.
struct Pasta {
    std::string dir;
    Pasta() {
        char modelo[] = "/tmp/vorlane-cfradXXXXXX";
        EXPECT_NE(mkdtemp(modelo), nullptr);
        dir = modelo;
    }
    ~Pasta() { std::system(("rm -rf '" + dir + "'").c_str()); }
    // Runs the generator with `argumentos` for file `nome`; its path.
    std::string gera(const std::string& nome, const std::string& argumentos, const char* formato = "--cfradial") const {
        const std::string arquivo = dir + "/" + nome;
        const std::string comando = std::string(GERADOR) + " " + formato + " " + arquivo + " " + argumentos;
        EXPECT_EQ(std::system(comando.c_str()), 0) << comando;
        return arquivo;
    }
};

long momento(const Volume& v, std::size_t e, const std::string& q) {
    for (std::size_t k = 0; k < v.elevacoes[e].momentos.size(); ++k)
        if (v.elevacoes[e].momentos[k].quantidade == q) return static_cast<long>(k);
    return -1;
}

// Moment q of sweep e shown in `m`.
void mostra(Volume& v, std::size_t e, const std::string& q, Matriz& m) {
    const long k = momento(v, e, q);
    ASSERT_GE(k, 0) << q;
    std::string erro;
    ASSERT_TRUE(mostraMomento(v, e, static_cast<std::size_t>(k), m, erro)) << erro;
}

} // namespace

// An echo of 40 at azimuth 100.5, 10.1 km, and one of -27 at 200.5, 20.1 km,
// in every field: each lands in its row and 250 m gate, and the cells
// beside them hold the fill value, which is no data.
TEST(CfRadial, EcoNoLugar) {
    struct Caso {
        const char* argumentos;
        double tolerancia; // packing to 0.01
        long gateProximo;  // the first gate past the echo's bin
        const char* ecos;  // a ray holding 100.x and 200.x whose centre rounds to 100 and 200
    };
    const char* const MEIO = " --eco 100.5,10.1,40 --eco 200.5,20.1,-27";
    const Caso casos[] = {
        {"", 0, 41, MEIO},
        {"--compactado", 0.006, 41, MEIO},
        {"--classico", 0, 41, MEIO},
        {"--classico --compactado", 0.006, 41, MEIO},
        {"--raios 720", 0, 41, " --eco 100.2,10.1,40 --eco 200.2,20.1,-27"},
        {"--gate 125", 0, 41, MEIO},
        {"--gate 1000", 0, 44, MEIO}, // bin 10..11 km: gates 40..43
    };
    Pasta p;
    auto m = std::make_unique<Matriz>();
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.argumentos);
        const std::string nome = p.gera("v.nc", std::string(c.argumentos) + c.ecos + " --posicao -23.5,-46.6,800");
        EXPECT_TRUE(pareceCfRadial(nome.c_str()));
        Volume v;
        std::string erro;
        ASSERT_TRUE(leCfRadial(nome.c_str(), v, erro)) << erro;
        ASSERT_EQ(v.elevacoes.size(), 1u);
        std::vector<std::string> quantidades;
        for (const MomentoGuardado& q : v.elevacoes[0].momentos) quantidades.push_back(q.quantidade);
        EXPECT_EQ(quantidades, (std::vector<std::string>{"DBZH", "VRADH", "WRADH", "ZDR", "RHOHV", "PHIDP", "KDP"}));
        EXPECT_EQ(v.data + v.hora, "20230801200000");
        EXPECT_EQ(v.sitio, "Sintetico");
        EXPECT_TRUE(v.posicao.conhecido);
        EXPECT_DOUBLE_EQ(v.posicao.lat, -23.5);
        EXPECT_DOUBLE_EQ(v.posicao.altura, 800);

        mostra(v, 0, "DBZH", *m);
        EXPECT_NEAR(m->valorSeguro(100, 40), 40, c.tolerancia);
        EXPECT_FLOAT_EQ(m->valorSeguro(101, 40), NL);
        EXPECT_FLOAT_EQ(m->valorSeguro(99, 40), NL);
        EXPECT_FLOAT_EQ(m->valorSeguro(100, c.gateProximo), NL);
        mostra(v, 0, "VRADH", *m);
        EXPECT_DOUBLE_EQ(v.elevacoes[0].momentos[1].nyquist, 32);
        EXPECT_NEAR(m->valorSeguro(200, 80), -27, c.tolerancia); // a value, not the no-echo code
        EXPECT_NEAR(m->valorSeguro(100, 40), 40, c.tolerancia);
        EXPECT_FLOAT_EQ(m->valorSeguro(201, 80), CODIGO_SEM_DADOS);
    }
    // Sweeps written highest first come back by ascending angle, echoes 10 up a step.
    const std::string nome = p.gera("e.nc", "--elevacoes 3 --campo DBZ --eco 100.5,10.1,20");
    Volume v;
    std::string erro;
    ASSERT_TRUE(leCfRadial(nome.c_str(), v, erro)) << erro;
    ASSERT_EQ(v.elevacoes.size(), 3u);
    for (std::size_t e = 0; e < 3; ++e) {
        EXPECT_NEAR(v.elevacoes[e].angulo, 0.5 + e, 1e-6);
        mostra(v, e, "DBZH", *m);
        EXPECT_FLOAT_EQ(m->valorSeguro(100, 40), 20 + 10.0f * e);
    }
}

// What is refused, in one line, leaving the volume as it was; files of one
// moment each are each read.
TEST(CfRadial, RecusasEArquivosPorMomento) {
    Pasta p;
    Volume v;
    v.sitio = "antes";
    std::string erro;
    const std::string rhi = p.gera("rhi.nc", "--rhi --eco 100.5,10.1,40");
    EXPECT_TRUE(pareceCfRadial(rhi.c_str()));
    EXPECT_FALSE(leCfRadial(rhi.c_str(), v, erro));
    EXPECT_EQ(erro, "'" + rhi + "' nao tem varreduras PPI (tem: rhi)");

    const std::string lixo = p.dir + "/lixo.nc";
    std::ofstream(lixo, std::ios::binary) << std::string("CDF\x02", 4) << std::string(3000, '\x7f');
    EXPECT_TRUE(pareceCfRadial(lixo.c_str()));
    EXPECT_FALSE(leCfRadial(lixo.c_str(), v, erro));
    EXPECT_EQ(erro.rfind("'" + lixo + "'", 0), 0u) << erro;
    EXPECT_EQ(erro.find('\n'), std::string::npos);
    EXPECT_EQ(v.sitio, "antes");
    EXPECT_TRUE(v.vazio());

    // ODIM (HDF5 too) and text are not CfRadial.
    EXPECT_FALSE(pareceCfRadial(p.gera("o.h5", "--eco 100.5,10.1,40", "--odim").c_str()));
    std::ofstream(p.dir + "/t.txt") << "#0: 1.0 2.0\n";
    EXPECT_FALSE(pareceCfRadial((p.dir + "/t.txt").c_str()));

    auto m = std::make_unique<Matriz>();
    const struct {
        const char* campo;
        const char* quantidade;
    } arquivos[] = {{"DBZ", "DBZH"}, {"VEL", "VRADH"}};
    for (const auto& a : arquivos) {
        SCOPED_TRACE(a.campo);
        const std::string nome = p.gera(std::string(a.campo) + ".nc", std::string("--compactado --campo ") + a.campo +
                                                                          " --eco 300.5,50.1,12.5");
        Volume w;
        ASSERT_TRUE(leCfRadial(nome.c_str(), w, erro)) << erro;
        ASSERT_EQ(w.elevacoes.size(), 1u);
        ASSERT_EQ(w.elevacoes[0].momentos.size(), 1u);
        EXPECT_EQ(w.elevacoes[0].momentos[0].quantidade, a.quantidade);
        mostra(w, 0, a.quantidade, *m);
        EXPECT_NEAR(m->valorSeguro(300, 200), 12.5, 0.006);
    }
}

// Arrays as a damaged file gives them: the real example's end index past its
// rays, NaN angles, no gates, short fields, out-of-range counts. Nothing
// crashes; a success keeps nrays x nbins values per moment, a failure one
// line and the volume as it was.
TEST(CfRadial, DadosHostis) {
    // 40 rays 9 degrees apart, 42 gates of 960 m centred from 0; one echo of 45
    // on ray 11 (99 degrees), bin 10 (9.12..10.08 km: gates 36..39).
    DadosCfRadial base;
    base.nTempo = 40, base.nAlcance = 42;
    for (std::size_t b = 0; b < 42; ++b) base.alcance.push_back(960.0 * b);
    for (std::size_t k = 0; k < 40; ++k) base.azimute.push_back(9.0 * k), base.elevacao.push_back(0.48);
    base.anguloFixo = {0.5};
    base.inicioDaVarredura = {0}, base.fimDaVarredura = {399};
    base.modoDaVarredura = {"azimuth_surveillance"};
    base.inicio = "2011-05-20T10:54:16Z", base.sitio = "xsapr-sgp";
    CampoCfRadial dbz{"reflectivity_horizontal", std::vector<double>(40 * 42, -9999), 1, 0, true, -9999};
    dbz.dados[11 * 42 + 10] = 45;
    base.campos = {dbz};

    Volume v;
    v.paletas.resize(1);
    std::string erro;
    ASSERT_TRUE(montaCfRadial(base, "ex.nc", v, erro)) << erro;
    EXPECT_EQ(v.paletas.size(), 1u); // the user's tables kept
    v.paletas.clear();                // (a stand-in, not a table to show with)
    EXPECT_EQ(v.data + v.hora + v.sitio, "20110520105416xsapr-sgp");
    ASSERT_EQ(v.elevacoes.size(), 1u);
    const MomentoGuardado& q = v.elevacoes[0].momentos.at(0);
    EXPECT_EQ(q.quantidade, "DBZH");
    EXPECT_EQ(q.forma.nrays, 40);
    EXPECT_EQ(q.forma.nbins, 42);
    auto m = std::make_unique<Matriz>();
    mostra(v, 0, "DBZH", *m);
    EXPECT_FLOAT_EQ(m->valorSeguro(99, 38), 45);
    EXPECT_FLOAT_EQ(m->valorSeguro(103, 38), 45); // each ray spans 9 degrees, 94.5..103.5
    EXPECT_FLOAT_EQ(m->valorSeguro(104, 38), NL);
    EXPECT_FLOAT_EQ(m->valorSeguro(99, 40), NL);

    // Names onto the viewer's quantities; the first of two of one name kept.
    DadosCfRadial nomes = base;
    for (const char* n : {"DBZ_TOT", "VR", "CC", "SNR", "spectrum_width", "DBZH", "differential_reflectivity"}) {
        nomes.campos.push_back(dbz);
        nomes.campos.back().nome = n;
        nomes.campos.back().dados.assign(40 * 42, 7);
    }
    ASSERT_TRUE(montaCfRadial(nomes, "n.nc", v, erro)) << erro;
    std::string lista;
    for (const MomentoGuardado& x : v.elevacoes[0].momentos) lista += x.quantidade + " ";
    EXPECT_EQ(lista, "DBZH TH VRADH RHOHV SNR WRADH ZDR ");
    mostra(v, 0, "DBZH", *m);
    EXPECT_FLOAT_EQ(m->valorSeguro(99, 38), 45);

    const std::vector<std::function<void(DadosCfRadial&)>> hostis = {
        [](DadosCfRadial& d) { d.azimute.assign(40, INDEFINIDO), d.anguloFixo = {INDEFINIDO}; },
        [](DadosCfRadial& d) { d.azimute.resize(3), d.elevacao.clear(), d.alcance = {5}; },
        [](DadosCfRadial& d) { d.nAlcance = 0; },
        [](DadosCfRadial& d) { d.nTempo = std::size_t(1) << 62, d.nAlcance = 8; },
        [](DadosCfRadial& d) { d.campos[0].dados.resize(100); },
        [](DadosCfRadial& d) { d.campos.clear(); },
        [](DadosCfRadial& d) { d.inicioDaVarredura = {30, -5, 1L << 50}, d.fimDaVarredura = {2, 3}; },
        [](DadosCfRadial& d) { d.inicioDaVarredura = {39, 0}, d.fimDaVarredura = {1L << 50, 0}, d.modoDaVarredura.clear(); },
        [](DadosCfRadial& d) { d.modoDaVarredura = {"vertical_pointing"}; },
        [](DadosCfRadial& d) { d.campos[0].bits = 16, d.campos[0].dados[0] = 1e9, d.campos[0].dados[1] = INDEFINIDO; },
        [](DadosCfRadial& d) { d.campos[0].bits = 8, d.campos[0].comSinal = false, d.campos[0].escala = INDEFINIDO; },
        [](DadosCfRadial& d) { d.alcance = {INDEFINIDO, INDEFINIDO}, d.espacamento = 0; },
        [](DadosCfRadial& d) { d.resolucaoAngular = {-1}, d.inicio = "2023-13-99T99:00:00Z", d.sitio = "\x01\xff"; },
    };
    for (std::size_t h = 0; h < hostis.size(); ++h) {
        SCOPED_TRACE(h);
        DadosCfRadial d = base;
        hostis[h](d);
        Volume w;
        w.sitio = "antes";
        if (!montaCfRadial(d, "h.nc", w, erro)) {
            EXPECT_FALSE(erro.empty());
            EXPECT_EQ(erro.find('\n'), std::string::npos);
            EXPECT_EQ(w.sitio, "antes");
            EXPECT_TRUE(w.vazio());
            continue;
        }
        for (std::size_t e = 0; e < w.elevacoes.size(); ++e) {
            if (e > 0) {
                EXPECT_LE(w.elevacoes[e - 1].angulo, w.elevacoes[e].angulo);
            }
            for (std::size_t k = 0; k < w.elevacoes[e].momentos.size(); ++k) {
                const MomentoGuardado& x = w.elevacoes[e].momentos[k];
                ASSERT_TRUE(x.lido);
                EXPECT_EQ(x.curtos.size() + x.reais.size(), static_cast<std::size_t>(x.forma.nrays * x.forma.nbins));
                EXPECT_LE(x.forma.nrays, 40);
                mostraMomento(w, e, k, *m, erro); // may find nothing to show, never more
            }
        }
    }
}
