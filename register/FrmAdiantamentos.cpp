#include "FrmAdiantamentos.h"

#include "ArquivoEnvio.h"
#include "BarraProgresso.h"
#include "Caminhos.h"
#include "Catalogo.h"
#include "ComportamentoCampo.h"
#include "Falha.h"
#include "FluxoBotoes.h"
#include "Foco.h"
#include "Formatos.h"
#include "FrmImportacao.h"
#include "ImpressaoRelatorio.h"
#include "LeitorBytes.h"
#include "Module1.h"
#include "Registro.h"
#include "RegrasEntrada.h"
#include "SelecionaTexto.h"
#include "Servicos.h"
#include "Verificacao.h"
#include "frmGrava.h"
#include "frmRestaurarCopiaSeguranca.h"
#include "frmSair.h"

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

QPushButton* botao(const QString& nome, const QString& legenda, QWidget* pai)
{
    auto* b = new QPushButton(legenda, pai);
    b->setObjectName(nome);
    b->setAccessibleName(QString(legenda).remove(u'&'));
    // Enter on a focused button presses it, as it does in the program's dialogs.
    b->setAutoDefault(true);
    return b;
}

QLineEdit* campoTexto(const QString& nome, int maximo, QWidget* pai)
{
    auto* c = new QLineEdit(pai);
    c->setObjectName(nome);
    if (maximo > 0)
        c->setMaxLength(maximo);
    return c;
}

// The label before a control; its words are also the control's name for a screen reader.
QLabel* rotulo(const QString& texto, QWidget* parceiro, QWidget* pai)
{
    auto* r = new QLabel(texto, pai);
    r->setBuddy(parceiro);
    parceiro->setAccessibleName(QString(texto).remove(u'&'));
    return r;
}

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

} // namespace

