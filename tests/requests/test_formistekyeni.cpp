// The request form of an unregistered computer in the embedded browser, against the
// stand-in server: the page of the computer ID is shown, and what the dealer sends
// through it reaches the distributor.
#include "formistekyeni.h"

#include "testsunucusu.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

using namespace dorvanto;
using dorvanto::test::TestSunucusu;

namespace {
// The result of a script run on the page, waited for.
QVariant Calistir(QWebEnginePage *sayfa, const QString &betik)
{
    QVariant sonuc;
    bool geldi = false;
    sayfa->runJavaScript(betik, [&](const QVariant &v) {
        sonuc = v;
        geldi = true;
    });
    if (!QTest::qWaitFor([&] { return geldi; }, 20000))
        return QStringLiteral("<zaman aşımı>");
    return sonuc;
}
} // namespace

class FormIstekYeniTesti : public QObject {
    Q_OBJECT
    std::unique_ptr<TestSunucusu> sunucu;

private slots:
    void initTestCase()
    {
        sunucu = std::make_unique<TestSunucusu>();
        QVERIFY2(sunucu->basladi(), qPrintable(sunucu->hata()));
        QVERIFY(Tformistekyeni::TarayiciVar());
    }

    void adres()
    {
        QCOMPARE(IstekFormuAdresi(QStringLiteral("http://h:9090/"), QStringLiteral("AB 12")),
                 QStringLiteral("http://h:9090/formmailgonder.aspx?carino=0&kullanici=&id=AB 12"));
    }

    void sayfaGosterilirVeIstekUlasir()
    {
        Tformistekyeni f;
        f.resize(780, 555);
        f.show();
        auto *tarayici = qobject_cast<QWebEngineView *>(f.sitem());
        QVERIFY(tarayici);
        QSignalSpy yuklendi(tarayici, &QWebEngineView::loadFinished);
        const QString id = QStringLiteral("KAYITSIZ-PC-01");
        f.Git(IstekFormuAdresi(sunucu->adres() + QLatin1Char('/'), id));
        QVERIFY(yuklendi.wait(30000));
        QCOMPARE(yuklendi.first().first().toBool(), true);
        QCOMPARE(tarayici->title(), QStringLiteral("Dorvanto Otomotiv B2B İstek Formu"));
        QWebEnginePage *sayfa = tarayici->page();
        QVERIFY(Calistir(sayfa, QStringLiteral("document.body.innerText")).toString().contains(id));

        // The dealer fills the form and sends it.
        yuklendi.clear();
        Calistir(sayfa, QStringLiteral("document.querySelector('[name=firmaadi]').value = 'Yıldız Oto Yedek Parça';"
                                       "document.querySelector('[name=telefon]').value = '0312 000 00 00';"
                                       "document.querySelector('form').submit(); true"));
        QVERIFY(yuklendi.wait(30000));
        QCOMPARE(tarayici->title(), QStringLiteral("İstek alındı"));
        // The distributor has it: one web request of this computer with what was typed.
        QProcess sqlite;
        sqlite.start(QStringLiteral("sqlite3"),
                     {sunucu->veritabani(), QStringLiteral("SELECT bilgisayarid, icerik FROM giden WHERE tur = 'webistek'")});
        QVERIFY(sqlite.waitForFinished(30000));
        const QString giden = QString::fromUtf8(sqlite.readAllStandardOutput()).trimmed();
        QCOMPARE(giden.count(QLatin1Char('\n')), 0);
        QVERIFY2(giden.startsWith(id + QLatin1Char('|')), qPrintable(giden));
        QVERIFY2(giden.contains(QStringLiteral("Yıldız Oto Yedek Parça")), qPrintable(giden));
        QVERIFY2(giden.contains(QStringLiteral("0312 000 00 00")), qPrintable(giden));
        f.close();
    }
};

QTEST_MAIN(FormIstekYeniTesti)
#include "test_formistekyeni.moc"
