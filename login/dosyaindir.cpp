#include "dosyaindir.h"

#include "cikis.h"
#include "dislar.h"
#include "mesajgoster.h"

#include "dagitimdegerleri.h"
#include "yardimci.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProgressBar>
#include <QSaveFile>
#include <QTimer>
#include <QVBoxLayout>

namespace dorvanto {

QString IndirmeBilgisi(qint64 toplam, qint64 alinan, const QLocale &yerel)
{
    const double yuzde = double(alinan) / double(toplam) * 100.0;
    return QStringLiteral("Bilgi: %") + yerel.toString(yuzde, 'f', 2) + QStringLiteral("  İndirilen: ")
           + yerel.toString(double(alinan) / 1024 / 1024, 'f', 2) + QLatin1Char('/')
           + yerel.toString(double(toplam) / 1024 / 1024, 'f', 2) + QStringLiteral(" Mb");
}

Tdosyaindir::Tdosyaindir(QWidget *owner, int sunucuSurumu) : QDialog(owner)
{
    setObjectName(QStringLiteral("dosyaindir"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setWindowTitle(QStringLiteral("Dosya İndir"));
    setFixedSize(543, 309);
    setModal(true);

    auto *kok = new QVBoxLayout(this);
    kok->setContentsMargins(0, 0, 0, 0);
    sLabel1 = new QLabel(this);
    sLabel1->setObjectName(QStringLiteral("sLabel1"));
    sLabel1->setAlignment(Qt::AlignCenter);
    sLabel1->setWordWrap(true);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(27);
    sLabel1->setFont(f);
    sLabel1->setText(QStringLiteral("Dorvanto Otomotiv B2B Programının\nYeni versiyonu indirilecektir\nLütfen Bekleyiniz...!\nVersion: ")
                     + QString::number(sunucuSurumu) + QLatin1Char('-') + QString::number(dagitim::IstemciSurumu()));
    kok->addWidget(sLabel1, 1);

    auto *alt = new QWidget(this);
    alt->setObjectName(QStringLiteral("altpanel"));
    auto *altDuzen = new QVBoxLayout(alt);
    bilgi = new QLabel(alt);
    bilgi->setObjectName(QStringLiteral("bilgi"));
    QFont kalin = bilgi->font();
    kalin.setBold(true);
    bilgi->setFont(kalin);
    m_ilerleme = new QProgressBar(alt);
    m_ilerleme->setObjectName(QStringLiteral("ProgressBar1"));
    m_ilerleme->setRange(0, 0);
    m_ilerleme->setValue(0);
    m_ilerleme->setTextVisible(false);
    altDuzen->addWidget(bilgi);
    altDuzen->addWidget(m_ilerleme);
    kok->addWidget(alt);

    m_adres = dagitim::IndirmeSunucusu() + QStringLiteral("/exe/DorvantoSetup.exe");
    m_basladi = false;
}

QString Tdosyaindir::KurulumDosyasi()
{
    const QString klasor = YerelVeriKlasoru();
    QDir().mkpath(klasor);
    return klasor + QStringLiteral("/DorvantoSetup.exe");
}

void Tdosyaindir::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    // The download starts once the window is on the screen.
    QTimer::singleShot(0, this, &Tdosyaindir::FormActivate);
}

void Tdosyaindir::FormActivate()
{
    if (m_basladi)
        return;
    m_basladi = true;
    Indir();
}

void Tdosyaindir::NetHTTPClient1ReceiveData(qint64 toplam, qint64 alinan)
{
    if (toplam <= 0)
        return;
    bilgi->setText(IndirmeBilgisi(toplam, alinan, QLocale()));
    // the bar counts in KiB so that large installers fit its int range
    m_ilerleme->setRange(0, int(toplam / 1024) + 1);
    m_ilerleme->setValue(int(alinan / 1024));
}

void Tdosyaindir::NetHTTPClient1RequestError(const QString &hata)
{
    StandartMesaj(QStringLiteral("Hata Oluştu !\nHata: ") + hata, QMessageBox::Critical, this);
    ProgramiBitir();
    reject();
}

void Tdosyaindir::Indir()
{
    const QString dosya = KurulumDosyasi();
    if (QFile::exists(dosya))
        QFile::remove(dosya);

    QNetworkAccessManager nam;
    nam.setCookieJar(nullptr);
    QNetworkRequest istek{QUrl(m_adres)};
    istek.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    istek.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    istek.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    istek.setTransferTimeout(60000);
    istek.setRawHeader("Accept", "text/html,application/xhtml+xml,application/xml;q=0.9,image/webp,image/apng,*/*;q=0.8");
    // "Accept-Encoding: gzip, deflate" is sent by the network layer itself, which then
    // also unpacks a compressed answer.
    istek.setRawHeader("Accept-Language", "en-US,tr-TR;q=0.8,tr;q=0.6,en;q=0.4");
    istek.setRawHeader("User-Agent", "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
                                     "Chrome/60.0.3112.32 Safari/537.36");
    QNetworkReply *cevap = nam.get(istek);
    QByteArray veri;
    QEventLoop dongu;
    connect(cevap, &QNetworkReply::downloadProgress, this, &Tdosyaindir::NetHTTPClient1ReceiveData);
    connect(cevap, &QNetworkReply::readyRead, &dongu, [&] { veri += cevap->readAll(); });
    connect(cevap, &QNetworkReply::finished, &dongu, &QEventLoop::quit);
    if (!cevap->isFinished())
        dongu.exec();
    veri += cevap->readAll();

    const int durum = cevap->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const qint64 boy = cevap->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    QString hata;
    if (cevap->error() != QNetworkReply::NoError)
        hata = cevap->errorString();
    else if (durum < 200 || durum >= 300)
        hata = QStringLiteral("Sunucu %1 yanıtı verdi.").arg(durum);
    else if (boy > 0 && veri.size() != boy && !cevap->rawHeader("Content-Encoding").size())
        hata = QStringLiteral("Dosya eksik indirildi (%1 / %2 bayt).").arg(veri.size()).arg(boy);
    else if (veri.isEmpty())
        hata = QStringLiteral("İndirilen dosya boş.");
    delete cevap;
    // An error page or a cut-off file is never saved and started as the installer.
    if (!hata.isEmpty()) {
        NetHTTPClient1RequestError(hata);
        return;
    }

    QSaveFile f(dosya);
    if (!f.open(QIODevice::WriteOnly) || f.write(veri) != veri.size() || !f.commit()) {
        NetHTTPClient1RequestError(f.errorString());
        return;
    }
    QFile::setPermissions(dosya, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QString baslatmaHatasi;
    if (!ProgramBaslat(dosya, {QStringLiteral("/silent")}, &baslatmaHatasi)) {
        NetHTTPClient1RequestError(baslatmaHatasi.isEmpty() ? QStringLiteral("Kurulum başlatılamadı.") : baslatmaHatasi);
        return;
    }
    ProgramiBitir();
    accept();
}

} // namespace dorvanto
