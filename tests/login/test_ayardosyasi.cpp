// ayar.ini: literal UTF-8 keys, mode 0600, defaults, other contents kept; and the
// endpoint choice of the login.
#include "ayardosyasi.h"
#include "disipal.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace dorvanto;

class AyarDosyasiTesti : public QObject {
    Q_OBJECT
private slots:
    void yazOku_data()
    {
        QTest::addColumn<QString>("isim");
        QTest::addColumn<QString>("sifre");
        QTest::addColumn<bool>("hatirla");
        QTest::newRow("hatirla") << "AHMET" << "GIZLI1" << true;
        QTest::newRow("hatirlama") << "AHMET" << "GIZLI1" << false;
        QTest::newRow("turkce") << "ŞÜKRÜ ÇİĞDEM" << "ŞİFRE=İ;X" << true;
        QTest::newRow("bos") << "" << "" << true;
    }
    void yazOku()
    {
        QFETCH(QString, isim);
        QFETCH(QString, sifre);
        QFETCH(bool, hatirla);
        QTemporaryDir d;
        const QString yol = d.filePath(QStringLiteral("ayar.ini"));
        QVERIFY(AyarYaz(yol, {isim, sifre, hatirla}));
        HatirlananGiris g;
        g.hatirla = !hatirla;
        QVERIFY(AyarOku(yol, g));
        QCOMPARE(g.isim, isim);
        QCOMPARE(g.sifre, sifre);
        QCOMPARE(g.hatirla, hatirla);
    }
    void dosyaBicimi()
    {
        QTemporaryDir d;
        const QString yol = d.filePath(QStringLiteral("ayar.ini"));
        QVERIFY(AyarYaz(yol, {QStringLiteral("ALİ"), QStringLiteral("X1"), true}));
        QFile f(yol);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray icerik = f.readAll();
        QVERIFY(icerik.startsWith("[kullanici]"));
        QVERIFY(icerik.contains(QStringLiteral("hatırla=1").toUtf8()));
        QVERIFY(icerik.contains(QStringLiteral("isim=ALİ").toUtf8()));
        QVERIFY(icerik.contains("sifre=X1"));
        QCOMPARE(QFileInfo(yol).permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
                 QFile::Permissions());
        QVERIFY(QFileInfo(yol).permissions().testFlag(QFile::ReadOwner));
        QVERIFY(QFileInfo(yol).permissions().testFlag(QFile::WriteOwner));
    }
    void digerIcerikKalir()
    {
        QTemporaryDir d;
        const QString yol = d.filePath(QStringLiteral("ayar.ini"));
        QFile f(yol);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("; not\r\n[baska]\r\nanahtar=deger\r\n\r\n[KULLANICI]\r\nisim=ESKI\r\nekstra=1\r\n");
        f.close();
        QVERIFY(AyarYaz(yol, {QStringLiteral("YENI"), QStringLiteral("S"), false}));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray icerik = f.readAll();
        QCOMPARE(IniDegeri(icerik, QStringLiteral("baska"), QStringLiteral("anahtar"), {}), QStringLiteral("deger"));
        QCOMPARE(IniDegeri(icerik, QStringLiteral("kullanici"), QStringLiteral("ekstra"), {}), QStringLiteral("1"));
        QCOMPARE(IniDegeri(icerik, QStringLiteral("kullanici"), QStringLiteral("isim"), {}), QStringLiteral("YENI"));
        QCOMPARE(icerik.count("isim="), 1);
    }
    void eksikAnahtarlar()
    {
        QTemporaryDir d;
        const QString yol = d.filePath(QStringLiteral("ayar.ini"));
        HatirlananGiris g;
        QVERIFY(!AyarOku(yol, g));   // no file: defaults
        QVERIFY(g.hatirla);
        QFile f(yol);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\xEF\xBB\xBF[kullanici]\nisim=VELI\n");
        f.close();
        QVERIFY(AyarOku(yol, g));
        QCOMPARE(g.isim, QStringLiteral("VELI"));
        QCOMPARE(g.sifre, QString());
        QVERIFY(g.hatirla);   // "hatırla" defaults to ticked
    }
    void yazilamayanDosya()
    {
        QString hata;
        QVERIFY(!AyarYaz(QStringLiteral("/proc/olmayan/ayar.ini"), {}, &hata));
        QVERIFY(!hata.isEmpty());
    }
    void ucNokta_data()
    {
        QTest::addColumn<QString>("ip");
        QTest::addColumn<bool>("ofis");
        QTest::addColumn<QString>("sunucu");
        QTest::addColumn<QString>("resim");
        QTest::newRow("ofis") << "198.51.100.7" << true << "10.0.0.5" << "http://10.0.0.5:8080/resimgoster.ashx?id=";
        QTest::newRow("dis") << "203.0.113.99" << false << "b2b.example.net" << "http://b2b.example.net/resimgoster.ashx?id=";
        QTest::newRow("metin olarak") << "198.51.100.7 " << false << "b2b.example.net" << "http://b2b.example.net/resimgoster.ashx?id=";
    }
    void ucNokta()
    {
        QFETCH(QString, ip);
        QFETCH(bool, ofis);
        QFETCH(QString, sunucu);
        QFETCH(QString, resim);
        qputenv("DORVANTO_OFFICE_PUBLIC_IP", "198.51.100.7");
        qputenv("DORVANTO_LAN_HOST", "10.0.0.5");
        qputenv("DORVANTO_PUBLIC_HOST", "b2b.example.net");
        qputenv("DORVANTO_LAN_WEB_BASE", "http://10.0.0.5:8080/");
        qputenv("DORVANTO_WEB_BASE", "http://b2b.example.net/");
        const UcNokta u = UcNoktaSec(ip);
        QCOMPARE(u.ofis, ofis);
        QCOMPARE(u.sunucu, sunucu);
        QCOMPARE(u.resimTabani, resim);
        QCOMPARE(u.webTabani, QStringLiteral("http://b2b.example.net/"));
    }
};

QTEST_GUILESS_MAIN(AyarDosyasiTesti)
#include "test_ayardosyasi.moc"
