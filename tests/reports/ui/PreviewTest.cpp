#include "../JournalFixture.h"
#include "TestDatabase.h"
#include "reports/JournalBook.h"
#include "reports/LedgerBook.h"
#include "reports/OpeningReports.h"
#include "reports/ui/PageView.h"
#include "reports/ui/ReportPreview.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

int nonWhitePixels(const QImage &image, QRect area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); y += 2)
        for (int x = area.left(); x <= area.right(); x += 2)
            n += qGray(image.pixel(x, y)) < 128;
    return n;
}

} // namespace

class PreviewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        db = TestDatabase::fresh();
        JournalFixture::fill(*db);
    }

    void showsTheFirstPageBeforeTheBookIsLaidOut()
    {
        auto report = LedgerBook::make(*db, LedgerRequest(), LinkLines::consolidated());
        ReportPreview preview(std::move(report));
        QVERIFY(!preview.report().isComplete());
        QCOMPARE(preview.report().pages().pageCount(), 2); // the first page, and the next one begun
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        QVERIFY(preview.windowState() & Qt::WindowMaximized);
        QCOMPARE(preview.findChild<QComboBox *>(QStringLiteral("cbZoom"))->currentText(), QStringLiteral("80 %"));
        QCOMPARE(preview.findChild<PageView *>()->zoom(), 0.8);
        QTRY_VERIFY(preview.report().isComplete());
        QCOMPARE(preview.findChild<QLabel *>(QStringLiteral("lbPagina"))->text(), QStringLiteral("Página 1 de 7"));
        preview.showPage(99);
        QCOMPARE(preview.currentPage(), 6);
        QTest::keyClick(&preview, Qt::Key_Home);
        QCOMPARE(preview.currentPage(), 0);
        QTest::keyClick(&preview, Qt::Key_PageDown);
        QCOMPARE(preview.currentPage(), 1);
    }

    void paintsThePageShown()
    {
        auto report = JournalBook::make(*db, JournalRequest(), LinkLines::consolidated());
        ReportPreview preview(std::move(report));
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        auto *view = preview.findChild<PageView *>();
        const QImage page = view->grab().toImage();
        // The header band (entity, title, captions) is printed in its upper part.
        QVERIFY(nonWhitePixels(page, QRect(20, 20, page.width() - 40, page.height() / 5)) > 200);
        const QString dir = qEnvironmentVariable("DIARIO_SHOTS");
        if (!dir.isEmpty())
            preview.grab().save(dir + QStringLiteral("/ReportPreview.png"));
    }

    void savesEveryPageToPdf()
    {
        auto report = LedgerBook::make(*db, LedgerRequest(), LinkLines::consolidated());
        ReportPreview preview(std::move(report));
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("razao.pdf"));
        QVERIFY(preview.savePdf(file));
        QFile pdf(file);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 7);
        QVERIFY(!preview.savePdf(dir.filePath(QStringLiteral("missing/dir/x.pdf"))));
    }

    void printsTheOpeningProblems()
    {
        const QString problems = QStringLiteral("\r\n----------------------PROBLEMA---------------------------\r\n"
                                                "CÓDIGO PATRIMONIAL DAS SEGUINTES FICHAS EXTRAS DA DESPESA\r\n"
                                                "               NÃO FORAM ENCONTRADOS\r\n"
                                                "---------------------------------------------------------\r\n"
                                                "FICHA:45 - 02.01 SECRETARIA DE EDUCAÇÃO\r\n");
        ReportPreview preview(OpeningReports::errors(problems));
        QTemporaryDir tmp;
        const QString dir = qEnvironmentVariable("DIARIO_SHOTS", tmp.path());
        QVERIFY(preview.savePdf(dir + QStringLiteral("/erros.pdf")));
        ReportPreview conference(OpeningReports::extraConference(*db));
        QVERIFY(conference.savePdf(dir + QStringLiteral("/conferencia.pdf")));
        QCOMPARE(conference.report().pages().pageCount(), 2);
    }

private:
    std::unique_ptr<Database> db;
};

QTEST_MAIN(PreviewTest)
#include "PreviewTest.moc"
