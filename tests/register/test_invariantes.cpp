// Random sequences of what a clerk does, run on the real main window (its keys, its list, its
// dialogs) and on a small model of the registers. After every action the data file of every year
// must hold, byte for byte, the register the clerk last confirmed for that year, and its newest
// version the one confirmed before; the window must show the open exercise's register; and every
// box shown must be one the model expected.

#include "Caminhos.h"
#include "FrmAdiantamentos.h"
#include "FrmImportacao.h"
#include "ListasArquivos.h"
#include "ModeloAdiantamentos.h"
#include "Module1.h"
#include "PastaTemporaria.h"
#include "ServicosDeTeste.h"
#include "Versoes.h"
#include "frmGrava.h"
#include "frmRestaurarCopiaSeguranca.h"
#include "frmSair.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>
#include <rapidcheck/state.h>

#include <algorithm>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <variant>

using namespace Qt::Literals::StringLiterals;

namespace
{

// ---- the model

constexpr int PrimeiroAno = 2002; // not an exercise: refused
constexpr int UltimoAno = 2009;
constexpr int AnoRecusado = 2007; // its data file is refused by the verification
constexpr int AnoIlegivel = 2008; // its data file holds a value the reader could not split

struct Elemento {
    int indice; // in the element list
    const char16_t* item;
};
const Elemento Elementos[] = {{25, u"334030  MATERIAL DE CONSUMO"},
                              {39, u"339030  MATERIAL DE CONSUMO"},
                              {46, u"339039  OUTROS SERVICOS DE TERCEIROS-PESSOA JURIDICA"},
                              {84, u"999999  RESERVA DE CONTINGENCIA"}};

// Creditors: a few CPFs and names, so that CPFs come back and names are carried over.
const char* const Cpfs[] = {"12345678909", "52998224725", "11144477735",
                            "39053344705", "98765432100", "31415926590"};
const char* const Nomes[] = {"CICRANO DA SILVA", "BELTRANO SOUZA", "FULANA DE TAL",
                             "MARIA APARECIDA",  "JOAO BATISTA",   "ANA PAULA COSTA"};

struct Adiantamento_ {
    QString processo;
    qint64 ne = 0;
    int elemento = 0; // index into Elementos
    QString cpf;
    QString nome;
    qint64 centavos = 0;
    QString inicial, final_;

    friend bool operator==(const Adiantamento_&, const Adiantamento_&) = default;
};

struct Reg {
    QString orgao, elaborador, responsavel;
    QList<Adiantamento_> linhas;

    friend bool operator==(const Reg&, const Reg&) = default;
};

QString DoisDigitos(qint64 n)
{
    return u"%1"_s.arg(static_cast<int>(n), 2, 10, QLatin1Char('0'));
}

QString ValorArquivo(qint64 c)
{
    return QString::number(c / 100) + u'.' + DoisDigitos(c % 100);
}

QString ValorLista(qint64 c)
{
    QString inteiro = QString::number(c / 100);
    for (qsizetype i = inteiro.size() - 3; i > 0; i -= 3)
        inteiro.insert(i, u'.');
    return inteiro + u',' + DoisDigitos(c % 100);
}

QString Codigo(int elemento)
{
    return QString::fromUtf16(Elementos[elemento].item).left(6);
}

QByteArray LinhaArquivo(const Adiantamento_& a)
{
    return (QStringList{a.processo, QString::number(a.ne), Codigo(a.elemento), a.cpf, a.nome,
                        ValorArquivo(a.centavos), a.inicial, a.final_}
                .join(u',') +
            u"\r\n"_s)
        .toLatin1();
}

// The data file the program writes for a register of a year.
QByteArray BytesDe(const Reg& r, int ano)
{
    QByteArray b = (r.orgao + u',' + QString::number(ano) + u',' + r.elaborador + u',' +
                    r.responsavel + u",,,,\r\n"_s)
                       .toLatin1();
    for (const Adiantamento_& a : r.linhas)
        b += LinhaArquivo(a);
    return b;
}

// A data file the program did not write, and the boxes starting its exercise shows.
struct Defeituoso {
    QByteArray bytes;
    QStringList mensagens;
};
using Arquivo = std::variant<Reg, Defeituoso>;

QByteArray BytesDe(const Arquivo& a, int ano)
{
    if (const auto* r = std::get_if<Reg>(&a))
        return BytesDe(*r, ano);
    return std::get<Defeituoso>(a).bytes;
}

// A file in the folder the import dialog is pointed at: what importing it gives, or the box of
// its verification.
struct Importacao {
    QString nome;
    QByteArray bytes;
    std::optional<std::pair<int, Reg>> dados;
    QString recusa;
};

// A file in the folder of backups: what restoring it gives; nothing for one that cannot be read.
struct Copia {
    QString nome;
    QByteArray bytes;
    std::optional<std::pair<int, Reg>> dados;
};

const QString Dica =
    u"Para lançamento de um novo Exercício ou dar continuidade em algum, informe o "
    u"Exercício no campo correspondente, em seguida clique o botão Iniciar ou "
    u"simplesmente tecle ENTER."_s;
const QString ExercicioInvalido = u"Informe um Exercício a partir de 2003"_s;
const QString ForaDoLayout =
    u"Informações fora do layout esperado, ou não é o arquivo correto. Verifique"_s;
const QString PerguntaImportar = u"Verificação concluida. Deseja Importar os dados agora ?"_s;

// The versions of a year's data file the program kept: how many in all, and the newest.
struct Versoes {
    int guardadas = 0;
    QByteArray maisNova;
};

struct Modelo {
    // What lies on disk.
    std::map<int, Arquivo> disco;
    std::map<int, Versoes> versoes;
    std::map<int, QByteArray> envios;      // submission files: the data file they were made of
    std::map<QString, QByteArray> destino; // copies in the folder "destino"
    std::vector<Importacao> importacoes;
    std::vector<Copia> copias;

    // What the window shows and holds.
    std::optional<int> aberto;
    Reg mostrado;
    bool pendente = false;
    QString digitado;
    bool incluir = false;            // F2 - Incluir enabled
    bool cabecalho = false;          // the header fields enabled
    bool restaurarImportar = true;   // F7 and F8 enabled
    std::optional<bool> descendente; // the list sorted by NE, when set

    int linhas() const { return static_cast<int>(mostrado.linhas.size()); }

    // A new run of the program.
    void reinicia()
    {
        aberto.reset();
        mostrado = {};
        pendente = false;
        digitado.clear();
        incluir = cabecalho = false;
        restaurarImportar = true;
        descendente.reset();
    }

    void ordena()
    {
        if (!descendente)
            return;
        std::stable_sort(mostrado.linhas.begin(), mostrado.linhas.end(),
                         [this](const Adiantamento_& a, const Adiantamento_& b) {
                             return *descendente ? a.ne > b.ne : a.ne < b.ne;
                         });
    }

