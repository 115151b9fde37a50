// Redraw and start-up timings of the viewer against the straightforward
// drawer, on Mesa's renderer at 640 x 640. Run with `make bench`.
//
//   vorlane_bench [gerador]   (the scan generator, to make the test scans)
#include <GL/freeglut.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "aneis.h"
#include "baseline.h"
#include "cores.h"
#include "estado.h"
#include "eventos.h"
#include "geometria.h"
#include "glauxiliar.h"
#include "interacao.h"
#include "janelas.h"
#include "leitura/odim.h"
#include "mapageo.h"
#include "matriz.h"
#include "menus.h"
#include "minimapa.h"
#include "painel.h"
#include "quadros.h"
#include "selecoes.h"
#include "sobreposicao.h"
#include "texto.h"
#include "vistas.h"

namespace {

struct Medida {
    double mediana, minimo, maximo;
};

Medida mede(const std::function<void()>& passo, int repeticoes) {
    passo(); // warm-up
    std::vector<double> ms;
    for (int k = 0; k < repeticoes; ++k) {
        const auto inicio = std::chrono::steady_clock::now();
        passo();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio).count());
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front(), ms.back()};
}

void imprimeLinha(const char* nome, const Medida& m, const Medida* base) {
    if (base)
        std::printf("%-40s %9.2f %9.2f %9.2f %9.2f %7.1fx\n", nome, m.mediana, m.minimo, m.maximo, base->mediana,
                    base->mediana / m.mediana);
    else
        std::printf("%-40s %9.2f %9.2f %9.2f %9s %8s\n", nome, m.mediana, m.minimo, m.maximo, "-", "-");
}

void janela(int id) { glutSetWindow(id); }

// VORLANE_BENCH_CASOS=text keeps only the rows whose name contains it.
bool quer(const char* nome) {
    const char* filtro = std::getenv("VORLANE_BENCH_CASOS");
    return filtro == nullptr || std::strstr(nome, filtro) != nullptr;
}

