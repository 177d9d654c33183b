// Tgirisform, the login window "Giriş": finds the public address, picks the server
// endpoint, asks the server for the record of this computer ID (BuyukGetir) and
// checks version, registration, name, password and activity. It fills the main
// window's logged-in record in place; the modal result OK means logged in.
#pragma once

#include <QDialog>

#include <atomic>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace dorvanto {

class MesgulGostergesi;
class ServerConnection;
class TSonucBilgisi;

class Tgirisform : public QDialog {
    Q_OBJECT
public:
    Tgirisform(ServerConnection &bagim, TSonucBilgisi &bilgim, QWidget *owner = nullptr);
    ~Tgirisform() override;

    QString idsi;

    void Button1Click();   // "Giriş"
    void Button2Click();   // "Vazgeç": ends the program at once
    void Devamet(const QString &adres);

    // Tries of the public-address lookup so far (the lookup retries without limit).
    int AdresDenemeSayisi() const { return m_durum->deneme; }

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void FormCreate();
    void AyarOku();
    void AyarYaz();
    bool CariSecimiAc();
    void GuncellemeAc();
    void IstekFormuAc();
    bool adiKeyDown();
    bool sifreKeyDown();
    void HazirDurumaDon(bool adiOdakla);

    ServerConnection &bagim;
    TSonucBilgisi &Bilgim;

    // Shared with the worker threads of the attempt; outlives the window if a
    // lookup is still running when it closes.
    struct Durum {
        std::atomic<bool> vazgec{false};
        std::atomic<int> deneme{0};
    };
    std::shared_ptr<Durum> m_durum;
    bool SunucuGiris(const std::shared_ptr<Durum> &durum);

    QLineEdit *adi;
    QLineEdit *sifre;
    QCheckBox *hatirla;
    QPushButton *Button1;
    QPushButton *Button2;
    MesgulGostergesi *gif;
    QLabel *iletisim;
};

} // namespace dorvanto
