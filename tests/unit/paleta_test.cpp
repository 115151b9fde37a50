// GR colour tables (.pal): a full velocity table, hostile inputs refused at
// the right line with the table left alone, the single unknown-key warning,
// and 10 MB inputs read in linear time.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "leitura/paleta_gr.h"

namespace {

bool le(const std::string& texto, TabelaDeCores& t, std::string& erro, std::string& aviso) {
    std::istringstream entrada(texto);
    return lePaletaGr(entrada, "t.pal", t, erro, aviso);
}

void esperaCor(const colorido& c, int r, int g, int b) {
    EXPECT_EQ(c.R, r);
    EXPECT_EQ(c.G, g);
    EXPECT_EQ(c.B, b);
}

} // namespace

// BOM, CRLF, comments, any case of key, tabs, Color4 and a long product text.
TEST(PaletaGr, LeTabelaDeVelocidade) {
    const std::string texto = "\xEF\xBB\xBF; Radial velocity shown in knots\r\n"
                              "Product: BV velocidade radial em nos, tabela de teste\r\n"
                              "units:\tKTS  ; knots\r\n"
                              "Scale: 1.9426\r\n"
                              "OFFSET: -0.5\r\n"
                              "Step: 10\r\n"
                              "\r\n"
                              "RF: 128 0 128\r\n"
                              "Color: -64  0 255 255   0 100 0\r\n"
                              "SolidColor: -5 120 120 120\r\n"
                              "color4: -5 100 0 0 64   255 0 0 200\r\n"
                              "SolidColor4: 30 1 2 3 0\r\n"
                              "Color: 6.4e1 255 255 0"; // no final line end
    TabelaDeCores t;
    std::string erro, aviso = "antigo";
    ASSERT_TRUE(le(texto, t, erro, aviso)) << erro;
    EXPECT_EQ(aviso, "");
    EXPECT_EQ(t.produto, "BV velocidade radial em nos, tab"); // cut at 32
    EXPECT_EQ(t.unidade, "KTS");
    EXPECT_DOUBLE_EQ(t.escala, 1.9426);
    EXPECT_DOUBLE_EQ(t.deslocamento, -0.5);
    EXPECT_DOUBLE_EQ(t.passo, 10);
    EXPECT_TRUE(t.temDobrado);
    esperaCor(t.dobrado, 128, 0, 128);

    ASSERT_EQ(t.entradas.size(), 5u);
    const EntradaDeCor& a = t.entradas[0];
    EXPECT_EQ(a.valor, -64);
    esperaCor(a.cor, 0, 255, 255);
    EXPECT_FALSE(a.solida);
    ASSERT_TRUE(a.temFinal);
    esperaCor(a.final, 0, 100, 0);
    EXPECT_EQ(a.alfa, 255);

    const EntradaDeCor& s = t.entradas[1];
    EXPECT_TRUE(s.solida);
    EXPECT_FALSE(s.temFinal);
    esperaCor(s.cor, 120, 120, 120);

    const EntradaDeCor& c4 = t.entradas[2]; // equal value to the previous: allowed
    EXPECT_EQ(c4.valor, -5);
    EXPECT_FALSE(c4.solida);
    EXPECT_EQ(c4.alfa, 64);
    ASSERT_TRUE(c4.temFinal);
    esperaCor(c4.final, 255, 0, 0);
    EXPECT_EQ(c4.alfaFinal, 200);

    EXPECT_TRUE(t.entradas[3].solida);
    EXPECT_EQ(t.entradas[3].alfa, 0);
    EXPECT_EQ(t.entradas[4].valor, 64);
    EXPECT_FALSE(t.entradas[4].temFinal);
}

