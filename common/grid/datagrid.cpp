#include "datagrid.h"

#include "gridsimgeleri.h"
#include "sonuctablosu.h"

#include <QApplication>
#include <QCache>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace dorvanto {

namespace {
const QColor kGridLine(0xD8, 0xDE, 0xE6);
const QColor kGroupRow(0xE6, 0xEE, 0xF6);
const QColor kFooterRow(0xF2, 0xF4, 0xF7);
const QColor kFocusRect(0x5B, 0x9B, 0xC8);
const QColor kFilterActive(0x1F, 0x6F, 0xD1);
constexpr int kCellPadding = 5;
constexpr int kIconSize = 18;
constexpr int kFilterButton = 14;
constexpr int kIndicatorWidth = 16;
constexpr int kMultiLineFitCap = 400;
} // namespace

// =====================================================================================
// Delegate: paints every cell kind. Never edits.
// =====================================================================================

class GridDelegate : public QStyledItemDelegate {
public:
    explicit GridDelegate(DataGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}
    bool focusRect = true;

    void paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &idx) const override
    {
        const GridModel *m = m_grid->gridModel();
        const auto rk = GridModel::RowKind(idx.data(GridModel::RowKindRole).toInt());
        const QRect r = option.rect;
        const bool selected = option.state & QStyle::State_Selected;
        p->save();
        if (rk == GridModel::RowKind::GroupHeader) {
            p->fillRect(r, kGroupRow); // the view draws the group text across the row
            p->restore();
            return;
        }
        if (rk == GridModel::RowKind::GroupFooter) {
            p->fillRect(r, kFooterRow);
            QFont f = option.font;
            f.setBold(true);
            p->setFont(f);
            p->setPen(option.palette.color(QPalette::Text));
            p->drawText(r.adjusted(kCellPadding, 0, -kCellPadding, 0), Qt::AlignRight | Qt::AlignVCenter,
                        idx.data(Qt::DisplayRole).toString());
            p->restore();
            return;
        }
        p->fillRect(r, selected ? m_grid->selectionColor() : option.palette.color(QPalette::Base));
        const GridColumn &col = m->column(idx.column());
        const Qt::Alignment align = Qt::Alignment(idx.data(Qt::TextAlignmentRole).toInt());
        p->setPen(option.palette.color(QPalette::Text)); // the selected colour is light: text stays dark
        const QRect inner = r.adjusted(kCellPadding, 2, -kCellPadding, -2);
        switch (col.kind) {
        case CellKind::Text: {
            const QString text = idx.data(Qt::DisplayRole).toString();
            p->drawText(inner, int(align), option.fontMetrics.elidedText(text, Qt::ElideRight, inner.width()));
            break;
        }
        case CellKind::MultiLine:
            p->setClipRect(inner);
            p->drawText(inner, int(align) | Qt::TextWordWrap, idx.data(Qt::DisplayRole).toString());
            break;
        case CellKind::Status:
        case CellKind::YesNo: {
            const QPixmap pm = idx.data(Qt::DecorationRole).value<QPixmap>();
            if (!pm.isNull())
                p->drawPixmap(QStyle::alignedRect(Qt::LeftToRight, align, pm.size(), inner), pm);
            break;
        }
        case CellKind::CheckBox: {
            QStyleOptionButton box;
            const QStyle *style = m_grid->style();
            const int w = style->pixelMetric(QStyle::PM_IndicatorWidth);
            const int h = style->pixelMetric(QStyle::PM_IndicatorHeight);
            box.rect = QStyle::alignedRect(Qt::LeftToRight, align, QSize(w, h), inner);
            box.state = QStyle::State_Enabled
                | (idx.data(Qt::CheckStateRole).toInt() == Qt::Checked ? QStyle::State_On : QStyle::State_Off);
            box.palette = option.palette;
            style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, p);
            break;
        }
        case CellKind::Custom:
            if (col.paint) {
                QStyleOptionViewItem o = option;
                col.paint(p, o, m->tableRow(idx.row()));
            }
            break;
        case CellKind::Picture: {
            const QPixmap pm = picture(idx, r.size());
            if (!pm.isNull())
                p->drawPixmap(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, pm.size(), r), pm);
            break;
        }
        }
        if (focusRect && (option.state & QStyle::State_HasFocus)) {
            p->setClipping(false);
            p->setPen(QPen(kFocusRect, 1, Qt::DotLine));
            p->setBrush(Qt::NoBrush);
            p->drawRect(r.adjusted(0, 0, -1, -1));
        }
        p->restore();
    }

    QWidget *createEditor(QWidget *, const QStyleOptionViewItem &, const QModelIndex &) const override { return nullptr; }
    bool editorEvent(QEvent *, QAbstractItemModel *, const QStyleOptionViewItem &, const QModelIndex &) override
    {
        return false; // check boxes are drawn only; a click selects the row and nothing else
    }

private:
    QPixmap picture(const QModelIndex &idx, const QSize &size) const
    {
        const GridModel *m = m_grid->gridModel();
        const QString key = QStringLiteral("%1/%2/%3/%4x%5")
                                .arg(quintptr(m))
                                .arg(m->generation())
                                .arg(idx.row())
                                .arg(size.width())
                                .arg(size.height());
        if (QPixmap *hit = m_cache.object(key))
            return *hit;
        QPixmap pm;
        const QByteArray bytes = idx.data(GridModel::RawValueRole).toByteArray();
        if (!bytes.isEmpty() && pm.loadFromData(bytes) && (pm.width() > size.width() || pm.height() > size.height()))
            pm = pm.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        m_cache.insert(key, new QPixmap(pm), std::max<qsizetype>(1, pm.width() * pm.height() * 4 / 1024));
        return pm;
    }

    DataGrid *m_grid;
    mutable QCache<QString, QPixmap> m_cache{32 * 1024}; // KiB of decoded pictures
};

// =====================================================================================
// Header with filter buttons, a fixed height, its menu, and the drag to the group box.
// =====================================================================================

class GridHeader : public QHeaderView {
public:
    GridHeader(DataGrid *grid) : QHeaderView(Qt::Horizontal), m_grid(grid)
    {
        setSectionsClickable(true);
        setHighlightSections(false);
        setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        setTextElideMode(Qt::ElideRight);
    }
    int fixedHeight = 28;
    std::function<void(int)> onFilterButton;
    std::function<bool()> groupBoxVisible;
    std::function<QRect()> groupBoxGlobalRect;

    void setHeight(int h)
    {
        fixedHeight = h;
        setFixedHeight(h);
        updateGeometry();
        emit geometriesChanged();
    }
    QSize sizeHint() const override { return QSize(QHeaderView::sizeHint().width(), fixedHeight); }

