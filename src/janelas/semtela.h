// Pictures without a screen: the main window's picture drawn into a GL
// context that needs no display (EGL on Mesa's surfaceless platform, into
// a framebuffer object) and written to a file.
#ifndef VORLANE_SEMTELA_H
#define VORLANE_SEMTELA_H

// Draws what the main window shows in its current state at largura x altura,
// with the pointer readout empty, and writes it to `arquivo` as a PNG (`png`)
// or an LZW TIFF; the file must not exist. 0 when written, else 1 after one
// stderr line.
int gravaImagemSemTela(const char* arquivo, bool png, int largura, int altura);

#endif
