#include "routine/ui/TFrmlancRotina.h"

#include "data/CommonRoutines.h"
#include "data/DbError.h"
#include "data/Interaction.h"
#include "routine/AllMonthsRun.h"
#include "routine/MonthlyRun.h"
#include "routine/ui/LancRotinaInteraction.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QVBoxLayout>

namespace {

const QColor panelColour(0, 128, 128);
const QString cancelar = QStringLiteral("Cancelar");
const QString fechar = QStringLiteral("Fechar");

// A tick in a green disc, a cross in a red one: readable on the panel's teal.
QPixmap resultMark(bool ok)
{
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(ok ? QColor(0, 150, 0) : QColor(200, 0, 0));
    p.drawEllipse(1, 1, 20, 20);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (ok) {
        const QPointF tick[] = {{6, 11.5}, {9.5, 15}, {16, 7}};
        p.drawPolyline(tick, 3);
    } else {
        p.drawLine(QPointF(7, 7), QPointF(15, 15));
        p.drawLine(QPointF(15, 7), QPointF(7, 15));
    }
    return pixmap;
}

QLabel *whiteLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

} // namespace

QString TFrmlancRotina::caption()
{
    return QStringLiteral("Lançamentos de Rotina...");
}

TFrmlancRotina::TFrmlancRotina(Database &db, Interaction &messages, QWidget *parent)
    : QWidget(parent), m_db(db), m_messages(messages)
{
    setObjectName(QStringLiteral("TFrmlancRotina"));
    setWindowTitle(caption());
    setAttribute(Qt::WA_DeleteOnClose);
    build();
    m_interaction = std::make_unique<LancRotinaInteraction>(
        messages,
        [this](int value, int maximum) {
            // A maximum of 0 would turn the bar into a busy indicator.
            progresso->setRange(0, std::max(maximum, 1));
            progresso->setValue(value);
            progresso->show();
        },
        [this] { return m_interrupted; });
    setFocusProxy(combomes);
}

TFrmlancRotina::~TFrmlancRotina() = default;

void TFrmlancRotina::build()
{
    auto *layout = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Mês:"), this));
    combomes = new QComboBox(this);
    combomes->setObjectName(QStringLiteral("combomes"));
    combomes->addItems(MonthlyRun::monthItems());
    combomes->setMaxVisibleItems(13);
    combomes->setCurrentIndex(-1);
    combomes->setMinimumWidth(160);
    top->addWidget(combomes);
    top->addSpacing(24);
    btnok = new QPushButton(QStringLiteral("Lançar"), this);
    btnok->setObjectName(QStringLiteral("btnok"));
    top->addWidget(btnok);
    btncancel = new QPushButton(cancelar, this);
    btncancel->setObjectName(QStringLiteral("btncancel"));
    top->addWidget(btncancel);
    top->addStretch();
    layout->addLayout(top);

    layout->addWidget(buildStatusPanel());

    labelesc = new QLabel(QStringLiteral("Pressione < ESC > ou clique \"Cancelar\" para interromper os lançamentos"), this);
    labelesc->setObjectName(QStringLiteral("labelesc"));
    QPalette hint = labelesc->palette();
    hint.setColor(QPalette::WindowText, QColor(0, 0, 128));
    labelesc->setPalette(hint);
    labelesc->hide();
    layout->addWidget(labelesc);

    progresso = new QProgressBar(this);
    progresso->setObjectName(QStringLiteral("progresso"));
    progresso->hide();
    layout->addWidget(progresso);
    layout->addStretch();

    connect(btnok, &QPushButton::clicked, this, &TFrmlancRotina::btnokClick);
    connect(btncancel, &QPushButton::clicked, this, &TFrmlancRotina::btncancelClick);
}

