// The data file rewritten from the lines of the last write: whatever the list went through
// between two writes, the file holds exactly the lines its rows give.
#include "ArquivoDados.h"
#include "LinhasGravadas.h"
#include "PastaTemporaria.h"

#include <QList>

#include <algorithm>
#include <random>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

const Cabecalho Cab{u"2005"_s, u"PREFEITURA MUNICIPAL"_s, u"FULANO"_s, u"BELTRANO"_s};

// The bytes a write must leave: every line encoded on its own.
QByteArray Esperado(const QList<Adiantamento>& linhas)
{
    QByteArray bytes = LinhaCabecalho(Cab);
    for (const Adiantamento& a : linhas)
        bytes += LinhaAdiantamento(a);
    return bytes;
}

class Sessao
{
public:
    explicit Sessao(unsigned semente) : sorte_(semente) {}

    Adiantamento nova()
    {
        Adiantamento a;
        a.processo = u"%1/2005"_s.arg(numero(1, 9999), 4, 10, QChar(u'0'));
        a.notaEmpenho = QString::number(numero(1, 99999));
        a.elemento = numero(0, 3);
        a.cpf = u"%1"_s.arg(numero(0, 999999), 11, 10, QChar(u'0'));
        a.nome = nomes_[static_cast<size_t>(numero(0, nomes_.size() - 1))];
        a.valor = numero(1, 9999999);
        a.periodoInicial = u"01/03"_s;
        a.periodoFinal = u"%1/03"_s.arg(numero(1, 31), 2, 10, QChar(u'0'));
        return a;
    }

    // One change a clerk's command makes to the list between two writes.
    void muda(QList<Adiantamento>& l)
    {
        const auto linha = [&] { return static_cast<qsizetype>(numero(0, l.size() - 1)); };
        switch (l.isEmpty() ? 0 : numero(0, 9)) {
        case 0: // F2 on a new row, at the end
            l.append(nova());
            break;
        case 1: // F2 on a new row at its sorted place
            l.insert(linha(), nova());
            break;
        case 2: // F3: the row replaced
            l[linha()] = nova();
            break;
        case 3: { // a text changed where it is held
            Adiantamento& a = l[linha()];
            a.nome[0] = a.nome[0] == u'A' ? u'B' : u'A';
            a.processo.append(u'9');
            break;
        }
        case 4: // a value changed, the texts kept
            l[linha()].valor += 1;
            break;
        case 5: { // F4 on a block of rows
            const qsizetype i = linha();
            l.remove(i, std::min<qsizetype>(numero(1, 20), l.size() - i));
            break;
        }
        case 6: // F4 on one row
            l.removeAt(linha());
            break;
        case 7: // a title clicked
            std::shuffle(l.begin(), l.end(), sorte_);
            break;
        case 8: { // a creditor renamed on every row of a CPF
            const QString nome = u"NOME NOVO %1"_s.arg(numero(0, 9));
            const QString cpf = l[linha()].cpf;
            for (Adiantamento& a : l)
                if (a.cpf == cpf)
                    a.nome = nome;
            break;
        }
        default: // the rows given again, the same texts in new rows
            l = QList<Adiantamento>(l.begin(), l.end());
            break;
        }
    }

    int numero(qsizetype de, qsizetype ate)
    {
        return static_cast<int>(std::uniform_int_distribution<qsizetype>(de, ate)(sorte_));
    }

private:
    std::mt19937 sorte_;
    const std::vector<QString> nomes_{u"ANA"_s, u"JOSÉ DA SILVA"_s, u"MARIA"_s};
};

TEST(LinhasGravadas, CadaEscritaGuardaAsLinhasDasLinhasDaLista)
{
    const PastaTemporaria pasta;
    const QString caminho = pasta.arquivo(u"Pravex2005.txt"_s);
    for (const unsigned semente : {1u, 2u, 3u, 20261211u}) {
        SCOPED_TRACE(semente);
        Sessao sessao(semente);
        LinhasGravadas gravadas;
        QList<Adiantamento> linhas;
        for (int i = 0; i < 40; ++i)
            linhas.append(sessao.nova());
        for (int passo = 0; passo < 150; ++passo) {
            SCOPED_TRACE(passo);
            sessao.muda(linhas);
            ASSERT_EQ(EscreveArquivoExercicio(caminho, Cab, linhas, gravadas), std::nullopt);
            ASSERT_EQ(LeBytes(caminho), Esperado(linhas));
        }
    }
}

TEST(LinhasGravadas, EscritaRecusadaNoMeioNaoDeixaLinhaTrocada)
{
    const PastaTemporaria pasta;
    const QString caminho = pasta.arquivo(u"Pravex2005.txt"_s);
    Sessao sessao(7);
    LinhasGravadas gravadas;
    QList<Adiantamento> linhas;
    for (int i = 0; i < 30; ++i)
        linhas.append(sessao.nova());
    ASSERT_EQ(EscreveArquivoExercicio(caminho, Cab, linhas, gravadas), std::nullopt);
    const QByteArray antes = LeBytes(caminho);

    // A row the file cannot carry, after rows the last write had: the write is refused after
    // taking those rows' lines, and the file stays as it was.
    const Adiantamento boa = linhas[20];
    linhas[20].nome = u"NOME, COM VÍRGULA"_s;
    const std::optional<Falha> falha = EscreveArquivoExercicio(caminho, Cab, linhas, gravadas);
    ASSERT_TRUE(falha.has_value());
    EXPECT_EQ(falha->numero, Falha::ArgumentoInvalido);
    EXPECT_EQ(LeBytes(caminho), antes);

    // Rows emptied of their texts, their numbers kept, then written: no line of a row the
    // refused write took stands for them.
    linhas[20] = boa;
    for (qsizetype i = 0; i < 10; ++i) {
        Adiantamento vazia;
        vazia.elemento = linhas[i].elemento;
        vazia.valor = linhas[i].valor;
        linhas[i] = vazia;
    }
    ASSERT_EQ(EscreveArquivoExercicio(caminho, Cab, linhas, gravadas), std::nullopt);
    EXPECT_EQ(LeBytes(caminho), Esperado(linhas));
}

} // namespace
