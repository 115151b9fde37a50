// Reuse of a window's last frame: when nothing a frame depends on has
// changed (a pointer movement only changes the readout), the frame is copied
// back from a texture instead of being drawn again.
//
// A frame is only kept once the window's buffers are known to have the
// window's size: some drivers (the software renderer among them) resize
// the buffers only at the swap that follows a resize, so the first frame
// after it is drawn into buffers of the old size.
#ifndef VORLANE_QUADROS_H
#define VORLANE_QUADROS_H

#include <cstddef>
#include <cstring>
#include <type_traits>
#include <vector>

// The bytes of the given objects, one after the other: the key of a frame
// drawn from them (objects of plain data, compared as bytes).
template <class... Partes>
std::vector<unsigned char> chaveDe(const Partes&... partes) {
    static_assert((std::is_trivially_copyable_v<Partes> && ...), "keys are compared as bytes");
    std::vector<unsigned char> chave;
    chave.reserve((sizeof(Partes) + ...)); // also spares g++ 12 a false overflow warning
    (chave.insert(chave.end(), reinterpret_cast<const unsigned char*>(&partes),
                  reinterpret_cast<const unsigned char*>(&partes) + sizeof partes),
     ...);
    return chave;
}

class QuadroGuardado {
public:
    // Draws the kept frame into the back buffer if it was made from `chave`
    // at this window size; false (nothing drawn) otherwise.
    bool reutiliza(const void* chave, std::size_t tamanho, int largura, int altura);
    // Keeps the back buffer's contents as the frame of `chave`, unless no
    // swap has happened yet at this size; false when nothing was kept (the
    // caller then redraws after the swap to get a frame worth keeping).
    bool guarda(const void* chave, std::size_t tamanho, int largura, int altura);
    // Records that the window's buffers were swapped at this size.
    void trocou(int largura, int altura);
    // True once a swap happened at this size (its buffers have it).
    bool tamanhoTrocado(int w, int h) const { return w == larguraTrocada && h == alturaTrocada; }
    void invalida() { valido = false; }

private:
    std::vector<unsigned char> chaveGuardada;
    unsigned textura = 0;
    int largura = 0, altura = 0;
    int larguraTrocada = -1, alturaTrocada = -1; // size at the last swap
    bool valido = false;
};

// Forgets every kept frame (for data that no key covers changing, e.g. in tests).
void invalidaQuadros();
// Turns reuse off (every frame drawn anew, and still kept) or back on; for comparisons.
void reusaQuadros(bool sim);

#endif
