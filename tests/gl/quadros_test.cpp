// Kept frames never go stale: after random sequences of resizes (down to
// 1 x 1), settings, state changes, clicks, drags, arrows and pointer moves,
// what the main window shows on screen equals a fresh draw of the same state.
// VORLANE_SEMENTE picks another sequence, VORLANE_EVENTOS its length.
#include <GL/freeglut.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <random>
#include <vector>

#include "ambiente.h"
#include "cidades.h"
#include "cores.h"
#include "estado.h"
#include "glauxiliar.h"
#include "interacao.h"
#include "janelas.h"
#include "quadros.h"

// Last: Xlib's macros (None, Status, ...) would clash with the headers above.
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

int quadros = 0; // frames shown by the display callback
void displayContado() {
    display();
    ++quadros;
}

// Runs the GLUT loop until the main window has the size w x h (when given)
// and its redraws have settled: at least one frame (unless resized to the
// size it had), then none for a while.
void processaAte(int w = -1, int h = -1) {
    const bool mesmo = width == static_cast<unsigned>(w) && height == static_cast<unsigned>(h);
    const int antes = quadros - (mesmo ? 1 : 0);
    int parado = 0;
    for (int k = 0; k < 3000; ++k) {
        const int q = quadros;
        glutMainLoopEvent();
        parado = quadros == q ? parado + 1 : 0;
        const bool tamanho = w < 0 || (width == static_cast<unsigned>(w) && height == static_cast<unsigned>(h));
        if (tamanho && quadros > antes && parado >= 20) return;
        usleep(1000);
    }
    FAIL() << "a janela nao se redesenhou";
}

void redesenha() {
    glutSetWindow(janelaPrincipal);
    glutPostRedisplay();
    processaAte();
}

// The main window's pixels as the X server shows them.
std::vector<unsigned long> naTela(Display* x, Window janela) {
    glFinish();
    // The frame went to the server on GLUT's own connection: wait until the
    // server has it before asking for the window's pixels on ours.
    glutSetWindow(janelaPrincipal);
    XSync(glXGetCurrentDisplay(), False);
    XSync(x, False);
    std::vector<unsigned long> p;
    XImage* img = XGetImage(x, janela, 0, 0, width, height, AllPlanes, ZPixmap);
    if (!img) return p;
    for (unsigned r = 0; r < height; ++r)
        for (unsigned c = 0; c < width; ++c) p.push_back(XGetPixel(img, static_cast<int>(c), static_cast<int>(r)));
    XDestroyImage(img);
    return p;
}

int diferentes(const std::vector<unsigned long>& a, const std::vector<unsigned long>& b) {
    if (a.size() != b.size()) return -1;
    int n = 0;
    for (std::size_t k = 0; k < a.size(); ++k) n += a[k] != b[k];
    return n;
}

