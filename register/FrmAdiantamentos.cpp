#include "FrmAdiantamentos.h"

#include "ArquivoEnvio.h"
#include "BarraProgresso.h"
#include "Caminhos.h"
#include "Catalogo.h"
#include "ComportamentoCampo.h"
#include "Exclusao.h"
#include "Falha.h"
#include "FluxoBotoes.h"
#include "Foco.h"
#include "Formatos.h"
#include "FrmImportacao.h"
#include "ImpressaoRelatorio.h"
#include "Module1.h"
#include "Registro.h"
#include "RegrasEntrada.h"
#include "SelecionaTexto.h"
#include "Servicos.h"
#include "Verificacao.h"
#include "frmGrava.h"
#include "frmRestaurarCopiaSeguranca.h"
#include "frmSair.h"
#include "ui_FrmAdiantamentos.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <utility>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace
{

// A field is never narrower than this text, the widest it holds of its kind.
void LarguraMinima(QLineEdit& campo, const QString& amostra)
{
    // The line edit's own room around its text: a margin of 2 on each side, the caret, the
    // frame the style draws.
    constexpr int margemInterna = 2 * 2 + 2;
    QStyleOptionFrame opcao;
    opcao.initFrom(&campo);
    opcao.lineWidth = campo.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opcao, &campo);
    const QMargins texto = campo.textMargins();
    const QSize conteudo(campo.fontMetrics().horizontalAdvance(amostra) + margemInterna +
                             texto.left() + texto.right(),
                         campo.sizeHint().height());
    campo.setMinimumWidth(
        campo.style()->sizeFromContents(QStyle::CT_LineEdit, &opcao, conteudo, &campo).width());
}

// The widest text of a digit pattern: every digit written as the font's widest one.
QString ComDigitoLargo(const QFontMetrics& medida, QString padrao)
{
    QChar largo = u'0';
    for (char16_t d = u'1'; d <= u'9'; ++d)
        if (medida.horizontalAdvance(QChar(d)) > medida.horizontalAdvance(largo))
            largo = QChar(d);
    padrao.replace(u'0', largo);
    return padrao;
}

// The rows whose every column is selected, ascending, read in one pass over the selection's
// ranges: asking the selection row by row walks all its ranges for each row.
std::vector<int> LinhasInteiras(const QItemSelectionModel& selecao, int linhas, int colunas)
{
    Q_ASSERT(colunas > 0 && colunas < 64);
    const quint64 todas = (quint64{1} << colunas) - 1;
    std::vector<quint64> cobertas(static_cast<size_t>(linhas), 0);
    for (const QItemSelectionRange& faixa : selecao.selection()) {
        if (!faixa.isValid() || faixa.parent().isValid())
            continue;
        const quint64 mascara =
            ((quint64{1} << (faixa.right() + 1)) - 1) & ~((quint64{1} << faixa.left()) - 1);
        for (int l = faixa.top(); l <= faixa.bottom() && l < linhas; ++l)
            cobertas[static_cast<size_t>(l)] |= mascara;
    }
    std::vector<int> inteiras;
    for (int l = 0; l < linhas; ++l) {
        if ((cobertas[static_cast<size_t>(l)] & todas) == todas)
            inteiras.push_back(l);
    }
    return inteiras;
}

// The operator's order through the window, each stop by its object name in the form; the entry
// fields the rules name carry their Campo. The tab order and the field a refusal focuses both
// come from here.
struct Parada {
    const char* nome;
    std::optional<Campo> campo;
};

constexpr Parada Paradas[] = {
    {"TxtExercicio", Campo::TxtExercicio},
    {"CmdCarrega", {}},
    {"TxtOrgao", Campo::TxtOrgao},
    {"TxtElaborador", Campo::TxtElaborador},
    {"TxtResponsavel", Campo::TxtResponsavel},
    {"CmdIncluir", {}},
    {"CmdAlterar", {}},
    {"CmdExcluir", {}},
    {"CmdImprimir", {}},
    {"CmdGravarArquivo", {}},
    {"CmdRestaurar", {}},
    {"CmdImportar", {}},
    {"CmdSair", {}},
    {"TxtProcesso", Campo::TxtProcesso},
    {"TxtNumeroNotaEmpenho", Campo::TxtNumeroNotaEmpenho},
    {"CboElemEcon", Campo::CboElemEcon},
    {"CboCPF", Campo::CboCPF},
    {"TxtNomeResponsavel", Campo::TxtNomeResponsavel},
    {"TxtValor", Campo::TxtValor},
    {"TxtDataInicial", Campo::TxtDataInicial},
    {"TxtDataFinal", Campo::TxtDataFinal},
    {"CmdOK", {}},
    {"CmdVoltar", {}},
    {"LvwAdiantamentos", {}},
    {"cmdAjuda", {}},
};

QWidget* WidgetDa(const QObject& janela, const Parada& p)
{
    auto* w = janela.findChild<QWidget*>(QLatin1StringView(p.nome));
    Q_ASSERT_X(w != nullptr, "FrmAdiantamentos", p.nome);
    return w;
}

} // namespace

FrmAdiantamentos::FrmAdiantamentos(Servicos& servicos, QWidget* pai)
    : QMainWindow(pai), servicos_(servicos), ui_(std::make_unique<Ui::FrmAdiantamentos>())
{
    montaJanela();
    ligaCampos();

    // Form_Load
    setWindowTitle(titulo());
    PintaCampo(*ui_->TxtExercicio, CorFoco);
    Module1::PendenteGravar.clear();
    modelo_.limpa();
    ui_->CboElemEcon->addItems(ItensCatalogo());

    // Which window took the keyboard last, before the window gets it back.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* janela) {
        if (janela == nullptr || janela == windowHandle())
            return;
        const QWidgetList abertas = QApplication::topLevelWidgets();
        const auto dona = std::find_if(abertas.begin(), abertas.end(), [janela](QWidget* w) {
            return w->windowHandle() == janela;
        });
        voltaDeCaixa_ = dona != abertas.end() && qobject_cast<QMessageBox*>(*dona) != nullptr;
    });

    // The function keys reach the window before its controls, wherever the focus is.
    for (const QKeyCombination k :
         {QKeyCombination(Qt::Key_F1), QKeyCombination(Qt::Key_F2), QKeyCombination(Qt::Key_F3),
          QKeyCombination(Qt::Key_F4), QKeyCombination(Qt::Key_F5), Qt::SHIFT | Qt::Key_F5,
          QKeyCombination(Qt::Key_F6), QKeyCombination(Qt::Key_F7), QKeyCombination(Qt::Key_F8),
          QKeyCombination(Qt::Key_Escape)}) {
        auto* atalho = new QShortcut(QKeySequence(k), this);
        atalho->setContext(Qt::WindowShortcut);
        connect(atalho, &QShortcut::activated, this, [this, k] { teclaDeFuncao(k.toCombined()); });
    }
    ajustaATela();
}

