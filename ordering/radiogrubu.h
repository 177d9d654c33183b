// A radio group: a captioned box of radio buttons, one per entry, each entry a text
// with an integer id attached (the delivery statuses and cargo types of the order form).
#pragma once

#include "sepetislemleri.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QVector>

class QVBoxLayout;

namespace dorvanto {

class RadioGrubu : public QGroupBox {
    Q_OBJECT
public:
    explicit RadioGrubu(const QString &baslik, QWidget *parent = nullptr);

    // Replaces the entries; no entry is chosen afterwards.
    void setSecenekler(const QVector<Secenek> &secenekler);
    const QVector<Secenek> &secenekler() const { return m_secenekler; }
    int count() const { return int(m_secenekler.size()); }

    int itemIndex() const;               // -1 when none is chosen
    void setItemIndex(int i);            // -1 chooses none; emits nothing
    bool secili() const { return itemIndex() >= 0; }
    int seciliId() const;                // id of the chosen entry; 0 when none
    QString seciliMetin() const;         // text of the chosen entry; empty when none
    QRadioButton *dugme(int i) const;

signals:
    // The user clicked an entry.
    void tiklandi();

private:
    QVector<Secenek> m_secenekler;
    QButtonGroup *m_grup;
    QVBoxLayout *m_duzen;
};

} // namespace dorvanto