// One random user event, applied through the same steps the callbacks use;
// resizes come from outside, as a window manager's do.
std::string evento(std::mt19937& g, Display* x, Window janela) {
    auto de = [&g](int a, int b) { return std::uniform_int_distribution<int>(a, b)(g); };
    auto ponto = [&g] { return std::uniform_real_distribution<float>(-1.1f, 1.1f)(g); };
    static const int TAMANHOS[][2] = {{1, 1}, {2, 3}, {640, 640}, {800, 600}, {600, 800}, {1280, 990}, {500, 400}, {333, 777}};
    switch (de(0, 9)) {
    case 0: {
        int w, h;
        if (de(0, 1)) w = TAMANHOS[de(0, 7)][0], h = TAMANHOS[de(0, 7)][1];
        else w = de(1, 1280), h = de(1, 990);
        XResizeWindow(x, janela, static_cast<unsigned>(w), static_cast<unsigned>(h));
        XFlush(x);
        processaAte(w, h);
        return "tamanho " + std::to_string(w) + "x" + std::to_string(h);
    }
    case 1: {
        const int s = de(0, 4), v = de(1, 4);
        void (*ajustes[])(int) = {ajustaQualidade, ajustaLeitura, ajustaQuantidadeDeCores, ajustaNivelColorido, ajustaUnidades};
        ajustes[s](v);
        return "ajuste " + std::to_string(s) + " " + std::to_string(v);
    }
    case 2: {
        const int c = de(0, 3), v = de(1, 3);
        if (c == 0) comandoPrincipal(v == 3 ? 1 : v);
        else if (c == 1) comandoVisualizar(v);
        else if (c == 2) comandoPerfil(v == 3 ? 1 : v);
        else trataTecla(v == 1 ? 27 : 'x');
        return "comando " + std::to_string(c) + " " + std::to_string(v);
    }
    case 3:
    case 4: { // a press, a drag and maybe a release (a drag in progress is drawn too)
        trataBotaoEsquerdo(true, ponto(), ponto());
        xSelecaoAtual = ponto(), ySelecaoAtual = ponto();
        if (de(0, 2)) trataBotaoEsquerdo(false, xSelecaoAtual, ySelecaoAtual);
        return "arrasto";
    }
    case 5: trataTeclaEspecial(de(100, 103)); return "seta";
    case 6:
        if (tracking) { // the drag goes on: the kept view with the outline moved
            xSelecaoAtual = ponto(), ySelecaoAtual = ponto();
            return "movimento";
        }
        [[fallthrough]];
    default: atualizaLeitura(ponto(), ponto()); return "ponteiro";
    }
}

} // namespace

class QuadrosGuardados : public ::testing::Test {
protected:
    void SetUp() override {
        iniciaCidades();
        lugar = BRU;
        x = XOpenDisplay(nullptr);
        ASSERT_NE(x, nullptr);
        // The other windows exist (the main window's frames hand over to the
        // minimap, which switches contexts), but only the main window is on
        // screen, whole and unobscured, at the top left.
        garantePainelEMinimapa();
        for (int j : {janelaMenu, janela_de_fundo})
            if (j != 0) glutSetWindow(j), glutHideWindow();
        glutSetWindow(janelaPrincipal);
        janela = glXGetCurrentDrawable();
        glutDisplayFunc(displayContado);
        glutPositionWindow(0, 0);
        // Let the server unmap and move the windows (and send their exposures).
        for (int k = 0; k < 60; ++k) {
            glutMainLoopEvent();
            usleep(5000);
        }
        redesenha();
    }
    void TearDown() override {
        reusaQuadros(true);
        reiniciaMantendoTamanho(); // the window may still have a random size here
        lugar = UNK;
        glutSetWindow(janelaPrincipal);
        glutPositionWindow(195, 32);
        glutReshapeWindow(640, 640);
        processaAte(640, 640);
        glutDisplayFunc(display);
        for (int j : {janelaMenu, janela_de_fundo})
            if (j != 0) glutSetWindow(j), glutShowWindow();
        glutSetWindow(janelaPrincipal);
        if (x) XCloseDisplay(x);
    }
    Display* x = nullptr;
    Window janela = 0;
};

TEST_F(QuadrosGuardados, ATelaEIgualAUmDesenhoNovoAposEventosAleatorios) {
    const char* semente = std::getenv("VORLANE_SEMENTE");
    const unsigned s = semente ? static_cast<unsigned>(std::strtoul(semente, nullptr, 10)) : 20261208;
    std::mt19937 g(s);
    const int eventos = std::getenv("VORLANE_EVENTOS") ? std::atoi(std::getenv("VORLANE_EVENTOS")) : 150;
    std::string historia;
    for (int k = 0; k < eventos && !HasFailure(); ++k) {
        historia += evento(g, x, janela) + "; ";
        redesenha();
        const auto mostrado = naTela(x, janela);
        reusaQuadros(false);
        redesenha();
        const auto novo = naTela(x, janela);
        reusaQuadros(true);
        ASSERT_FALSE(mostrado.empty());
        ASSERT_EQ(diferentes(mostrado, novo), 0)
            << "semente " << s << " (VORLANE_SEMENTE), " << width << "x" << height << ", apos: " << historia;
    }
}
