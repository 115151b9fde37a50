// Reuse of a window's last frame: when nothing a frame depends on has
// changed (a pointer movement only changes the readout), the frame is copied
// back from a texture instead of being drawn again.
#ifndef VORLANE_QUADROS_H
#define VORLANE_QUADROS_H

#include <cstddef>
#include <vector>

class QuadroGuardado {
public:
    // Draws the kept frame into the back buffer if it was made from `chave`
    // at this window size; false (nothing drawn) otherwise.
    bool reutiliza(const void* chave, std::size_t tamanho, int largura, int altura);
    // Keeps the back buffer's contents as the frame of `chave`.
    void guarda(const void* chave, std::size_t tamanho, int largura, int altura);
    void invalida() { valido = false; }

private:
    std::vector<unsigned char> chaveGuardada;
    unsigned textura = 0;
    int largura = 0, altura = 0;
    bool valido = false;
};

// Forgets every kept frame (for data that no key covers changing, e.g. in tests).
void invalidaQuadros();

#endif
