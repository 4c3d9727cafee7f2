// make-register: writes a valid exercise data file of N advances, the same file for the same
// seed. Names, CPFs with their check digits, catalogue codes, values and periods are drawn so
// that the file passes both verifications and loads as it would from a real body.
//
//   make-register [-n ADIANTAMENTOS] [-s SEMENTE] [-a ANO] ARQUIVO

#include "ArquivoDados.h"
#include "Catalogo.h"
#include "Formatos.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

using namespace Qt::Literals::StringLiterals;

namespace
{

// The generator's own draws: the standard distributions differ between libraries, a modulo of
// the engine's output does not.
class Sorteio
{
public:
    explicit Sorteio(quint64 semente) : motor_(semente) {}
    int ate(int n) { return static_cast<int>(motor_() % static_cast<quint64>(n)); }
    template <typename T> const T& um(const QList<T>& lista)
    {
        return lista[ate(static_cast<int>(lista.size()))];
    }

private:
    std::mt19937_64 motor_;
};

const QStringList Prenomes = {
    u"JOSÉ"_s,     u"JOÃO"_s,    u"ANTÔNIO"_s, u"FRANCISCO"_s, u"CARLOS"_s,    u"PAULO"_s,
    u"PEDRO"_s,    u"LUCAS"_s,   u"LUIZ"_s,    u"MARCOS"_s,    u"LUÍS"_s,      u"GABRIEL"_s,
    u"RAFAEL"_s,   u"DANIEL"_s,  u"MARCELO"_s, u"BRUNO"_s,     u"EDUARDO"_s,   u"FELIPE"_s,
    u"RAIMUNDO"_s, u"RODRIGO"_s, u"MARIA"_s,   u"ANA"_s,       u"FRANCISCA"_s, u"ANTÔNIA"_s,
    u"ADRIANA"_s,  u"JULIANA"_s, u"MÁRCIA"_s,  u"FERNANDA"_s,  u"PATRÍCIA"_s,  u"ALINE"_s,
    u"SANDRA"_s,   u"CAMILA"_s,  u"AMANDA"_s,  u"BRUNA"_s,     u"JÉSSICA"_s,   u"LETÍCIA"_s,
    u"JÚLIA"_s,    u"LUCIANA"_s, u"VANESSA"_s, u"CONCEIÇÃO"_s,
};

const QStringList Sobrenomes = {
    u"SILVA"_s,   u"SANTOS"_s,    u"OLIVEIRA"_s,  u"SOUZA"_s,   u"RODRIGUES"_s,  u"FERREIRA"_s,
    u"ALVES"_s,   u"PEREIRA"_s,   u"LIMA"_s,      u"GOMES"_s,   u"COSTA"_s,      u"RIBEIRO"_s,
    u"MARTINS"_s, u"CARVALHO"_s,  u"ALMEIDA"_s,   u"LOPES"_s,   u"SOARES"_s,     u"FERNANDES"_s,
    u"VIEIRA"_s,  u"BARBOSA"_s,   u"ROCHA"_s,     u"DIAS"_s,    u"NASCIMENTO"_s, u"ANDRADE"_s,
    u"MOREIRA"_s, u"NUNES"_s,     u"MARQUES"_s,   u"MACHADO"_s, u"MENDES"_s,     u"FREITAS"_s,
    u"CARDOSO"_s, u"RAMOS"_s,     u"GONÇALVES"_s, u"SANTANA"_s, u"TEIXEIRA"_s,   u"ARAÚJO"_s,
    u"BRANDÃO"_s, u"CONCEIÇÃO"_s, u"ASSUNÇÃO"_s,  u"FALCÃO"_s,
};

const QStringList Ligacoes = {u" "_s, u" "_s, u" "_s, u" DA "_s, u" DOS "_s, u" DE "_s};

QString Nome(Sorteio& s)
{
    QString nome = s.um(Prenomes);
    if (s.ate(3) == 0)
        nome += u' ' + s.um(Prenomes);
    nome += s.um(Ligacoes) + s.um(Sobrenomes) + u' ' + s.um(Sobrenomes);
    return nome.left(40);
}

int DigitoCPF(const QString& digitos, int peso)
{
    int soma = 0;
    for (const QChar c : digitos)
        soma += c.digitValue() * peso--;
    const int resto = soma % 11;
    return resto < 2 ? 0 : 11 - resto;
}

QString CPF(Sorteio& s)
{
    QString cpf;
    do {
        cpf.clear();
        for (int i = 0; i < 9; ++i)
            cpf += QChar(u'0' + s.ate(10));
    } while (cpf.count(cpf[0]) == 9); // a CPF of one repeated digit is not issued
    cpf += QChar(u'0' + DigitoCPF(cpf, 10));
    cpf += QChar(u'0' + DigitoCPF(cpf, 11));
    return cpf;
}

struct Credor {
    QString cpf;
    QString nome;
};

QList<Adiantamento> Adiantamentos(int total, quint64 semente, int ano)
{
    Sorteio s(semente);
    // Advances go to a few thousand creditors, most of them paid more than once.
    QList<Credor> credores;
    const int totalCredores = qMax(1, total / 8);
    for (int i = 0; i < totalCredores; ++i)
        credores.append({CPF(s), Nome(s)});

    QList<Adiantamento> lista;
    lista.reserve(total);
    int ne = 100 + s.ate(900);
    for (int i = 0; i < total; ++i) {
        Adiantamento a;
        a.processo =
            u"%1/%2-%3"_s.arg(i + 1, 6, 10, QChar(u'0'))
                .arg(ano)
                .arg(QStringList{u"SEAD"_s, u"SEFAZ"_s, u"SESAU"_s, u"SEDUC"_s}.at(s.ate(4)));
        ne += 1 + s.ate(3);
        a.notaEmpenho = QString::number(ne);
        a.elemento = 1 + s.ate(TotalItensCatalogo - 1);
        const Credor& c = s.um(credores);
        a.cpf = c.cpf;
        a.nome = c.nome;
        // Most advances are small; a few are large.
        a.valor = s.ate(10) == 0 ? 100000 + s.ate(5000000) : 1000 + s.ate(200000);
        const QDate inicio = QDate(ano, 1, 1).addDays(s.ate(QDate(ano, 1, 1).daysInYear()));
        QDate fim = inicio.addDays(s.ate(45));
        if (fim.year() != ano)
            fim = QDate(ano, 12, 31);
        a.periodoInicial = inicio.toString(u"dd/MM"_s);
        a.periodoFinal = fim.toString(u"dd/MM"_s);
        lista.append(a);
    }
    return lista;
}

[[noreturn]] void Uso()
{
    std::fprintf(stderr, "uso: make-register [-n ADIANTAMENTOS] [-s SEMENTE] [-a ANO] ARQUIVO\n");
    std::exit(2);
}

} // namespace

