// Tab bar and page control that draw the tab caption convention (sekmebasligi.h):
// title centred with word wrap, the tab's image at the left, and the count as a red
// "(n)" badge in the top-right corner. Every page control of the program uses it.
#pragma once

#include <QTabBar>
#include <QTabWidget>

namespace dorvanto {

class RozetliSekmeCubugu : public QTabBar {
    Q_OBJECT
public:
    explicit RozetliSekmeCubugu(QWidget *parent = nullptr);
    // Fixed tab size (120 x 50 on the main window); an empty size sizes by the title.
    void SetSekmeBoyutu(const QSize &boyut) { m_boyut = boyut; updateGeometry(); }

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
    void paintEvent(QPaintEvent *e) override;

private:
    QSize m_boyut;
};

class RozetliSekmeler : public QTabWidget {
    Q_OBJECT
public:
    explicit RozetliSekmeler(QWidget *parent = nullptr);
    RozetliSekmeCubugu *Cubuk() const { return m_cubuk; }

private:
    RozetliSekmeCubugu *m_cubuk;
};

} // namespace dorvanto
