#include "ListasArquivos.h"

#include "Caminhos.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

ListaUnidades::ListaUnidades(Unidades& unidades, QWidget* pai)
    : QComboBox(pai), unidades_(unidades.lista())
{
    for (const Unidade& u : unidades_)
        addItem(u.rotulo());
    connect(this, &QComboBox::currentIndexChanged, this, &ListaUnidades::mudou);
}

QString ListaUnidades::drive() const
{
    const Unidade* u = unidade();
    return u ? u->rotulo() : QString();
}

const Unidade* ListaUnidades::unidade() const
{
    const int i = currentIndex();
    return i >= 0 && i < unidades_.size() ? &unidades_[i] : nullptr;
}

bool ListaUnidades::defineUnidade(QChar letra)
{
    for (int i = 0; i < unidades_.size(); ++i) {
        if (unidades_[i].letra == letra.toLower()) {
            setCurrentIndex(i);
            return true;
        }
    }
    return false;
}

ListaPastas::ListaPastas(QWidget* pai) : QListWidget(pai)
{
    connect(this, &QListWidget::itemActivated, this, &ListaPastas::abre);
}

void ListaPastas::defineCaminho(const QString& caminho)
{
    const QString limpo = QDir::cleanPath(QFileInfo(caminho).absoluteFilePath());
    if (limpo == caminho_)
        return;
    caminho_ = limpo;
    preenche();
    Q_EMIT mudou();
}

void ListaPastas::abre(QListWidgetItem* item)
{
    if (item)
        defineCaminho(item->data(Qt::UserRole).toString());
}

void ListaPastas::keyPressEvent(QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        abre(currentItem());
        return;
    }
    QListWidget::keyPressEvent(evento);
}

void ListaPastas::preenche()
{
    clear();
    // The path's folders from the root down, each one step further in.
    QStringList acima;
    for (QDir d(caminho_);;) {
        acima.prepend(d.absolutePath());
        if (d.isRoot() || !d.cdUp())
            break;
    }
    int profundidade = 0;
    for (const QString& pasta : acima) {
        const QString nome = QDir(pasta).isRoot() ? pasta : QFileInfo(pasta).fileName();
        auto* item = new QListWidgetItem(QString(profundidade * 2, u' ') + nome, this);
        item->setData(Qt::UserRole, pasta);
        ++profundidade;
    }
    QListWidgetItem* atual = item(count() - 1);
    QFont negrito = font();
    negrito.setBold(true);
    atual->setFont(negrito);
    const QStringList subpastas =
        QDir(caminho_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& sub : subpastas) {
        auto* item = new QListWidgetItem(QString(profundidade * 2, u' ') + sub, this);
        item->setData(Qt::UserRole, JuntaCaminho(caminho_, sub));
    }
    setCurrentItem(atual);
}

ListaArquivos::ListaArquivos(QWidget* pai) : QListWidget(pai)
{
    padroes_ = {u"*"_s};
}

void ListaArquivos::defineCaminho(const QString& caminho)
{
    caminho_ = caminho;
    preenche();
}

void ListaArquivos::definePadrao(const QString& padrao)
{
    padroes_ = padrao.split(u';', Qt::SkipEmptyParts);
    preenche();
}

QString ListaArquivos::selecionado() const
{
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

QString ListaArquivos::caminhoSelecionado() const
{
    return JuntaCaminho(caminho_, selecionado());
}

void ListaArquivos::preenche()
{
    clear();
    if (caminho_.isEmpty())
        return;
    // The patterns match without regard to case, whatever the file system does.
    QList<QRegularExpression> filtros;
    for (const QString& padrao : padroes_)
        filtros.append(QRegularExpression(QRegularExpression::wildcardToRegularExpression(padrao),
                                          QRegularExpression::CaseInsensitiveOption));
    const QStringList nomes =
        QDir(caminho_).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QString& nome : nomes) {
        for (const QRegularExpression& filtro : filtros) {
            if (filtro.match(nome).hasMatch()) {
                addItem(nome);
                break;
            }
        }
    }
}

const Unidade* UnidadeAceita(ListaUnidades& lista, Unidades& unidades, Mensagens& mensagens)
{
    const Unidade* unidade = lista.unidade();
    if (unidade == nullptr)
        return nullptr;
    if (unidade->letra == u'a' || unidade->letra == u'd') {
        mensagens.mostra(
            u"Diretório/Unidade não disponível, favor selecionar outro Diretório/Unidade."_s);
        // Back at the start drive, its own change shows that drive's folder.
        lista.defineUnidade(u'c');
        return nullptr;
    }
    if (const std::optional<Falha> falha = unidades.verifica(*unidade)) {
        if (falha->ehDeDispositivo()) {
            mensagens.mostra(u"Ocorreu um erro na unidade de disco !\r\r"
                             u"É possível que a unidade esteja defeituosa.\r"
                             u"Verifique e tente novamente."_s,
                             Icone::Exclamacao, Botoes::Ok, u"QMZ - ERRO"_s);
            lista.defineUnidade(u'c');
        }
        return nullptr;
    }
    return unidade;
}

ListaUnidades* PoeListaUnidades(Unidades& unidades, QBoxLayout& caixa, ListaPastas& pastas)
{
    auto* lista = new ListaUnidades(unidades, caixa.parentWidget());
    lista->setObjectName(u"drvDrive"_s);
    caixa.addWidget(lista);
    QWidget::setTabOrder(lista, &pastas);
    lista->setFocus();
    return lista;
}
