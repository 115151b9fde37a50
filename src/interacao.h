// The interaction state machine: pixel conversion, the steps that save and
// restore the view, selection completions, keys and menu commands. Each
// step changes globals and returns which windows want a redraw; the GLUT
// callbacks (mouse, teclado, keyboard, menus) only add the GLUT calls.
#ifndef VORLANE_INTERACAO_H
#define VORLANE_INTERACAO_H

#include "glclass.h"

extern unsigned contaPontos;     // corners recorded for a sector or zoom drag: 0, 1 or 2
extern unsigned contaPontosReta; // corners recorded for a profile drag: 0, 1 or 2
extern unsigned abertura;        // sector width in degrees, 0..180
extern double quadradoZoom[2];   // lower-left corner of the last zoom square, scan frame
extern unsigned retaPontos[2][2]; // profile ends: [k][0] azimuth, [k][1] gate
extern int mXI, mYI;             // margins of the view square in the window, pixels

// Which windows a step wants redrawn.
enum Redesenho : unsigned { NENHUM = 0, PRINCIPAL = 1, PAINEL = 2 };

// Window pixel to view frame, by the window size; stores the margins in
// mXI, mYI. False when the window has no usable size (the point is unknown).
bool pixelParaVista(int x, int y, unsigned w, unsigned h, int& margemX, int& margemY, float& xv, float& yv);
inline bool dentroDoQuadrado(float xv, float yv) { return xv >= -1 && xv <= 1 && yv >= -1 && yv <= 1; }

// True when a profile or table is picked over the full disc, which is drawn
// untransformed (view points are scan points), given the state before it.
bool vistaSemTransformacao(EstadosPossiveis anterior);
// View point to scan point under the current view transform.
void vistaParaVarredura(float xv, float yv, float& xs, float& ys);

void restauraVista(); // back to the saved view, which is then emptied
void salvaVista();    // the current view becomes the saved one; full view shown
void resetFigure();
// Records a dragged sector for the minimap's outline.
struct SetorArrastado;
void registraSetor(const SetorArrastado& s);
void selecaoInicia(float x, float y);
void selecaoTermina(float x, float y);

// Left-button press (pressionado) or release at a view point, by state.
unsigned trataBotaoEsquerdo(bool pressionado, float xv, float yv);

// Pointer readout for a view point (the state decides the frame).
void atualizaLeitura(float xv, float yv);

unsigned trataTecla(unsigned char tecla);
unsigned trataTeclaEspecial(int tecla);

// Menu commands of the main window and the settings of the side panel.
unsigned comandoPrincipal(int valor);
unsigned comandoVisualizar(int valor);
unsigned comandoPerfil(int valor);
void ajustaNivelColorido(int valor);
void ajustaQualidade(int valor);
void ajustaQuantidadeDeCores(int valor);
void ajustaUnidades(int valor);
void ajustaLeitura(int valor);

// Gates and polar angles of the region "Como Texto" exports in the current
// state; false when the state has no region (nothing is exported).
bool regiaoDaExportacao(int& ori, int& orf, int& oti, int& otf);

// GLUT callbacks.
void mouse(int button, int state, int x, int y);
void mousePosicao(int x, int y);
void mouseMovimento(int x, int y);
void teclado(unsigned char key, int x, int y);
void keyboard(int key, int x, int y);
void menuMain(int valor);
void menuSubGraficoSelect(int valor);
void menuSubGrafico(int valor);
void menuSalvar(int valor);
void menuTiff(int value);
void menuDados(int valor);
void menuSubDadosCores(int valor);
void menuSubCores(int valor);
void menuSubCorQuantidade(int valor);
void menuSubMedidas(int valor);
void menuSubLeituraQualidade(int value);

// Creates the side panel and the minimap with their callbacks and the
// pop-up menus of both trees (the main window must exist and be current).
void criaMenusPrincipais();
void criaPainelEMinimapa();

#endif