    // The boxes the window shows when it becomes the active window.
    void ativacao(QStringList& caixas) const
    {
        if (!incluir)
            caixas << Dica;
    }

    QString anoAberto() const { return aberto ? QString::number(*aberto) : QString(); }

    // The first check of the header that fails when a register is written, if any.
    std::optional<QString> recusaCabecalho(bool comprimentos) const
    {
        if (!aberto)
            return ExercicioInvalido;
        if (mostrado.orgao.trimmed().isEmpty())
            return u"Informe o nome do(a) UGE/Órgão/Entidade"_s;
        if (comprimentos && mostrado.orgao.trimmed().size() < 15)
            return u"Nome da(o) UGE/Órgão/Entidade com menos de 15 caracteres."_s;
        if (mostrado.responsavel.trimmed().isEmpty())
            return u"Informe o nome do Responsável"_s;
        if (comprimentos && mostrado.responsavel.trimmed().size() < 8)
            return u"Nome do Responsável com menos de 10 caracteres."_s;
        return std::nullopt;
    }

    // GravaArquivo: true when the data file of the open exercise now holds the list.
    bool grava(QStringList& caixas)
    {
        if (std::optional<QString> recusa = recusaCabecalho(false)) {
            caixas << *recusa;
            return false;
        }
        if (mostrado.linhas.isEmpty()) {
            caixas << u"Nenhum Adiantamento foi informado."_s;
            return false;
        }
        guardaVersao(*aberto);
        disco[*aberto] = mostrado;
        pendente = false;
        return true;
    }

    // The data file of a year about to be replaced or deleted becomes its newest version.
    void guardaVersao(int ano)
    {
        const auto arquivo = disco.find(ano);
        if (arquivo == disco.end())
            return;
        Versoes& v = versoes[ano];
        ++v.guardadas;
        v.maisNova = BytesDe(arquivo->second, ano);
    }

    // The register of a file the window loads: sorted if the list is.
    void mostra(const Reg& r)
    {
        mostrado = r;
        ordena();
    }

    // An import or a restore: the year and register of a file replace the open ones, to be
    // written on leaving.
    void substitui(const std::pair<int, Reg>& dados)
    {
        mostra(dados.second);
        aberto = dados.first;
        digitado = QString::number(dados.first);
        pendente = true;
        incluir = cabecalho = restaurarImportar = true;
    }

