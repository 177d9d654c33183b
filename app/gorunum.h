// The program's look: Fusion with a blue palette of our own (standing in for the
// original visual style), and the pictures of the build (logo, tab and button
// images, the login's background), drawn at run time so no binary asset is needed.
#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QWidget>

class QApplication;
class QLineEdit;
class QTimer;

namespace dorvanto {

void GorunumUygula(QApplication &app);

// The distributor's logo in the given size.
QPixmap LogoResmi(const QSize &boyut);
// Background picture of the login window.
QPixmap GirisArkaPlani(const QSize &boyut);

// Simple drawn images. `ad`: "ara", "temizle", "menu", "stok", "sepet", "onceki",
// "ekstre", "yeni", "kampanya", "duyuru", "bakiye", "pos", "liste", "alindi",
// "onay", "goruldu", "eksik", "hazir", "sevk", "musteri".
QIcon Simge(const QString &ad, const QColor &renk = QColor(30, 90, 170));

// Makes an edit turn typed text into upper case, keeping the cursor where it was.
void BuyukHarfZorla(QLineEdit *e);

// A small busy animation (the spinning GIFs of the original screens).
class MesgulGostergesi : public QWidget {
    Q_OBJECT
public:
    explicit MesgulGostergesi(QWidget *parent = nullptr);
    void Baslat();
    void Durdur();
    bool Calisiyor() const;
    QSize sizeHint() const override { return {22, 22}; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QTimer *m_zaman;
    int m_adim = 0;
};

} // namespace dorvanto
