#include "datagrid.h"
#include "gridexcel.h"
#include "gridtestdata.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

using namespace dorvanto;
using namespace gridtest;

namespace {

// A reader of the parts of an .xlsx the export writes, through unzip.
struct Xlsx {
    struct Cell {
        QString type;   // "s" shared string, "" number, ...
        int style = 0;
        QString value;
    };
    QMap<QString, Cell> cells;          // "A1" -> cell
    QStringList strings;                // shared strings
    QList<int> xfNumFmt;                // numFmtId per cell style
    QMap<int, QString> numFmts;         // custom number formats

    static QByteArray part(const QString &file, const QString &name)
    {
        QProcess unzip;
        unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), file, name});
        if (!unzip.waitForFinished(30000) || unzip.exitCode() != 0)
            return {};
        return unzip.readAllStandardOutput();
    }

    bool read(const QString &file)
    {
        const QByteArray sheet = part(file, QStringLiteral("xl/worksheets/sheet1.xml"));
        if (sheet.isEmpty())
            return false;
        QXmlStreamReader x(sheet);
        QString ref;
        while (!x.atEnd()) {
            x.readNext();
            if (x.isStartElement() && x.name() == QLatin1String("c")) {
                ref = x.attributes().value("r").toString();
                Cell c;
                c.type = x.attributes().value("t").toString();
                c.style = x.attributes().value("s").toInt();
                cells.insert(ref, c);
            } else if (x.isStartElement() && x.name() == QLatin1String("v")) {
                cells[ref].value = x.readElementText();
            }
        }
        QXmlStreamReader s(part(file, QStringLiteral("xl/sharedStrings.xml")));
        while (!s.atEnd()) {
            s.readNext();
            if (s.isStartElement() && s.name() == QLatin1String("t"))
                strings << s.readElementText();
        }
        QXmlStreamReader st(part(file, QStringLiteral("xl/styles.xml")));
        bool inXfs = false;
        while (!st.atEnd()) {
            st.readNext();
            if (st.isStartElement() && st.name() == QLatin1String("numFmt"))
                numFmts.insert(st.attributes().value("numFmtId").toInt(), st.attributes().value("formatCode").toString());
            if (st.isStartElement() && st.name() == QLatin1String("cellXfs"))
                inXfs = true;
            if (st.isEndElement() && st.name() == QLatin1String("cellXfs"))
                inXfs = false;
            if (inXfs && st.isStartElement() && st.name() == QLatin1String("xf"))
                xfNumFmt << st.attributes().value("numFmtId").toInt();
        }
        return true;
    }
    QString text(const QString &ref) const
    {
        const Cell c = cells.value(ref);
        if (c.type == QLatin1String("s"))
            return strings.value(c.value.toInt());
        return c.value;
    }
    bool isNumber(const QString &ref) const { return cells.contains(ref) && cells.value(ref).type.isEmpty(); }
    QString numberFormat(const QString &ref) const
    {
        const int id = xfNumFmt.value(cells.value(ref).style);
        if (id == 4)
            return QStringLiteral("#,##0.00"); // built-in
        if (id == 0)
            return QStringLiteral("General");
        return numFmts.value(id);
    }
};

} // namespace

class TestGridExcel : public QObject {
    Q_OBJECT
private:
    ResultTable *table = nullptr;
    DataGrid *grid = nullptr;
    QTemporaryDir *dir = nullptr;
    QStringList errors;
    QStringList filters;
    QString answer;

    QString exportNamed(const QString &name)
    {
        answer = name.isEmpty() ? QString() : dir->filePath(name);
        GridExcelKaydet(grid, grid);
        return answer.isEmpty() ? QString() : ExcelDosyaAdi(answer);
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        SetKaydetDiyalogu([this](QWidget *, const QString &filter) {
            filters << filter;
            return answer;
        });
        SetVarsayilanHataGosterici([this](QWidget *, const QString &message) { errors << message; });
    }
    void cleanupTestCase()
    {
        SetKaydetDiyalogu({});
        SetVarsayilanHataGosterici({});
    }
    void init()
    {
        errors.clear();
        filters.clear();
        dir = new QTemporaryDir;
        QVERIFY(dir->isValid());
        table = new ResultTable;
        loadBasket(*table);
        grid = new DataGrid;
        grid->setColumns(basketColumns());
        grid->setFooterVisible(true);
        grid->bind(table);
        grid->resize(900, 300);
    }
    void cleanup()
    {
        delete grid;
        delete table;
        delete dir;
    }

