#include "testsunucusu.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTcpSocket>

#include <mutex>

#include <csignal>
#include <sys/prctl.h>

namespace dorvanto::test {

QString TestSunucusu::sunucuProgrami()
{
    const QByteArray ortam = qgetenv("DORVANTO_APPSERVER");
    return ortam.isEmpty() ? QStringLiteral(DORVANTO_APPSERVER_YOLU) : QString::fromLocal8Bit(ortam);
}

QString TestSunucusu::demoVeritabani()
{
    static std::unique_ptr<QTemporaryDir> dizin;
    static QString yol;
    static std::once_flag bir;
    std::call_once(bir, [] {
        dizin = std::make_unique<QTemporaryDir>();
        const QString db = dizin->filePath(QStringLiteral("demo.db"));
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(sunucuProgrami(), {QStringLiteral("--db"), db, QStringLiteral("--seed"), QStringLiteral("demo"),
                                   QStringLiteral("--init-only")});
        if (p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
            yol = db;
    });
    return yol;
}

TestSunucusu::TestSunucusu(const QStringList &ekArgumanlar)
{
    const QString kaynak = demoVeritabani();
    if (kaynak.isEmpty()) {
        m_hata = QStringLiteral("demo veritabanı oluşturulamadı (%1)").arg(sunucuProgrami());
        return;
    }
    m_dizin = std::make_unique<QTemporaryDir>();
    m_db = m_dizin->filePath(QStringLiteral("sunucu.db"));
    if (!QFile::copy(kaynak, m_db)) {
        m_hata = QStringLiteral("veritabanı kopyalanamadı");
        return;
    }
    m_surec.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // The server ends with the test program even when that one crashes or is killed:
    // an orphan would keep the test runner's output pipe open and hang the whole run.
    m_surec.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    m_surec.start(sunucuProgrami(), QStringList{QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"),
                                                QStringLiteral("--db"), m_db, QStringLiteral("--test-control")}
                                        + ekArgumanlar);
    if (!m_surec.waitForStarted(10000)) {
        m_hata = QStringLiteral("sunucu başlatılamadı: ") + m_surec.errorString();
        return;
    }
    static const QRegularExpression satir(QStringLiteral("listening on 127\\.0\\.0\\.1:(\\d+)"));
    QByteArray okunan;
    QDeadlineTimer sure(20000);
    while (!sure.hasExpired()) {
        if (m_surec.canReadLine() || m_surec.waitForReadyRead(int(std::max<qint64>(1, sure.remainingTime())))) {
            while (m_surec.canReadLine()) {
                const QString s = QString::fromUtf8(m_surec.readLine());
                const auto m = satir.match(s);
                if (m.hasMatch()) {
                    m_port = m.captured(1).toInt();
                    return;
                }
            }
        } else if (m_surec.state() != QProcess::Running) {
            break;
        }
    }
    m_hata = QStringLiteral("sunucu dinlemeye başlamadı");
    stop();
}

TestSunucusu::~TestSunucusu() { stop(); }

void TestSunucusu::stop()
{
    if (m_surec.state() == QProcess::NotRunning)
        return;
    m_surec.terminate();
    if (!m_surec.waitForFinished(10000)) {
        m_surec.kill();
        m_surec.waitForFinished(5000);
    }
    m_port = 0;
}

QString TestSunucusu::adres() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }

TestSunucusu::Cevap TestSunucusu::istek(const QByteArray &yontem, const QByteArray &yol, const QByteArray &govde,
                                        int zamanAsimiMs) const
{
    Cevap c;
    QTcpSocket s;
    s.connectToHost(host(), quint16(m_port));
    if (!s.waitForConnected(5000))
        return c;
    QByteArray istek = yontem + ' ' + yol + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n";
    if (!govde.isEmpty() || yontem == "POST")
        istek += "Content-Type: application/json; charset=utf-8\r\nContent-Length: " + QByteArray::number(govde.size()) + "\r\n";
    istek += "\r\n" + govde;
    s.write(istek);
    QByteArray gelen;
    QDeadlineTimer sure(zamanAsimiMs);
    while (!sure.hasExpired()) {
        if (s.bytesAvailable() == 0 && !s.waitForReadyRead(int(std::max<qint64>(1, sure.remainingTime())))) {
            if (s.state() != QAbstractSocket::ConnectedState)
                break;
            continue;
        }
        gelen += s.readAll();
    }
    gelen += s.readAll();
    const qsizetype son = gelen.indexOf("\r\n\r\n");
    if (son < 0)
        return c;
    const QList<QByteArray> basliklar = gelen.left(son).split('\n');
    const QList<QByteArray> ilk = basliklar.value(0).split(' ');
    c.durum = ilk.value(1).toInt();
    bool parcali = false;
    for (const QByteArray &b : basliklar) {
        const QByteArray k = b.trimmed().toLower();
        if (k.startsWith("content-type:"))
            c.icerikTuru = b.trimmed().mid(13).trimmed();
        if (k.startsWith("transfer-encoding:") && k.contains("chunked"))
            parcali = true;
    }
    QByteArray g = gelen.mid(son + 4);
    if (parcali) {
        QByteArray d;
        qsizetype i = 0;
        while (i < g.size()) {
            const qsizetype e = g.indexOf("\r\n", i);
            if (e < 0)
                break;
            const int n = g.mid(i, e - i).toInt(nullptr, 16);
            if (n == 0)
                break;
            d += g.mid(e + 2, n);
            i = e + 2 + n + 2;
        }
        g = d;
    }
    c.govde = g;
    return c;
}

TestSunucusu::Cevap TestSunucusu::cagir(const QString &yontem, const QJsonArray &parametreler) const
{
    const QByteArray govde = QJsonDocument(QJsonObject{{QStringLiteral("_parameters"), parametreler}}).toJson(QJsonDocument::Compact);
    return istek("POST", "/datasnap/rest/TServerMethods1/" + yontem.toUtf8(), govde);
}

QJsonArray TestSunucusu::calls()
{
    const Cevap c = istek("GET", "/__control/calls");
    return c.durum == 200 ? QJsonDocument::fromJson(c.govde).array() : QJsonArray();
}

bool TestSunucusu::reset() { return istek("POST", "/__control/reset", "{}").durum == 200; }

bool TestSunucusu::fault(const QString &method, const QString &kind, int count, int ms)
{
    const QJsonObject o{{QStringLiteral("method"), method}, {QStringLiteral("kind"), kind},
                        {QStringLiteral("count"), count}, {QStringLiteral("ms"), ms}};
    return istek("POST", "/__control/fault", QJsonDocument(o).toJson(QJsonDocument::Compact)).durum == 200;
}

bool TestSunucusu::registerMachine(const QString &id, const QString &user, const QString &pass, int type, int customer,
                                   int version)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QStringList a{QStringLiteral("--db"), m_db, QStringLiteral("--register"), id, QStringLiteral("--user"), user,
                  QStringLiteral("--password"), pass, QStringLiteral("--type"), QString::number(type),
                  QStringLiteral("--version"), QString::number(version)};
    if (customer != 0)
        a << QStringLiteral("--customer") << QString::number(customer);
    p.start(sunucuProgrami(), a);
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace dorvanto::test
