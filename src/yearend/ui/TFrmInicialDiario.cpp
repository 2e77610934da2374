#include "yearend/ui/TFrmInicialDiario.h"

#include "data/Interaction.h"
#include "reports/OpeningReports.h"
#include "reports/ui/ReportPreview.h"
#include "yearend/OpeningConference.h"
#include "yearend/ProblemFile.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <exception>

namespace {

// The two result marks: a green tick and a red cross.
QPixmap markPixmap(bool tick)
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(tick ? QColor(0x2e, 0xcc, 0x40) : QColor(0xe0, 0x30, 0x30), 3.2, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    if (tick) {
        p.drawPolyline(QPolygonF({QPointF(3, 11), QPointF(8, 16), QPointF(17, 4)}));
    } else {
        p.drawLine(QPointF(4, 4), QPointF(16, 16));
        p.drawLine(QPointF(16, 4), QPointF(4, 16));
    }
    return pixmap;
}

QString displayText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

} // namespace

TFrmInicialDiario::TFrmInicialDiario(Database &db, const QString &iniPath, Interaction &ui, QWidget *parent)
    : QWidget(parent), m_db(db), m_paths(iniPath), m_ui(ui)
{
    setObjectName(QStringLiteral("TFrmInicialDiario"));
    setWindowTitle(QStringLiteral("Lançamentos Iniciais Anual"));

    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("painel"));
    panel->setAutoFillBackground(true);
    QPalette dark = panel->palette();
    dark.setColor(QPalette::Window, QColor(0x1f, 0x3a, 0x68));
    dark.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(dark);
    auto *grid = new QGridLayout(panel);
    grid->setColumnStretch(0, 1);
    check1 = addStep(grid, 0, OpeningRun::Step::Patrimonial, "check1", "SITU1", "V1", "X1");
    Check2 = addStep(grid, 1, OpeningRun::Step::Financial, "Check2", "SITU2", "V2", "X2");
    Check3 = addStep(grid, 2, OpeningRun::Step::Budget, "Check3", "SITU3", "V3", "X3");
    Check5 = addStep(grid, 3, OpeningRun::Step::Repair, "Check5", "SITU5", "v5", "x5");
    Check4 = addStep(grid, 4, OpeningRun::Step::Conference, "Check4", "situ4", "v4", "x4");
    Check5->setChecked(true);
    Check4->setChecked(true);

    labeltermino = new QLabel(this);
    labeltermino->setObjectName(QStringLiteral("labeltermino"));
    QFont big = labeltermino->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 4);
    labeltermino->setFont(big);
    labeltermino->setStyleSheet(QStringLiteral("color: #1f3a68;"));
    labeltermino->setAlignment(Qt::AlignCenter);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Memo1->hide();

    btnok = new QPushButton(QStringLiteral("Lançar"), this);
    btnok->setObjectName(QStringLiteral("btnok"));
    btncancel = new QPushButton(QStringLiteral("Cancelar"), this);
    btncancel->setObjectName(QStringLiteral("btncancel"));
    btnimprime = new QPushButton(QStringLiteral("Imprimir ERROS"), this);
    btnimprime->setObjectName(QStringLiteral("btnimprime"));
    BitBtn1 = new QPushButton(QStringLiteral("Conferência Extra"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    btnimprime->hide();

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnimprime);
    buttons->addWidget(BitBtn1);
    buttons->addStretch(1);
    buttons->addWidget(btnok);
    buttons->addWidget(btncancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(labeltermino);
    layout->addWidget(Memo1, 1);
    layout->addStretch(0);
    layout->addLayout(buttons);

    connect(btnok, &QPushButton::clicked, this, &TFrmInicialDiario::btnokClick);
    connect(btncancel, &QPushButton::clicked, this, &QWidget::close);
    connect(btnimprime, &QPushButton::clicked, this, &TFrmInicialDiario::btnimprimeClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TFrmInicialDiario::BitBtn1Click);
}

TFrmInicialDiario::~TFrmInicialDiario() = default;

QCheckBox *TFrmInicialDiario::addStep(QGridLayout *grid, int row, OpeningRun::Step step, const char *checkName,
                                      const char *labelName, const char *tickName, const char *crossName)
{
    QWidget *panel = grid->parentWidget();
    auto *check = new QCheckBox(OpeningRun::caption(step), panel);
    check->setObjectName(QLatin1String(checkName));
    check->setStyleSheet(QStringLiteral("color: white;"));
    auto *label = new QLabel(panel);
    label->setObjectName(QLatin1String(labelName));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setStyleSheet(QStringLiteral("color: white;"));
    label->setMinimumWidth(40);
    auto *tick = new QLabel(panel);
    tick->setObjectName(QLatin1String(tickName));
    tick->setPixmap(markPixmap(true));
    tick->hide();
    auto *cross = new QLabel(panel);
    cross->setObjectName(QLatin1String(crossName));
    cross->setPixmap(markPixmap(false));
    cross->hide();
    grid->addWidget(check, row, 0);
    grid->addWidget(label, row, 1);
    grid->addWidget(tick, row, 2);
    grid->addWidget(cross, row, 3);
    m_marks.insert(step, {label, tick, cross});
    return check;
}

void TFrmInicialDiario::situacao(OpeningRun::Step step, bool ok)
{
    const StatusMark &mark = m_marks[step];
    mark.tick->setVisible(ok);
    mark.cross->setVisible(!ok);
    mark.label->setText(ok ? QStringLiteral("OK") : QStringLiteral("Erro"));
}

void TFrmInicialDiario::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    // After the window is on screen, so that the conference's message has it behind.
    QTimer::singleShot(0, this, &TFrmInicialDiario::FormShow);
}