FrmAdiantamentos::FrmAdiantamentos(Servicos& servicos, QWidget* pai)
    : QMainWindow(pai), servicos_(servicos)
{
    setObjectName(u"FrmAdiantamentos"_s);
    montaJanela();
    ligaCampos();

    // Form_Load
    setWindowTitle(titulo());
    PintaCampo(*TxtExercicio, CorFoco);
    Module1::PendenteGravar.clear();
    modelo_.limpa();
    CboElemEcon->addItems(ItensCatalogo());

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
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* principal = new QVBoxLayout(central);
    // Room is short on a small screen or at a large scale: the frames carry no titles (their
    // names are there for a screen reader) and keep narrow margins.
    const auto moldura = [central](const QString& nome, const QString& descricao) {
        auto* g = new QGroupBox(central);
        g->setObjectName(nome);
        g->setAccessibleName(descricao);
        return g;
    };
    const auto margens = [](QLayout* layout) { layout->setContentsMargins(6, 6, 6, 6); };
    margens(principal);
    const QFontMetrics medida = fontMetrics();

    Frame1 = moldura(u"Frame1"_s, u"Exercício"_s);
    TxtExercicio = campoTexto(u"TxtExercicio"_s, 4, Frame1);
    LarguraMinima(*TxtExercicio, ComDigitoLargo(medida, u"0000"_s));
    TxtExercicio->setMaximumWidth(TxtExercicio->minimumWidth());
    CmdCarrega = botao(u"CmdCarrega"_s, u"I&niciar"_s, Frame1);
    TxtOrgao = campoTexto(u"TxtOrgao"_s, 60, Frame1);
    TxtElaborador = campoTexto(u"TxtElaborador"_s, 40, Frame1);
    TxtResponsavel = campoTexto(u"TxtResponsavel"_s, 40, Frame1);
    TxtResponsavel->setToolTip(u"Responsável pelas informações prestadas."_s);
    {
        auto* grade = new QGridLayout(Frame1);
        margens(grade);
        grade->addWidget(rotulo(u"&Exercício"_s, TxtExercicio, Frame1), 0, 0);
        auto* linhaExercicio = new QHBoxLayout;
        linhaExercicio->addWidget(TxtExercicio);
        linhaExercicio->addWidget(CmdCarrega);
        linhaExercicio->addStretch();
        grade->addLayout(linhaExercicio, 0, 1);
        grade->addWidget(rotulo(u"Ó&rgão/Entidade"_s, TxtOrgao, Frame1), 0, 2);
        grade->addWidget(TxtOrgao, 0, 3);
        grade->addWidget(rotulo(u"E&laborador"_s, TxtElaborador, Frame1), 1, 0);
        grade->addWidget(TxtElaborador, 1, 1);
        auto* labResponsavel = rotulo(u"&Responsável"_s, TxtResponsavel, Frame1);
        labResponsavel->setToolTip(TxtResponsavel->toolTip());
        grade->addWidget(labResponsavel, 1, 2);
        grade->addWidget(TxtResponsavel, 1, 3);
        grade->setColumnStretch(1, 2);
        grade->setColumnStretch(3, 3);
    }
    principal->addWidget(Frame1);

    Frame3 = moldura(u"Frame3"_s, u"Adiantamento"_s);
    TxtProcesso = campoTexto(u"TxtProcesso"_s, 30, Frame3);
    TxtNumeroNotaEmpenho = campoTexto(u"TxtNumeroNotaEmpenho"_s, 9, Frame3);
    CboElemEcon = new QComboBox(Frame3);
    CboElemEcon->setObjectName(u"CboElemEcon"_s);
    CboElemEcon->setMaxVisibleItems(20);
    // The field is as wide as the window allows; its list shows every name whole.
    CboElemEcon->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    CboElemEcon->setMinimumContentsLength(14);
    CboCPF = new QComboBox(Frame3);
    CboCPF->setObjectName(u"CboCPF"_s);
    CboCPF->setEditable(true);
    CboCPF->setInsertPolicy(QComboBox::NoInsert);
    CboCPF->setCompleter(nullptr); // the completion is the program's own (CboCPF_KeyPress)
    CboCPF->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    CboCPF->setMinimumContentsLength(14); // 123.456.789-09, as it may be typed
    TxtNomeResponsavel = campoTexto(u"TxtNomeResponsavel"_s, 40, Frame3);
    TxtValor = campoTexto(u"TxtValor"_s, 0, Frame3);
    TxtValor->setAlignment(Qt::AlignRight);
    TxtDataInicial = campoTexto(u"TxtDataInicial"_s, 5, Frame3);
    TxtDataFinal = campoTexto(u"TxtDataFinal"_s, 5, Frame3);
    LarguraMinima(*TxtNumeroNotaEmpenho, ComDigitoLargo(medida, u"000000000"_s));
    LarguraMinima(*TxtValor, ComDigitoLargo(medida, u"00.000.000,00"_s));
    for (QLineEdit* data : {TxtDataInicial, TxtDataFinal}) {
        LarguraMinima(*data, ComDigitoLargo(medida, u"00/00"_s));
        data->setMaximumWidth(data->minimumWidth());
    }
    {
        // Two fields a line, in the order Enter goes through them; the name and the element,
        // the long ones, in the wider column.
        auto* grade = new QGridLayout(Frame3);
        margens(grade);
        const auto linha = [this, grade](int l, int coluna, const QString& legenda,
                                         QWidget* campo) {
            grade->addWidget(rotulo(legenda, campo, Frame3), l, coluna);
            grade->addWidget(campo, l, coluna + 1);
        };
        linha(0, 0, u"Pr&ocesso"_s, TxtProcesso);
        linha(0, 2, u"&Núm. Nota de Empenho"_s, TxtNumeroNotaEmpenho);
        TxtNumeroNotaEmpenho->setAccessibleDescription(u"Número da Nota de Empenho"_s);
        linha(1, 0, u"Ele&mento Econ."_s, CboElemEcon);
        CboElemEcon->setAccessibleDescription(u"Elemento Econômico"_s);
        linha(1, 2, u"&CPF (Credor)"_s, CboCPF);
        linha(2, 0, u"Nome (Credor)"_s, TxtNomeResponsavel);
        linha(2, 2, u"&Valor"_s, TxtValor);
        const auto periodo = [this, grade](const QString& legenda, QLineEdit* data, int coluna) {
            grade->addWidget(rotulo(legenda, data, Frame3), 3, coluna);
            data->setAccessibleDescription(u"dia/mês"_s);
            auto* caixa = new QHBoxLayout;
            caixa->addWidget(data);
            caixa->addWidget(new QLabel(u"(dia/mês)"_s, Frame3));
            caixa->addStretch();
            grade->addLayout(caixa, 3, coluna + 1);
        };
        periodo(u"Período inicial"_s, TxtDataInicial, 0);
        periodo(u"Período final"_s, TxtDataFinal, 2);
        grade->setColumnStretch(1, 3);
        grade->setColumnStretch(3, 1);
    }
    Frame3->setEnabled(false);
    principal->addWidget(Frame3);

    Frame2 = moldura(u"Frame2"_s, u"Adiantamentos do exercício"_s);
    LvwAdiantamentos = new QTreeView(Frame2);
    LvwAdiantamentos->setObjectName(u"LvwAdiantamentos"_s);
    LvwAdiantamentos->setAccessibleName(u"Adiantamentos do exercício"_s);
    LvwAdiantamentos->setAccessibleDescription(
        u"Os adiantamentos do exercício, um por linha: Processo, Nota de Empenho, Elemento "
        u"Econômico, CPF Credor, Nome Credor, Valor, Período Inicial e Período Final. A linha "
        u"selecionada aparece nos campos do adiantamento; um clique no título de uma coluna "
        u"ordena a lista por ela."_s);
    LvwAdiantamentos->setModel(&modelo_);
    LvwAdiantamentos->setRootIsDecorated(false);
    LvwAdiantamentos->setUniformRowHeights(true);
    LvwAdiantamentos->setAllColumnsShowFocus(true);
    LvwAdiantamentos->setAlternatingRowColors(true);
    LvwAdiantamentos->setSelectionBehavior(QAbstractItemView::SelectRows);
    LvwAdiantamentos->setSelectionMode(QAbstractItemView::ExtendedSelection);
    LvwAdiantamentos->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LvwAdiantamentos->header()->setSectionsClickable(true);
    LvwAdiantamentos->header()->setSectionsMovable(false);
    dimensionaColunas();
    {
        auto* caixa = new QVBoxLayout(Frame2);
        margens(caixa);
        caixa->addWidget(LvwAdiantamentos);
    }
    Pnlaguarde = new QFrame(Frame2);
    Pnlaguarde->setObjectName(u"Pnlaguarde"_s);
    Pnlaguarde->setFrameShape(QFrame::Panel);
    Pnlaguarde->setFrameShadow(QFrame::Raised);
    Pnlaguarde->setAutoFillBackground(true);
    LabAviso = new QLabel(Pnlaguarde);
    LabAviso->setObjectName(u"LabAviso"_s);
    LabAviso->setAlignment(Qt::AlignCenter);
    ProgressBar1 = new QProgressBar(Pnlaguarde);
    ProgressBar1->setObjectName(u"ProgressBar1"_s);
    ProgressBar1->setTextVisible(false);
    {
        auto* caixa = new QVBoxLayout(Pnlaguarde);
        caixa->addWidget(LabAviso);
        caixa->addWidget(ProgressBar1);
    }
    Pnlaguarde->hide();
    principal->addWidget(Frame2, 1);

    cmdAjuda = botao(u"cmdAjuda"_s, u"F1 - &Ajuda"_s, central);
    CmdIncluir = botao(u"CmdIncluir"_s, u"F2 - &Incluir"_s, central);
    CmdOK = botao(u"CmdOK"_s, u"F2 - &Confirmar"_s, central);
    CmdAlterar = botao(u"CmdAlterar"_s, u"F3 - &Alterar"_s, central);
    CmdVoltar = botao(u"CmdVoltar"_s, u"Esc - &Voltar"_s, central);
    CmdExcluir = botao(u"CmdExcluir"_s, u"F4 - E&xcluir"_s, central);
    CmdImprimir = botao(u"CmdImprimir"_s, u"F5 - &Imprimir"_s, central);
    // The preview has no button of its own: the key is told where the print command is.
    CmdImprimir->setToolTip(
        u"Shift+F5: visualizar o relatório antes de imprimir ou gravá-lo em PDF."_s);
    CmdGravarArquivo =
        botao(u"CmdGravarArquivo"_s, u"F6 - Gravar arquivo para entrega ao ORVAL"_s, central);
    CmdRestaurar = botao(u"CmdRestaurar"_s, u"F7 - &Restaurar"_s, central);
    CmdImportar = botao(u"CmdImportar"_s, u"F8 - Importar arquivo"_s, central);
    CmdSair = botao(u"CmdSair"_s, u"Esc - &Sair"_s, central);
    // The edit pair takes the place and the size of the first two idle buttons.
    const int larguraPar = qMax(CmdIncluir->sizeHint().width(), CmdOK->sizeHint().width());
    for (QPushButton* b : {CmdIncluir, CmdOK})
        b->setMinimumWidth(larguraPar);
    const int larguraPar2 = qMax(CmdAlterar->sizeHint().width(), CmdVoltar->sizeHint().width());
    for (QPushButton* b : {CmdAlterar, CmdVoltar})
        b->setMinimumWidth(larguraPar2);
    // The row wraps where the window is narrow, on a small screen or at a large scale.
    auto* botoes = new FluxoBotoes;
    for (QPushButton* b : {cmdAjuda, CmdIncluir, CmdOK, CmdAlterar, CmdVoltar, CmdExcluir,
                           CmdImprimir, CmdGravarArquivo, CmdRestaurar, CmdImportar, CmdSair})
        botoes->addWidget(b);
    principal->addLayout(botoes);

    for (QPushButton* b : {CmdIncluir, CmdAlterar, CmdExcluir, CmdImprimir, CmdGravarArquivo})
        b->setEnabled(false);
    for (QLineEdit* c : {TxtOrgao, TxtElaborador, TxtResponsavel})
        c->setEnabled(false);
    CmdOK->hide();
    CmdVoltar->hide();

    // The operator's order through the window.
    const QList<QWidget*> ordem = {TxtExercicio,
                                   CmdCarrega,
                                   TxtOrgao,
                                   TxtElaborador,
                                   TxtResponsavel,
                                   CmdIncluir,
                                   CmdAlterar,
                                   CmdExcluir,
                                   CmdImprimir,
                                   CmdGravarArquivo,
                                   CmdRestaurar,
                                   CmdImportar,
                                   CmdSair,
                                   TxtProcesso,
                                   TxtNumeroNotaEmpenho,
                                   CboElemEcon,
                                   CboCPF,
                                   TxtNomeResponsavel,
                                   TxtValor,
                                   TxtDataInicial,
                                   TxtDataFinal,
                                   CmdOK,
                                   CmdVoltar,
                                   LvwAdiantamentos,
                                   cmdAjuda};
    for (qsizetype i = 1; i < ordem.size(); ++i)
        setTabOrder(ordem[i - 1], ordem[i]);

    TxtExercicio->setFocus();
}

