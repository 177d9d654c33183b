// TAsyncResim against the stand-in server's picture endpoint: JPEG and PNG shown, a
// content type with a parameter not shown, one GET for the same address twice, and a
// control destroyed during its download harmless.
#include "asyncresim.h"
#include "testsunucusu.h"

#include <QBuffer>
#include <QImageWriter>
#include <QSignalSpy>
#include <QtTest>

#include <sqlite3.h>

using namespace dorvanto;

namespace {
QByteArray resim(const char *bicim)
{
    QImage img(QSize(40, 20), QImage::Format_RGB32);
    img.fill(Qt::blue);
    QByteArray b;
    QBuffer buf(&b);
    buf.open(QIODevice::WriteOnly);
    QImageWriter(&buf, bicim).write(img);
    return b;
}
} // namespace

class TestAsyncResim : public QObject {
    Q_OBJECT
    std::unique_ptr<test::TestSunucusu> sunucu;

    QString adres(int stokno) const
    {
        return sunucu->adres() + "/resimgoster.ashx?id=" + QString::number(stokno);
    }
    bool resimEkle(int stokno, const QString &tur, const QByteArray &veri)
    {
        sqlite3 *db = nullptr;
        if (sqlite3_open(sunucu->veritabani().toUtf8().constData(), &db) != SQLITE_OK)
            return false;
        sqlite3_busy_timeout(db, 5000);
        sqlite3_stmt *k = nullptr;
        sqlite3_prepare_v2(db, "INSERT OR REPLACE INTO resim (stokno, tur, veri) VALUES (?, ?, ?)", -1, &k, nullptr);
        const QByteArray t = tur.toUtf8();
        sqlite3_bind_int(k, 1, stokno);
        sqlite3_bind_text(k, 2, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        sqlite3_bind_blob(k, 3, veri.constData(), int(veri.size()), SQLITE_TRANSIENT);
        const bool ok = sqlite3_step(k) == SQLITE_DONE;
        sqlite3_finalize(k);
        sqlite3_close(db);
        return ok;
    }

private slots:
    void initTestCase()
    {
        sunucu = std::make_unique<test::TestSunucusu>();
        QVERIFY2(sunucu->basladi(), qPrintable(sunucu->hata()));
        QVERIFY(resimEkle(900001, "image/png", resim("png")));
        QVERIFY(resimEkle(900002, "image/JPEG", resim("jpeg")));
        QVERIFY(resimEkle(900003, "image/jpeg; charset=binary", resim("jpeg")));
        QVERIFY(resimEkle(900004, "image/gif", resim("png")));
        QVERIFY(resimEkle(900005, "image/png", "not a picture"));
        QVERIFY(resimEkle(900006, "image/bmp", resim("bmp")));
    }

    void yukle_data()
    {
        QTest::addColumn<int>("stokno");
        QTest::addColumn<bool>("gosterilir");
        QTest::newRow("png") << 900001 << true;
        QTest::newRow("JPEG in capitals") << 900002 << true;
        QTest::newRow("bmp") << 900006 << true;
        QTest::newRow("type with a parameter") << 900003 << false;
        QTest::newRow("unlisted type") << 900004 << false;
        QTest::newRow("undecodable body") << 900005 << false;
        QTest::newRow("no picture (404)") << 999999 << false;
    }
    void yukle()
    {
        QFETCH(int, stokno);
        QFETCH(bool, gosterilir);
        TAsyncResim r;
        QSignalSpy bitti(&r, &TAsyncResim::yuklemeBitti);
        r.SetUrl(adres(stokno));
        QVERIFY(bitti.wait(10000));
        QCOMPARE(bitti.first().first().toBool(), gosterilir);
        QCOMPARE(!r.resim().isNull(), gosterilir);
        if (gosterilir)
            QCOMPARE(r.resim().size(), QSize(40, 20));
    }

    void ayniAdresBirKez()
    {
        TAsyncResim r;
        QSignalSpy bitti(&r, &TAsyncResim::yuklemeBitti);
        r.SetUrl(adres(900001));
        r.SetUrl(adres(900001));
        QCOMPARE(r.istekSayisi(), 1);
        QVERIFY(bitti.wait(10000));
        r.SetUrl(adres(900001));
        QCOMPARE(r.istekSayisi(), 1);
        QCOMPARE(bitti.size(), 1);
        r.SetUrl(adres(900002));   // a different address fetches again
        QCOMPARE(r.istekSayisi(), 2);
    }

    void indirmeSirasindaYokEdilir()
    {
        auto *r = new TAsyncResim;
        r->SetUrl(adres(900002));
        QVERIFY(r->yukleniyor());
        delete r;
        // Another control fetching the same picture finishes; the destroyed one left nothing behind.
        TAsyncResim ikinci;
        QSignalSpy bitti(&ikinci, &TAsyncResim::yuklemeBitti);
        ikinci.SetUrl(adres(900002));
        QVERIFY(bitti.wait(10000));
        QVERIFY(bitti.first().first().toBool());
    }
};

QTEST_MAIN(TestAsyncResim)
#include "test_asyncresim.moc"