    QRect filterRect(int logical) const
    {
        const int x = sectionViewportPosition(logical);
        const int w = sectionSize(logical);
        return QRect(x + w - kFilterButton - 4, (height() - kFilterButton) / 2, kFilterButton, kFilterButton);
    }
    bool hasFilterButton(int logical) const
    {
        const GridModel *m = m_grid->gridModel();
        return m_grid->filterButtons() && logical >= 0 && logical < m->columnCount() && m->tableColumn(logical) >= 0
            && m->column(logical).kind != CellKind::Picture;
    }

protected:
    void paintSection(QPainter *p, const QRect &rect, int logical) const override
    {
        if (!hasFilterButton(logical)) {
            p->save();
            QHeaderView::paintSection(p, rect, logical);
            p->restore();
            return;
        }
        // The section across its width; caption and sort arrow left of the filter button.
        p->save();
        QStyleOptionHeader opt;
        initStyleOption(&opt);
        initStyleOptionForIndex(&opt, logical);
        opt.rect = rect;
        style()->drawControl(QStyle::CE_HeaderSection, &opt, p, this);
        opt.rect = rect.adjusted(0, 0, -(kFilterButton + 4), 0);
        QStyleOptionHeader label = opt;
        label.rect = style()->subElementRect(QStyle::SE_HeaderLabel, &opt, this);
        label.text = fontMetrics().elidedText(opt.text, Qt::ElideRight, label.rect.width());
        style()->drawControl(QStyle::CE_HeaderLabel, &label, p, this);
        if (opt.sortIndicator != QStyleOptionHeader::None) {
            QStyleOptionHeader arrow = opt;
            arrow.rect = style()->subElementRect(QStyle::SE_HeaderArrow, &opt, this);
            style()->drawPrimitive(QStyle::PE_IndicatorHeaderArrow, &arrow, p, this);
        }
        p->restore();
        const QRect b(rect.right() - kFilterButton - 3, rect.top() + (rect.height() - kFilterButton) / 2, kFilterButton,
                      kFilterButton);
        const bool active = m_grid->gridModel()->hasFilter(logical);
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->setPen(QPen(active ? kFilterActive : QColor(0x9A, 0xA5, 0xB1), 1));
        p->setBrush(active ? QColor(0xDD, 0xEA, 0xFA) : QColor(0xFA, 0xFB, 0xFC));
        p->drawRoundedRect(QRectF(b).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
        // a funnel when filtered, a small arrow when not
        p->setPen(Qt::NoPen);
        p->setBrush(active ? kFilterActive : QColor(0x55, 0x60, 0x6C));
        const QPointF c = QRectF(b).center();
        if (active) {
            p->drawPolygon(QPolygonF{QPointF(c.x() - 4.5, c.y() - 3.5), QPointF(c.x() + 4.5, c.y() - 3.5),
                                     QPointF(c.x() + 1, c.y() + 0.5), QPointF(c.x() + 1, c.y() + 4),
                                     QPointF(c.x() - 1, c.y() + 3), QPointF(c.x() - 1, c.y() + 0.5)});
        } else {
            p->drawPolygon(QPolygonF{QPointF(c.x() - 3.5, c.y() - 1.5), QPointF(c.x() + 3.5, c.y() - 1.5),
                                     QPointF(c.x(), c.y() + 2.5)});
        }
        p->restore();
    }

    void mousePressEvent(QMouseEvent *e) override
    {
        const int logical = logicalIndexAt(e->position().toPoint());
        if (e->button() == Qt::LeftButton && hasFilterButton(logical)
            && filterRect(logical).adjusted(-2, -4, 2, 4).contains(e->position().toPoint())) {
            if (onFilterButton)
                onFilterButton(logical);
            return; // no sort, no drag
        }
        m_pressSection = e->button() == Qt::LeftButton ? logical : -1;
        QHeaderView::mousePressEvent(e);
    }

    void mouseMoveEvent(QMouseEvent *e) override
    {
        if (m_groupDrag)
            return;
        if (m_pressSection >= 0 && (e->buttons() & Qt::LeftButton) && groupBoxVisible && groupBoxVisible()
            && e->position().y() < -6) {
            // The header was dragged up onto the group-by box: end the header's own
            // press (outside every section, so it neither sorts nor moves) and carry on.
            m_groupDrag = true;
            QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-10000, e->position().y()), e->globalPosition(),
                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            QHeaderView::mouseReleaseEvent(&release);
            setCursor(Qt::DragMoveCursor);
            return;
        }
        QHeaderView::mouseMoveEvent(e);
    }

    void mouseReleaseEvent(QMouseEvent *e) override
    {
        if (m_groupDrag) {
            m_groupDrag = false;
            unsetCursor();
            const int section = m_pressSection;
            m_pressSection = -1;
            if (groupBoxGlobalRect && groupBoxGlobalRect().contains(e->globalPosition().toPoint()))
                m_grid->groupBy(m_grid->gridModel()->column(section).key());
            return;
        }
        m_pressSection = -1;
        QHeaderView::mouseReleaseEvent(e);
    }

    void contextMenuEvent(QContextMenuEvent *e) override
    {
        const int logical = logicalIndexAt(e->pos());
        GridModel *m = m_grid->gridModel();
        QMenu menu(this);
        if (logical >= 0 && m->sortingAllowed() && m->tableColumn(logical) >= 0) {
            menu.addAction(QStringLiteral("Artan Sırala"), this, [this, logical] { setSortIndicator(logical, Qt::AscendingOrder); });
            menu.addAction(QStringLiteral("Azalan Sırala"), this, [this, logical] { setSortIndicator(logical, Qt::DescendingOrder); });
            if (m->sortColumn() >= 0)
                menu.addAction(QStringLiteral("Sıralamayı Kaldır"), this, [this] { setSortIndicator(-1, Qt::AscendingOrder); });
            menu.addSeparator();
        }
        if (logical >= 0 && groupBoxVisible && groupBoxVisible() && m->tableColumn(logical) >= 0)
            menu.addAction(QStringLiteral("Bu Kolona Göre Grupla"), this,
                           [this, logical, m] { m_grid->groupBy(m->column(logical).key()); });
        if (m->groupColumn() >= 0)
            menu.addAction(QStringLiteral("Gruplamayı Kaldır"), this, [this] { m_grid->groupBy(QString()); });
        if (m->isFiltered())
            menu.addAction(QStringLiteral("Filtreyi Temizle"), this, [this] { m_grid->clearFilter(); });
        menu.addSeparator();
        if (logical >= 0)
            menu.addAction(QStringLiteral("En Uygun Genişlik"), this, [this, logical] { m_grid->bestFitColumn(logical); });
        menu.addAction(QStringLiteral("En Uygun Genişlik (Tüm Kolonlar)"), this, [this] { m_grid->bestFit(); });
        menu.addAction(QStringLiteral("Kolon Seçimi..."), this, [this] { m_grid->showColumnChooser(); });
        menu.exec(e->globalPos());
    }

private:
    DataGrid *m_grid;
    int m_pressSection = -1;
    bool m_groupDrag = false;
};