    // The name a creditor's CPF carries in the list, if it is there.
    std::optional<QString> nomeDe(const QString& cpf) const
    {
        for (const Adiantamento_& a : mostrado.linhas)
            if (a.cpf == cpf)
                return a.nome;
        return std::nullopt;
    }
};

// ---- generators

rc::Gen<QString> GeraTexto(const std::vector<const char*>& partes, int minimo, int maximo)
{
    return rc::gen::map(
        rc::gen::container<std::vector<int>>(rc::gen::inRange(0, static_cast<int>(partes.size()))),
        [partes, minimo, maximo](const std::vector<int>& escolhas) {
            QString t;
            for (const int e : escolhas)
                t += (t.isEmpty() ? u""_s : u" "_s) +
                     QString::fromLatin1(partes[static_cast<size_t>(e)]);
            while (t.size() < minimo)
                t += (t.isEmpty() ? u""_s : u" "_s) + u"PUBLICA"_s;
            return t.left(maximo).trimmed();
        });
}

Reg GeraCabecalho()
{
    Reg r;
    r.orgao =
        *GeraTexto({"PREFEITURA", "MUNICIPAL", "DE", "CAMARA", "SECRETARIA", "SAUDE"}, 15, 60);
    r.elaborador = *GeraTexto({"JOSE", "PEDRO", "LUIZA", "ALVES"}, 0, 40);
    r.responsavel = *GeraTexto({"CARLOS", "SANTOS", "HELENA", "ROCHA"}, 8, 40);
    return r;
}

QString Periodo(int dia, int mes)
{
    return u"%1/%2"_s.arg(dia, 2, 10, QLatin1Char('0')).arg(mes, 2, 10, QLatin1Char('0'));
}

Adiantamento_ GeraAdiantamento()
{
    Adiantamento_ a;
    a.processo = u"P"_s + QString::number(*rc::gen::inRange(1, 1000));
    a.ne = *rc::gen::inRange<qint64>(1, 41);
    a.elemento = *rc::gen::inRange(0, static_cast<int>(std::size(Elementos)));
    const int c = *rc::gen::inRange(0, static_cast<int>(std::size(Cpfs)));
    a.cpf = QString::fromLatin1(Cpfs[c]);
    a.nome = QString::fromLatin1(Nomes[*rc::gen::inRange(0, static_cast<int>(std::size(Nomes)))]);
    a.centavos = *rc::gen::oneOf(rc::gen::inRange<qint64>(1, 100000),
                                 rc::gen::inRange<qint64>(1, 10000000000));
    // Days that exist in every month of every year.
    const int m1 = *rc::gen::inRange(1, 13), m2 = *rc::gen::inRange(1, 13);
    const int d1 = *rc::gen::inRange(1, 29), d2 = *rc::gen::inRange(1, 29);
    const auto [mi, di, mf, df] = std::pair(m1, d1) <= std::pair(m2, d2)
                                      ? std::tuple(m1, d1, m2, d2)
                                      : std::tuple(m2, d2, m1, d1);
    a.inicial = Periodo(di, mi);
    a.final_ = Periodo(df, mf);
    return a;
}

// Advances with NEs that differ, as every file the verification passes holds them.
QList<Adiantamento_> GeraLinhas(int minimo, int maximo)
{
    QList<Adiantamento_> linhas;
    const int n = *rc::gen::inRange(minimo, maximo + 1);
    while (linhas.size() < n) {
        Adiantamento_ a = GeraAdiantamento();
        a.ne = 100 + linhas.size() * 7 + *rc::gen::inRange(0, 7);
        // One creditor, one name, as the list keeps them.
        for (const Adiantamento_& b : linhas)
            if (b.cpf == a.cpf)
                a.nome = b.nome;
        linhas.append(a);
    }
    return linhas;
}

// The ways an import file may write a field that the import still reads as the register has it.
struct Apresentacao {
    bool cpfFormatado = false;
    bool nomeEntreAspas = false;
    bool periodoComBrancos = false;
};

QString CpfFormatado(const QString& cpf)
{
    return cpf.left(3) + u'.' + cpf.mid(3, 3) + u'.' + cpf.mid(6, 3) + u'-' + cpf.right(2);
}

// An advance line of an import file: the Processo is long enough for the import's 53 characters.
QByteArray LinhaImportacao(const Adiantamento_& a, const Apresentacao& p, const QString& nome = {})
{
    return (QStringList{a.processo, QString::number(a.ne), Codigo(a.elemento),
                        p.cpfFormatado ? CpfFormatado(a.cpf) : a.cpf,
                        !nome.isEmpty()    ? nome
                        : p.nomeEntreAspas ? u'"' + a.nome + u'"'
                                           : a.nome,
                        ValorArquivo(a.centavos),
                        a.inicial + (p.periodoComBrancos ? u" "_s : u""_s),
                        a.final_ + (p.periodoComBrancos ? u"  "_s : u""_s)}
                .join(u',') +
            u"\r\n"_s)
        .toLatin1();
}

Importacao GeraImportacaoBoa(int n)
{
    const int ano = *rc::gen::inRange(2003, UltimoAno);
    Reg r = GeraCabecalho();
    r.linhas = GeraLinhas(1, 4);
    for (Adiantamento_& a : r.linhas)
        a.processo = u"PROC%1/%2"_s.arg(static_cast<int>(a.ne), 6, 10, QLatin1Char('0')).arg(ano);
    Importacao imp{u"boa%1.txt"_s.arg(n),
                   BytesDe(Reg{r.orgao, r.elaborador, r.responsavel, {}}, ano),
                   std::pair(ano, r),
                   {}};
    for (const Adiantamento_& a : r.linhas)
        imp.bytes += LinhaImportacao(a, {*rc::gen::arbitrary<bool>(), *rc::gen::arbitrary<bool>(),
                                         *rc::gen::arbitrary<bool>()});
    return imp;
}

// A file one of whose fields a double quote does not enclose whole, or with a CPF that fails.
Importacao GeraImportacaoRuim(int n)
{
    const int ano = *rc::gen::inRange(2003, UltimoAno);
    Reg r = GeraCabecalho();
    r.linhas = GeraLinhas(2, 4);
    for (Adiantamento_& a : r.linhas)
        a.processo = u"PROC%1/%2"_s.arg(static_cast<int>(a.ne), 6, 10, QLatin1Char('0')).arg(ano);
    Importacao imp{u"ruim%1.csv"_s.arg(n),
                   BytesDe(Reg{r.orgao, r.elaborador, r.responsavel, {}}, ano),
                   std::nullopt,
                   {}};
    const int ruim = *rc::gen::inRange(0, static_cast<int>(r.linhas.size()));
    const int defeito = *rc::gen::inRange(0, 4);
    const QString linha = QString::number(ruim + 2);
    for (int i = 0; i < r.linhas.size(); ++i) {
        Adiantamento_ a = r.linhas[i];
        QString nome;
        if (i == ruim) {
            const QString meio = a.nome.left(3) + u'"' + a.nome.mid(3);
            if (defeito == 0)
                nome = u'"' + meio; // "CIC"RANO DA SILVA
            else if (defeito == 1)
                nome = meio; // CIC"RANO DA SILVA
            else if (defeito == 2)
                nome = u'"' + a.nome; // never closed
            else
                a.cpf = a.cpf.left(9) + (a.cpf.right(2) == u"00"_s ? u"01"_s : u"00"_s);
        }
        imp.bytes += LinhaImportacao(a, {}, nome);
    }
    imp.recusa = defeito == 3 ? u"CPF inválido. Linha "_s + linha + u". Verifique"_s
                              : u"Informação fora do layout esperado. Linha "_s + linha +
                                    u", ou não é o arquivo correto. Verifique"_s;
    return imp;
}

Copia GeraCopia(int n)
{
    const int ano = *rc::gen::inRange(2003, UltimoAno);
    Reg r = GeraCabecalho();
    r.linhas = GeraLinhas(1, 4);
    Copia c{u"PravexBkp%1-%2.txt"_s.arg(ano).arg(n),
            BytesDe(Reg{r.orgao, r.elaborador, r.responsavel, {}}, ano), std::pair(ano, r)};
    // A backup made elsewhere may leave blanks after its periods; they are not part of them.
    for (const Adiantamento_& a : r.linhas)
        c.bytes += LinhaImportacao(a, {false, false, *rc::gen::arbitrary<bool>()});
    return c;
}

Modelo GeraModelo()
{
    Modelo m;
    for (int ano = 2003; ano <= 2006; ++ano) {
        if (*rc::gen::arbitrary<bool>()) {
            Reg r = GeraCabecalho();
            r.linhas = GeraLinhas(1, 4);
            m.disco[ano] = r;
        }
    }
    const Reg r = GeraCabecalho();
    Adiantamento_ a = GeraAdiantamento();
    Adiantamento_ cpfRuim = a;
    cpfRuim.cpf = u"12345678900"_s;
    m.disco[AnoRecusado] = Defeituoso{
        BytesDe(Reg{r.orgao, r.elaborador, r.responsavel, {}}, AnoRecusado) + LinhaArquivo(cpfRuim),
        {u"CPF inválido. Linha 2. Verifique"_s}};
    // A value without its decimals, which the reader could not split.
    QByteArray valorCurto = LinhaArquivo(a);
    valorCurto.replace(ValorArquivo(a.centavos).toLatin1(), "50");
    m.disco[AnoIlegivel] = Defeituoso{
        BytesDe(Reg{r.orgao, r.elaborador, r.responsavel, {}}, AnoIlegivel) + valorCurto,
        {u"Informações fora do layout esperado, ou não é o arquivo correto. Linha 2. Verifique"_s}};

    m.importacoes = {GeraImportacaoBoa(1), GeraImportacaoBoa(2), GeraImportacaoRuim(1),
                     GeraImportacaoRuim(2)};
    m.copias = {GeraCopia(1), GeraCopia(2)};
    QByteArray ilegivel = BytesDe(GeraCabecalho(), 2005) + LinhaArquivo(a);
    ilegivel.replace(ValorArquivo(a.centavos).toLatin1(), "5");
    m.copias.push_back({u"PravexBkp2005-3.txt"_s, ilegivel, std::nullopt});
    return m;
}

// ---- the system: the real window on a temporary program folder

// Message boxes answered from a queue; every box is recorded, none fails the case by itself.
class MensagensDoModelo final : public Mensagens
{
public:
    Resposta mostra(const QString& texto, Icone, Botoes botoes, const QString&) override
    {
        vistas.append(texto);
        if (botoes == Botoes::Ok)
            return Resposta::Ok;
        if (respostas.isEmpty())
            return botoes == Botoes::SimNao ? Resposta::Nao : Resposta::Cancelar;
        return respostas.takeFirst();
    }
    void bipe() override {}

