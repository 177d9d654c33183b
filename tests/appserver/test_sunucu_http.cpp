// The stand-in server over plain HTTP: login record, bad requests, the web
// endpoints and the test control (call log, reset, faults).
#include "testsunucusu.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <QtTest>

using dorvanto::test::TestSunucusu;

namespace {
QJsonObject govdeNesnesi(const TestSunucusu::Cevap &c) { return QJsonDocument::fromJson(c.govde).object(); }
QJsonValue sonuc(const TestSunucusu::Cevap &c, int i = 0)
{
    return govdeNesnesi(c).value(QStringLiteral("result")).toArray().at(i);
}
} // namespace

class TestSunucuHttp : public QObject {
    Q_OBJECT
    std::unique_ptr<TestSunucusu> s;

private slots:
    void initTestCase()
    {
        s = std::make_unique<TestSunucusu>();
        QVERIFY2(s->basladi(), qPrintable(s->hata()));
    }
    void init() { QVERIFY(s->reset()); }

    void bilinenMakine()
    {
        const auto c = s->cagir(QStringLiteral("BuyukGetir"), {QStringLiteral("DEMO-BAYI")});
        QCOMPARE(c.durum, 200);
        const QJsonObject o = sonuc(c).toObject();
        QCOMPARE(o.value(QStringLiteral("type")).toString(), QStringLiteral("baglantiu.TSonucBilgisi"));
        const QJsonObject f = o.value(QStringLiteral("fields")).toObject();
        QCOMPARE(f.value(QStringLiteral("FVarmi")).toBool(), true);
        QCOMPARE(f.value(QStringLiteral("FADI")).toString(), QStringLiteral("BAYI"));
        QCOMPARE(f.value(QStringLiteral("FSIFRE")).toString(), QStringLiteral("1234"));
        QCOMPARE(f.value(QStringLiteral("FMusteriTipi")).toInt(), 3);
        QCOMPARE(f.value(QStringLiteral("FVersion")).toInt(), 4);
        QCOMPARE(f.value(QStringLiteral("FAKTIF")).toInt(), 1);
        QCOMPARE(f.value(QStringLiteral("FCARINO")).toInt(), 1001);
        QVERIFY(!f.value(QStringLiteral("FCariAdi")).toString().isEmpty());
        // the fields travel in declaration order
        const QByteArray g = c.govde;
        QVERIFY(g.indexOf("\"FBILGISAYARID\"") < g.indexOf("\"FSaticiMail\""));
        QVERIFY(g.indexOf("\"FMusteriTipi\"") < g.indexOf("\"FVersion\""));
    }

    void bilinmeyenMakine()
    {
        const auto c = s->cagir(QStringLiteral("BuyukGetir"), {QStringLiteral("YOK-BOYLE-BIR-MAKINE")});
        QCOMPARE(c.durum, 200);
        const QJsonObject f = sonuc(c).toObject().value(QStringLiteral("fields")).toObject();
        QCOMPARE(f.value(QStringLiteral("FVarmi")).toBool(), false);
        // version 4 so that the login goes on to the request form, not to the self-update
        QCOMPARE(f.value(QStringLiteral("FVersion")).toInt(), 4);
    }

