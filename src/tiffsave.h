// RGB TIFF snapshots of the current GL window.
#ifndef VORLANE_TIFFSAVE_H
#define VORLANE_TIFFSAVE_H

#include <string>

// Reads width x height pixels with lower-left corner (x, y) from the current
// read buffer and writes them, top row first in the image, to `filename`.
// 0 when the whole image was written, 1 otherwise (with one stderr line).
int writetiff(const char* filename, const char* description, int x, int y, int width, int height,
              int compression);

// Compression code of a menu value (1 LZW, 2 PackBits, 3 none), 0 for others.
int compressaoDoMenu(int valor);

extern unsigned contadorDeImagens; // number of the next snapshot; 0 at start

// "<base>-NNNN.tif" (more digits past 9999).
std::string nomeDaImagem(const char* base, unsigned numero);
// The name for the scan file and the current counter, which then advances.
std::string imageName();

#endif