// The row indicator: a narrow column with a triangle at the focused row.
class RowIndicator : public QHeaderView {
public:
    RowIndicator() : QHeaderView(Qt::Vertical) { setSectionsClickable(false); }
    QSize sizeHint() const override { return QSize(kIndicatorWidth, QHeaderView::sizeHint().height()); }
    int currentRow = -1;

protected:
    void paintSection(QPainter *p, const QRect &rect, int logical) const override
    {
        p->fillRect(rect, QColor(0xF0, 0xF2, 0xF5));
        p->setPen(kGridLine);
        p->drawLine(rect.bottomLeft(), rect.bottomRight());
        p->drawLine(rect.topRight(), rect.bottomRight());
        if (logical != currentRow)
            return;
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->setPen(Qt::NoPen);
        p->setBrush(QColor(0x33, 0x3D, 0x48));
        const QPointF c = QRectF(rect).center();
        p->drawPolygon(QPolygonF{QPointF(c.x() - 2.5, c.y() - 4.5), QPointF(c.x() + 3, c.y()), QPointF(c.x() - 2.5, c.y() + 4.5)});
        p->restore();
    }
};

// =====================================================================================
// The table view: incremental search, group rows.
// =====================================================================================

class GridTableView : public QTableView {
public:
    explicit GridTableView(DataGrid *grid) : QTableView(grid), m_grid(grid) {}
    QString search;

    void clearSearch() { search.clear(); }

protected:
    void keyPressEvent(QKeyEvent *e) override
    {
        GridModel *m = m_grid->gridModel();
        const QModelIndex cur = currentIndex();
        const int g = cur.isValid() ? m->groupOf(cur.row()) : -1;
        if (g >= 0) {
            if (e->key() == Qt::Key_Plus || e->key() == Qt::Key_Right || e->key() == Qt::Key_Return
                || e->key() == Qt::Key_Enter) {
                if (!m->isGroupExpanded(g) && e->key() != Qt::Key_Right) { m->setGroupExpanded(g, true); return; }
                if (e->key() == Qt::Key_Right || e->key() == Qt::Key_Plus) { m->setGroupExpanded(g, true); return; }
                m->setGroupExpanded(g, false);
                return;
            }
            if (e->key() == Qt::Key_Minus || e->key() == Qt::Key_Left) {
                m->setGroupExpanded(g, false);
                return;
            }
        }
        if (m_grid->incrementalSearch()) {
            const QString text = e->text();
            const bool plain = !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
            if (e->key() == Qt::Key_Backspace && !search.isEmpty()) {
                search.chop(1);
                if (!search.isEmpty())
                    moveTo(m->findPrefix(searchColumn(), search));
                return;
            }
            if (e->key() == Qt::Key_Escape && !search.isEmpty()) {
                search.clear();
                return;
            }
            if (plain && !text.isEmpty() && text.at(0).isPrint()) {
                const QString candidate = search + text;
                const int row = m->findPrefix(searchColumn(), candidate);
                if (row >= 0) {
                    search = candidate;
                    moveTo(row);
                }
                // no row starts with it: the typed character is not taken
                return;
            }
        }
        search.clear();
        QTableView::keyPressEvent(e);
    }

    void mousePressEvent(QMouseEvent *e) override
    {
        search.clear();
        const QModelIndex idx = indexAt(e->position().toPoint());
        GridModel *m = m_grid->gridModel();
        if (idx.isValid() && e->button() == Qt::LeftButton) {
            const int g = m->groupOf(idx.row());
            if (g >= 0) {
                setCurrentIndex(idx);
                m->setGroupExpanded(g, !m->isGroupExpanded(g));
                return;
            }
        }
        QTableView::mousePressEvent(e);
    }

    void mouseDoubleClickEvent(QMouseEvent *e) override
    {
        const QModelIndex idx = indexAt(e->position().toPoint());
        if (idx.isValid() && m_grid->gridModel()->groupOf(idx.row()) >= 0)
            return; // a double click on a group row is two toggles, not an open
        QTableView::mouseDoubleClickEvent(e);
    }

    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override
    {
        QTableView::currentChanged(current, previous);
        if (!m_moving)
            search.clear();
        if (auto *ind = static_cast<RowIndicator *>(verticalHeader())) {
            ind->currentRow = current.isValid() ? current.row() : -1;
            ind->viewport()->update();
        }
        m_grid->onCurrentChanged(current.isValid() ? current.row() : -1);
    }

    void paintEvent(QPaintEvent *e) override
    {
        QTableView::paintEvent(e);
        GridModel *m = m_grid->gridModel();
        if (!m->isGrouped())
            return;
        // Group rows are drawn across the whole row, over the cells and their grid lines.
        QPainter p(viewport());
        const int first = rowAt(0);
        int last = rowAt(viewport()->height() - 1);
        if (first < 0)
            return;
        if (last < 0)
            last = m->rowCount() - 1;
        const int width = std::min(viewport()->width(), horizontalHeader()->length() - horizontalOffset());
        for (int r = first; r <= last; ++r) {
            const int g = m->groupOf(r);
            if (g < 0 || m->rowKind(r) != GridModel::RowKind::GroupHeader)
                continue;
            const QRect row(0, rowViewportPosition(r), std::max(width, 0), rowHeight(r));
            const bool cur = currentIndex().isValid() && currentIndex().row() == r;
            p.fillRect(row, cur ? m_grid->selectionColor() : kGroupRow);
            p.setPen(kGridLine);
            p.drawLine(row.bottomLeft(), row.bottomRight());
            // the expand box
            const QRect box(row.left() + 6, row.center().y() - 5, 11, 11);
            p.setPen(QColor(0x6B, 0x77, 0x85));
            p.setBrush(Qt::white);
            p.drawRect(box.adjusted(0, 0, -1, -1));
            p.drawLine(box.left() + 2, box.center().y(), box.right() - 3, box.center().y());
            if (!m->isGroupExpanded(g))
                p.drawLine(box.center().x(), box.top() + 2, box.center().x(), box.bottom() - 3);
            QFont f = font();
            f.setBold(true);
            p.setFont(f);
            p.setPen(palette().color(QPalette::Text));
            p.drawText(row.adjusted(box.right() + 8, 0, -6, 0), Qt::AlignLeft | Qt::AlignVCenter, m->groupText(g));
        }
    }

private:
    int searchColumn() const
    {
        const QModelIndex cur = currentIndex();
        if (cur.isValid() && !isColumnHidden(cur.column()))
            return cur.column();
        for (int v = 0; v < horizontalHeader()->count(); ++v) {
            const int c = horizontalHeader()->logicalIndex(v);
            if (!isColumnHidden(c) && m_grid->gridModel()->tableColumn(c) >= 0)
                return c;
        }
        return -1;
    }
    void moveTo(int row)
    {
        if (row < 0)
            return;
        int col = searchColumn();
        m_moving = true;
        setCurrentIndex(model()->index(row, std::max(col, 0)));
        m_moving = false;
        scrollTo(currentIndex());
    }

