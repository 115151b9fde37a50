// The inotify side of Seguidor: one descriptor, one watch on the folder, and
// the events parsed into a bounded queue of completed names.
#include "seguidor.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace {

// Reads per call at most, so a writer that never stops cannot hold us here.
constexpr int LEITURAS_POR_VEZ = 1024;

// The text on one line: control characters of a folder name become '?'.
std::string numaLinha(const std::string& texto) {
    std::string s = texto;
    for (char& c : s)
        if (static_cast<unsigned char>(c) < 32 || c == 127) c = '?';
    return s;
}

} // namespace

Seguidor::~Seguidor() { fecha(); }

void Seguidor::fecha() {
    if (fd >= 0) close(fd);
    fd = -1;
    observado = -1;
}

bool Seguidor::segue(const std::string& nova, std::string& erro) {
    fecha();
    fila.clear();
    perdeu = false;
    fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd >= 0)
        observado = inotify_add_watch(fd, nova.c_str(),
                                      IN_CLOSE_WRITE | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR);
    if (fd < 0 || observado < 0) {
        erro = "nao foi possivel seguir a pasta '" + numaLinha(nova) + "': " + std::strerror(errno);
        fecha();
        return false;
    }
    pasta = nova;
    if (pasta.empty() || pasta.back() != '/') pasta += '/';
    return true;
}

void Seguidor::trata(unsigned mascara, int wd, const std::string& nome) {
    if (mascara & IN_Q_OVERFLOW) perdeu = true;
    if (wd != observado) return;
    if (mascara & (IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF)) observado = -1;
    if ((mascara & IN_ISDIR) || !(mascara & (IN_CLOSE_WRITE | IN_MOVED_TO))) return;
    if (nome.empty() || nome[0] == '.') return;
    if (fila.size() >= MAXIMO_PENDENTES) {
        perdeu = true;
        return;
    }
    fila.push_back(pasta + nome);
}

void Seguidor::drena() {
    alignas(struct inotify_event) char buf[4096];
    for (int vez = 0; fd >= 0 && observado >= 0 && vez < LEITURAS_POR_VEZ; ++vez) {
        const ssize_t lidos = read(fd, buf, sizeof buf);
        if (lidos < 0 && errno == EINTR) continue;
        if (lidos <= 0) break; // EAGAIN: nothing more for now
        const auto n = static_cast<std::size_t>(lidos);
        std::size_t pos = 0;
        while (pos + sizeof(struct inotify_event) <= n) {
            struct inotify_event ev {};
            std::memcpy(&ev, buf + pos, sizeof ev);
            const std::size_t inicioNome = pos + sizeof ev;
            if (ev.len > n - inicioNome) break; // truncated: never read past the bytes read
            const char* nome = buf + inicioNome;
            trata(ev.mask, ev.wd, ev.len ? std::string(nome, strnlen(nome, ev.len)) : std::string());
            pos = inicioNome + ev.len;
        }
    }
    // The folder is gone: the watch is dead, the descriptor goes too.
    if (fd >= 0 && observado < 0) fecha();
}

std::vector<std::string> Seguidor::novos(std::size_t maximo) {
    drena();
    std::vector<std::string> saida;
    while (!fila.empty() && saida.size() < maximo) {
        saida.push_back(std::move(fila.front()));
        fila.pop_front();
    }
    return saida;
}

bool Seguidor::perdeuEventos() {
    drena();
    const bool foi = perdeu;
    perdeu = false;
    return foi;
}

bool Seguidor::seguindo() const { return fd >= 0 && observado >= 0; }

int Seguidor::descritor() const { return fd; }
