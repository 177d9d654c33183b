#include "yardimci.h"

#include "sayibicimi.h"
#include "sonuctablosu.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace dorvanto {

void ParaFormatla(ResultTable &tablo) { applyMoneyFormat(tablo); }

double IkiHaneYuvarla(double x, const QLocale &yerel)
{
    QString metin = FormatFloat(QStringLiteral("#,###,##.00"), x, yerel);
    metin.remove(yerel.groupSeparator());
    if (metin.startsWith(yerel.decimalPoint()) || metin.startsWith(yerel.negativeSign() + yerel.decimalPoint()))
        metin.insert(metin.indexOf(yerel.decimalPoint()), QLatin1Char('0'));
    QLocale ayristirici = yerel;
    ayristirici.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double sonuc = ayristirici.toDouble(metin, &ok);
    return ok ? sonuc : x;
}

QString BelgelerKlasoru() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }

QString YerelVeriKlasoru() { return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation); }

namespace {

// Percent-escapes the bytes of one part: control bytes and blanks, non-ASCII bytes
// and the characters that may not stand in a path or query as they are.
QString kodla(const QString &parca, bool artiKalsin)
{
    static const char hex[] = "0123456789ABCDEF";
    const QByteArray u = parca.toUtf8();
    QByteArray o;
    o.reserve(u.size() * 3);
    for (const char ch : u) {
        const auto b = static_cast<unsigned char>(ch);
        bool kacis = b <= 32 || b >= 128;
        if (!kacis) {
            switch (b) {
            case '*': case '<': case '>': case '#': case '%': case '"': case '{': case '}':
            case '|': case '\\': case '^': case '[': case ']': case '`':
                kacis = true;
                break;
            case '+': kacis = !artiKalsin; break;
            default: break;
            }
        }
        if (kacis) {
            o.append('%');
            o.append(hex[b >> 4]);
            o.append(hex[b & 15]);
        } else {
            o.append(ch);
        }
    }
    return QString::fromLatin1(o);
}

} // namespace

QString UrlKodla(const QString &url)
{
    // scheme://host:port  path+document  ?query  #fragment
    QString bas;
    qsizetype i = 0;
    const qsizetype semaSonu = url.indexOf(QLatin1String("://"));
    if (semaSonu > 0) {
        i = semaSonu + 3;
        while (i < url.size() && url[i] != u'/' && url[i] != u'?' && url[i] != u'#')
            ++i;
        bas = url.left(i);
    }
    qsizetype yolSonu = i;
    while (yolSonu < url.size() && url[yolSonu] != u'?' && url[yolSonu] != u'#')
        ++yolSonu;
    QString sonuc = bas + kodla(url.mid(i, yolSonu - i), false);
    i = yolSonu;
    if (i < url.size() && url[i] == u'?') {
        qsizetype sorguSonu = url.indexOf(u'#', i);
        if (sorguSonu < 0)
            sorguSonu = url.size();
        sonuc += QLatin1Char('?') + kodla(url.mid(i + 1, sorguSonu - i - 1), true);
        i = sorguSonu;
    }
    sonuc += url.mid(i); // the fragment as it stands
    return sonuc;
}

QString ChromeYolu(const QStringList &yerler, const QStringList &yolKlasorleri)
{
    for (const QString &yer : yerler) {
        const QFileInfo f(yer);
        if (f.isFile() && f.isExecutable())
            return f.absoluteFilePath();
    }
    static const char *const adlar[] = {"google-chrome", "google-chrome-stable", "chromium", "chromium-browser",
                                        "chrome"};
    if (yolKlasorleri.isEmpty())
        return {};
    for (const char *ad : adlar) {
        const QString yol = QStandardPaths::findExecutable(QString::fromLatin1(ad), yolKlasorleri);
        if (!yol.isEmpty())
            return yol;
    }
    return {};
}

QString ChromeYolu()
{
    static const QStringList yerler{
        QStringLiteral("/usr/bin/google-chrome"),     QStringLiteral("/usr/bin/google-chrome-stable"),
        QStringLiteral("/opt/google/chrome/chrome"),   QStringLiteral("/usr/bin/chromium"),
        QStringLiteral("/usr/bin/chromium-browser"),   QStringLiteral("/usr/lib/chromium/chromium"),
        QStringLiteral("/snap/bin/chromium"),
    };
    const QStringList yol = qEnvironmentVariable("PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    return ChromeYolu(yerler, yol);
}

int IeSurumu() { return 0; }

} // namespace dorvanto