    QStringList vistas;
    QList<Resposta> respostas;
};

std::vector<std::string> Textos(const QStringList& lista)
{
    std::vector<std::string> r;
    for (const QString& t : lista)
        r.push_back(t.toStdString());
    return r;
}

// Runs `acao` on the modal dialog of type T as soon as its event loop runs. Tells afterwards
// whether it came; one that `acao` leaves open is closed, so no case waits forever.
template <typename T> class QuandoModal
{
public:
    explicit QuandoModal(std::function<void(T&)> acao) : acao_(std::move(acao))
    {
        QObject::connect(&espera_, &QTimer::timeout, &espera_, [this] {
            auto* dialogo = qobject_cast<T*>(QApplication::activeModalWidget());
            if (dialogo == nullptr)
                return;
            espera_.stop();
            veio_ = true;
            acao_(*dialogo);
            if (dialogo->isVisible())
                dialogo->reject();
        });
        espera_.start(0);
    }
    bool veio() const { return veio_; }

private:
    std::function<void(T&)> acao_;
    QTimer espera_;
    bool veio_ = false;
};

struct Sistema {
    explicit Sistema(const Modelo& m)
    {
        DefinePastaPrograma(pasta.caminho());
        QDir raiz(pasta.caminho());
        for (const char* p : {"importacao", "copias", "destino"})
            raiz.mkdir(QString::fromLatin1(p));
        for (const auto& [ano, arquivo] : m.disco)
            pasta.escreve(NomeArquivoExercicio(QString::number(ano)), BytesDe(arquivo, ano));
        for (const Importacao& i : m.importacoes)
            pasta.escreve(u"importacao/"_s + i.nome, i.bytes);
        for (const Copia& c : m.copias)
            pasta.escreve(u"copias/"_s + c.nome, c.bytes);
        abre();
    }
    ~Sistema()
    {
        janela.reset();
        DefinePastaPrograma(QString());
    }

    // A new run of the program on the same folder.
    void abre()
    {
        janela.reset();
        for (QString* v : {&Module1::PendenteGravar, &Module1::Operacao, &Module1::ModoGrava,
                           &Module1::ArquivoExercicio})
            v->clear();
        Module1::PodeDescarregar = false;
        Module1::VirgulaDigitada = false;
        janela = std::make_unique<FrmAdiantamentos>(servicos);
        janela->show();
        ativa();
        QCoreApplication::processEvents();
    }

    void ativa()
    {
        if (QApplication::activeWindow() == janela.get())
            return;
        janela->activateWindow();
        if (!QTest::qWaitForWindowActive(janela.get()))
            falhas << u"a janela principal não ficou ativa"_s;
    }

    // After an action the main window has the keyboard, without a click, and whatever its
    // activation brings has been shown.
    void confereTeclado()
    {
        if (!QTest::qWaitFor([this] { return QApplication::activeWindow() == janela.get(); }))
            falhas << u"a janela principal ficou sem o teclado"_s;
        else if (QApplication::focusWidget() == nullptr ||
                 QApplication::focusWidget()->window() != janela.get())
            falhas << u"o foco não está na janela principal"_s;
        QCoreApplication::processEvents();
    }

    template <typename T = QWidget> T* w(const char* nome) const
    {
        return janela->findChild<T*>(QString::fromLatin1(nome));
    }
    QLineEdit* txt(const char* nome) const { return w<QLineEdit>(nome); }
    QPushButton* cmd(const char* nome) const { return w<QPushButton>(nome); }
    QTreeView* lista() const { return w<QTreeView>("LvwAdiantamentos"); }

    QWidget* foco() const
    {
        QWidget* f = QApplication::focusWidget();
        return f != nullptr ? f : janela.get();
    }
    void tecla(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) const
    {
        QTest::keyClick(foco(), k, m);
    }
    void digita(const QString& texto) const
    {
        for (const QChar c : texto)
            QTest::keyClick(foco(), c.toLatin1());
    }
    // Puts the focus in a field and selects what it holds, as the clerk's click and Ctrl+A do.
    void entraEm(QWidget* campo) const
    {
        campo->setFocus(Qt::MouseFocusReason);
        tecla(Qt::Key_A, Qt::ControlModifier);
    }
    // Back to the idle window when an edit is still open.
    void voltaAoOcioso() const
    {
        if (cmd("CmdVoltar")->isVisible())
            tecla(Qt::Key_Escape);
    }

    // Clicks row `i` of the list, with Ctrl to add it to the selection.
    void clicaLinha(int i, bool ctrl) const
    {
        const QModelIndex indice = lista()->model()->index(i, 0);
        lista()->scrollTo(indice);
        QTest::mouseClick(lista()->viewport(), Qt::LeftButton,
                          ctrl ? Qt::ControlModifier : Qt::NoModifier,
                          lista()->visualRect(indice).center());
    }

    // Types an advance from Processo on, moving with Enter. With `renomeia` the name is typed
    // even when leaving the CPF filled it in.
    void digitaAdiantamento(const Adiantamento_& a, bool renomeia) const
    {
        digita(a.processo);
        tecla(Qt::Key_Return);
        digita(QString::number(a.ne));
        tecla(Qt::Key_Return);
        const int indice = Elementos[a.elemento].indice;
        tecla(Qt::Key_Home);
        for (int i = 0; i < indice; ++i)
            tecla(Qt::Key_Down);
        tecla(Qt::Key_Return);
        tecla(Qt::Key_A, Qt::ControlModifier);
        digita(a.cpf);
        tecla(Qt::Key_Return);
        if (foco() != txt("TxtNomeResponsavel") && renomeia)
            txt("TxtNomeResponsavel")->setFocus(Qt::MouseFocusReason);
        if (foco() == txt("TxtNomeResponsavel")) {
            tecla(Qt::Key_A, Qt::ControlModifier);
            digita(a.nome);
            tecla(Qt::Key_Return);
        }
        digita(QString::number(a.centavos / 100) + u',' + DoisDigitos(a.centavos % 100));
        tecla(Qt::Key_Return);
        digita(a.inicial.left(2) + a.inicial.right(2));
        tecla(Qt::Key_Return);
        digita(a.final_.left(2) + a.final_.right(2));
    }

    // Opens a folder of a dialog's folder list by Enter; false when it is not there.
    static bool abrePasta(QWidget& dialogo, const QString& nome)
    {
        auto* pastas = dialogo.findChild<QListWidget*>(u"dirDiretorio"_s);
        for (int i = 0; pastas != nullptr && i < pastas->count(); ++i) {
            if (pastas->item(i)->text().trimmed() == nome) {
                pastas->setFocus();
                pastas->setCurrentRow(i);
                QTest::keyClick(pastas, Qt::Key_Return);
                return true;
            }
        }
        return false;
    }
    // Clicks a file of a dialog's file list; false when it is not there.
    static bool clicaArquivo(QWidget& dialogo, const QString& nome)
    {
        auto* arquivos = dialogo.findChild<QListWidget*>(u"File1"_s);
        if (arquivos == nullptr)
            return false;
        const QList<QListWidgetItem*> achados = arquivos->findItems(nome, Qt::MatchFixedString);
        if (achados.size() != 1)
            return false;
        QTest::mouseClick(arquivos->viewport(), Qt::LeftButton, {},
                          arquivos->visualItemRect(achados.first()).center());
        return true;
    }
    static bool clica(QWidget& dialogo, const char* nome)
    {
        auto* botao = dialogo.findChild<QPushButton*>(QString::fromLatin1(nome));
        if (botao == nullptr || !botao->isEnabled())
            return false;
        botao->click();
        return true;
    }

