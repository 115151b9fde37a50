// The side panel: scan time, date and site, the current settings and the
// colour legend of the current colour mode.
#include "painel.h"

#include <GL/gl.h>

#include <vector>

#include "cores.h"
#include "estado.h"
#include "produto.h"
#include "projecao.h"
#include "quadros.h"
#include "texto.h"
#include "textos.h"

namespace {

void desenhaQuadroDoPainel();

constexpr float ALTURA_DA_LINHA = 0.03125f; // one legend row
constexpr float BASE_DA_LEGENDA = -0.8f;

void corDaPaleta(int k) { glColor3ub(cores[k].R, cores[k].G, cores[k].B); }

// Black at the bottom to white at the top, framed in white.
void escalaDeCinza() {
    glShadeModel(GL_SMOOTH);
    glBegin(GL_QUADS);
    glColor3f(0, 0, 0);
    glVertex2f(-0.2f, -0.8f);
    glVertex2f(0.2f, -0.8f);
    glColor3f(1, 1, 1);
    glVertex2f(0.2f, 0.2f);
    glVertex2f(-0.2f, 0.2f);
    glEnd();
    glShadeModel(GL_FLAT);
    glColor3f(1, 1, 1);
    glBegin(GL_LINE_LOOP);
    glVertex2f(-0.2f, -0.8f);
    glVertex2f(0.2f, -0.8f);
    glVertex2f(0.2f, 0.2f);
    glVertex2f(-0.2f, 0.2f);
    glEnd();
}

} // namespace

void drawQuadradoSuave(float x, float y, float xp, float yp, int cor) {
    glShadeModel(GL_SMOOTH);
    glBegin(GL_QUADS);
    corDaPaleta(cor);
    glVertex2f(x, y);
    glVertex2f(x + xp, y);
    corDaPaleta(cor + 1);
    glVertex2f(x + xp, y + yp);
    glVertex2f(x, y + yp);
    glEnd();
    glShadeModel(GL_FLAT);
}

void drawQuadradoReal(float x, float y, float xp, float yp, int cor) {
    glColor3ub(cores[cor].R, cores[cor].G, cores[cor].B);
    glBegin(GL_POLYGON);
    glVertex3f(x, y, 0.0f);
    glVertex3f(x + xp, y, 0.0f);
    glVertex3f(x + xp, y + yp, 0.0f);
    glVertex3f(x, y + yp, 0.0f);
    glEnd();
}

namespace {

// Another moment's legend: 32 rows of its step from its lowest value, each
// in the colour the mode gives it, labelled in its unit.
void legendaDoProduto(const Produto& p, int modo) {
    if (modo == COR_BRILHO) escalaDeCinza();
    glColor3f(1, 1, 1);
    if (!p.unidade.empty()) escreveEm(-0.2f, BASE_DA_LEGENDA + 32 * ALTURA_DA_LINHA + 0.02f, p.unidade.c_str());
    for (int i = 0; i < 32; ++i) {
        const float y = i * ALTURA_DA_LINHA + BASE_DA_LEGENDA;
        const double de = p.minimo + i * p.passo;
        float baixo[3], alto[3];
        const bool temBaixo = corDoMostrado(p, de, modo, baixo), temAlto = corDoMostrado(p, de + p.passo, modo, alto);
        float meio[3] = {1, 1, 1};
        const bool temMeio = corDoMostrado(p, de + p.passo / 2, modo, meio);
        if (modo == COR_MAXIMO && temBaixo && temAlto) {
            glShadeModel(GL_SMOOTH);
            glBegin(GL_QUADS);
            glColor3fv(baixo);
            glVertex2f(-0.2f, y);
            glVertex2f(0.2f, y);
            glColor3fv(alto);
            glVertex2f(0.2f, y + ALTURA_DA_LINHA);
            glVertex2f(-0.2f, y + ALTURA_DA_LINHA);
            glEnd();
            glShadeModel(GL_FLAT);
        } else if (modo != COR_BRILHO && temMeio) {
            glColor3fv(meio);
            glRectf(-0.2f, y, 0.2f, y + ALTURA_DA_LINHA);
        }
        const std::string valor = textoDoRotulo(p, de);
        glColor3f(1, 1, 1);
        escreveEm(-0.6f, y, valor.c_str());
        if (modo == COR_BRILHO) glColor3ub(static_cast<GLubyte>(8 * i), static_cast<GLubyte>(8 * i), static_cast<GLubyte>(8 * i));
        else glColor3fv(meio);
        escreveEm(0.25f, y, valor.c_str());
    }
}

} // namespace