    DataGrid *m_grid;
    bool m_moving = false;
};

// =====================================================================================
// Footer: the summaries, under their columns.
// =====================================================================================

class GridFooter : public QWidget {
public:
    GridFooter(DataGrid *grid, QTableView *view) : QWidget(grid), m_grid(grid), m_view(view)
    {
        setObjectName(QStringLiteral("footer"));
        setFixedHeight(fontMetrics().height() + 12);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), kFooterRow);
        p.setPen(kGridLine);
        p.drawLine(rect().topLeft(), rect().topRight());
        const QHeaderView *h = m_view->horizontalHeader();
        const GridModel *m = m_grid->gridModel();
        const QRect vp = m_view->viewport()->geometry().translated(m_view->geometry().topLeft() - pos());
        p.setClipRect(QRect(vp.left(), 0, vp.width(), height()));
        QFont f = font();
        f.setBold(true);
        p.setFont(f);
        for (int v = 0; v < h->count(); ++v) {
            const int c = h->logicalIndex(v);
            if (h->isSectionHidden(c))
                continue;
            const QRect cell(vp.left() + h->sectionViewportPosition(c), 3, h->sectionSize(c), height() - 6);
            if (cell.right() < vp.left() || cell.left() > vp.right())
                continue;
            const QString text = m->summaryText(c);
            if (text.isEmpty())
                continue;
            p.setPen(QColor(0xC3, 0xCB, 0xD5));
            p.setBrush(Qt::white);
            p.drawRect(cell.adjusted(1, 0, -2, -1));
            p.setPen(palette().color(QPalette::Text));
            const Qt::Alignment a = m->column(c).footer == Summary::Count ? Qt::AlignLeft : Qt::AlignRight;
            p.drawText(cell.adjusted(kCellPadding, 0, -kCellPadding, 0), int(a | Qt::AlignVCenter),
                       fontMetrics().elidedText(text, Qt::ElideLeft, cell.width() - 2 * kCellPadding));
        }
    }

private:
    DataGrid *m_grid;
    QTableView *m_view;
};

// =====================================================================================
// Group-by box: the hint, or the grouping column with a button to remove it.
// =====================================================================================

class GroupByBox : public QWidget {
public:
    explicit GroupByBox(DataGrid *grid) : QWidget(grid), m_grid(grid)
    {
        setObjectName(QStringLiteral("groupByBox"));
        setFixedHeight(fontMetrics().height() + 20);
    }
    QRect chipRect() const
    {
        const QString text = chipText();
        if (text.isEmpty())
            return {};
        return QRect(8, 5, fontMetrics().horizontalAdvance(text) + 34, height() - 10);
    }

protected:
    QString chipText() const
    {
        const GridModel *m = m_grid->gridModel();
        return m->groupColumn() >= 0 ? m->column(m->groupColumn()).headerText() : QString();
    }
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(0xE9, 0xED, 0xF2));
        p.setPen(kGridLine);
        p.drawLine(rect().bottomLeft(), rect().bottomRight());
        const QRect chip = chipRect();
        if (chip.isNull()) {
            p.setPen(QColor(0x6B, 0x77, 0x85));
            p.drawText(rect().adjusted(10, 0, -10, 0), Qt::AlignLeft | Qt::AlignVCenter,
                       QStringLiteral("Gruplamak istediğiniz kolonun başlığını buraya sürükleyin"));
            return;
        }
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QColor(0x9A, 0xA5, 0xB1));
        p.setBrush(QColor(0xFA, 0xFB, 0xFC));
        p.drawRoundedRect(QRectF(chip).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        p.setPen(palette().color(QPalette::Text));
        p.drawText(chip.adjusted(8, 0, -24, 0), Qt::AlignLeft | Qt::AlignVCenter, chipText());
        const QPointF x(chip.right() - 12, chip.center().y());
        p.setPen(QPen(QColor(0x6B, 0x77, 0x85), 1.4));
        p.drawLine(x + QPointF(-3, -3), x + QPointF(3, 3));
        p.drawLine(x + QPointF(3, -3), x + QPointF(-3, 3));
    }
    void mousePressEvent(QMouseEvent *e) override
    {
        const QRect chip = chipRect();
        if (!chip.isNull() && QRect(chip.right() - 20, chip.top(), 20, chip.height()).contains(e->position().toPoint()))
            m_grid->groupBy(QString());
    }

private:
    DataGrid *m_grid;
};

// =====================================================================================
// DataGrid
// =====================================================================================

DataGrid::DataGrid(QWidget *parent) : QWidget(parent)
{
    m_model = new GridModel(this);
    m_view = new GridTableView(this);
    m_view->setObjectName(QStringLiteral("view"));
    m_header = new GridHeader(this);
    m_header->onFilterButton = [this](int c) { showFilterPopup(c); };
    m_view->setHorizontalHeader(m_header);
    auto *indicator = new RowIndicator;
    m_view->setVerticalHeader(indicator);
    m_view->setModel(m_model);
    m_view->setItemDelegate(new GridDelegate(this));
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setTabKeyNavigation(false);
    m_view->setWordWrap(false);
    m_view->setCornerButtonEnabled(false);
    m_view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_view->setStyleSheet(QStringLiteral("QTableView { gridline-color: %1; }").arg(kGridLine.name()));
    m_header->setSectionsMovable(true);
    m_header->setMinimumSectionSize(8);
    m_header->setDefaultSectionSize(100);
    m_header->setSortIndicator(-1, Qt::AscendingOrder);
    m_header->setSortIndicatorShown(true);
    m_header->setHeight(m_headerHeight);
    indicator->setSectionResizeMode(QHeaderView::Fixed);
    indicator->setMinimumSectionSize(4);
    indicator->setDefaultSectionSize(m_rowHeight);
    indicator->hide();
    m_view->setSortingEnabled(true);
    QPalette pal = m_view->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Highlight, m_selectionColor);
        pal.setColor(group, QPalette::HighlightedText, pal.color(group, QPalette::Text));
    }
    m_view->setPalette(pal);

    m_groupBox = new GroupByBox(this);
    m_groupBox->hide();
    m_header->groupBoxVisible = [this] { return m_groupBox->isVisible(); };
    m_header->groupBoxGlobalRect = [this] { return QRect(m_groupBox->mapToGlobal(QPoint(0, 0)), m_groupBox->size()); };
    m_footer = new GridFooter(this, m_view);
    m_footer->hide();

    auto *lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(0);
    lay->addWidget(m_groupBox);
    lay->addWidget(m_view, 1);
    lay->addWidget(m_footer);

    m_chooserButton = new QToolButton(m_view);
    m_chooserButton->setObjectName(QStringLiteral("kolonSecimDugmesi"));
    m_chooserButton->setToolTip(QStringLiteral("Kolon Seçimi"));
    m_chooserButton->setAutoRaise(true);
    {
        QPixmap pm(12, 12);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setPen(QPen(QColor(0x33, 0x3D, 0x48), 1.5));
        for (int y : {3, 6, 9})
            p.drawLine(1, y, 10, y);
        m_chooserButton->setIcon(QIcon(pm));
    }
    m_chooserButton->hide();
    connect(m_chooserButton, &QToolButton::clicked, this, &DataGrid::showColumnChooser);

    auto refreshFooter = [this] { m_footer->update(); };
    connect(m_header, &QHeaderView::sectionResized, this, refreshFooter);
    connect(m_header, &QHeaderView::sectionMoved, this, refreshFooter);
    connect(m_header, &QHeaderView::geometriesChanged, this, [this] {
        m_footer->update();
        updateChooserButton();
    });
    connect(m_view->horizontalScrollBar(), &QScrollBar::valueChanged, this, refreshFooter);
    connect(m_model, &GridModel::summariesChanged, this, refreshFooter);
    connect(m_model, &GridModel::rowsRebuilt, this, &DataGrid::afterRebuild);
    connect(m_model, &QAbstractItemModel::rowsInserted, m_view->viewport(), qOverload<>(&QWidget::update));
    connect(m_view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &idx) {
        const int tr = m_model->tableRow(idx.row());
        if (tr >= 0)
            emit rowDoubleClicked(tr);
    });
    m_view->viewport()->installEventFilter(this);
}