    void kayitCalisirkenYapilir()
    {
        QVERIFY(s->registerMachine(QStringLiteral("TEST-MAKINE-1"), QStringLiteral("YENI"), QStringLiteral("GIZLI"), 4));
        auto f = sonuc(s->cagir(QStringLiteral("BuyukGetir"), {QStringLiteral("TEST-MAKINE-1")}))
                     .toObject().value(QStringLiteral("fields")).toObject();
        QCOMPARE(f.value(QStringLiteral("FVarmi")).toBool(), true);
        QCOMPARE(f.value(QStringLiteral("FADI")).toString(), QStringLiteral("YENI"));
        QCOMPARE(f.value(QStringLiteral("FMusteriTipi")).toInt(), 4);
        const int kendiCarisi = f.value(QStringLiteral("FCARINO")).toInt();
        QVERIFY(kendiCarisi > 1060);  // a dealer of its own
        // registering again replaces the record
        QVERIFY(s->registerMachine(QStringLiteral("TEST-MAKINE-1"), QStringLiteral("YENI2"), QStringLiteral("X"), 1, 1003, 5));
        f = sonuc(s->cagir(QStringLiteral("BuyukGetir"), {QStringLiteral("TEST-MAKINE-1")}))
                .toObject().value(QStringLiteral("fields")).toObject();
        QCOMPARE(f.value(QStringLiteral("FADI")).toString(), QStringLiteral("YENI2"));
        QCOMPARE(f.value(QStringLiteral("FMusteriTipi")).toInt(), 1);
        QCOMPARE(f.value(QStringLiteral("FCARINO")).toInt(), 1003);
        QCOMPARE(f.value(QStringLiteral("FVersion")).toInt(), 5);
        // an unknown customer is refused
        QVERIFY(!s->registerMachine(QStringLiteral("TEST-MAKINE-2"), QStringLiteral("A"), QStringLiteral("B"), 3, 999999));
        QVERIFY(!s->registerMachine(QStringLiteral("TEST-MAKINE-2"), QStringLiteral("A"), QStringLiteral("B"), 7));
    }

    void hataliIstekler_data()
    {
        QTest::addColumn<QByteArray>("yol");
        QTest::addColumn<QByteArray>("govde");
        QTest::addColumn<int>("durum");
        QTest::addColumn<QString>("mesajParcasi");
        const QByteArray y = "/datasnap/rest/TServerMethods1/";
        QTest::newRow("bilinmeyen yöntem") << y + "YokBoyle" << QByteArray("{\"_parameters\":[]}") << 404 << "YokBoyle";
        QTest::newRow("eksik parametre") << y + "SepetVer2" << QByteArray("{\"_parameters\":[]}") << 400 << "1 parametre";
        QTest::newRow("fazla parametre") << y + "SepetVer2" << QByteArray("{\"_parameters\":[1,2]}") << 400 << "2 parametre";
        QTest::newRow("metin yerine sayı") << y + "BuyukGetir" << QByteArray("{\"_parameters\":[5]}") << 400 << "idsi";
        QTest::newRow("sayı yerine metin") << y + "SepetVer2" << QByteArray("{\"_parameters\":[\"1001\"]}") << 400 << "carino";
        QTest::newRow("kesirli tamsayı") << y + "SepetVer2" << QByteArray("{\"_parameters\":[1001.5]}") << 400 << "tamsayı";
        QTest::newRow("taşan tamsayı") << y + "SepetVer2" << QByteArray("{\"_parameters\":[99999999999]}") << 400 << "tamsayı";
        QTest::newRow("nesne yerine metin") << y + "SepetHepsiniSil" << QByteArray("{\"_parameters\":[\"x\"]}") << 400 << "TSonucBilgisi";
        QTest::newRow("yanlış nesne türü")
            << y + "SepetHepsiniSil"
            << QByteArray("{\"_parameters\":[{\"type\":\"baglantiu.TTusSonuclari\",\"id\":1,\"fields\":{}}]}") << 400
            << "TSonucBilgisi";
        QTest::newRow("alan türü yanlış")
            << y + "SepetHepsiniSil"
            << QByteArray("{\"_parameters\":[{\"type\":\"baglantiu.TSonucBilgisi\",\"id\":1,\"fields\":{\"FCARINO\":\"1001\"}}]}")
            << 400 << "FCARINO";
        QTest::newRow("JSON değil") << y + "SepetVer2" << QByteArray("SELECT * FROM sepet") << 400 << "JSON";
        QTest::newRow("parametre dizisi yok") << y + "SepetVer2" << QByteArray("{\"params\":[1001]}") << 400 << "_parameters";
        QTest::newRow("dizi gövde") << y + "SepetVer2" << QByteArray("[1001]") << 400 << "JSON";
        QTest::newRow("seçim 0/1 değil") << y + "SepetSecimGuncelle" << QByteArray("{\"_parameters\":[1,7]}") << 400 << "secim";
    }
    void hataliIstekler()
    {
        QFETCH(QByteArray, yol);
        QFETCH(QByteArray, govde);
        QFETCH(int, durum);
        QFETCH(QString, mesajParcasi);
        const auto c = s->istek("POST", yol, govde);
        QCOMPARE(c.durum, durum);
        QVERIFY(c.icerikTuru.startsWith("application/json"));
        const QString m = govdeNesnesi(c).value(QStringLiteral("error")).toString();
        QVERIFY2(m.contains(mesajParcasi), qPrintable(m));
        // the server keeps serving
        QCOMPARE(s->cagir(QStringLiteral("TeslimVer"), {}).durum, 200);
    }