QString TFrmInicialDiario::dataDirectory() const
{
    return m_paths.resolve(QStringLiteral("D"));
}

void TFrmInicialDiario::showProblemFile()
{
    const ProblemFile file(dataDirectory());
    const bool exists = file.exists();
    Memo1->setPlainText(exists ? file.read() : QString());
    Memo1->setVisible(exists);
    btnimprime->setVisible(exists);
}

void TFrmInicialDiario::showError(const std::exception &error)
{
    m_ui.message(OpeningRun::errorText(error), QString::fromUtf8(OpeningRun::ErrorCaption), Interaction::Icon::Error);
}

void TFrmInicialDiario::FormShow()
{
    try {
        OpeningConference conference(m_db, dataDirectory(), m_ui);
        situacao(OpeningRun::Step::Conference, !conference.conferencia());
        showProblemFile();
        const auto without = OpeningRun::groupsWithoutRows(m_db);
        check1->setChecked(without[0]);
        Check2->setChecked(without[1]);
        Check3->setChecked(without[2]);
    } catch (const std::exception &e) {
        showError(e);
    }
}

Interaction::Button TFrmInicialDiario::askKeepOrDelete(QWidget *parent, const QString &text, const QString &caption)
{
    QMessageBox box(QMessageBox::Question, caption, displayText(text), QMessageBox::NoButton, parent);
    QPushButton *remove = box.addButton(QStringLiteral("Apagar"), QMessageBox::YesRole);
    QPushButton *keep = box.addButton(QStringLiteral("Não Apagar"), QMessageBox::NoRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(remove);
    box.exec();
    if (box.clickedButton() == remove)
        return Interaction::Button::Yes;
    if (box.clickedButton() == keep)
        return Interaction::Button::No;
    return Interaction::Button::Cancel;
}

void TFrmInicialDiario::btnimprimeClick()
{
    // The memo's text as it stands is what prints.
    const QString problems = Memo1->toPlainText();
    ReportPreview::run(this, [problems] { return OpeningReports::errors(problems); });
}

void TFrmInicialDiario::BitBtn1Click()
{
    ReportPreview::run(this, [this] { return OpeningReports::extraConference(m_db); });
}

void TFrmInicialDiario::btnokClick()
{
    btnok->setEnabled(false);
    OpeningRun::Options options;
    options.patrimonial = check1->isChecked();
    options.financial = Check2->isChecked();
    options.budget = Check3->isChecked();
    options.repair = Check5->isChecked();
    options.conference = Check4->isChecked();

    m_run = std::make_unique<OpeningRun>(m_db, m_paths, m_ui);
    m_run->setThreeWayQuestion(
        [this](const QString &text, const QString &caption) { return askKeepOrDelete(this, text, caption); });
    try {
        const auto outcome = m_run->run(options, [this](OpeningRun::Step step, bool ok) {
            situacao(step, ok);
            repaint();
        });
        if (outcome == OpeningRun::Outcome::Declined)
            return;
    } catch (const std::exception &e) {
        showError(e);
        return;
    }
    if (options.conference)
        showProblemFile();
    labeltermino->setText(OpeningRun::doneMessage());
    btncancel->setText(QStringLiteral("Fechar"));
}
