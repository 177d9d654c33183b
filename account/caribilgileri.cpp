#include "caribilgileri.h"

#include "sayibicimi.h"
#include "sonuctablosu.h"

namespace dorvanto {

QString CariAramaMetni(const QString &metin)
{
    QString s = metin;
    s.replace(QChar(0x0131), QLatin1Char('i'));
    int bas = 0;
    int son = int(s.size());
    while (bas < son && s.at(bas).unicode() <= 32)
        ++bas;
    while (son > bas && s.at(son - 1).unicode() <= 32)
        --son;
    return s.mid(bas, son - bas);
}

QList<CariBilgiSatiri> CariBilgiSatirlari(const ResultTable &t, int row)
{
    auto v = [&](const char *alan) -> QString {
        const int c = t.fieldIndex(QLatin1String(alan));
        if (c < 0 || row < 0 || row >= t.recordCount())
            return QString();
        return t.asString(row, c);
    };
    auto f = [&](const char *alan) -> double {
        const int c = t.fieldIndex(QLatin1String(alan));
        if (c < 0 || row < 0 || row >= t.recordCount())
            return 0;
        return t.asFloat(row, c);
    };
    const QString nl = QStringLiteral("\n");
    QList<CariBilgiSatiri> l;
    l << CariBilgiSatiri{QStringLiteral("CariKod:"), v("CARIKOD")};
    l << CariBilgiSatiri{QStringLiteral("Cari Adı:"), v("CARIADI")};
    l << CariBilgiSatiri{QStringLiteral("Yetkili:"), v("YETKILI"), true};
    l << CariBilgiSatiri{QStringLiteral("Özel Kod:"), v("OZELKOD")};
    l << CariBilgiSatiri{QStringLiteral("Ana Grup:"), v("ANAGRUP")};
    l << CariBilgiSatiri{QStringLiteral("Alt Grup:"), v("ALTGRUP"), true};
    l << CariBilgiSatiri{QStringLiteral("Adres:"), v("ADRES1") + nl + v("ADRES2") + nl + v("ILCE") + QLatin1Char('/') + v("IL")};
    l << CariBilgiSatiri{QStringLiteral("Vergi D.:"), v("VERGIDAIRESI") + QLatin1Char('/') + v("VERGINO")};
    l << CariBilgiSatiri{QStringLiteral("Telefon:"), v("TEL1") + nl + v("TEL2")};
    l << CariBilgiSatiri{QStringLiteral("Fax:"), v("FAX1") + nl + v("FAX2")};
    l << CariBilgiSatiri{QStringLiteral("Gsm:"), v("GSM")};
    l << CariBilgiSatiri{QStringLiteral("E-mail:"), v("EMAIL"), true};
    l << CariBilgiSatiri{QStringLiteral("İndirim %:"), v("INDIRIM")};
    l << CariBilgiSatiri{QStringLiteral("Vade (Gün):"), v("VADE"), true};
    l << CariBilgiSatiri{QStringLiteral("Bakiye:"),
                         FormatFloat(QStringLiteral("#,###,##0.00"), f("TLBAKIYE")) + QLatin1Char(' ') + v("DURUM"), false,
                         true};
    return l;
}

const QStringList &CariGorunenSutunlar()
{
    static const QStringList l = {
        QStringLiteral("CARIKOD"),   QStringLiteral("CARIADI"),    QStringLiteral("SATICISI"),
        QStringLiteral("TLBAKIYE"),  QStringLiteral("DURUM"),      QStringLiteral("SEPET"),
        QStringLiteral("ALINDI"),    QStringLiteral("ONAYLANDI"),  QStringLiteral("GORULDU"),
        QStringLiteral("HAZIRLANDI"), QStringLiteral("PARCALIHAZIRLANDI"),
    };
    return l;
}

const QStringList &CariGizliSutunlar()
{
    static const QStringList l = {
        QStringLiteral("CARINO"), QStringLiteral("OZELKOD"), QStringLiteral("KOD1"), QStringLiteral("KOD2"),
        QStringLiteral("KOD3"), QStringLiteral("KOD4"), QStringLiteral("KOD5"), QStringLiteral("TEL1"),
        QStringLiteral("TEL2"), QStringLiteral("ILCE"), QStringLiteral("IL"), QStringLiteral("GSM"),
        QStringLiteral("YETKILI"), QStringLiteral("INDIRIM"), QStringLiteral("VADE"),
        QStringLiteral("VADEKONTROLGUN"), QStringLiteral("VADEKONTROLAY"), QStringLiteral("VERGIDAIRESI"),
        QStringLiteral("VERGINO"), QStringLiteral("ADRES1"), QStringLiteral("ADRES2"), QStringLiteral("ANAGRUP"),
        QStringLiteral("ALTGRUP"), QStringLiteral("FAX1"), QStringLiteral("FAX2"), QStringLiteral("EMAIL"),
    };
    return l;
}

} // namespace dorvanto
