// The volume's tilts and moments from the keys and the "Produto" menu: each
// refills the scan table on the same view and redraws.
#include "produtos.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <string>

#include "estado.h"
#include "interacao.h"
#include "produto.h"
#include "volume.h"

namespace {

int idDoMenu = 0; // the "Produto" submenu, 0 when there is none

void redesenha(int janela) {
    if (janela == 0) return;
    glutSetWindow(janela);
    glutPostRedisplay();
}

// The entries of the shown sweep's moments: "Velocidade (VRADH)".
void preencheMenu() {
    if (idDoMenu == 0 || volume.vazio()) return;
    const int atual = glutGetMenu();
    glutSetMenu(idDoMenu);
    for (int n = glutGet(GLUT_MENU_NUM_ITEMS); n > 0; --n) glutRemoveMenuItem(n);
    const auto& momentos = volume.elevacoes[volume.elevacao].momentos;
    for (std::size_t q = 0; q < momentos.size(); ++q) {
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

void menuProduto(int q) {
    std::string erro;
    if (q >= 0 && mostraMomento(volume, volume.elevacao, static_cast<std::size_t>(q), matriz, erro)) mostrou();
    else avisa(erro);
}

} // namespace

void criaMenuDeProdutos() {
    if (volume.vazio()) return;
    const int pai = glutGetMenu();
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
