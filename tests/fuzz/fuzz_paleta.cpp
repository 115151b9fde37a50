// The GR colour table reader on any bytes. On success the table holds
// 1..MAX_CORES_PALETA entries, ascending, with finite values, a usable
// scale and short printable texts; on failure one line of error naming the
// line, and the caller's table as it was.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "leitura/paleta_gr.h"

namespace {

bool textoCurto(const std::string& s) {
    if (s.size() > MAX_TEXTO_PALETA) return false;
    for (char c : s)
        if (c < 0x20 || c > 0x7e) return false;
    return true;
}

bool umaLinha(const std::string& s) { return s.find('\n') == std::string::npos && s.find('\r') == std::string::npos; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    std::istringstream entrada(std::string(reinterpret_cast<const char*>(dados), tamanho));
    TabelaDeCores t;
    t.produto = "antes";
    std::string erro, aviso;
    if (!lePaletaGr(entrada, "f.pal", t, erro, aviso)) {
        if (erro.rfind("'f.pal' linha ", 0) != 0 || !umaLinha(erro) || !aviso.empty()) std::abort();
        if (t.produto != "antes" || !t.entradas.empty()) std::abort();
        return 0;
    }
    if (t.entradas.empty() || t.entradas.size() > MAX_CORES_PALETA) std::abort();
    double anterior = -MAX_VALOR_PALETA;
    for (const EntradaDeCor& e : t.entradas) {
        if (!(e.valor >= anterior && e.valor <= MAX_VALOR_PALETA)) std::abort(); // also NaN
        if (e.solida && e.temFinal) std::abort();
        anterior = e.valor;
    }
    if (!std::isfinite(t.escala) || t.escala == 0 || std::fabs(t.escala) > MAX_VALOR_PALETA) std::abort();
    if (!(std::fabs(t.deslocamento) <= MAX_VALOR_PALETA)) std::abort();
    if (!(t.passo >= 0 && t.passo <= MAX_VALOR_PALETA)) std::abort();
    if (!textoCurto(t.produto) || !textoCurto(t.unidade) || !umaLinha(aviso)) std::abort();
    if (!aviso.empty() && aviso.rfind("'f.pal' linha ", 0) != 0) std::abort();
    return 0;
}