void FrmAdiantamentos::dimensionaColunas()
{
    QHeaderView* titulos = LvwAdiantamentos->header();
    const QFontMetrics medida = LvwAdiantamentos->fontMetrics();
    // The text margins the list draws an item with, and some air.
    const int margem = 2 * (LvwAdiantamentos->style()->pixelMetric(QStyle::PM_FocusFrameHMargin,
                                                                   nullptr, LvwAdiantamentos) +
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
            LvwAdiantamentos->setColumnHidden(c, true);
            continue;
        }
        int largura = qMax(static_cast<int>(ModeloAdiantamentos::pixelsDeTwips(twips) * escala),
                           titulos->sectionSizeHint(c));
        if (!amostras[c].isEmpty())
            largura = qMax(largura, medida.horizontalAdvance(amostras[c]) + margem);
        LvwAdiantamentos->setColumnWidth(c, largura);
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
    new ComportamentoCampo(*TxtExercicio, {.conjunto = Conjunto::Digitos,
                                           .apara = false,
                                           .aoTeclarEnter = [this] { CmdCarrega_Click(); }});
    new ComportamentoCampo(*TxtOrgao, {});
    new ComportamentoCampo(*TxtElaborador, {.apara = false});
    new ComportamentoCampo(*TxtResponsavel,
                           {.apara = false, .aoTeclarEnter = [this] { CmdIncluir_Click(); }});
    new ComportamentoCampo(*TxtProcesso, {});
    new ComportamentoCampo(*TxtNumeroNotaEmpenho, {.conjunto = Conjunto::Digitos, .apara = false});
    new ComportamentoCampo(*TxtNomeResponsavel, {});
    new ComportamentoCampo(*TxtValor, {.conjunto = Conjunto::Valor,
                                       .setas = false,
                                       .apara = false,
                                       .formataValor = true,
                                       .aoEntrar = [] { Module1::VirgulaDigitada = false; }});
    for (QLineEdit* data : {TxtDataInicial, TxtDataFinal})
        new ComportamentoCampo(
            *data,
            {.conjunto = Conjunto::Digitos, .setas = false, .barraDiaMes = true, .apara = false});

    PintaCampo(*CboElemEcon, CorNormal);
    PintaCampo(*CboCPF, CorNormal);
    PintaRotulosInativos(*Frame3);
    CboElemEcon->installEventFilter(this);
    CboCPF->installEventFilter(this);
    FiltraEdicoes(*CboCPF->lineEdit(), ConjuntoCaracteres::Livre);
    LvwAdiantamentos->installEventFilter(this);

    connect(CmdCarrega, &QPushButton::clicked, this, &FrmAdiantamentos::CmdCarrega_Click);
    connect(CmdIncluir, &QPushButton::clicked, this, &FrmAdiantamentos::CmdIncluir_Click);
    connect(CmdAlterar, &QPushButton::clicked, this, &FrmAdiantamentos::CmdAlterar_Click);
    connect(CmdExcluir, &QPushButton::clicked, this, &FrmAdiantamentos::CmdExcluir_Click);
    connect(CmdOK, &QPushButton::clicked, this, &FrmAdiantamentos::CmdOK_Click);
    connect(CmdVoltar, &QPushButton::clicked, this, &FrmAdiantamentos::CmdVoltar_Click);
    connect(cmdAjuda, &QPushButton::clicked, this, &FrmAdiantamentos::cmdAjuda_Click);
    connect(CmdImprimir, &QPushButton::clicked, this, &FrmAdiantamentos::CmdImprimir_Click);
    connect(CmdGravarArquivo, &QPushButton::clicked, this,
            &FrmAdiantamentos::CmdGravarArquivo_Click);
    connect(CmdRestaurar, &QPushButton::clicked, this, &FrmAdiantamentos::CmdRestaurar_Click);
    connect(CmdImportar, &QPushButton::clicked, this, &FrmAdiantamentos::CmdImportar_Click);
    connect(CmdSair, &QPushButton::clicked, this, &FrmAdiantamentos::CmdSair_Click);
    connect(LvwAdiantamentos, &QTreeView::clicked, this, [this] { LvwAdiantamentos_Click(); });
    connect(LvwAdiantamentos->header(), &QHeaderView::sectionClicked, this,
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
    return {TxtExercicio->text(), TxtOrgao->text(), TxtElaborador->text(), TxtResponsavel->text()};
}

void FrmAdiantamentos::defineCabecalho(const Cabecalho& c)
{
    TxtExercicio->setText(c.exercicio);
    TxtOrgao->setText(c.orgao);
    TxtElaborador->setText(c.elaborador);
    TxtResponsavel->setText(c.responsavel);
}

void FrmAdiantamentos::focaCabecalho(CampoCabecalho campo)
{
    switch (campo) {
    case CampoCabecalho::Exercicio:
        TxtExercicio->setFocus();
        break;
    case CampoCabecalho::Orgao:
        TxtOrgao->setFocus();
        break;
    case CampoCabecalho::Elaborador:
        TxtElaborador->setFocus();
        break;
    case CampoCabecalho::Responsavel:
        TxtResponsavel->setFocus();
        break;
    case CampoCabecalho::NomeCredor:
        TxtNomeResponsavel->setFocus();
        break;
    }
}

void FrmAdiantamentos::progresso(int minimo, int maximo, int valor)
{
    ProgressBar1->setRange(minimo, maximo);
    ProgressBar1->setValue(valor);
    barraDesenhada_.invalidate(); // a new pass shows its first step at once
}

void FrmAdiantamentos::habilitaRegistro()
{
    for (QWidget* w : std::initializer_list<QWidget*>{
             TxtOrgao, TxtElaborador, TxtResponsavel, CmdIncluir, CmdAlterar, CmdExcluir,
             CmdImprimir, CmdGravarArquivo, CmdRestaurar, CmdImportar})
        w->setEnabled(true);
}

void FrmAdiantamentos::limpaExercicio()
{
    TxtOrgao->clear();
    TxtElaborador->clear();
    TxtResponsavel->clear();
    limpaEntrada();
    for (QPushButton* b : {CmdIncluir, CmdAlterar, CmdExcluir, CmdImprimir, CmdGravarArquivo})
        b->setEnabled(false);
}

void FrmAdiantamentos::limpaEntrada()
{
    TxtProcesso->clear();
    TxtNumeroNotaEmpenho->clear();
    CboElemEcon->setCurrentIndex(0);
    CboCPF->setEditText(QString());
    TxtNomeResponsavel->clear();
    TxtValor->setText(u"0,00"_s);
    TxtDataInicial->clear();
    TxtDataFinal->clear();
}

QString FrmAdiantamentos::nomeCredor() const
{
    return TxtNomeResponsavel->text();
}

// ---- waiting panel

void FrmAdiantamentos::aguarde(const QString& aviso)
{
    LabAviso->setText(aviso);
    Pnlaguarde->adjustSize();
    Pnlaguarde->resize(qMax(Pnlaguarde->width(), Frame2->width() / 2), Pnlaguarde->height());
    Pnlaguarde->move((Frame2->width() - Pnlaguarde->width()) / 2,
                     (Frame2->height() - Pnlaguarde->height()) / 2);
    Pnlaguarde->raise();
    Pnlaguarde->show();
    servicos_.atividade.processaEventos();
}

void FrmAdiantamentos::fimAguarde()
{
    Pnlaguarde->hide();
}

void FrmAdiantamentos::resizeEvent(QResizeEvent* evento)
{
    QMainWindow::resizeEvent(evento);
    if (Pnlaguarde->isVisible())
        Pnlaguarde->move((Frame2->width() - Pnlaguarde->width()) / 2,
                         (Frame2->height() - Pnlaguarde->height()) / 2);
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
    if (!CmdIncluir->isEnabled())
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
        if (!CmdOK->isHidden())
            CmdOK_Click();
        else
            CmdIncluir_Click();
        return true;
    case Qt::Key_Escape:
        if (!CmdSair->isHidden())
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
        {Qt::Key_F3, CmdAlterar, &FrmAdiantamentos::CmdAlterar_Click},
        {Qt::Key_F4, CmdExcluir, &FrmAdiantamentos::CmdExcluir_Click},
        {Qt::Key_F5, CmdImprimir, &FrmAdiantamentos::CmdImprimir_Click},
        // The preview goes with the print button: offered exactly when printing is.
        {(Qt::SHIFT | Qt::Key_F5).toCombined(), CmdImprimir, &FrmAdiantamentos::visualizaRelatorio},
        {Qt::Key_F6, CmdGravarArquivo, &FrmAdiantamentos::CmdGravarArquivo_Click},
        {Qt::Key_F7, CmdRestaurar, &FrmAdiantamentos::CmdRestaurar_Click},
        {Qt::Key_F8, CmdImportar, &FrmAdiantamentos::CmdImportar_Click},
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
    if (objeto == CboCPF) {
        if (evento->type() == QEvent::FocusIn) {
            PintaCampo(*CboCPF, CorFoco);
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

    if (objeto == CboElemEcon) {
        if (evento->type() == QEvent::FocusIn)
            PintaCampo(*CboElemEcon, CorFoco);
        else if (evento->type() == QEvent::FocusOut)
            PintaCampo(*CboElemEcon, CorNormal);
        else if (evento->type() == QEvent::KeyPress) {
            const int k = static_cast<QKeyEvent*>(evento)->key();
            if (k == Qt::Key_Return || k == Qt::Key_Enter) {
                MoveFoco(*CboElemEcon);
                return true;
            }
        }
        return false;
    }

    if (objeto == LvwAdiantamentos) {
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
                MoveFoco(*LvwAdiantamentos);
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
        MoveFoco(*CboCPF);
        engolir = true;
        return;
    }
    const QString texto = tecla.text();
    if (texto.isEmpty() || !texto[0].isPrint() ||
        (tecla.modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return;
    QLineEdit& edicao = *CboCPF->lineEdit();
    const int inicio = edicao.hasSelectedText() ? edicao.selectionStart() : edicao.cursorPosition();
    QStringList itens;
    for (int i = 0; i < CboCPF->count(); ++i)
        itens << CboCPF->itemText(i);
    const TeclaCPF efeito = CompletaCPF(itens, edicao.text(), inicio, texto[0]);
    if (efeito.efeito == TeclaCPF::Efeito::Deixa)
        return;
    engolir = true;
    if (efeito.efeito == TeclaCPF::Efeito::Engole)
        return;
    if (efeito.item >= 0)
        CboCPF->setCurrentIndex(efeito.item);
    CboCPF->setEditText(efeito.texto);
    edicao.setSelection(efeito.ancora, efeito.cursor - efeito.ancora);
}

void FrmAdiantamentos::CboCPF_LostFocus()
{
    PintaCampo(*CboCPF, CorNormal);
    const int linha = LinhaDoCredor(modelo_, CboCPF->currentText());
    if (linha < 0)
        return;
    TxtNomeResponsavel->setText(modelo_.linha(linha).nome);
    TxtValor->setFocus(Qt::TabFocusReason);
}

// ---- list

int FrmAdiantamentos::linhaSelecionada() const
{
    const QItemSelectionModel* selecao = LvwAdiantamentos->selectionModel();
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
    LvwAdiantamentos->selectionModel()->setCurrentIndex(
        indice, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    LvwAdiantamentos->scrollTo(indice);
}

void FrmAdiantamentos::habilitaComandosDeLinhas(bool habilitar)
{
    for (QPushButton* b : {CmdAlterar, CmdExcluir, CmdImprimir, CmdGravarArquivo})
        b->setEnabled(habilitar);
}

void FrmAdiantamentos::LvwAdiantamentos_Click()
{
    if (modelo_.linhas() == 0) {
        CboCPF->clear();
        limpaEntrada();
        habilitaComandosDeLinhas(false);
        return;
    }
    const int linha = linhaSelecionada();
    if (linha < 0)
        return;
    const Adiantamento& a = modelo_.linha(linha);
    TxtProcesso->setText(a.processo);
    TxtNumeroNotaEmpenho->setText(a.notaEmpenho);
    CboElemEcon->setCurrentIndex(a.elemento);
    CboCPF->setEditText(a.cpf);
    TxtNomeResponsavel->setText(a.nome);
    TxtValor->setText(FormataMoeda(a.valor));
    TxtDataInicial->setText(a.periodoInicial);
    TxtDataFinal->setText(a.periodoFinal);
    habilitaComandosDeLinhas(true);
    CmdRestaurar->setEnabled(true);
    CmdImportar->setEnabled(true);
}

void FrmAdiantamentos::LvwAdiantamentos_ColumnClick(int titulo)
{
    const int chave = ChaveDoTitulo(titulo);
    Qt::SortOrder ordem = Qt::AscendingOrder;
    if (modelo_.ordenado() && chave == modelo_.chaveOrdenacao())
        ordem = modelo_.ordem() == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    modelo_.ordena(chave, ordem);
    QHeaderView* titulos = LvwAdiantamentos->header();
    titulos->setSortIndicatorShown(true);
    titulos->setSortIndicator(titulo - 1, ordem);
    // The sorted column's title keeps its words whole beside the arrow.
    if (titulos->sectionResizeMode(titulo - 1) != QHeaderView::Stretch &&
        titulos->sectionSize(titulo - 1) < titulos->sectionSizeHint(titulo - 1))
        titulos->resizeSection(titulo - 1, titulos->sectionSizeHint(titulo - 1));
}

// ---- exercise start

bool FrmAdiantamentos::VerificaArquivo(ArquivoLido& arquivo)
{
    return ::VerificaArquivo(arquivo, TxtExercicio->text(), *this, servicos_.mensagens,
                             servicos_.atividade);
}

void FrmAdiantamentos::mostraProgresso(int minimo, int maximo, int valor)
{
    progresso(minimo, maximo, valor);
}

void FrmAdiantamentos::avancaProgresso(int valor)
{
    AvancaBarra(*ProgressBar1, valor, barraDesenhada_);
}

void FrmAdiantamentos::CmdCarrega_Click()
{
    if (bloqueado_)
        return;
    if (LeNumeroInicial(TxtExercicio->text()) < 2003) {
        servicos_.mensagens.bipe();
        servicos_.mensagens.mostra(u"Informe um Exercício a partir de 2003"_s, Icone::Parada);
        voltaAoExercicioAberto();
        return;
    }
    const QString caminho = CaminhoArquivoExercicio(TxtExercicio->text());
    if (QFileInfo::exists(caminho)) {
        const Ocupado ocupado(servicos_.atividade);
        // Read from disk once: the loading reads the very bytes the verification passed.
        ArquivoLido arquivo(caminho);
        aguarde(u"Validando arquivo, aguarde..."_s);
        if (!VerificaArquivo(arquivo)) {
            fimAguarde();
            voltaAoExercicioAberto();
            return;
        }
        aguarde(u"Carregando, aguarde..."_s);
        // A file that cannot be read leaves the open exercise as it was, as a refused one does.
        if (CarregaArquivo(arquivo, *this, servicos_.mensagens, servicos_.atividade,
                           AoFalhar::MantemJanela) == 0) {
            fimAguarde();
            servicos_.mensagens.mostra(u"Provavelmente as informações estão fora do layout "
                                       u"esperado, ou não é o arquivo correto. Verifique"_s,
                                       Icone::Parada);
            voltaAoExercicioAberto();
            return;
        }
        AbreExercicio(TxtExercicio->text());
        LvwAdiantamentos_Click();
    } else {
        AbreExercicio(TxtExercicio->text());
        TxtOrgao->clear();
        TxtElaborador->clear();
        TxtResponsavel->clear();
        modelo_.limpa();
        limpaEntrada();
        for (QWidget* w : std::initializer_list<QWidget*>{TxtOrgao, TxtElaborador, TxtResponsavel,
                                                          CmdIncluir, CmdRestaurar, CmdImportar})
            w->setEnabled(true);
        habilitaComandosDeLinhas(false);
        TxtOrgao->setFocus();
    }
    Module1::PendenteGravar.clear();
    fimAguarde();
}

void FrmAdiantamentos::voltaAoExercicioAberto()
{
    TxtExercicio->setText(ExercicioAberto());
    TxtExercicio->setFocus();
    SelecionaTexto(*TxtExercicio);
}

// ---- entry commands

void FrmAdiantamentos::mostraGrupoOcioso(bool ocioso)
{
    for (QPushButton* b : {CmdIncluir, CmdAlterar, CmdExcluir, CmdImprimir, CmdGravarArquivo,
                           CmdRestaurar, CmdImportar, CmdSair})
        b->setVisible(ocioso);
    CmdOK->setVisible(!ocioso);
    CmdVoltar->setVisible(!ocioso);
}

void FrmAdiantamentos::PreencheCPF()
{
    // Thousands of creditors: the list is filled again only when it is not already the one the
    // rows give, left as a new filling leaves it.
    const QStringList cpfs = CPFsDaLista(modelo_);
    bool iguais = CboCPF->count() == cpfs.size();
    for (int i = 0; iguais && i < cpfs.size(); ++i)
        iguais = CboCPF->itemText(i) == cpfs[i];
    if (iguais) {
        CboCPF->setCurrentIndex(cpfs.isEmpty() ? -1 : 0);
    } else {
        CboCPF->clear();
        CboCPF->addItems(cpfs);
    }
    CboCPF->setEditText(QString());
}

void FrmAdiantamentos::CmdIncluir_Click()
{
    TxtProcesso->clear();
    TxtNumeroNotaEmpenho->clear();
    TxtNomeResponsavel->clear();
    TxtValor->setText(u"0,00"_s);
    TxtDataInicial->clear();
    TxtDataFinal->clear();
    Frame2->setEnabled(false);
    Frame3->setEnabled(true);
    mostraGrupoOcioso(false);
    LvwAdiantamentos->setSelectionMode(QAbstractItemView::SingleSelection);
    const QString cpf = CboCPF->currentText();
    PreencheCPF();
    CboCPF->setEditText(cpf);
    TxtProcesso->setFocus();
    Module1::Operacao = u"I"_s;
}

void FrmAdiantamentos::CmdAlterar_Click()
{
    Frame2->setEnabled(false);
    Frame3->setEnabled(true);
    mostraGrupoOcioso(false);
    LvwAdiantamentos->setSelectionMode(QAbstractItemView::SingleSelection);
    const QString cpf = CboCPF->currentText();
    PreencheCPF();
    const int igual = CboCPF->findText(cpf, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (igual >= 0)
        CboCPF->setCurrentIndex(igual);
    TxtProcesso->setFocus();
    Module1::Operacao = u"A"_s;
}

void FrmAdiantamentos::CmdVoltar_Click()
{
    Frame1->setEnabled(true);
    Frame2->setEnabled(true);
    Frame3->setEnabled(false);
    Module1::Operacao.clear();
    mostraGrupoOcioso(true);
    LvwAdiantamentos->setSelectionMode(QAbstractItemView::ExtendedSelection);
    LvwAdiantamentos->setFocus();
    LvwAdiantamentos_Click();
}

CamposEntrada FrmAdiantamentos::camposDigitados() const
{
    CamposEntrada c;
    c.cabecalho = CabecalhoAberto(*this);
    c.processo = TxtProcesso->text();
    c.notaEmpenho = TxtNumeroNotaEmpenho->text();
    c.elemento = CboElemEcon->currentIndex();
    c.cpf = CboCPF->currentText();
    c.nome = TxtNomeResponsavel->text();
    c.valor = TxtValor->text();
    c.periodoInicial = TxtDataInicial->text();
    c.periodoFinal = TxtDataFinal->text();
    return c;
}

QWidget* FrmAdiantamentos::widgetDe(Campo campo) const
{
    switch (campo) {
    case Campo::TxtExercicio:
        return TxtExercicio;
    case Campo::TxtOrgao:
        return TxtOrgao;
    case Campo::TxtElaborador:
        return TxtElaborador;
    case Campo::TxtResponsavel:
        return TxtResponsavel;
    case Campo::TxtProcesso:
        return TxtProcesso;
    case Campo::TxtNumeroNotaEmpenho:
        return TxtNumeroNotaEmpenho;
    case Campo::CboElemEcon:
        return CboElemEcon;
    case Campo::CboCPF:
        return CboCPF;
    case Campo::TxtNomeResponsavel:
        return TxtNomeResponsavel;
    case Campo::TxtValor:
        return TxtValor;
    case Campo::TxtDataInicial:
        return TxtDataInicial;
    case Campo::TxtDataFinal:
        return TxtDataFinal;
    }
    return nullptr;
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
        if (campos.cpf != CboCPF->currentText())
            CboCPF->setEditText(campos.cpf);
        if (campos.valor != TxtValor->text())
            TxtValor->setText(campos.valor);
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
            TxtProcesso->clear();
            TxtNumeroNotaEmpenho->setText(ProximaNotaEmpenho(registro.notaEmpenho));
            TxtNomeResponsavel->clear();
            TxtValor->setText(u"0,00"_s);
            TxtDataInicial->clear();
            TxtDataFinal->clear();
            habilitaComandosDeLinhas(true);
            CmdRestaurar->setEnabled(true);
            CmdImportar->setEnabled(true);
            const QString cpf = CboCPF->currentText();
            PreencheCPF();
            CboCPF->setEditText(cpf);
            if (GravaArquivo(*this, servicos_.mensagens))
                TxtProcesso->setFocus();
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
        QItemSelectionModel& selecao = *LvwAdiantamentos->selectionModel();
        modelo_.removeLinhas(LinhasInteiras(selecao, modelo_.linhas(), modelo_.columnCount()));
        // Every selected row is gone, so none is selected, whichever way the list was redrawn.
        selecao.clearSelection();
    }
    if (modelo_.linhas() == 0) {
        // No file is the register of no rows: nothing is left to write on leaving.
        Module1::PendenteGravar.clear();
        // A data file left behind would bring the deleted advances back at the next start.
        ExcluiArquivoExercicio(servicos_.mensagens);
        TxtProcesso->clear();
        TxtNumeroNotaEmpenho->clear();
        TxtNomeResponsavel->clear();
        TxtDataInicial->clear();
        TxtDataFinal->clear();
        CboElemEcon->setCurrentIndex(0);
        TxtValor->setText(u"0,00"_s);
        habilitaComandosDeLinhas(false);
        CmdRestaurar->setEnabled(false);
        CmdImportar->setEnabled(false);
        return;
    }
    if (!GravaArquivo(*this, servicos_.mensagens))
        return;
    habilitaComandosDeLinhas(true);
    CmdRestaurar->setEnabled(true);
    CmdImportar->setEnabled(true);
    // The first row joins the selection and becomes the one the list reports as selected.
    LvwAdiantamentos->selectionModel()->setCurrentIndex(
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
        recusa = ChecaNomeCredor(TxtNomeResponsavel->text());
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
    const bool semRegistro = (TxtExercicio->text() + TxtOrgao->text()).trimmed().isEmpty() &&
                             modelo_.linhas() == 0 && !CmdAlterar->isEnabled();
    if (!CmdIncluir->isEnabled() || semRegistro) {
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
