#include "testsunucusu.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QByteArray J(const char *s) { return QByteArray(s).replace(char(39), char(34)); }

struct Sonuc {
    int kod = -1;
    QByteArray cikti;
    QString hata;
};

Sonuc calistir(const QStringList &arg)
{
    QProcess p;
    p.start(QStringLiteral(DORVANTO_CALL_YOLU), arg);
    Sonuc s;
    if (!p.waitForFinished(30000))
        return s;
    s.kod = p.exitCode();
    s.cikti = p.readAllStandardOutput();
    s.hata = QString::fromLocal8Bit(p.readAllStandardError());
    return s;
}
} // namespace

class TestDorvantoCall : public QObject {
    Q_OBJECT
private slots:
    void init() { sunucu = std::make_unique<TestSunucusu>(); }
    void cleanup() { sunucu.reset(); }

    void tableResult()
    {
        const QByteArray tablo = J("{'columns':[{'name':'ID','type':'int'},{'name':'ADI','type':'string','size':50}],"
                                   "'rows':[[1,'Gönderilsin'],[2,null]]}");
        sunucu->cevapla("KargolarVer", "{\"result\":[" + tablo + "]}");
        const Sonuc s = calistir({"--host", "127.0.0.1", "--port", QString::number(sunucu->port()), "KargolarVer", "3"});
        QCOMPARE(s.kod, 0);
        QCOMPARE(s.cikti, tablo + "\n");
        QCOMPARE(sunucu->sonGovde(), J("{'_parameters':[3]}"));
    }

    void objectArgumentAndResult()
    {
        sunucu->cevapla("TusSonuclariVer",
                        J("{'result':[{'type':'baglantiu.TTusSonuclari','id':1,'fields':{'FAlindi':4}}]}"));
        const Sonuc s = calistir({"--host", "127.0.0.1", "--port", QString::number(sunucu->port()), "TusSonuclariVer",
                                  J("{'type':'baglantiu.TSonucBilgisi','id':1,'fields':{'FCARINO':12}}")});
        QCOMPARE(s.kod, 0);
        QCOMPARE(s.cikti, J("{'type':'baglantiu.TTusSonuclari','id':1,'fields':{'FAlindi':4,'FOnaylandi':0,"
                            "'FParcaliHazirlandi':0,'FSevkEdildi':0,'FHazirlandi':0,'FGoruldu':0}}\n"));
        QVERIFY(sunucu->sonGovde().contains(J("'FCARINO':12")));
    }

    void streamResult()
    {
        const QByteArray bayt = QByteArray(5000, '\x7f') + "son";
        sunucu->cevapla("BannerResimVer", "{\"result\":[5003,\"" + bayt.toBase64() + "\"]}");
        QTemporaryDir dir;
        const QString dosya = dir.filePath("banner.bin");
        const Sonuc s = calistir(
            {"--host", "127.0.0.1", "--port", QString::number(sunucu->port()), "--out", dosya, "BannerResimVer"});
        QCOMPARE(s.kod, 0);
        QCOMPARE(s.cikti, "{\"size\":5003,\"received\":5003,\"sha256\":\""
                              + QCryptographicHash::hash(bayt, QCryptographicHash::Sha256).toHex() + "\"}\n");
        QFile f(dosya);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), bayt);
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("arg");
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("mesaj");
        QTest::newRow("server error") << QStringList{"CariDurumVer", "1"} << 1 << "Cari bulunamadı";
        QTest::newRow("unknown method") << QStringList{"Yok"} << 2 << "Bilinmeyen metot: Yok";
        QTest::newRow("argument count") << QStringList{"CariDurumVer"} << 2 << "1 argüman alır, 0 verildi";
        QTest::newRow("argument kind") << QStringList{"CariDurumVer", "\"bir\""} << 2 << "tamsayı olmalı";
        QTest::newRow("argument not json") << QStringList{"CariDurumVer", "bir"} << 2 << "JSON değil";
    }
    void failures()
    {
        QFETCH(QStringList, arg);
        QFETCH(int, kod);
        QFETCH(QString, mesaj);
        sunucu->cevapla("CariDurumVer", J("{'error':'Cari bulunamadı'}"), 500);
        const Sonuc s = calistir(QStringList{"--host", "127.0.0.1", "--port", QString::number(sunucu->port())} + arg);
        QCOMPARE(s.kod, kod);
        QVERIFY2(s.hata.contains(mesaj), qPrintable(s.hata));
        QVERIFY(s.cikti.isEmpty());
    }

    void closedPort()
    {
        const Sonuc s = calistir({"--host", "127.0.0.1", "--port", QString::number(KapaliPort()), "KargoVer"});
        QCOMPARE(s.kod, 1);
        QVERIFY2(s.hata.contains("bağlanılamadı"), qPrintable(s.hata));
    }

private:
    std::unique_ptr<TestSunucusu> sunucu;
};

QTEST_GUILESS_MAIN(TestDorvantoCall)
#include "test_dorvanto_call.moc"
