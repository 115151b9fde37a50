// TIFF writing: pixels read back from GL, one row per strip, bottom-up
// buffer written top row first.
#include "tiffsave.h"

#include <GL/gl.h>
#include <tiffio.h>

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "matriz.h"

unsigned contadorDeImagens = 0;

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

} // namespace

int compressaoDoMenu(int valor) {
    switch (valor) {
    case 1: return COMPRESSION_LZW;
    case 2: return COMPRESSION_PACKBITS;
    case 3: return COMPRESSION_NONE;
    default: return 0;
    }
}

std::string nomeDaImagem(const char* base, unsigned numero) {
    char sufixo[32];
    std::snprintf(sufixo, sizeof sufixo, "-%04u.tif", numero);
    return std::string(base ? base : "") + sufixo;
}

std::string imageName() { return nomeDaImagem(matriz.getNome(), contadorDeImagens++); }

int writetiff(const char* filename, const char* description, int x, int y, int width, int height,
              int compression) {
    TIFFSetErrorHandler(guardaErro);
    ultimoErro[0] = '\0';
    if (width <= 0 || height <= 0) {
        std::snprintf(ultimoErro, sizeof ultimoErro, "janela sem pixels");
        return falha(filename);
    }
    TIFF* tif = TIFFOpen(filename, "w");
    if (!tif) return falha(filename);
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
