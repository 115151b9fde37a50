// PNG writing with libpng's simplified API (no longjmp): the bottom-up GL
// buffer is handed over with a negative row stride.
#include "pngsave.h"

#include <GL/gl.h>
#include <png.h>

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <vector>

#include "estado.h"

namespace {

int falha(const std::string& nome, const std::string& motivo) {
    std::fprintf(stderr, "vorlane: nao foi possivel gravar a imagem '%s': %s\n", nome.c_str(), motivo.c_str());
    return 1;
}

// "<scan>-NNNN.png": the TIFF snapshot's name with the other extension.
std::string nomeDoPng(const char* base, unsigned numero) {
    std::string nome = nomeDaImagem(base, numero);
    return nome.substr(0, nome.size() - 4) + ".png";
}

// Writes the pixels into `fd`, a file just created for it (closed here);
// on failure the file, ours and incomplete, is removed.
int gravaNoDescritor(int fd, const std::string& nome, int width, int height) {
    const std::size_t linha = static_cast<std::size_t>(width) * 3;
    std::vector<unsigned char> pixels(linha * static_cast<std::size_t>(height));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());

    std::FILE* arquivo = fdopen(fd, "wb");
    if (arquivo == nullptr) {
        const int erro = errno;
        close(fd);
        unlink(nome.c_str());
        return falha(nome, std::strerror(erro));
    }
    png_image imagem;
    std::memset(&imagem, 0, sizeof imagem);
    imagem.version = PNG_IMAGE_VERSION;
    imagem.width = static_cast<png_uint_32>(width);
    imagem.height = static_cast<png_uint_32>(height);
    imagem.format = PNG_FORMAT_RGB;
    // GL's row 0 is the bottom of the image: a negative stride says so.
    const bool escrito = png_image_write_to_stdio(&imagem, arquivo, 0, pixels.data(), -static_cast<png_int_32>(linha),
                                                  nullptr) != 0;
    std::string motivo = escrito ? "" : imagem.message;
    png_image_free(&imagem);
    const bool fechado = std::fclose(arquivo) == 0;
    if (escrito && !fechado) motivo = std::strerror(errno);
    if (escrito && fechado) return 0;
    unlink(nome.c_str());
    return falha(nome, motivo);
}

} // namespace

int gravaPng(const char* filename, int width, int height) {
    if (width <= 0 || height <= 0) return falha(filename, "janela sem pixels");
    const int fd = criaArquivoNovo(filename);
    if (fd < 0) return falha(filename, std::strerror(errno));
    return gravaNoDescritor(fd, filename, width, height);
}

int gravaInstantaneoPng(int width, int height, std::string& nome) {
    const char* base = matriz.getNome();
    const unsigned primeiro = contadorDeImagens;
    if (width <= 0 || height <= 0) {
        ++contadorDeImagens;
        return falha(nomeDoPng(base, primeiro), "janela sem pixels");
    }
    // Numbers stop at the largest unsigned: the search never wraps around.
    const unsigned tentativas = static_cast<unsigned>(
        std::min<unsigned long long>(MAX_TENTATIVAS_DE_NOME, UINT_MAX - static_cast<unsigned long long>(primeiro) + 1));
    unsigned usado = 0;
    const int fd = criaPrimeiroLivre([base, primeiro](unsigned k) { return nomeDoPng(base, primeiro + k); },
                                     tentativas, nome, usado);
    const int erro = errno;
    contadorDeImagens = primeiro + usado + 1;
    if (fd < 0)
        return falha(nome, erro == EEXIST ? "ja existem todos os numeros de '" + nomeDoPng(base, primeiro) + "' a '" +
                                                nome + "'"
                                          : std::string(std::strerror(erro)));
    return gravaNoDescritor(fd, nome, width, height);
}