FrmAdiantamentos::~FrmAdiantamentos() = default;

QString FrmAdiantamentos::titulo()
{
    return u"ORVAL  -  Quelmar-Pravex   (v %1.%2.%3)"_s.arg(PRAVEX_VERSION_MAJOR)
        .arg(PRAVEX_VERSION_MINOR)
        .arg(PRAVEX_VERSION_PATCH);
}

void FrmAdiantamentos::montaJanela()
{
    ui_->setupUi(this);
    // A control's name for a screen reader is the words of its label, or of its caption.
    for (const QLabel* r : findChildren<QLabel*>()) {
        if (r->buddy() != nullptr)
            r->buddy()->setAccessibleName(QString(r->text()).remove(u'&'));
    }
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setAccessibleName(QString(b->text()).remove(u'&'));

    // The widths that depend on the font: a field is never narrower than the widest text it holds.
    const QFontMetrics medida = fontMetrics();
    LarguraMinima(*ui_->TxtExercicio, ComDigitoLargo(medida, u"0000"_s));
    ui_->TxtExercicio->setMaximumWidth(ui_->TxtExercicio->minimumWidth());
    LarguraMinima(*ui_->TxtNumeroNotaEmpenho, ComDigitoLargo(medida, u"000000000"_s));
    LarguraMinima(*ui_->TxtValor, ComDigitoLargo(medida, u"00.000.000,00"_s));
    for (QLineEdit* data : {ui_->TxtDataInicial, ui_->TxtDataFinal}) {
        LarguraMinima(*data, ComDigitoLargo(medida, u"00/00"_s));
        data->setMaximumWidth(data->minimumWidth());
    }
    ui_->CboCPF->setCompleter(nullptr); // the completion is the program's own (CboCPF_KeyPress)

    ui_->LvwAdiantamentos->setModel(&modelo_);
    ui_->LvwAdiantamentos->header()->setSectionsClickable(true);
    ui_->LvwAdiantamentos->header()->setSectionsMovable(false);
    dimensionaColunas();
    ui_->Pnlaguarde->hide();

    // The edit pair takes the place and the size of the first two idle buttons.
    const int larguraPar =
        qMax(ui_->CmdIncluir->sizeHint().width(), ui_->CmdOK->sizeHint().width());
    for (QPushButton* b : {ui_->CmdIncluir, ui_->CmdOK})
        b->setMinimumWidth(larguraPar);
    const int larguraPar2 =
        qMax(ui_->CmdAlterar->sizeHint().width(), ui_->CmdVoltar->sizeHint().width());
    for (QPushButton* b : {ui_->CmdAlterar, ui_->CmdVoltar})
        b->setMinimumWidth(larguraPar2);
    ui_->CmdOK->hide();
    ui_->CmdVoltar->hide();

    QWidget* anterior = nullptr;
    for (const Parada& p : Paradas) {
        QWidget* proximo = WidgetDa(*this, p);
        if (anterior != nullptr)
            setTabOrder(anterior, proximo);
        anterior = proximo;
    }

    ui_->TxtExercicio->setFocus();
}

void FrmAdiantamentos::dimensionaColunas()
{
    QHeaderView* titulos = ui_->LvwAdiantamentos->header();
    const QFontMetrics medida = ui_->LvwAdiantamentos->fontMetrics();
    // The text margins the list draws an item with, and some air.
    const int margem = 2 * (ui_->LvwAdiantamentos->style()->pixelMetric(
                                QStyle::PM_FocusFrameHMargin, nullptr, ui_->LvwAdiantamentos) +
                            1) +
                       medida.averageCharWidth();
    // The widest text each column can hold; for the element a usual one, whose code is what
    // counts (the entry field shows the whole name).
    QString amostras[Coluna::Total];
    amostras[Coluna::NotaEmpenho] = ComDigitoLargo(medida, u"000000000"_s);
    amostras[Coluna::ElementoEconomico] = u"339030  MATERIAL DE CONSUMO"_s;
    amostras[Coluna::CpfCredor] = ComDigitoLargo(medida, u"00000000000"_s);
    amostras[Coluna::Valor] = ComDigitoLargo(medida, u"00.000.000,00"_s);
    amostras[Coluna::PeriodoInicial] = ComDigitoLargo(medida, u"00/00"_s);
    amostras[Coluna::PeriodoFinal] = amostras[Coluna::PeriodoInicial];
    // The standard widths were measured for a small 8-point font: scaled to this font.
    const double escala = medida.averageCharWidth() / 6.0;
    for (int c = 0; c < Coluna::Total; ++c) {
        const int twips = ModeloAdiantamentos::Colunas[c].larguraTwips;
        if (twips == 0) {
            ui_->LvwAdiantamentos->setColumnHidden(c, true);
            continue;
        }
        int largura = qMax(static_cast<int>(ModeloAdiantamentos::pixelsDeTwips(twips) * escala),
                           titulos->sectionSizeHint(c));
        if (!amostras[c].isEmpty())
            largura = qMax(largura, medida.horizontalAdvance(amostras[c]) + margem);
        ui_->LvwAdiantamentos->setColumnWidth(c, largura);
    }
    // The name takes what the others leave, and never less than its title.
    titulos->setMinimumSectionSize(titulos->sectionSizeHint(Coluna::NomeCredor));
    titulos->setStretchLastSection(false);
    titulos->setSectionResizeMode(Coluna::NomeCredor, QHeaderView::Stretch);
}

