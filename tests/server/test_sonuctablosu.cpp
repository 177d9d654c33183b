#include "sonuctablosu.h"
#include "tablojson.h"

#include <QSignalSpy>
#include <QtTest>

using namespace dorvanto;

namespace {
QByteArray J(const char *s) { return QByteArray(s).replace(char(39), char(34)); }

TableData tablo(const char *metin) { return TabloJsonOku(J(metin).toStdString()); }

const char *kCariler = "{'columns':[{'name':'CARINO','type':'int'},{'name':'CARIADI','type':'string'},"
                       "{'name':'BAKIYE','type':'float'}],"
                       "'rows':[[10,'Öz Oto',1.5],[20,'Kaya Motor',-3],[30,'Öz Oto',0]]}";
} // namespace

class TestSonucTablosu : public QObject {
    Q_OBJECT
private slots:
    void readerIntoEmptyTableTakesItsColumns()
    {
        ResultTable t;
        t.loadFromReader(tablo(kCariler));
        QVERIFY(t.active());
        QCOMPARE(t.fieldCount(), 3);
        QCOMPARE(t.recordCount(), 3);
        QCOMPARE(t.fieldByName("CARIADI").asString(), QString("Öz Oto"));
    }

    void readerKeepsMatchingColumns()
    {
        ResultTable t;
        t.addFieldDef({"CARINO", FieldType::Int});
        t.loadFromReader(tablo(kCariler));
        QCOMPARE(t.fieldCount(), 3);
        QCOMPARE(t.asInteger(2, 0), 30);
        // a second reader with the same columns replaces the rows
        t.loadFromReader(tablo("{'columns':[{'name':'CARINO','type':'int'},{'name':'CARIADI','type':'string'},"
                               "{'name':'BAKIYE','type':'float'}],'rows':[[99,'Yeni',1]]}"));
        QCOMPARE(t.recordCount(), 1);
        QCOMPARE(t.asInteger(0, 0), 99);
    }

    void readerWithOtherColumnNamesFails()
    {
        ResultTable t;
        t.loadFromReader(tablo(kCariler));
        QVERIFY_THROWS_EXCEPTION(TableError,
                                 t.loadFromReader(tablo("{'columns':[{'name':'STOKNO','type':'int'}],'rows':[[1]]}")));
        // nothing changed
        QCOMPARE(t.recordCount(), 3);
        QCOMPARE(t.fieldDef(0).name, QString("CARINO"));
    }

    void packetReplacesColumns()
    {
        ResultTable t;
        t.loadFromReader(tablo(kCariler));
        t.loadFromPacket(tablo("{'columns':[{'name':'STOKNO','type':'int'}],'rows':[[1],[2]]}"));
        QCOMPARE(t.fieldCount(), 1);
        QCOMPARE(t.fieldDef(0).name, QString("STOKNO"));
        QCOMPARE(t.recordCount(), 2);
    }

    void cursorWalk()
    {
        ResultTable t;
        QCOMPARE(t.recNo(), -1);
        QVERIFY(t.eof());
        t.loadFromPacket(tablo(kCariler));
        t.first();
        QList<int> gorulen;
        while (!t.eof()) {
            gorulen << t.fieldByName("CARINO").asInteger();
            t.next();
        }
        QCOMPARE(gorulen, (QList<int>{10, 20, 30}));
        t.emptyTable();
        QCOMPARE(t.recordCount(), 0);
        t.first();
        QVERIFY(t.eof());
        QVERIFY(t.fieldByName("CARINO").isNull());
    }

    void locate_data()
    {
        QTest::addColumn<QString>("alan");
        QTest::addColumn<QVariant>("deger");
        QTest::addColumn<bool>("bulundu");
        QTest::addColumn<int>("satir");
        QTest::newRow("int") << "CARINO" << QVariant(20) << true << 1;
        QTest::newRow("int as text") << "CARINO" << QVariant("30") << true << 2;
        QTest::newRow("float") << "BAKIYE" << QVariant(-3.0) << true << 1;
        QTest::newRow("text first match") << "CARIADI" << QVariant("Öz Oto") << true << 0;
        QTest::newRow("text exact") << "CARIADI" << QVariant("öz oto") << false << 2;
        QTest::newRow("missing value") << "CARINO" << QVariant(40) << false << 2;
    }
    void locate()
    {
        QFETCH(QString, alan);
        QFETCH(QVariant, deger);
        QFETCH(bool, bulundu);
        QFETCH(int, satir);
        ResultTable t;
        t.loadFromPacket(tablo(kCariler));
        t.setRecNo(2);
        QCOMPARE(t.locate(alan, deger), bulundu);
        QCOMPARE(t.recNo(), satir);
    }

    void controlsDisabledDuringLoad()
    {
        ResultTable t;
        ResultTableModel model(&t);
        QSignalSpy sifirlama(&model, &QAbstractItemModel::modelReset);
        t.disableControls();
        QCOMPARE(model.rowCount(), 0);
        t.loadFromPacket(tablo(kCariler));
        t.setDisplayFormat(2, "#,###,##0.00");
        QCOMPARE(sifirlama.count(), 0);      // no news per step while disabled
        t.enableControls();
        QCOMPARE(sifirlama.count(), 1);      // one refresh at the end
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.columnCount(), 3);
        QCOMPARE(model.data(model.index(1, 1)).toString(), QString("Kaya Motor"));
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QString("CARINO"));
    }

    void modelFollowsLoads()
    {
        ResultTable t;
        ResultTableModel model(&t);
        QSignalSpy sifirlama(&model, &QAbstractItemModel::modelReset);
        t.loadFromPacket(tablo(kCariler));
        QCOMPARE(sifirlama.count(), 1);
        QCOMPARE(model.rowCount(), 3);
        QSignalSpy degisim(&model, &QAbstractItemModel::dataChanged);
        t.setValue(0, 0, 11);
        QCOMPARE(degisim.count(), 1);
        QCOMPARE(model.data(model.index(0, 0), ResultTableModel::RawValueRole).toInt(), 11);
    }
};

QTEST_GUILESS_MAIN(TestSonucTablosu)
#include "test_sonuctablosu.moc"
