#include "core/ListeGorunumu.h"

#include "core/OrtakDegiskenler.h"
#include "platform/Ayarlar.h"
#include "platform/TurkceMetin.h"

#include <QAbstractTableModel>
#include <QCollator>
#include <QCollatorSortKey>
#include <QEvent>
#include <QHeaderView>
#include <QLocale>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <optional>
#include <vector>

namespace {

int pikselden(int twips) { return int(std::lround(twips / 15.0)); }

// "dd.MM.yyyy" (one-digit day and month too), optionally followed by " HH:mm" or " HH:mm:ss"; the value
// grows with the date and time. Empty or unreadable: nothing.
std::optional<double> tarihDeğeri(const QString& metin)
{
    const QChar* p = metin.constData();
    const QChar* son = p + metin.size();
    while (p < son && *p == QLatin1Char(' ')) ++p;
    auto sayı = [&](int enAz, int enÇok, int& değer) {
        int adet = 0;
        değer = 0;
        while (p < son && adet < enÇok && p->unicode() >= '0' && p->unicode() <= '9') {
            değer = değer * 10 + (p->unicode() - '0');
            ++p;
            ++adet;
        }
        return adet >= enAz;
    };
    auto ayraç = [&](char c) {
        if (p < son && *p == QLatin1Char(c)) {
            ++p;
            return true;
        }
        return false;
    };
    int gün, ay, yıl;
    if (!sayı(1, 2, gün) || !ayraç('.') || !sayı(1, 2, ay) || !ayraç('.') || !sayı(4, 4, yıl)) return std::nullopt;
    if (gün < 1 || gün > 31 || ay < 1 || ay > 12) return std::nullopt;
    double değer = (yıl * 10000.0 + ay * 100 + gün) * 1000000.0;
    while (p < son && *p == QLatin1Char(' ')) ++p;
    int saat = 0, dakika = 0, saniye = 0;
    if (p < son) {
        if (!sayı(1, 2, saat) || !ayraç(':') || !sayı(2, 2, dakika)) return std::nullopt;
        if (ayraç(':') && !sayı(2, 2, saniye)) return std::nullopt;
    }
    return değer + saat * 10000 + dakika * 100 + saniye;
}

std::optional<double> sayıDeğeri(const QString& metin)
{
    bool tamam = false;
    const double d = turkce::sayıOku(metin, &tamam);
    if (!tamam) return std::nullopt;
    return d;
}

// Draws the focus frame of no cell: the whole row is the selection.
class SatırTemsilcisi : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void initStyleOption(QStyleOptionViewItem* seçenek, const QModelIndex& dizin) const override
    {
        QStyledItemDelegate::initStyleOption(seçenek, dizin);
        seçenek->state &= ~QStyle::State_HasFocus;
    }
};

}  // namespace

const QList<QPixmap>& ListeSütunuSimgeleri()
{
    static const QList<QPixmap> simgeler = [] {
        const QColor koyu(128, 128, 128), açık(Qt::white);
        auto çiz = [&](bool yukarı) {
            QPixmap resim(16, 16);
            resim.fill(Qt::transparent);
            QPainter p(&resim);
            p.setRenderHint(QPainter::Antialiasing, false);
            // The white edges first, so that the corners they share with the grey ones are grey.
            if (yukarı) {
                const QPoint tepe(7, 4), sol(3, 11), sağ(11, 11);
                p.setPen(açık);
                p.drawLine(tepe, sağ);
                p.drawLine(sol, sağ);
                p.setPen(koyu);
                p.drawLine(tepe, sol);
            } else {
                const QPoint sol(3, 4), sağ(11, 4), dip(7, 11);
                p.setPen(açık);
                p.drawLine(sağ, dip);
                p.setPen(koyu);
                p.drawLine(sol, sağ);
                p.drawLine(sol, dip);
            }
            p.end();
            return resim;
        };
        return QList<QPixmap>{çiz(true), çiz(false)};
    }();
    return simgeler;
}

// ---------------------------------------------------------------------------------------------------
// The rows, in display order.

class ListeModeli : public QAbstractTableModel {
public:
    struct Satır {
        QStringList hücreler;
        qint64 değer = 0;
    };

    explicit ListeModeli(QObject* üst) : QAbstractTableModel(üst) {}

    void sütunlarıKur(const QList<ListeSütunu>& sütunlar)
    {
        beginResetModel();
        sütunlar_ = sütunlar;
        satırlar_.clear();
        görünen_ = 0;
        metinSütunu_ = -1;
        oklar_ = false;
        endResetModel();
    }