int main(int argc, char** argv)
{
    int total = 32000;
    quint64 semente = 2005;
    int ano = 2005;
    const char* arquivo = nullptr;
    for (int i = 1; i < argc; ++i) {
        const bool temValor = i + 1 < argc;
        if (std::strcmp(argv[i], "-n") == 0 && temValor)
            total = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "-s") == 0 && temValor)
            semente = std::strtoull(argv[++i], nullptr, 10);
        else if (std::strcmp(argv[i], "-a") == 0 && temValor)
            ano = std::atoi(argv[++i]);
        else if (argv[i][0] != '-' && !arquivo)
            arquivo = argv[i];
        else
            Uso();
    }
    // The record counters are 16-bit: a file of more advances does not load.
    if (!arquivo || total < 0 || total > 32766 || ano < 2003 || ano > 9999)
        Uso();

    const Cabecalho cabecalho{QString::number(ano),
                              u"PREFEITURA MUNICIPAL DE SÃO JOSÉ DO RIO CLARO"_s,
                              u"MARIA APARECIDA DA CONCEIÇÃO"_s, u"JOSÉ CARLOS PEREIRA LIMA"_s};
    const std::optional<Falha> falha = EscreveArquivoExercicio(
        QString::fromLocal8Bit(arquivo), cabecalho, Adiantamentos(total, semente, ano));
    if (falha) {
        std::fprintf(stderr, "make-register: %s\n", qUtf8Printable(falha->texto()));
        return 1;
    }
    return 0;
}
