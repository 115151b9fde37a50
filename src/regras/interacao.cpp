// The interaction state machine: pixel to view, saved view, selections and
// their completion, pointer readout, keys and menu commands. No GLUT calls
// here: every step reports which windows want a redraw.
//
// Index: frames | saved view | mouse | readout | keys | menus | export region

#include "interacao.h"

#include <cmath>
#include <cstdlib>

#include "geometria.h"
#include "selecoes.h"

// ---------------------------------------------------------------------- frames

bool pixelParaVista(int x, int y, unsigned w, unsigned h, int& margemX, int& margemY, float& xv, float& yv) {
    margemX = static_cast<int>((w - h) >> 1); // only the longer side's margin means anything
    margemY = static_cast<int>((h - w) >> 1);
    long double vx, vy;
    if (w > h) {
        const long double dx = static_cast<long double>(w) - 2.0L * margemX - 1, dy = static_cast<long double>(h) - 1;
        if (dx <= 0 || dy <= 0) return false;
        vx = 2 * (static_cast<long double>(x) - margemX) / dx - 1;
        vy = 2 * (static_cast<long double>(h) - y - 1) / dy - 1;
    } else {
        const long double dx = static_cast<long double>(w) - 1, dy = static_cast<long double>(h) - 2.0L * margemY - 1;
        if (dx <= 0 || dy <= 0) return false;
        vx = 2 * static_cast<long double>(x) / dx - 1;
        vy = 2 * ((dy) - (static_cast<long double>(y) - margemY)) / dy - 1;
    }
    xv = static_cast<float>(vx);
    yv = static_cast<float>(vy);
    return true;
}

namespace {

unsigned limitaATabela(long g) { return static_cast<unsigned>(limitaAoAlcance(g, 0, N_RAIOS - 1)); }

int azimuteDoPonto(float xs, float ys) { return anguloPolarDoAzimute(anguloPolarDoPonto(xs, ys)); }

} // namespace

// ------------------------------------------------------------------ saved view

namespace {

void escalaECentroIniciais() {
    escalaGlobal = 1;
    xZero = yZero = 0;
}

void escalaECentroSalvos() {
    escalaGlobal = escalaGlobalOld;
    xZero = xZeroOld;
    yZero = yZeroOld;
}

void esvaziaVistaSalva() {
    estadoAnterior = ESPERA;
    escalaGlobalOld = 1;
    xZeroOld = yZeroOld = 0;
}

} // namespace

void restauraVista() {
    estado = estadoAnterior;
    escalaECentroSalvos();
    esvaziaVistaSalva();
}

void salvaVista() {
    estadoAnterior = estado;
    escalaGlobalOld = escalaGlobal;
    xZeroOld = xZero;
    yZeroOld = yZero;
    estado = ESPERA;
    escalaECentroIniciais();
}

// ----------------------------------------------------------------------- mouse

void resetFigure() { figure = {0, 0, 0, 0, 0}; }

void selecaoInicia(float x, float y) {
    contaPontos = contaPontosReta = 1;
    xSelecaoInicial = xSelecaoAtual = x;
    ySelecaoInicial = ySelecaoAtual = y;
    tracking = true;
}

void selecaoTermina(float x, float y) {
    contaPontos = contaPontosReta = 2;
    figure.x0 = xSelecaoInicial;
    figure.y0 = ySelecaoInicial;
    figure.x1 = xSelecaoAtual = x;
    figure.y1 = ySelecaoAtual = y;
    tracking = false;
}