// The main window's view as the program draws it, with the baseline's cells.
void quadroBase() {
    glMatrixMode(GL_MODELVIEW);
    glShadeModel(qualidadeImagem == BOA ? GL_SMOOTH : GL_FLAT);
    glClearColor(0.6f, 0.6f, 0.6f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const bool setor = estado == EXIBE_FATIA;
    glPushMatrix();
    if (setor) escalaGlobal = 2 / std::max(xIntervalo, yIntervalo);
    if (estado != ESPERA) aplicaTransformacaoDaVista();
    if (setor) baselineCelulasDoSetor();
    else baselineCelulasDaVarredura();
    drawEscala();
    desenhaSobreposicaoDoSitio();
    glPopMatrix();
    drawPosition();
}

void minimapaBase() {
    glClearColor(0.6f, 0.6f, 0.6f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    baselineCelulasDoMinimapa();
    drawEscala();
    desenhaSobreposicaoDoSitio();
}

// Main window then minimap, each swapped as the viewer does, finished. A
// redraw draws the main view anew (the minimap redraws its disc only when its
// own inputs change); a pointer movement may reuse the kept view.
void principalEMinimapa(bool base, bool reusa = false) {
    if (!reusa) invalidaVistaPrincipal();
    janela(janelaPrincipal);
    if (base) quadroBase(), glutSwapBuffers();
    else display();
    glFinish();
    janela(janela_de_fundo);
    if (base) minimapaBase(), glutSwapBuffers();
    else display_minimap();
    glFinish();
}

void carrega(const std::string& arquivo, const char* primeiroRaio) {
    static std::unique_ptr<char[]> nome;
    nome.reset(new char[arquivo.size() + 1]);
    std::copy(arquivo.c_str(), arquivo.c_str() + arquivo.size() + 1, nome.get());
    matriz.reinicia(); // the one global scan, emptied for the next
    matriz.setNome(nome.get());
    matriz.setRaioInicial(primeiroRaio);
    const Resultado lido = matriz.Faz();
    if (!lido.segue) {
        std::fprintf(stderr, "vorlane_bench: %s\n", lido.mensagem.c_str());
        std::exit(1);
    }
    invalidaQuadros(); // frames of the previous scan
}

void carregaOdim(const std::string& arquivo) {
    matriz.reinicia();
    std::string erro;
    if (!leOdim(arquivo.c_str(), OpcoesOdim(), volume, matriz, erro)) {
        std::fprintf(stderr, "vorlane_bench: %s\n", erro.c_str());
        std::exit(1);
    }
    invalidaQuadros();
}

std::string gera(const char* gerador, const std::string& argumentos, const std::string& arquivo) {
    const std::string comando = std::string(gerador) + " " + argumentos + " > " + arquivo;
    if (std::system(comando.c_str()) != 0) {
        std::fprintf(stderr, "vorlane_bench: falhou: %s\n", comando.c_str());
        std::exit(1);
    }
    return arquivo;
}

// A row of the main window plus minimap against the baseline, n runs each
// (skipped when VORLANE_BENCH_CASOS leaves it out).
void linhaComparada(const char* nome, int n) {
    if (!quer(nome)) return;
    const Medida rapido = mede([] { principalEMinimapa(false); }, n);
    const Medida base = mede([] { principalEMinimapa(true); }, n);
    imprimeLinha(nome, rapido, &base);
}

// A row of one window's drawing alone, its kept frames forgotten first.
void linhaSozinha(const char* nome, int id, void (*desenha)()) {
    if (!quer(nome)) return;
    const Medida m = mede(
        [id, desenha] {
            invalidaQuadros();
            janela(id);
            desenha();
            glFinish();
        },
        21);
    imprimeLinha(nome, m, nullptr);
}

void redesenhos(const char* titulo) {
    std::printf("\n%s\n%-40s %9s %9s %9s %9s %8s\n", titulo, "redraw, main + minimap (ms)", "median", "min", "max",
                "baseline", "ratio");
    const struct {
        qualidade q;
        int r;
        const char* nome;
    } casos[] = {{RUIM, 4, "full disc, flat, 1 km"},    {RUIM, 2, "full disc, flat, 500 m"},
                 {RUIM, 1, "full disc, flat, 250 m"},   {BOA, 4, "full disc, smooth, 1 km"},
                 {BOA, 2, "full disc, smooth, 500 m"},  {BOA, 1, "full disc, smooth, 250 m"},
                 {PIOR, 4, "full disc, points"}};
    for (int k = 0; k < 60; ++k) principalEMinimapa(false); // the renderer's threads and caches warm up
    for (const auto& c : casos) {
        reiniciaEstado();
        qualidadeImagem = c.q;
        qualidadeR = c.r;
        linhaComparada(c.nome, c.r == 1 ? 5 : 9);
    }
    reiniciaEstado();
    estado = EXIBE_ZOOM;
    zoomSimples(0.5, -0.25, -0.25);
    linhaComparada("zoom x 4, flat, 1 km", 9);
    reiniciaEstado();
    estado = EXIBE_FATIA;
    pontos[0][0] = 0;
    pontos[0][1] = 0;
    pontos[1][0] = 90;
    pontos[1][1] = 1000;
    abertura = 90;
    vetorDados();
    linhaComparada("sector 90 deg x 1000 gates, flat", 9);
    reiniciaEstado();
    linhaSozinha("minimap alone, disc drawn anew", janela_de_fundo, desenhaMinimapa);
    linhaSozinha("side panel alone", janelaMenu, desenhaPainel);
    if (!quer("pointer move to readout, 1 km")) return;
    // A pointer movement: readout, then the three windows it redraws.
    int x = 100;
    const auto movimento = [&x](bool base) {
        x = x % 500 + 7;
        float xv, yv;
        pixelParaVista(x, 300, width, height, mXI, mYI, xv, yv);
        atualizaLeitura(xv, yv);
        principalEMinimapa(base, true);
        janela(janelaMenu);
        displayMenu();
        glFinish();
    };
    const Medida rapido = mede([&] { movimento(false); }, 21);
    const Medida base = mede([&] { movimento(true); }, 21);
    imprimeLinha("pointer move to readout, 1 km", rapido, &base);
}

// CPU time of the whole process (the renderer's threads included), ms.
double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Median CPU per event over 16 events (after 4 to warm up).
Medida cpuPorEvento(const std::function<void(int)>& evento) {
    for (int k = 0; k < 4; ++k) evento(k);
    std::vector<double> ms;
    for (int k = 0; k < 16; ++k) {
        const double inicio = cpuMs();
        evento(k);
        ms.push_back(cpuMs() - inicio);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front(), ms.back()};
}

// What a motion event with the button down does: the readout, the main
// window (and the minimap that follows it).
void movimentoArrastando(int x, int y) {
    mouseMovimento(x, y);
    principalEMinimapa(false, true);
}

// An arrow key: the step, then the three windows.
void seta(int tecla) {
    trataTeclaEspecial(tecla);
    principalEMinimapa(false, true);
    janela(janelaMenu);
    displayMenu();
    glFinish();
}

// The interactions of a user, each event as the callbacks handle it, in one
// display setting.
void interacoes(const char* ajuste, qualidade q, int r) {
    auto linha = [ajuste](const char* evento, const Medida& m) {
        if (!quer(evento)) return;
        const std::string nome = std::string(evento) + ", " + ajuste;
        imprimeLinha(nome.c_str(), m, nullptr);
    };
    auto inicio = [q, r](EstadosPossiveis e) {
        reiniciaEstado();
        qualidadeImagem = q;
        qualidadeR = r;
        estado = e;
        principalEMinimapa(false);
    };
    auto arrasto = [&](const char* evento, EstadosPossiveis e, int tipo) {
        inicio(e);
        if (tipo == 3) comandoPerfil(INTERVALO_RADIAL);
        mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 420, 200);
        linha(evento, cpuPorEvento([](int k) { movimentoArrastando(430 + 5 * (k % 10), 260 + 3 * (k % 10)); }));
        mouse(GLUT_LEFT_BUTTON, GLUT_UP, 480, 300);
    };
    inicio(ESPERA);
    linha("pointer movement", cpuPorEvento([](int k) {
              mousePosicao(100 + 7 * k, 300);
              principalEMinimapa(false, true);
              janela(janelaMenu);
              displayMenu();
              glFinish();
          }));
    arrasto("zoom-square drag", SELECIONA_ZOOM, 1);
    arrasto("sector drag", SELECIONA_FATIA, 2);
    arrasto("profile drag", ESPERA, 3);
    inicio(EXIBE_ZOOM);
    zoomSimples(0.5, -0.25, -0.25);
    linha("arrow pan of a zoom x 4", cpuPorEvento([](int k) { seta(k % 2 ? 100 : 102); }));
    inicio(EXIBE_GRAFICO);
    selecao[0] = 100, selecao[1] = 1500, selecao[2] = 45;
    linha("profile slide with arrows", cpuPorEvento([](int k) { seta(k % 2 ? 100 : 102); }));
}

// The volume store on a volume of ten sweeps: a tilt step (Page Up / Page
// Down) and the redraw it causes, against the redraw of the same view alone,
// and what the store keeps.
void tilts(const std::string& arquivo) {
    carregaOdim(arquivo);
    std::size_t bytes = 0, momentos = 0;
    for (const ElevacaoGuardada& e : ::volume.elevacoes)
        for (const MomentoGuardado& q : e.momentos) bytes += q.bytes(), ++momentos;
    std::printf("\n%-40s %9s %9s %9s\n", "volume, 10 sweeps of 360 x 1000 (ms)", "median", "min", "max");
    const Medida redesenho = mede([] { principalEMinimapa(false); }, 21);
    imprimeLinha("redraw of the same view, flat 1 km", redesenho, nullptr);
    static int passo = 1;
    const Medida troca = mede(
        [] {
            std::string erro;
            if (!passaElevacao(::volume, matriz, passo, erro)) { // at the top or bottom: turn back
                passo = -passo;
                passaElevacao(::volume, matriz, passo, erro);
            }
            principalEMinimapa(false);
        },
        21);
    imprimeLinha("tilt step, then that redraw", troca, nullptr);
    std::printf("%-40s %9.2f\n", "  the step's own cost (median)", troca.mediana - redesenho.mediana);
    std::printf("%-40s %9.1f   (%zu moments)\n", "volume store kept (MB)", bytes / 1048576.0, momentos);
    ::volume = Volume();
}

// A moment step (`p`) on a volume of six moments a sweep, each in its own
// colour table, and the redraw it causes, against the redraw alone.
void momentos(const std::string& arquivo) {
    carregaOdim(arquivo);
    std::printf("\n%-40s %9s %9s %9s\n", "volume, 6 moments a sweep (ms)", "median", "min", "max");
    const Medida redesenho = mede([] { principalEMinimapa(false); }, 21);
    imprimeLinha("redraw of the same view, flat 1 km", redesenho, nullptr);
    const Medida troca = mede(
        [] {
            std::string erro;
            passaMomento(::volume, matriz, erro);
            principalEMinimapa(false);
        },
        24);
    imprimeLinha("moment step, then that redraw", troca, nullptr);
    std::printf("%-40s %9.2f\n", "  the step's own cost (median)", troca.mediana - redesenho.mediana);
    ::volume = Volume();
}

// A series of real-sized volumes: reading one ahead, a step (the next scan
// shown, then the redraw), and the kept bytes against the bound.
void serieDeVolumes(const std::vector<std::string>& arquivos) {
    std::printf("\n%-40s %9s %9s %9s\n", "series of 24 volumes (ms)", "median", "min", "max");
    std::string erro;
    for (const std::string& a : arquivos) ::serie.adiciona(a, erro);
    matriz.reinicia();
    ::serie.mostra(0, matriz, volume, lugar, erro);
    invalidaQuadros();
    std::vector<double> leituras;
    for (;;) {
        const auto inicio = std::chrono::steady_clock::now();
        if (!::serie.leAdiante(erro)) break;
        leituras.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio).count());
    }
    std::sort(leituras.begin(), leituras.end());
    if (!leituras.empty())
        imprimeLinha("read ahead, one scan", {leituras[leituras.size() / 2], leituras.front(), leituras.back()}, nullptr);
    const auto passo = [] {
        std::string e;
        ::serie.mostra((::serie.atual() + 1) % ::serie.tamanho(), matriz, volume, lugar, e);
        principalEMinimapa(false);
    };
    const Medida laco = mede(passo, 47);
    imprimeLinha("step to the next scan, then the redraw", laco, nullptr);
    std::printf("%-40s %9.1f   (%.0f scans a second)\n", "  loop, default view (ms a scan)", laco.mediana,
                1000 / laco.mediana);
    std::printf("%-40s %9.1f   (bound %zu)\n", "kept scans (MB)", ::serie.bytesGuardados() / 1048576.0,
                ::serie.limiteDeBytes >> 20);
    // A bound below the series: reading ahead stops at it, stepping drops the oldest.
    ::serie.limiteDeBytes = std::size_t(64) << 20;
    double maior = 0;
    for (std::size_t k = 0; k < 2 * ::serie.tamanho(); ++k) {
        passo();
        while (::serie.leAdiante(erro)) {}
        maior = std::max(maior, ::serie.bytesGuardados() / 1048576.0);
    }
    std::printf("%-40s %9.1f   (bound 64)\n", "  most kept over two rounds (MB)", maior);
    ::serie = Serie();
    ::volume = Volume();
}