// Each input is refused naming the line at fault, and the table is kept.
TEST(PaletaGr, RecusaEntradasHostis) {
    const std::string cor = "Color: 0 1 2 3\n";
    std::string cores4097;
    for (int k = 0; k < 4097; ++k) cores4097 += "SolidColor: " + std::to_string(k) + " 1 2 3\n";
    struct Caso {
        std::string texto;
        unsigned long linha;
        const char* trecho;
    };
    const std::vector<Caso> casos = {
        {"Color: 1000001 1 2 3\n", 1, "fora de"},
        {cor + "Offset: -1e400\n", 2, "fora de"},
        {"Color: nan 1 2 3\n", 1, "nao numerico"},
        {"Color: inf 1 2 3\n", 1, "nao numerico"},
        {"Scale: 0x10\n" + cor, 1, "nao numerico"},
        {"RF: 1 2 3 x\n" + cor, 1, "nao numerico"},
        {cor + "Color: 5 0 256 0\n", 2, "cor fora de 0..255"},
        {"Color4: 0 1 2 3 4  5 6 7 256\n", 1, "cor fora de 0..255"},
        {"RF: -1 0 0\n" + cor, 1, "cor fora de 0..255"},
        {"Color: 0 1.5 2 3\n", 1, "cor nao inteira"},
        {"Units: dBZ\nStep: 5\n; nothing\n", 3, "nenhuma cor"},
        {"", 1, "nenhuma cor"},
        {"Color: 10 1 2 3\nColor: 10 1 2 3\nColor: 5 1 2 3\n", 3, "abaixo do anterior"},
        {cor + std::string("Co\0lor: 1 2 3 4\n", 16), 2, "controle"},
        {cor + "\x7f\x45LF\x01\x02\xff\xfe\n", 2, "controle"},
        {cor + "; " + std::string(4095, 'x') + "\n", 2, "mais de 4096 bytes"},
        {cor + std::string(1 << 20, '0'), 2, "mais de 4096 bytes"},
        {"Color: 0 1 2\n", 1, "pede 4 ou 7"},
        {"Color: 0 1 2 3 4 5\n", 1, "pede 4 ou 7"},
        {"Color4: 0 1 2 3 4 5 6 7 8 9 10 11\n", 1, "pede 5 ou 9"},
        {"SolidColor: 0\n", 1, "pede 4"},
        {cor + "just some text\n", 2, "Chave: valores"},
        {cor + "Solid Color: 1 2 3 4\n", 2, "Chave: valores"},
        {cor + ": 1 2 3\n", 2, "Chave: valores"},
        {"Scale: 0\n" + cor, 1, "Scale"},
        {"Step: -1\n" + cor, 1, "Step"},
        {cores4097, 4097, "mais de 4096 cores"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto.substr(0, 60));
        TabelaDeCores t;
        t.produto = "antes";
        t.entradas.resize(1);
        std::string erro, aviso;
        EXPECT_FALSE(le(c.texto, t, erro, aviso));
        EXPECT_EQ(erro.rfind("'t.pal' linha " + std::to_string(c.linha) + ": ", 0), 0u) << erro;
        EXPECT_NE(erro.find(c.trecho), std::string::npos) << erro;
        EXPECT_EQ(erro.find('\n'), std::string::npos);
        EXPECT_EQ(t.produto, "antes");
        EXPECT_EQ(t.entradas.size(), 1u);
    }
    TabelaDeCores t;
    std::string erro, aviso;
    EXPECT_FALSE(lePaletaGr("/nao/existe.pal", t, erro, aviso));
    EXPECT_EQ(erro, "nao foi possivel abrir a tabela de cores '/nao/existe.pal'");
}

// Keys this reader does not know are skipped with one line naming the first.
TEST(PaletaGr, AvisaUmaVezDasChavesDesconhecidas) {
    TabelaDeCores t;
    std::string erro, aviso;
    ASSERT_TRUE(le("Units: dBZ\nND: 1 2 3\nColor: 0 1 2 3\nDecimals: 1\nnd: x\n", t, erro, aviso)) << erro;
    EXPECT_EQ(aviso, "'t.pal' linha 2: chave desconhecida 'ND' ignorada (e mais 2)");
    EXPECT_EQ(t.entradas.size(), 1u);
    ASSERT_TRUE(le("Decimals: 1\nColor: 0 1 2 3\n", t, erro, aviso)) << erro;
    EXPECT_EQ(aviso, "'t.pal' linha 1: chave desconhecida 'Decimals' ignorada");
}

// 10 MB of comment lines of the longest allowed length (4096 bytes and CRLF)
// is read; 10 MB of colour lines stops at the entry over the limit.
TEST(PaletaGr, DezMegabytesEmTempoLinear) {
    const std::string comentario = ";" + std::string(4095, 'c') + "\r\n";
    std::string texto = "Color: 0 1 2 3\n";
    while (texto.size() < 10u << 20) texto += comentario;
    TabelaDeCores t;
    std::string erro, aviso;
    EXPECT_TRUE(le(texto, t, erro, aviso)) << erro;

    texto.clear();
    for (int k = 0; texto.size() < 10u << 20; ++k) texto += "Color: " + std::to_string(k / 4) + " 10 20 30\n";
    EXPECT_FALSE(le(texto, t, erro, aviso));
    EXPECT_EQ(erro, "'t.pal' linha 4097: mais de 4096 cores");
}
