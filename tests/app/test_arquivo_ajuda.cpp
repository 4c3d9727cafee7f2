// The built Pravex.chm read back as the help viewer reads it: the files taken out of it by a CHM
// reader, decoded in the code page of the help file's language.

#include "ImprimeQt.h"
#include "PastaTemporaria.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QtEndian>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace
{

// The code page a viewer reads a help file's texts with, by the file's language.
QString PaginaDeCodigo(quint32 idioma)
{
    switch (idioma) {
    case 0x0416: // Portuguese (Brazil)
        return u"windows-1252"_s;
    default:
        return {};
    }
}

// The language of a help file: entry 4 of its #SYSTEM file starts with it.
std::optional<quint32> IdiomaDoSistema(const QByteArray& sistema)
{
    qsizetype pos = 4; // the file's version
    while (pos + 4 <= sistema.size()) {
        const auto codigo = qFromLittleEndian<quint16>(sistema.constData() + pos);
        const auto tamanho = qFromLittleEndian<quint16>(sistema.constData() + pos + 2);
        if (codigo == 4 && tamanho >= 4 && pos + 8 <= sistema.size())
            return qFromLittleEndian<quint32>(sistema.constData() + pos + 4);
        pos += 4 + tamanho;
    }
    return std::nullopt;
}

QString SemMeta(QString pagina)
{
    static const QRegularExpression meta(u"<meta [^>]*>"_s,
                                         QRegularExpression::CaseInsensitiveOption);
    return pagina.remove(meta);
}

class ArquivoDeAjuda : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        extraido_ = std::make_unique<PastaTemporaria>();
        const QString leitor = QStandardPaths::findExecutable(u"extract_chmLib"_s);
        ASSERT_FALSE(leitor.isEmpty())
            << "extract_chmLib is missing: scripts/bootstrap installs it (libchm-bin)";
        QProcess p;
        p.start(leitor, {QStringLiteral(PRAVEX_CHM), extraido_->caminho()});
        ASSERT_TRUE(p.waitForFinished(30000));
        ASSERT_EQ(p.exitStatus(), QProcess::NormalExit);
        ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    }
    static void TearDownTestSuite() { extraido_.reset(); }

    void SetUp() override
    {
        // A failed extraction leaves the whole suite with nothing to read.
        ASSERT_TRUE(QFileInfo::exists(extraido(u"#SYSTEM"_s)));
        const std::optional<quint32> idioma = IdiomaDoSistema(LeBytes(extraido(u"#SYSTEM"_s)));
        ASSERT_TRUE(idioma.has_value()) << "the help file names no language";
        idioma_ = *idioma;
        paginaDeCodigo_ = PaginaDeCodigo(idioma_);
        ASSERT_FALSE(paginaDeCodigo_.isEmpty())
            << "no code page known for language 0x" << QString::number(idioma_, 16).toStdString();
    }

    static QString extraido(const QString& nome) { return extraido_->arquivo(nome); }

    // A file of the help as the viewer shows it. The bytes Windows-1252 leaves undefined decode
    // without an error, into control characters no page of text holds: those fail.
    QString comoOVisualizadorLe(const QString& nome) const
    {
        const QByteArray bytes = LeBytes(extraido(nome));
        EXPECT_FALSE(bytes.isEmpty()) << nome.toStdString() << " is not in the help file";
        const QByteArray codigo = paginaDeCodigo_.toLatin1();
        QStringDecoder decodificador(codigo.constData());
        const QString texto = decodificador(bytes);
        EXPECT_FALSE(decodificador.hasError()) << nome.toStdString();
        for (const QChar c : texto)
            EXPECT_FALSE(c.unicode() >= 0x80 && c.unicode() <= 0x9F)
                << nome.toStdString() << " holds the undefined byte 0x"
                << QString::number(c.unicode(), 16).toStdString();
        return texto;
    }

    static QStringList paginasExtraidas()
    {
        return QDir(extraido_->caminho()).entryList({u"*.html"_s}, QDir::Files, QDir::Name);
    }

    quint32 idioma_ = 0;
    QString paginaDeCodigo_;

private:
    static inline std::unique_ptr<PastaTemporaria> extraido_;
};

QString Fonte(const QString& nome)
{
    return QString::fromUtf8(LeBytes(QDir(QStringLiteral(PRAVEX_AJUDA_FONTES)).filePath(nome)));
}

} // namespace

