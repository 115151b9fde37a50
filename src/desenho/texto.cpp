// The text primitive and the status-bar readout.
#include "texto.h"

#include <GL/freeglut.h>

#include "estado.h"
#include "textos.h"

void drawString(const char* s, int tamanho) {
    void* fonte;
    switch (tamanho) {
    case 1: fonte = GLUT_BITMAP_HELVETICA_12; break;
    case 2: fonte = GLUT_BITMAP_HELVETICA_18; break;
    case 3: fonte = GLUT_BITMAP_TIMES_ROMAN_24; break;
    default: fonte = GLUT_BITMAP_HELVETICA_10; break;
    }
    for (const char* p = s; *p; ++p) {
        const signed char c = static_cast<signed char>(*p);
        if (c > 0) glutBitmapCharacter(fonte, c); // bytes of 128 and up have no glyph
    }
}

void escreveEm(float x, float y, const char* s, int tamanho) {
    glRasterPos2f(x, y);
    drawString(s, tamanho);
}

namespace {
bool temGlifo(unsigned char c) { return (c >= 32 && c < 127) || c >= 160; }
} // namespace

void escreveLatin1(float x, float y, const char* s) {
    glRasterPos2f(x, y);
    for (const char* p = s; *p; ++p)
        if (temGlifo(static_cast<unsigned char>(*p))) glutBitmapCharacter(GLUT_BITMAP_HELVETICA_10, static_cast<unsigned char>(*p));
}

int larguraLatin1(const char* s) {
    int n = 0;
    for (const char* p = s; *p; ++p)
        if (temGlifo(static_cast<unsigned char>(*p))) n += glutBitmapWidth(GLUT_BITMAP_HELVETICA_10, static_cast<unsigned char>(*p));
    return n;
}

void aplicaCorDoTexto() {
    if (fundoEscuro()) glColor3f(1, 1, 1);
    else glColor3f(0, 0, 0);
}

void drawPosition() {
    glColor3f(1, 1, 1);
    escreveEm(-0.99f, -0.99f, textoPosicao(Graio, Gazimute, Gintensidade, unidadeMedidas, volume.produto).c_str());
}
