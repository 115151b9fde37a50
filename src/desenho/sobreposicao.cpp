// The site overlay: map outline and city labels, placed for the radar site.
#include "sobreposicao.h"

#include <GL/gl.h>

#include "cidades.h"
#include "estado.h"
#include "mapa.h"
#include "texto.h"

namespace {
// Where the PPR radar lies in the BRU-based map, scan frame.
constexpr float DESLOCAMENTO_PPR_X = 0.54f, DESLOCAMENTO_PPR_Y = -0.025f;
} // namespace

void drawCidades() {
    glColor3f(0, 0, 0);
    for (const city& c : cidade) escreveEm(c.x, c.y, c.nome);
}

void desenhaSobreposicaoDoSitio() {
    if (lugar != BRU && lugar != PPR) return;
    glPushMatrix();
    if (lugar == PPR) glTranslatef(DESLOCAMENTO_PPR_X, DESLOCAMENTO_PPR_Y, 0);
    drawMapa();
    drawCidades();
    glPopMatrix();
}
