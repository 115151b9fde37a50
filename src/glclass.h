// Shared declarations of the window code: view state, the main window's
// callbacks and the primitives that draw polar cells.
#ifndef VORLANE_GLCLASS_H
#define VORLANE_GLCLASS_H

constexpr double GRAUS_PARA_RADIANOS = 0.0174532925; // radians per degree
constexpr double RAIOS_POR_UNIDADE = 2000.0;          // gates per scan-frame unit

enum qualidade { BOA = 0, RUIM = 1, PIOR = 2 };

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

// ---- main window (janela.cpp)
void resize(int w, int h);
void display();
// Draws the current view into the back buffer without swapping, so tests and
// snapshots can read what the user sees.
void desenhaPrincipal();
void displayBolacha();
// Creates the main window and registers its callbacks.
void criaJanelaPrincipal();

// ---- polar cells (celulas.cpp)
void drawQuadradoSimples(int sizeR, int t, int r);
void drawQuadrado(int sizeR, int i, int r);
void drawQuadradoReal(float x, float y, float xp, float yp, int cor);
// Columns a table of sizeR gates per column holds in a row.
int colunasDaTabela(int sizeR);
// Every cell of the scan's gate range at the current quality (full and zoom views).
void desenhaCelulasDaVarredura();

#endif
