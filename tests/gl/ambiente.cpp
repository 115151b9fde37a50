// Sets up GLUT and the main window once for all GL tests.
#include "ambiente.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <new>
#include <sstream>

#include "cores.h"
#include "estado.h"
#include "interacao.h"
#include "janelas.h"
#include "matriz.h"
#include "menus.h"
#include "minimapa.h"
#include "painel.h"
#include "quadros.h"
#include "vistas.h"

namespace {

// A scan with a wedge of known value around each compass point, gates
// 400..799 (100..200 km), and no echo elsewhere.
std::string varreduraDeTeste() {
    std::ostringstream s;
    s << "varredura de teste\n";
    for (int a = 0; a < 360; ++a) {
        // The first header is 359, so block k lands in row k.
        s << "# Az: " << (a + 359) % 360 << " graus\n";
        const char* valor = "--.-";
        auto perto = [a](int centro) { return (a - centro + 360) % 360 <= 3 || (centro - a + 360) % 360 <= 3; };
        if (perto(0)) valor = "30.0";
        else if (perto(90)) valor = "50.0";
        else if (perto(180)) valor = "10.0";
        else if (perto(270)) valor = "60.0";
        for (int g = 0; g < 1000; ++g) s << ' ' << (g >= 400 && g < 800 ? valor : "--.-");
        s << '\n';
    }
    return s.str();
}

class AmbienteGl : public ::testing::Environment {
public:
    void SetUp() override {
        inciaCores();
        carregaVarreduraDeTeste();
        ASSERT_TRUE(iniciaGlut("testes_gl"));
        criaJanelaPrincipal();
        // Let the server map the window before anything is read back.
        for (int k = 0; k < 30; ++k) {
            glutMainLoopEvent();
            usleep(10000);
        }
        glutSetWindow(janelaPrincipal);
        resize(640, 640);
    }
};

const ::testing::Environment* const ambiente = ::testing::AddGlobalTestEnvironment(new AmbienteGl);

} // namespace

void carregaVarreduraDeTeste() {
    matriz.reinicia(); // the one global scan, emptied
    ASSERT_EQ(matriz.setRaioInicial("0"), 0);
    std::istringstream entrada(varreduraDeTeste());
    ASSERT_EQ(matriz.leVarredura(entrada), ResultadoLeitura::OK);
    invalidaQuadros();
}

void renderiza() {
    glutSetWindow(janelaPrincipal);
    desenhaPrincipal();
    glFinish();
}

void reiniciaMantendoTamanho() {
    const unsigned w = width, h = height;
    reiniciaEstado();
    width = w, height = h;
}

Pixel pixelLido(int x, int y) {
    unsigned char rgb[3] = {0, 0, 0};
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, static_cast<int>(height) - 1 - y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
    return {rgb[0], rgb[1], rgb[2]};
}

Pixel pixelDaJanela(int x, int y) {
    renderiza();
    return pixelLido(x, y);
}

Pixel pixelDaVista(double xv, double yv) {
    return pixelDaJanela(static_cast<int>((xv + 1) * 320), static_cast<int>((1 - yv) * 320));
}

bool cores_proximas(Pixel a, Pixel b, int tolerancia) {
    return std::abs(a.r - b.r) <= tolerancia && std::abs(a.g - b.g) <= tolerancia &&
           std::abs(a.b - b.b) <= tolerancia;
}

std::string texto(Pixel p) {
    char s[32];
    std::snprintf(s, sizeof s, "(%d, %d, %d)", p.r, p.g, p.b);
    return s;
}

void garantePainelEMinimapa() {
    if (janelaMenu != 0 && janela_de_fundo != 0) return;
    criaPainel();
    criaMenusDoPainel();
    criaMinimapa();
    // Let the server map both windows (and their default reshape run).
    for (int k = 0; k < 20; ++k) {
        glutMainLoopEvent();
        usleep(10000);
    }
    glutSetWindow(janelaPrincipal);
}

namespace {

// `janela` by reference: its id exists only after the windows are created.
Quadro leQuadro(const int& janela, void (*desenha)()) {
    garantePainelEMinimapa();
    glutSetWindow(janela);
    desenha();
    glFinish();
    Quadro q;
    q.largura = glutGet(GLUT_WINDOW_WIDTH);
    q.altura = glutGet(GLUT_WINDOW_HEIGHT);
    q.rgb.resize(static_cast<std::size_t>(3 * q.largura * q.altura));
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, q.largura, q.altura, GL_RGB, GL_UNSIGNED_BYTE, q.rgb.data());
    glutSetWindow(janelaPrincipal); // the other tests draw the main window
    return q;
}

} // namespace

Pixel Quadro::em(int x, int y) const {
    if (x < 0 || y < 0 || x >= largura || y >= altura) return {-1, -1, -1};
    const std::size_t k = 3 * (static_cast<std::size_t>(altura - 1 - y) * largura + x);
    return {rgb[k], rgb[k + 1], rgb[k + 2]};
}

Quadro quadroDoPainel() { return leQuadro(janelaMenu, desenhaPainel); }
Quadro quadroDoMinimapa() { return leQuadro(janela_de_fundo, desenhaMinimapa); }
