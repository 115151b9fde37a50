// The GLUT side: start-up of GLUT, the three windows with their display and
// reshape callbacks, and the swap of their buffers.
#ifndef VORLANE_JANELAS_H
#define VORLANE_JANELAS_H

// Tunes the C library's allocator for steady redraw times; call first thing.
void preparaAlocador();
// glutInit with only the name `programa` as command line, then the display
// mode; without an X display, one stderr line and false.
bool iniciaGlut(const char* programa);

// Each creates its window, registers its callbacks and leaves it current.
void criaJanelaPrincipal();
void criaPainel();
void criaMinimapa();

// Display and reshape callbacks.
void display();
void displayMenu();
void display_minimap();
void resize(int w, int h);

// desenhaPrincipal for reading back (snapshots): when the window's size
// has not been through a swap yet, a frame is swapped first so the buffers
// have the window's size.
void desenhaPrincipalNoTamanhoReal();

#endif