QWidget *TFrmlancRotina::buildStatusPanel()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("painel"));
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, panelColour);
    panel->setPalette(palette);

    auto *grid = new QGridLayout(panel);
    grid->setHorizontalSpacing(12);
    QFont captionFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    captionFont.setBold(true);
    QFont resultFont = font();
    resultFont.setBold(true);
    resultFont.setPixelSize(16);
    const QPixmap tick = resultMark(true), cross = resultMark(false);

    const auto &rows = MonthlyRun::statusRows();
    for (int i = 0; i < rows.size(); ++i) {
        const QString n = QString::number(i + 1);
        StatusRow row;
        row.legenda = whiteLabel(CommonRoutines::completa_direita(rows[i].caption + u' ', QStringLiteral("."), 60), panel);
        row.legenda->setObjectName(QStringLiteral("legenda") + n);
        row.legenda->setFont(captionFont);
        row.imgok = new QLabel(panel);
        row.imgok->setObjectName(QStringLiteral("imgok") + n);
        row.imgok->setPixmap(tick);
        row.imgerro = new QLabel(panel);
        row.imgerro->setObjectName(QStringLiteral("imgerro") + n);
        row.imgerro->setPixmap(cross);
        row.resultado = whiteLabel(QString(), panel);
        row.resultado->setObjectName(QStringLiteral("resultado") + n);
        row.resultado->setFont(resultFont);
        row.resultado->setMinimumWidth(60);
        grid->addWidget(row.legenda, i, 0);
        // One of the two marks at a time, in the same place; rows keep their height
        // while both are hidden.
        for (QLabel *mark : {row.imgok, row.imgerro}) {
            QSizePolicy policy = mark->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            mark->setSizePolicy(policy);
            grid->addWidget(mark, i, 1);
        }
        grid->addWidget(row.resultado, i, 2);
        m_rows << row;
    }
    grid->setColumnStretch(3, 1);
    limpa();
    return panel;
}

void TFrmlancRotina::limpa()
{
    for (const StatusRow &row : std::as_const(m_rows)) {
        row.imgok->hide();
        row.imgerro->hide();
        row.resultado->clear();
    }
}

void TFrmlancRotina::situacao(QLabel *imgok, QLabel *imgerro, bool result, QLabel *resultado)
{
    imgok->setVisible(result);
    imgerro->setVisible(!result);
    resultado->setText(result ? QStringLiteral("OK") : QStringLiteral("ERRO"));
}

void TFrmlancRotina::btnokClick()
{
    try {
        postChosenMonth();
    } catch (const DbError &e) {
        m_messages.message(e.driverText(), QStringLiteral("Erro na Base de Dados"), Interaction::Icon::Error);
    } catch (const std::exception &e) {
        m_messages.message(QString::fromUtf8(e.what()), QStringLiteral("Atenção"), Interaction::Icon::Error);
    }
    closeAfterRun();
}

void TFrmlancRotina::postChosenMonth()
{
    ++m_running;
    auto done = qScopeGuard([this] {
        --m_running;
        labelesc->hide();
    });
    const QString item = combomes->currentIndex() < 0 ? QString() : combomes->currentText();
    if (!item.isEmpty())
        btnok->setEnabled(false);

    MonthlyRun::Events events;
    events.starting = [this] { m_interrupted = false; };
    events.posting = [this] { labelesc->show(); };
    events.marked = [this](int i, bool ok) { situacao(m_rows[i].imgok, m_rows[i].imgerro, ok, m_rows[i].resultado); };
    events.postingDone = [this] {
        labelesc->hide();
        btncancel->setText(fechar);
    };
    MonthlyRun run(m_db, *m_interaction);
    switch (run.run(item, events, m_allMonths)) {
    case MonthlyRun::Outcome::NoMonth:
        combomes->showPopup();
        break;
    case MonthlyRun::Outcome::AllMonthsRequested:
        emit allMonthsRequested();
        m_closeRequested = true;
        break;
    case MonthlyRun::Outcome::Completed:
        // The next press of the cancel button closes the window.
        if (!m_allMonths)
            m_interrupted = true;
        break;
    default:
        break;
    }
}

int TFrmlancRotina::runAllMonths()
{
    int posted = 0;
    {
        ++m_running;
        auto done = qScopeGuard([this] { --m_running; });
        m_allMonths = true;
        AllMonthsRun loop(m_db, *m_interaction);
        posted = loop.run([this](int index) {
            combomes->setCurrentIndex(index);
            limpa();
            show();
            repaint();
            postChosenMonth();
        });
    }
    closeAfterRun();
    return posted;
}

void TFrmlancRotina::btncancelClick()
{
    if (m_interrupted) {
        close();
        return;
    }
    m_interrupted = true;
    btncancel->setText(fechar);
}

// A close asked for while a run is on its way (the second press of the cancel
// button, or the main window closing its child) waits for the run to return.
void TFrmlancRotina::closeAfterRun()
{
    if (m_closeRequested && m_running == 0)
        close();
}

void TFrmlancRotina::closeEvent(QCloseEvent *event)
{
    if (m_running > 0) {
        m_closeRequested = true;
        m_interrupted = true;
        event->ignore();
        return;
    }
    CommonRoutines::fecha_sessoes();
    event->accept();
}

void TFrmlancRotina::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        btncancel->click();
        return;
    }
    QWidget::keyPressEvent(event);
}
