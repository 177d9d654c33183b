// The stand-in server's row limit of a stock search: 10,000 rows unless it is started
// with --search-limit N; a missing, non-numeric or non-positive N is refused with
// exit code 2 before anything else happens.
#include "testsunucusu.h"

#include <baglanti.h>
#include <servermethods.h>
#include <tablodata.h>
#include <transfernesneleri.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace dorvanto;
using dorvanto::test::TestSunucusu;

namespace {

constexpr int Parcalar = 10050;   // more parts than the default limit

const char *const SinirHatasi = "dorvanto-appserver: --search-limit 1 ya da daha büyük bir tam sayı olmalı";

// One server process on `db` with `ekler` on its command line.
class SinirliSunucu {
public:
    SinirliSunucu(const QString &db, const QStringList &ekler)
    {
        m_surec.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_surec.start(TestSunucusu::sunucuProgrami(),
                      QStringList{QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--db"), db}
                          + ekler);
        static const QRegularExpression satir(QStringLiteral("listening on 127\\.0\\.0\\.1:(\\d+)"));
        while (m_surec.waitForReadyRead(20000)) {
            while (m_surec.canReadLine()) {
                const auto m = satir.match(QString::fromUtf8(m_surec.readLine()));
                if (m.hasMatch()) {
                    m_port = m.captured(1).toInt();
                    return;
                }
            }
        }
    }
    ~SinirliSunucu()
    {
        m_surec.terminate();
        if (!m_surec.waitForFinished(10000))
            m_surec.kill();
        m_surec.waitForFinished(5000);
    }
    int port() const { return m_port; }

    // The stock numbers StokAraGetir answers for `kod`, in their order; the ADI texts too.
    QList<qint64> ara(const QString &kod, QStringList *adlar = nullptr) const
    {
        ServerConnection b;
        b.setHostName(QStringLiteral("127.0.0.1"));
        b.setPort(m_port);
        b.Open();
        TServerMethods1Client v(b);
        DataPacket *p = v.StokAraGetir(kod, std::make_unique<TSonucBilgisi>());
        QList<qint64> nolar;
        if (!p)
            return nolar;
        const TableData &t = p->data;
        const int no = t.indexOf(QStringLiteral("STOK_STOKNO"));
        const int adi = t.indexOf(QStringLiteral("ADI"));
        for (int r = 0; r < t.rowCount; ++r) {
            nolar << t.asInt64(r, no);
            if (adlar)
                *adlar << t.asString(r, adi);
        }
        return nolar;
    }

private:
    QProcess m_surec;
    int m_port = 0;
};

} // namespace

class TestAramaSiniri : public QObject {
    Q_OBJECT
    QTemporaryDir dizin;
    QString db;
    QList<qint64> hepsi;   // the whole catalogue in the server's order

private slots:
    void initTestCase()
    {
        QVERIFY(dizin.isValid());
        db = dizin.filePath(QStringLiteral("buyuk.db"));
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(TestSunucusu::sunucuProgrami(), {QStringLiteral("--db"), db, QStringLiteral("--seed"), QStringLiteral("demo"),
                                                 QStringLiteral("--parts"), QString::number(Parcalar),
                                                 QStringLiteral("--init-only")});
        QVERIFY(p.waitForFinished(120000));
        QCOMPARE(p.exitCode(), 0);
        SinirliSunucu s(db, {QStringLiteral("--search-limit"), QString::number(Parcalar * 2)});
        QVERIFY(s.port() > 0);
        hepsi = s.ara(QString());
        QCOMPARE(hepsi.size(), Parcalar);
    }

    void sinir_data()
    {
        QTest::addColumn<QStringList>("ekler");
        QTest::addColumn<int>("satir");
        QTest::newRow("without the option: 10000") << QStringList{} << 10000;
        QTest::newRow("one row") << QStringList{"--search-limit", "1"} << 1;
        QTest::newRow("25 rows") << QStringList{"--search-limit", "25"} << 25;
        QTest::newRow("one below the catalogue") << QStringList{"--search-limit", QString::number(Parcalar - 1)}
                                                 << Parcalar - 1;
        QTest::newRow("exactly the catalogue") << QStringList{"--search-limit", QString::number(Parcalar)} << Parcalar;
        QTest::newRow("above the catalogue") << QStringList{"--search-limit", "50000"} << Parcalar;
        QTest::newRow("with the other options") << QStringList{"--test-control", "--search-limit", "12000"} << Parcalar;
    }
    void sinir()
    {
        QFETCH(QStringList, ekler);
        QFETCH(int, satir);
        SinirliSunucu s(db, ekler);
        QVERIFY(s.port() > 0);
        const QList<qint64> gelen = s.ara(QString());
        QCOMPARE(gelen.size(), satir);
        // the limit cuts the ordered answer: the first rows of the whole catalogue
        QCOMPARE(gelen, hepsi.mid(0, satir));
    }

    void sinirAramaKelimeleriyle()
    {
        // the words filter first, the limit cuts what they found
        SinirliSunucu tam(db, {QStringLiteral("--search-limit"), QStringLiteral("50000")});
        QStringList adlar;
        const QList<qint64> bulunan = tam.ara(QStringLiteral("FREN BALATASI"), &adlar);
        QVERIFY(bulunan.size() > 10);
        SinirliSunucu s(db, {QStringLiteral("--search-limit"), QStringLiteral("7")});
        QStringList sinirliAdlar;
        QCOMPARE(s.ara(QStringLiteral("FREN BALATASI"), &sinirliAdlar), bulunan.mid(0, 7));
        for (const QString &a : sinirliAdlar)
            QVERIFY2(a.contains(QStringLiteral("FREN BALATASI")), qPrintable(a));
    }

    void hataliDegerReddedilir_data()
    {
        QTest::addColumn<QStringList>("ekler");
        QTest::newRow("zero") << QStringList{"--search-limit", "0"};
        QTest::newRow("negative") << QStringList{"--search-limit", "-5"};
        QTest::newRow("text") << QStringList{"--search-limit", "many"};
        QTest::newRow("digits and letters") << QStringList{"--search-limit", "12x"};
        QTest::newRow("fraction") << QStringList{"--search-limit", "1.5"};
        QTest::newRow("beyond an int") << QStringList{"--search-limit", "99999999999"};
        QTest::newRow("empty") << QStringList{"--search-limit", ""};
        QTest::newRow("value missing") << QStringList{"--search-limit"};
        QTest::newRow("next option taken as value") << QStringList{"--search-limit", "--test-control"};
    }
    void hataliDegerReddedilir()
    {
        QFETCH(QStringList, ekler);
        QProcess p;
        p.start(TestSunucusu::sunucuProgrami(),
                QStringList{QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--db"), db} + ekler);
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 2);
        // the reason is the server's first own line (Qt may write its notes before it)
        QString neden;
        for (const QString &satir : QString::fromUtf8(p.readAllStandardError()).split(u'\n'))
            if (satir.startsWith(QLatin1String("dorvanto-appserver: "))) {
                neden = satir;
                break;
            }
        QCOMPARE(neden, QString::fromUtf8(SinirHatasi));
        QVERIFY2(!p.readAllStandardOutput().contains("listening"), "the server must not start");
    }
};

QTEST_GUILESS_MAIN(TestAramaSiniri)
#include "test_arama_siniri.moc"
