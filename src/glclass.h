// Shared declarations of the window code: view state, the main window's
// callbacks and the primitives that draw polar cells.
#ifndef VORLANE_GLCLASS_H
#define VORLANE_GLCLASS_H

constexpr double GRAUS_PARA_RADIANOS = 0.0174532925; // radians per degree
constexpr double RAIOS_POR_UNIDADE = 2000.0;          // gates per scan-frame unit

enum qualidade : int { BOA = 0, RUIM = 1, PIOR = 2 };
enum nivelColoridoTipo : int { PRETO_E_BRANCO = 0, BRANCO_E_PRETO = 1, COLORIDO_E_PRETO = 2, COLORIDO_E_BRANCO = 3 };
enum medidas : int { MILHAS = 0, KILOMETROS = 1 };

enum EstadosPossiveis : int {
    ESPERA = 0,
    SELECIONA_FATIA,
    EXIBE_ZOOM,
    SELECIONA_ZOOM,
    SELECIONA_ZOOM_DE_CORTE,
    EXIBE_FATIA,
    SELECIONA_GRAFICO,
    EXIBE_GRAFICO,
    SELECIONA_CORTE_DE_ZOOM, // nothing enters it; keeps its place in the order
    SELECIONA_CENTRO,
    SELECIONA_NUMEROS,
    EXIBE_NUMEROS
};

// The figure being dragged: kind 0 none, 1 zoom square, 2 sector, 3 profile.
struct fig {
    int kind;
    float x0, y0, x1, y1;
};

// ---- display settings (estado.cpp)
extern nivelColoridoTipo nivelColorido; // text/background scheme of graph and table
extern medidas unidadeMedidas;          // km or miles for rings, table, panel, readout
// The graph and table schemes: a black background (else white), coloured data (else plain).
bool fundoEscuro();
bool dadosColoridos();

// ---- interaction state and selections (estado.cpp)
extern EstadosPossiveis estado;         // current state; ESPERA at start
extern EstadosPossiveis estadoAnterior; // state of the saved view
extern fig figure;                      // figure being dragged
extern bool tracking;                   // a selection drag is in progress
extern float xSelecaoInicial, ySelecaoInicial; // drag start, view frame
extern float xSelecaoAtual, ySelecaoAtual;     // drag's current point, view frame
extern unsigned pontos[2][2]; // sector limits: [k][0] polar angle 0..359, [k][1] gate 0..1999
extern unsigned selecao[3];   // profile: radial {first, last gate, azimuth}; angular {first, last azimuth, gate}
extern bool isLinha;          // profile kind: true radial, false angular
extern int primeiroRaio, primeiroAngulo; // numeric table origin before the arrow offsets
extern int ajusteR, ajusteA;  // arrow-key offsets in gates and degrees
// Sector outline last drawn during a drag (gates and polar angles).
extern unsigned raioItemp, raioFtemp, anguloItemp, anguloFtemp;

// ---- pointer readout (estado.cpp)
extern float Graio;          // range under the pointer, km
extern unsigned Gazimute;    // azimuth under the pointer, 0..359
extern float Gintensidade;   // dBZ under the pointer; below -25 shows "--.-"

extern int tipo_referencia; // view drawn last: 0 disc, 1 graph, 2 zoom, 3 sector or table

// ---- view state (janela.cpp)
extern unsigned width, height;      // main window size in pixels as last given to resize
extern float escalaGlobal;          // view units per scan-frame unit, > 0; point size in PIOR
extern float xZero, yZero;          // scan-frame point at the centre of the view
extern float xIntervalo, yIntervalo; // width and height of the scan region shown
extern float xMin, yMin, xMax, yMax; // corners of the region shown (empty box: 2, 2, -2, -2)
extern float escalaGlobalOld, xZeroOld, yZeroOld; // saved view
extern qualidade qualidadeImagem;   // how cells are drawn; RUIM at start
extern int qualidadeR;              // gates per drawn cell: 1, 2 or 4; 4 at start

extern int janelaPrincipal; // GLUT id of the main window
extern int janela_de_fundo; // GLUT id of the minimap, 0 until it exists
extern int janelaMenu;      // GLUT id of the side panel, 0 until it exists

// ---- main window (janela.cpp)
void resize(int w, int h);
// Tunes the C library's allocator for steady redraw times; call first thing.
void preparaAlocador();
// glutInit with only the name `programa` as command line, then the display
// mode; without an X display, one stderr line and exit status 1.
void iniciaGlut(const char* programa);
void display();
// Draws the current view into the back buffer without swapping, so tests can
// read what the user sees.
void desenhaPrincipal();
// desenhaPrincipal for reading back (snapshots): when the window's size
// has not been through a swap yet, a frame is swapped first so the buffers
// have the window's size.
void desenhaPrincipalNoTamanhoReal();
// The next desenhaPrincipal draws the view anew instead of reusing the last one.
void invalidaVistaPrincipal();
void displayBolacha();
void displayZoom();
void displayCorte();
void displayReta();
void displayDados();
// Creates the main window and registers its callbacks.
void criaJanelaPrincipal();

// ---- side panel (painel.cpp) and minimap (minimapa.cpp)
void displayMenu();
void desenhaPainel();   // the panel's frame, without the swap
void desenhaMinimapa(); // the minimap's frame, without the swap
void drawCores();
void drawQuadradoSuave(float x, float y, float xp, float yp, int cor);
void display_minimap();
void display_bolacha_minimap();

// ---- polar cells (celulas.cpp)
// A vertex `raio` gates from the radar at `radianos` from east, scan frame.
void verticePolar(double raio, double radianos);
void drawQuadradoSimples(int sizeR, int t, int r);
void drawQuadrado(int sizeR, int i, int r);
void drawQuadradoReal(float x, float y, float xp, float yp, int cor);
// Point sample of azimuth a, gate g (inside a GL_POINTS batch).
void desenhaPonto(int a, int g);
// Columns a table of sizeR gates per column holds in a row.
int colunasDaTabela(int sizeR);
// Cells of `azimutes` azimuths from `azimuteInicial` (clockwise) and the
// columns [inicio, fim) of the table of sizeR gates per column, in quality q
// (points always read the full table). Draws what the single-cell
// primitives would, faster.
void desenhaCelulas(qualidade q, int sizeR, int azimuteInicial, int azimutes, int inicio, int fim);
// Every cell of the scan's gate range at the current quality (full and zoom views).
void desenhaCelulasDaVarredura();

// ---- overlays (sobreposicao.cpp, aneis.cpp, selecao.cpp, texto.cpp)
void drawEscala();
void drawMapa();
void drawCidades();
// Map outline and city labels placed for `lugar` (nothing for an unknown site).
void desenhaSobreposicaoDoSitio();
void drawSelecao(float x0, float y0, float x1, float y1);
// Inner arc of `abertura` degrees counter-clockwise from `inicio`, radial,
// outer arc, radial back (gates, polar degrees), as one closed line.
void desenhaContornoSetor(double raioI, double raioF, int inicio, int abertura);
// Puts the view transform (scale about the centre xZero, yZero) on the modelview.
void aplicaTransformacaoDaVista();
void drawString(const char* s, int tamanho);
// drawString at (x, y) of the current frame.
void escreveEm(float x, float y, const char* s, int tamanho = 0);
// Text colour over the graph's and table's background: white on black, black on white.
void aplicaCorDoTexto();
void drawPosition();

#endif
