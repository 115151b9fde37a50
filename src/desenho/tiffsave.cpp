// TIFF writing: pixels read back from GL, one row per strip, bottom-up
// buffer written top row first.
#include "tiffsave.h"

#include <GL/gl.h>
#include <tiffio.h>

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <climits>
#include <cstdio>
#include <cstring>
#include <vector>

#include "estado.h"

namespace {

// The last message libtiff gave, so a failure is reported as one line.
char ultimoErro[512] = "";

void guardaErro(const char* modulo, const char* formato, va_list argumentos) {
    int n = 0;
    if (modulo) n = std::snprintf(ultimoErro, sizeof ultimoErro, "%s: ", modulo);
    if (n < 0 || n >= static_cast<int>(sizeof ultimoErro)) n = 0;
    std::vsnprintf(ultimoErro + n, sizeof ultimoErro - static_cast<std::size_t>(n), formato, argumentos);
}

int falha(const char* filename) {
    std::fprintf(stderr, "vorlane: nao foi possivel gravar a imagem '%s': %s\n", filename, ultimoErro);
    return 1;
}

void preparaErros() {
    TIFFSetErrorHandler(guardaErro);
    ultimoErro[0] = '\0';
}

bool semPixels(int width, int height) {
    if (width > 0 && height > 0) return false;
    std::snprintf(ultimoErro, sizeof ultimoErro, "janela sem pixels");
    return true;
}

// Writes the image into `fd`, a file just created for it; libtiff owns the
// descriptor once it has opened it.
int gravaNoDescritor(int fd, const char* filename, const char* description, int x, int y, int width,
                     int height, int compression) {
    TIFF* tif = TIFFFdOpen(fd, filename, "w");
    if (!tif) {
        close(fd);
        unlink(filename); // empty, and ours: it would only hold the number
        return falha(filename);
    }
    const std::size_t linha = static_cast<std::size_t>(width) * 3;
    std::vector<unsigned char> pixels(linha * static_cast<std::size_t>(height));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());

    TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, static_cast<uint32_t>(width));
    TIFFSetField(tif, TIFFTAG_IMAGELENGTH, static_cast<uint32_t>(height));
    TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(tif, TIFFTAG_COMPRESSION, compression);
    TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, 3);
    TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, 1);
    TIFFSetField(tif, TIFFTAG_IMAGEDESCRIPTION, description);

    // GL's row 0 is the bottom of the image; TIFF's row 0 is the top.
    for (int k = 0; k < height; ++k) {
        if (TIFFWriteScanline(tif, &pixels[linha * static_cast<std::size_t>(k)], static_cast<uint32_t>(height - 1 - k), 0) < 0) {
            TIFFClose(tif);
            return falha(filename);
        }
    }
    TIFFClose(tif);
    return 0;
}

} // namespace

int writetiff(const char* filename, const char* description, int x, int y, int width, int height,
              int compression) {
    preparaErros();
    if (semPixels(width, height)) return falha(filename);
    const int fd = criaArquivoNovo(filename);
    if (fd < 0) {
        std::snprintf(ultimoErro, sizeof ultimoErro, "%s", std::strerror(errno));
        return falha(filename);
    }
    return gravaNoDescritor(fd, filename, description, x, y, width, height, compression);
}

int gravaInstantaneo(const char* description, int width, int height, int compression, std::string& nome) {
    preparaErros();
    const char* base = matriz.getNome();
    const unsigned primeiro = contadorDeImagens;
    if (semPixels(width, height)) {
        ++contadorDeImagens;
        return falha(nomeDaImagem(base, primeiro).c_str());
    }
    // Numbers stop at the largest unsigned: the search never wraps around.
    const unsigned tentativas = static_cast<unsigned>(
        std::min<unsigned long long>(MAX_TENTATIVAS_DE_NOME, UINT_MAX - static_cast<unsigned long long>(primeiro) + 1));
    unsigned usado = 0;
    const int fd = criaPrimeiroLivre([base, primeiro](unsigned k) { return nomeDaImagem(base, primeiro + k); },
                                     tentativas, nome, usado);
    const int erro = errno;
    contadorDeImagens = primeiro + usado + 1;
    if (fd < 0) {
        if (erro == EEXIST)
            std::snprintf(ultimoErro, sizeof ultimoErro, "ja existem todos os numeros de '%s' a '%s'",
                          nomeDaImagem(base, primeiro).c_str(), nome.c_str());
        else
            std::snprintf(ultimoErro, sizeof ultimoErro, "%s", std::strerror(erro));
        return falha(nome.c_str());
    }
    return gravaNoDescritor(fd, nome.c_str(), description, 0, 0, width, height, compression);
}