    int rowCount(const QModelIndex& üst = {}) const override { return üst.isValid() ? 0 : görünen_; }
    int columnCount(const QModelIndex& üst = {}) const override
    {
        return üst.isValid() ? 0 : int(sütunlar_.size());
    }

    QVariant data(const QModelIndex& dizin, int rol) const override
    {
        if (!dizin.isValid()) return {};
        if (rol == Qt::DisplayRole) return hücre(dizin.row(), dizin.column());
        if (rol == Qt::TextAlignmentRole)
            return QVariant::fromValue(sütunlar_[dizin.column()].hizalama | Qt::AlignVCenter);
        return {};
    }

    QVariant headerData(int bölüm, Qt::Orientation yön, int rol) const override
    {
        if (yön != Qt::Horizontal || bölüm < 0 || bölüm >= sütunlar_.size()) return {};
        if (rol == Qt::DisplayRole) return sütunlar_[bölüm].başlık;
        if (rol == Qt::TextAlignmentRole) {
            Qt::Alignment h = sütunlar_[bölüm].hizalama;
            if (oklar_ && !(h & Qt::AlignRight)) h = Qt::AlignLeft;
            return QVariant::fromValue(h | Qt::AlignVCenter);
        }
        return {};
    }

    QString hücre(int satır, int sütun) const
    {
        const QStringList& h = satırlar_[size_t(satır)].hücreler;
        return sütun < h.size() ? h[sütun] : QString();
    }

    const ListeSütunu& sütun(int i) const { return sütunlar_[i]; }
    int sütunSayısı() const { return int(sütunlar_.size()); }

    void topluBaşla() { ++toplu_; }

    void topluBitir()
    {
        if (toplu_ == 0 || --toplu_ > 0) return;
        const int yeni = int(satırlar_.size());
        if (yeni > görünen_) {
            beginInsertRows({}, görünen_, yeni - 1);
            görünen_ = yeni;
            endInsertRows();
            if (metinSütunu_ >= 0) sırala(metinSütunu_, metinYönü_);
        }
    }

    int ekle(QStringList hücreler, qint64 değer)
    {
        if (toplu_) {
            satırlar_.push_back({std::move(hücreler), değer});
            return int(satırlar_.size()) - 1;
        }
        int yer = görünen_;
        if (metinSütunu_ >= 0) {
            const QString metin = metinSütunu_ < hücreler.size() ? hücreler[metinSütunu_] : QString();
            int alt = 0, üst = görünen_;
            while (alt < üst) {
                const int orta = (alt + üst) / 2;
                const int k = turkce::karşılaştır(metin, hücre(orta, metinSütunu_));
                const bool önce = metinYönü_ == 0 ? k < 0 : k > 0;
                if (önce) üst = orta;
                else alt = orta + 1;
            }
            yer = alt;
        }
        beginInsertRows({}, yer, yer);
        satırlar_.insert(satırlar_.begin() + yer, Satır{std::move(hücreler), değer});
        ++görünen_;
        endInsertRows();
        return yer;
    }

    void sil(int satır)
    {
        if (satır < 0 || satır >= int(satırlar_.size())) return;
        if (satır >= görünen_) {  // a row of a fill still in progress: the view knows nothing of it
            satırlar_.erase(satırlar_.begin() + satır);
            return;
        }
        beginRemoveRows({}, satır, satır);
        satırlar_.erase(satırlar_.begin() + satır);
        --görünen_;
        endRemoveRows();
    }

    void temizle()
    {
        beginResetModel();
        satırlar_.clear();
        görünen_ = 0;
        endResetModel();
    }

    void hücreyiDeğiştir(int satır, int sütun, const QString& metin)
    {
        if (satır < 0 || satır >= int(satırlar_.size()) || sütun < 0 || sütun >= sütunSayısı()) return;
        QStringList& h = satırlar_[size_t(satır)].hücreler;
        while (h.size() <= sütun) h.append(QString());
        h[sütun] = metin;
        if (satır < görünen_) emit dataChanged(index(satır, sütun), index(satır, sütun));
    }

    Satır& satır(int i) { return satırlar_[size_t(i)]; }
    const Satır& satır(int i) const { return satırlar_[size_t(i)]; }
    int tümSatırlar() const { return int(satırlar_.size()); }

    void metinSıralaması(int sütun, int yön)
    {
        metinSütunu_ = sütun;
        metinYönü_ = yön;
    }

    void oklarGösterildi()
    {
        if (oklar_) return;
        oklar_ = true;
        emit headerDataChanged(Qt::Horizontal, 0, std::max(0, sütunSayısı() - 1));
    }

