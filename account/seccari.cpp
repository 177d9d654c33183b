#include "seccari.h"

#include "caribilgileri.h"
#include "datagrid.h"

#include "beklesin.h"
#include "cikis.h"
#include "gorunum.h"
#include "mesajgoster.h"

#include "servermethods.h"
#include "sonuctablosu.h"
#include "yardimci.h"

#include <QApplication>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace dorvanto {

Tseccari::Tseccari(ServerConnection &b, TSonucBilgisi &bi, QWidget *owner)
    : QDialog(owner), bag(b), bilgim(bi), m_cariler(new ResultTable(this))
{
    setObjectName(QStringLiteral("seccari"));
    setWindowTitle(QStringLiteral("Cari Seçimi"));
    auto *kok = new QVBoxLayout(this);

    // Top: the eight buttons and the search edit.
    auto *ust = new QWidget(this);
    ust->setObjectName(QStringLiteral("ustpanel"));
    auto *ustDuzen = new QVBoxLayout(ust);
    ustDuzen->setContentsMargins(0, 0, 0, 0);
    auto *dugmeSatiri = new QHBoxLayout;
    dugmeSatiri->setSpacing(4);
    struct Tanim { const char *ad; const char *ipucu; const char *simge; int n; };
    const Tanim tanimlar[] = {
        {"sBitBtn2", "Tüm Carileri Listeler", "liste", 0},
        {"sepettus", "Sipariş sepetinde \nstok olan carileri listeler.", "sepet", 1},
        {"alinditus", "Yeni Alınan \nSiparişleri Listeler", "alindi", 2},
        {"onaylanditus", "Onaylanan Siparişler", "onay", 3},
        {"goruldutus", "Görülen Siparişler", "goruldu", 4},
        {"parcalihazirlandi", "Eksik Hazırlanan siparişler", "eksik", 5},
        {"hazirlanditus", "Hazırlanan Siparişler", "hazir", 6},
        {"sevktus", "Sevk Edilen Siparişler", "sevk", 7},
    };
    for (const Tanim &t : tanimlar) {
        QToolButton *d = DurumDugmesi(QLatin1String(t.ad), QString::fromUtf8(t.ipucu), QLatin1String(t.simge));
        dugmeSatiri->addWidget(d);
        const int n = t.n;
        if (n == 0)
            connect(d, &QToolButton::clicked, this, &Tseccari::TumCariler);
        else
            connect(d, &QToolButton::clicked, this, [this, n] {
                DurumListesi(n);
                if (n == 1)
                    AramaKutusunaDon();
            });
    }
    dugmeSatiri->addStretch(1);
    ustDuzen->addLayout(dugmeSatiri);
    NEdit1 = new QLineEdit(ust);
    NEdit1->setObjectName(QStringLiteral("NEdit1"));
    NEdit1->setFixedWidth(620);
    QFont af = NEdit1->font();
    af.setPixelSize(22);
    NEdit1->setFont(af);
    NEdit1->setPlaceholderText(QStringLiteral("Cari kodu veya adı ile arayınız"));
    BuyukHarfZorla(NEdit1);
    NEdit1->installEventFilter(this);
    ustDuzen->addWidget(NEdit1);
    kok->addWidget(ust);

    // Middle: the grid and, behind a splitter, "Cari Bilgileri".
    auto *bolucu = new QSplitter(Qt::Horizontal, this);
    bolucu->setObjectName(QStringLiteral("sSplitter1"));
    // The customer grid: read-only, typed text searches the focused column, the
    // number of customers under CARIKOD, no group-by box; the hidden columns can be
    // shown through the column chooser.
    cxGrid1 = new DataGrid(bolucu);
    cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    std::vector<GridColumn> kolonlar;
    for (const QString &ad : CariGorunenSutunlar()) {
        GridColumn c(ad);
        if (ad == QLatin1String("CARIKOD"))
            c.countInFooter();
        kolonlar.push_back(std::move(c));
    }
    for (const QString &ad : CariGizliSutunlar())
        kolonlar.push_back(GridColumn(ad).hidden());
    cxGrid1->setColumns(std::move(kolonlar));
    cxGrid1->setRowIndicator(true);
    cxGrid1->setColumnChooserEnabled(true);
    cxGrid1->setIncrementalSearch(true);
    cxGrid1->setFooterVisible(true);
    cxGrid1->setGroupByBoxVisible(false);
    cxGrid1->bind(m_cariler);
    cxGrid1->view()->installEventFilter(this);
    bolucu->addWidget(cxGrid1);

    auto *sag = new QWidget(bolucu);
    sag->setObjectName(QStringLiteral("sagpanel"));
    auto *sagDuzen = new QVBoxLayout(sag);
    sagDuzen->setContentsMargins(4, 0, 0, 0);
    m_bilgiKutusu = new QGroupBox(QStringLiteral("Cari Bilgileri"), sag);
    m_bilgiKutusu->setObjectName(QStringLiteral("caribilgileri"));
    auto *form = new QFormLayout(m_bilgiKutusu);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignTop);
    const QList<CariBilgiSatiri> bos = CariBilgiSatirlari(*m_cariler, -1);
    for (const CariBilgiSatiri &s : bos) {
        auto *deger = new QLabel(m_bilgiKutusu);
        deger->setObjectName(QStringLiteral("deger_") + s.etiket);
        deger->setWordWrap(true);
        deger->setTextInteractionFlags(Qt::TextSelectableByMouse);
        if (s.sagaYasli)
            deger->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto *etiket = new QLabel(s.etiket, m_bilgiKutusu);
        QFont kf = etiket->font();
        kf.setBold(true);
        etiket->setFont(kf);
        etiket->setAlignment(Qt::AlignRight | Qt::AlignTop);
        form->addRow(etiket, deger);
        m_degerler.insert(s.etiket, deger);
        if (s.ayiracSonra) {
            auto *cizgi = new QFrame(m_bilgiKutusu);
            cizgi->setFrameShape(QFrame::HLine);
            cizgi->setFrameShadow(QFrame::Sunken);
            form->addRow(cizgi);
        }
    }
    m_bilgiKutusu->hide();
    sagDuzen->addWidget(m_bilgiKutusu);
    sagDuzen->addStretch(1);
    sag->setMinimumWidth(380);
    bolucu->addWidget(sag);
    bolucu->setStretchFactor(0, 1);
    bolucu->setStretchFactor(1, 0);
    bolucu->setSizes({900, 380});
    kok->addWidget(bolucu, 1);

    // Bottom: "Seç" and "Vazgeç".
    auto *alt = new QHBoxLayout;
    auto *sec = new QPushButton(Simge(QStringLiteral("onay")), QStringLiteral("Seç"), this);
    sec->setObjectName(QStringLiteral("secbtn"));
    auto *vazgec = new QPushButton(Simge(QStringLiteral("temizle"), QColor(190, 30, 30)), QStringLiteral("Vazgeç"), this);
    vazgec->setObjectName(QStringLiteral("vazgecbtn"));
    for (QPushButton *d : {sec, vazgec}) {
        d->setMinimumSize(140, 40);
        d->setIconSize(QSize(24, 24));
        d->setAutoDefault(false);
    }
    alt->addWidget(sec);
    alt->addStretch(1);
    alt->addWidget(vazgec);
    kok->addLayout(alt);
    connect(sec, &QPushButton::clicked, this, &Tseccari::Sec);
    connect(vazgec, &QPushButton::clicked, this, &Tseccari::Vazgec);
    connect(cxGrid1, &DataGrid::rowDoubleClicked, this, [this](int) { Sec(); });

    // Popup of the grid. The report items and the open-balance window come with the
    // report and open-balance screens; until then they are present but disabled.
    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    QAction *ozet = m_popup->addAction(QStringLiteral("Cari Özeti Göster"));
    ozet->setObjectName(QStringLiteral("CariOzetiGoster1"));
    m_popup->addSeparator();
    QAction *bakiye = m_popup->addAction(QStringLiteral("Bakiyelerini Göster"));
    bakiye->setObjectName(QStringLiteral("BakiyeleriniGoster1"));
    m_popup->addSeparator();
    QAction *alisSatis = m_popup->addAction(QStringLiteral("Cari Alış Satış Tablosu (Satıcılı)"));
    alisSatis->setObjectName(QStringLiteral("CariAlisSatisTablosu1"));
    QAction *vadeler = m_popup->addAction(QStringLiteral("Cari Toplu Alacak Vadeleri"));
    vadeler->setObjectName(QStringLiteral("CariTopluAlacakVadeleri1"));
    for (QAction *a : {ozet, bakiye, alisSatis, vadeler})
        a->setEnabled(false);
    QTableView *gorunum = cxGrid1->view();
    gorunum->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(gorunum, &QWidget::customContextMenuRequested, this,
            [this, gorunum](const QPoint &p) { m_popup->popup(gorunum->viewport()->mapToGlobal(p)); });

    // "Cari Bilgileri" follows the focused row; with none it is hidden.
    connect(cxGrid1, &DataGrid::focusedRowChanged, this, [this](int) { BilgileriGoster(); });

    NEdit1->setFocus();
}

