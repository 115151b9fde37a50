// A series of scans in time: files given together, a folder, or a followed
// folder. Each scan is one or more files of one radar and time (ODIM files
// split per quantity join into one volume), ordered by the scan's own time.
// Read scans are kept in a cache bounded in bytes, the least recently used
// dropped first; the one shown lives in the global table and volume.
#ifndef VORLANE_SERIE_H
#define VORLANE_SERIE_H

#include <cstddef>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "cidades.h"
#include "matriz.h"
#include "volume.h"

struct EscaneamentoDaSerie {
    std::vector<const char*> arquivos; // its files (names kept by the series)
    long long instante = 0;            // seconds since 1970, UTC (text scans: their name's Brasilia time)
    std::string chave;                 // date and time, for joining files; empty for a text scan
    std::string origem;                // the radar (/what/source), for joining files
    bool odim = false;
    // Cache: the read scan, when kept.
    bool lido = false;
    Volume volume;                 // an ODIM scan's sweeps (moved to the global volume while shown)
    std::unique_ptr<Matriz> texto; // a text scan's table
    std::size_t bytes = 0;         // what it keeps
    unsigned long uso = 0;         // when last shown or read (larger is later)
};

class Serie {
public:
    static constexpr std::size_t SEM_ESCANEAMENTO = static_cast<std::size_t>(-1);

    // Adds file `nome` (copied): joined to the scan of its radar and time, or
    // a new scan in time order (after those of the same time). False, with
    // one line in `erro`, when its header cannot be read (an ODIM file) or
    // it is not there.
    bool adiciona(const std::string& nome, std::string& erro);
    // Every regular, visible file of folder `pasta`, by name; the lines of
    // those refused go to `avisos`. False with `erro` when it cannot be listed.
    bool adicionaPasta(const std::string& pasta, std::vector<std::string>& avisos, std::string& erro);

    std::size_t tamanho() const { return itens.size(); }
    std::size_t atual() const { return mostrado; }
    const EscaneamentoDaSerie& item(std::size_t k) const { return *itens[k]; }

    // Shows scan k: reads it unless kept, puts it in `m` and `v` (keeping
    // v's colour tables, the tilt nearest in angle and the quantity shown)
    // and sets `lugar` for a text scan's map. False with one line in `erro`
    // when none of its files can be read: the scan then leaves the series.
    bool mostra(std::size_t k, Matriz& m, Volume& v, lugarCidade& lugar, std::string& erro);
    // One step of reading ahead: the next scan not kept after the shown one
    // (round the end), if it fits in the bound. False when there is nothing
    // left to read or no room. A scan that fails leaves the series, its line
    // in `erro`.
    bool leAdiante(std::string& erro);
    // True when a file joined the shown scan: releMostrado reads it again
    // (with the new quantity) and shows it as it was.
    bool incompleto = false;
    bool releMostrado(Matriz& m, Volume& v, lugarCidade& lugar, std::string& erro);
    // Scans beyond the newest `n` leave the series (never the shown one
    // unless it is among them: then the oldest kept is shown).
    void limitaA(std::size_t n);

    std::size_t limiteDeBytes = std::size_t(512) << 20;
    std::size_t bytesGuardados() const;
    // Warnings of the text reader for scans read so far, not yet printed.
    std::vector<std::string> avisos;

private:
    bool carrega(EscaneamentoDaSerie& e, std::string& erro);
    void libera(std::size_t manter);
    void remove(std::size_t k);
    std::vector<std::unique_ptr<EscaneamentoDaSerie>> itens;
    std::list<std::string> nomes; // stable storage of the file names
    std::size_t mostrado = SEM_ESCANEAMENTO;
    unsigned long usos = 0;
    std::size_t maiorLido = 0; // bytes of the largest scan read, to judge room
};

// Scan time of a date "AAAAMMDD" and time "HHMMSS" in UTC, in seconds since
// 1970; 0 when malformed.
long long instanteUtc(const std::string& data, const std::string& hora);

// Panel line of the place in a series, "Quadro 3/12"; empty for one scan.
std::string textoQuadro(const Serie& s);

#endif
