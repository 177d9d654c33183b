// TAsyncResim: a picture control that loads its picture itself over plain HTTP. Setting
// a new non-empty Url starts an asynchronous GET; the answer is decoded on the GUI
// thread by the kind its "Content-Type" header names (png, bmp, jpeg/jpg only) and
// drawn stretched, keeping its proportions, centred. Destroying the control aborts a
// transfer in flight; an answer that arrives after it is gone is dropped.
#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <QNetworkReply>

class QNetworkAccessManager;

namespace dorvanto {

class TAsyncResim : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Url READ Url WRITE SetUrl)
public:
    explicit TAsyncResim(QWidget *owner = nullptr);
    ~TAsyncResim() override;

    QString Url() const { return m_url; }
    // A value different from the current one is stored and, when not empty, fetched.
    void SetUrl(const QString &url);

    const QImage &resim() const { return m_resim; }
    bool yukleniyor() const { return m_istek != nullptr; }
    int istekSayisi() const { return m_istekSayisi; }   // GETs issued so far

    QSize sizeHint() const override { return {200, 150}; }

signals:
    // After each answer has been looked at on the GUI thread: whether it became the picture.
    void yuklemeBitti(bool gosterildi);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    void Geldi(QNetworkReply *istek);
    void Coz(const QByteArray &icerik, const QString &icerikTuru);

    QString m_url;
    QImage m_resim;
    bool iptal = false;
    int m_istekSayisi = 0;
    QNetworkAccessManager *m_istemci;
    QPointer<QNetworkReply> m_istek;
};

} // namespace dorvanto
