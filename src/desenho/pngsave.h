// PNG pictures (8-bit RGB) of the current GL read buffer.
#ifndef VORLANE_PNGSAVE_H
#define VORLANE_PNGSAVE_H

#include <string>

// Reads width x height pixels with lower-left corner (0, 0) from the current
// read buffer and writes them, top row first, to `filename`, which must not
// exist yet (a file is never replaced). 0 when written, 1 otherwise (with
// one stderr line).
int gravaPng(const char* filename, int width, int height);

// A snapshot as gravaInstantaneo's (tiffsave.h), named "<scan>-NNNN.png":
// the first number from contadorDeImagens upward whose file does not exist,
// the counter then after it. 0 with `nome` the file written, or 1 after one
// stderr line.
int gravaInstantaneoPng(int width, int height, std::string& nome);

#endif