DataGrid::~DataGrid()
{
    // The view must stop painting before the model and tables go.
    m_model->setSource(nullptr);
}

QTableView *DataGrid::view() const { return m_view; }

// ---- binding --------------------------------------------------------------------------

void DataGrid::setColumns(std::vector<GridColumn> columns)
{
    m_view->setSortingEnabled(false);
    m_header->setSortIndicator(-1, Qt::AscendingOrder);
    m_model->setColumns(std::move(columns));
    m_view->setSortingEnabled(m_model->sortingAllowed());
    applyColumnState();
}

void DataGrid::applyColumnState()
{
    for (int c = 0; c < m_model->columnCount(); ++c) {
        const GridColumn &col = m_model->column(c);
        m_view->setColumnHidden(c, !col.visible);
        m_header->resizeSection(c, col.width > 0 ? col.width : 100);
        m_header->setSectionResizeMode(c, col.fixedWidth ? QHeaderView::Fixed : QHeaderView::Interactive);
    }
    if (m_autoWidth)
        applyAutoWidth();
    m_footer->update();
}

void DataGrid::bind(ResultTable *table)
{
    ResultTableModel *old = m_ownModel;
    m_ownModel = table ? new ResultTableModel(table, this) : nullptr;
    bind(m_ownModel);
    delete old;
}

void DataGrid::bind(ResultTableModel *model)
{
    disconnect(m_cursorConn);
    m_bound = model;
    if (model && model->table())
        m_cursorConn = connect(model->table(), &ResultTable::cursorMoved, this, &DataGrid::onTableCursor);
    if (isAttached()) {
        m_model->setSource(model);
        if (ResultTable *t = table(); t && t->recNo() >= 0)
            onTableCursor(t->recNo());
    }
}

ResultTable *DataGrid::table() const { return m_bound ? m_bound->table() : nullptr; }

void DataGrid::setUnbound(std::vector<GridColumn> columns)
{
    if (!m_ownTable)
        m_ownTable = new ResultTable(this);
    m_ownTable->close();
    for (const GridColumn &c : columns)
        if (!c.field.isEmpty())
            m_ownTable->addFieldDef(FieldDef(c.field, c.kind == CellKind::Picture ? FieldType::Blob : FieldType::String));
    m_ownTable->loadFromPacket(TableData(m_ownTable->data()));
    setColumns(std::move(columns));
    bind(m_ownTable);
}

void DataGrid::appendRow(const QVariantList &values)
{
    if (!m_ownTable)
        return;
    // Appending copies the rows once per call; announcement lists are a handful of rows.
    TableData d = m_ownTable->data();
    const int r = d.appendRow();
    int v = 0;
    for (const GridColumn &c : m_model->columns()) {
        if (c.field.isEmpty()) {
            ++v;
            continue;
        }
        const int tc = d.indexOf(c.field);
        if (tc >= 0 && v < values.size() && values.at(v).isValid())
            d.set(r, tc, values.at(v));
        ++v;
    }
    m_ownTable->assign(std::move(d));
}

void DataGrid::clearRows()
{
    if (m_ownTable)
        m_ownTable->emptyTable();
}

void DataGrid::detach()
{
    if (m_detachCount++ == 0)
        m_model->setSource(nullptr);
}

void DataGrid::attach()
{
    if (m_detachCount == 0)
        return;
    if (--m_detachCount == 0) {
        m_model->setSource(m_bound);
        if (ResultTable *t = table(); t && t->recNo() >= 0)
            onTableCursor(t->recNo());
    }
}

void DataGrid::beginUpdate()
{
    if (m_updateCount++ == 0)
        setUpdatesEnabled(false);
}

void DataGrid::endUpdate()
{
    if (m_updateCount == 0)
        return;
    if (--m_updateCount == 0) {
        setUpdatesEnabled(true);
        m_footer->update();
        m_view->viewport()->update();
    }
}

// ---- look -----------------------------------------------------------------------------

void DataGrid::setRowHeight(int px)
{
    m_rowHeight = std::max(4, px);
    m_view->verticalHeader()->setMinimumSectionSize(std::min(4, m_rowHeight));
    m_view->verticalHeader()->setDefaultSectionSize(m_rowHeight);
}

void DataGrid::setHeaderHeight(int px)
{
    m_headerHeight = std::max(4, px);
    m_header->setHeight(m_headerHeight);
}

void DataGrid::setHeaderVisible(bool on) { m_header->setVisible(on); }

void DataGrid::setRowIndicator(bool on)
{
    m_view->verticalHeader()->setVisible(on);
    updateChooserButton();
}

bool DataGrid::hasRowIndicator() const { return !m_view->verticalHeader()->isHidden(); }

void DataGrid::setSelectionColor(const QColor &c)
{
    m_selectionColor = c;
    m_view->viewport()->update();
}

void DataGrid::setFocusRectVisible(bool on)
{
    static_cast<GridDelegate *>(m_view->itemDelegate())->focusRect = on;
    m_view->viewport()->update();
}

void DataGrid::setPixelScrolling(bool on)
{
    m_view->setVerticalScrollMode(on ? QAbstractItemView::ScrollPerPixel : QAbstractItemView::ScrollPerItem);
}

void DataGrid::setColumnMoving(bool on) { m_header->setSectionsMovable(on); }

