// The text primitive (freeglut's bitmap fonts, without glutInit) and the
// status bar's position readout.
#ifndef VORLANE_TEXTO_H
#define VORLANE_TEXTO_H

void drawString(const char* s, int tamanho);
// drawString at (x, y) of the current frame.
void escreveEm(float x, float y, const char* s, int tamanho = 0);
// A Latin-1 text (map labels) at (x, y): bytes with a glyph in the font's
// Latin-1 range are drawn, others skipped. Its width in pixels.
void escreveLatin1(float x, float y, const char* s);
int larguraLatin1(const char* s);
// Text colour over the graph's and table's background: white on black, black on white.
void aplicaCorDoTexto();
// The readout at the status bar's left; escondeLeitura(true) leaves it
// empty (pictures made without a pointer).
void drawPosition();
void escondeLeitura(bool sim);

#endif
