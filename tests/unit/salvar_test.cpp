// Snapshot names, and the text export of each view's region through the
// menu's choice of region, against files written by hand.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "interacao.h"
#include "matriz.h"

TEST(NomeDaImagem, NumeracaoENomesLongos) {
    EXPECT_EQ(nomeDaImagem("dados.dat", 0), "dados.dat-0000.tif");
    EXPECT_EQ(nomeDaImagem("radar/BRU050301143000.dat", 1), "radar/BRU050301143000.dat-0001.tif");
    EXPECT_EQ(nomeDaImagem("a", 9999), "a-9999.tif");
    EXPECT_EQ(nomeDaImagem("a", 10000), "a-10000.tif");
    EXPECT_EQ(nomeDaImagem("a", 4294967295u), "a-4294967295.tif");
    const std::string longo(5000, 'x');
    EXPECT_EQ(nomeDaImagem(longo.c_str(), 7), longo + "-0007.tif");
}

namespace {

// Row r holds the value r + gate / 100 at gates 4..9 (first gate 4).
std::unique_ptr<Matriz> varreduraEm(const std::string& nome) {
    auto m = std::make_unique<Matriz>();
    EXPECT_TRUE(m->setNome(nome.c_str()));
    std::ostringstream s;
    s << "p\n";
    for (int r = 0; r < 360; ++r) {
        s << "# Az: " << (r + 359) % 360 << " graus\n";
        for (int g = 4; g < 10; ++g) s << ' ' << r << '.' << g;
        s << '\n';
    }
    s << "# fim\n";
    std::istringstream entrada(s.str());
    EXPECT_EQ(m->leVarredura(entrada), ResultadoLeitura::OK);
    return m;
}

std::string le(const std::string& nome) {
    std::ifstream f(nome, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

struct GlobaisDeSelecao {
    GlobaisDeSelecao() { ajusteR = ajusteA = 0; }
    ~GlobaisDeSelecao() {
        estado = ESPERA;
        ajusteR = ajusteA = 0;
        isLinha = true;
    }
};

} // namespace

TEST(ExportacaoPorEstado, TabelaAtravessaONorte) {
    char modelo[] = "/tmp/vorlane-salvarXXXXXX";
    ASSERT_NE(mkdtemp(modelo), nullptr);
    const std::string dir = modelo, nome = dir + "/BRU050301143000.dat";
    auto m = varreduraEm(nome);
    GlobaisDeSelecao g;
    int ori, orf, oti, otf;

    // Table from gate 2 (clamped to 4) and azimuth 355: rows 355..359, 0..8.
    estado = EXIBE_NUMEROS;
    primeiroRaio = 2;
    primeiroAngulo = 354;
    ajusteA = 1;
    ASSERT_TRUE(regiaoDaExportacao(ori, orf, oti, otf));
    ASSERT_TRUE(m->salvaAtual(ori, orf, oti, otf));
    std::string esperado = "\nRaios: 4-9\nAngulos: 355-8\n";
    for (int i = 0; i < 14; ++i) {
        const int linha = (355 + i) % 360;
        esperado += "\n\n#  " + std::to_string(i) + "  Az: " + std::to_string((linha + 359) % 360) + " \n";
        for (int gate = 4; gate < 10; ++gate) esperado += " " + std::to_string(linha) + "." + std::to_string(gate) + " ";
    }
    EXPECT_EQ(le(dir + "/BRU050301143000.1km355-8"), esperado + "\n");

    // An angular profile at gate 5 over azimuths 358..2, offset back by 360.
    estado = EXIBE_GRAFICO;
    isLinha = false;
    selecao[0] = 358;
    selecao[1] = 2;
    selecao[2] = 5;
    ajusteA = -360;
    ASSERT_TRUE(regiaoDaExportacao(ori, orf, oti, otf));
    ASSERT_TRUE(m->salvaAtual(ori, orf, oti, otf));
    EXPECT_EQ(le(dir + "/BRU050301143000.1km358-2"),
              "\nRaios: 5-5\nAngulos: 358-2\n"
              "\n\n#  0  Az: 357 \n 358.5 \n\n#  1  Az: 358 \n 359.5 \n\n#  2  Az: 359 \n 0.5 "
              "\n\n#  3  Az: 0 \n 1.5 \n\n#  4  Az: 1 \n 2.5 \n");

    // No region outside the sector, graph and table views.
    estado = EXIBE_ZOOM;
    EXPECT_FALSE(regiaoDaExportacao(ori, orf, oti, otf));
    std::system(("rm -rf '" + dir + "'").c_str());
}
