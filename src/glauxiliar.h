// Start-up loading of the scan, the GL colour lookups, the rounding rule and
// the operation that makes a square of the scan fill the view.
#ifndef VORLANE_GLAUXILIAR_H
#define VORLANE_GLAUXILIAR_H

enum lugarCidade : int { BRU = 0, PPR = 1, UNK = 2 };
extern lugarCidade lugar; // radar site of the map overlay; set once at start-up

// Reads the command line into `matriz` and picks `lugar`; on any failure
// prints one stderr line and exits with status 1.
void inciaMatriz(int argc, char** argv);

// Site of a three-letter code ("BRU", "PPR", anything else UNK).
lugarCidade lugarDoCodigo(const char* local);

// Current GL colour for the sample of row i, column j of the table chosen by
// sizeR (1, 2, 4, other: 16 gates per column). Callers keep i and j in range.
void getNewColor(int sizeR, int i, int j);
// The value getNewColor colours: row i, column j of the table of sizeR gates per column.
float valorDaColuna(int sizeR, int i, int j);
// The same on the full table, with the profile line's no-data colours.
void getLineColor(int i, int j);

// Sets the GL colour of a value directly (values outside the table, such as
// gates beyond 1999, pass the never-written code).
void aplicaCorDoValor(float v, bool paraLinha);
// tabela[azimute mod 360][raio], or the never-written code for a gate outside the table.
float valorSeguro(long azimute, long raio);

// d + 0.5 truncated toward zero.
int Aprox(double d);

void zoomSimples(double intervalo, double xInit, double yInit);

// Selections: the sector limits `pontos` put in order with their width
// `abertura`; the profile ends `retaPontos` normalised into `selecao`; the
// view box of the sector (xIntervalo, yIntervalo, xZero, yZero).
void ordenaVetor();
void ordenaVetorReta();
void vetorDados();

#endif