namespace {

void completaSetor() {
    // A quick drag may end before any frame outlined it: record the final one.
    registraSetor(setorDoArrasto(figure.x0, figure.y0, figure.x1, figure.y1));
    const float xs[2] = {figure.x0, figure.x1}, ys[2] = {figure.y0, figure.y1};
    for (int k = 0; k < 2; ++k) {
        pontos[k][0] = static_cast<unsigned>(anguloPolarDoPonto(xs[k], ys[k]));
        // Corners near the radar or beyond the disc stay inside the table.
        pontos[k][1] = limitaATabela(raioDoPonto(xs[k], ys[k]) - 4);
    }
    resetFigure();
    ordenaVetor();
    vetorDados();
    estado = EXIBE_FATIA;
    contaPontos = 0;
}

void completaZoom(bool deCorte) {
    const float xa = std::fmin(figure.x0, figure.x1), xb = std::fmax(figure.x0, figure.x1);
    const float ya = std::fmin(figure.y0, figure.y1), yb = std::fmax(figure.y0, figure.y1);
    const double xMinimo = xZero + xa / escalaGlobal, xMaximo = xZero + xb / escalaGlobal;
    const double yMinimo = yZero + ya / escalaGlobal, yMaximo = yZero + yb / escalaGlobal;
    quadradoZoom[0] = xMinimo;
    quadradoZoom[1] = yMinimo;
    const double w = xMaximo - xMinimo, h = yMaximo - yMinimo;
    if (w > 0 && h > 0) {
        resetFigure();
        zoomSimples(deCorte ? std::fmax(w, h) : w, xMinimo, yMinimo);
        estado = deCorte ? EXIBE_FATIA : EXIBE_ZOOM;
    } else { // no area: keep the degenerate square, in the scan frame
        figure.x0 = static_cast<float>(xMinimo);
        figure.y0 = static_cast<float>(yMinimo);
        figure.x1 = static_cast<float>(xMaximo);
        figure.y1 = static_cast<float>(yMaximo);
    }
    contaPontos = 0;
}

void completaPerfil() {
    float xs[2] = {figure.x0, figure.x1}, ys[2] = {figure.y0, figure.y1};
    for (int k = 0; k < 2; ++k) {
        if (!vistaSemTransformacao(estadoAnterior)) vistaParaVarredura(xs[k], ys[k], xs[k], ys[k]);
        retaPontos[k][0] = static_cast<unsigned>(azimuteDoPonto(xs[k], ys[k]));
        retaPontos[k][1] = static_cast<unsigned>(raioDoPonto(xs[k], ys[k]));
    }
    ordenaVetorReta();
    estado = EXIBE_GRAFICO;
    resetFigure();
    contaPontosReta = 0;
}

void posicionaTabela(float xv, float yv) {
    float xs = xv, ys = yv;
    if (!vistaSemTransformacao(estadoAnterior)) vistaParaVarredura(xv, yv, xs, ys);
    primeiroRaio = static_cast<int>(raioDoPonto(xs, ys)) - 15; // clicked gate in the 16th row
    primeiroAngulo = static_cast<int>(modPositivo(azimuteDoPonto(xs, ys) - 6, 360)); // ... 7th column
    estado = EXIBE_NUMEROS;
}

// A press, or the release that ends the drag it began. A release without
// its press (the click that picked the menu entry can reach the window
// after the menu closes) is not a selection: it only ends an outline left
// from an abandoned drag.
bool soltaSemPressao(bool pressionado, unsigned contador) { return !pressionado && contador != 1; }
unsigned ignoraSolta() {
    if (!tracking) return NENHUM;
    tracking = false;
    resetFigure();
    return PRINCIPAL;
}

unsigned arrasto(bool pressionado, float xv, float yv, int tipo) {
    figure.kind = tipo;
    if (pressionado) {
        selecaoInicia(xv, yv);
        return NENHUM;
    }
    selecaoTermina(xv, yv);
    return PRINCIPAL;
}

} // namespace

unsigned trataBotaoEsquerdo(bool pressionado, float xv, float yv) {
    switch (estado) {
    case SELECIONA_FATIA: {
        if (soltaSemPressao(pressionado, contaPontos)) return ignoraSolta();
        const unsigned r = arrasto(pressionado, xv, yv, 2);
        if (contaPontos == 2) completaSetor();
        return r;
    }
    case SELECIONA_ZOOM:
    case SELECIONA_ZOOM_DE_CORTE: {
        const bool deCorte = estado == SELECIONA_ZOOM_DE_CORTE;
        if (soltaSemPressao(pressionado, contaPontos)) return ignoraSolta();
        const unsigned r = arrasto(pressionado, xv, yv, 1);
        if (contaPontos == 2) completaZoom(deCorte);
        return r;
    }
    case SELECIONA_GRAFICO: {
        if (soltaSemPressao(pressionado, contaPontosReta)) return ignoraSolta();
        const unsigned r = arrasto(pressionado, xv, yv, 3);
        if (contaPontosReta == 2) completaPerfil();
        return r;
    }
    case SELECIONA_CENTRO:
        if (pressionado) { // no redraw: the next pointer movement brings it
            xZero += xv / escalaGlobal;
            yZero += yv / escalaGlobal;
            estado = estadoAnterior;
        }
        return NENHUM;
    case SELECIONA_NUMEROS:
        if (!pressionado) return NENHUM;
        posicionaTabela(xv, yv);
        return PRINCIPAL;
    case ESPERA:
    case EXIBE_ZOOM:
    case EXIBE_FATIA:
    case EXIBE_GRAFICO:
    case EXIBE_NUMEROS:
        if (!pressionado) return NENHUM;
        restauraVista();
        return PRINCIPAL;
    case SELECIONA_CORTE_DE_ZOOM: return NENHUM;
    }
    return NENHUM;
}