void FrmAdiantamentos::ajustaATela()
{
    const QSize habitual(1280, 720);
    const QScreen* tela = screen();
    if (tela == nullptr) {
        resize(habitual);
        return;
    }
    const QRect livre = tela->availableGeometry();
    // Room for the title bar and borders the window manager adds, not known before showing.
    const QSize moldura(16, 40);
    QRect lugar(QPoint(), habitual + moldura);
    if (livre.width() >= lugar.width() && livre.height() >= lugar.height()) {
        resize(habitual);
        lugar.moveCenter(livre.center());
        move(lugar.topLeft());
        return;
    }
    // Also the size it keeps where nothing maximizes it, and when restored.
    resize(habitual.boundedTo(livre.size() - moldura).expandedTo(minimumSizeHint()));
    move(livre.topLeft());
    setWindowState(windowState() | Qt::WindowMaximized);
}

void FrmAdiantamentos::ligaCampos()
{
    using Conjunto = ConjuntoCaracteres;
    new ComportamentoCampo(*ui_->TxtExercicio, {.conjunto = Conjunto::Digitos,
                                                .apara = false,
                                                .aoTeclarEnter = [this] { CmdCarrega_Click(); }});
    new ComportamentoCampo(*ui_->TxtOrgao, {});
    new ComportamentoCampo(*ui_->TxtElaborador, {.apara = false});
    new ComportamentoCampo(*ui_->TxtResponsavel,
                           {.apara = false, .aoTeclarEnter = [this] { CmdIncluir_Click(); }});
    new ComportamentoCampo(*ui_->TxtProcesso, {});
    new ComportamentoCampo(*ui_->TxtNumeroNotaEmpenho,
                           {.conjunto = Conjunto::Digitos, .apara = false});
    new ComportamentoCampo(*ui_->TxtNomeResponsavel, {});
    new ComportamentoCampo(*ui_->TxtValor, {.conjunto = Conjunto::Valor,
                                            .setas = false,
                                            .apara = false,
                                            .formataValor = true,
                                            .aoEntrar = [] { Module1::VirgulaDigitada = false; }});
    for (QLineEdit* data : {ui_->TxtDataInicial, ui_->TxtDataFinal})
        new ComportamentoCampo(
            *data,
            {.conjunto = Conjunto::Digitos, .setas = false, .barraDiaMes = true, .apara = false});

    PintaCampo(*ui_->CboElemEcon, CorNormal);
    PintaCampo(*ui_->CboCPF, CorNormal);
    PintaRotulosInativos(*ui_->Frame3);
    ui_->CboElemEcon->installEventFilter(this);
    ui_->CboCPF->installEventFilter(this);
    FiltraEdicoes(*ui_->CboCPF->lineEdit(), ConjuntoCaracteres::Livre);
    ui_->LvwAdiantamentos->installEventFilter(this);

    connect(ui_->CmdCarrega, &QPushButton::clicked, this, &FrmAdiantamentos::CmdCarrega_Click);
    connect(ui_->CmdIncluir, &QPushButton::clicked, this, &FrmAdiantamentos::CmdIncluir_Click);
    connect(ui_->CmdAlterar, &QPushButton::clicked, this, &FrmAdiantamentos::CmdAlterar_Click);
    connect(ui_->CmdExcluir, &QPushButton::clicked, this, &FrmAdiantamentos::CmdExcluir_Click);
    connect(ui_->CmdOK, &QPushButton::clicked, this, &FrmAdiantamentos::CmdOK_Click);
    connect(ui_->CmdVoltar, &QPushButton::clicked, this, &FrmAdiantamentos::CmdVoltar_Click);
    connect(ui_->cmdAjuda, &QPushButton::clicked, this, &FrmAdiantamentos::cmdAjuda_Click);
    connect(ui_->CmdImprimir, &QPushButton::clicked, this, &FrmAdiantamentos::CmdImprimir_Click);
    connect(ui_->CmdGravarArquivo, &QPushButton::clicked, this,
            &FrmAdiantamentos::CmdGravarArquivo_Click);
    connect(ui_->CmdRestaurar, &QPushButton::clicked, this, &FrmAdiantamentos::CmdRestaurar_Click);
    connect(ui_->CmdImportar, &QPushButton::clicked, this, &FrmAdiantamentos::CmdImportar_Click);
    connect(ui_->CmdSair, &QPushButton::clicked, this, &FrmAdiantamentos::CmdSair_Click);
    connect(ui_->LvwAdiantamentos, &QTreeView::clicked, this, [this] { LvwAdiantamentos_Click(); });
    connect(ui_->LvwAdiantamentos->header(), &QHeaderView::sectionClicked, this,
            [this](int secao) { LvwAdiantamentos_ColumnClick(secao + 1); });
    // A list filled anew shows its first row selected.
    connect(&modelo_, &QAbstractItemModel::modelReset, this, [this] {
        if (modelo_.linhas() > 0)
            selecionaSomente(0);
    });
}

// ---- FormRegistro

Cabecalho FrmAdiantamentos::cabecalho() const
{
    return {ui_->TxtExercicio->text(), ui_->TxtOrgao->text(), ui_->TxtElaborador->text(),
            ui_->TxtResponsavel->text()};
}

void FrmAdiantamentos::defineCabecalho(const Cabecalho& c)
{
    ui_->TxtExercicio->setText(c.exercicio);
    ui_->TxtOrgao->setText(c.orgao);
    ui_->TxtElaborador->setText(c.elaborador);
    ui_->TxtResponsavel->setText(c.responsavel);
}