// The map of a real site: building its lines (at start-up), reading its
// places (after the first frame), and what map and towns add to a redraw.
void mapa(const char* nome, const std::string& arquivo) {
    carregaOdim(arquivo);
    lugar = UNK;
    std::printf("\n%-40s %9s %9s %9s\n", nome, "median", "min", "max");
    grupoAjustes.camadasDoMapa = 0;
    const Medida sem = mede([] { principalEMinimapa(false); }, 21);
    imprimeLinha("redraw without the map", sem, nullptr);
    const auto inicio = std::chrono::steady_clock::now();
    std::string aviso;
    const MapaGeo& m = mapaDoSitio(volume.posicao, 'i', aviso);
    const double linhas = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio).count();
    const auto depois = std::chrono::steady_clock::now();
    completaCidades(volume.posicao);
    const double cidades = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - depois).count();
    std::size_t pontos = 0;
    for (const LinhaProjetada& l : m.linhas) pontos += l.xy.size() / 2;
    grupoAjustes.camadasDoMapa = MAPA_LINHAS | MAPA_CIDADES;
    const Medida com = mede([] { principalEMinimapa(false); }, 21);
    imprimeLinha("redraw with map and towns", com, nullptr);
    std::printf("%-40s %9.2f\n", "  what they add (median)", com.mediana - sem.mediana);
    std::printf("%-40s %9.2f   (%zu points, %s)\n", "map lines built, start-up (ms)", linhas, pontos,
                m.valido ? "ok" : aviso.c_str());
    std::printf("%-40s %9.2f   (%zu towns; after the first frame)\n", "towns read (ms)", cidades, m.cidades.size());
    ::volume = Volume();
}

