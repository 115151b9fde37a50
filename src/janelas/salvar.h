// The "Salvar" menu's callbacks: the text export of the region shown and
// the TIFF snapshot of the main window.
#ifndef VORLANE_SALVAR_H
#define VORLANE_SALVAR_H

// Compression code of an entry of "Como Imagem" (LZW, PackBits, none), 0 for others.
int compressaoDoMenu(int valor);

void menuSalvar(int valor);
void menuTiff(int value);

#endif
