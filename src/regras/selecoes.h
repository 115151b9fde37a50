// Selections and the view: view point to scan point and back, the square
// zoom, the sector limits in order with their width, the profile's ends
// and the sector's view box.
#ifndef VORLANE_SELECOES_H
#define VORLANE_SELECOES_H

#include "estado.h"

struct SetorArrastado;

// True when a profile or table is picked over the full disc, which is drawn
// untransformed (view points are scan points), given the state before it.
bool vistaSemTransformacao(EstadosPossiveis anterior);
// View point to scan point under the current view transform, and back.
void vistaParaVarredura(float xv, float yv, float& xs, float& ys);
void varreduraParaVista(double xs, double ys, double& xv, double& yv);

// Makes the square of side `intervalo` with lower-left corner (xInit, yInit),
// scan frame, fill the view.
void zoomSimples(double intervalo, double xInit, double yInit);

// The sector limits `pontos` put in order with their width `abertura`; the
// profile ends `retaPontos` normalised into `selecao`; the view box of the
// sector (xIntervalo, yIntervalo, xZero, yZero).
void ordenaVetor();
void ordenaVetorReta();
void vetorDados();

// Records a dragged sector for the minimap's outline.
void registraSetor(const SetorArrastado& s);

#endif