    // Stable sort of the shown rows by the column's value; the selection goes with its row.
    void sırala(int sütun, int yön)
    {
        if (sütun < 0 || sütun >= sütunSayısı()) return;
        const int n = görünen_;
        std::vector<int> sıra(static_cast<size_t>(n));
        std::iota(sıra.begin(), sıra.end(), 0);
        const SütunTürü tür = sütunlar_[sütun].tür;
        if (tür == SütunTürü::Metin) {
            QCollator sıralayıcı(QLocale(QLocale::Turkish, QLocale::Turkey));
            sıralayıcı.setCaseSensitivity(Qt::CaseInsensitive);
            std::vector<QCollatorSortKey> anahtar;
            anahtar.reserve(size_t(n));
            for (int i = 0; i < n; ++i) anahtar.push_back(sıralayıcı.sortKey(hücre(i, sütun)));
            if (yön == 0)
                std::stable_sort(sıra.begin(), sıra.end(),
                                 [&](int a, int b) { return anahtar[size_t(a)].compare(anahtar[size_t(b)]) < 0; });
            else
                std::stable_sort(sıra.begin(), sıra.end(),
                                 [&](int a, int b) { return anahtar[size_t(b)].compare(anahtar[size_t(a)]) < 0; });
        } else {
            // Empty or unreadable cells come before every value.
            constexpr double boş = -std::numeric_limits<double>::infinity();
            std::vector<double> anahtar(static_cast<size_t>(n));
            for (int i = 0; i < n; ++i) {
                const QString m = hücre(i, sütun);
                const auto d = tür == SütunTürü::Tarih ? tarihDeğeri(m) : sayıDeğeri(m);
                anahtar[size_t(i)] = d ? *d : boş;
            }
            if (yön == 0)
                std::stable_sort(sıra.begin(), sıra.end(),
                                 [&](int a, int b) { return anahtar[size_t(a)] < anahtar[size_t(b)]; });
            else
                std::stable_sort(sıra.begin(), sıra.end(),
                                 [&](int a, int b) { return anahtar[size_t(b)] < anahtar[size_t(a)]; });
        }
        yenidenDiz(sıra);
    }

private:
    void yenidenDiz(const std::vector<int>& sıra)
    {
        const int n = int(sıra.size());
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        std::vector<int> yeniYer(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) yeniYer[size_t(sıra[size_t(i)])] = i;
        std::vector<Satır> yeni;
        yeni.reserve(satırlar_.size());
        for (int i = 0; i < n; ++i) yeni.push_back(std::move(satırlar_[size_t(sıra[size_t(i)])]));
        for (size_t i = size_t(n); i < satırlar_.size(); ++i) yeni.push_back(std::move(satırlar_[i]));
        satırlar_ = std::move(yeni);
        const QModelIndexList eski = persistentIndexList();
        QModelIndexList güncel;
        güncel.reserve(eski.size());
        for (const QModelIndex& d : eski) güncel.append(index(yeniYer[size_t(d.row())], d.column()));
        changePersistentIndexList(eski, güncel);
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }

    QList<ListeSütunu> sütunlar_;
    std::vector<Satır> satırlar_;
    int görünen_ = 0;  // rows the view knows of; more may wait in a fill
    int toplu_ = 0;
    int metinSütunu_ = -1;
    int metinYönü_ = 0;
    bool oklar_ = false;
};

// ---------------------------------------------------------------------------------------------------
// The header, with the sort arrow beside the caption.

class ListeBaşlığı : public QHeaderView {
public:
    explicit ListeBaşlığı(QWidget* üst) : QHeaderView(Qt::Horizontal, üst) {}

