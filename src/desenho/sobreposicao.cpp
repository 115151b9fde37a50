// The site overlay: map outline and city labels, placed for the radar site.
#include "sobreposicao.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "cidades.h"
#include "estado.h"
#include "mapa.h"
#include "mapageo.h"
#include "rotulos.h"
#include "texto.h"

namespace {
// Where the PPR radar lies in the BRU-based map, scan frame.
constexpr float DESLOCAMENTO_PPR_X = 0.54f, DESLOCAMENTO_PPR_Y = -0.025f;
} // namespace

void drawCidades() {
    glColor3f(0, 0, 0);
    for (const city& c : cidade) escreveEm(c.x, c.y, c.nome);
}

namespace {

void corDaLinha(const LinhaProjetada& l) {
    switch (l.tipo) {
    case LinhaProjetada::COSTA:
        if (l.nivel >= 2) glColor3f(0.1f, 0.2f, 0.45f); // lakes
        else glColor3f(0, 0, 0);
        break;
    case LinhaProjetada::FRONTEIRA:
        if (l.nivel >= 2) glColor3f(0.45f, 0.3f, 0.3f); // internal
        else glColor3f(0.45f, 0, 0);
        break;
    case LinhaProjetada::RIO: glColor3f(0.1f, 0.3f, 0.8f); break;
    }
}

// The towns that fit: biggest first, none over another label or the radar,
// about 20 in a full view and more as the view is magnified.
void desenhaCidades(const MapaGeo& m, const float mv[16], const GLint v[4]) {
    static const MapaGeo* de = nullptr;
    static std::vector<int> larguras;
    if (de != &m || larguras.size() != m.cidades.size()) {
        larguras.clear();
        for (const CidadeProjetada& c : m.cidades) larguras.push_back(larguraLatin1(c.nome.c_str()));
        de = &m;
    }
    const double escala = std::fabs(mv[0]);
    const auto pixel = [&](double x, double y, double& px, double& py) {
        px = (mv[0] * x + mv[12] + 1) / 2 * v[2];
        py = (mv[5] * y + mv[13] + 1) / 2 * v[3];
    };
    std::vector<CaixaDeRotulo> caixas;
    std::vector<std::size_t> deQual;
    for (std::size_t k = 0; k < m.cidades.size(); ++k) {
        double px, py;
        pixel(m.cidades[k].x, m.cidades[k].y, px, py);
        if (px < -200 || px > v[2] + 200 || py < -20 || py > v[3] + 20) continue;
        caixas.push_back({px, py - 1, static_cast<double>(larguras[k]), 11});
        deQual.push_back(k);
    }
    double rx, ry;
    pixel(0, 0, rx, ry);
    const std::vector<CaixaDeRotulo> proibidas = {{rx - 5, ry - 5, 10, 10}, {0, 0, static_cast<double>(v[2]), 20}};
    const double area = static_cast<double>(v[2]) * v[3] / (640.0 * 640.0);
    const std::size_t maximo = static_cast<std::size_t>(std::clamp(20 * escala * area, 3.0, 200.0));
    glColor3f(0, 0, 0);
    for (std::size_t i : escolheRotulos(caixas, {0, 0, static_cast<double>(v[2]), static_cast<double>(v[3])}, proibidas, maximo)) {
        const CidadeProjetada& c = m.cidades[deQual[i]];
        escreveLatin1(c.x, c.y, c.nome.c_str());
    }
}

// The map of any site whose position is known.
void desenhaMapaDoSitio() {
    const int camadas = grupoAjustes.camadasDoMapa;
    const Sitio s = sitioMostrado();
    if (!s.conhecido || (camadas & (MAPA_LINHAS | MAPA_CIDADES | MAPA_RIOS)) == 0) return;
    float mv[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, mv);
    GLint v[4];
    glGetIntegerv(GL_VIEWPORT, v);
    std::string aviso;
    const MapaGeo& m = mapaDoSitio(s, resolucaoDaVista(std::fabs(mv[0])), aviso, (camadas & MAPA_RIOS) != 0);
    if (!aviso.empty()) std::fprintf(stderr, "vorlane: aviso: %s\n", aviso.c_str());
    if (!m.valido) return;
    glLineWidth(1);
    glEnableClientState(GL_VERTEX_ARRAY);
    for (const LinhaProjetada& l : m.linhas) {
        const bool rio = l.tipo == LinhaProjetada::RIO;
        if (rio ? !(camadas & MAPA_RIOS) : !(camadas & MAPA_LINHAS)) continue;
        corDaLinha(l);
        glVertexPointer(2, GL_FLOAT, 0, l.xy.data());
        glDrawArrays(GL_LINE_STRIP, 0, static_cast<GLsizei>(l.xy.size() / 2));
    }
    glDisableClientState(GL_VERTEX_ARRAY);
    if ((camadas & MAPA_CIDADES) && m.cidadesLidas) desenhaCidades(m, mv, v);
}

} // namespace

void desenhaSobreposicaoDoSitio() {
    if (lugar != BRU && lugar != PPR) return desenhaMapaDoSitio();
    glPushMatrix();
    if (lugar == PPR) glTranslatef(DESLOCAMENTO_PPR_X, DESLOCAMENTO_PPR_Y, 0);
    drawMapa();
    drawCidades();
    glPopMatrix();
}
