// TIFF snapshots of the main window read back with libtiff: tags, size,
// compression, and pixels equal to the frame with the top row on top.
#include <GL/freeglut.h>
#include <gtest/gtest.h>
#include <tiffio.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "ambiente.h"
#include "estado.h"
#include "interacao.h"
#include "matriz.h"
#include "salvar.h"
#include "tiffsave.h"

TEST(NomeDaImagem, CompressaoDoMenu) {
    EXPECT_EQ(compressaoDoMenu(1), 5);     // LZW
    EXPECT_EQ(compressaoDoMenu(2), 32773); // PackBits
    EXPECT_EQ(compressaoDoMenu(3), 1);     // none
    EXPECT_EQ(compressaoDoMenu(0), 0);
    EXPECT_EQ(compressaoDoMenu(4), 0);
}

namespace {

class Tiff : public ::testing::Test {
protected:
    void SetUp() override {
        char modelo[] = "/tmp/vorlane-tiffXXXXXX";
        ASSERT_NE(mkdtemp(modelo), nullptr);
        dir = modelo;
    }
    void TearDown() override {
        std::system(("rm -rf '" + dir + "'").c_str());
        redimensiona(640, 640);
    }

    // Resizes the real window and waits for the reshape callback.
    static void redimensiona(int w, int h) {
        glutSetWindow(janelaPrincipal);
        glutReshapeWindow(w, h);
        for (int k = 0; k < 100 && (width != static_cast<unsigned>(w) || height != static_cast<unsigned>(h)); ++k) {
            glutMainLoopEvent();
            usleep(10000);
        }
    }

    // The frame as GL holds it, rows bottom-up.
    static std::vector<unsigned char> quadro() {
        std::vector<unsigned char> p(static_cast<std::size_t>(width) * height * 3);
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, static_cast<int>(width), static_cast<int>(height), GL_RGB, GL_UNSIGNED_BYTE, p.data());
        return p;
    }

    // Checks the tags and that TIFF row k is GL row height - 1 - k.
    static void confere(const std::string& nome, int compressao, const std::vector<unsigned char>& gl) {
        TIFF* t = TIFFOpen(nome.c_str(), "r");
        ASSERT_NE(t, nullptr) << nome;
        uint32_t w = 0, h = 0, linhasPorFaixa = 0;
        uint16_t bits = 0, comp = 0, foto = 0, amostras = 0, plano = 0;
        char* descricao = nullptr;
        TIFFGetField(t, TIFFTAG_IMAGEWIDTH, &w);
        TIFFGetField(t, TIFFTAG_IMAGELENGTH, &h);
        TIFFGetField(t, TIFFTAG_BITSPERSAMPLE, &bits);
        TIFFGetField(t, TIFFTAG_COMPRESSION, &comp);
        TIFFGetField(t, TIFFTAG_PHOTOMETRIC, &foto);
        TIFFGetField(t, TIFFTAG_SAMPLESPERPIXEL, &amostras);
        TIFFGetField(t, TIFFTAG_PLANARCONFIG, &plano);
        TIFFGetField(t, TIFFTAG_ROWSPERSTRIP, &linhasPorFaixa);
        ASSERT_TRUE(TIFFGetField(t, TIFFTAG_IMAGEDESCRIPTION, &descricao));
        EXPECT_EQ(w, width);
        EXPECT_EQ(h, height);
        EXPECT_EQ(bits, 8);
        EXPECT_EQ(comp, compressao);
        EXPECT_EQ(foto, PHOTOMETRIC_RGB);
        EXPECT_EQ(amostras, 3);
        EXPECT_EQ(plano, PLANARCONFIG_CONTIG);
        EXPECT_EQ(linhasPorFaixa, 1u);
        EXPECT_STREQ(descricao, "Arquivo gerado pelo OpenGL");
        std::vector<unsigned char> linha(static_cast<std::size_t>(w) * 3);
        int diferentes = 0;
        for (uint32_t k = 0; k < h; ++k) {
            ASSERT_EQ(TIFFReadScanline(t, linha.data(), k, 0), 1);
            const unsigned char* esperada = &gl[static_cast<std::size_t>(h - 1 - k) * w * 3];
            if (!std::equal(linha.begin(), linha.end(), esperada)) ++diferentes;
        }
        EXPECT_EQ(diferentes, 0) << nome;
        TIFFClose(t);
    }

    std::string dir;
};

} // namespace

TEST_F(Tiff, CadaCompressaoPeloMenu) {
    static std::string varredura; // the scan keeps the pointer
    varredura = dir + "/BRU050301143000.dat";
    ASSERT_TRUE(matriz.setNome(varredura.c_str()));
    ASSERT_EQ(matriz.setRaioInicial("0"), 0); // the test scan starts at gate 0
    const unsigned primeiro = contadorDeImagens;
    const int codigos[] = {COMPRESSION_LZW, COMPRESSION_PACKBITS, COMPRESSION_NONE};
    renderiza();
    const std::vector<unsigned char> gl = quadro();
    for (int valor = 1; valor <= 3; ++valor) {
        menuTiff(valor);
        confere(nomeDaImagem(varredura.c_str(), primeiro + static_cast<unsigned>(valor) - 1), codigos[valor - 1], gl);
    }
    // Other values write nothing and keep the counter.
    menuTiff(0);
    menuTiff(4);
    EXPECT_EQ(contadorDeImagens, primeiro + 3);
}

TEST_F(Tiff, JanelaDeTamanhoImpar) {
    redimensiona(641, 479);
    ASSERT_EQ(width, 641u);
    ASSERT_EQ(height, 479u);
    renderiza();
    const std::vector<unsigned char> gl = quadro();
    const std::string nome = dir + "/impar.tif";
    ASSERT_EQ(writetiff(nome.c_str(), "Arquivo gerado pelo OpenGL", 0, 0, 641, 479, COMPRESSION_PACKBITS), 0);
    confere(nome, COMPRESSION_PACKBITS, gl);
}

TEST_F(Tiff, FalhaSemArquivoContaMesmoAssim) {
    static std::string varredura; // the scan keeps the pointer
    varredura = dir + "/nao/existe/BRU050301143000.dat";
    ASSERT_TRUE(matriz.setNome(varredura.c_str()));
    ASSERT_EQ(matriz.setRaioInicial("0"), 0);
    const unsigned antes = contadorDeImagens;
    testing::internal::CaptureStderr();
    menuTiff(1);
    const std::string erro = testing::internal::GetCapturedStderr();
    EXPECT_EQ(contadorDeImagens, antes + 1);
    EXPECT_EQ(erro.rfind("vorlane: ", 0), 0u) << erro;
    EXPECT_EQ(std::count(erro.begin(), erro.end(), '\n'), 1) << erro;
}
