// Helpers of the main-window tests: the environment that points the client at a
// running stand-in server, the login through the real login window (and the customer
// selection for sales representatives), and screenshots when DORVANTO_EKRAN_DIZINI
// names a folder.
#pragma once

#include "../login/modalbekle.h"

#include "anaform.h"
#include "girisform.h"
#include "seccari.h"
#include "testsunucusu.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace dorvanto::test {

inline void SunucuOrtami(const TestSunucusu &sunucu)
{
    qputenv("DORVANTO_ECHO_URL", (sunucu.adres() + QStringLiteral("/ip")).toUtf8());
    qputenv("DORVANTO_PUBLIC_HOST", "127.0.0.1");
    qputenv("DORVANTO_SERVER_PORT", QByteArray::number(sunucu.port()));
    qputenv("DORVANTO_WEB_BASE", (sunucu.adres() + QStringLiteral("/")).toUtf8());
}

// Writes the window's picture as <ad>.png into DORVANTO_EKRAN_DIZINI (when set).
inline bool EkranKaydet(QWidget *w, const char *ad)
{
    const QString dizin = qEnvironmentVariable("DORVANTO_EKRAN_DIZINI");
    if (dizin.isEmpty())
        return true;
    QDir().mkpath(dizin);
    return w->grab().save(dizin + QLatin1Char('/') + QLatin1String(ad) + QStringLiteral(".png"));
}

// Creates the main window and logs in as machine `id`, user `ad`, password 1234; with
// `cariSec` the customer selection is answered with its first customer. Null when the
// program ended during the login.
inline std::unique_ptr<TForm1> AnaFormuAc(const QString &id, const QString &ad, bool cariSec, QSize boyut = {1350, 652})
{
    ModalIsle<Tgirisform>([=](Tgirisform *g) {
        g->idsi = id;
        g->findChild<QLineEdit *>(QStringLiteral("adi"))->setText(ad);
        g->findChild<QLineEdit *>(QStringLiteral("sifre"))->setText(QStringLiteral("1234"));
        EkranKaydet(g, "giris");
        g->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
    });
    if (cariSec)
        ModalIsle<Tseccari>([](Tseccari *s) {
            s->TumCariler();
            QTest::qWait(50);
            EkranKaydet(s, "cari-secimi");
            s->findChild<QPushButton *>(QStringLiteral("secbtn"))->click();
        });
    auto f = std::make_unique<TForm1>();
    if (!f->FormCreate())
        return nullptr;
    f->resize(boyut);
    f->show();
    return f;
}

} // namespace dorvanto::test
