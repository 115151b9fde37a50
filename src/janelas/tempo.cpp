// The series in the window: each step refills the table on the same view;
// the loop and the folder's checks run on GLUT timers, reading ahead on the
// idle callback, so nothing blocks the event loop for more than one scan's read.
#include "tempo.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <string>
#include <vector>

#include "estado.h"
#include "interacao.h"
#include "mapageo.h"
#include "produtos.h"

namespace {

// Loop speeds, ms between scans; the default is 4 a second.
const int INTERVALOS[] = {1000, 500, 333, 250, 167, 125, 100, 67, 50};
constexpr int N_INTERVALOS = sizeof INTERVALOS / sizeof INTERVALOS[0];
constexpr int PAUSA_NO_ULTIMO = 1000; // ms on the newest scan before starting over
constexpr int VERIFICACAO_DA_PASTA = 500;

int velocidade = 3;
bool emLaco = false;
int geracaoDoLaco = 0; // a stopped loop's pending timer finds another number and does nothing
bool lendo = false;

void avisa(const std::string& linha) {
    if (!linha.empty()) std::fprintf(stderr, "vorlane: aviso: %s\n", linha.c_str());
}

void imprimeAvisos() {
    for (const std::string& a : serie.avisos) std::fprintf(stderr, "%s\n", a.c_str());
    serie.avisos.clear();
}

void redesenha() {
    const int atual = glutGetWindow();
    for (int janela : {janelaPrincipal, janelaMenu}) {
        if (janela == 0) continue;
        glutSetWindow(janela);
        glutPostRedisplay();
    }
    if (atual != 0) glutSetWindow(atual);
}

void ocioso();
void leCidadesDoMapa(int);

void leNoOcio() {
    if (!lendo) glutIdleFunc(ocioso);
    lendo = true;
}

void ocioso() {
    std::string erro;
    const bool leu = serie.leAdiante(erro);
    avisa(erro);
    imprimeAvisos();
    if (!erro.empty()) redesenha(); // the series shrank
    if (!leu) {
        glutIdleFunc(nullptr);
        lendo = false;
    }
}

// Shows scan k (clamped); a scan that cannot be read leaves the series
// with its line and the next one (else the one before) is shown.
void mostraQuadro(std::size_t k) {
    while (serie.tamanho() > 0) {
        if (k >= serie.tamanho()) k = serie.tamanho() - 1;
        std::string erro;
        if (serie.mostra(k, matriz, volume, lugar, erro)) break;
        avisa(erro);
    }
    if (sitioDaLinhaDeComando.conhecido) lugar = UNK; // the map of the given place
    imprimeAvisos();
    atualizaMenuDeProdutos();
    releLeitura();
    redesenha();
    leNoOcio();
    glutTimerFunc(100, leCidadesDoMapa, 0); // a scan of another site: its places
}

void passo(long d) {
    if (serie.tamanho() < 2 || serie.atual() == Serie::SEM_ESCANEAMENTO) return;
    const long n = static_cast<long>(serie.tamanho());
    mostraQuadro(static_cast<std::size_t>(((static_cast<long>(serie.atual()) + d) % n + n) % n));
}

void passoDoLaco(int geracao) {
    if (!emLaco || geracao != geracaoDoLaco) return;
    passo(1);
    const bool ultimo = serie.atual() + 1 == serie.tamanho();
    glutTimerFunc(static_cast<unsigned>(ultimo ? PAUSA_NO_ULTIMO : INTERVALOS[velocidade]), passoDoLaco, geracaoDoLaco);
}

void comecaLaco() {
    if (serie.tamanho() < 2) return;
    emLaco = true;
    glutTimerFunc(static_cast<unsigned>(INTERVALOS[velocidade]), passoDoLaco, ++geracaoDoLaco);
}

// New complete files in the followed folder join the series; when the user
// was on the newest scan, the newest is shown.
void verificaPasta(int) {
    if (seguidor.seguindo()) {
        std::vector<std::string> novos = seguidor.novos();
        if (seguidor.perdeuEventos()) novos.push_back(""); // list the folder again
        if (!novos.empty()) {
            const bool noUltimo = serie.tamanho() == 0 || serie.atual() + 1 >= serie.tamanho();
            const std::size_t antes = serie.tamanho();
            for (const std::string& nome : novos) {
                std::string erro;
                std::vector<std::string> linhas;
                if (nome.empty()) serie.adicionaPasta(pastaSeguida, linhas, erro);
                else if (!serie.adiciona(nome, erro)) linhas.push_back(erro);
                for (const std::string& l : linhas) avisa(l);
            }
            serie.limitaA(janelaDaSerie);
            if (serie.incompleto) {
                std::string erro;
                if (!serie.releMostrado(matriz, volume, lugar, erro)) avisa(erro);
                atualizaMenuDeProdutos();
                releLeitura();
            }
            if (serie.atual() == Serie::SEM_ESCANEAMENTO || (noUltimo && serie.tamanho() != antes))
                mostraQuadro(noUltimo ? serie.tamanho() - 1 : 0);
            redesenha(); // "Quadro n/m"
            leNoOcio();
        }
    }
    glutTimerFunc(VERIFICACAO_DA_PASTA, verificaPasta, 0);
}

// The map's places, read once the first frame is up; then drawn.
void leCidadesDoMapa(int) {
    if (completaCidades(sitioMostrado())) redesenha();
}

} // namespace

void iniciaTempo() {
    if (sitioMostrado().conhecido) glutTimerFunc(100, leCidadesDoMapa, 0);
    if (serie.tamanho() > 1) leNoOcio();
    if (seguidor.seguindo()) glutTimerFunc(VERIFICACAO_DA_PASTA, verificaPasta, 0);
}

void paraLaco() { emLaco = false; }

bool teclaDoTempo(unsigned char tecla) {
    switch (tecla) {
    case '.': paraLaco(); passo(1); return true;
    case ',': paraLaco(); passo(-1); return true;
    case ' ':
        if (emLaco) paraLaco();
        else comecaLaco();
        return true;
    case '+':
        if (velocidade + 1 < N_INTERVALOS) ++velocidade;
        return true;
    case '-':
        if (velocidade > 0) --velocidade;
        return true;
    default: return false;
    }
}

bool teclaEspecialDoTempo(int tecla) {
    if (tecla != GLUT_KEY_HOME && tecla != GLUT_KEY_END) return false;
    paraLaco();
    if (serie.tamanho() > 1) mostraQuadro(tecla == GLUT_KEY_HOME ? 0 : serie.tamanho() - 1);
    return true;
}