    void cokBuyukGovde()
    {
        QByteArray g = "{\"_parameters\":[\"" + QByteArray(9 * 1024 * 1024, 'A') + "\"]}";
        const auto c = s->istek("POST", "/datasnap/rest/TServerMethods1/BuyukGetir", g);
        QCOMPARE(c.durum, 413);
        QVERIFY(govdeNesnesi(c).value(QStringLiteral("error")).toString().contains(QStringLiteral("büyük")));
        QCOMPARE(s->cagir(QStringLiteral("TeslimVer"), {}).durum, 200);
    }

    void sqlMetniVeriyiBozmaz()
    {
        const auto once = s->cagir(QStringLiteral("SepetVer2"), {1001});
        const QString kotu = QStringLiteral("'; DROP TABLE sepet; --");
        auto c = s->cagir(QStringLiteral("StokAraGetir"),
                          {kotu, QJsonDocument::fromJson(R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FCARINO":1001}})").object()});
        QCOMPARE(c.durum, 200);
        QCOMPARE(sonuc(c).toObject().value(QStringLiteral("rows")).toArray().size(), 0);
        c = s->cagir(QStringLiteral("CariAra"),
                     {QJsonDocument::fromJson(R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FMusteriTipi":2}})").object(),
                      QStringLiteral("%' OR 1=1 --")});
        QCOMPARE(c.durum, 200);
        QCOMPARE(sonuc(c).toObject().value(QStringLiteral("rows")).toArray().size(), 0);
        c = s->cagir(QStringLiteral("BuyukGetir"), {QStringLiteral("x' OR '1'='1")});
        QCOMPARE(sonuc(c).toObject().value(QStringLiteral("fields")).toObject().value(QStringLiteral("FVarmi")).toBool(), false);
        QCOMPARE(s->cagir(QStringLiteral("SepetVer2"), {1001}).govde, once.govde);
    }

    void resimler_data()
    {
        QTest::addColumn<int>("stokno");
        QTest::addColumn<QByteArray>("tur");
        QTest::addColumn<QByteArray>("imza");
        // parts with a picture: stock numbers 1001 + i where i % 5 < 3
        QTest::newRow("jpeg") << 1002 << QByteArray("image/jpeg") << QByteArray("\xFF\xD8\xFF", 3);
        QTest::newRow("png") << 1001 << QByteArray("image/png") << QByteArray("\x89PNG", 4);
        QTest::newRow("bmp") << 1017 << QByteArray("image/bmp") << QByteArray("BM");
    }
    void resimler()
    {
        QFETCH(int, stokno);
        QFETCH(QByteArray, tur);
        QFETCH(QByteArray, imza);
        const auto c = s->istek("GET", "/resimgoster.ashx?id=" + QByteArray::number(stokno));
        QCOMPARE(c.durum, 200);
        QCOMPARE(c.icerikTuru, tur);
        QVERIFY(c.govde.startsWith(imza));
        QImage img;
        QVERIFY(img.loadFromData(c.govde));
        QVERIFY(img.width() > 0);
    }
    void resimYok()
    {
        QCOMPARE(s->istek("GET", "/resimgoster.ashx?id=1004").durum, 404);  // 1004: i = 3, no picture
        QCOMPARE(s->istek("GET", "/resimgoster.ashx?id=99999999").durum, 404);
        QCOMPARE(s->istek("GET", "/resimgoster.ashx?id=abc").durum, 404);
    }