    PastaTemporaria pasta;
    MensagensDoModelo mensagens;
    AtividadeRoteiro atividade;
    UnidadesRoteiro unidades = UnidadesRoteiro::Padrao(pasta.caminho());
    AjudaRoteiro ajuda;
    EncerramentoRoteiro encerramento;
    ImpressaoRoteiro impressao;
    Servicos servicos{mensagens, atividade, unidades, ajuda, encerramento, impressao};
    std::unique_ptr<FrmAdiantamentos> janela;
    // What went wrong inside a dialog's event loop, where nothing may be thrown.
    QStringList falhas;
};

std::vector<std::string> LinhasDaJanela(const Sistema& s)
{
    std::vector<std::string> r;
    const ModeloAdiantamentos& m = s.janela->lista();
    for (int i = 0; i < m.linhas(); ++i) {
        QStringList colunas;
        for (int c = 0; c < 8; ++c)
            colunas << m.texto(i, c);
        r.push_back(colunas.join(u'|').toStdString());
    }
    return r;
}

std::vector<std::string> LinhasDoModelo(const Modelo& m)
{
    std::vector<std::string> r;
    for (const Adiantamento_& a : m.mostrado.linhas)
        r.push_back(QStringList{a.processo, QString::number(a.ne),
                                QString::fromUtf16(Elementos[a.elemento].item), a.cpf, a.nome,
                                ValorLista(a.centavos), a.inicial, a.final_}
                        .join(u'|')
                        .toStdString());
    return r;
}

std::optional<std::string> Conteudo(const QString& caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return f.readAll().toStdString();
}

// A file as a failure shows it: its name and its bytes, or that it is missing.
std::string Mostra(const QString& nome, const std::optional<std::string>& bytes)
{
    return nome.toStdString() + ": " + (bytes ? *bytes : std::string("(não existe)"));
}

// The data lines a submission file was made of: its lines without their checksums and trailer.
std::string DadosDoEnvio(const std::string& envio)
{
    QList<QByteArray> linhas = QByteArray::fromStdString(envio).split('\n');
    QByteArray dados;
    for (qsizetype i = 0; i + 2 < linhas.size(); ++i) {
        QByteArray l = linhas[i];
        l.chop(1); // CR
        dados += l.left(l.lastIndexOf(',')) + "\r\n";
    }
    return dados.toStdString();
}

// The versions of a year in the folder versoes: the newest is the data file as it was before
// the last rewrite or delete, and the retention keeps the 20 newest and never more than 50.
void ConfereVersoes(const Sistema& s, const Modelo& m, int ano)
{
    QList<Versao> achadas;
    for (const QString& nome : QDir(s.pasta.arquivo(u"versoes"_s)).entryList(QDir::Files))
        if (const std::optional<Versao> v = LeVersao(nome, QString::number(ano)))
            achadas.append(*v);
    const auto v = m.versoes.find(ano);
    const int guardadas = v == m.versoes.end() ? 0 : v->second.guardadas;
    RC_ASSERT(achadas.size() >= std::min(guardadas, VersoesRecentes));
    RC_ASSERT(achadas.size() <= std::min(guardadas, MaximoVersoes));
    if (achadas.isEmpty())
        return;
    const Versao& maisNova = *std::max_element(achadas.begin(), achadas.end());
    const QString nome = u"versoes/"_s + maisNova.nome;
    RC_ASSERT(Mostra(nome, Conteudo(s.pasta.arquivo(nome))) ==
              Mostra(nome, v->second.maisNova.toStdString()));
}

// After every action: the boxes, every data file and its versions, the window.
void Confere(Sistema& s, const Modelo& m, const QStringList& esperadas)
{
    RC_ASSERT(Textos(s.falhas) == std::vector<std::string>{});
    RC_ASSERT(Textos(s.mensagens.vistas) == Textos(esperadas));
    s.mensagens.vistas.clear();
    RC_ASSERT(s.mensagens.respostas.isEmpty());
    s.mensagens.respostas.clear();
    RC_ASSERT(QApplication::activeModalWidget() == nullptr);
    // No command leaves the hourglass behind.
    RC_ASSERT(!s.atividade.ligado());

    for (int ano = PrimeiroAno; ano <= UltimoAno; ++ano) {
        const auto arquivo = m.disco.find(ano);
        const std::optional<std::string> esperado =
            arquivo == m.disco.end() ? std::nullopt
                                     : std::optional(BytesDe(arquivo->second, ano).toStdString());
        const QString nome = NomeArquivoExercicio(QString::number(ano));
        RC_ASSERT(Mostra(nome, Conteudo(s.pasta.arquivo(nome))) == Mostra(nome, esperado));
        ConfereVersoes(s, m, ano);
        const auto envio = m.envios.find(ano);
        const std::optional<std::string> feito =
            Conteudo(s.pasta.arquivo(NomeArquivoEnvio(QString::number(ano))));
        RC_ASSERT(feito.has_value() == (envio != m.envios.end()));
        if (feito)
            RC_ASSERT(DadosDoEnvio(*feito) == envio->second.toStdString());
    }
    const QStringList copias = QDir(s.pasta.arquivo(u"destino"_s)).entryList(QDir::Files);
    RC_ASSERT(static_cast<size_t>(copias.size()) == m.destino.size());
    for (const auto& [nome, dados] : m.destino) {
        const std::optional<std::string> c = Conteudo(s.pasta.arquivo(u"destino/"_s + nome));
        RC_ASSERT(c.has_value());
        RC_ASSERT((nome.startsWith(u"pravexenvio"_s) ? DadosDoEnvio(*c) : *c) ==
                  dados.toStdString());
    }

    RC_ASSERT(LinhasDaJanela(s) == LinhasDoModelo(m));
    RC_ASSERT(s.txt("TxtOrgao")->text().toStdString() == m.mostrado.orgao.toStdString());
    RC_ASSERT(s.txt("TxtElaborador")->text().toStdString() == m.mostrado.elaborador.toStdString());
    RC_ASSERT(s.txt("TxtResponsavel")->text().toStdString() ==
              m.mostrado.responsavel.toStdString());
    RC_ASSERT(s.txt("TxtExercicio")->text().toStdString() == m.digitado.toStdString());
    RC_ASSERT(Module1::PendenteGravar.isEmpty() == !m.pendente);
    RC_ASSERT(s.cmd("CmdIncluir")->isEnabled() == m.incluir);
    RC_ASSERT(s.txt("TxtOrgao")->isEnabled() == m.cabecalho);
    RC_ASSERT(s.cmd("CmdRestaurar")->isEnabled() == m.restaurarImportar);
    RC_ASSERT(s.cmd("CmdImportar")->isEnabled() == m.restaurarImportar);
    RC_ASSERT(s.cmd("CmdAlterar")->isEnabled() == (m.linhas() > 0));
    RC_ASSERT(s.cmd("CmdSair")->isVisible());
}

int AcoesExecutadas = 0;
// Actions run, by kind, so a run shows what it exercised.
std::map<std::string, int> AcoesPorTipo;

// ---- the clerk's actions

using Acao = rc::state::Command<Modelo, Sistema>;

// Each action says what it does to the model and which boxes it shows; run() drives the window
// and compares.
struct AcaoDoModelo : Acao {
    virtual void efeito(Modelo& m, QStringList& caixas) const = 0;
    virtual void executa(const Modelo& antes, Sistema& s) const = 0;