void DataGrid::setColumnSizing(bool on)
{
    for (int c = 0; c < m_model->columnCount(); ++c)
        m_header->setSectionResizeMode(c, (on && !m_model->column(c).fixedWidth) ? QHeaderView::Interactive
                                                                                 : QHeaderView::Fixed);
}

// ---- columns --------------------------------------------------------------------------

int DataGrid::columnCount() const { return m_model->columnCount(); }
int DataGrid::columnIndex(const QString &key) const { return m_model->columnOf(key); }
const GridColumn &DataGrid::column(int c) const { return m_model->column(c); }

void DataGrid::setColumnVisible(const QString &key, bool visible)
{
    const int c = columnIndex(key);
    if (c < 0)
        return;
    m_model->column(c).visible = visible;
    applyColumnVisibility(c);
}

void DataGrid::applyColumnVisibility(int c)
{
    const bool visible = m_model->column(c).visible;
    if (m_view->isColumnHidden(c) == !visible)
        return;
    m_view->setColumnHidden(c, !visible);
    if (visible && m_header->sectionSize(c) < 8)
        m_header->resizeSection(c, m_model->column(c).width > 0 ? m_model->column(c).width : 100);
    if (m_autoWidth)
        applyAutoWidth();
    m_footer->update();
    emit columnVisibilityChanged(c, visible);
}

bool DataGrid::isColumnVisible(const QString &key) const
{
    const int c = columnIndex(key);
    return c >= 0 && !m_view->isColumnHidden(c);
}

void DataGrid::setColumnOffered(const QString &key, bool offered)
{
    const int c = columnIndex(key);
    if (c >= 0)
        m_model->column(c).offered = offered;
}

bool DataGrid::isColumnOffered(const QString &key) const
{
    const int c = columnIndex(key);
    return c >= 0 && m_model->column(c).offered;
}

void DataGrid::setColumnWidth(const QString &key, int px)
{
    const int c = columnIndex(key);
    if (c >= 0)
        m_header->resizeSection(c, std::max(0, px));
}

int DataGrid::columnWidth(const QString &key) const
{
    const int c = columnIndex(key);
    return c >= 0 ? m_header->sectionSize(c) : 0;
}

void DataGrid::setColumnCaption(const QString &key, const QString &caption)
{
    const int c = columnIndex(key);
    if (c < 0)
        return;
    m_model->column(c).caption = caption;
    emit m_model->headerDataChanged(Qt::Horizontal, c, c);
}

void DataGrid::applyWeights(int gridWidth)
{
    const int n = m_model->columnCount();
    std::vector<int> weights(static_cast<std::size_t>(n));
    std::vector<bool> visible(static_cast<std::size_t>(n)), skip(static_cast<std::size_t>(n));
    for (int c = 0; c < n; ++c) {
        weights[std::size_t(c)] = m_model->column(c).weight;
        visible[std::size_t(c)] = !m_view->isColumnHidden(c);
        skip[std::size_t(c)] = m_model->column(c).fixedWidth;
    }
    const std::vector<int> widths = weightedWidths(weights, visible, gridWidth < 0 ? width() : gridWidth, skip);
    beginUpdate();
    for (int c = 0; c < n; ++c)
        if (widths[std::size_t(c)] >= 0)
            m_header->resizeSection(c, widths[std::size_t(c)]);
    endUpdate();
}

void DataGrid::setAutoWidth(bool on)
{
    m_autoWidth = on;
    m_view->setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    if (on)
        applyAutoWidth();
}

void DataGrid::applyAutoWidth()
{
    const int n = m_model->columnCount();
    std::vector<int> weights(static_cast<std::size_t>(n));
    std::vector<bool> visible(static_cast<std::size_t>(n)), skip(static_cast<std::size_t>(n));
    int fixedSum = 0;
    for (int c = 0; c < n; ++c) {
        weights[std::size_t(c)] = m_model->column(c).weight;
        visible[std::size_t(c)] = !m_view->isColumnHidden(c);
        skip[std::size_t(c)] = m_model->column(c).fixedWidth;
        if (visible[std::size_t(c)] && skip[std::size_t(c)])
            fixedSum += m_header->sectionSize(c);
    }
    const std::vector<int> widths = stretchedWidths(weights, visible, m_view->viewport()->width() - fixedSum, skip);
    for (int c = 0; c < n; ++c)
        if (widths[std::size_t(c)] >= 0)
            m_header->resizeSection(c, widths[std::size_t(c)]);
}

void DataGrid::bestFit()
{
    beginUpdate();
    for (int c = 0; c < m_model->columnCount(); ++c)
        if (!m_view->isColumnHidden(c))
            bestFitColumn(c);
    endUpdate();
}

void DataGrid::bestFitColumn(int c)
{
    if (c < 0 || c >= m_model->columnCount() || m_model->column(c).fixedWidth)
        return;
    const int w = measureColumn(c);
    if (w > 0)
        m_header->resizeSection(c, w);
}