void drawCores() {
    const int modo = coresSuave;
    if (modo < COR_MAXIMO || modo > COR_BRILHO) return;
    if (!volume.produto.especificado()) return legendaDoProduto(volume.produto, modo);
    if (modo == COR_BRILHO) escalaDeCinza();
    for (int i = 0; i < 32; ++i) {
        const float y = i * ALTURA_DA_LINHA + BASE_DA_LEGENDA;
        const int entrada = modo == COR_MINIMO ? entradaDaLegendaMinima(i) : i;
        if (modo == COR_MAXIMO) drawQuadradoSuave(-0.2f, y, 0.4f, ALTURA_DA_LINHA, i);
        else if (modo != COR_BRILHO) drawQuadradoReal(-0.2f, y, 0.4f, ALTURA_DA_LINHA, entrada);
        const std::string valor = textoSinalizado(i * 2.5 - 12.5);
        glColor3f(1, 1, 1);
        escreveEm(-0.6f, y, valor.c_str());
        if (modo == COR_BRILHO) glColor3ub(static_cast<GLubyte>(8 * i), static_cast<GLubyte>(8 * i), static_cast<GLubyte>(8 * i));
        else corDaPaleta(entrada);
        escreveEm(0.25f, y, valor.c_str());
    }
}

namespace {
QuadroGuardado quadro; // the last frame, redrawn only when a setting changes
} // namespace

QuadroGuardado& quadroGuardadoDoPainel() { return quadro; }

void desenhaPainel() {
    glMatrixMode(GL_MODELVIEW);
    glShadeModel(qualidadeImagem == BOA ? GL_SMOOTH : GL_FLAT);
    // The panel shows the shown sweep's metadata and the settings.
    GLint v[4];
    glGetIntegerv(GL_VIEWPORT, v);
    const std::vector<unsigned char> chave = chaveDe(grupoAjustes, v, matriz.getGeracao(), serie.tamanho());
    if (!quadro.reutiliza(chave.data(), chave.size(), v[2], v[3])) {
        desenhaQuadroDoPainel();
        quadro.guarda(chave.data(), chave.size(), v[2], v[3]);
    }
    // The pointer's latitude and longitude, over the kept frame (it changes with every movement).
    const Sitio s = sitioMostrado();
    if (!s.conhecido || !grupoLeitura.temPontoDaLeitura) return;
    double lat, lon;
    Projecao(s.lat, s.lon).paraGeo(grupoLeitura.xDaLeitura, grupoLeitura.yDaLeitura, lat, lon);
    glColor3f(1, 1, 1);
    escreveEm(-0.95f, 0.33f, textoLatLon(lat, lon).c_str());
}

namespace {

void desenhaQuadroDoPainel() {
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor3f(1, 1, 1);
    escreveEm(-0.55f, 0.5f, textoHora(matriz.getHora(), matriz.getMinuto(), matriz.getSegundo()).c_str(), 3);
    escreveEm(-0.90625f, 0.45f, textoData(matriz.getDia(), matriz.getMes(), matriz.getAno(), matriz.getFuso()).c_str(), 2);
    escreveEm(-0.96f, 0.4f, textoLocalDaVarredura(matriz.getLocal(), matriz.getSitio()).c_str(), 1);
    escreveEm(-0.95f, 0.95f, textoQualidade(qualidadeImagem));
    escreveEm(-0.95f, 0.9f, textoUnidades(unidadeMedidas));
    escreveEm(-0.95f, 0.85f, textoCores(coresSuave));
    escreveEm(-0.95f, 0.8f, textoLeitura(qualidadeR));
    const std::string elevacao = textoElevacao(volume); // a volume's tilt (none for a text scan)
    if (!elevacao.empty()) escreveEm(-0.95f, 0.7f, elevacao.c_str());
    if (!volume.vazio()) escreveEm(-0.95f, 0.65f, textoDoProduto(volume.produto).c_str());
    const std::string quadro = textoQuadro(serie); // the place in a series (none for one scan)
    if (!quadro.empty()) escreveEm(-0.95f, 0.6f, quadro.c_str());
    drawCores();
}

} // namespace
