// The "Salvar" menu's callbacks: the text export of the region shown and
// the TIFF and PNG snapshots of the main window.
#ifndef VORLANE_SALVAR_H
#define VORLANE_SALVAR_H

// Compression code of an entry of "Como Imagem" (LZW, PackBits, none), 0 for others.
int compressaoDoMenu(int valor);

// Value of the "PNG" entry of "Como Imagem", after the TIFF compressions.
constexpr int IMAGEM_PNG = 4;

void menuSalvar(int valor);
void menuTiff(int value);
// The "Como Imagem" callback: IMAGEM_PNG a PNG snapshot, else menuTiff.
void menuImagem(int valor);

#endif
