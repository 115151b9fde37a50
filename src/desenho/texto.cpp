// The text primitive and the status-bar readout. Glyphs come from the
// bitmap font tables freeglut exports and are drawn with glBitmap as
// glutBitmapCharacter draws them, so text needs no glutInit (pictures
// without a window) and the window's pixels stay the same.
#include "texto.h"

#include <GL/gl.h>

#include "estado.h"
#include "textos.h"

// The layout of freeglut's internal font record (freeglut 3.x): each
// character's bitmap starts with its width byte, rows bottom-up, one byte
// aligned, most significant bit first.
struct FonteDoGlut {
    const char* nome;
    int quantidade;
    int altura;
    const GLubyte** caracteres;
    float xorig, yorig;
};

extern "C" {
extern const FonteDoGlut fgFontHelvetica10;
extern const FonteDoGlut fgFontHelvetica12;
extern const FonteDoGlut fgFontHelvetica18;
extern const FonteDoGlut fgFontTimesRoman24;
}

namespace {

bool leituraEscondida = false;

const FonteDoGlut& fonteDoTamanho(int tamanho) {
    switch (tamanho) {
    case 1: return fgFontHelvetica12;
    case 2: return fgFontHelvetica18;
    case 3: return fgFontTimesRoman24;
    default: return fgFontHelvetica10;
    }
}

const GLubyte* glifo(const FonteDoGlut& f, unsigned char c) {
    return c >= 1 && static_cast<int>(c) < f.quantidade ? f.caracteres[c] : nullptr;
}

// The unpacking state glutBitmapCharacter sets around each glyph, set once
// around a run of glyphs (the pixels are the same).
class EstadoDeBitmap {
public:
    EstadoDeBitmap() {
        glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
        glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
        glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
        glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
        glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
        glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    }
    ~EstadoDeBitmap() { glPopClientAttrib(); }
    EstadoDeBitmap(const EstadoDeBitmap&) = delete;
    EstadoDeBitmap& operator=(const EstadoDeBitmap&) = delete;
};

// Draws one glyph at the raster position and advances it by the glyph's width.
void desenhaGlifo(const FonteDoGlut& f, const GLubyte* g) {
    glBitmap(g[0], static_cast<GLsizei>(f.altura), f.xorig, f.yorig, static_cast<float>(g[0]), 0.0f, g + 1);
}

bool temGlifoLatin1(unsigned char c) { return (c >= 32 && c < 127) || c >= 160; }

} // namespace

void drawString(const char* s, int tamanho) {
    const FonteDoGlut& f = fonteDoTamanho(tamanho);
    const EstadoDeBitmap estadoDoBitmap;
    for (const char* p = s; *p; ++p) {
        const signed char c = static_cast<signed char>(*p);
        if (c <= 0) continue; // bytes of 128 and up have no glyph
        if (const GLubyte* g = glifo(f, static_cast<unsigned char>(c))) desenhaGlifo(f, g);
    }
}

void escreveEm(float x, float y, const char* s, int tamanho) {
    glRasterPos2f(x, y);
    drawString(s, tamanho);
}

void escreveLatin1(float x, float y, const char* s) {
    glRasterPos2f(x, y);
    const FonteDoGlut& f = fgFontHelvetica10;
    const EstadoDeBitmap estadoDoBitmap;
    for (const char* p = s; *p; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (!temGlifoLatin1(c)) continue;
        if (const GLubyte* g = glifo(f, c)) desenhaGlifo(f, g);
    }
}

int larguraLatin1(const char* s) {
    int n = 0;
    for (const char* p = s; *p; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        const GLubyte* g = temGlifoLatin1(c) ? glifo(fgFontHelvetica10, c) : nullptr;
        if (g) n += g[0];
    }
    return n;
}

void aplicaCorDoTexto() {
    if (fundoEscuro()) glColor3f(1, 1, 1);
    else glColor3f(0, 0, 0);
}

void escondeLeitura(bool sim) { leituraEscondida = sim; }

void drawPosition() {
    if (leituraEscondida) return;
    glColor3f(1, 1, 1);
    escreveEm(-0.99f, -0.99f, textoPosicao(Graio, Gazimute, Gintensidade, unidadeMedidas, volume.produto).c_str());
}