    void apply(Modelo& m) const final
    {
        QStringList caixas;
        efeito(m, caixas);
    }
    void run(const Modelo& antes, Sistema& s) const final
    {
        ++AcoesExecutadas;
        std::ostringstream nome;
        show(nome);
        ++AcoesPorTipo[nome.str().substr(0, nome.str().find('('))];
        Modelo depois = antes;
        QStringList caixas;
        efeito(depois, caixas);
        executa(antes, s);
        s.voltaAoOcioso();
        s.confereTeclado();
        Confere(s, depois, caixas);
    }
};

// The program ended: the clerk starts it again.
void Reabre(Modelo& m, QStringList& caixas)
{
    m.reinicia();
    m.ativacao(caixas);
}

// Types a year in the exercise field and presses Enter; a new exercise gets its header typed.
struct Inicia : AcaoDoModelo {
    int ano = *rc::gen::inRange(PrimeiroAno, UltimoAno + 1);
    Reg cabecalho = GeraCabecalho();

    void efeito(Modelo& m, QStringList& caixas) const override
    {
        if (ano < 2003) {
            caixas << ExercicioInvalido;
            m.digitado = m.anoAberto();
            return;
        }
        const auto arquivo = m.disco.find(ano);
        if (arquivo != m.disco.end()) {
            if (const auto* d = std::get_if<Defeituoso>(&arquivo->second)) {
                caixas << d->mensagens;
                m.digitado = m.anoAberto();
                return;
            }
            m.mostra(std::get<Reg>(arquivo->second));
        } else {
            m.mostrado = {cabecalho.orgao, cabecalho.elaborador, cabecalho.responsavel, {}};
        }
        m.aberto = ano;
        m.digitado = QString::number(ano);
        m.pendente = false;
        m.incluir = m.cabecalho = m.restaurarImportar = true;
    }
    void executa(const Modelo& antes, Sistema& s) const override
    {
        s.entraEm(s.txt("TxtExercicio"));
        s.digita(QString::number(ano));
        s.tecla(Qt::Key_Return);
        if (ano >= 2003 && antes.disco.find(ano) == antes.disco.end()) {
            s.digita(cabecalho.orgao);
            s.tecla(Qt::Key_Return);
            s.digita(cabecalho.elaborador);
            s.tecla(Qt::Key_Return);
            s.digita(cabecalho.responsavel);
        }
    }
    void show(std::ostream& os) const override { os << "Inicia(" << ano << ")"; }
};

// Types a year in the exercise field and leaves it there, without starting it.
struct DigitaAno : AcaoDoModelo {
    int ano = *rc::gen::inRange(PrimeiroAno, UltimoAno + 1);

    void efeito(Modelo& m, QStringList&) const override { m.digitado = QString::number(ano); }
    void executa(const Modelo&, Sistema& s) const override
    {
        s.entraEm(s.txt("TxtExercicio"));
        s.digita(QString::number(ano));
    }
    void show(std::ostream& os) const override { os << "DigitaAno(" << ano << ")"; }
};

// Retypes the header fields of the open exercise; an empty Órgão now and then.
struct MudaCabecalho : AcaoDoModelo {
    Reg cabecalho = GeraCabecalho();
    bool semOrgao = *rc::gen::weightedElement<bool>({{1, true}, {5, false}});

    void checkPreconditions(const Modelo& m) const override { RC_PRE(m.cabecalho); }
    void efeito(Modelo& m, QStringList&) const override
    {
        m.mostrado.orgao = semOrgao ? QString() : cabecalho.orgao;
        m.mostrado.elaborador = cabecalho.elaborador;
        m.mostrado.responsavel = cabecalho.responsavel;
    }
    void executa(const Modelo&, Sistema& s) const override
    {
        s.entraEm(s.txt("TxtOrgao"));
        if (semOrgao)
            s.tecla(Qt::Key_Backspace);
        else
            s.digita(cabecalho.orgao);
        s.entraEm(s.txt("TxtElaborador"));
        s.digita(cabecalho.elaborador);
        if (cabecalho.elaborador.isEmpty())
            s.tecla(Qt::Key_Backspace);
        s.entraEm(s.txt("TxtResponsavel"));
        s.digita(cabecalho.responsavel);
        s.txt("TxtExercicio")->setFocus(Qt::MouseFocusReason);
    }
    void show(std::ostream& os) const override
    {
        os << "MudaCabecalho(" << (semOrgao ? "" : cabecalho.orgao.toStdString()) << ")";
    }
};

// The effect of a confirmed advance, included (linha < 0) or changing row `linha`.
void Confirma(Modelo& m, QStringList& caixas, Adiantamento_ a, int linha, bool renomeia)
{
    if (std::optional<QString> recusa = m.recusaCabecalho(true)) {
        caixas << *recusa;
        return;
    }
    for (int i = 0; i < m.linhas(); ++i) {
        if (i != linha && m.mostrado.linhas[i].ne == a.ne) {
            caixas << u"Número de NE já cadastrada."_s;
            return;
        }
    }
    // Leaving the CPF fills in the name the list has for it, unless the clerk types over it.
    if (!renomeia)
        a.nome = m.nomeDe(a.cpf).value_or(a.nome);
    if (linha < 0)
        m.mostrado.linhas.append(a);
    else
        m.mostrado.linhas[linha] = a;
    for (Adiantamento_& b : m.mostrado.linhas)
        if (b.cpf == a.cpf)
            b.nome = a.nome;
    m.ordena();
    m.restaurarImportar = true;
    m.grava(caixas);
}

// F2, an advance typed field by field, F2 to confirm, Esc.
struct Inclui : AcaoDoModelo {
    Adiantamento_ a = GeraAdiantamento();

    void efeito(Modelo& m, QStringList& caixas) const override
    {
        Confirma(m, caixas, a, -1, false);
    }
    void executa(const Modelo&, Sistema& s) const override
    {
        s.tecla(Qt::Key_F2);
        s.digitaAdiantamento(a, false);
        s.tecla(Qt::Key_F2);
    }
    void show(std::ostream& os) const override
    {
        os << "Inclui(NE " << a.ne << ", CPF " << a.cpf.toStdString() << ")";
    }
};

// A click on a row, F3, the advance typed over, F2.
struct Altera : AcaoDoModelo {
    explicit Altera(const Modelo& m) : linha(m.linhas() > 0 ? *rc::gen::inRange(0, m.linhas()) : 0)
    {
    }
    int linha;
    Adiantamento_ a = GeraAdiantamento();
    bool renomeia = *rc::gen::arbitrary<bool>();

