// The interaction state machine: pixel conversion, the steps that save and
// restore the view, selection completions, keys and menu commands. Each
// step changes the state and returns which windows want a redraw; the GLUT
// callbacks only add the GLUT calls.
#ifndef VORLANE_INTERACAO_H
#define VORLANE_INTERACAO_H

#include "estado.h"

// Which windows a step wants redrawn.
enum Redesenho : unsigned { NENHUM = 0, PRINCIPAL = 1, PAINEL = 2 };

// Window pixel to view frame, by the window size; stores the margins in
// mXI, mYI. False when the window has no usable size (the point is unknown).
bool pixelParaVista(int x, int y, unsigned w, unsigned h, int& margemX, int& margemY, float& xv, float& yv);
inline bool dentroDoQuadrado(float xv, float yv) { return xv >= -1 && xv <= 1 && yv >= -1 && yv <= 1; }

void restauraVista(); // back to the saved view, which is then emptied
void salvaVista();    // the current view becomes the saved one; full view shown
void resetFigure();
void selecaoInicia(float x, float y);
void selecaoTermina(float x, float y);

// Left-button press (pressionado) or release at a view point, by state.
unsigned trataBotaoEsquerdo(bool pressionado, float xv, float yv);

// Pointer readout for a view point (the state decides the frame).
void atualizaLeitura(float xv, float yv);
// The readout again at the last pointer position (the table changed under it).
void releLeitura();

unsigned trataTecla(unsigned char tecla);
unsigned trataTeclaEspecial(int tecla);

// ---- menus: the value of each entry, named once for the menus' builder
// and the commands below. The settings menus list their settings in order.
enum ValorPrincipal : int { AMPLIAR = 1, VOLTAR = 2, SAIR = 3 };
enum ValorVisualizar : int { SETOR_CIRCULAR = 1, DESLOCAR_BOLACHA = 2, VALORES_NUMERICOS = 3 };
enum ValorPerfil : int { INTERVALO_ANGULAR = 1, INTERVALO_RADIAL = 2 };
enum ValorSalvar : int { COMO_TEXTO = 1 };
enum ValorImagem : int { COMPRESSAO_LZW = 1, COMPRESSAO_PACKBITS = 2, SEM_COMPRESSAO = 3 };
enum ValorFundoETexto : int {
    TEXTO_PRETO_FUNDO_BRANCO = 1, // PRETO_E_BRANCO, then the schemes in their order
    TEXTO_BRANCO_FUNDO_PRETO,
    TEXTO_COLORIDO_FUNDO_PRETO,
    TEXTO_COLORIDO_FUNDO_BRANCO
};
enum ValorQualidade : int { INTERPOLAR_CORES = 1, NAO_INTERPOLAR, PONTOS_SIMPLES }; // BOA, RUIM, PIOR
enum ValorQuantidadeDeCores : int { MAXIMO_DE_CORES = 1, CORES_32, CORES_5, BRILHO }; // COR_MAXIMO ...
enum ValorUnidades : int { EM_KILOMETROS = 1, EM_MILHAS = 2 };
enum ValorLeitura : int { LEITURA_250_M = 1, LEITURA_500_M = 2, LEITURA_1_KM = 3 };

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

#endif
