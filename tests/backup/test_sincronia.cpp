// Every write path against a sync or a close that fails (EIO, injected into the real system calls
// with libfiu's POSIX preload), and the copies against a medium that does not give back what was
// written: each path shows its own message and the file it would have replaced stays as it was,
// with nothing left beside it.

#include "ApoioGravacao.h"
#include "DiscoPequeno.h"
#include "Versoes.h"
#include "frmSair.h"

#include <QDir>
#include <QFile>

// The library's functions themselves, not the no-op macros a program built without it gets.
#define FIU_ENABLE 1
#include <fiu-control.h>
#include <fiu.h>

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

// What the callback of an armed failure point sees; one point is armed at a time.
struct Ponto {
    int chamadas = 0;
    int aPartirDe = 1;       // the call from which on it fails
    QString pastaCorrompida; // when set, it does not fail: it spoils the file being written
};
Ponto ponto;

// Flips the first byte of the temporary file being written in the folder, as a medium that
// loses what it was given would.
void corrompe(const QString& pasta)
{
    for (const QString& nome : QDir(pasta).entryList({u"*.novo-*"_s}, QDir::Files)) {
        const int fd = ::open(QFile::encodeName(QDir(pasta).filePath(nome)).constData(), O_RDWR);
        char byte = 0;
        if (fd >= 0 && ::pread(fd, &byte, 1, 0) == 1) {
            byte = static_cast<char>(byte ^ 0x20);
            [[maybe_unused]] const ssize_t escrito = ::pwrite(fd, &byte, 1, 0);
        }
        if (fd >= 0)
            ::close(fd);
    }
}

int decide(const char*, int*, void**, unsigned int*)
{
    ++ponto.chamadas;
    if (!ponto.pastaCorrompida.isEmpty()) {
        corrompe(ponto.pastaCorrompida);
        return 0;
    }
    return ponto.chamadas >= ponto.aPartirDe ? 1 : 0;
}

// A failure point of the system calls, armed while it lives.
class FalhaInjetada
{
public:
    FalhaInjetada(const char* nome, int aPartirDe = 1, QString pastaCorrompida = {}) : nome_(nome)
    {
        ponto = Ponto{0, aPartirDe, std::move(pastaCorrompida)};
        fiu_enable_external(nome_, 1, reinterpret_cast<void*>(std::intptr_t{EIO}), 0, decide);
    }
    ~FalhaInjetada() { fiu_disable(nome_); }
    FalhaInjetada(const FalhaInjetada&) = delete;
    FalhaInjetada& operator=(const FalhaInjetada&) = delete;

private:
    const char* nome_;
};

// Whether the failure points reach the system calls: only with the preload of libfiu.
bool InjecaoAtiva()
{
    fiu_init(0);
    const int fd = ::open("/dev/null", O_RDONLY);
    bool ativa = false;
    {
        const FalhaInjetada falha("posix/io/sync/fdatasync");
        ativa = ::fdatasync(fd) != 0 && errno == EIO;
    }
    ::close(fd);
    return ativa;
}

const char* const Sincronia = "posix/io/sync/fdatasync";
const char* const Fechamento = "posix/io/oc/close";

const QByteArray EnvioAnterior = "P0,1,339030,1,A,1.00,01/03,01/03,0470\r\n";
const QByteArray CopiaAnterior = "copia de ontem\r\n";

QStringList Temporarios(const QString& pasta)
{
    return QDir(pasta).entryList({u"*.novo-*"_s}, QDir::Files | QDir::Hidden);
}

// The point that fails: the sync of the new file, or its close.
class FalhaNaEscrita : public JanelaGravacao, public testing::WithParamInterface<const char*>
{
protected:
    void SetUp() override
    {
        if (!InjecaoAtiva())
            GTEST_SKIP() << "the failure points need LD_PRELOAD=" FIU_POSIX_PRELOAD;
        JanelaGravacao::SetUp();
    }

    // F6 with nothing failing: the submission file written, the dialog of mode "T" up.
    void abreCopiaDoEnvio()
    {
        ASSERT_TRUE(Ativa(*janela));
        tecla(Qt::Key_F6);
        ASSERT_NE(grava(), nullptr);
        abrePasta(*grava(), u"destino"_s);
    }
    // Esc, "Sim" in the exit dialog: the dialog of mode "B" up, handled by `acao`.
    void abreCopiaDeSeguranca(std::function<void(frmGrava&)> acao)
    {
        QuandoAbrir<frmGrava>([acao = std::move(acao)](frmGrava& g) {
            abrePasta(g, u"destino"_s);
            acao(g);
        });
        ASSERT_TRUE(Ativa(*janela));
        tecla(Qt::Key_Escape);
        auto* sair = janela->findChild<frmSair*>();
        ASSERT_NE(sair, nullptr);
        clica(*sair, "CmdSair");
    }
};