// Best fit does not measure every row: a list may hold 100,000 of them and measuring
// text is the expensive part. It measures the rows a user can see, the first rows, and
// the rows that are widest by their nature: for text fields the few longest texts by
// character count (a scan of string lengths, no formatting or font work), for number
// fields the smallest and the largest value (the widest formatted numbers). A text of
// many narrow letters may lose to a shorter one of wide letters; the visible rows and
// the header keep that error small, and it is the price of a fit that does not grow
// with the table.
int DataGrid::measureColumn(int c) const
{
    const GridColumn &col = m_model->column(c);
    const QFontMetrics fm = m_view->fontMetrics();
    const QFontMetrics hfm = m_header->fontMetrics();
    int width = hfm.horizontalAdvance(col.headerText()) + 2 * kCellPadding + 4;
    if (m_filterButtons && m_model->tableColumn(c) >= 0)
        width += kFilterButton + 4;
    if (m_model->sortingAllowed() && m_model->sortColumn() == c)
        width += 12; // the sort arrow
    const QString footer = m_model->summaryText(c);
    if (!footer.isEmpty()) {
        QFont bold = m_footer->font();
        bold.setBold(true);
        width = std::max(width, QFontMetrics(bold).horizontalAdvance(footer) + 2 * kCellPadding + 6);
    }
    switch (col.kind) {
    case CellKind::Status:
    case CellKind::YesNo: return std::max(width, kIconSize + 2 * kCellPadding + 4);
    case CellKind::CheckBox:
        return std::max(width, m_view->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 2 * kCellPadding + 4);
    case CellKind::Custom: return col.customFitWidth > 0 ? std::max(width, col.customFitWidth) : m_header->sectionSize(c);
    case CellKind::Picture: return m_header->sectionSize(c);
    default: break;
    }
    const int tc = m_model->tableColumn(c);
    ResultTable *t = table();
    if (tc < 0 || !t || !m_model->attached())
        return width;

    std::set<int> rows; // table rows to measure
    const int gridRows = m_model->rowCount();
    const int firstVisible = std::max(0, m_view->rowAt(0));
    int lastVisible = m_view->rowAt(m_view->viewport()->height() - 1);
    if (lastVisible < 0)
        lastVisible = std::min(gridRows - 1, firstVisible + m_view->viewport()->height() / std::max(1, m_rowHeight) + 1);
    for (int g = firstVisible; g <= lastVisible && g < gridRows; ++g)
        if (const int tr = m_model->tableRow(g); tr >= 0)
            rows.insert(tr);
    for (int g = 0; g < std::min(gridRows, 50); ++g)
        if (const int tr = m_model->tableRow(g); tr >= 0)
            rows.insert(tr);

    const ColumnData &cd = t->data().columns[std::size_t(tc)];
    if (cd.isText()) {
        constexpr int kLongest = 8;
        std::vector<std::pair<qsizetype, int>> top; // (length, row), shortest first
        m_model->forEachDataRow([&](int r) {
            const qsizetype len = cd.nulls[std::size_t(r)] ? 0 : cd.texts[std::size_t(r)].size();
            if (int(top.size()) < kLongest) {
                top.emplace_back(len, r);
                std::sort(top.begin(), top.end());
            } else if (len > top.front().first) {
                top.front() = {len, r};
                std::sort(top.begin(), top.end());
            }
        });
        for (const auto &it : top)
            rows.insert(it.second);
    } else if (cd.isInteger() || cd.isReal()) {
        int minRow = -1, maxRow = -1;
        double minV = 0, maxV = 0;
        m_model->forEachDataRow([&](int r) {
            if (cd.nulls[std::size_t(r)])
                return;
            const double v = cd.isInteger() ? double(cd.ints[std::size_t(r)]) : cd.reals[std::size_t(r)];
            if (minRow < 0 || v < minV) { minV = v; minRow = r; }
            if (maxRow < 0 || v > maxV) { maxV = v; maxRow = r; }
        });
        if (minRow >= 0) rows.insert(minRow);
        if (maxRow >= 0) rows.insert(maxRow);
    }
    int content = 0;
    for (int r : rows) {
        const QString text = m_model->cellText(r, c);
        if (col.kind == CellKind::MultiLine) {
            for (const QString &line : text.split(QLatin1Char('\n')))
                content = std::max(content, std::min(kMultiLineFitCap, fm.horizontalAdvance(line)));
        } else {
            content = std::max(content, fm.horizontalAdvance(text));
        }
    }
    return std::max(width, content + 2 * kCellPadding + 4);
}

void DataGrid::setColumnChooserEnabled(bool on)
{
    m_chooserEnabled = on;
    updateChooserButton();
}

void DataGrid::updateChooserButton()
{
    const bool show = m_chooserEnabled && hasRowIndicator() && !m_header->isHidden();
    m_chooserButton->setVisible(show);
    if (show) {
        const int fw = m_view->frameWidth();
        m_chooserButton->setGeometry(fw, fw, m_view->verticalHeader()->width(), m_header->height());
        m_chooserButton->raise();
    }
}

void DataGrid::showColumnChooser()
{
    if (!m_chooserEnabled)
        return;
    if (m_chooser)
        m_chooser->close();
    auto *popup = new QFrame(this, Qt::Popup);
    popup->setObjectName(QStringLiteral("columnChooser"));
    popup->setAttribute(Qt::WA_DeleteOnClose);
    popup->setFrameShape(QFrame::StyledPanel);
    popup->setAutoFillBackground(true);
    popup->setBackgroundRole(QPalette::Base);
    auto *lay = new QVBoxLayout(popup);
    lay->setContentsMargins(6, 6, 6, 6);
    lay->setSpacing(4);
    auto *title = new QLabel(QStringLiteral("Kolonlar"), popup);
    QFont f = title->font();
    f.setBold(true);
    title->setFont(f);
    lay->addWidget(title);
    auto *list = new QListWidget(popup);
    list->setObjectName(QStringLiteral("kolonListesi"));
    list->setFrameShape(QFrame::NoFrame);
    int widest = QFontMetrics(title->font()).horizontalAdvance(title->text());
    for (int v = 0; v < m_header->count(); ++v) {
        const int c = m_header->logicalIndex(v);
        const GridColumn &col = m_model->column(c);
        if (!col.offered)
            continue;
        auto *item = new QListWidgetItem(col.headerText(), list);
        item->setData(Qt::UserRole, col.key());
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(m_view->isColumnHidden(c) ? Qt::Unchecked : Qt::Checked);
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(col.headerText()));
    }
    connect(list, &QListWidget::itemChanged, this, [this](QListWidgetItem *item) {
        setColumnVisible(item->data(Qt::UserRole).toString(), item->checkState() == Qt::Checked);
    });
    lay->addWidget(list);
    const int itemHeight = list->fontMetrics().height() + 8;
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setSizeHint(QSize(widest + 40, itemHeight));
    const int rows = std::min(list->count(), 18);
    list->setFixedSize(widest + 52, std::max(1, rows) * itemHeight + 4);
    popup->adjustSize();
    const QPoint at = m_chooserButton->isVisible() ? m_chooserButton->mapToGlobal(QPoint(0, m_chooserButton->height()))
                                                   : m_view->mapToGlobal(QPoint(0, m_header->height()));
    popup->move(at);
    m_chooser = popup;
    popup->show();
}

QWidget *DataGrid::columnChooser() const { return m_chooser; }

// ---- focus ----------------------------------------------------------------------------

int DataGrid::focusedRow() const
{
    const QModelIndex idx = m_view->currentIndex();
    return idx.isValid() ? m_model->tableRow(idx.row()) : -1;
}

void DataGrid::focusRow(int tableRow)
{
    const int g = m_model->gridRow(tableRow);
    if (g < 0)
        return;
    int col = m_view->currentIndex().isValid() ? m_view->currentIndex().column() : -1;
    if (col < 0 || m_view->isColumnHidden(col)) {
        col = 0;
        for (int v = 0; v < m_header->count(); ++v)
            if (!m_view->isColumnHidden(m_header->logicalIndex(v))) {
                col = m_header->logicalIndex(v);
                break;
            }
    }
    m_view->setCurrentIndex(m_model->index(g, col));
    if (!inUpdate())
        m_view->scrollTo(m_model->index(g, col));
}

QVariant DataGrid::focusedValue(const QString &field) const
{
    const int tr = focusedRow();
    ResultTable *t = table();
    if (tr < 0 || !t)
        return {};
    const int tc = t->fieldIndex(field);
    return tc >= 0 ? t->value(tr, tc) : QVariant();
}

int DataGrid::focusedColumn() const
{
    const QModelIndex idx = m_view->currentIndex();
    return idx.isValid() ? idx.column() : -1;
}