    int oklu = -1;
    int okYönü = 0;  // SıralamaYönü at the click: another list window changes the global afterwards

protected:
    void paintSection(QPainter* ressam, const QRect& alan, int sütun) const override
    {
        QHeaderView::paintSection(ressam, alan, sütun);
        if (sütun != oklu || !model() || alan.width() <= 0) return;
        const QPixmap& ok = ListeSütunuSimgeleri().value(okYönü == 0 ? 0 : 1);
        const int kenar = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
        const QString başlık = model()->headerData(sütun, Qt::Horizontal).toString();
        const int yazı = fontMetrics().horizontalAdvance(başlık);
        const bool sağa =
            model()->headerData(sütun, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight;
        int x = sağa ? alan.right() - kenar - yazı - 4 - ok.width() : alan.left() + kenar + yazı + 4;
        x = std::clamp(x, alan.left(), std::max(alan.left(), alan.right() - ok.width()));
        const int y = alan.top() + (alan.height() - ok.height()) / 2;
        ressam->save();
        ressam->setClipRect(alan);
        ressam->drawPixmap(x, y, ok);
        ressam->restore();
    }
};

// ---------------------------------------------------------------------------------------------------

ListeGörünümü::ListeGörünümü(QWidget* üst)
    : QTableView(üst), model_(new ListeModeli(this)), başlık_(new ListeBaşlığı(this))
{
    setHorizontalHeader(başlık_);
    setModel(model_);
    setItemDelegate(new SatırTemsilcisi(this));
    başlık_->setSectionsMovable(true);
    başlık_->setSectionsClickable(true);
    başlık_->setHighlightSections(false);
    başlık_->setStretchLastSection(false);
    başlık_->setMinimumSectionSize(0);
    başlık_->setSortIndicatorShown(false);
    başlık_->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    çizgileriAyarla();

    connect(başlık_, &QHeaderView::sectionClicked, this, [this](int sütun) { sütunaTıklandı(sütun); });
}

ListeGörünümü::~ListeGörünümü() = default;

void ListeGörünümü::sütunlarıKur(const QList<ListeSütunu>& sütunlar)
{
    sütunlar_ = sütunlar;
    başlık_->oklu = -1;
    model_->sütunlarıKur(sütunlar);
    twips_ = QList<int>(sütunlar.size(), 0);
    piksel_ = QList<int>(sütunlar.size(), 0);
    for (int i = 0; i < sütunlar.size(); ++i) genişliğiKur(i, std::max(0, sütunlar[i].genişlikTwips));
}

void ListeGörünümü::genişliğiKur(int sütun, int twips)
{
    twips_[sütun] = twips;
    piksel_[sütun] = pikselden(twips);
    başlık_->resizeSection(sütun, piksel_[sütun]);
}

int ListeGörünümü::sütunSayısı() const { return model_->sütunSayısı(); }
const ListeSütunu& ListeGörünümü::sütun(int i) const { return sütunlar_[i]; }
QString ListeGörünümü::sütunBaşlığı(int i) const { return sütunlar_.value(i).başlık; }
Qt::Alignment ListeGörünümü::sütunHizalaması(int i) const { return sütunlar_.value(i).hizalama; }
SütunTürü ListeGörünümü::sütunTürü(int i) const { return sütunlar_.value(i).tür; }

int ListeGörünümü::sütunGenişliğiTwips(int i) const
{
    if (i < 0 || i >= sütunSayısı() || başlık_->isSectionHidden(i)) return 0;
    const int piksel = başlık_->sectionSize(i);
    return piksel == piksel_[i] ? twips_[i] : piksel * 15;
}

void ListeGörünümü::sütunGenişliğiniAyarla(int i, int twips)
{
    if (i < 0 || i >= sütunSayısı() || twips < 0) return;
    genişliğiKur(i, twips);
}

int ListeGörünümü::sütunKonumu(int i) const { return başlık_->visualIndex(i); }

void ListeGörünümü::sütunKonumunuAyarla(int i, int konum)
{
    if (i < 0 || i >= sütunSayısı() || konum < 0 || konum >= sütunSayısı()) return;
    başlık_->moveSection(başlık_->visualIndex(i), konum);
}

QList<int> ListeGörünümü::görünümSırası() const
{
    QList<int> sıra;
    for (int k = 0; k < sütunSayısı(); ++k) sıra.append(başlık_->logicalIndex(k));
    return sıra;
}

void ListeGörünümü::düzeniOku(const QString& bölüm)
{
    for (int i = 0; i < sütunSayısı(); ++i) {
        const QString no = QString::number(i + 1);
        bool tamam = false;
        const int konum = ayarlar::oku(bölüm, QStringLiteral("Konum-") + no, no).trimmed().toInt(&tamam);
        if (tamam) sütunKonumunuAyarla(i, konum - 1);
        QString genişlik = ayarlar::oku(bölüm, QStringLiteral("Genislik-") + no).trimmed();
        genişlik.replace(QLatin1Char(','), QLatin1Char('.'));
        const double twips = genişlik.toDouble(&tamam);
        if (tamam && twips >= 0 && twips < 1e7) genişliğiKur(i, int(std::lround(twips)));
    }
}

void ListeGörünümü::düzeniYaz(const QString& bölüm) const
{
    for (int i = 0; i < sütunSayısı(); ++i) {
        const QString no = QString::number(i + 1);
        ayarlar::yaz(bölüm, QStringLiteral("Konum-") + no, QString::number(sütunKonumu(i) + 1));
        ayarlar::yaz(bölüm, QStringLiteral("Genislik-") + no, QString::number(sütunGenişliğiTwips(i)));
    }
}

void ListeGörünümü::çizgileriAyarla() { setShowGrid(ÇizgiliListeler != 0); }

bool ListeGörünümü::event(QEvent* olay)
{
    if (olay->type() == QEvent::WindowActivate) çizgileriAyarla();
    return QTableView::event(olay);
}

void ListeGörünümü::showEvent(QShowEvent* olay)
{
    çizgileriAyarla();
    QTableView::showEvent(olay);
}

int ListeGörünümü::satırEkle(const QStringList& hücreler, qint64 değer) { return model_->ekle(hücreler, değer); }

void ListeGörünümü::satırSil(int satır) { model_->sil(satır); }
void ListeGörünümü::temizle() { model_->temizle(); }
int ListeGörünümü::satırSayısı() const { return model_->tümSatırlar(); }

QString ListeGörünümü::hücre(int satır, int sütun) const
{
    if (satır < 0 || satır >= model_->tümSatırlar() || sütun < 0 || sütun >= sütunSayısı()) return {};
    return model_->hücre(satır, sütun);
}

void ListeGörünümü::hücreyiDeğiştir(int satır, int sütun, const QString& metin)
{
    model_->hücreyiDeğiştir(satır, sütun, metin);
}

QStringList ListeGörünümü::satır(int i) const
{
    QStringList sonuç;
    for (int s = 0; s < sütunSayısı(); ++s) sonuç.append(hücre(i, s));
    return sonuç;
}

qint64 ListeGörünümü::satırDeğeri(int i) const
{
    return i < 0 || i >= model_->tümSatırlar() ? 0 : model_->satır(i).değer;
}

void ListeGörünümü::satırDeğeriniDeğiştir(int i, qint64 değer)
{
    if (i >= 0 && i < model_->tümSatırlar()) model_->satır(i).değer = değer;
}

int ListeGörünümü::değerleBul(qint64 değer) const
{
    for (int i = 0; i < model_->tümSatırlar(); ++i)
        if (model_->satır(i).değer == değer) return i;
    return -1;
}

int ListeGörünümü::hücreyleBul(int sütun, const QString& metin) const
{
    for (int i = 0; i < model_->tümSatırlar(); ++i)
        if (hücre(i, sütun) == metin) return i;
    return -1;
}

int ListeGörünümü::seçiliSatır() const
{
    const QModelIndexList seçili = selectionModel()->selectedRows();
    return seçili.isEmpty() ? -1 : seçili.first().row();
}

void ListeGörünümü::satırıSeç(int satır)
{
    if (satır < 0 || satır >= model_->rowCount()) {
        selectionModel()->clearSelection();
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        return;
    }
    selectionModel()->setCurrentIndex(model_->index(satır, 0),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ListeGörünümü::doldurmayaBaşla() { model_->topluBaşla(); }
void ListeGörünümü::doldurmayıBitir() { model_->topluBitir(); }

void ListeGörünümü::sütunaTıklandı(int c)
{
    if (c < 0 || c >= sütunSayısı()) return;
    if (c != SıralamaSütunu) SıralamaYönü = 0;
    else SıralamaYönü = SıralamaYönü == 0 ? 1 : 0;
    SıralamaSütunu = c;
    const SütunTürü tür = sütunlar_[c].tür;
    if (tür == SütunTürü::Metin) {
        model_->metinSıralaması(c, SıralamaYönü);
    } else {
        SayısalSıralama = tür == SütunTürü::Sayı ? 1 : 0;
        model_->metinSıralaması(-1, 0);
    }
    sırala(c, SıralamaYönü);
    okuGöster(c);
}

void ListeGörünümü::ilkSıralama()
{
    SıralamaYönü = 1;
    sütunaTıklandı(0);
}

void ListeGörünümü::sırala(int sütun, int yön) { model_->sırala(sütun, yön); }

int ListeGörünümü::okluSütun() const { return başlık_->oklu; }

void ListeGörünümü::okuGöster(int sütun)
{
    başlık_->oklu = sütun;
    başlık_->okYönü = SıralamaYönü;
    model_->oklarGösterildi();
    başlık_->viewport()->update();
    const int seçili = seçiliSatır();
    if (seçili >= 0) scrollTo(model_->index(seçili, std::max(0, başlık_->logicalIndexAt(0))));
}
