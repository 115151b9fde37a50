// Following a folder with inotify: the scan files that become complete there,
// read without blocking so the viewer's idle loop can poll it.
#ifndef VORLANE_SEGUIDOR_H
#define VORLANE_SEGUIDOR_H

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

// Follows a folder for scan files that become complete there: written and
// closed (IN_CLOSE_WRITE) or moved in whole (IN_MOVED_TO). A file still
// being written is never reported.
class Seguidor {
public:
    // Names kept waiting at most; beyond that they are dropped as lost.
    static constexpr std::size_t MAXIMO_PENDENTES = 10000;

    Seguidor() = default;
    ~Seguidor(); // closes the inotify descriptor
    Seguidor(const Seguidor&) = delete;
    Seguidor& operator=(const Seguidor&) = delete;
    // Starts following `pasta`; false with one line in `erro` (Portuguese, e.g.
    // "nao foi possivel seguir a pasta 'x': <strerror>") when it cannot.
    bool segue(const std::string& pasta, std::string& erro);
    // Never blocks: the full paths ("pasta/nome") of the files completed since the
    // last call, in the order they completed, each once per completion (a file
    // rewritten later is reported again), at most `maximo` per call (the rest
    // stay queued for the next calls). Hidden files (name starting with '.')
    // are not reported (writers often write ".x.tmp" and rename it into place).
    std::vector<std::string> novos(std::size_t maximo = 64);
    // True after the kernel dropped events (queue overflow) since the last
    // call: the caller should list the folder again. Resets on reading.
    bool perdeuEventos();
    // True while following; false after the folder was deleted or moved away
    // (IN_DELETE_SELF / IN_MOVE_SELF / IN_IGNORED).
    bool seguindo() const;
    int descritor() const; // for tests; -1 when not following

private:
    void drena();
    void trata(unsigned mascara, int observado, const std::string& nome);
    void fecha();

    int fd = -1;
    int observado = -1;
    bool perdeu = false;
    std::string pasta;
    std::deque<std::string> fila;
};

#endif
