// A marquee strip: scrolls the picture of a source label from right to left without
// end, like the ticker scrolls its text. The picture is read from the label on every
// paint, so a new picture shows at once.
#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <QLabel>

namespace dorvanto {

class KayanSerit : public QWidget {
    Q_OBJECT
public:
    explicit KayanSerit(QLabel *kaynak, QWidget *parent = nullptr);

    // Pixels per step and the step interval; the strip moves only while it is visible.
    void setAdim(int piksel, int ms);
    int konum() const { return m_konum; }
    QLabel *kaynak() const { return m_kaynak; }

protected:
    void paintEvent(QPaintEvent *) override;
    void showEvent(QShowEvent *) override;
    void hideEvent(QHideEvent *) override;

private:
    void Ilerle();

    QPointer<QLabel> m_kaynak;
    QTimer m_zamanlayici;
    int m_adim = 1;
    int m_konum = 0;
};

} // namespace dorvanto
