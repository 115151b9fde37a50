// The numeric table: 30 gates by 14 azimuths of values around a point.
#ifndef VORLANE_TABELA_H
#define VORLANE_TABELA_H

void displayDados();

#endif