    void checkPreconditions(const Modelo& m) const override { RC_PRE(linha < m.linhas()); }
    void efeito(Modelo& m, QStringList& caixas) const override
    {
        Confirma(m, caixas, a, linha, renomeia);
    }
    void executa(const Modelo&, Sistema& s) const override
    {
        s.clicaLinha(linha, false);
        s.tecla(Qt::Key_F3);
        s.digitaAdiantamento(a, renomeia);
        s.tecla(Qt::Key_F2);
    }
    void show(std::ostream& os) const override
    {
        os << "Altera(linha " << linha << ", NE " << a.ne << ", CPF " << a.cpf.toStdString()
           << (renomeia ? ", novo nome" : "") << ")";
    }
};

// Rows picked with clicks (Ctrl for the others) or all of them with Ctrl+A, F4, OK or Cancel.
struct Exclui : AcaoDoModelo {
    explicit Exclui(const Modelo& m)
    {
        for (int i = 0; i < m.linhas(); ++i)
            if (todas || *rc::gen::weightedElement<bool>({{1, true}, {2, false}}))
                linhas.push_back(i);
        if (linhas.empty() && m.linhas() > 0)
            linhas.push_back(*rc::gen::inRange(0, m.linhas()));
    }
    bool todas = *rc::gen::weightedElement<bool>({{1, true}, {4, false}});
    std::vector<int> linhas;
    bool ok = *rc::gen::weightedElement<bool>({{4, true}, {1, false}});

    void checkPreconditions(const Modelo& m) const override
    {
        RC_PRE(!linhas.empty());
        RC_PRE(linhas.back() < m.linhas());
    }
    void efeito(Modelo& m, QStringList& caixas) const override
    {
        caixas << u"Confirma a exclusão."_s;
        if (ok)
            for (auto i = linhas.rbegin(); i != linhas.rend(); ++i)
                m.mostrado.linhas.removeAt(*i);
        if (m.linhas() == 0) {
            // The data file goes with the last row; the list and the disk then agree.
            m.guardaVersao(*m.aberto);
            m.disco.erase(*m.aberto);
            m.pendente = false;
            m.restaurarImportar = false;
            return;
        }
        m.grava(caixas);
    }
    void executa(const Modelo&, Sistema& s) const override
    {
        if (todas) {
            s.clicaLinha(0, false);
            s.tecla(Qt::Key_A, Qt::ControlModifier);
        } else {
            for (size_t i = 0; i < linhas.size(); ++i)
                s.clicaLinha(linhas[i], i > 0);
        }
        s.mensagens.respostas.append(ok ? Resposta::Ok : Resposta::Cancelar);
        s.tecla(Qt::Key_F4);
    }
    void show(std::ostream& os) const override
    {
        os << "Exclui(" << (todas ? "Ctrl+A " : "");
        for (const int i : linhas)
            os << i << ' ';
        os << (ok ? "OK)" : "Cancelar)");
    }
};

// F8, a file of the folder "importacao", Importar..., and Sim or Não to the question.
struct Importa : AcaoDoModelo {
    explicit Importa(const Modelo& m)
        : arquivo(*rc::gen::inRange(0, static_cast<int>(m.importacoes.size())))
    {
    }
    int arquivo;
    bool sim = *rc::gen::weightedElement<bool>({{4, true}, {1, false}});

    void checkPreconditions(const Modelo& m) const override { RC_PRE(m.restaurarImportar); }
    void efeito(Modelo& m, QStringList& caixas) const override
    {
        const Importacao& i = m.importacoes[static_cast<size_t>(arquivo)];
        if (!i.dados) {
            caixas << i.recusa;
        } else {
            caixas << PerguntaImportar;
            if (sim) {
                caixas << u"Importação efetuada com sucesso!"_s;
                m.substitui(*i.dados);
            }
        }
        // The dialog closed over the window: it is activated again.
        m.ativacao(caixas);
    }
    void executa(const Modelo& antes, Sistema& s) const override
    {
        const Importacao& i = antes.importacoes[static_cast<size_t>(arquivo)];
        if (i.dados)
            s.mensagens.respostas.append(sim ? Resposta::Sim : Resposta::Nao);
        QuandoModal<FrmImportacao> dialogo([&](FrmImportacao& d) {
            if (!Sistema::abrePasta(d, u"importacao"_s) || !Sistema::clicaArquivo(d, i.nome) ||
                !Sistema::clica(d, "CmdImportar"))
                s.falhas << u"o arquivo não pôde ser escolhido na importação"_s;
            if (d.isVisible())
                Sistema::clica(d, "CmdCancelar");
        });
        s.tecla(Qt::Key_F8);
        if (!dialogo.veio())
            s.falhas << u"F8 não abriu a importação"_s;
    }
    void show(std::ostream& os) const override
    {
        os << "Importa(" << arquivo << (sim ? ", Sim)" : ", Não)");
    }
};

// F7, Restaurar, a backup of the folder "copias", Restaurar.
struct Restaura : AcaoDoModelo {
    explicit Restaura(const Modelo& m)
        : arquivo(*rc::gen::inRange(0, static_cast<int>(m.copias.size())))
    {
    }
    int arquivo;

    void checkPreconditions(const Modelo& m) const override { RC_PRE(m.restaurarImportar); }
    void efeito(Modelo& m, QStringList& caixas) const override
    {
        const Copia& c = m.copias[static_cast<size_t>(arquivo)];
        if (!c.dados) {
            // The reader's box, the dialog's, and an exercise without data.
            caixas << ForaDoLayout
                   << u"Problema na restauração. Provavelmente as informações estão fora do "
                      u"layout esperado, ou não é o arquivo correto. Verifique"_s;
            m.digitado = m.anoAberto();
            m.mostrado = {};
            m.aberto.reset();
            m.pendente = false;
            m.incluir = false;
        } else {
            caixas << u"Cópia de Segurança restaurada com sucesso."_s;
            m.substitui(*c.dados);
        }
        // The dialogs closed over the window: it is activated again.
        m.ativacao(caixas);
    }
    void executa(const Modelo& antes, Sistema& s) const override
    {
        const Copia& c = antes.copias[static_cast<size_t>(arquivo)];
        bool gravaVeio = false;
        QuandoModal<frmRestaurarCopiaSeguranca> restaurar([&](frmRestaurarCopiaSeguranca& r) {
            QuandoModal<frmGrava> grava([&](frmGrava& g) {
                if (!Sistema::abrePasta(g, u"copias"_s) || !Sistema::clicaArquivo(g, c.nome) ||
                    !Sistema::clica(g, "CmdImportar"))
                    s.falhas << u"a cópia não pôde ser escolhida"_s;
                if (g.isVisible())
                    Sistema::clica(g, "CmdCancelar");
            });
            Sistema::clica(r, "CmdRestaura");
            gravaVeio = grava.veio();
        });
        s.tecla(Qt::Key_F7);
        if (!restaurar.veio() || !gravaVeio)
            s.falhas << u"F7 não levou à escolha da cópia"_s;
    }
    void show(std::ostream& os) const override { os << "Restaura(" << arquivo << ")"; }
};

// F6; the copy written into the folder "destino", or Voltar.
struct Envia : AcaoDoModelo {
    bool copia = *rc::gen::arbitrary<bool>();

