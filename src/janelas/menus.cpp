// The two pop-up menu trees as tables: each entry is a label with the value
// its command knows it by, or a label with a submenu. The builder turns a
// table into GLUT menus, submenus first.
#include "menus.h"

#include <GL/freeglut.h>

#include <vector>

#include "eventos.h"
#include "interacao.h"
#include "estado.h"
#include "janelas.h"
#include "mapageo.h"
#include "produtos.h"
#include "salvar.h"

namespace {

struct Menu;

struct Entrada {
    const char* rotulo;
    int valor;                     // passed to the menu's callback
    const Menu* submenu = nullptr; // instead of a value
};

struct Menu {
    void (*callback)(int);
    const Entrada* entradas;
    int quantas;
};

template <int N>
constexpr Menu menu(void (*callback)(int), const Entrada (&entradas)[N]) {
    return {callback, entradas, N};
}

// ---- the main window's tree

const Entrada COMO_IMAGEM[] = {
    {"Compressao Maxima (LZW)", COMPRESSAO_LZW},
    {"Compressao Media (Packbits)", COMPRESSAO_PACKBITS},
    {"Sem Compressao", SEM_COMPRESSAO},
    {"PNG", IMAGEM_PNG},
};
const Menu MENU_COMO_IMAGEM = menu(menuImagem, COMO_IMAGEM);

const Entrada SALVAR[] = {
    {"Como Imagem", 0, &MENU_COMO_IMAGEM},
    {"Como Texto", COMO_TEXTO},
};
const Menu MENU_SALVAR = menu(menuSalvar, SALVAR);

const Entrada CORTE[] = {
    {"Intervalo Angular", INTERVALO_ANGULAR},
    {"Intervalo Radial", INTERVALO_RADIAL},
};
const Menu MENU_CORTE = menu(menuSubGrafico, CORTE);

const Entrada VISUALIZAR[] = {
    {"Corte (Grafico)", 0, &MENU_CORTE},
    {"Setor Circular", SETOR_CIRCULAR},
    {"Deslocar Bolacha", DESLOCAR_BOLACHA},
    {"Valores Numericos", VALORES_NUMERICOS},
};
const Menu MENU_VISUALIZAR = menu(menuSubGraficoSelect, VISUALIZAR);

const Entrada ENTRADAS_PRINCIPAIS[] = {
    {"Ampliar", AMPLIAR},
    {"Visualizar", 0, &MENU_VISUALIZAR},
    {"Voltar", VOLTAR},
    {"Salvar", 0, &MENU_SALVAR},
    {"Sair", SAIR},
};
const Menu MENU_PRINCIPAL = menu(menuMain, ENTRADAS_PRINCIPAIS);

// ---- the side panel's tree

const Entrada FUNDO_E_TEXTO[] = {
    {"Texto Preto e Fundo Branco", TEXTO_PRETO_FUNDO_BRANCO},
    {"Texto Branco e Fundo Preto", TEXTO_BRANCO_FUNDO_PRETO},
    {"Texto Colorido Fundo Preto (Padrao)", TEXTO_COLORIDO_FUNDO_PRETO},
    {"Texto Colorido Fundo Branco", TEXTO_COLORIDO_FUNDO_BRANCO},
};
const Menu MENU_FUNDO_E_TEXTO = menu(menuSubDadosCores, FUNDO_E_TEXTO);

const Entrada QUALIDADE[] = {
    {"Interpolar Cores (Maior Qualidade, Lento)", INTERPOLAR_CORES},
    {"Nao Interpolar (Padrao)", NAO_INTERPOLAR},
    {"Pontos Simples (Pior Qualidade, Rapido)", PONTOS_SIMPLES},
};
const Menu MENU_QUALIDADE = menu(menuSubCores, QUALIDADE);

const Entrada QUANTIDADE_DE_CORES[] = {
    {"M\xE1" "ximo de Cores (Lento, Melhor Precisao)", MAXIMO_DE_CORES}, // Latin-1 a-acute
    {"32 Cores (Padrao, igual IRIS)", CORES_32},
    {"5 Cores (Rapido, igual NEXRAD)", CORES_5},
    {"Brilho (Preto e Branco, Vintage)", BRILHO},
};
const Menu MENU_QUANTIDADE_DE_CORES = menu(menuSubCorQuantidade, QUANTIDADE_DE_CORES);

const Entrada UNIDADES[] = {
    {"Kilometros", EM_KILOMETROS},
    {"Milhas", EM_MILHAS},
};
const Menu MENU_UNIDADES = menu(menuSubMedidas, UNIDADES);

const Entrada LEITURA[] = {
    {"250 m (Precisao Maxima, lento)", LEITURA_250_M},
    {"500 m (Padrao, Medio)", LEITURA_500_M},
    {"1 km (Precisao Minima, rapido)", LEITURA_1_KM},
};
const Menu MENU_LEITURA = menu(menuSubLeituraQualidade, LEITURA);

const Entrada DADOS[] = {
    {"Fundo e Texto (Graficos e Numeros)", 0, &MENU_FUNDO_E_TEXTO},
    {"Qualidade do Display", 0, &MENU_QUALIDADE},
    {"Quantidade de Cores", 0, &MENU_QUANTIDADE_DE_CORES},
    {"Sistema de Unidades", 0, &MENU_UNIDADES},
    {"Distancia entre Leituras", 0, &MENU_LEITURA},
};
const Menu MENU_DADOS = menu(menuDados, DADOS);

// The map of a site whose position is known: each entry switches a layer.
const Entrada MAPA[] = {
    {"Contornos e Fronteiras (liga/desliga)", MAPA_LINHAS},
    {"Cidades (liga/desliga)", MAPA_CIDADES},
    {"Rios (liga/desliga)", MAPA_RIOS},
};
const Menu MENU_MAPA = menu(menuMapa, MAPA);

// Creates the GLUT menu of `m` with its submenus (created first, as GLUT
// needs their ids) and returns its id; it is then the current menu.
int cria(const Menu& m) {
    std::vector<int> ids(static_cast<std::size_t>(m.quantas));
    for (int k = 0; k < m.quantas; ++k)
        if (m.entradas[k].submenu) ids[k] = cria(*m.entradas[k].submenu);
    const int id = glutCreateMenu(m.callback);
    for (int k = 0; k < m.quantas; ++k) {
        const Entrada& e = m.entradas[k];
        if (e.submenu) glutAddSubMenu(e.rotulo, ids[k]);
        else glutAddMenuEntry(e.rotulo, e.valor);
    }
    return id;
}

} // namespace

void criaMenusPrincipais() {
    cria(MENU_PRINCIPAL);
    glutAttachMenu(GLUT_RIGHT_BUTTON);
}

void criaMenusDoPainel() {
    const int dados = cria(MENU_DADOS);
    criaMenuDeProdutos(); // the moments of the shown sweep
    // The map's layers, for files that say where the radar is (not the
    // built-in map of the two known sites).
    if (sitioMostrado().conhecido || !volume.vazio() || serie.tamanho() > 0 || seguidor.seguindo()) {
        const int mapa = cria(MENU_MAPA);
        glutSetMenu(dados);
        glutAddSubMenu("Mapa", mapa);
    }
    glutAttachMenu(GLUT_RIGHT_BUTTON);
}

void criaJanelasEMenus() {
    criaJanelaPrincipal();
    criaMenusPrincipais();
    criaPainel();
    criaMenusDoPainel();
    criaMinimapa();
}