// --------------------------------------------------------------------- readout

namespace {

void leituraDoMapa(float xs, float ys) {
    const double d = std::sqrt(static_cast<double>(xs) * xs + static_cast<double>(ys) * ys);
    const long raio = raioDaDistancia(d);
    Graio = static_cast<float>(d * RAIOS_POR_UNIDADE * 0.25);
    Gazimute = static_cast<unsigned>(azimuteDoPonto(xs, ys));
    Gintensidade = matriz.valorSeguro(Gazimute, raio);
    grupoLeitura.temPontoDaLeitura = true, grupoLeitura.xDaLeitura = xs, grupoLeitura.yDaLeitura = ys;
}

void leituraDoPerfil(float xv) {
    float t = (xv + 1) * 0.5f;
    t = t < 0 ? 0 : t > 1 ? 1 : t; // the margins beside the graph read its end samples
    long raio;
    if (isLinha) {
        const double g = (static_cast<double>(selecao[0]) + ajusteR) + t * (static_cast<double>(selecao[1]) - selecao[0]);
        Graio = static_cast<float>(g * 0.25);
        raio = arredonda(g);
        Gazimute = static_cast<unsigned>(modPositivo(static_cast<long>(selecao[2]) + ajusteA, 360));
    } else {
        raio = static_cast<long>(selecao[2]) + ajusteR;
        Graio = static_cast<float>(raio * 0.25);
        const long n = modPositivo(static_cast<long>(selecao[1]) - selecao[0], 360);
        Gazimute = static_cast<unsigned>(
            modPositivo(static_cast<long>(selecao[0]) + ajusteA + static_cast<long>(t * n + 0.5), 360));
    }
    Gintensidade = matriz.valorSeguro(Gazimute, raio);
    const double a = (Gazimute + 0.5) * M_PI / 180, d = Graio / 500.0; // the sample's centre
    grupoLeitura.temPontoDaLeitura = true;
    grupoLeitura.xDaLeitura = static_cast<float>(d * std::sin(a)), grupoLeitura.yDaLeitura = static_cast<float>(d * std::cos(a));
}

} // namespace

namespace {
bool temLeitura = false; // the readout's last pointer position, in the view frame
float ultimoXv = 0, ultimoYv = 0;
} // namespace

void releLeitura() {
    if (estado == EXIBE_NUMEROS) Gintensidade = matriz.semDados(); // the table does not read under the pointer
    else if (temLeitura) atualizaLeitura(ultimoXv, ultimoYv);
}

void atualizaLeitura(float xv, float yv) {
    temLeitura = true, ultimoXv = xv, ultimoYv = yv;
    switch (estado) {
    case EXIBE_NUMEROS: return;
    case EXIBE_GRAFICO: leituraDoPerfil(xv); return;
    case ESPERA:
    case SELECIONA_FATIA: leituraDoMapa(xv, yv); return;
    default: {
        float xs, ys;
        vistaParaVarredura(xv, yv, xs, ys);
        leituraDoMapa(xs, ys);
    }
    }
}

// ------------------------------------------------------------------------ keys

