// The volume's tilts and moments from the keys and the "Produto" menu: each
// refills the scan table on the same view and redraws.
#include "produtos.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <string>
#include <vector>

#include "estado.h"
#include "interacao.h"
#include "produto.h"
#include "volume.h"

namespace {

int idDoMenu = 0; // the "Produto" submenu, 0 when there is none
// GLUT forbids changing menus while one is open: the entries are then
// refilled once it closes.
bool menuEmUso = false, menuPendente = false;
std::vector<std::string> quantidadesDoMenu; // what each entry showed when filled

void redesenha(int janela) {
    if (janela == 0) return;
    glutSetWindow(janela);
    glutPostRedisplay();
}

// The entries of the shown sweep's moments: "Velocidade (VRADH)".
void preencheMenu() {
    if (idDoMenu == 0 || volume.vazio()) return;
    if (menuEmUso) {
        menuPendente = true;
        return;
    }
    menuPendente = false;
    const int atual = glutGetMenu();
    glutSetMenu(idDoMenu);
    for (int n = glutGet(GLUT_MENU_NUM_ITEMS); n > 0; --n) glutRemoveMenuItem(n);
    const auto& momentos = volume.elevacoes[volume.elevacao].momentos;
    quantidadesDoMenu.clear();
    for (std::size_t q = 0; q < momentos.size(); ++q) {
        quantidadesDoMenu.push_back(momentos[q].quantidade);
        const Produto p = produtoDe(momentos[q].quantidade, 0, 0, 1, {});
        std::string rotulo = p.nome == momentos[q].quantidade ? p.nome : p.nome + " (" + momentos[q].quantidade + ")";
        if (!momentos[q].lido) rotulo += " - nao lido";
        glutAddMenuEntry(rotulo.c_str(), static_cast<int>(q));
    }
    if (atual != 0) glutSetMenu(atual);
}

// After the table changed: the readout reads the new values, both windows redraw.
void mostrou() {
    releLeitura();
    const int atual = glutGetWindow();
    redesenha(janelaPrincipal);
    redesenha(janelaMenu);
    if (atual != 0) glutSetWindow(atual);
}

void avisa(const std::string& erro) {
    if (!erro.empty()) std::fprintf(stderr, "vorlane: aviso: %s\n", erro.c_str());
}

void refazMenu(int) {
    if (menuPendente) preencheMenu();
}

void estadoDoMenu(int estado, int, int) {
    menuEmUso = estado == GLUT_MENU_IN_USE;
    if (!menuEmUso && menuPendente) glutTimerFunc(0, refazMenu, 0); // after the menu is gone
}

// The entry's quantity in the shown sweep (the menu may be of another sweep's).
void menuProduto(int q) {
    if (q < 0 || static_cast<std::size_t>(q) >= quantidadesDoMenu.size() || volume.vazio()) return;
    const auto& momentos = volume.elevacoes[volume.elevacao].momentos;
    for (std::size_t k = 0; k < momentos.size(); ++k) {
        if (momentos[k].quantidade != quantidadesDoMenu[static_cast<std::size_t>(q)]) continue;
        std::string erro;
        if (mostraMomento(volume, volume.elevacao, k, matriz, erro)) mostrou();
        else avisa(erro);
        return;
    }
}

} // namespace

void atualizaMenuDeProdutos() { preencheMenu(); }

void criaMenuDeProdutos() {
    bool volumes = !volume.vazio(); // this scan's, or a later one's in a series
    for (std::size_t k = 0; k < serie.tamanho(); ++k) volumes = volumes || serie.item(k).odim;
    if (!volumes) return;
    const int pai = glutGetMenu();
    // Both windows' menus count as in use (the callback is each window's).
    const int janela = glutGetWindow();
    for (int j : {janelaPrincipal, janelaMenu})
        if (j != 0) glutSetWindow(j), glutMenuStatusFunc(estadoDoMenu);
    if (janela != 0) glutSetWindow(janela);
    idDoMenu = glutCreateMenu(menuProduto);
    preencheMenu();
    glutSetMenu(pai);
    glutAddSubMenu("Produto", idDoMenu);
}

void passaElevacaoNaJanela(int passo) {
    std::string erro;
    if (passaElevacao(volume, matriz, passo, erro)) {
        preencheMenu(); // another sweep may have other moments
        mostrou();
    } else {
        avisa(erro);
    }
}

void passaMomentoNaJanela() {
    std::string erro;
    if (passaMomento(volume, matriz, erro)) mostrou();
    else avisa(erro);
}
