#include "ayardosyasi.h"

#include "makinekimligi.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace dorvanto {

namespace {

QStringList Satirlar(const QByteArray &icerik)
{
    QString metin = QString::fromUtf8(icerik);
    if (metin.startsWith(QChar(0xFEFF)))
        metin.remove(0, 1);
    metin.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList l = metin.split(QLatin1Char('\n'));
    if (!l.isEmpty() && l.last().isEmpty())
        l.removeLast();
    return l;
}

bool BolumBasligi(const QString &satir, QString *ad)
{
    const QString t = satir.trimmed();
    if (t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'))) {
        *ad = t.mid(1, t.size() - 2).trimmed();
        return true;
    }
    return false;
}

// Section and key names compare without regard to case, as profile files do.
bool Ayni(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

QString Tek(const QString &s)
{
    // a value is one line
    QString d = s;
    d.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return d;
}

} // namespace

QString IniDegeri(const QByteArray &icerik, const QString &bolum, const QString &anahtar, const QString &varsayilan,
                  bool *bulundu)
{
    if (bulundu)
        *bulundu = false;
    QString simdiki;
    bool icinde = false;
    for (const QString &satir : Satirlar(icerik)) {
        if (BolumBasligi(satir, &simdiki)) {
            icinde = Ayni(simdiki, bolum);
            continue;
        }
        if (!icinde || satir.trimmed().startsWith(QLatin1Char(';')))
            continue;
        const int p = satir.indexOf(QLatin1Char('='));
        if (p < 0 || !Ayni(satir.left(p).trimmed(), anahtar))
            continue;
        if (bulundu)
            *bulundu = true;
        return satir.mid(p + 1).trimmed();
    }
    return varsayilan;
}

QByteArray IniDegeriYaz(const QByteArray &icerik, const QString &bolum, const QString &anahtar, const QString &deger)
{
    QStringList l = Satirlar(icerik);
    const QString yeni = anahtar + QLatin1Char('=') + Tek(deger);
    QString simdiki;
    int bolumSonu = -1;
    bool icinde = false;
    for (int i = 0; i < l.size(); ++i) {
        if (BolumBasligi(l[i], &simdiki)) {
            if (icinde)
                break;
            icinde = Ayni(simdiki, bolum);
            if (icinde)
                bolumSonu = i + 1;
            continue;
        }
        if (!icinde)
            continue;
        if (!l[i].trimmed().isEmpty())
            bolumSonu = i + 1;
        const int p = l[i].indexOf(QLatin1Char('='));
        if (p >= 0 && !l[i].trimmed().startsWith(QLatin1Char(';')) && Ayni(l[i].left(p).trimmed(), anahtar)) {
            l[i] = yeni;
            return l.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
        }
    }
    if (bolumSonu < 0) {
        if (!l.isEmpty() && !l.last().trimmed().isEmpty())
            l << QString();
        l << QLatin1Char('[') + bolum + QLatin1Char(']');
        l << yeni;
    } else {
        l.insert(bolumSonu, yeni);
    }
    return l.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}

QString AyarDosyasiYolu() { return AyarKlasoru() + QStringLiteral("/ayar.ini"); }

bool AyarOku(const QString &yol, HatirlananGiris &g)
{
    QFile f(yol);
    if (!f.exists() || !f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray icerik = f.readAll();
    const QString bolum = QStringLiteral("kullanici");
    const QString h = IniDegeri(icerik, bolum, QStringLiteral("hatırla"), QStringLiteral("1"));
    bool sayi = false;
    const int n = h.toInt(&sayi);
    g.hatirla = sayi ? n != 0 : !Ayni(h, QStringLiteral("false"));
    g.isim = IniDegeri(icerik, bolum, QStringLiteral("isim"), QString());
    g.sifre = IniDegeri(icerik, bolum, QStringLiteral("sifre"), QString());
    return true;
}

bool AyarYaz(const QString &yol, const HatirlananGiris &g, QString *hata)
{
    QByteArray icerik;
    {
        QFile eski(yol);
        if (eski.open(QIODevice::ReadOnly))
            icerik = eski.readAll();
    }
    const QString bolum = QStringLiteral("kullanici");
    icerik = IniDegeriYaz(icerik, bolum, QStringLiteral("isim"), g.isim);
    icerik = IniDegeriYaz(icerik, bolum, QStringLiteral("sifre"), g.sifre);
    icerik = IniDegeriYaz(icerik, bolum, QStringLiteral("hatırla"), g.hatirla ? QStringLiteral("1") : QStringLiteral("0"));

    QSaveFile f(yol);
    if (!f.open(QIODevice::WriteOnly)) {
        if (hata)
            *hata = f.errorString();
        return false;
    }
    // the password is in the file: readable by its owner only
    f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    f.write(icerik);
    if (!f.commit()) {
        if (hata)
            *hata = f.errorString();
        return false;
    }
    QFile::setPermissions(yol, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return true;
}

} // namespace dorvanto