    void fileNames_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("xls becomes xlsx") << "/tmp/a/sepet.xls" << "/tmp/a/sepet.xlsx";
        QTest::newRow("xlsx stays") << "/tmp/a/sepet.xlsx" << "/tmp/a/sepet.xlsx";
        QTest::newRow("other extension replaced") << "/tmp/a/sepet.txt" << "/tmp/a/sepet.xlsx";
        QTest::newRow("no extension") << "/tmp/a.b/sepet" << "/tmp/a.b/sepet.xlsx";
        QTest::newRow("last extension only") << "/tmp/rapor.2024.xls" << "/tmp/rapor.2024.xlsx";
        QTest::newRow("trailing dot") << "/tmp/sepet." << "/tmp/sepet.xlsx";
    }
    void fileNames()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QCOMPARE(ExcelDosyaAdi(chosen), written);
    }

    void exportWritesNumbersFormatsAndCaptions()
    {
        const QString file = exportNamed(QStringLiteral("sepet.xls"));
        QCOMPARE(filters, QStringList{"Excel|*.xls*"});
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
        QVERIFY(QFile::exists(file));
        QVERIFY(!QFile::exists(dir->filePath("sepet.xls")));
        Xlsx x;
        QVERIFY(x.read(file));
        // captions of the visible columns in order, the hidden SIRANO left out
        const QStringList header = {"Seç", "Durum", "Resim", "Barkod", "Stok Açıklama", "Miktar", "Net Tutar", "Veren"};
        for (int i = 0; i < header.size(); ++i)
            QCOMPARE(x.text(QString(QChar('A' + i)) + "1"), header.at(i));
        QVERIFY(!x.cells.contains("I1"));
        // numbers are numbers, money carries the money number format
        QVERIFY(x.isNumber("A2"));
        QCOMPARE(x.text("A2"), QString("1"));
        QVERIFY(x.isNumber("B4"));
        QCOMPARE(x.text("B4"), QString("3"));
        QVERIFY(x.isNumber("G2"));
        QCOMPARE(x.text("G2").toDouble(), 1234.5);
        QCOMPARE(x.numberFormat("G2"), QString("#,##0.00"));
        QCOMPARE(x.numberFormat("F2"), QString("General"));
        QCOMPARE(x.text("D2"), QString("AB100"));
        QCOMPARE(x.text("E3"), QString("YAĞ FİLTRESİ"));
        QCOMPARE(x.cells.value("E3").type, QString("s"));
        // a null value leaves its cell empty
        QVERIFY(!x.cells.contains("C5"));
        // the footer: count and sums
        QCOMPARE(x.text("D6"), QString("4"));
        QCOMPARE(x.text("F6"), QString("11"));
        QCOMPARE(x.text("G6").toDouble(), 1234.5 + 99.99 + 2500.0 + 45.1);
        QCOMPARE(x.numberFormat("G6"), QString("#,##0.00"));
        QVERIFY(!x.cells.contains("A7"));
    }

    void exportFollowsFilterAndColumnOrder()
    {
        grid->setColumnFilter("VEREN", "ALİ");
        grid->setColumnVisible("DURUM", false);
        const QString file = exportNamed(QStringLiteral("ali.xlsx"));
        Xlsx x;
        QVERIFY(x.read(file));
        QCOMPARE(x.text("B1"), QString("Resim"));
        QCOMPARE(x.text("C2"), QString("AB100"));
        QCOMPARE(x.text("C3"), QString("CD300"));
        QCOMPARE(x.text("C4"), QString("2")); // footer count
    }

    void exportExpandsGroups()
    {
        grid->groupBy("VEREN"); // groups start collapsed
        QCOMPARE(grid->rowCount(), 6);
        const QString file = exportNamed(QStringLiteral("gruplu.xls"));
        Xlsx x;
        QVERIFY(x.read(file));
        QCOMPARE(x.text("A2"), QString("Veren : ALİ"));
        QCOMPARE(x.text("D3"), QString("AB100"));
        QCOMPARE(x.text("D4"), QString("CD300"));
        QCOMPARE(x.text("D5"), QString("2"));          // group footer count
        QCOMPARE(x.text("G5").toDouble(), 3734.5);     // group footer sum
        QCOMPARE(x.text("A6"), QString("Veren : AYŞE"));
        QCOMPARE(x.text("D7"), QString("AB210"));
        QCOMPARE(x.text("A9"), QString("Veren : VELİ"));
        QCOMPARE(x.text("D10"), QString("AB200"));
        QCOMPARE(x.text("D12"), QString("4"));         // grand footer
    }

    void cancelWritesNothing()
    {
        exportNamed(QString());
        QCOMPARE(filters.size(), 1);
        QVERIFY(errors.isEmpty());
        QVERIFY(QDir(dir->path()).entryList(QDir::Files | QDir::NoDotAndDotDot).isEmpty());
    }

    void failureReachesTheErrorDisplay()
    {
        answer = dir->filePath(QStringLiteral("yok/klasor/sepet.xls"));
        GridExcelKaydet(grid, grid);
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors.at(0).contains(QStringLiteral("kaydedilemedi")));
        QVERIFY(errors.at(0).contains(QStringLiteral("sepet.xlsx")));
        QVERIFY(!QFile::exists(dir->filePath(QStringLiteral("yok/klasor/sepet.xlsx"))));
    }
};

QTEST_MAIN(TestGridExcel)
#include "test_gridexcel.moc"