    void webSayfalari()
    {
        auto c = s->istek("GET", "/formmailgonder.aspx?carino=0&kullanici=&id=ABC%3Cb%3E123");
        QCOMPARE(c.durum, 200);
        QVERIFY(c.icerikTuru.startsWith("text/html"));
        QVERIFY(c.govde.contains("<form"));
        QVERIFY(c.govde.contains("ABC&lt;b&gt;123"));  // the ID is shown escaped
        c = s->istek("POST", "/formmailgonder.aspx?id=ABC123&firmaadi=DENEME%20OTO", {});
        QCOMPARE(c.durum, 200);
        QVERIFY(c.govde.contains("alındı"));
        c = s->istek("GET", "/pelyaro.html?carino=1001&sube=MERKEZ&firmasi=ANKARA%20YILDIZ&bakiye=1.234,00%20TL");
        QCOMPARE(c.durum, 200);
        QVERIFY(c.govde.contains("ANKARA YILDIZ"));
        QVERIFY(c.govde.contains("1.234,00 TL"));
        c = s->istek("GET", "/exe/DorvantoSetup.exe");
        QCOMPARE(c.durum, 200);
        QVERIFY(c.govde.startsWith("#!/bin/sh"));
        QVERIFY(c.govde.contains("/silent"));
        c = s->istek("GET", "/ip");
        QCOMPARE(c.durum, 200);
        QCOMPARE(c.govde, QByteArray("127.0.0.1"));
    }

    void cagriKaydi()
    {
        s->cagir(QStringLiteral("SepetVer2"), {1001});
        s->cagir(QStringLiteral("BuyukGetir"), {QStringLiteral("DEMO-BAYI")});
        const QJsonArray k = s->calls();
        QCOMPARE(k.size(), 2);
        QCOMPARE(k.at(0).toObject().value(QStringLiteral("method")).toString(), QStringLiteral("SepetVer2"));
        QCOMPARE(k.at(0).toObject().value(QStringLiteral("params")).toArray(), QJsonArray({1001}));
        QCOMPARE(k.at(1).toObject().value(QStringLiteral("params")).toArray(), QJsonArray({QStringLiteral("DEMO-BAYI")}));
        QVERIFY(s->reset());
        QCOMPARE(s->calls().size(), 0);
    }

