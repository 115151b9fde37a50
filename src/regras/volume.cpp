// The volume store: moments kept compactly, and the shown one put on the table.
#include "volume.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

VarreduraMedida MomentoGuardado::medida() const {
    VarreduraMedida v = forma;
    if (!curtos.empty()) {
        v.brutos.assign(curtos.size(), 0.0);
        for (std::size_t k = 0; k < curtos.size(); ++k)
            v.brutos[k] = comSinal ? static_cast<double>(static_cast<std::int16_t>(curtos[k])) : curtos[k];
    } else {
        v.brutos = reais;
    }
    return v;
}

bool mostraMomento(Volume& v, std::size_t e, std::size_t q, Matriz& m, std::string& erro) {
    const std::string arquivo = std::string("'") + (v.nome ? v.nome : "") + "'";
    if (e >= v.elevacoes.size() || q >= v.elevacoes[e].momentos.size()) {
        erro = arquivo + ": nao ha essa elevacao ou grandeza";
        return false;
    }
    const MomentoGuardado& momento = v.elevacoes[e].momentos[q];
    if (!momento.lido) {
        erro = arquivo + ": " + momento.erro;
        return false;
    }
    // Codes and reduction hang on the kind alone; the span may hang on the data.
    Produto produto = produtoDe(momento.quantidade, momento.nyquist, 0, 1, v.paletas);
    const TabelaMapeada t = mapeiaVarredura(momento.medida(), produto.descricao());
    if (t.raioInicial < 0) {
        erro = arquivo + ": a varredura nao tem dados a menos de 500 km do radar";
        return false;
    }
    if (produto.tipo == Grandeza::PHIDP || produto.tipo == Grandeza::OUTRA) {
        double menor = 0, maior = 0;
        bool algum = false;
        for (float x : t.valores)
            if (ehMedido(x)) {
                const double y = produto.mostrado(x);
                menor = algum ? std::min(menor, y) : y, maior = algum ? std::max(maior, y) : y, algum = true;
            }
        produto = produtoDe(momento.quantidade, momento.nyquist, menor, maior, v.paletas);
    }
    m.carregaTabela(t.valores, static_cast<unsigned>(t.raioInicial), static_cast<unsigned>(t.raioFinal),
                    produto.descricao());
    m.setOrigem(momento.arquivo ? momento.arquivo : v.nome, v.data, v.hora, v.sitio); // exports name its file
    v.elevacao = e, v.momento = q;
    v.produto = std::move(produto);
    return true;
}

long momentoDaElevacao(const Volume& v, std::size_t e, const std::string& quantidade, bool qualquer) {
    if (e >= v.elevacoes.size()) return -1;
    const std::vector<MomentoGuardado>& momentos = v.elevacoes[e].momentos;
    const auto procura = [&](const std::string& nome) -> long {
        for (std::size_t q = 0; q < momentos.size(); ++q)
            if (momentos[q].quantidade == nome) return static_cast<long>(q);
        return -1;
    };
    if (!quantidade.empty()) {
        const long q = procura(quantidade);
        if (q >= 0) return q;
    }
    for (const char* padrao : {"DBZH", "TH", "DBZV", "TV"}) {
        const long q = procura(padrao);
        if (q >= 0) return q;
    }
    return momentos.empty() || !qualquer ? -1 : 0;
}

bool passaElevacao(Volume& v, Matriz& m, int passo, std::string& erro) {
    if (v.vazio() || passo == 0) return false;
    const std::string& quantidade = v.elevacoes[v.elevacao].momentos[v.momento].quantidade;
    for (long e = static_cast<long>(v.elevacao) + passo; e >= 0 && e < static_cast<long>(v.elevacoes.size());
         e += passo) {
        // The shown quantity, else reflectivity; a tilt with neither is passed over.
        const long q = momentoDaElevacao(v, static_cast<std::size_t>(e), quantidade, false);
        if (q < 0 || !v.elevacoes[static_cast<std::size_t>(e)].momentos[static_cast<std::size_t>(q)].lido) continue;
        return mostraMomento(v, static_cast<std::size_t>(e), static_cast<std::size_t>(q), m, erro);
    }
    return false;
}

bool passaMomento(Volume& v, Matriz& m, std::string& erro) {
    if (v.vazio()) return false;
    const std::vector<MomentoGuardado>& momentos = v.elevacoes[v.elevacao].momentos;
    for (std::size_t k = 1; k < momentos.size(); ++k) {
        const std::size_t q = (v.momento + k) % momentos.size();
        if (momentos[q].lido) return mostraMomento(v, v.elevacao, q, m, erro);
    }
    return false;
}

void juntaVolume(Volume& v, Volume&& outro) {
    for (ElevacaoGuardada& e : outro.elevacoes) {
        auto igual = std::find_if(v.elevacoes.begin(), v.elevacoes.end(),
                                  [&](const ElevacaoGuardada& x) { return std::fabs(x.angulo - e.angulo) < 0.05; });
        if (igual == v.elevacoes.end()) {
            const auto depois = std::find_if(v.elevacoes.begin(), v.elevacoes.end(),
                                             [&](const ElevacaoGuardada& x) { return x.angulo > e.angulo; });
            v.elevacoes.insert(depois, std::move(e));
            continue;
        }
        for (MomentoGuardado& q : e.momentos) {
            const bool tem = std::any_of(igual->momentos.begin(), igual->momentos.end(),
                                         [&](const MomentoGuardado& x) { return x.quantidade == q.quantidade; });
            if (!tem) igual->momentos.push_back(std::move(q));
        }
    }
    if (v.nome == nullptr) v.nome = outro.nome;
    if (v.sitio.empty()) v.sitio = outro.sitio;
    if (!v.posicao.conhecido) v.posicao = outro.posicao;
    outro.elevacoes.clear();
}

std::size_t elevacaoMaisProxima(const Volume& v, double angulo) {
    std::size_t melhor = 0;
    for (std::size_t e = 1; e < v.elevacoes.size(); ++e)
        if (std::fabs(v.elevacoes[e].angulo - angulo) < std::fabs(v.elevacoes[melhor].angulo - angulo)) melhor = e;
    return melhor;
}

std::size_t bytesDoVolume(const Volume& v) {
    std::size_t n = 0;
    for (const ElevacaoGuardada& e : v.elevacoes)
        for (const MomentoGuardado& q : e.momentos) n += q.bytes();
    return n;
}

std::string textoElevacao(const Volume& v) {
    if (v.vazio()) return "";
    char linha[64];
    std::snprintf(linha, sizeof linha, "Elevacao: %.1f graus (%zu/%zu)", v.elevacoes[v.elevacao].angulo,
                  v.elevacao + 1, v.elevacoes.size());
    return linha;
}
