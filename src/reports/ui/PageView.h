#pragma once

#include <QWidget>

class PageModel;

// One page of a laid-out book, painted when it is shown, at a zoom.
class PageView : public QWidget {
    Q_OBJECT
public:
    explicit PageView(const PageModel &model, QWidget *parent = nullptr);

    void setPage(int index);
    int page() const { return m_page; }
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double pxPerMm() const;

    const PageModel &m_model;
    int m_page = 0;
    double m_zoom = 0.8;
};
