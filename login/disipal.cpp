#include "disipal.h"

#include "dagitimdegerleri.h"
#include "makinekimligi.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QThread>
#include <QTimer>
#include <QUrl>

namespace dorvanto {

namespace {
constexpr int BaglanmaSuresiMs = 15000;
constexpr int OkumaSuresiMs = 1500;
constexpr int TekrarBeklemesiMs = 1000;

bool Vazgecildi(const std::atomic<bool> *v) { return v && v->load(); }

// Waits `ms` on the worker thread, checking the cancel flag every 50 ms.
void Bekle(int ms, const std::atomic<bool> *vazgec)
{
    for (int gecen = 0; gecen < ms; gecen += 50) {
        if (Vazgecildi(vazgec))
            return;
        QThread::msleep(50);
    }
}
} // namespace

bool IpYankisiSor(const QString &adres, QString &cevap, QString *hata, const std::atomic<bool> *vazgec)
{
    QNetworkAccessManager nam;
    QNetworkRequest istek{QUrl(adres)};
    istek.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    istek.setTransferTimeout(0);
    QNetworkReply *cevapNesnesi = nam.get(istek);

    QEventLoop dongu;
    QTimer sure;
    sure.setSingleShot(true);
    bool zamanAsimi = false;
    QObject::connect(&sure, &QTimer::timeout, &dongu, [&] {
        zamanAsimi = true;
        cevapNesnesi->abort();
    });
    // Connect time-out until the request is out, then the read time-out, restarted
    // whenever data arrives.
    sure.start(BaglanmaSuresiMs);
    QObject::connect(cevapNesnesi, &QNetworkReply::requestSent, &dongu, [&] { sure.start(OkumaSuresiMs); });
    QObject::connect(cevapNesnesi, &QNetworkReply::readyRead, &dongu, [&] { sure.start(OkumaSuresiMs); });
    QTimer yokla;
    QObject::connect(&yokla, &QTimer::timeout, &dongu, [&] {
        if (Vazgecildi(vazgec))
            cevapNesnesi->abort();
    });
    yokla.start(50);
    QObject::connect(cevapNesnesi, &QNetworkReply::finished, &dongu, &QEventLoop::quit);
    if (!cevapNesnesi->isFinished())
        dongu.exec();

    const int durum = cevapNesnesi->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool tamam = cevapNesnesi->error() == QNetworkReply::NoError && durum >= 200 && durum < 300;
    if (tamam)
        cevap = Kirp(QString::fromUtf8(cevapNesnesi->readAll()));
    else if (hata)
        *hata = zamanAsimi ? QStringLiteral("zaman aşımı") : cevapNesnesi->errorString();
    delete cevapNesnesi;
    return tamam;
}

QString DisIpAl(const QString &yankiAdresi, const std::atomic<bool> *vazgec, std::atomic<int> *deneme)
{
    for (;;) {
        if (Vazgecildi(vazgec))
            return QString();
        if (deneme)
            ++*deneme;
        QString cevap;
        if (IpYankisiSor(yankiAdresi, cevap, nullptr, vazgec))
            return cevap;
        if (Vazgecildi(vazgec))
            return QString();
        Bekle(TekrarBeklemesiMs, vazgec);
    }
}

QString DisIpAl(const std::atomic<bool> *vazgec, std::atomic<int> *deneme)
{
    return DisIpAl(dagitim::IpYankiAdresi(), vazgec, deneme);
}

namespace {
UcNokta UcNoktaKur(bool ofis)
{
    UcNokta u;
    u.ofis = ofis;
    u.sunucu = ofis ? dagitim::YerelSunucuAdresi() : dagitim::GenelSunucuAdresi();
    // The image endpoint is served by the web host: the same port as its base address.
    const QUrl web(ofis ? dagitim::YerelWebTabani() : dagitim::WebTabani());
    const int port = web.port(80);
    u.resimTabani = QStringLiteral("http://") + u.sunucu + (port == 80 ? QString() : QStringLiteral(":%1").arg(port))
                    + QStringLiteral("/resimgoster.ashx?id=");
    u.webTabani = dagitim::WebTabani();
    return u;
}
} // namespace

UcNokta GenelUcNokta() { return UcNoktaKur(false); }

UcNokta UcNoktaSec(const QString &disIp) { return UcNoktaKur(disIp == dagitim::OfisDisIpAdresi()); }

} // namespace dorvanto
