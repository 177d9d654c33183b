#include "stoklistesi.h"

#include "aramakatlama.h"
#include "beklesin.h"
#include "datagrid.h"
#include "fiyatsunumu.h"
#include "mesajgoster.h"
#include "sayibicimi.h"
#include "sepetislemleri.h"
#include "servermethods.h"
#include "sonuctablosu.h"
#include "stokayarinti.h"
#include "transfernesneleri.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMovie>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <QTabWidget>
#include <QTableView>
#include <QThreadPool>
#include <QVBoxLayout>

namespace dorvanto {

QString StokListesiSayiBasligi(int satirSayisi)
{
    return QString::number(satirSayisi) + QLatin1Char('=') + QLatin1String(StokListesiBasligi);
}

bool StokListesiGetir(const ServerConnection &bagc, const QString &kod, std::unique_ptr<TSonucBilgisi> bilgi,
                      TableData &hedef)
{
    try {
        std::unique_ptr<ServerConnection> klon = bagc.Clone();
        if (!BaglantiAc(*klon, false))
            return false;
        TableData tablo;
        {
            TServerMethods1Client istemci(*klon);
            DataPacket *paket = istemci.StokAraGetir(kod, std::move(bilgi));
            if (!paket)
                return false;
            tablo = std::move(paket->data);
        }
        klon->Close();
        if (tablo.indexOf(QStringLiteral("IND1")) < 0)
            return false;  // not a stock answer
        for (ColumnData &c : tablo.columns)
            if (c.def.type == FieldType::Float)
                c.def.displayFormat = QLatin1String(ParaBicimi);
        hedef = std::move(tablo);
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

namespace {

// Frees a table's rows on a worker thread. Its texts are implicitly shared strings,
// whose counts are atomic: a copy still held by the GUI thread stays valid.
void EskiSatirlariBirak(TableData &&eski)
{
    if (eski.rowCount == 0 && eski.columns.empty())
        return;
    auto tasiyici = std::make_shared<TableData>(std::move(eski));
    QThreadPool::globalInstance()->start([tasiyici = std::move(tasiyici)]() mutable { tasiyici.reset(); });
}

// `gridSatiri`: the row's index among the grid's rows (its colour), `tabloSatiri`: its row in `stok`.
void fiyatBlokuCiz(const ResultTable *stok, QPainter *p, const QStyleOptionViewItem &o, int gridSatiri, int tabloSatiri)
{
    const bool secili = o.state & QStyle::State_Selected;
    p->save();
    p->fillRect(o.rect, FiyatHucreRengi(gridSatiri, secili));
    if (stok && tabloSatiri >= 0 && tabloSatiri < stok->recordCount()) {
        QString metin = FiyatBilgisiMetni(*stok, tabloSatiri);
        const QFont yazi = FiyatBilgisiYazisi(o.font, metin, o.rect.size(), p->device());
        metin.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (metin.endsWith(QLatin1Char('\n')))
            metin.chop(1);
        const QRect alan = o.rect.adjusted(FiyatBilgisiKenarBosluk, 0, -FiyatBilgisiKenarBosluk, 0);
        p->setFont(yazi);
        p->setPen(o.palette.color(QPalette::Text));
        p->drawText(alan, FiyatBilgisiHizasi, metin);
    }
    p->restore();
}

} // namespace

StokListesiSayfasi::StokListesiSayfasi(const StokSayfasiParcalari &parcalar, QObject *parent)
    : QObject(parent), p(parcalar)
{
    cxGrid1 = new DataGrid(p.sstoklistesi);
    cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    if (p.sstoklistesi) {
        auto *yerlesim = qobject_cast<QVBoxLayout *>(p.sstoklistesi->layout());
        if (!yerlesim && !p.sstoklistesi->layout()) {
            yerlesim = new QVBoxLayout(p.sstoklistesi);
            yerlesim->setContentsMargins(0, 0, 0, 0);
        }
        if (p.sstoklistesi->layout())
            p.sstoklistesi->layout()->addWidget(cxGrid1);
    }

    std::vector<GridColumn> kolonlar;
    const ResultTable *stok = p.stok;
    for (const StokKolonu &k : StokKolonlari()) {
        GridColumn c;
        if (k.alan == QLatin1String(FiyatBilgisiKolonu)) {
            // the grid hands the painter the table row; the colours go by the grid's row
            DataGrid *grid = cxGrid1;
            c = GridColumn::custom(k.alan, k.baslik, k.agirlik,
                                   [stok, grid](QPainter *pn, const QStyleOptionViewItem &o, int r) {
                                       fiyatBlokuCiz(stok, pn, o, grid->gridModel()->gridRow(r), r);
                                   });
        } else {
            c = GridColumn(k.alan, k.baslik, k.agirlik);
        }
        if (k.alan == QLatin1String("DURUM"))
            c.status();
        else if (k.alan == QLatin1String("RESIM"))
            c.yesNo(YesNoIcon::Picture);
        else if (k.alan == QLatin1String("Y"))
            c.yesNo(YesNoIcon::New);
        else if (k.alan == QLatin1String("K"))
            c.yesNo(YesNoIcon::Campaign);
        else if (k.alan == QLatin1String("OEM1"))
            c.countInFooter();
        c.shown(KolonBaslangictaGorunur(k, 0, true));
        c.offer(KolonTeklifEdilir(k, 0));
        kolonlar.push_back(std::move(c));
    }
    cxGrid1->setColumns(std::move(kolonlar));
    cxGrid1->setRowHeight(GenisSatirYuksekligi);
    cxGrid1->setHeaderHeight(BaslikYuksekligi);
    cxGrid1->setRowIndicator(true);
    cxGrid1->setFilterButtons(true);
    cxGrid1->setColumnChooserEnabled(true);
    cxGrid1->setIncrementalSearch(true);
    cxGrid1->setFooterVisible(true);
    cxGrid1->setSelectionColor(QColor::fromRgb(SeciliSatirRengi));
    if (p.stok)
        cxGrid1->bind(p.stok);

    MenuKur();
    connect(cxGrid1, &DataGrid::rowDoubleClicked, this, [this](int) { cxGrid1DBTableView1DblClick(); });
    connect(cxGrid1, &DataGrid::resized, this, &StokListesiSayfasi::StokKolonlariAyarla);

    if (p.araedit)
        p.araedit->installEventFilter(this);
    if (p.SpeedButton2)
        connect(p.SpeedButton2, &QAbstractButton::clicked, this, &StokListesiSayfasi::SpeedButton2Click);
    if (p.SpeedButton1)
        connect(p.SpeedButton1, &QAbstractButton::clicked, this, &StokListesiSayfasi::SpeedButton1Click);
}

StokListesiSayfasi::~StokListesiSayfasi() = default;

void StokListesiSayfasi::MenuKur()
{
    popstok = new QMenu(cxGrid1);
    popstok->setObjectName(QStringLiteral("popstok"));
    QAction *S2 = popstok->addAction(QStringLiteral("Sepete Ekle"));
    S2->setObjectName(QStringLiteral("S2"));
    connect(S2, &QAction::triggered, this, &StokListesiSayfasi::cxGrid1DBTableView1DblClick);
    popstok->addSeparator();
    QAction *bakiye = popstok->addAction(QStringLiteral("Sipariş Bakiyeleriniz"));
    bakiye->setObjectName(QStringLiteral("SiparisBakiyeleriniz1"));
    connect(bakiye, &QAction::triggered, this, [this] {
        if (siparisBakiyeleriAc)
            siparisBakiyeleriAc();
    });
    popstok->addSeparator();
    QAction *hareket = popstok->addAction(QStringLiteral("Siparişleri Göster"));
    hareket->setObjectName(QStringLiteral("SiparisleriGoster1"));
    connect(hareket, &QAction::triggered, this, [this] {
        const int r = cxGrid1->focusedRow();
        if (r < 0 || !siparisleriGosterAc || !p.stok)
            return;
        siparisleriGosterAc(AlanTamsayi(*p.stok, r, QStringLiteral("STOK_STOKNO")));
    });
    QTableView *v = cxGrid1->view();
    v->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(v, &QWidget::customContextMenuRequested, this, [this, v](const QPoint &nokta) {
        popstok->popup(v->viewport()->mapToGlobal(nokta));
    });
}

void StokListesiSayfasi::MusteriTipiUygula(int musteriTipi)
{
    m_musteriTipi = musteriTipi;
    for (const StokKolonu &k : StokKolonlari()) {
        if (k.gorunum == StokKolonu::Gorunum::GenisDuzen || k.gorunum == StokKolonu::Gorunum::DarDuzen) {
            if (k.tip4Gizli && musteriTipi == 4)
                cxGrid1->setColumnVisible(k.alan, false);
        } else {
            cxGrid1->setColumnVisible(k.alan, KolonBaslangictaGorunur(k, musteriTipi, m_genis));
        }
        cxGrid1->setColumnOffered(k.alan, KolonTeklifEdilir(k, musteriTipi));
    }
    StokKolonlariAyarla();
}

bool StokListesiSayfasi::eventFilter(QObject *o, QEvent *e)
{
    if (o == p.araedit && e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            SpeedButton2Click();
            return true;
        }
        const QString yazilan = k->text();
        if (!yazilan.isEmpty() && yazilan.at(0).isPrint()
            && !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            const QString katlanmis = AramaMetniKatla(yazilan);
            if (katlanmis != yazilan) {
                p.araedit->insert(katlanmis);
                return true;
            }
        }
    }
    return QObject::eventFilter(o, e);
}

void StokListesiSayfasi::SekmeyiOneGetir()
{
    if (p.sPageControl1 && p.sstoklistesi && p.sPageControl1->currentWidget() != p.sstoklistesi)
        p.sPageControl1->setCurrentWidget(p.sstoklistesi);
}

void StokListesiSayfasi::BaslikYaz(const QString &baslik)
{
    if (!p.sPageControl1 || !p.sstoklistesi)
        return;
    const int i = p.sPageControl1->indexOf(p.sstoklistesi);
    if (i >= 0)
        p.sPageControl1->setTabText(i, baslik);
}

void StokListesiSayfasi::MesgulGoster(bool goster)
{
    if (!p.gifstokara)
        return;
    p.gifstokara->setVisible(goster);
    if (auto *l = qobject_cast<QLabel *>(p.gifstokara); l && l->movie()) {
        if (goster)
            l->movie()->start();
        else
            l->movie()->stop();
    }
}

void StokListesiSayfasi::SpeedButton2Click()
{
    if (!p.araedit || !p.araedit->isEnabled() || m_araniyor)
        return;
    AramayaBasla();
}

void StokListesiSayfasi::MetinleAra(const QString &metin)
{
    if (!p.araedit || !p.araedit->isEnabled() || m_araniyor)
        return;
    p.araedit->setText(metin);
    AramayaBasla();
}

void StokListesiSayfasi::AramayaBasla()
{
    SekmeyiOneGetir();
    m_araniyor = true;
    p.araedit->setEnabled(false);
    MesgulGoster(true);
    cxGrid1->detach();
    cxGrid1->beginUpdate();
    cxGrid1->clearFilter();

    const QString kod = p.araedit->text();
    auto bilgi = std::shared_ptr<TSonucBilgisi>(p.sbilgi->Kopya().release());
    auto tablo = std::make_shared<TableData>();
    auto basarili = std::make_shared<bool>(false);
    const ServerConnection *bagc = p.bagc;
    Async([bagc, kod, bilgi, tablo, basarili] {
        auto kopya = std::make_unique<TSonucBilgisi>();
        kopya->Kopyala(*bilgi);
        *basarili = StokListesiGetir(*bagc, kod, std::move(kopya), *tablo);
    }).Await([this, tablo, basarili] {
        if (*basarili) {
            p.stok->assign(std::move(*tablo));
            // assign() swapped the previous rows into `tablo`; tens of thousands of rows
            // take tens of milliseconds to free, so that happens off the GUI thread.
            EskiSatirlariBirak(std::move(*tablo));
        }
        AramaBitti(*basarili, 0);
    }, this);
}

void StokListesiSayfasi::AramaBitti(bool basarili, int)
{
    m_araniyor = false;
    p.araedit->setEnabled(true);
    cxGrid1->attach();
    cxGrid1->endUpdate();
    p.araedit->selectAll();
    p.araedit->setFocus();
    MesgulGoster(false);
    if (basarili) {
        BaslikYaz(StokListesiSayiBasligi(p.stok->recordCount()));
    } else {
        if (p.stok->active())
            p.stok->emptyTable();
        MesajGoster(QString::fromUtf8(BaglantiKurulamiyorMesaji), mtHata, YalnizTamam, vdTamam, p.anaPencere);
        BaslikYaz(QLatin1String(StokListesiBasligi));
    }
    // A resize during the search did not relayout the grid; the layout follows now.
    StokKolonlariAyarla();
    emit aramaBitti(basarili);
}

void StokListesiSayfasi::SpeedButton1Click()
{
    if (!p.araedit || !p.araedit->isEnabled() || m_araniyor)
        return;
    if (p.stok && p.stok->active()) {
        p.stok->emptyTable();
        BaslikYaz(QLatin1String(StokListesiBasligi));
    }
    SekmeyiOneGetir();
    cxGrid1->clearFilter();
    p.araedit->clear();
    p.araedit->selectAll();
    p.araedit->setFocus();
}

void StokListesiSayfasi::CariDegisti()
{
    if (p.stok && p.stok->active())
        p.stok->emptyTable();
    BaslikYaz(StokListesiSayiBasligi(0));
    SekmeyiOneGetir();
    if (p.araedit) {
        p.araedit->selectAll();
        p.araedit->setFocus();
    }
}

void StokListesiSayfasi::cxGrid1DBTableView1DblClick()
{
    if (m_araniyor || !p.stok || !p.sepet || !p.sbilgi)
        return;
    const int satir = cxGrid1->focusedRow();
    if (satir < 0 || satir >= p.stok->recordCount())
        return;
    const int stokno = AlanTamsayi(*p.stok, satir, QStringLiteral("STOK_STOKNO"));
    p.stok->setRecNo(satir);
    if (!p.sepet->yuklendi())
        p.sepet->SepetYukle();
    int sirano = 0;
    QWidget *sahip = p.anaPencere ? p.anaPencere : cxGrid1->window();
    if (p.sepet->SatirBul(stokno, sirano))
        SepetSatiriDegistir(sahip, sirano, *p.sbilgi, *p.sepet);
    else
        SatirdanSepeteEkle(sahip, *p.stok, Kaynak::StokListesi, *p.sbilgi, *p.sepet);
}

int StokListesiSayfasi::SutunAlani() const
{
    // Before the grid is shown its viewport has no width of its own yet.
    QTableView *v = cxGrid1->view();
    if (!v->isVisible())
        return -1;
    int alan = v->viewport()->width();
    // a vertical scroll bar not shown now comes with the rows of the next search
    if (!v->verticalScrollBar()->isVisibleTo(v))
        alan -= v->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, v->verticalScrollBar());
    return alan;
}

void StokListesiSayfasi::StokKolonlariAyarla()
{
    if (!p.araedit || !p.araedit->isEnabled() || m_araniyor)
        return;
    const int W = p.anaPencere ? p.anaPencere->width() : cxGrid1->window()->width();
    m_genis = GenisDuzenMi(W);
    cxGrid1->beginUpdate();
    for (const StokKolonu &k : StokKolonlari()) {
        if (GenisDuzenFiyatKolonu(k.alan))
            cxGrid1->setColumnVisible(k.alan, m_genis && !(k.tip4Gizli && m_musteriTipi == 4));
        else if (k.alan == QLatin1String(FiyatBilgisiKolonu))
            cxGrid1->setColumnVisible(k.alan, !m_genis);
    }
    cxGrid1->setRowHeight(m_genis ? GenisSatirYuksekligi : DarSatirYuksekligi);
    // weight × unit for every visible column; in the narrow layout OEM1–OEM3 80 and the
    // price block 150, "Açıklama" giving up what those take beyond the columns' room
    const QVector<StokKolonu> &kolonlar = StokKolonlari();
    QVector<bool> gorunur(kolonlar.size());
    for (int i = 0; i < kolonlar.size(); ++i)
        gorunur[i] = cxGrid1->isColumnVisible(kolonlar[i].alan);
    const QVector<int> genislik = StokKolonGenislikleri(gorunur, cxGrid1->width(), m_genis, SutunAlani());
    for (int i = 0; i < kolonlar.size(); ++i)
        if (gorunur[i])
            cxGrid1->setColumnWidth(kolonlar[i].alan, genislik[i]);
    cxGrid1->endUpdate();
}

} // namespace dorvanto