void FrmAdiantamentos::focaCabecalho(CampoCabecalho campo)
{
    switch (campo) {
    case CampoCabecalho::Exercicio:
        ui_->TxtExercicio->setFocus();
        break;
    case CampoCabecalho::Orgao:
        ui_->TxtOrgao->setFocus();
        break;
    case CampoCabecalho::Elaborador:
        ui_->TxtElaborador->setFocus();
        break;
    case CampoCabecalho::Responsavel:
        ui_->TxtResponsavel->setFocus();
        break;
    case CampoCabecalho::NomeCredor:
        ui_->TxtNomeResponsavel->setFocus();
        break;
    }
}

void FrmAdiantamentos::progresso(int minimo, int maximo, int valor)
{
    ui_->ProgressBar1->setRange(minimo, maximo);
    ui_->ProgressBar1->setValue(valor);
}

void FrmAdiantamentos::habilitaRegistro()
{
    for (QWidget* w : std::initializer_list<QWidget*>{
             ui_->TxtOrgao, ui_->TxtElaborador, ui_->TxtResponsavel, ui_->CmdIncluir,
             ui_->CmdAlterar, ui_->CmdExcluir, ui_->CmdImprimir, ui_->CmdGravarArquivo,
             ui_->CmdRestaurar, ui_->CmdImportar})
        w->setEnabled(true);
}

void FrmAdiantamentos::limpaExercicio()
{
    ui_->TxtOrgao->clear();
    ui_->TxtElaborador->clear();
    ui_->TxtResponsavel->clear();
    limpaEntrada();
    for (QPushButton* b : {ui_->CmdIncluir, ui_->CmdAlterar, ui_->CmdExcluir, ui_->CmdImprimir,
                           ui_->CmdGravarArquivo})
        b->setEnabled(false);
}

void FrmAdiantamentos::limpaEntrada()
{
    ui_->TxtProcesso->clear();
    ui_->TxtNumeroNotaEmpenho->clear();
    ui_->CboElemEcon->setCurrentIndex(0);
    ui_->CboCPF->setEditText(QString());
    ui_->TxtNomeResponsavel->clear();
    ui_->TxtValor->setText(u"0,00"_s);
    ui_->TxtDataInicial->clear();
    ui_->TxtDataFinal->clear();
}

QString FrmAdiantamentos::nomeCredor() const
{
    return ui_->TxtNomeResponsavel->text();
}

// ---- waiting panel

void FrmAdiantamentos::aguarde(const QString& aviso)
{
    ui_->LabAviso->setText(aviso);
    ui_->Pnlaguarde->adjustSize();
    ui_->Pnlaguarde->resize(qMax(ui_->Pnlaguarde->width(), ui_->Frame2->width() / 2),
                            ui_->Pnlaguarde->height());
    ui_->Pnlaguarde->move((ui_->Frame2->width() - ui_->Pnlaguarde->width()) / 2,
                          (ui_->Frame2->height() - ui_->Pnlaguarde->height()) / 2);
    ui_->Pnlaguarde->raise();
    ui_->Pnlaguarde->show();
    servicos_.atividade.processaEventos();
}

void FrmAdiantamentos::fimAguarde()
{
    ui_->Pnlaguarde->hide();
}

void FrmAdiantamentos::resizeEvent(QResizeEvent* evento)
{
    QMainWindow::resizeEvent(evento);
    if (ui_->Pnlaguarde->isVisible())
        ui_->Pnlaguarde->move((ui_->Frame2->width() - ui_->Pnlaguarde->width()) / 2,
                              (ui_->Frame2->height() - ui_->Pnlaguarde->height()) / 2);
}

// ---- activation, keys, help

void FrmAdiantamentos::changeEvent(QEvent* evento)
{
    QMainWindow::changeEvent(evento);
    if (evento->type() != QEvent::ActivationChange || !isActiveWindow())
        return;
    // A box of the window's own (the hint among them) gives the keyboard back on closing: that
    // is no new activation, or the hint would follow itself for ever.
    if (std::exchange(voltaDeCaixa_, false) || ativacaoPendente_)
        return;
    // After the activation is complete: the hint is a modal box of its own.
    ativacaoPendente_ = true;
    QTimer::singleShot(0, this, [this] {
        ativacaoPendente_ = false;
        if (isActiveWindow() && QApplication::activeModalWidget() == nullptr)
            Form_Activate();
    });
}

void FrmAdiantamentos::Form_Activate()
{
    if (!ui_->CmdIncluir->isEnabled())
        servicos_.mensagens.mostra(
            u"Para lançamento de um novo Exercício ou dar continuidade em algum, informe o "
            u"Exercício no campo correspondente, em seguida clique o botão Iniciar ou "
            u"simplesmente tecle ENTER."_s,
            Icone::Informacao, Botoes::Ok, u"Pravex"_s);
}

bool FrmAdiantamentos::teclaDeFuncao(int tecla)
{
    if (bloqueado_)
        return false;
    switch (tecla) {
    case Qt::Key_F1:
        cmdAjuda_Click();
        return true;
    // F2 and Esc look only at which button of their pair is shown.
    case Qt::Key_F2:
        if (!ui_->CmdOK->isHidden())
            CmdOK_Click();
        else
            CmdIncluir_Click();
        return true;
    case Qt::Key_Escape:
        if (!ui_->CmdSair->isHidden())
            CmdSair_Click();
        else
            CmdVoltar_Click();
        return true;
    default:
        break;
    }
    // The other keys press their button when it is enabled and shown.
    using Handler = void (FrmAdiantamentos::*)();
    const struct {
        int tecla;
        QPushButton* botao;
        Handler acao;
    } comandos[] = {
        {Qt::Key_F3, ui_->CmdAlterar, &FrmAdiantamentos::CmdAlterar_Click},
        {Qt::Key_F4, ui_->CmdExcluir, &FrmAdiantamentos::CmdExcluir_Click},
        {Qt::Key_F5, ui_->CmdImprimir, &FrmAdiantamentos::CmdImprimir_Click},
        // The preview goes with the print button: offered exactly when printing is.
        {(Qt::SHIFT | Qt::Key_F5).toCombined(), ui_->CmdImprimir,
         &FrmAdiantamentos::visualizaRelatorio},
        {Qt::Key_F6, ui_->CmdGravarArquivo, &FrmAdiantamentos::CmdGravarArquivo_Click},
        {Qt::Key_F7, ui_->CmdRestaurar, &FrmAdiantamentos::CmdRestaurar_Click},
        {Qt::Key_F8, ui_->CmdImportar, &FrmAdiantamentos::CmdImportar_Click},
    };
    for (const auto& c : comandos) {
        if (c.tecla != tecla)
            continue;
        if (c.botao->isEnabled() && !c.botao->isHidden())
            (this->*c.acao)();
        return true;
    }
    return false;
}

