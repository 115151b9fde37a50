// The profile graph: a radial or angular run of reflectivity as a curve.
#ifndef VORLANE_GRAFICO_H
#define VORLANE_GRAFICO_H

void displayReta();

#endif
