// Following a folder: only complete, visible files are reported, once per
// completion; a missing or vanished folder and a flood of events are survived.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "leitura/seguidor.h"

namespace {

// A fresh folder under /tmp, removed with what it holds at the end.
struct PastaTemporaria {
    std::string nome;
    PastaTemporaria() {
        char modelo[] = "/tmp/vorlane_seguidor_XXXXXX";
        nome = mkdtemp(modelo) ? modelo : "";
    }
    ~PastaTemporaria() {
        if (!nome.empty()) std::system(("rm -rf '" + nome + "'").c_str());
    }
    std::string em(const std::string& arquivo) const { return nome + "/" + arquivo; }
};

void escreveCompleto(const std::string& caminho) { std::ofstream(caminho) << "x"; }

// Everything reported until `ultimo` appears (at most ~2 s). Events keep their
// order, so an unwanted report would come before the marker.
std::vector<std::string> ate(Seguidor& seg, const std::string& ultimo, std::size_t maximo = 64) {
    std::vector<std::string> todos;
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while ((todos.empty() || todos.back() != ultimo) && std::chrono::steady_clock::now() < limite) {
        for (std::string& s : seg.novos(maximo)) todos.push_back(s);
        if (todos.empty() || todos.back() != ultimo) usleep(2000);
    }
    return todos;
}

TEST(Seguidor, SoArquivosCompletosEVisiveis) {
    PastaTemporaria p;
    ASSERT_FALSE(p.nome.empty());
    Seguidor seg;
    std::string erro;
    ASSERT_TRUE(seg.segue(p.nome, erro)) << erro;
    EXPECT_TRUE(seg.seguindo());
    EXPECT_GE(seg.descritor(), 0);

    const std::string scan = p.em("scan.txt");
    const int fd = open(scan.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(write(fd, "meia", 4), 4);
    escreveCompleto(p.em("a"));
    EXPECT_EQ(ate(seg, p.em("a")), std::vector<std::string>{p.em("a")});
    ASSERT_EQ(write(fd, "outra", 5), 5);
    escreveCompleto(p.em("b"));
    EXPECT_EQ(ate(seg, p.em("b")), std::vector<std::string>{p.em("b")});
    close(fd);
    escreveCompleto(p.em("c"));
    // One per call: the rest must stay queued, in order, each once.
    EXPECT_EQ(ate(seg, p.em("c"), 1), (std::vector<std::string>{scan, p.em("c")}));

    ASSERT_EQ(mkdir((p.nome + "_fora").c_str(), 0755), 0);
    ASSERT_EQ(std::rename((p.nome + "_fora").c_str(), p.em("pasta.h5").c_str()), 0); // a folder: not a scan
    escreveCompleto(p.em(".tmp"));
    ASSERT_EQ(std::rename(p.em(".tmp").c_str(), p.em("scan.h5").c_str()), 0);
    escreveCompleto(scan); // rewritten: reported again
    EXPECT_EQ(ate(seg, scan), (std::vector<std::string>{p.em("scan.h5"), scan}));
    EXPECT_FALSE(seg.perdeuEventos());
}

TEST(Seguidor, PastaAusenteOuRemovida) {
    Seguidor seg;
    std::string erro;
    const std::string ausente = "/tmp/vorlane_nao_existe_'7'";
    EXPECT_FALSE(seg.segue(ausente, erro));
    EXPECT_NE(erro.find("nao foi possivel seguir a pasta '" + ausente + "'"), std::string::npos) << erro;
    EXPECT_EQ(erro.find('\n'), std::string::npos);
    EXPECT_FALSE(seg.seguindo());
    EXPECT_EQ(seg.descritor(), -1);

    PastaTemporaria p;
    ASSERT_TRUE(seg.segue(p.nome, erro)) << erro;
    ASSERT_EQ(rmdir(p.nome.c_str()), 0);
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (seg.seguindo() && std::chrono::steady_clock::now() < limite) {
        EXPECT_TRUE(seg.novos().empty());
        usleep(2000);
    }
    EXPECT_FALSE(seg.seguindo());
    EXPECT_EQ(seg.descritor(), -1);
    EXPECT_TRUE(seg.novos().empty());
    EXPECT_FALSE(seg.perdeuEventos());
}

// Closes two files in turn `vezes` times: the kernel merges only an event
// equal to the last one queued.
void enxurrada(const PastaTemporaria& p, const char* a, const char* b, long vezes) {
    const std::string nomes[2] = {p.em(a), p.em(b)};
    for (long i = 0; i < vezes; ++i) {
        const int fd = open(nomes[i % 2].c_str(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        close(fd);
    }
}

bool perdeAte(Seguidor& seg) {
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (std::chrono::steady_clock::now() < limite)
        if (seg.perdeuEventos()) return true;
    return false;
}

TEST(Seguidor, EnxurradaDeEventos) {
    long filaDoNucleo = 16384;
    std::ifstream("/proc/sys/fs/inotify/max_queued_events") >> filaDoNucleo;
    if (filaDoNucleo > 200000) GTEST_SKIP() << "fila do nucleo grande demais: " << filaDoNucleo;
    PastaTemporaria p;
    Seguidor seg;
    std::string erro;
    ASSERT_TRUE(seg.segue(p.nome, erro)) << erro;
    // Hidden names first: never queued, so only the kernel's overflow tells.
    enxurrada(p, ".x", ".y", filaDoNucleo + 1000);
    EXPECT_TRUE(perdeAte(seg));
    EXPECT_FALSE(seg.perdeuEventos()); // resets on reading
    EXPECT_TRUE(seg.novos().empty());
    // Visible names: the queue stops at its bound and says so.
    enxurrada(p, "x", "y", filaDoNucleo + 1000);
    EXPECT_TRUE(perdeAte(seg));
    std::size_t relatados = 0;
    for (std::vector<std::string> v; !(v = seg.novos(1000)).empty();) {
        EXPECT_LE(v.size(), 1000U);
        relatados += v.size();
    }
    EXPECT_GT(relatados, 0U);
    EXPECT_LE(relatados, Seguidor::MAXIMO_PENDENTES);
    EXPECT_TRUE(seg.seguindo());
}

} // namespace