bool FrmAdiantamentos::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == ui_->CboCPF) {
        if (evento->type() == QEvent::FocusIn) {
            PintaCampo(*ui_->CboCPF, CorFoco);
        } else if (evento->type() == QEvent::FocusOut) {
            const auto razao = static_cast<QFocusEvent*>(evento)->reason();
            if (razao != Qt::PopupFocusReason && razao != Qt::ActiveWindowFocusReason)
                CboCPF_LostFocus();
        } else if (evento->type() == QEvent::KeyPress) {
            bool engolir = false;
            CboCPF_KeyPress(static_cast<QKeyEvent&>(*evento), engolir);
            return engolir;
        }
        return false;
    }

    if (objeto == ui_->CboElemEcon) {
        if (evento->type() == QEvent::FocusIn)
            PintaCampo(*ui_->CboElemEcon, CorFoco);
        else if (evento->type() == QEvent::FocusOut)
            PintaCampo(*ui_->CboElemEcon, CorNormal);
        else if (evento->type() == QEvent::KeyPress) {
            const int k = static_cast<QKeyEvent*>(evento)->key();
            if (k == Qt::Key_Return || k == Qt::Key_Enter) {
                MoveFoco(*ui_->CboElemEcon);
                return true;
            }
        }
        return false;
    }

    if (objeto == ui_->LvwAdiantamentos) {
        if (evento->type() == QEvent::KeyRelease) {
            switch (static_cast<QKeyEvent*>(evento)->key()) {
            case Qt::Key_Down:
            case Qt::Key_PageDown:
            case Qt::Key_PageUp:
            case Qt::Key_End:
            case Qt::Key_Home:
            case Qt::Key_Up:
                LvwAdiantamentos_Click();
                break;
            default:
                break;
            }
        } else if (evento->type() == QEvent::KeyPress) {
            const int k = static_cast<QKeyEvent*>(evento)->key();
            if (k == Qt::Key_Return || k == Qt::Key_Enter)
                MoveFoco(*ui_->LvwAdiantamentos);
        }
        return false;
    }
    return QMainWindow::eventFilter(objeto, evento);
}

void FrmAdiantamentos::cmdAjuda_Click()
{
    servicos_.ajuda.abre(JuntaCaminho(PastaPrograma(), QString::fromLatin1(NomeArquivoAjuda)));
}

// ---- CPF combo

