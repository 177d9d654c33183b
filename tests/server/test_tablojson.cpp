#include "tablojson.h"

#include <QtTest>

using namespace dorvanto;

namespace {
// JSON written with single quotes, for readability.
QByteArray J(const char *s) { return QByteArray(s).replace(char(39), char(34)); }

TableData ornekTablo()
{
    TableData t;
    t.addColumn({"STOKNO", FieldType::Int});
    t.addColumn({"ADI", FieldType::String, 50});
    t.addColumn({"FIYAT", FieldType::Float});
    t.addColumn({"TUTAR", FieldType::Currency});
    t.addColumn({"ADET", FieldType::Int64});
    t.addColumn({"VAR", FieldType::Bool});
    t.addColumn({"TARIH", FieldType::Date});
    t.addColumn({"SAAT", FieldType::DateTime});
    t.addColumn({"NOT", FieldType::Memo});
    t.addColumn({"RESIM", FieldType::Blob});
    int r = t.appendRow();
    t.set(r, 0, 1042);
    t.set(r, 1, QString("Fren balatası \"ön\" \\ şİğüÇ\n\t\x01"));
    t.set(r, 2, 0.1);
    t.set(r, 3, 1234567.891);
    t.set(r, 4, qlonglong(9007199254740993LL));
    t.set(r, 5, true);
    t.set(r, 6, 45000.0);
    t.set(r, 7, 45000.75);
    t.set(r, 8, QString(2000, QChar(0x015F)));
    t.set(r, 9, QByteArray("\x00\xff\x10 binary", 10));
    r = t.appendRow(); // all nulls
    r = t.appendRow();
    t.set(r, 0, -2147483647 - 1);
    t.set(r, 1, QString(""));
    t.set(r, 2, -1e300);
    t.set(r, 5, false);
    return t;
}
} // namespace

class TestTabloJson : public QObject {
    Q_OBJECT
private slots:
    void roundTrip()
    {
        const TableData t = ornekTablo();
        const QByteArray metin = TabloJsonYaz(t);
        const TableData u = TabloJsonOku(std::string_view(metin.constData(), std::size_t(metin.size())));
        QCOMPARE(u.columnCount(), t.columnCount());
        QCOMPARE(u.rowCount, t.rowCount);
        for (int c = 0; c < t.columnCount(); ++c) {
            QCOMPARE(u.columns[c].def.name, t.columns[c].def.name);
            QCOMPARE(u.columns[c].def.type, t.columns[c].def.type);
            QCOMPARE(u.columns[c].def.size, t.columns[c].def.size);
            for (int r = 0; r < t.rowCount; ++r) {
                QCOMPARE(u.isNull(r, c), t.isNull(r, c));
                QCOMPARE(u.value(r, c), t.value(r, c));
            }
        }
        QCOMPARE(u.asString(0, 1), QString("Fren balatası \"ön\" \\ şİğüÇ\n\t\x01"));
        QCOMPARE(u.asInt64(0, 4), 9007199254740993LL);
        QCOMPARE(u.asFloat(0, 2), 0.1);
    }

    // Repeated texts are shared between cells, unique ones are not looked up for
    // long; either way every cell must come back with its own value.
    void manyRowsRepeatedAndUniqueTexts()
    {
        TableData t;
        t.addColumn({"MARKA", FieldType::String});
        t.addColumn({"BARKOD", FieldType::String});
        t.addColumn({"KARISIK", FieldType::String});
        const QStringList markalar{"BOSCH", "VALEO", "MAHLE", ""};
        for (int i = 0; i < 3000; ++i) {
            const int r = t.appendRow();
            t.set(r, 0, markalar[i % 4]);
            t.set(r, 1, QString("869%1").arg(i));
            t.set(r, 2, i < 1000 ? QString("SABİT") : QString("değişen %1").arg(i));
        }
        const QByteArray metin = TabloJsonYaz(t);
        const TableData u = TabloJsonOku(metin.toStdString());
        QCOMPARE(u.rowCount, 3000);
        for (int r = 0; r < 3000; ++r) {
            QCOMPARE(u.asString(r, 0), markalar[r % 4]);
            QCOMPARE(u.asString(r, 1), QString("869%1").arg(r));
            QCOMPARE(u.asString(r, 2), r < 1000 ? QString("SABİT") : QString("değişen %1").arg(r));
        }
    }

