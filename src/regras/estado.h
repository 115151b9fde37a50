// The program's state: every global it changes, grouped as the view, the
// selection, the drag, the settings, the pointer readout, the windows and
// the scan, and the step that puts them back to their starting values.
//
// The view, selection, drag, settings and readout globals are names for
// the fields of one object per group, so a group is reset, copied or
// compared as a whole: the kept frames are keyed by the groups they are
// drawn from, and a field added to a group is part of the key without
// further ado. The drag's outline is drawn over the kept view.
#ifndef VORLANE_ESTADO_H
#define VORLANE_ESTADO_H

#include "cidades.h"
#include "cores.h"
#include "matriz.h"
#include "volume.h"
#include "serie.h"
#include "leitura/seguidor.h"

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

// ------------------------------------------------------------------ the view
struct GrupoVista {
    unsigned width = 640, height = 640;          // main window size in pixels as last given to resize
    EstadosPossiveis estado = ESPERA;            // interaction state
    EstadosPossiveis estadoAnterior = ESPERA;    // state of the saved view
    float escalaGlobal = 1;                      // view units per scan-frame unit, > 0; point size in PIOR
    float xZero = 0, yZero = 0;                  // scan-frame point at the centre of the view
    float xIntervalo = 0, yIntervalo = 0;        // width and height of the scan region shown
    float xMin = 2, yMin = 2, xMax = -2, yMax = -2; // corners of the region shown (empty box: 2, 2, -2, -2)
    float escalaGlobalOld = 1, xZeroOld = 0, yZeroOld = 0; // saved view
};
extern GrupoVista grupoVista;
extern unsigned &width, &height;
extern EstadosPossiveis &estado, &estadoAnterior;
extern float &escalaGlobal, &xZero, &yZero, &xIntervalo, &yIntervalo, &xMin, &yMin, &xMax, &yMax;
extern float &escalaGlobalOld, &xZeroOld, &yZeroOld;

// ------------------------------------------------------------- the selection
struct GrupoSelecao {
    double quadradoZoom[2] = {0, 0};             // lower-left corner of the last zoom square, scan frame
    unsigned pontos[2][2] = {{0, 0}, {359, 1998}}; // sector limits: [k][0] polar angle 0..359, [k][1] gate 0..1999
    unsigned abertura = 0;                       // sector width in degrees, 0..180
    unsigned retaPontos[2][2] = {{0, 0}, {359, 1998}}; // profile ends: [k][0] azimuth, [k][1] gate
    unsigned selecao[3] = {0, 0, 0};             // profile: radial {first, last gate, azimuth}; angular {first, last azimuth, gate}
    int primeiroRaio = 4, primeiroAngulo = 0;    // numeric table origin before the arrow offsets
    int ajusteR = 0, ajusteA = 0;                // arrow-key offsets in gates and degrees
    bool isLinha = true;                         // profile kind: true radial, false angular
};
extern GrupoSelecao grupoSelecao;
extern double (&quadradoZoom)[2];
extern unsigned (&pontos)[2][2];
extern unsigned& abertura;
extern unsigned (&retaPontos)[2][2];
extern unsigned (&selecao)[3];
extern int &primeiroRaio, &primeiroAngulo, &ajusteR, &ajusteA;
extern bool& isLinha;

// ------------------------------------------- the drag (drawn over the view)
struct GrupoArrasto {
    fig figure = {0, 0, 0, 0, 0};                // figure being dragged
    float xSelecaoInicial = 0, ySelecaoInicial = 0; // drag start, view frame
    float xSelecaoAtual = 0, ySelecaoAtual = 0;  // drag's current point, view frame
    unsigned contaPontos = 0;                    // corners recorded for a sector or zoom drag: 0, 1 or 2
    unsigned contaPontosReta = 0;                // corners recorded for a profile drag: 0, 1 or 2
    unsigned raioItemp = 0, raioFtemp = 0;       // sector outline last drawn during a drag: gates
    unsigned anguloItemp = 0, anguloFtemp = 0;   // ... and polar angles
    bool tracking = false;                       // a selection drag is in progress
};
extern GrupoArrasto grupoArrasto;
extern fig& figure;
extern float &xSelecaoInicial, &ySelecaoInicial, &xSelecaoAtual, &ySelecaoAtual;
extern unsigned &contaPontos, &contaPontosReta;
extern unsigned &raioItemp, &raioFtemp, &anguloItemp, &anguloFtemp;
extern bool& tracking;

// -------------------------------------------------------------- the settings
struct GrupoAjustes {
    qualidade qualidadeImagem = RUIM;            // how cells are drawn
    int qualidadeR = 4;                          // gates per drawn cell: 1, 2 or 4
    coloridoEscolha coresSuave = COR_MEDIO;      // colour mode
    nivelColoridoTipo nivelColorido = COLORIDO_E_PRETO; // text/background scheme of graph and table
    medidas unidadeMedidas = KILOMETROS;         // km or miles for rings, table, panel, readout
    int camadasDoMapa = 3;                       // CamadaDoMapa bits: lines and towns on, rivers off
};
extern GrupoAjustes grupoAjustes;
extern qualidade& qualidadeImagem;
extern int& qualidadeR;
extern coloridoEscolha& coresSuave;
extern nivelColoridoTipo& nivelColorido;
extern medidas& unidadeMedidas;

// The graph and table schemes: a black background (else white), coloured data (else plain).
bool fundoEscuro();
bool dadosColoridos();

// ------------------------------------------------------- the pointer readout
struct GrupoLeitura {
    float Graio = 0;           // range under the pointer, km
    unsigned Gazimute = 0;     // azimuth under the pointer, 0..359
    float Gintensidade = CODIGO_SEM_DADOS; // value under the pointer; a code (or below -25 dBZ) shows "--.-"
    bool temPontoDaLeitura = false;        // the readout's point in the scan frame is known
    float xDaLeitura = 0, yDaLeitura = 0;
    int mXI = 0, mYI = 0;      // margins of the view square in the window, pixels
};
extern GrupoLeitura grupoLeitura;
extern float& Graio;
extern unsigned& Gazimute;
extern float& Gintensidade;
extern int &mXI, &mYI;

// ---------------------------------------------------------------- the windows
extern int tipo_referencia; // view drawn last: 0 disc, 1 graph, 2 zoom, 3 sector or table
extern int janelaPrincipal; // GLUT id of the main window, 0 until it exists
extern int janela_de_fundo; // GLUT id of the minimap, 0 until it exists
extern int janelaMenu;      // GLUT id of the side panel, 0 until it exists
extern unsigned contadorDeImagens; // number of the next snapshot; 0 at start

// ------------------------------------------------------------------- the scan
extern Serie serie;       // the scans in time when several were opened (else empty)
extern Seguidor seguidor; // the followed folder (--seguir), when following
extern std::size_t janelaDaSerie; // --janela: scans a followed series keeps
extern std::string pastaSeguida;  // --seguir's folder
extern Sitio sitioDaLinhaDeComando; // --local: where a text scan's radar stands
// Where the shown scan's radar stands: --local, else the file's position.
Sitio sitioMostrado();
extern Volume volume;     // every sweep and quantity of the open file, and which one matriz shows (empty for a text scan)
extern Matriz matriz;     // the one scan (static storage: about 5.2 MB of tables); read-only after start-up
extern lugarCidade lugar; // radar site of the map overlay; UNK until start-up sets it

// Puts the view, selection, drag, settings and readout back to their starting
// values and tipo_referencia to 0. The scan, the site, the window ids and
// the snapshot counter stay.
void reiniciaEstado();

#endif
