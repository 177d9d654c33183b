#include "asyncresim.h"

#include "resimkurallari.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPainter>
#include <QTimer>

namespace dorvanto {

TAsyncResim::TAsyncResim(QWidget *owner) : QWidget(owner), m_istemci(new QNetworkAccessManager(this))
{
    setObjectName(QStringLiteral("AsyncResim1"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

TAsyncResim::~TAsyncResim()
{
    iptal = true;
    if (m_istek) {
        QNetworkReply *r = m_istek;
        m_istek = nullptr;
        r->disconnect(this);
        r->abort();
        r->deleteLater();
    }
}

void TAsyncResim::SetUrl(const QString &url)
{
    if (url == m_url)
        return;
    m_url = url;
    if (m_istek) {  // the previous address is no longer wanted
        QNetworkReply *eski = m_istek;
        m_istek = nullptr;
        eski->disconnect(this);
        eski->abort();
        eski->deleteLater();
    }
    if (url.isEmpty())
        return;
    QNetworkRequest istek{QUrl(url)};
    istek.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    istek.setTransferTimeout(30000);
    QNetworkReply *r = m_istemci->get(istek);
    ++m_istekSayisi;
    m_istek = r;
    connect(r, &QNetworkReply::downloadProgress, this, [this, r](qint64, qint64) {
        if (iptal)
            r->abort();
    });
    connect(r, &QNetworkReply::finished, this, [this, r] { Geldi(r); });
}

void TAsyncResim::Geldi(QNetworkReply *r)
{
    r->deleteLater();
    if (r != m_istek)
        return;
    m_istek = nullptr;
    const bool basarili = r->error() == QNetworkReply::NoError;
    const QByteArray icerik = basarili ? r->readAll() : QByteArray();
    const QString tur = QString::fromLatin1(r->rawHeader("Content-Type"));
    if (icerik.isEmpty()) {
        emit yuklemeBitti(false);
        return;
    }
    // The decoding is a step of its own on the GUI thread; a control destroyed before
    // it runs takes the step with it.
    QTimer::singleShot(0, this, [this, icerik, tur] { Coz(icerik, tur); });
}

void TAsyncResim::Coz(const QByteArray &icerik, const QString &icerikTuru)
{
    const QImage yeni = ResimCoz(icerik, ResimCozucuBul(icerikTuru));
    if (yeni.isNull()) {
        emit yuklemeBitti(false);
        return;
    }
    m_resim = yeni;
    update();
    emit yuklemeBitti(true);
}

void TAsyncResim::paintEvent(QPaintEvent *)
{
    if (m_resim.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QSize boy = m_resim.size();
    boy.scale(size(), Qt::KeepAspectRatio);
    const QRect hedef(QPoint((width() - boy.width()) / 2, (height() - boy.height()) / 2), boy);
    p.drawImage(hedef, m_resim);
}

} // namespace dorvanto