void FrmAdiantamentos::CboCPF_KeyPress(QKeyEvent& tecla, bool& engolir)
{
    const int codigo = tecla.key();
    if (codigo == Qt::Key_Backspace)
        return;
    if (codigo == Qt::Key_Return || codigo == Qt::Key_Enter) {
        MoveFoco(*ui_->CboCPF);
        engolir = true;
        return;
    }
    const QString texto = tecla.text();
    if (texto.isEmpty() || !texto[0].isPrint() ||
        (tecla.modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return;
    QLineEdit& edicao = *ui_->CboCPF->lineEdit();
    const int inicio = edicao.hasSelectedText() ? edicao.selectionStart() : edicao.cursorPosition();
    QStringList itens;
    for (int i = 0; i < ui_->CboCPF->count(); ++i)
        itens << ui_->CboCPF->itemText(i);
    const TeclaCPF efeito = CompletaCPF(itens, edicao.text(), inicio, texto[0]);
    if (efeito.efeito == TeclaCPF::Efeito::Deixa)
        return;
    engolir = true;
    if (efeito.efeito == TeclaCPF::Efeito::Engole)
        return;
    if (efeito.item >= 0)
        ui_->CboCPF->setCurrentIndex(efeito.item);
    ui_->CboCPF->setEditText(efeito.texto);
    edicao.setSelection(efeito.ancora, efeito.cursor - efeito.ancora);
}

void FrmAdiantamentos::CboCPF_LostFocus()
{
    PintaCampo(*ui_->CboCPF, CorNormal);
    const int linha = LinhaDoCredor(modelo_, ui_->CboCPF->currentText());
    if (linha < 0)
        return;
    ui_->TxtNomeResponsavel->setText(modelo_.linha(linha).nome);
    ui_->TxtValor->setFocus(Qt::TabFocusReason);
}

// ---- list

int FrmAdiantamentos::linhaSelecionada() const
{
    const QItemSelectionModel* selecao = ui_->LvwAdiantamentos->selectionModel();
    const QModelIndex atual = selecao->currentIndex();
    if (atual.isValid() && selecao->isRowSelected(atual.row()))
        return atual.row();
    const QModelIndexList linhas = selecao->selectedRows();
    int menor = -1;
    for (const QModelIndex& i : linhas)
        menor = menor < 0 ? i.row() : qMin(menor, i.row());
    return menor;
}

void FrmAdiantamentos::selecionaSomente(int linha)
{
    const QModelIndex indice = modelo_.index(linha, 0);
    ui_->LvwAdiantamentos->selectionModel()->setCurrentIndex(
        indice, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    ui_->LvwAdiantamentos->scrollTo(indice);
}

void FrmAdiantamentos::habilitaComandosDeLinhas(bool habilitar)
{
    for (QPushButton* b :
         {ui_->CmdAlterar, ui_->CmdExcluir, ui_->CmdImprimir, ui_->CmdGravarArquivo})
        b->setEnabled(habilitar);
}

void FrmAdiantamentos::LvwAdiantamentos_Click()
{
    if (modelo_.linhas() == 0) {
        ui_->CboCPF->clear();
        limpaEntrada();
        habilitaComandosDeLinhas(false);
        return;
    }
    const int linha = linhaSelecionada();
    if (linha < 0)
        return;
    const Adiantamento& a = modelo_.linha(linha);
    ui_->TxtProcesso->setText(a.processo);
    ui_->TxtNumeroNotaEmpenho->setText(a.notaEmpenho);
    ui_->CboElemEcon->setCurrentIndex(a.elemento);
    ui_->CboCPF->setEditText(a.cpf);
    ui_->TxtNomeResponsavel->setText(a.nome);
    ui_->TxtValor->setText(FormataMoeda(a.valor));
    ui_->TxtDataInicial->setText(a.periodoInicial);
    ui_->TxtDataFinal->setText(a.periodoFinal);
    habilitaComandosDeLinhas(true);
    ui_->CmdRestaurar->setEnabled(true);
    ui_->CmdImportar->setEnabled(true);
}

void FrmAdiantamentos::LvwAdiantamentos_ColumnClick(int titulo)
{
    const int chave = ChaveDoTitulo(titulo);
    Qt::SortOrder ordem = Qt::AscendingOrder;
    if (modelo_.ordenado() && chave == modelo_.chaveOrdenacao())
        ordem = modelo_.ordem() == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    modelo_.ordena(chave, ordem);
    QHeaderView* titulos = ui_->LvwAdiantamentos->header();
    titulos->setSortIndicatorShown(true);
    titulos->setSortIndicator(titulo - 1, ordem);
    // The sorted column's title keeps its words whole beside the arrow.
    if (titulos->sectionResizeMode(titulo - 1) != QHeaderView::Stretch &&
        titulos->sectionSize(titulo - 1) < titulos->sectionSizeHint(titulo - 1))
        titulos->resizeSection(titulo - 1, titulos->sectionSizeHint(titulo - 1));
}

// ---- exercise start

bool FrmAdiantamentos::VerificaArquivo(const QString& caminho)
{
    return ::VerificaArquivo(caminho, ui_->TxtExercicio->text(), *this, servicos_.mensagens,
                             servicos_.atividade);
}

void FrmAdiantamentos::mostraProgresso(int minimo, int maximo, int valor)
{
    progresso(minimo, maximo, valor);
}

void FrmAdiantamentos::avancaProgresso(int valor)
{
    AvancaBarra(*ui_->ProgressBar1, valor);
}

void FrmAdiantamentos::CmdCarrega_Click()
{
    if (bloqueado_)
        return;
    if (LeNumeroInicial(ui_->TxtExercicio->text()) < 2003) {
        servicos_.mensagens.bipe();
        servicos_.mensagens.mostra(u"Informe um Exercício a partir de 2003"_s, Icone::Parada);
        voltaAoExercicioAberto();
        return;
    }
    const QString caminho = CaminhoArquivoExercicio(ui_->TxtExercicio->text());
    if (QFileInfo::exists(caminho)) {
        const Ocupado ocupado(servicos_.atividade);
        aguarde(u"Validando arquivo, aguarde..."_s);
        if (!VerificaArquivo(caminho)) {
            fimAguarde();
            voltaAoExercicioAberto();
            return;
        }
        aguarde(u"Carregando, aguarde..."_s);
        // A file that cannot be read leaves the open exercise as it was, as a refused one does.
        if (CarregaArquivo(caminho, *this, servicos_.mensagens, servicos_.atividade,
                           AoFalhar::MantemJanela) == 0) {
            fimAguarde();
            servicos_.mensagens.mostra(u"Provavelmente as informações estão fora do layout "
                                       u"esperado, ou não é o arquivo correto. Verifique"_s,
                                       Icone::Parada);
            voltaAoExercicioAberto();
            return;
        }
        AbreExercicio(ui_->TxtExercicio->text());
        LvwAdiantamentos_Click();
    } else {
        AbreExercicio(ui_->TxtExercicio->text());
        ui_->TxtOrgao->clear();
        ui_->TxtElaborador->clear();
        ui_->TxtResponsavel->clear();
        modelo_.limpa();
        limpaEntrada();
        for (QWidget* w :
             std::initializer_list<QWidget*>{ui_->TxtOrgao, ui_->TxtElaborador, ui_->TxtResponsavel,
                                             ui_->CmdIncluir, ui_->CmdRestaurar, ui_->CmdImportar})
            w->setEnabled(true);
        habilitaComandosDeLinhas(false);
        ui_->TxtOrgao->setFocus();
    }
    Module1::PendenteGravar.clear();
    fimAguarde();
}

void FrmAdiantamentos::voltaAoExercicioAberto()
{
    ui_->TxtExercicio->setText(ExercicioAberto());
    ui_->TxtExercicio->setFocus();
    SelecionaTexto(*ui_->TxtExercicio);
}

// ---- entry commands

void FrmAdiantamentos::mostraGrupoOcioso(bool ocioso)
{
    for (QPushButton* b :
         {ui_->CmdIncluir, ui_->CmdAlterar, ui_->CmdExcluir, ui_->CmdImprimir,
          ui_->CmdGravarArquivo, ui_->CmdRestaurar, ui_->CmdImportar, ui_->CmdSair})
        b->setVisible(ocioso);
    ui_->CmdOK->setVisible(!ocioso);
    ui_->CmdVoltar->setVisible(!ocioso);
}

void FrmAdiantamentos::PreencheCPF()
{
    ui_->CboCPF->clear();
    ui_->CboCPF->addItems(CPFsDaLista(modelo_));
    ui_->CboCPF->setEditText(QString());
}

void FrmAdiantamentos::CmdIncluir_Click()
{
    ui_->TxtProcesso->clear();
    ui_->TxtNumeroNotaEmpenho->clear();
    ui_->TxtNomeResponsavel->clear();
    ui_->TxtValor->setText(u"0,00"_s);
    ui_->TxtDataInicial->clear();
    ui_->TxtDataFinal->clear();
    ui_->Frame2->setEnabled(false);
    ui_->Frame3->setEnabled(true);
    mostraGrupoOcioso(false);
    ui_->LvwAdiantamentos->setSelectionMode(QAbstractItemView::SingleSelection);
    const QString cpf = ui_->CboCPF->currentText();
    PreencheCPF();
    ui_->CboCPF->setEditText(cpf);
    ui_->TxtProcesso->setFocus();
    Module1::Operacao = u"I"_s;
}

void FrmAdiantamentos::CmdAlterar_Click()
{
    ui_->Frame2->setEnabled(false);
    ui_->Frame3->setEnabled(true);
    mostraGrupoOcioso(false);
    ui_->LvwAdiantamentos->setSelectionMode(QAbstractItemView::SingleSelection);
    const QString cpf = ui_->CboCPF->currentText();
    PreencheCPF();
    const int igual = ui_->CboCPF->findText(cpf, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (igual >= 0)
        ui_->CboCPF->setCurrentIndex(igual);
    ui_->TxtProcesso->setFocus();
    Module1::Operacao = u"A"_s;
}

void FrmAdiantamentos::CmdVoltar_Click()
{
    ui_->Frame1->setEnabled(true);
    ui_->Frame2->setEnabled(true);
    ui_->Frame3->setEnabled(false);
    Module1::Operacao.clear();
    mostraGrupoOcioso(true);
    ui_->LvwAdiantamentos->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ui_->LvwAdiantamentos->setFocus();
    LvwAdiantamentos_Click();
}

CamposEntrada FrmAdiantamentos::camposDigitados() const
{
    CamposEntrada c;
    c.cabecalho = CabecalhoAberto(*this);
    c.processo = ui_->TxtProcesso->text();
    c.notaEmpenho = ui_->TxtNumeroNotaEmpenho->text();
    c.elemento = ui_->CboElemEcon->currentIndex();
    c.cpf = ui_->CboCPF->currentText();
    c.nome = ui_->TxtNomeResponsavel->text();
    c.valor = ui_->TxtValor->text();
    c.periodoInicial = ui_->TxtDataInicial->text();
    c.periodoFinal = ui_->TxtDataFinal->text();
    return c;
}

QWidget* FrmAdiantamentos::widgetDe(Campo campo) const
{
    const auto p = std::find_if(std::begin(Paradas), std::end(Paradas),
                                [campo](const Parada& p) { return p.campo == campo; });
    Q_ASSERT(p != std::end(Paradas));
    return WidgetDa(*this, *p);
}

void FrmAdiantamentos::foca(Campo campo)
{
    widgetDe(campo)->setFocus(Qt::OtherFocusReason);
}

void FrmAdiantamentos::CmdOK_Click()
{
    try {
        CamposEntrada campos = camposDigitados();
        const std::optional<Recusa> recusa = ValidaAdiantamento(campos);
        // A valid CPF and the value's display form replace what was typed, as the checks saw them.
        if (campos.cpf != ui_->CboCPF->currentText())
            ui_->CboCPF->setEditText(campos.cpf);
        if (campos.valor != ui_->TxtValor->text())
            ui_->TxtValor->setText(campos.valor);
        const auto recusar = [this](const Recusa& r) {
            servicos_.mensagens.mostra(r.texto, r.icone, Botoes::Ok, r.titulo);
            foca(r.foco);
        };
        if (recusa) {
            recusar(*recusa);
            return;
        }
        const Adiantamento registro = MontaAdiantamento(campos);

        if (Module1::Operacao == u"I"_s) {
            if (const std::optional<Recusa> duplicada =
                    ChecaDuplicidade(modelo_, campos.notaEmpenho)) {
                recusar(*duplicada);
                return;
            }
            const int linha = modelo_.acrescenta(registro);
            selecionaSomente(linha);
            modelo_.renomeiaCredor(ChaveCPF(registro.cpf), registro.nome);
            ui_->TxtProcesso->clear();
            ui_->TxtNumeroNotaEmpenho->setText(ProximaNotaEmpenho(registro.notaEmpenho));
            ui_->TxtNomeResponsavel->clear();
            ui_->TxtValor->setText(u"0,00"_s);
            ui_->TxtDataInicial->clear();
            ui_->TxtDataFinal->clear();
            habilitaComandosDeLinhas(true);
            ui_->CmdRestaurar->setEnabled(true);
            ui_->CmdImportar->setEnabled(true);
            const QString cpf = ui_->CboCPF->currentText();
            PreencheCPF();
            ui_->CboCPF->setEditText(cpf);
            if (GravaArquivo(*this, servicos_.mensagens))
                ui_->TxtProcesso->setFocus();
        } else if (Module1::Operacao == u"A"_s) {
            const int selecionada = linhaSelecionada();
            if (selecionada < 0)
                return;
            if (const std::optional<Recusa> duplicada =
                    ChecaDuplicidade(modelo_, campos.notaEmpenho, selecionada)) {
                recusar(*duplicada);
                return;
            }
            selecionaSomente(modelo_.substitui(selecionada, registro));
            modelo_.renomeiaCredor(ChaveCPF(registro.cpf), registro.nome);
            // A change that could not be written stays in the edit, so it can be confirmed again.
            if (GravaArquivo(*this, servicos_.mensagens))
                CmdVoltar_Click();
        }
    } catch (const Falha& falha) {
        servicos_.mensagens.mostra(falha.texto());
    }
}

void FrmAdiantamentos::CmdExcluir_Click()
{
    const Resposta resposta =
        servicos_.mensagens.mostra(u"Confirma a exclusão."_s, Icone::Pergunta, Botoes::OkCancelar,
                                   u"Exclusão de Adiantamento"_s);
    // Thousands of rows may go and the register is written again.
    const Ocupado ocupado(servicos_.atividade);
    if (resposta == Resposta::Ok) {
        QItemSelectionModel& selecao = *ui_->LvwAdiantamentos->selectionModel();
        modelo_.removeLinhas(LinhasInteiras(selecao, modelo_.linhas(), modelo_.columnCount()));
        // Every selected row is gone, so none is selected, whichever way the list was redrawn.
        selecao.clearSelection();
    }
    const DepoisDaExclusao depois = GuardaExclusao(*this, servicos_.mensagens);
    if (depois == DepoisDaExclusao::Vazio) {
        ui_->TxtProcesso->clear();
        ui_->TxtNumeroNotaEmpenho->clear();
        ui_->TxtNomeResponsavel->clear();
        ui_->TxtDataInicial->clear();
        ui_->TxtDataFinal->clear();
        ui_->CboElemEcon->setCurrentIndex(0);
        ui_->TxtValor->setText(u"0,00"_s);
        habilitaComandosDeLinhas(false);
        ui_->CmdRestaurar->setEnabled(false);
        ui_->CmdImportar->setEnabled(false);
        return;
    }
    if (depois == DepoisDaExclusao::NaoGravado)
        return;
    habilitaComandosDeLinhas(true);
    ui_->CmdRestaurar->setEnabled(true);
    ui_->CmdImportar->setEnabled(true);
    // The first row joins the selection and becomes the one the list reports as selected.
    ui_->LvwAdiantamentos->selectionModel()->setCurrentIndex(
        modelo_.index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    LvwAdiantamentos_Click();
}

// ---- printed report (F5)

void FrmAdiantamentos::CmdImprimir_Click()
{
    ImprimeRelatorio(CabecalhoAberto(*this), modelo_.todas(), servicos_);
}

void FrmAdiantamentos::visualizaRelatorio()
{
    VisualizaRelatorio(CabecalhoAberto(*this), modelo_.todas(), servicos_);
}

// ---- submission file for the audit court (F6)

namespace
{

// The waiting panel's bar follows the coding pass, a step a line.
class AndamentoNaJanela final : public AndamentoEnvio
{
public:
    explicit AndamentoNaJanela(FrmAdiantamentos& janela) : janela_(janela) {}

    void linhasContadas(int total) override
    {
        janela_.progresso(1, total + 1, 1);
        valor_ = 1;
        janela_.aguarde(u"Codificando, aguarde..."_s);
    }
    void proximaLinha() override { janela_.avancaProgresso(++valor_); }

private:
    FrmAdiantamentos& janela_;
    int valor_ = 1;
};

} // namespace

void FrmAdiantamentos::CmdGravarArquivo_Click()
{
    if (bloqueado_)
        return;
    const Cabecalho c = CabecalhoAberto(*this);
    std::optional<Recusa> recusa = ChecaCabecalho(c);
    if (!recusa)
        recusa = ChecaNomeCredor(ui_->TxtNomeResponsavel->text());
    if (recusa) {
        servicos_.mensagens.mostra(recusa->texto, recusa->icone, Botoes::Ok, recusa->titulo);
        foca(recusa->foco);
        return;
    }
    const auto mostra = [this](const MensagemEnvio& m) {
        servicos_.mensagens.mostra(m.texto, m.icone, Botoes::Ok, m.titulo);
    };
    const QString envio = CaminhoArquivoEnvio(c.exercicio);
    std::optional<Falha> falha;
    {
        // The panel lets events through: no other command may start meanwhile.
        bloqueado_ = true;
        const auto termina = [this] {
            servicos_.atividade.ocupado(false);
            fimAguarde();
            bloqueado_ = false;
        };
        servicos_.atividade.ocupado(true);
        aguarde(u"Lendo arquivo, aguarde..."_s);
        AndamentoNaJanela andamento(*this);
        try {
            falha = GravaArquivoEnvio(Module1::ArquivoExercicio, envio, andamento);
        } catch (...) {
            termina();
            throw;
        }
        termina();
    }
    if (falha) {
        mostra(MensagemFalhaEnvio(*falha));
        return;
    }
    if (QFileInfo(envio).size() == 0) {
        mostra(MensagemEnvioVazio());
        return;
    }
    try {
        Module1::ModoGrava = u"T"_s;
        frmGrava::Mostra(*this, *this, servicos_);
    } catch (const Falha& f) {
        mostra(MensagemFalhaEnvio(f));
    }
}

// ---- restore from backup (F7)

void FrmAdiantamentos::CmdRestaurar_Click()
{
    frmRestaurarCopiaSeguranca dialogo(*this, *this, servicos_);
    if (dialogo.exec() == frmGrava::Encerrado)
        return;
    DevolveTeclado(*this);
    LvwAdiantamentos_Click();
}

// ---- import (F8)

void FrmAdiantamentos::CmdImportar_Click()
{
    FrmImportacao dialogo(*this, servicos_, this);
    dialogo.exec();
    DevolveTeclado(*this);
    LvwAdiantamentos_Click();
}

// ---- exit (Esc)

void FrmAdiantamentos::CmdSair_Click()
{
    // A verification or a submission run lets events through with the register half replaced:
    // nothing may be written or ended from inside it.
    if (bloqueado_)
        return;
    const bool semRegistro =
        (ui_->TxtExercicio->text() + ui_->TxtOrgao->text()).trimmed().isEmpty() &&
        modelo_.linhas() == 0 && !ui_->CmdAlterar->isEnabled();
    if (!ui_->CmdIncluir->isEnabled() || semRegistro) {
        servicos_.encerramento.encerra();
        return;
    }
    if (!Module1::PendenteGravar.isEmpty()) {
        if (!GravaArquivo(*this, servicos_.mensagens))
            return;
        Module1::PendenteGravar.clear();
    }
    if (modelo_.linhas() == 0) {
        servicos_.encerramento.encerra();
        return;
    }
    if (frmSair_.isNull())
        frmSair_ = new frmSair(*this, *this, servicos_);
    frmSair_->show();
    frmSair_->raise();
    frmSair_->activateWindow();
}

void FrmAdiantamentos::closeEvent(QCloseEvent* evento)
{
    CmdSair_Click();
    // The program ends only where the exit command or its dialog end it.
    if (Module1::PodeDescarregar)
        evento->accept();
    else
        evento->ignore();
}