    void checkPreconditions(const Modelo& m) const override { RC_PRE(m.linhas() > 0); }
    void efeito(Modelo& m, QStringList& caixas) const override
    {
        if (std::optional<QString> recusa = m.recusaCabecalho(true)) {
            caixas << *recusa;
            return;
        }
        const auto arquivo = m.disco.find(*m.aberto);
        if (arquivo == m.disco.end()) {
            caixas << u"Arquivo não encontrado."_s;
            return;
        }
        const QByteArray dados = BytesDe(arquivo->second, *m.aberto);
        m.envios[*m.aberto] = dados;
        if (copia) {
            caixas << u"Arquivo para o ORVAL gravado. "_s;
            m.destino[NomeArquivoEnvio(m.anoAberto())] = dados;
        }
    }
    void executa(const Modelo&, Sistema& s) const override
    {
        s.tecla(Qt::Key_F6);
        frmGrava* g = s.janela->findChild<frmGrava*>();
        if (g == nullptr)
            return;
        if (copia) {
            if (!Sistema::abrePasta(*g, u"destino"_s))
                s.falhas << u"pasta destino ausente"_s;
            Sistema::clica(*g, "CmdImportar");
        } else {
            Sistema::clica(*g, "CmdCancelar");
        }
        if (!QTest::qWaitFor([&s] { return s.janela->findChild<frmGrava*>() == nullptr; }))
            s.falhas << u"a gravação do envio não fechou"_s;
    }
    void show(std::ostream& os) const override { os << "Envia(" << (copia ? "copia" : "") << ")"; }
};

// Esc; then, in the exit dialog, Não, Voltar ao Pravex or Sim (a backup into "destino").
struct Sai : AcaoDoModelo {
    enum Escolha { Nao, Voltar, Sim };
    Escolha escolha = *rc::gen::element(Nao, Voltar, Sim);

    // Whether Esc leaves at once, without the exit dialog.
    static bool saiDireto(const Modelo& m)
    {
        return !m.incluir ||
               ((m.digitado + m.mostrado.orgao).trimmed().isEmpty() && m.linhas() == 0);
    }
    void checkPreconditions(const Modelo& m) const override
    {
        // The backup copies the data file: it must be there.
        if (escolha == Sim && !saiDireto(m) && m.aberto && !m.pendente)
            RC_PRE(m.disco.count(*m.aberto) > 0);
    }
    void efeito(Modelo& m, QStringList& caixas) const override
    {
        if (saiDireto(m))
            return Reabre(m, caixas);
        if (m.pendente && !m.grava(caixas))
            return;
        if (m.linhas() == 0)
            return Reabre(m, caixas);
        if (escolha == Voltar)
            return;
        if (escolha == Sim) {
            caixas << u"Arquivo de segurança (backup) gravado. "_s;
            m.destino[NomeArquivoBackup(m.anoAberto())] = BytesDe(m.disco.at(*m.aberto), *m.aberto);
        }
        Reabre(m, caixas);
    }
    void executa(const Modelo&, Sistema& s) const override
    {
        const int fins = s.encerramento.chamadas();
        s.tecla(Qt::Key_Escape);
        if (auto* sair = s.janela->findChild<frmSair*>(); sair != nullptr && sair->isVisible()) {
            if (escolha == Sim) {
                QuandoModal<frmGrava> grava([&](frmGrava& g) {
                    if (!Sistema::abrePasta(g, u"destino"_s))
                        s.falhas << u"pasta destino ausente"_s;
                    Sistema::clica(g, "CmdImportar");
                });
                Sistema::clica(*sair, "CmdSair");
            } else {
                Sistema::clica(*sair, escolha == Nao ? "CmdCancelar" : "CmdVoltar");
            }
        }
        if (s.encerramento.chamadas() > fins)
            s.abre();
    }
    void show(std::ostream& os) const override
    {
        os << "Sai(" << (escolha == Nao ? "Não" : escolha == Voltar ? "Voltar" : "Sim") << ")";
    }
};

// The program killed and started again: nothing more is written.
struct Reinicia : AcaoDoModelo {
    void efeito(Modelo& m, QStringList& caixas) const override { Reabre(m, caixas); }
    void executa(const Modelo&, Sistema& s) const override { s.abre(); }
    void show(std::ostream& os) const override { os << "Reinicia"; }
};

// A click on the title of the NE column.
struct OrdenaNe : AcaoDoModelo {
    void efeito(Modelo& m, QStringList&) const override
    {
        m.descendente = m.descendente ? !*m.descendente : false;
        m.ordena();
    }
    void executa(const Modelo&, Sistema& s) const override
    {
        QHeaderView* titulos = s.lista()->header();
        const int x = titulos->sectionViewportPosition(Coluna::NotaEmpenho) +
                      titulos->sectionSize(Coluna::NotaEmpenho) / 2;
        QTest::mouseClick(titulos->viewport(), Qt::LeftButton, {},
                          QPoint(x, titulos->height() / 2));
    }
    void show(std::ostream& os) const override { os << "OrdenaNe"; }
};

struct Contagem {
    ~Contagem()
    {
        std::cout << "ações executadas pelo modelo: " << AcoesExecutadas << " (";
        for (const auto& [tipo, n] : AcoesPorTipo)
            std::cout << tipo << ' ' << n << "; ";
        std::cout << ")" << std::endl;
    }
} contagem;

} // namespace

RC_GTEST_PROP(Invariantes, CadaArquivoGuardaOQueOEscrivaoConfirmou, ())
{
    const Modelo inicial = GeraModelo();
    Sistema sistema(inicial);
    QStringList caixas;
    inicial.ativacao(caixas);
    RC_ASSERT(Textos(sistema.mensagens.vistas) == Textos(caixas));
    sistema.mensagens.vistas.clear();
    rc::state::check(
        inicial, sistema,
        rc::state::gen::execOneOfWithArgs<Inicia, Inicia, DigitaAno, MudaCabecalho, Inclui, Inclui,
                                          Inclui, Altera, Exclui, Importa, Restaura, Envia, Sai,
                                          Reinicia, OrdenaNe>());
}
