// Stepping through a volume from the window: tilts (Page Up / Page Down),
// moments (`p`) and the side panel's "Produto" menu of the shown sweep's
// moments.
#ifndef VORLANE_PRODUTOS_H
#define VORLANE_PRODUTOS_H

// Adds the "Produto" submenu to the current menu (the side panel's) when a
// volume is open; nothing for a text scan.
void criaMenuDeProdutos();

// The "Produto" entries again, after the shown sweep changed.
void atualizaMenuDeProdutos();

// Page Up (+1) / Page Down (-1): the next higher / lower tilt.
void passaElevacaoNaJanela(int passo);
// `p`: the next moment of the shown sweep, wrapping.
void passaMomentoNaJanela();

#endif