void eventos(const char* titulo) {
    std::printf("\n%s\n%-40s %9s %9s %9s\n", titulo, "CPU per event (ms)", "median", "min", "max");
    interacoes("flat 1 km", RUIM, 4);
    interacoes("smooth 250 m", BOA, 1);
    reiniciaEstado();
}

// Peak resident size (VmHWM) of a program run with `argumentos`, once it has
// settled: unchanged for a second and a half (at most ten seconds). -1 if it
// could not be run.
double picoDeMemoriaMB(const std::vector<std::string>& argumentos) {
    const pid_t pid = fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        std::vector<char*> v;
        for (const std::string& a : argumentos) v.push_back(const_cast<char*>(a.c_str()));
        v.push_back(nullptr);
        execv(v[0], v.data());
        _exit(127);
    }
    const std::string status = "/proc/" + std::to_string(pid) + "/status";
    long pico = -1, anterior = -1;
    int estavel = 0;
    for (int k = 0; k < 100 && estavel < 15; ++k) {
        usleep(100000);
        std::ifstream f(status);
        std::string linha;
        while (std::getline(f, linha))
            if (linha.rfind("VmHWM:", 0) == 0) pico = std::atol(linha.c_str() + 6);
        if (waitpid(pid, nullptr, WNOHANG) == pid) return -1; // it ended by itself
        estavel = pico == anterior ? estavel + 1 : 0;
        anterior = pico;
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return pico < 0 ? -1 : pico / 1024.0;
}

} // namespace