TEST_P(FalhaNaEscrita, ArquivoDeDados)
{
    lista()->setFocus();
    tecla(Qt::Key_F3);
    txt("TxtProcesso")->setText(u"P1-ALTERADO"_s);
    const qsizetype antes = caixas();
    {
        const FalhaInjetada falha(GetParam());
        tecla(Qt::Key_F2);
    }
    EXPECT_EQ(caixasDesde(antes),
              QList<CaixaMostrada>{simples(u"57 - Erro de E/S no dispositivo"_s)});
    EXPECT_EQ(LeBytes(arquivo(u"2005"_s)), Dados2005);
    EXPECT_EQ(Temporarios(pasta.caminho()), QStringList());
    // The data file was not replaced: no version of it either.
    EXPECT_EQ(Conteudo(pasta.arquivo(u"versoes"_s)), QStringList());
}

TEST_P(FalhaNaEscrita, ArquivoDeEnvio)
{
    pasta.escreve(u"pravexenvio2005.txt"_s, EnvioAnterior);
    const qsizetype antes = caixas();
    {
        const FalhaInjetada falha(GetParam());
        tecla(Qt::Key_F6);
    }
    EXPECT_EQ(
        caixasDesde(antes),
        (QList<CaixaMostrada>{{u"Você está com problema no arquivo ou em sua unidade de "
                               u"disco. Verifique."_s,
                               Icone::Parada, Botoes::Ok, u"Gravar arquivo para o ORVAL"_s}}));
    EXPECT_EQ(LeBytes(pasta.arquivo(u"pravexenvio2005.txt"_s)), EnvioAnterior);
    EXPECT_EQ(Temporarios(pasta.caminho()), QStringList());
    EXPECT_EQ(grava(), nullptr);
}

TEST_P(FalhaNaEscrita, CopiaDoEnvio)
{
    pasta.escreve(u"destino/pravexenvio2005.txt"_s, EnvioAnterior);
    abreCopiaDoEnvio();
    const qsizetype antes = caixas();
    {
        const FalhaInjetada falha(GetParam());
        clica(*grava(), "CmdImportar");
    }
    EXPECT_EQ(caixasDesde(antes), (QList<CaixaMostrada>{simples(FalhaNaGravacao), Finalizado}));
    EXPECT_EQ(servicos.encerramento.chamadas(), 1);
    EXPECT_EQ(Conteudo(pasta.arquivo(u"destino"_s)), QStringList{u"pravexenvio2005.txt"_s});
    EXPECT_EQ(LeBytes(pasta.arquivo(u"destino/pravexenvio2005.txt"_s)), EnvioAnterior);
}

TEST_P(FalhaNaEscrita, CopiaDeSeguranca)
{
    pasta.escreve(u"destino/PravexBkp2005.txt"_s, CopiaAnterior);
    const qsizetype antes = caixas();
    abreCopiaDeSeguranca([ponto = GetParam()](frmGrava& g) {
        const FalhaInjetada falha(ponto);
        clica(g, "CmdImportar");
    });
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }));
    EXPECT_EQ(caixasDesde(antes),
              (QList<CaixaMostrada>{
                  simples(u"Erro em gravação/restauração: \r\rErro de E/S no dispositivo"_s),
                  Finalizado}));
    EXPECT_GE(servicos.encerramento.chamadas(), 1);
    EXPECT_EQ(Conteudo(pasta.arquivo(u"destino"_s)), QStringList{u"PravexBkp2005.txt"_s});
    EXPECT_EQ(LeBytes(pasta.arquivo(u"destino/PravexBkp2005.txt"_s)), CopiaAnterior);
}