    void wireText()
    {
        TableData t;
        t.addColumn({"STOKNO", FieldType::Int});
        t.addColumn({"BARKOD", FieldType::String, 50});
        const int r = t.appendRow();
        t.set(r, 0, 1042);
        t.set(r, 1, QString("AB-1200"));
        t.appendRow();
        QCOMPARE(TabloJsonYaz(t),
                 J("{'columns':[{'name':'STOKNO','type':'int'},{'name':'BARKOD','type':'string','size':50}],"
                   "'rows':[[1042,'AB-1200'],[null,null]]}"));
    }

    void nonFiniteWrittenAsNull()
    {
        TableData t;
        t.addColumn({"FIYAT", FieldType::Float});
        t.set(t.appendRow(), 0, std::numeric_limits<double>::quiet_NaN());
        t.set(t.appendRow(), 0, std::numeric_limits<double>::infinity());
        const QByteArray metin = TabloJsonYaz(t);
        QCOMPARE(metin, QByteArray(J("{'columns':[{'name':'FIYAT','type':'float'}],'rows':[[null],[null]]}")));
    }

    void emptyTable()
    {
        const TableData u = TabloJsonOku(J("{'columns':[],'rows':[]}").toStdString());
        QCOMPARE(u.columnCount(), 0);
        QCOMPARE(u.rowCount, 0);
        const TableData v = TabloJsonOku(J("{'rows':[],'columns':[{'name':'A','type':'int','size':null}]}").toStdString());
        QCOMPARE(v.columnCount(), 1);
        QCOMPARE(v.rowCount, 0);
    }

    void acceptedValues_data()
    {
        QTest::addColumn<QString>("tur");
        QTest::addColumn<QByteArray>("deger");
        QTest::addColumn<QVariant>("beklenen");
        QTest::newRow("int") << "int" << QByteArray("-5") << QVariant(-5);
        QTest::newRow("int max") << "int" << QByteArray("2147483647") << QVariant(2147483647);
        QTest::newRow("int64 big") << "int64" << QByteArray("9223372036854775807")
                                   << QVariant(qlonglong(9223372036854775807LL));
        QTest::newRow("float from integer") << "float" << QByteArray("3") << QVariant(3.0);
        QTest::newRow("float exponent") << "float" << QByteArray("1.5e2") << QVariant(150.0);
        QTest::newRow("currency") << "currency" << QByteArray("12.34") << QVariant(12.34);
        QTest::newRow("date whole") << "date" << QByteArray("45000") << QVariant(45000.0);
        QTest::newRow("datetime fraction") << "datetime" << QByteArray("45000.5") << QVariant(45000.5);
        QTest::newRow("bool") << "bool" << QByteArray("true") << QVariant(true);
        QTest::newRow("string escapes") << "string" << QByteArray("\"a\\\"b\\u015f\\n\"")
                                        << QVariant(QString("a\"b\u015f\n"));
        QTest::newRow("memo") << "memo" << QByteArray(J("'uzun'")) << QVariant(QString("uzun"));
        QTest::newRow("blob") << "blob" << QByteArray(J("'AAEC'")) << QVariant(QByteArray("\x00\x01\x02", 3));
        QTest::newRow("null") << "int" << QByteArray("null") << QVariant();
    }
    void acceptedValues()
    {
        QFETCH(QString, tur);
        QFETCH(QByteArray, deger);
        QFETCH(QVariant, beklenen);
        const QByteArray metin = J("{'columns':[{'name':'X','type':'") + tur.toLatin1() + J("'}],'rows':[[") + deger + "]]}";
        const TableData u = TabloJsonOku(metin.toStdString());
        QCOMPARE(u.rowCount, 1);
        QCOMPARE(u.value(0, 0), beklenen);
    }