unsigned trataTecla(unsigned char tecla) {
    switch (tecla) {
    case 27:
        restauraVista();
        return PRINCIPAL;
    case 'x': {
        // Backwards through the modes: 1 -> 0 -> 3 -> 2 -> 1.
        static const coloridoEscolha ANTERIOR[] = {COR_BRILHO, COR_MAXIMO, COR_MEDIO, COR_MINIMO};
        const int modo = coresSuave;
        if (modo >= COR_MAXIMO && modo <= COR_BRILHO) coresSuave = ANTERIOR[modo];
        return PRINCIPAL | PAINEL;
    }
    default: return NENHUM;
    }
}

namespace {
// GLUT's codes of the arrow keys.
enum Seta { ESQUERDA = 100, CIMA = 101, DIREITA = 102, BAIXO = 103 };

// Offset changes (dx, dy) of the four arrows, in the order left, right, up, down.
struct Passos {
    int esquerda, direita, cima, baixo;
};

int passoDaSeta(int tecla, const Passos& p) {
    switch (tecla) {
    case ESQUERDA: return p.esquerda;
    case DIREITA: return p.direita;
    case CIMA: return p.cima;
    case BAIXO: return p.baixo;
    default: return 0;
    }
}
} // namespace

unsigned trataTeclaEspecial(int tecla) {
    switch (estado) {
    case ESPERA:
    case SELECIONA_FATIA: break;
    case EXIBE_NUMEROS:
        ajusteA += passoDaSeta(tecla, {-1, 1, 0, 0});
        ajusteR += passoDaSeta(tecla, {0, 0, -1, 1});
        ajusteA %= 360;
        break;
    case EXIBE_GRAFICO:
        if (isLinha) {
            ajusteR += passoDaSeta(tecla, {-1, 1, 0, 0});
            ajusteA += passoDaSeta(tecla, {0, 0, 1, -1});
        } else {
            ajusteA += passoDaSeta(tecla, {-1, 1, 0, 0});
            ajusteR += passoDaSeta(tecla, {0, 0, 1, -1});
        }
        ajusteA %= 360;
        break;
    default:
        if (escalaGlobal > 1) {
            const double s = escalaGlobal * 0.00025;
            xZero = static_cast<float>(xZero + s * passoDaSeta(tecla, {-1, 1, 0, 0}));
            yZero = static_cast<float>(yZero + s * passoDaSeta(tecla, {0, 0, 1, -1}));
        }
        break;
    }
    return PRINCIPAL | PAINEL;
}

// ----------------------------------------------------------------------- menus

unsigned comandoPrincipal(int valor) {
    switch (valor) {
    case AMPLIAR:
        if (estado == ESPERA || estado == SELECIONA_FATIA || estado == EXIBE_ZOOM) {
            estado = SELECIONA_ZOOM;
            contaPontos = 0;
        } else if (estado == EXIBE_FATIA) {
            estado = SELECIONA_ZOOM_DE_CORTE;
            contaPontos = 0;
        }
        return NENHUM;
    case VOLTAR:
        if (estado == ESPERA) {
            restauraVista();
        } else if (estado != EXIBE_GRAFICO) {
            salvaVista();
        } else {
            switch (estadoAnterior) {
            case EXIBE_ZOOM:
            case SELECIONA_ZOOM:
            case SELECIONA_ZOOM_DE_CORTE:
            case EXIBE_FATIA:
            case SELECIONA_GRAFICO:
            case SELECIONA_CORTE_DE_ZOOM: restauraVista(); break;
            case ESPERA: // a profile made from the full view: back to it
                estado = ESPERA;
                escalaECentroIniciais();
                esvaziaVistaSalva();
                break;
            default: // the graph stays, with the saved scale and centre
                escalaECentroSalvos();
                esvaziaVistaSalva();
                return PRINCIPAL;
            }
        }
        return NENHUM;
    case SAIR:
        std::exit(0);
    default: return NENHUM;
    }
}