void DataGrid::setFocusedColumn(const QString &key)
{
    const int c = columnIndex(key);
    if (c < 0)
        return;
    const QModelIndex cur = m_view->currentIndex();
    if (cur.isValid())
        m_view->setCurrentIndex(m_model->index(cur.row(), c));
    else if (m_model->rowCount() > 0)
        m_view->setCurrentIndex(m_model->index(0, c));
}

int DataGrid::rowCount() const { return m_model->rowCount(); }

void DataGrid::onCurrentChanged(int gridRow)
{
    const int tr = m_model->tableRow(gridRow);
    if (tr == m_lastTableRow)
        return;
    m_lastTableRow = tr;
    if (ResultTable *t = table(); tr >= 0 && t && !m_syncing && t->recNo() != tr && !t->controlsDisabled()) {
        m_syncing = true;
        t->setRecNo(tr);
        m_syncing = false;
    }
    emit focusedRowChanged(tr);
}

void DataGrid::onTableCursor(int tableRow)
{
    if (m_syncing || !isAttached())
        return;
    m_syncing = true;
    focusRow(tableRow);
    m_syncing = false;
}

void DataGrid::afterRebuild()
{
    m_lastTableRow = -2; // the next focus reports, even on the same row number
    static_cast<GridTableView *>(m_view)->clearSearch();
    m_footer->update();
    ResultTable *t = table();
    if (!t || !m_model->attached() || m_model->rowCount() == 0) {
        if (m_view->currentIndex().isValid() || m_model->rowCount() == 0)
            onCurrentChanged(-1);
        return;
    }
    if (m_model->gridRow(t->recNo()) >= 0) {
        onTableCursor(t->recNo());
    } else if (!m_model->isGrouped()) {
        // the table's current row is filtered out: focus the first row shown
        focusRow(m_model->tableRow(0));
    }
}

// ---- filter, sort ---------------------------------------------------------------------

void DataGrid::setFilterButtons(bool on)
{
    m_filterButtons = on;
    m_header->viewport()->update();
}

void DataGrid::setColumnFilter(const QString &key, const QString &value)
{
    const int c = columnIndex(key);
    if (c < 0)
        return;
    m_model->setFilter(c, value);
    m_header->viewport()->update();
}

void DataGrid::clearFilter()
{
    m_model->clearFilters();
    m_header->viewport()->update();
}

bool DataGrid::isFiltered() const { return m_model->isFiltered(); }

void DataGrid::showFilterPopup(int column)
{
    if (column < 0 || column >= m_model->columnCount() || m_model->tableColumn(column) < 0)
        return;
    if (m_filterPopup)
        m_filterPopup->close();
    auto *popup = new QFrame(this, Qt::Popup);
    popup->setObjectName(QStringLiteral("filterPopup"));
    popup->setAttribute(Qt::WA_DeleteOnClose);
    popup->setFrameShape(QFrame::StyledPanel);
    auto *lay = new QVBoxLayout(popup);
    lay->setContentsMargins(2, 2, 2, 2);
    auto *list = new QListWidget(popup);
    list->setObjectName(QStringLiteral("filtreListesi"));
    list->setFrameShape(QFrame::NoFrame);
    auto *all = new QListWidgetItem(QStringLiteral("(Tümü)"), list);
    all->setData(Qt::UserRole + 1, true);
    const QString current = m_model->filterValue(column);
    int widest = list->fontMetrics().horizontalAdvance(all->text());
    for (const QString &v : m_model->distinctValues(column)) {
        auto *item = new QListWidgetItem(v.isEmpty() ? QStringLiteral("(Boş)") : v, list);
        item->setData(Qt::UserRole, v);
        if (m_model->hasFilter(column) && v == current) {
            QFont f = item->font();
            f.setBold(true);
            item->setFont(f);
            list->setCurrentItem(item);
        }
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(item->text()));
    }
    connect(list, &QListWidget::itemClicked, this, [this, column, popup](QListWidgetItem *item) {
        if (item->data(Qt::UserRole + 1).toBool())
            m_model->clearFilter(column);
        else
            m_model->setFilter(column, item->data(Qt::UserRole).toString());
        m_header->viewport()->update();
        popup->close();
    });
    lay->addWidget(list);
    const int rows = std::min(list->count(), 16);
    list->setFixedSize(std::clamp(widest + 36, std::max(120, m_header->sectionSize(column)), 420),
                       rows * (list->fontMetrics().height() + 4) + 6);
    popup->adjustSize();
    const int x = m_header->sectionViewportPosition(column);
    popup->move(m_header->mapToGlobal(QPoint(std::max(0, x), m_header->height())));
    m_filterPopup = popup;
    popup->show();
}

QWidget *DataGrid::filterPopup() const { return m_filterPopup; }

void DataGrid::setSortingAllowed(bool on)
{
    m_model->setSortingAllowed(on);
    if (!on) {
        m_view->setSortingEnabled(false);
        m_header->setSortIndicator(-1, Qt::AscendingOrder);
        m_model->sort(-1);
        m_header->setSortIndicatorShown(false);
    } else {
        m_header->setSortIndicatorShown(true);
        m_view->setSortingEnabled(true);
    }
}

// ---- search, footer, groups -----------------------------------------------------------

void DataGrid::setIncrementalSearch(bool on)
{
    m_incrementalSearch = on;
    static_cast<GridTableView *>(m_view)->clearSearch();
}

QString DataGrid::searchText() const { return static_cast<GridTableView *>(m_view)->search; }

void DataGrid::setFooterVisible(bool on) { m_footer->setVisible(on); }
bool DataGrid::footerVisible() const { return !m_footer->isHidden(); }

QString DataGrid::footerText(const QString &key) const { return m_model->summaryText(columnIndex(key)); }

QWidget *DataGrid::footer() const { return m_footer; }

void DataGrid::setGroupByBoxVisible(bool on) { m_groupBox->setVisible(on); }
bool DataGrid::groupByBoxVisible() const { return !m_groupBox->isHidden(); }

void DataGrid::groupBy(const QString &key)
{
    m_model->setGroupColumn(key.isEmpty() ? -1 : columnIndex(key));
    m_groupBox->update();
}

QString DataGrid::groupedBy() const
{
    const int c = m_model->groupColumn();
    return c >= 0 ? m_model->column(c).key() : QString();
}

void DataGrid::setGroupFooters(bool on) { m_model->setGroupFooters(on); }
void DataGrid::expandAll() { m_model->expandAll(); }
void DataGrid::collapseAll() { m_model->collapseAll(); }

// ---- events ---------------------------------------------------------------------------

void DataGrid::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    emit resized();
}

bool DataGrid::eventFilter(QObject *o, QEvent *e)
{
    if (o == m_view->viewport() && e->type() == QEvent::Resize) {
        if (m_autoWidth)
            applyAutoWidth();
        m_footer->update();
        updateChooserButton();
    }
    return QWidget::eventFilter(o, e);
}

} // namespace dorvanto
