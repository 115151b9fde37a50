// The 33-entry reflectivity palette, the colour modes and the pure rule that
// turns a dBZ value into a colour (the GL lookups live in glauxiliar).
#ifndef VORLANE_CORES_H
#define VORLANE_CORES_H

struct colorido {
    unsigned char R, G, B; // 0..255
};

constexpr int N_CORES = 33;
extern colorido cores[N_CORES]; // entry k belongs to 2.5 k - 12.5 dBZ; filled by inciaCores

// Settings enums have a fixed int type: any value a caller stores is valid to
// read, and the code treats values outside the list as "none of these".
enum coloridoEscolha : int { COR_MAXIMO = 0, COR_MEDIO = 1, COR_MINIMO = 2, COR_BRILHO = 3 };

void inciaCores();

// Lowest value drawn as data; anything below (or NaN) is "no data".
constexpr float DBZ_MINIMO = -12.5f;

// A colour as the GL call would set it: bytes for a palette entry in
// COR_MEDIO, floats 0..1 otherwise.
struct CorAmostra {
    bool emBytes;
    unsigned char b[3];
    float f[3];
};

// Which no-data colour applies: the map's grey or the profile line's.
enum class UsoDaCor { MAPA, LINHA };

// Colour of value v in mode `modo`; false (nothing set) for a mode outside 0..3.
bool corDoValor(float v, int modo, UsoDaCor uso, CorAmostra& cor);

// The map colour of a value with echo (v >= DBZ_MINIMO) as floats 0..1, as
// the drawing sends it: false for a mode outside 0..3.
bool corEmFloats(float v, int modo, float cor[3]);

// Palette entry of v in COR_MEDIO (v >= -12.5): its 2.5-dBZ class, the last
// entry for 68.75 dBZ and above.
int indiceMedio(float v);

// Palette entry of legend row i (0..31) in COR_MINIMO.
int entradaDaLegendaMinima(int i);

#endif
