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
    // The lines as segments of one colour each, drawn in a few calls.
    static const MapaGeo* de = nullptr;
    static std::size_t linhasDe = 0;
    static std::vector<float> segmentos[5]; // coast, lakes, national, internal borders, rivers
    if (de != &m || linhasDe != m.linhas.size()) {
        for (auto& v : segmentos) v.clear();
        for (const LinhaProjetada& l : m.linhas) {
            const int k = l.tipo == LinhaProjetada::RIO ? 4 : 2 * (l.tipo == LinhaProjetada::FRONTEIRA) + (l.nivel >= 2);
            for (std::size_t i = 2; i + 1 < l.xy.size(); i += 2)
                segmentos[k].insert(segmentos[k].end(), {l.xy[i - 2], l.xy[i - 1], l.xy[i], l.xy[i + 1]});
        }
        de = &m, linhasDe = m.linhas.size();
    }
    static const float CORES[5][3] = {{0, 0, 0}, {0.1f, 0.2f, 0.45f}, {0.45f, 0, 0}, {0.45f, 0.3f, 0.3f}, {0.1f, 0.3f, 0.8f}};
    glLineWidth(1);
    glEnableClientState(GL_VERTEX_ARRAY);
    for (int k = 0; k < 5; ++k) {
        if (k == 4 ? !(camadas & MAPA_RIOS) : !(camadas & MAPA_LINHAS)) continue;
        if (segmentos[k].empty()) continue;
        glColor3fv(CORES[k]);
        glVertexPointer(2, GL_FLOAT, 0, segmentos[k].data());
        glDrawArrays(GL_LINES, 0, static_cast<GLsizei>(segmentos[k].size() / 2));
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