unsigned comandoVisualizar(int valor) {
    switch (valor) {
    case SETOR_CIRCULAR:
        estado = SELECIONA_FATIA;
        contaPontos = 0;
        return NENHUM;
    case DESLOCAR_BOLACHA: // only a magnified or moved view can be re-centred
        if (estado == EXIBE_ZOOM || estado == SELECIONA_ZOOM || estado == EXIBE_FATIA ||
            estado == SELECIONA_GRAFICO || estado == SELECIONA_CENTRO) {
            estadoAnterior = estado;
            estado = SELECIONA_CENTRO;
        }
        return NENHUM;
    case VALORES_NUMERICOS:
        if (estado == EXIBE_GRAFICO) {
            ajusteA = ajusteR = 0;
            estadoAnterior = EXIBE_GRAFICO;
            primeiroRaio = static_cast<int>(arredonda(Graio * 4.0)) - 15; // readout's gate in the 16th row
            primeiroAngulo = static_cast<int>(Gazimute);
            estado = EXIBE_NUMEROS;
            return PRINCIPAL;
        }
        if (estado == SELECIONA_NUMEROS || estado == EXIBE_NUMEROS) {
            estadoAnterior = estado = ESPERA;
            escalaECentroIniciais();
            return NENHUM;
        }
        estadoAnterior = estado;
        ajusteA = ajusteR = 0;
        estado = SELECIONA_NUMEROS;
        return NENHUM;
    default: return NENHUM;
    }
}

unsigned comandoPerfil(int valor) {
    if (valor == INTERVALO_ANGULAR) isLinha = false;
    else if (valor == INTERVALO_RADIAL) isLinha = true;
    else return NENHUM;
    estadoAnterior = estado;
    estado = SELECIONA_GRAFICO;
    contaPontosReta = 0;
    ajusteA = ajusteR = 0;
    return NENHUM;
}

void ajustaNivelColorido(int valor) {
    if (valor >= TEXTO_PRETO_FUNDO_BRANCO && valor <= TEXTO_COLORIDO_FUNDO_BRANCO)
        nivelColorido = static_cast<nivelColoridoTipo>(valor - TEXTO_PRETO_FUNDO_BRANCO);
}

void ajustaQualidade(int valor) {
    if (valor >= INTERPOLAR_CORES && valor <= PONTOS_SIMPLES) qualidadeImagem = static_cast<qualidade>(valor - INTERPOLAR_CORES);
}

void ajustaQuantidadeDeCores(int valor) {
    if (valor >= MAXIMO_DE_CORES && valor <= BRILHO) coresSuave = static_cast<coloridoEscolha>(valor - MAXIMO_DE_CORES);
}

void ajustaUnidades(int valor) { unidadeMedidas = valor == EM_MILHAS ? MILHAS : KILOMETROS; }

void ajustaLeitura(int valor) {
    switch (valor) {
    case LEITURA_250_M: qualidadeR = 1; break;
    case LEITURA_500_M: qualidadeR = 2; break;
    case LEITURA_1_KM: qualidadeR = 4; break;
    default: break;
    }
}

// --------------------------------------------------------------- export region

namespace {
// Azimuth row to polar angle, for rows offset by up to -360.
int angulo(long linha) { return anguloPolarDoAzimute(modPositivo(linha, 360)); }
} // namespace

bool regiaoDaExportacao(int& ori, int& orf, int& oti, int& otf) {
    switch (estado) {
    case EXIBE_FATIA:
        // The export's rows run clockwise from the row of its first angle:
        // the sector's second limit comes first, so that at exactly 180
        // degrees the half exported is the half shown.
        ori = static_cast<int>(pontos[0][1]);
        orf = static_cast<int>(pontos[1][1]);
        oti = static_cast<int>(pontos[1][0]);
        otf = static_cast<int>(pontos[0][0]);
        return true;
    case EXIBE_GRAFICO:
        if (isLinha) {
            ori = static_cast<int>(selecao[0]) + ajusteR;
            orf = static_cast<int>(selecao[1]) + ajusteR;
            oti = otf = angulo(static_cast<long>(selecao[2]) + ajusteA);
        } else {
            ori = orf = static_cast<int>(selecao[2]) + ajusteR;
            oti = angulo(static_cast<long>(selecao[0]) + ajusteA);
            otf = angulo(static_cast<long>(selecao[1]) + ajusteA);
        }
        return true;
    case EXIBE_NUMEROS:
        ori = primeiroRaio + ajusteR;
        orf = ori + 30;
        oti = angulo(static_cast<long>(primeiroAngulo) + ajusteA);
        otf = angulo(static_cast<long>(primeiroAngulo) + ajusteA + 13);
        return true;
    default: return false;
    }
}