// `vorlane_bench --memoria SCAN [FILE]`: the viewer's windows and menus on
// SCAN, its default view drawn, then smooth cells at 250 m as a user picks
// them (the first such redraw timed into FILE: wall and CPU ms), and the
// viewer's own loop; the parent reads its peak memory.
int memoriaAposSuave250(const char* arquivo, const char* tempos) {
    preparaAlocador();
    inciaCores();
    if (!iniciaGlut("vorlane")) return 1;
    criaJanelasEMenus();
    carrega(arquivo, "0");
    for (int k = 0; k < 30; ++k) {
        glutMainLoopEvent();
        usleep(10000);
    }
    qualidadeImagem = BOA;
    qualidadeR = 1;
    invalidaQuadros();
    if (tempos) {
        janela(janelaPrincipal);
        const double cpu = cpuMs();
        const auto inicio = std::chrono::steady_clock::now();
        desenhaPrincipal();
        glFinish();
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio).count();
        if (FILE* f = std::fopen(tempos, "w")) {
            std::fprintf(f, "%f %f\n", ms, cpuMs() - cpu);
            std::fclose(f);
        }
    }
    for (int id : {janelaPrincipal, janela_de_fundo, janelaMenu}) {
        glutSetWindow(id);
        glutPostRedisplay();
    }
    glutMainLoop();
    return 0;
}

