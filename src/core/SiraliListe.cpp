#include "core/SiraliListe.h"

#include "platform/TurkceMetin.h"

#include <QSignalBlocker>
#include <vector>

namespace {

constexpr int NumaraRolü = Qt::UserRole;

// Binary search for the place after the last entry that sorts at or before the text.
template <typename MetinAl>
int sonrakiYer(int adet, const QString& metin, MetinAl metinAl)
{
    int alt = 0, üst = adet;
    while (alt < üst) {
        const int orta = (alt + üst) / 2;
        if (turkce::karşılaştır(metin, metinAl(orta)) < 0) üst = orta;
        else alt = orta + 1;
    }
    return alt;
}

}  // namespace

void türkçeSırala(QList<ListeGirdisi>& girdiler)
{
    std::vector<QStringView> metinler;
    metinler.reserve(size_t(girdiler.size()));
    for (const ListeGirdisi& g : girdiler) metinler.push_back(g.metin);
    const std::vector<int> sıra = turkce::sıralamaDizini(metinler);
    QList<ListeGirdisi> sıralı;
    sıralı.reserve(girdiler.size());
    for (const int i : sıra) sıralı.push_back(std::move(girdiler[i]));
    girdiler = std::move(sıralı);
}

// ---------------------------------------------------------------------------------------------------

SıralıListeKutusu::SıralıListeKutusu(QWidget* üst) : QListWidget(üst)
{
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    hiçbiriSeçiliDeğil();
}

int SıralıListeKutusu::yeriniBul(const QString& metin) const
{
    return sonrakiYer(count(), metin, [this](int i) { return item(i)->text(); });
}

int SıralıListeKutusu::ekle(const QString& metin, qint64 numara)
{
    const int yer = yeriniBul(metin);
    auto* öğe = new QListWidgetItem(metin);
    öğe->setData(NumaraRolü, numara);
    const QSignalBlocker sessiz(this);
    insertItem(yer, öğe);
    return yer;
}

void SıralıListeKutusu::doldur(QList<ListeGirdisi> girdiler)
{
    türkçeSırala(girdiler);
    const QSignalBlocker sessiz(this);
    setUpdatesEnabled(false);
    clear();
    for (ListeGirdisi& g : girdiler) {
        auto* öğe = new QListWidgetItem(g.metin);
        öğe->setData(NumaraRolü, g.numara);
        addItem(öğe);
    }
    hiçbiriSeçiliDeğil();
    setUpdatesEnabled(true);
}

void SıralıListeKutusu::temizle()
{
    const QSignalBlocker sessiz(this);
    clear();
    hiçbiriSeçiliDeğil();
}

void SıralıListeKutusu::hiçbiriSeçiliDeğil()
{
    // Set through the view, so that the view counts it as chosen: otherwise a list without a current
    // entry makes its first entry current when it takes the focus, and the window's click handler runs.
    const QSignalBlocker sessiz(this);
    setCurrentIndex(QModelIndex());
}

void SıralıListeKutusu::satırıSil(int satır)
{
    if (satır < 0 || satır >= count()) return;
    delete takeItem(satır);
}

qint64 SıralıListeKutusu::numara(int satır) const
{
    const QListWidgetItem* öğe = item(satır);
    return öğe ? öğe->data(NumaraRolü).toLongLong() : 0;
}

QString SıralıListeKutusu::metin(int satır) const
{
    const QListWidgetItem* öğe = item(satır);
    return öğe ? öğe->text() : QString();
}

qint64 SıralıListeKutusu::seçiliNumara() const
{
    const int satır = currentRow();
    return satır < 0 ? -1 : numara(satır);
}

int SıralıListeKutusu::numarayıBul(qint64 aranan) const
{
    for (int i = 0; i < count(); ++i)
        if (item(i)->data(NumaraRolü).toLongLong() == aranan) return i;
    return -1;
}

int SıralıListeKutusu::numarayıSeç(qint64 aranan)
{
    const int satır = numarayıBul(aranan);
    setCurrentRow(satır);
    return satır;
}

// ---------------------------------------------------------------------------------------------------

SıralıAçılırKutu::SıralıAçılırKutu(QWidget* üst) : QComboBox(üst) {}

int SıralıAçılırKutu::yeriniBul(const QString& metin) const
{
    return sonrakiYer(count(), metin, [this](int i) { return itemText(i); });
}

int SıralıAçılırKutu::ekle(const QString& metin, qint64 numara)
{
    const int yer = yeriniBul(metin);
    const QSignalBlocker sessiz(this);
    const bool boştu = count() == 0;
    const QString yazılan = currentText();
    insertItem(yer, metin, numara);
    // A combo box picks its first entry by itself; the selection stays as the window left it.
    if (boştu) {
        setCurrentIndex(-1);
        if (isEditable()) setEditText(yazılan);
    }
    return yer;
}

void SıralıAçılırKutu::doldur(QList<ListeGirdisi> girdiler)
{
    türkçeSırala(girdiler);
    const QSignalBlocker sessiz(this);
    clear();
    for (ListeGirdisi& g : girdiler) addItem(g.metin, g.numara);
    setCurrentIndex(-1);
}

void SıralıAçılırKutu::temizle()
{
    const QSignalBlocker sessiz(this);
    clear();
}

qint64 SıralıAçılırKutu::numara(int sıra) const
{
    return sıra < 0 || sıra >= count() ? 0 : itemData(sıra).toLongLong();
}

qint64 SıralıAçılırKutu::seçiliNumara() const
{
    return currentIndex() < 0 ? -1 : numara(currentIndex());
}

int SıralıAçılırKutu::numarayıBul(qint64 aranan) const
{
    for (int i = 0; i < count(); ++i)
        if (itemData(i).toLongLong() == aranan) return i;
    return -1;
}

int SıralıAçılırKutu::numarayıSeç(qint64 aranan)
{
    const int sıra = numarayıBul(aranan);
    setCurrentIndex(sıra);
    return sıra;
}
