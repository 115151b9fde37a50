// Time from the window: stepping through a series (`.`, `,`, Home, End),
// the loop (space, `+`, `-`) on GLUT's timer, reading ahead while idle and
// following a folder for new scans.
#ifndef VORLANE_TEMPO_H
#define VORLANE_TEMPO_H

// Starts reading ahead and following, once the windows exist.
void iniciaTempo();

// The keys of time: true when `tecla` (a character) is one and was handled.
bool teclaDoTempo(unsigned char tecla);
// Home / End: true when handled.
bool teclaEspecialDoTempo(int tecla);
// Any other key or click stops the loop.
void paraLaco();

#endif