int main(int argc, char** argv) {
    if (argc > 2 && std::strcmp(argv[1], "--memoria") == 0) return memoriaAposSuave250(argv[2], argc > 3 ? argv[3] : nullptr);
    const char* gerador = argc > 1 ? argv[1] : "build/gerador";
    preparaAlocador(); // as the viewer does
    inciaCores();
    if (!iniciaGlut("vorlane_bench")) return 1;
    criaJanelasEMenus();
    for (int k = 0; k < 30; ++k) {
        glutMainLoopEvent();
        usleep(10000);
    }
    janela(janelaPrincipal);
    resize(640, 640);

    const std::string dir = "/tmp";
    const std::string real = gera(gerador, "--semente 1 --raios 2000", dir + "/vorlane-bench-BRU050301143000.dat");
    const std::string cheia = gera(gerador, "--semente 1 --raios 2000 --primeiro-raio 0 --cheia", dir + "/vorlane-bench-cheia.dat");

    std::printf("VORLANE benchmark: 640 x 640, %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    std::printf("\n%-40s %9s %9s %9s\n", "start-up (ms)", "median", "min", "max");
    const Medida partida = mede([&] { carrega(cheia, "0"); }, 9);
    imprimeLinha("read + reduce, full 360 x 2000", partida, nullptr);
    // An ODIM_H5 volume of about 3.5 MB: ten sweeps of 360 rays x 1000 bins.
    const std::string volume = dir + "/vorlane-bench-volume.h5";
    gera(gerador, "--odim " + volume + " --semente 1 --elevacoes 10 --nbins 1000", "/dev/null");
    const Medida odim = mede([&] { carregaOdim(volume); }, 9);
    imprimeLinha("ODIM_H5 volume 3.5 MB, open + map", odim, nullptr);
    tilts(volume);
    std::remove(volume.c_str());
    // A volume the size of real ones, 10 sweeps x 6 moments of 360 x 1000 in 16 bits.
    const std::string seis = dir + "/vorlane-bench-seis.h5", uma = dir + "/vorlane-bench-uma.h5";
    gera(gerador, "--odim " + seis + " --semente 1 --elevacoes 10 --nbins 1000 --u16 --mais-momentos", "/dev/null");
    momentos(seis);
    // 24 real-sized volumes five minutes apart, for the series rows.
    std::vector<std::string> serie24;
    for (int k = 0; k < 24; ++k) {
        char hora[16];
        std::snprintf(hora, sizeof hora, "%02d%02d00", 10 + k / 12, k % 12 * 5);
        serie24.push_back(dir + "/vorlane-bench-serie-" + std::to_string(k) + ".h5");
        gera(gerador, "--odim " + serie24.back() + " --semente " + std::to_string(k + 1) +
                          " --elevacoes 10 --nbins 1000 --u16 --hora " + hora, "/dev/null");
    }
    serieDeVolumes(serie24);
    // Two real sites, in Belgium and Australia.
    const std::string belga = dir + "/vorlane-bench-belga.h5", australiano = dir + "/vorlane-bench-australiano.h5";
    gera(gerador, "--odim " + belga + " --semente 1 --elevacoes 10 --nbins 1000 --posicao 49.9135,5.5044,592", "/dev/null");
    gera(gerador, "--odim " + australiano + " --semente 1 --elevacoes 10 --nbins 1000 --posicao -27.7178,153.24,175",
         "/dev/null");
    mapa("map of Wideumont, BE (ms)", belga);
    mapa("map of Mt Stapylton, AU (ms)", australiano);

    carrega(real, "4");
    lugar = BRU;
    redesenhos("realistic scan (about a quarter of the cells with echo)");
    eventos("realistic scan, interactions");
    carrega(cheia, "0");
    redesenhos("full scan (every cell with echo)");
    eventos("full scan, interactions");

    // The viewer itself, in its own process: its default view of the full scan.
    const std::string aqui = std::string(gerador).substr(0, std::string(gerador).find_last_of('/') + 1);
    const double visor = picoDeMemoriaMB({aqui + "vorlane", cheia, "0"});
    // That volume against its lowest sweep alone: what the store costs above one sweep.
    gera(gerador, "--odim " + uma + " --semente 1 --elevacoes 1 --nbins 1000 --u16", "/dev/null");
    const double comSeis = picoDeMemoriaMB({aqui + "vorlane", seis});
    const double comUma = picoDeMemoriaMB({aqui + "vorlane", uma});
    std::remove(seis.c_str());
    std::remove(uma.c_str());
    // The 24-volume series with a 100 MB bound, once it has read ahead, against its first scan alone.
    std::vector<std::string> comSerie = {aqui + "vorlane", "--memoria", "100"};
    comSerie.insert(comSerie.end(), serie24.begin(), serie24.end());
    const double naSerie = picoDeMemoriaMB(comSerie);
    const double soPrimeiro = picoDeMemoriaMB({aqui + "vorlane", serie24.front()});
    for (const std::string& a : serie24) std::remove(a.c_str());
    // A site's map in the viewer: the same volume with and without its position.
    const std::string semPosicao = dir + "/vorlane-bench-sem-posicao.h5";
    gera(gerador, "--odim " + semPosicao + " --semente 1 --elevacoes 10 --nbins 1000", "/dev/null");
    const double comMapa = picoDeMemoriaMB({aqui + "vorlane", belga});
    const double semMapa = picoDeMemoriaMB({aqui + "vorlane", semPosicao});
    for (const std::string& a : {belga, australiano, semPosicao}) std::remove(a.c_str());
    const std::string tempos = dir + "/vorlane-bench-primeiro.txt";
    const double suave = picoDeMemoriaMB({aqui + "vorlane_bench", "--memoria", cheia, tempos});
    double primeiroMs = -1, primeiroCpu = -1;
    if (FILE* f = std::fopen(tempos.c_str(), "r")) {
        if (std::fscanf(f, "%lf %lf", &primeiroMs, &primeiroCpu) != 2) primeiroMs = primeiroCpu = -1;
        std::fclose(f);
        std::remove(tempos.c_str());
    }
    std::printf("\n%-40s %9s %9s\n", "first redraw after smooth 250 m (ms)", "wall", "CPU");
    std::printf("%-40s %9.2f %9.2f\n", "full scan, in a fresh viewer", primeiroMs, primeiroCpu);
    const double piso = picoDeMemoriaMB({aqui + "vorlane_piso"});
    std::printf("\n%-44s %9s\n", "peak resident memory (MB)", "");
    std::printf("%-44s %9.1f\n", "viewer, full scan, default view", visor);
    std::printf("%-44s %9.1f\n", "viewer, full scan, then smooth 250 m", suave);
    std::printf("%-44s %9.1f\n", "same windows and menus, nothing drawn", piso);
    if (visor > 0 && piso > 0) std::printf("%-44s %9.1f\n", "the viewer's own share, default view", visor - piso);
    if (suave > 0 && piso > 0) std::printf("%-44s %9.1f\n", "the viewer's own share, smooth 250 m", suave - piso);
    std::printf("%-44s %9.1f\n", "viewer, volume of 10 sweeps x 6 moments", comSeis);
    std::printf("%-44s %9.1f\n", "viewer, that volume's lowest sweep alone", comUma);
    if (comSeis > 0 && comUma > 0) std::printf("%-44s %9.1f\n", "the volume above one sweep", comSeis - comUma);
    std::printf("%-44s %9.1f\n", "viewer, volume at Wideumont, with its map", comMapa);
    std::printf("%-44s %9.1f\n", "viewer, the same volume, no position", semMapa);
    if (comMapa > 0 && semMapa > 0) std::printf("%-44s %9.1f\n", "the map and towns", comMapa - semMapa);
    std::printf("%-44s %9.1f\n", "viewer, series of 24 volumes, --memoria 100", naSerie);
    std::printf("%-44s %9.1f\n", "viewer, the series' first volume alone", soPrimeiro);
    if (naSerie > 0 && soPrimeiro > 0)
        std::printf("%-44s %9.1f\n", "the series above one volume (bound 100)", naSerie - soPrimeiro);
    std::remove(real.c_str());
    std::remove(cheia.c_str());
    return 0;
}