// A folder of versions on another medium takes a copy, which has its own sync and close: when
// one of those fails, the data file is written all the same and the message says the version
// was not kept.
TEST_P(FalhaNaEscrita, VersaoCopiada)
{
    DiscoPequeno disco(256);
    if (!disco.motivo().isEmpty())
        GTEST_SKIP() << disco.motivo().toStdString();
    ASSERT_TRUE(QFile::link(disco.caminho(), pasta.arquivo(u"versoes"_s)));
    lista()->setFocus();
    tecla(Qt::Key_F3);
    txt("TxtProcesso")->setText(u"P1-ALTERADO"_s);
    const qsizetype antes = caixas();
    {
        // The data file's own sync and close come first and pass; the version's fail.
        const FalhaInjetada falha(GetParam(), 2);
        tecla(Qt::Key_F2);
    }
    EXPECT_EQ(caixasDesde(antes),
              (QList<CaixaMostrada>{
                  {u"O arquivo Pravex2005.txt foi gravado, mas a versão anterior não pôde ser "
                   u"guardada na pasta "_s +
                       pasta.arquivo(u"versoes"_s) + u".\r\r57 - Erro de E/S no dispositivo"_s,
                   Icone::Exclamacao, Botoes::Ok, u"Pravex"_s}}));
    EXPECT_EQ(LeBytes(arquivo(u"2005"_s)), QByteArray(Dados2005).replace("P1,", "P1-ALTERADO,"));
    EXPECT_EQ(Conteudo(disco.caminho()), QStringList());
    EXPECT_EQ(Temporarios(pasta.caminho()), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Pontos, FalhaNaEscrita, testing::Values(Sincronia, Fechamento),
                         [](const testing::TestParamInfo<const char*>& i) {
                             return std::string(i.param == Sincronia ? "Sincronia" : "Fechamento");
                         });

// The data file's replacement itself failing, before and after the new file took the name.
class FalhaNaTroca : public FalhaNaEscrita
{
protected:
    // F3 on the first row, a new Processo, and F2 with the point failing.
    QList<CaixaMostrada> alteraCom(const char* nome)
    {
        lista()->setFocus();
        tecla(Qt::Key_F3);
        txt("TxtProcesso")->setText(u"P1-ALTERADO"_s);
        const qsizetype antes = caixas();
        {
            const FalhaInjetada falha(nome);
            tecla(Qt::Key_F2);
        }
        return caixasDesde(antes);
    }
    QStringList versoes() const { return Conteudo(pasta.arquivo(u"versoes"_s)); }
};

// The old file keeps its name: the version taken of it would only repeat it, and goes.
TEST_F(FalhaNaTroca, RenomearFalhaSemDeixarVersao)
{
    EXPECT_EQ(alteraCom("posix/io/dir/rename"),
              QList<CaixaMostrada>{simples(u"57 - Erro de E/S no dispositivo"_s)});
    EXPECT_EQ(LeBytes(arquivo(u"2005"_s)), Dados2005);
    EXPECT_EQ(versoes(), QStringList());
    EXPECT_EQ(Temporarios(pasta.caminho()), QStringList());
}

// The new file has the name but its folder could not be synced: the write is reported as failed,
// and the version, now the only copy of the register it replaced, stays.
TEST_F(FalhaNaTroca, SincroniaDaPastaFalhaMasAVersaoFica)
{
    EXPECT_EQ(alteraCom("posix/io/sync/fsync"),
              QList<CaixaMostrada>{simples(u"57 - Erro de E/S no dispositivo"_s)});
    EXPECT_EQ(LeBytes(arquivo(u"2005"_s)), QByteArray(Dados2005).replace("P1,", "P1-ALTERADO,"));
    ASSERT_EQ(versoes().size(), 1);
    EXPECT_EQ(LeBytes(pasta.arquivo(u"versoes/"_s + versoes().first())), Dados2005);
}

// A copy that does not read back as its source: the mode's failure, and the damaged copy gone,
// the previous one in its place.
class CopiaLidaDeVolta : public FalhaNaEscrita
{
};

TEST_F(CopiaLidaDeVolta, DiferenteNoEnvio)
{
    pasta.escreve(u"destino/pravexenvio2005.txt"_s, EnvioAnterior);
    abreCopiaDoEnvio();
    const qsizetype antes = caixas();
    {
        const FalhaInjetada falha(Sincronia, 1, pasta.arquivo(u"destino"_s));
        clica(*grava(), "CmdImportar");
    }
    EXPECT_EQ(caixasDesde(antes), (QList<CaixaMostrada>{simples(FalhaNaGravacao), Finalizado}));
    EXPECT_EQ(Conteudo(pasta.arquivo(u"destino"_s)), QStringList{u"pravexenvio2005.txt"_s});
    EXPECT_EQ(LeBytes(pasta.arquivo(u"destino/pravexenvio2005.txt"_s)), EnvioAnterior);
}

TEST_F(CopiaLidaDeVolta, DiferenteNaCopiaDeSeguranca)
{
    const qsizetype antes = caixas();
    abreCopiaDeSeguranca([this](frmGrava& g) {
        const FalhaInjetada falha(Sincronia, 1, pasta.arquivo(u"destino"_s));
        clica(g, "CmdImportar");
    });
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }));
    EXPECT_EQ(caixasDesde(antes),
              (QList<CaixaMostrada>{simples(u"Erro em gravação/restauração: \r\rA cópia gravada "
                                            u"não confere com o original"_s),
                                    Finalizado}));
    EXPECT_EQ(Conteudo(pasta.arquivo(u"destino"_s)), QStringList());
}

} // namespace
