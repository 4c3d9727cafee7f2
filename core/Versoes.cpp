#include "Versoes.h"

#include "Caminhos.h"
#include "CopiaSegura.h"
#include "Substituto.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

QString Prefixo(const QString& exercicio)
{
    return u"PravexBkp"_s + exercicio.trimmed() + u'-';
}

QString Carimbo(const QDateTime& quando)
{
    const QDate d = quando.date();
    const QTime t = quando.time();
    const QChar zero = u'0';
    return u"%1%2%3-%4%5%6"_s.arg(d.year(), 4, 10, zero)
        .arg(d.month(), 2, 10, zero)
        .arg(d.day(), 2, 10, zero)
        .arg(t.hour(), 2, 10, zero)
        .arg(t.minute(), 2, 10, zero)
        .arg(t.second(), 2, 10, zero);
}

QList<Versao> VersoesNaPasta(const QString& pasta, const QString& exercicio)
{
    QList<Versao> versoes;
    const QStringList nomes =
        QDir(pasta).entryList({Prefixo(exercicio) + u"*.txt"_s}, QDir::Files | QDir::Hidden);
    for (const QString& nome : nomes) {
        if (std::optional<Versao> v = LeVersao(nome, exercicio))
            versoes.append(*v);
    }
    return versoes;
}

// The first counter free in the second of `agora`: after every version of that second there is,
// so that the newest one always has the highest counter, even when older ones were let go.
int ProximaOrdem(const QList<Versao>& versoes, const QDateTime& agora)
{
    const QTime hora(agora.time().hour(), agora.time().minute(), agora.time().second());
    int ultima = -1;
    for (const Versao& v : versoes) {
        if (v.dia == agora.date() && v.hora == hora)
            ultima = std::max(ultima, v.ordem);
    }
    return ultima < 0 ? 0 : std::max(ultima, 1) + 1;
}

} // namespace

QString PastaVersoes()
{
    return JuntaCaminho(PastaPrograma(), QLatin1String(NomePastaVersoes));
}

QString NomeVersao(const QString& exercicio, const QDateTime& quando, int ordem)
{
    QString nome = Prefixo(exercicio) + Carimbo(quando);
    if (ordem > 1)
        nome += u'_' + QString::number(ordem);
    return nome + u".txt"_s;
}

std::optional<Versao> LeVersao(const QString& nome, const QString& exercicio)
{
    const QString prefixo = Prefixo(exercicio);
    if (!nome.startsWith(prefixo))
        return std::nullopt;
    static const QRegularExpression resto(
        u"^(\\d{4})(\\d{2})(\\d{2})-(\\d{2})(\\d{2})(\\d{2})(?:_([1-9]\\d{0,5}))?\\.txt$"_s);
    const QRegularExpressionMatch m = resto.match(QStringView(nome).mid(prefixo.size()));
    if (!m.hasMatch())
        return std::nullopt;
    const auto n = [&m](int grupo) { return m.capturedView(grupo).toInt(); };
    Versao v{nome, QDate(n(1), n(2), n(3)), QTime(n(4), n(5), n(6)), 0};
    if (m.hasCaptured(7)) {
        v.ordem = n(7);
        if (v.ordem < 2)
            return std::nullopt;
    }
    if (!v.dia.isValid() || !v.hora.isValid())
        return std::nullopt;
    return v;
}

QStringList VersoesDescartadas(QList<Versao> versoes, const QDate& hoje)
{
    std::sort(versoes.begin(), versoes.end(),
              [](const Versao& a, const Versao& b) { return b < a; });
    QStringList descartadas;
    QSet<QDate> diasGuardados;
    for (qsizetype i = VersoesRecentes; i < versoes.size(); ++i) {
        const Versao& v = versoes[i];
        const qint64 idade = v.dia.daysTo(hoje);
        // Newest first: the first one met of a day is that day's newest.
        if (idade >= 0 && idade < DiasComVersao && !diasGuardados.contains(v.dia)) {
            diasGuardados.insert(v.dia);
            continue;
        }
        descartadas.append(v.nome);
    }
    return descartadas;
}

VersaoGuardada GuardaVersao(const QString& arquivoDados, const QString& exercicio,
                            const QDateTime& agora)
{
    const QByteArray dados = QFile::encodeName(arquivoDados);
    struct stat atual {
    };
    if (::stat(dados.constData(), &atual) != 0 || !S_ISREG(atual.st_mode))
        return {};
    const QString pasta = PastaVersoes();
    if (::mkdir(QFile::encodeName(pasta).constData(), 0777) != 0 && errno != EEXIST)
        return {{}, Falha::doSistema(errno)};

    int ordem = ProximaOrdem(VersoesNaPasta(pasta, exercicio), agora);
    for (int tentativa = 0; tentativa < 100; ++tentativa) {
        const QString caminho = JuntaCaminho(pasta, NomeVersao(exercicio, agora, ordem));
        const QByteArray versao = QFile::encodeName(caminho);
        if (::linkat(AT_FDCWD, dados.constData(), AT_FDCWD, versao.constData(),
                     AT_SYMLINK_FOLLOW) == 0)
            return {caminho, std::nullopt};
        if (errno == EEXIST) {
            ordem = ordem == 0 ? 2 : ordem + 1;
            continue;
        }
        // No link here (a folder on another medium, a file system without links): a copy.
        if (std::optional<Falha> falha = CopiaSegura(arquivoDados, caminho))
            return {{}, falha};
        return {caminho, std::nullopt};
    }
    return {{}, Falha::doSistema(EEXIST)};
}

std::optional<Falha> ConcluiVersao(const VersaoGuardada& versao, const QString& exercicio,
                                   const QDate& hoje)
{
    std::optional<Falha> falha = versao.falha;
    if (!versao.caminho.isEmpty() && !falha)
        falha = SincronizaPasta(QFileInfo(versao.caminho).absolutePath());
    PodaVersoes(exercicio, hoje);
    return falha;
}

void PodaVersoes(const QString& exercicio, const QDate& hoje)
{
    const QString pasta = PastaVersoes();
    for (const QString& nome : VersoesDescartadas(VersoesNaPasta(pasta, exercicio), hoje))
        QFile::remove(JuntaCaminho(pasta, nome));
}

QString MensagemVersaoNaoGuardada(const QString& arquivoDados, const Falha& falha,
                                  const QString& feito)
{
    return u"O arquivo "_s + QFileInfo(arquivoDados).fileName() + u" foi "_s + feito +
           u", mas a versão anterior não pôde ser guardada na pasta "_s +
           QDir::toNativeSeparators(PastaVersoes()) + u".\r\r"_s + falha.texto();
}
