// A series of generated ODIM files: ordered by their own time (not their
// names), files of one radar and time joined into one volume, a broken file
// skipped, the tilt and quantity kept across steps, and the cache never above
// its bound.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

#include "serie.h"

namespace {

struct Pasta {
    std::string dir;
    Pasta() {
        char modelo[] = "/tmp/vorlane-serieXXXXXX";
        EXPECT_NE(mkdtemp(modelo), nullptr);
        dir = modelo;
    }
    ~Pasta() { std::system(("rm -rf '" + dir + "'").c_str()); }
    // A volume at time `hora` with an echo of 40 dBZ at azimuth 90 and `km`.
    std::string gera(const std::string& nome, const std::string& hora, int km, const std::string& mais = "") const {
        const std::string arquivo = dir + "/" + nome;
        const std::string comando = std::string(GERADOR) + " --odim " + arquivo + " --elevacoes 2 --hora " + hora +
                                    " --eco 90.5," + std::to_string(km) + ".1,40 " + mais;
        EXPECT_EQ(std::system(comando.c_str()), 0) << comando;
        return arquivo;
    }
};

} // namespace

TEST(Serie, OrdemJuncaoFalhasELimite) {
    Pasta p;
    // Names against the order of their times; "b" has a second file (VRADH) of its time.
    p.gera("a.h5", "031000", 120);
    p.gera("b.h5", "030000", 100);
    p.gera("b-vel.h5", "030000", 100, "--quantidade VRADH");
    p.gera("c.h5", "030500", 110);
    p.gera("quebrado.h5", "030700", 50, "--cortado");
    Serie s;
    std::string erro;
    for (const char* n : {"a.h5", "b.h5", "b-vel.h5", "quebrado.h5", "c.h5"}) {
        // A cut file may already fail at its header; either way it never shows.
        if (!s.adiciona(p.dir + "/" + n, erro)) {
            EXPECT_NE(erro.find("quebrado"), std::string::npos) << erro;
        }
    }
    EXPECT_FALSE(s.adiciona(p.dir + "/nao-existe.h5", erro));
    auto m = std::make_unique<Matriz>();
    Volume v;
    lugarCidade lugar = BRU;
    // Kept in time order; each shows its echo where it was at its time.
    std::vector<int> kms;
    for (std::size_t k = 0; k < s.tamanho(); ++k) {
        if (!s.mostra(k, *m, v, lugar, erro)) {
            EXPECT_NE(erro.find("quebrado"), std::string::npos) << erro;
            --k; // it left the series: the next one is at k now
            continue;
        }
        EXPECT_EQ(lugar, UNK);
        for (int km : {100, 110, 120})
            if (m->getTabela(90, km * 4) == 40) kms.push_back(km);
    }
    EXPECT_EQ(kms, (std::vector<int>{100, 110, 120}));
    ASSERT_EQ(s.tamanho(), 3u);
    EXPECT_EQ(textoQuadro(s), "Quadro 3/3");

    // The joined scan has both quantities; a step keeps the tilt and the quantity.
    ASSERT_TRUE(s.mostra(0, *m, v, lugar, erro)) << erro;
    ASSERT_EQ(v.elevacoes.size(), 2u);
    EXPECT_EQ(v.elevacoes[0].momentos.size(), 2u);
    ASSERT_TRUE(mostraMomento(v, 1, 1, *m, erro)) << erro; // the upper tilt's VRADH
    ASSERT_TRUE(s.mostra(1, *m, v, lugar, erro)) << erro;  // it has no VRADH: its reflectivity
    EXPECT_EQ(v.elevacao, 1u);
    EXPECT_EQ(v.elevacoes[v.elevacao].momentos[v.momento].quantidade, "DBZH");
    EXPECT_EQ(m->getTabela(90, 440), 50); // 40 dBZ raised 10 on the upper tilt
    EXPECT_STREQ(m->getNome(), (p.dir + "/c.h5").c_str());

    // A bound of 7 MB: the joined scan (5.8 MB) and no other; reading ahead
    // stops, showing another drops the least recently shown.
    s.limiteDeBytes = std::size_t(7) << 20;
    ASSERT_TRUE(s.mostra(2, *m, v, lugar, erro)) << erro;
    EXPECT_LE(s.bytesGuardados(), s.limiteDeBytes);
    EXPECT_FALSE(s.leAdiante(erro));
    ASSERT_TRUE(s.mostra(0, *m, v, lugar, erro)) << erro;
    EXPECT_LE(s.bytesGuardados(), s.limiteDeBytes);
    EXPECT_TRUE(s.item(0).lido);
    EXPECT_FALSE(s.item(2).lido);
}
