// Tdosyaindir, the self-update window: downloads the current installer, saves it in
// the local application-data folder, starts it with "/silent" and ends the program.
// It has no button: every outcome ends the process.
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

namespace dorvanto {

class ServerConnection;

class Tdosyaindir : public QDialog {
    Q_OBJECT
public:
    // Yeni: the window for the server's version number.
    Tdosyaindir(QWidget *owner, int sunucuSurumu);

    ServerConnection *bag = nullptr;   // handed over by the login, not used
    bool basladi() const { return m_basladi; }
    QString Adres() const { return m_adres; }
    static QString KurulumDosyasi();   // YerelVeriKlasoru() + "/DorvantoSetup.exe"

    // Progress report: total length and bytes received so far.
    void NetHTTPClient1ReceiveData(qint64 toplam, qint64 alinan);
    // Failure report: shows the error and ends the program.
    void NetHTTPClient1RequestError(const QString &hata);

protected:
    void showEvent(QShowEvent *e) override;
    void FormActivate();

private:
    void Indir();

    bool m_basladi = false;
    QString m_adres;
    QLabel *sLabel1;
    QLabel *bilgi;
    QProgressBar *m_ilerleme;
};

// "Bilgi: %50,00  İndirilen: 1,00/2,00 Mb" in the user's locale.
QString IndirmeBilgisi(qint64 toplam, qint64 alinan, const QLocale &yerel);

} // namespace dorvanto
