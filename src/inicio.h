// Start-up: the command line read into the scan and the radar site.
#ifndef VORLANE_INICIO_H
#define VORLANE_INICIO_H

// Reads the command line into `matriz` and picks `lugar`; on any failure
// prints one stderr line and exits with status 1.
void inciaMatriz(int argc, char** argv);

#endif