Tseccari::~Tseccari()
{
    // The grid and the table go with the window's children, after this destructor:
    // nothing of theirs may call back into the half-destroyed window.
    cxGrid1->view()->removeEventFilter(this);
    disconnect(cxGrid1, nullptr, this, nullptr);
    NEdit1->removeEventFilter(this);
}

QToolButton *Tseccari::DurumDugmesi(const QString &ad, const QString &ipucu, const QString &simge)
{
    auto *d = new QToolButton(this);
    d->setObjectName(ad);
    d->setToolTip(ipucu);
    d->setFixedSize(155, 60);
    d->setIcon(Simge(simge));
    d->setIconSize(QSize(36, 36));
    d->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    d->setStyleSheet(QStringLiteral("QToolButton { color: #d01010; font-weight: bold; font-size: 22px; }"));
    m_dugmeler.insert(ad, d);
    return d;
}

void Tseccari::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (s) {
        const QRect alan = s->availableGeometry();
        setGeometry(alan.left() + 50, alan.top() + 50, alan.width() - 100, alan.height() - 100);
    }
    NEdit1->setFocus();
}

bool Tseccari::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        const bool enter = k == Qt::Key_Return || k == Qt::Key_Enter;
        if (enter && o == NEdit1) {
            Ara();
            AramaKutusunaDon();
            return true;
        }
        // Enter on the grid chooses the focused customer, as a double click does.
        if (enter && o == cxGrid1->view()) {
            Sec();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

// The frame of every exchange of this window: open `bag` directly (no retries, no
// message), call, close. A failure reaches the default error display and the
// operation stops where it was.
template <typename F>
bool Tseccari::SunucuIslemi(F &&islem)
{
    try {
        bag.Open();
        {
            TServerMethods1Client istemci(bag);
            islem(istemci);
        }
        bag.Close();
        return true;
    } catch (...) {
        bag.Close();
        VarsayilanHataGoster(HataMetni(std::current_exception()));
        return false;
    }
}

void Tseccari::SepetSayisiYaz()
{
    int n = 0;
    if (!SunucuIslemi([&](TServerMethods1Client &c) { n = c.SepetSayisi(bilgim.Kopya()); }))
        return;
    m_dugmeler.value(QStringLiteral("sepettus"))->setText(n < 1 ? QString() : QString::number(n));
}

void Tseccari::TusSonuclari()
{
    TTusSonuclari t;
    if (!SunucuIslemi([&](TServerMethods1Client &c) {
            if (TTusSonuclari *s = c.TusSonuclariVer(bilgim.Kopya()))
                t.Kopyala(*s);
        }))
        return;
    auto yaz = [&](const char *ad, int n) { m_dugmeler.value(QLatin1String(ad))->setText(QString::number(n)); };
    yaz("alinditus", t.Alindi());
    yaz("onaylanditus", t.Onaylandi());
    yaz("goruldutus", t.Goruldu());
    yaz("parcalihazirlandi", t.ParcaliHazirlandi());
    yaz("hazirlanditus", t.Hazirlandi());
    yaz("sevktus", t.SevkEdildi());
}

void Tseccari::TabloyuDoldur(const TableReader &okuyucu)
{
    m_cariler->disableControls();
    try {
        m_cariler->loadFromReader(okuyucu);
        ParaFormatla(*m_cariler);
    } catch (...) {
        m_cariler->enableControls();
        throw;
    }
    m_cariler->enableControls();
}

void Tseccari::Ara()
{
    const QString aranan = CariAramaMetni(NEdit1->text());
    if (!SunucuIslemi([&](TServerMethods1Client &c) {
            if (TableReader *r = c.CariAra(bilgim.Kopya(), aranan))
                TabloyuDoldur(*r);
        }))
        return;
    SutunlariDuzenle();
}

void Tseccari::TumCariler()
{
    NEdit1->clear();
    Ara();
    AramaKutusunaDon();
}

void Tseccari::DurumListesi(int n)
{
    if (!SunucuIslemi([&](TServerMethods1Client &c) {
            if (TableReader *r = c.CariSepetVer(bilgim.Kopya(), n))
                TabloyuDoldur(*r);
        }))
        return;
    SutunlariDuzenle();
}

// After a load: every column to the width of its content, then the first row shown
// gets the focus (which fills "Cari Bilgileri").
void Tseccari::SutunlariDuzenle()
{
    cxGrid1->bestFit();
    if (cxGrid1->rowCount() > 0)
        cxGrid1->focusRow(cxGrid1->gridModel()->tableRow(0));
    BilgileriGoster();
}

void Tseccari::BilgileriGoster()
{
    const int row = cxGrid1->focusedRow();
    if (row < 0 || row >= m_cariler->recordCount()) {
        m_bilgiKutusu->hide();
        return;
    }
    for (const CariBilgiSatiri &s : CariBilgiSatirlari(*m_cariler, row))
        if (QLabel *l = m_degerler.value(s.etiket))
            l->setText(s.deger);
    m_bilgiKutusu->show();
}

void Tseccari::Sec()
{
    const int row = cxGrid1->focusedRow();
    if (row < 0 || row >= m_cariler->recordCount())
        return;
    const int c = m_cariler->fieldIndex(QStringLiteral("CARINO"));
    if (c < 0)
        return;
    const int carino = m_cariler->asInteger(row, c);
    if (carino <= 0)
        return;
    auto metin = [&](const char *alan) {
        const int i = m_cariler->fieldIndex(QLatin1String(alan));
        return i < 0 ? QString() : m_cariler->asString(row, i);
    };
    bilgim.SetCARINO(carino);
    bilgim.Setcarikod(metin("CARIKOD"));
    bilgim.SetCariAdi(metin("CARIADI"));
    accept();
}

void Tseccari::Vazgec()
{
    ProgramiBitir();
    reject();
}

void Tseccari::AramaKutusunaDon()
{
    NEdit1->selectAll();
    NEdit1->setFocus();
}

} // namespace dorvanto