TEST_F(ArquivoDeAjuda, IdiomaPortuguesDoBrasil)
{
    EXPECT_EQ(idioma_, 0x0416u);
}

TEST_F(ArquivoDeAjuda, CadaTextoSeLeComoFoiEscrito)
{
    const QStringList fontes =
        QDir(QStringLiteral(PRAVEX_AJUDA_FONTES)).entryList({u"*.html"_s}, QDir::Files, QDir::Name);
    ASSERT_FALSE(fontes.isEmpty());
    EXPECT_EQ(paginasExtraidas(), fontes) << "every page of the sources, and no other, is built";

    static const QRegularExpression declaracao(
        uR"re(<meta http-equiv="Content-Type" content="text/html; charset=([^"]+)">)re"_s);
    for (const QString& pagina : fontes) {
        SCOPED_TRACE(pagina.toStdString());
        const QString lida = comoOVisualizadorLe(pagina);
        EXPECT_EQ(SemMeta(lida), SemMeta(Fonte(pagina)));
        // A viewer that goes by the page's own declaration reads it the same way.
        const QRegularExpressionMatch m = declaracao.match(lida);
        ASSERT_TRUE(m.hasMatch());
        EXPECT_EQ(m.captured(1).toLower(), paginaDeCodigo_);
    }
    EXPECT_EQ(comoOVisualizadorLe(u"Pravex.hhc"_s), Fonte(u"Pravex.hhc"_s));
}

TEST_F(ArquivoDeAjuda, PalavrasAcentuadasNasPaginas)
{
    const struct {
        const char16_t* pagina;
        const char16_t* trecho;
    } casos[] = {
        {u"index.html", u"pagos pela UGE, Órgão ou Entidade em um exercício"},
        {u"exercicio.html", u"<title>Iniciar um exercício</title>"},
        {u"exercicio.html", u"no campo Exercício"},
        {u"exercicio.html", u"Órgão/Entidade"},
        {u"teclas.html", u"<h1>Teclas de função</h1>"},
        {u"campos.html", u"Elemento Econômico"},
        {u"impressao.html", u"<h1>Imprimir a relação</h1>"},
        {u"copia.html", u"<title>Cópia de segurança</title>"},
        {u"versoes.html", u"<title>Versões anteriores do registro</title>"},
    };
    for (const auto& caso : casos) {
        const QString pagina = QString::fromUtf16(caso.pagina);
        const QString trecho = QString::fromUtf16(caso.trecho);
        EXPECT_TRUE(comoOVisualizadorLe(pagina).contains(trecho))
            << pagina.toStdString() << " lacks: " << trecho.toStdString();
    }
}

TEST_F(ArquivoDeAjuda, SumarioMostraOsTitulosDasPaginas)
{
    static const QRegularExpression item(
        uR"re(<param name="Name" value="([^"]*)"><param name="Local" value="([^"]*)">)re"_s);
    static const QRegularExpression tituloDaPagina(u"<title>([^<]*)</title>"_s);
    QStringList nomes;
    for (const QRegularExpressionMatch& m :
         item.globalMatch(comoOVisualizadorLe(u"Pravex.hhc"_s))) {
        nomes << m.captured(1);
        SCOPED_TRACE(m.captured(2).toStdString());
        // The tree's entry opens its page, whose title it shows.
        EXPECT_EQ(tituloDaPagina.match(comoOVisualizadorLe(m.captured(2))).captured(1),
                  m.captured(1));
    }
    const QStringList esperados{u"O Pravex"_s,
                                u"Iniciar um exercício"_s,
                                u"Teclas de função"_s,
                                u"Campos do adiantamento"_s,
                                u"Imprimir a relação"_s,
                                u"Importar um arquivo"_s,
                                u"Arquivo para entrega ao ORVAL"_s,
                                u"Cópia de segurança"_s,
                                u"Versões anteriores do registro"_s};
    EXPECT_EQ(nomes, esperados);
}

TEST_F(ArquivoDeAjuda, LigacoesLevamAPaginasDoArquivo)
{
    static const QRegularExpression ligacao(uR"re(href="([^"#]*))re"_s);
    const QStringList paginas = paginasExtraidas();
    for (const QString& pagina : paginas) {
        for (const QRegularExpressionMatch& m : ligacao.globalMatch(comoOVisualizadorLe(pagina)))
            EXPECT_TRUE(paginas.contains(m.captured(1)))
                << pagina.toStdString() << " links to " << m.captured(1).toStdString();
    }
}
