// Shared declarations of the drawing side: the scan views, the profile
// graph and the table, polar cells, overlays, the text primitive, the side
// panel and the minimap. Everything here draws with GL into the current
// window; the windows themselves and their callbacks are in janelas.h.
#ifndef VORLANE_GLCLASS_H
#define VORLANE_GLCLASS_H

#include "estado.h"
#include "quadros.h"

// ---- main window's views (vistas.cpp, grafico.cpp, tabela.cpp)
// Draws the current view into the back buffer without swapping, so tests can
// read what the user sees.
void desenhaPrincipal();
// The next desenhaPrincipal draws the view anew instead of reusing the last one.
void invalidaVistaPrincipal();
// Each window's kept frame (the window side records its swaps there).
QuadroGuardado& quadroGuardadoPrincipal();
QuadroGuardado& quadroGuardadoDoPainel();
QuadroGuardado& quadroGuardadoDoMinimapa();
void displayBolacha();
void displayZoom();
void displayCorte();
void displayReta();
void displayDados();

// ---- side panel (painel.cpp) and minimap (minimapa.cpp)
void desenhaPainel();   // the panel's frame, without the swap
void desenhaMinimapa(); // the minimap's frame, without the swap
void drawCores();
void drawQuadradoSuave(float x, float y, float xp, float yp, int cor);
void drawQuadradoReal(float x, float y, float xp, float yp, int cor);
void display_bolacha_minimap();

// ---- polar cells (celulas.cpp)
// A vertex `raio` gates from the radar at `radianos` from east, scan frame.
void verticePolar(double raio, double radianos);
void drawQuadradoSimples(int sizeR, int t, int r);
void drawQuadrado(int sizeR, int i, int r);
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
