// The program's globals, defined once, and their reset.
#include "estado.h"

namespace {
const GrupoVista VISTA_INICIAL;
const GrupoSelecao SELECAO_INICIAL;
const GrupoArrasto ARRASTO_INICIAL;
const GrupoAjustes AJUSTES_INICIAIS;
const GrupoLeitura LEITURA_INICIAL;
} // namespace

GrupoVista grupoVista;
unsigned &width = grupoVista.width, &height = grupoVista.height;
EstadosPossiveis &estado = grupoVista.estado, &estadoAnterior = grupoVista.estadoAnterior;
float &escalaGlobal = grupoVista.escalaGlobal, &xZero = grupoVista.xZero, &yZero = grupoVista.yZero;
float &xIntervalo = grupoVista.xIntervalo, &yIntervalo = grupoVista.yIntervalo;
float &xMin = grupoVista.xMin, &yMin = grupoVista.yMin, &xMax = grupoVista.xMax, &yMax = grupoVista.yMax;
float &escalaGlobalOld = grupoVista.escalaGlobalOld, &xZeroOld = grupoVista.xZeroOld, &yZeroOld = grupoVista.yZeroOld;

GrupoSelecao grupoSelecao;
double (&quadradoZoom)[2] = grupoSelecao.quadradoZoom;
unsigned (&pontos)[2][2] = grupoSelecao.pontos;
unsigned& abertura = grupoSelecao.abertura;
unsigned (&retaPontos)[2][2] = grupoSelecao.retaPontos;
unsigned (&selecao)[3] = grupoSelecao.selecao;
int &primeiroRaio = grupoSelecao.primeiroRaio, &primeiroAngulo = grupoSelecao.primeiroAngulo;
int &ajusteR = grupoSelecao.ajusteR, &ajusteA = grupoSelecao.ajusteA;
bool& isLinha = grupoSelecao.isLinha;

GrupoArrasto grupoArrasto;
fig& figure = grupoArrasto.figure;
float &xSelecaoInicial = grupoArrasto.xSelecaoInicial, &ySelecaoInicial = grupoArrasto.ySelecaoInicial;
float &xSelecaoAtual = grupoArrasto.xSelecaoAtual, &ySelecaoAtual = grupoArrasto.ySelecaoAtual;
unsigned &contaPontos = grupoArrasto.contaPontos, &contaPontosReta = grupoArrasto.contaPontosReta;
unsigned &raioItemp = grupoArrasto.raioItemp, &raioFtemp = grupoArrasto.raioFtemp;
unsigned &anguloItemp = grupoArrasto.anguloItemp, &anguloFtemp = grupoArrasto.anguloFtemp;
bool& tracking = grupoArrasto.tracking;

GrupoAjustes grupoAjustes;
qualidade& qualidadeImagem = grupoAjustes.qualidadeImagem;
int& qualidadeR = grupoAjustes.qualidadeR;
coloridoEscolha& coresSuave = grupoAjustes.coresSuave;
nivelColoridoTipo& nivelColorido = grupoAjustes.nivelColorido;
medidas& unidadeMedidas = grupoAjustes.unidadeMedidas;

bool fundoEscuro() { return nivelColorido == BRANCO_E_PRETO || nivelColorido == COLORIDO_E_PRETO; }
bool dadosColoridos() { return nivelColorido == COLORIDO_E_PRETO || nivelColorido == COLORIDO_E_BRANCO; }

GrupoLeitura grupoLeitura;
float& Graio = grupoLeitura.Graio;
unsigned& Gazimute = grupoLeitura.Gazimute;
float& Gintensidade = grupoLeitura.Gintensidade;
int &mXI = grupoLeitura.mXI, &mYI = grupoLeitura.mYI;

int tipo_referencia = 0;
int janelaPrincipal = 0;
int janela_de_fundo = 0;
int janelaMenu = 0;
unsigned contadorDeImagens = 0;

Volume volume;
Sitio sitioDaLinhaDeComando;
Sitio sitioMostrado() { return sitioDaLinhaDeComando.conhecido ? sitioDaLinhaDeComando : volume.posicao; }
Serie serie;
Seguidor seguidor;
std::size_t janelaDaSerie = 24;
std::string pastaSeguida;
Matriz matriz;
lugarCidade lugar = UNK;

void reiniciaEstado() {
    grupoVista = VISTA_INICIAL;
    grupoSelecao = SELECAO_INICIAL;
    grupoArrasto = ARRASTO_INICIAL;
    grupoAjustes = AJUSTES_INICIAIS;
    grupoLeitura = LEITURA_INICIAL;
    tipo_referencia = 0;
}
