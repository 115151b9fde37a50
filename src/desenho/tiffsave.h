// RGB TIFF snapshots of the current GL window.
#ifndef VORLANE_TIFFSAVE_H
#define VORLANE_TIFFSAVE_H

#include <string>

// Reads width x height pixels with lower-left corner (x, y) from the current
// read buffer and writes them, top row first in the image, to `filename`,
// which must not exist yet (a file is never replaced).
// 0 when the whole image was written, 1 otherwise (with one stderr line).
int writetiff(const char* filename, const char* description, int x, int y, int width, int height,
              int compression);

// A snapshot of the current window's width x height pixels beside the scan
// file, numbered with the first number from contadorDeImagens upward whose
// file does not exist yet; the counter then continues after the number
// used (after the number tried, by one, when the file cannot be created).
// 0 with `nome` the file written, or 1 after one stderr line.
int gravaInstantaneo(const char* description, int width, int height, int compression, std::string& nome);

#endif
