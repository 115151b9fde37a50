// Frames kept in textures, one per window (each window has its own context).
#include "quadros.h"

#include <GL/gl.h>

#include <cstring>

namespace {
// Every kept frame, so they can all be forgotten at once.
std::vector<QuadroGuardado*>& todos() {
    static std::vector<QuadroGuardado*> lista;
    return lista;
}

bool reusoLigado = true;
} // namespace

void invalidaQuadros() {
    for (QuadroGuardado* q : todos()) q->invalida();
}

void reusaQuadros(bool sim) { reusoLigado = sim; }

bool QuadroGuardado::reutiliza(const void* chave, std::size_t tamanho, int w, int h) {
    if (!reusoLigado || !valido || w != largura || h != altura || tamanho != chaveGuardada.size() ||
        std::memcmp(chave, chaveGuardada.data(), tamanho) != 0)
        return false;
    // One texel per pixel: a quad over the whole viewport, nearest texels.
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glBindTexture(GL_TEXTURE_2D, textura);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glEnable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(-1, -1);
    glTexCoord2f(1, 0);
    glVertex2f(1, -1);
    glTexCoord2f(1, 1);
    glVertex2f(1, 1);
    glTexCoord2f(0, 1);
    glVertex2f(-1, 1);
    glEnd();
    glDisable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, 0);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    return true;
}

void QuadroGuardado::trocou(int w, int h) {
    larguraTrocada = w;
    alturaTrocada = h;
}

bool QuadroGuardado::guarda(const void* chave, std::size_t tamanho, int w, int h) {
    valido = false;
    if (w <= 0 || h <= 0 || !tamanhoTrocado(w, h)) return false;
    if (textura == 0) {
        glGenTextures(1, &textura);
        todos().push_back(this);
    }
    while (glGetError() != GL_NO_ERROR) {
    }
    glBindTexture(GL_TEXTURE_2D, textura);
    if (w != largura || h != altura) {
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        largura = w;
        altura = h;
    }
    glReadBuffer(GL_BACK);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, w, h);
    glBindTexture(GL_TEXTURE_2D, 0);
    if (glGetError() != GL_NO_ERROR) { // e.g. a window wider than the largest texture
        largura = altura = 0;
        return false;
    }
    const unsigned char* bytes = static_cast<const unsigned char*>(chave);
    chaveGuardada.assign(bytes, bytes + tamanho);
    valido = true;
    return true;
}
