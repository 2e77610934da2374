#pragma once

#include <QDialog>
#include <functional>
#include <memory>

class PageView;
class QComboBox;
class QLabel;
class QScrollArea;
class QTimer;
class QToolButton;
class Report;

// The preview of a book: maximised at 80 %, the first page shown at once while
// the rest is laid out in the background, each page painted when it is shown.
// From here the user prints or saves a PDF.
class ReportPreview : public QDialog {
    Q_OBJECT
public:
    explicit ReportPreview(std::unique_ptr<Report> report, QWidget *parent = nullptr);
    ~ReportPreview() override;

    // Builds the book and shows its preview modally. A typed value that cannot be
    // used or a refused query is reported in a message box and nothing is shown.
    static void run(QWidget *parent, const std::function<std::unique_ptr<Report>()> &build);

    const Report &report() const { return *m_report; }
    int currentPage() const;
    void showPage(int index);
    // Lays out the rest of the book now (printing and saving need every page).
    void finishLayout();
    bool savePdf(const QString &fileName);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void layoutMore();
    void updateStatus();
    void print();
    void saveAs();

    std::unique_ptr<Report> m_report;
    PageView *m_view;
    QScrollArea *m_scroll;
    QLabel *m_status;
    QComboBox *m_zoom;
    QTimer *m_timer;
};
