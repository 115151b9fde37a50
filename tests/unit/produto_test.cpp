// Moments other than reflectivity: their codes never taken for values, the
// values of greatest magnitude kept by the reduced tables, their colours,
// texts and exports, and the user's colour tables landing on their values.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>

#include "leitura/paleta_gr.h"
#include "mapeamento.h"
#include "matriz.h"
#include "produto.h"

namespace {

std::array<int, 3> bytes(const float c[3]) {
    return {static_cast<int>(c[0] * 255 + 0.5f), static_cast<int>(c[1] * 255 + 0.5f), static_cast<int>(c[2] * 255 + 0.5f)};
}

std::array<int, 3> corDe(const Produto& p, float v, int modo = COR_MAXIMO) {
    float c[3] = {-1, -1, -1};
    if (!corDoDado(p, v, modo, c)) return {-1, -1, -1};
    return bytes(c);
}

TabelaDeCores paleta(const std::string& texto) {
    std::istringstream entrada(texto);
    TabelaDeCores t;
    std::string erro, aviso;
    EXPECT_TRUE(lePaletaGr(entrada, "t.pal", t, erro, aviso)) << erro;
    return t;
}

} // namespace

// One ray of 250 m bins: -27 m/s, +5, no echo, no data, range folded, -26,
// then +3 and -9 in one 1 km cell. Read through the mapping into the table
// as a velocity, every code stays apart from every value.
TEST(Produtos, VelocidadeTemCodigosForaDosValores) {
    VarreduraMedida v;
    v.nrays = 1, v.nbins = 12, v.rscale = 250, v.ganho = 0.5, v.deslocamento = -64;
    v.temNaoDetectado = true, v.naoDetectado = 0, v.temSemDados = true, v.semDados = 255;
    v.temDobrado = true, v.dobrado = 1;
    v.brutos = {74, 138, 0, 255, 1, 76, 134, 110, 134, 134, 134, 134}; // 2 x (v + 64)
    const Produto p = produtoDe("VRADH", 32, 0, 1, {});
    ASSERT_EQ(p.reducao, Reducao::MAIOR_MODULO);
    const TabelaMapeada t = mapeiaVarredura(v, p.descricao());
    auto m = std::make_unique<Matriz>();
    m->carregaTabela(t.valores, 0, 11, p.descricao());
    const float esperados[] = {-27, 5, CODIGO_SEM_ECO, CODIGO_SEM_DADOS, CODIGO_DOBRADO, -26, 3, -9};
    for (int g = 0; g < 8; ++g) EXPECT_EQ(m->getTabela(200, g), esperados[g]) << "gate " << g;
    EXPECT_EQ(m->valorSeguro(0, 5000), CODIGO_SEM_DADOS); // outside the table: no data, not -26 m/s
    EXPECT_EQ(m->getTabelaMenor4(200, 1), -26);           // codes lose to any value
    EXPECT_EQ(m->getTabelaMenor4(200, 0), -27);           // -27 beats +5 by magnitude
    EXPECT_EQ(m->getTabelaMenor2(200, 3), -9);

    EXPECT_EQ(textoDoValor(p, -27), "Velocidade -27.0 m/s");
    EXPECT_EQ(textoDoValor(p, CODIGO_SEM_ECO), "Velocidade --.- m/s");
    EXPECT_EQ(textoDoValor(p, CODIGO_DOBRADO), "Velocidade RF (dobrada)");
    EXPECT_EQ(textoDaCelula(p, -27), "-27.0");
    EXPECT_EQ(textoDaCelula(p, CODIGO_SEM_DADOS), "--.-");
    EXPECT_EQ(textoDoValor(p, -0.04f), "Velocidade 0.0 m/s"); // no "-0.0"
    EXPECT_EQ(textoDaCelula(Produto(), -0.04f), " -0.0");      // reflectivity as it always was
    for (double ni : {0.5, 1.5, 1e-300, 1e6}) { // the table stays in order for any Nyquist velocity
        const Produto q = produtoDe("VRADH", ni, 0, 1, {});
        for (std::size_t k = 1; k < q.tabela.entradas.size(); ++k)
            EXPECT_LE(q.tabela.entradas[k - 1].valor, q.tabela.entradas[k].valor) << ni;
    }
    const auto verde = corDe(p, -27);
    EXPECT_TRUE(verde[0] == 0 && verde[1] > 80 && verde[2] == 0) << verde[1]; // inbound: green
    EXPECT_EQ(corDe(p, 20)[1], 0);                                         // outbound: red
    EXPECT_EQ(corDe(p, 0), (std::array<int, 3>{150, 150, 150}));           // calm: grey
    EXPECT_EQ(corDe(p, CODIGO_DOBRADO), (std::array<int, 3>{128, 0, 128})); // folded: purple
    EXPECT_EQ(corDe(p, CODIGO_SEM_ECO)[0], -1);                             // no echo: the background
    // The four modes: 32 and 5 steps, grey rising with the value.
    EXPECT_EQ(corDe(p, -27.9f, COR_MEDIO), corDe(p, -26.1f, COR_MEDIO));
    EXPECT_NE(corDe(p, -27.9f, COR_MINIMO), corDe(p, 0, COR_MINIMO));
    EXPECT_LT(corDe(p, -27, COR_BRILHO)[0], corDe(p, 27, COR_BRILHO)[0]);

    // The text export writes the value, in a file named after the moment.
    char pasta[] = "/tmp/vorlane-produtoXXXXXX";
    ASSERT_NE(mkdtemp(pasta), nullptr);
    const std::string nome = std::string(pasta) + "/radar.h5";
    m->setOrigem(nome.c_str(), "20240102", "030405", "x");
    std::string gravado;
    ASSERT_TRUE(m->salvaAtual(0, 3, 200, 200, &gravado));
    EXPECT_EQ(gravado.rfind(std::string(pasta) + "/radar.VRADH.0km", 0), 0u) << gravado;
    std::ifstream f(gravado);
    const std::string texto((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    EXPECT_NE(texto.find(" -27  5  --.-  --.- \n"), std::string::npos) << texto;
    std::remove(gravado.c_str());
    rmdir(pasta);
}

// A GR table's colours land on the values it names, for the quantity it is
// given to or, without one, for every moment of its product.
TEST(Produtos, PaletaDoUsuarioPoeSuasCores) {
    PaletaDoUsuario vel{"", Grandeza::OUTRA,
                        paleta("Product: BV\nUnits: KT\nScale: 2\nRF: 119 0 125\n"
                               "Color: -40 10 60 10 60 200 60\nSolidColor: -2 150 150 150\nColor: 2 200 60 60\n"
                               "Color: 40 90 10 10\n")};
    vel.tipo = grandezaDoProdutoGr(vel.tabela.produto);
    ASSERT_EQ(vel.tipo, Grandeza::VELOCIDADE);
    const Produto p = produtoDe("VRAD", 0, 0, 1, {vel});
    EXPECT_EQ(p.unidade, "KT");
    EXPECT_EQ(textoDoValor(p, 10), "Velocidade 20.0 KT"); // 10 m/s shown as 20 of the table's unit
    EXPECT_EQ(corDe(p, -20), (std::array<int, 3>{10, 60, 10}));  // -40 in the table
    EXPECT_EQ(corDe(p, -10.5f), (std::array<int, 3>{35, 130, 35})); // halfway to the second colour
    EXPECT_EQ(corDe(p, 0.9f), (std::array<int, 3>{150, 150, 150}));  // solid up to 2
    EXPECT_EQ(corDe(p, 10.5f), (std::array<int, 3>{145, 35, 35}));   // halfway from 2 to 40
    EXPECT_EQ(corDe(p, 30), (std::array<int, 3>{90, 10, 10}));       // beyond the last entry
    for (int modo : {COR_MAXIMO, COR_MEDIO, COR_MINIMO, COR_BRILHO})
        EXPECT_EQ(corDe(p, -21, modo)[0], -1) << modo; // below the first: none, in every mode
    EXPECT_EQ(corDe(p, CODIGO_DOBRADO), (std::array<int, 3>{119, 0, 125}));

    // Given to one quantity it replaces only that one's table; a
    // reflectivity table makes the text scans' reflectivity use it.
    const PaletaDoUsuario so{"VRADV", Grandeza::VELOCIDADE, vel.tabela};
    EXPECT_EQ(corDe(produtoDe("VRADH", 0, 0, 1, {so}), 0), (std::array<int, 3>{150, 150, 150}));
    EXPECT_EQ(produtoDe("VRADH", 0, 0, 1, {so}).unidade, "m/s");
    EXPECT_TRUE(produtoDe("VRADV", 0, 0, 1, {PaletaDoUsuario{"VRADV", Grandeza::VELOCIDADE, {}}}).estendeAbaixo); // empty: built-in
    const PaletaDoUsuario ref{"", Grandeza::REFLETIVIDADE, paleta("Color4: 5 100 100 100 0 100 140 160 255\n"
                                                                 "SolidColor: 15 0 160 240\nColor: 80 255 255 255\n")};
    const Produto r = produtoDe("DBZH", 0, 0, 1, {ref});
    EXPECT_FALSE(r.especificado());
    EXPECT_EQ(corDe(r, 17), (std::array<int, 3>{0, 160, 240}));
    EXPECT_EQ(corDe(r, 5), (std::array<int, 3>{153, 153, 153})); // transparent: the background grey
    EXPECT_EQ(corDe(r, 2)[0], -1);
    EXPECT_EQ(textoDoValor(r, -26), "Refletividade --.- dBZ"); // its codes and texts stay
}