    void rejected_data()
    {
        QTest::addColumn<QByteArray>("metin");
        QTest::addColumn<QString>("mesajParcasi");
        QTest::newRow("not json") << QByteArray("{\"columns\": [") << "JSON değil";
        QTest::newRow("html") << QByteArray("<html>hata</html>") << "JSON değil";
        QTest::newRow("empty") << QByteArray("") << "JSON değil";
        QTest::newRow("array") << QByteArray("[]") << "Tablo bekleniyordu";
        QTest::newRow("no columns") << QByteArray(J("{'rows':[]}")) << "\"columns\" üyesi yok";
        QTest::newRow("no rows") << QByteArray(J("{'columns':[]}")) << "\"rows\" üyesi yok";
        QTest::newRow("columns object") << QByteArray(J("{'columns':{},'rows':[]}")) << "dizi değil";
        QTest::newRow("rows object") << QByteArray(J("{'columns':[],'rows':{}}")) << "dizi değil";
        QTest::newRow("column not object") << QByteArray(J("{'columns':['A'],'rows':[]}")) << "nesne değil";
        QTest::newRow("column without name") << QByteArray(J("{'columns':[{'type':'int'}],'rows':[]}")) << "adı yok";
        QTest::newRow("column empty name") << QByteArray(J("{'columns':[{'name':'','type':'int'}],'rows':[]}"))
                                           << "adı yok";
        QTest::newRow("column without type") << QByteArray(J("{'columns':[{'name':'A'}],'rows':[]}")) << "türü yok";
        QTest::newRow("unknown type") << QByteArray(J("{'columns':[{'name':'A','type':'decimal'}],'rows':[]}"))
                                      << "türü bilinmiyor: decimal";
        QTest::newRow("bad size") << QByteArray(J("{'columns':[{'name':'A','type':'string','size':-1}],'rows':[]}"))
                                  << "uzunluğu geçersiz";
        QTest::newRow("duplicate column")
            << QByteArray(J("{'columns':[{'name':'A','type':'int'},{'name':'a','type':'int'}],'rows':[]}"))
            << "iki kez";
        QTest::newRow("row not array") << QByteArray(J("{'columns':[{'name':'A','type':'int'}],'rows':[1]}"))
                                       << "1. satır dizi değil";
        QTest::newRow("short row")
            << QByteArray(J("{'columns':[{'name':'A','type':'int'},{'name':'B','type':'int'}],'rows':[[1,2],[1]]}"))
            << "2. satırda 1 değer var, 2 sütun";
        QTest::newRow("long row") << QByteArray(J("{'columns':[{'name':'A','type':'int'}],'rows':[[1,2]]}"))
                                  << "1. satırda 2 değer var, 1 sütun";
        QTest::newRow("string in int")
            << QByteArray(J("{'columns':[{'name':'STOKNO','type':'int'}],'rows':[['12']]}")) << "STOKNO";
        QTest::newRow("fraction in int") << QByteArray(J("{'columns':[{'name':'A','type':'int'}],'rows':[[1.5]]}"))
                                         << "ondalıklı sayı değer olamaz";
        QTest::newRow("int overflow") << QByteArray(J("{'columns':[{'name':'A','type':'int'}],'rows':[[2147483648]]}"))
                                      << "32 bitlik";
        QTest::newRow("int64 overflow")
            << QByteArray(J("{'columns':[{'name':'A','type':'int64'}],'rows':[[18446744073709551615]]}"))
            << "sınırların dışında";
        QTest::newRow("number in string")
            << QByteArray(J("{'columns':[{'name':'ADI','type':'string'}],'rows':[[5]]}")) << "ADI";
        QTest::newRow("string in float")
            << QByteArray(J("{'columns':[{'name':'FIYAT','type':'float'}],'rows':[['1,5']]}")) << "metin değer olamaz";
        QTest::newRow("number in bool") << QByteArray(J("{'columns':[{'name':'A','type':'bool'}],'rows':[[1]]}"))
                                        << "tamsayı değer olamaz";
        QTest::newRow("fraction in date") << QByteArray(J("{'columns':[{'name':'A','type':'date'}],'rows':[[1.5]]}"))
                                          << "tam gün";
        QTest::newRow("bad base64") << QByteArray(J("{'columns':[{'name':'A','type':'blob'}],'rows':[['@@@']]}"))
                                    << "base64";
        QTest::newRow("object value") << QByteArray(J("{'columns':[{'name':'A','type':'string'}],'rows':[[{}]]}"))
                                      << "nesne değer olamaz";
        QTest::newRow("bad utf8") << QByteArray("{\"columns\":[{\"name\":\"A\",\"type\":\"string\"}],\"rows\":[[\"\xff\"]]}")
                                  << "JSON değil";
        QTest::newRow("trailing garbage") << QByteArray(J("{'columns':[],'rows':[]} x")) << "JSON değil";
    }
    void rejected()
    {
        QFETCH(QByteArray, metin);
        QFETCH(QString, mesajParcasi);
        try {
            TabloJsonOku(metin.toStdString());
            QFAIL("the bad table was accepted");
        } catch (const ServerError &e) {
            QVERIFY2(e.message().contains(mesajParcasi), qPrintable(e.message()));
        }
    }
};

QTEST_GUILESS_MAIN(TestTabloJson)
#include "test_tablojson.moc"