    void arizalar_data()
    {
        QTest::addColumn<QString>("tur");
        QTest::newRow("error") << QStringLiteral("error");
        QTest::newRow("drop") << QStringLiteral("drop");
        QTest::newRow("garbage") << QStringLiteral("garbage");
    }
    void arizalar()
    {
        QFETCH(QString, tur);
        QVERIFY(s->fault(QStringLiteral("TeslimVer"), tur, 2));
        for (int i = 0; i < 2; ++i) {
            const auto c = s->cagir(QStringLiteral("TeslimVer"), {});
            if (tur == QLatin1String("error")) {
                QCOMPARE(c.durum, 500);
                QVERIFY(!govdeNesnesi(c).value(QStringLiteral("error")).toString().isEmpty());
            } else if (tur == QLatin1String("drop")) {
                QCOMPARE(c.durum, 0);  // no answer at all
            } else {
                QCOMPARE(c.durum, 200);
                QVERIFY(QJsonDocument::fromJson(c.govde).isNull());
            }
        }
        // other methods are untouched, and the third call succeeds again
        QCOMPARE(s->cagir(QStringLiteral("KargoVer"), {}).durum, 200);
        const auto c = s->cagir(QStringLiteral("TeslimVer"), {});
        QCOMPARE(c.durum, 200);
        QCOMPARE(sonuc(c).toObject().value(QStringLiteral("rows")).toArray().size(), 3);
    }
    void gecikme()
    {
        QVERIFY(s->fault(QStringLiteral("TeslimVer"), QStringLiteral("delay"), 1, 1500));
        // a read time-out shorter than the delay sees no answer; the call after it is normal
        QCOMPARE(s->istek("POST", "/datasnap/rest/TServerMethods1/TeslimVer", "{\"_parameters\":[]}", 300).durum, 0);
        QCOMPARE(s->cagir(QStringLiteral("TeslimVer"), {}).durum, 200);
    }
    void kesikAkis()
    {
        QVERIFY(s->fault(QStringLiteral("BannerResimVer"), QStringLiteral("truncate")));
        auto c = s->cagir(QStringLiteral("BannerResimVer"), {});
        QCOMPARE(c.durum, 200);
        qint64 boy = sonuc(c, 0).toInteger();
        QByteArray akis = QByteArray::fromBase64(sonuc(c, 1).toString().toLatin1());
        QVERIFY(boy > 0);
        QVERIFY(akis.size() < boy);
        c = s->cagir(QStringLiteral("BannerResimVer"), {});
        boy = sonuc(c, 0).toInteger();
        akis = QByteArray::fromBase64(sonuc(c, 1).toString().toLatin1());
        QCOMPARE(akis.size(), boy);
        QVERIFY(akis.startsWith("GIF89a"));
    }
    void resetArizalariSiler()
    {
        QVERIFY(s->fault(QStringLiteral("*"), QStringLiteral("error"), 5));
        QCOMPARE(s->cagir(QStringLiteral("KargoVer"), {}).durum, 500);
        QVERIFY(s->reset());
        QCOMPARE(s->cagir(QStringLiteral("KargoVer"), {}).durum, 200);
        QVERIFY(!s->fault(QStringLiteral("KargoVer"), QStringLiteral("patlat")));
    }
    void denetimYoksa404()
    {
        // a server started without --test-control has no control paths
        QTemporaryDir d;
        const QString db = d.filePath(QStringLiteral("x.db"));
        QVERIFY(QFile::copy(TestSunucusu::demoVeritabani(), db));
        QProcess p;
        p.start(TestSunucusu::sunucuProgrami(), {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--db"), db});
        QVERIFY(p.waitForReadyRead(20000));
        const QByteArray satir = p.readLine();
        QVERIFY2(satir.startsWith("dorvanto-appserver: listening on 127.0.0.1:"), satir.constData());
        const int port = satir.mid(satir.lastIndexOf(':') + 1).trimmed().toInt();
        QTcpSocket t;
        t.connectToHost(QStringLiteral("127.0.0.1"), quint16(port));
        QVERIFY(t.waitForConnected(5000));
        t.write("GET /__control/calls HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
        QByteArray g;
        while (t.waitForReadyRead(5000))
            g += t.readAll();
        QVERIFY2(g.startsWith("HTTP/1.1 404"), g.constData());
        p.terminate();
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 0);
    }
    void uzakAdresReddedilir()
    {
        QProcess p;
        p.start(TestSunucusu::sunucuProgrami(), {QStringLiteral("--listen"), QStringLiteral("0.0.0.0:0"), QStringLiteral("--db"),
                                                 QDir::temp().filePath(QStringLiteral("dorvanto-uzak-%1.db").arg(QCoreApplication::applicationPid()))});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(p.readAllStandardError().contains("--allow-remote"));
        QFile::remove(QDir::temp().filePath(QStringLiteral("dorvanto-uzak-%1.db").arg(QCoreApplication::applicationPid())));
    }
    void ayniAndaCokIstemci()
    {
        // eight clients at once, each with several calls on its own connection
        QList<QThread *> isler;
        QAtomicInt basarili = 0;
        for (int i = 0; i < 8; ++i) {
            isler << QThread::create([&] {
                for (int j = 0; j < 10; ++j)
                    if (s->cagir(QStringLiteral("SepetVer2"), {1001 + j}).durum == 200)
                        basarili.fetchAndAddRelaxed(1);
            });
            isler.last()->start();
        }
        for (QThread *t : isler) {
            QVERIFY(t->wait(60000));
            delete t;
        }
        QCOMPARE(basarili.loadRelaxed(), 80);
    }
};

QTEST_GUILESS_MAIN(TestSunucuHttp)
#include "test_sunucu_http.moc"
