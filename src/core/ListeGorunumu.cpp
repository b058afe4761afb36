#include "core/ListeGorunumu.h"

#include "core/OrtakDegiskenler.h"
#include "platform/Ayarlar.h"
#include "platform/TurkceMetin.h"

#include <QAbstractTableModel>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
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

// The text a text column sorts a cell by: a text as it is (without a copy; valid while the cell lives),
// anything else as it is shown.
QString sıralamaMetni(const ListeDeğeri& d)
{
    if (d.tür() != ListeDeğeri::Tür::Metin) return d.görünen();
    const QStringView v = d.metinGörünümü();
    return QString::fromRawData(reinterpret_cast<const QChar*>(v.utf16()), v.size());
}

// What a date or number column sorts a cell by. Empty cells, and what is no value (a text that reads as
// no date or number, a number that is not one), come before every value. A date weighs as its text
// would read, so that dates and date texts (with a time, too) sort together.
double sıralamaDeğeri(const ListeDeğeri& d, SütunTürü tür)
{
    constexpr double boş = -std::numeric_limits<double>::infinity();
    switch (d.tür()) {
    case ListeDeğeri::Tür::Boş:
        return boş;
    case ListeDeğeri::Tür::Sayı:
        return std::isnan(d.sayı()) ? boş : d.sayı();
    case ListeDeğeri::Tür::Tarih: {
        int yıl, ay, gün;
        d.tarih().getDate(&yıl, &ay, &gün);
        return (yıl * 10000.0 + ay * 100 + gün) * 1000000.0;
    }
    case ListeDeğeri::Tür::Metin:
        break;
    }
    const QString metin = sıralamaMetni(d);
    const auto değer = tür == SütunTürü::Tarih ? tarihDeğeri(metin) : sayıDeğeri(metin);
    return değer ? *değer : boş;
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
// The rows, in display order: their cells one after another, as many to a row as there are columns,
// and the value each row carries.

class ListeModeli : public QAbstractTableModel {
public:
    explicit ListeModeli(QObject* üst) : QAbstractTableModel(üst) {}

    void sütunlarıKur(const QList<ListeSütunu>& sütunlar)
    {
        beginResetModel();
        sütunlar_ = sütunlar;
        genişlik_ = size_t(sütunlar.size());
        hücreler_.clear();
        değerler_.clear();
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
        if (rol == Qt::DisplayRole) return hücre(dizin.row(), dizin.column()).görünen();
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

    // The cell; the caller has checked the row and the column.
    const ListeDeğeri& hücre(int satır, int sütun) const { return hücreler_[size_t(satır) * genişlik_ + size_t(sütun)]; }

    const ListeSütunu& sütun(int i) const { return sütunlar_[i]; }
    int sütunSayısı() const { return int(sütunlar_.size()); }

    void topluBaşla() { ++toplu_; }

    void topluBitir()
    {
        if (toplu_ == 0 || --toplu_ > 0) return;
        const int yeni = tümSatırlar();
        if (yeni > görünen_) {
            beginInsertRows({}, görünen_, yeni - 1);
            görünen_ = yeni;
            endInsertRows();
            if (metinSütunu_ >= 0) sırala(metinSütunu_, metinYönü_);
        }
    }

    // During a fill: room for `adet` more rows, so that the rows already in are not moved as more come.
    void yerAyır(int adet)
    {
        if (!toplu_ || adet <= 0) return;
        hücreler_.reserve(hücreler_.size() + size_t(adet) * genişlik_);
        değerler_.reserve(değerler_.size() + size_t(adet));
    }

    // As ekle(), the cells moved in during a fill.
    int taşıyarakEkle(QList<ListeDeğeri>&& hücreler, qint64 değer)
    {
        if (!toplu_) return ekle(hücreler.constData(), hücreler.size(), değer);
        const size_t n = std::min(size_t(hücreler.size()), genişlik_);
        hücreler_.insert(hücreler_.end(), std::make_move_iterator(hücreler.begin()),
                         std::make_move_iterator(hücreler.begin() + qsizetype(n)));
        hücreler_.resize(hücreler_.size() + genişlik_ - n);
        değerler_.push_back(değer);
        return tümSatırlar() - 1;
    }

    // Adds a row from `adet` cells (the missing ones empty, the extra ones dropped).
    template <class Hücre>
    int ekle(const Hücre* hücreler, qsizetype adet, qint64 değer)
    {
        const size_t n = std::min(size_t(std::max<qsizetype>(adet, 0)), genişlik_);
        if (toplu_) {
            hücreler_.insert(hücreler_.end(), hücreler, hücreler + n);
            hücreler_.resize(hücreler_.size() + genişlik_ - n);
            değerler_.push_back(değer);
            return tümSatırlar() - 1;
        }
        int yer = görünen_;
        if (metinSütunu_ >= 0) {
            const ListeDeğeri yeni = size_t(metinSütunu_) < n ? ListeDeğeri(hücreler[metinSütunu_]) : ListeDeğeri();
            const QString metin = sıralamaMetni(yeni);
            int alt = 0, üst = görünen_;
            while (alt < üst) {
                const int orta = (alt + üst) / 2;
                const int k = turkce::karşılaştır(metin, sıralamaMetni(hücre(orta, metinSütunu_)));
                const bool önce = metinYönü_ == 0 ? k < 0 : k > 0;
                if (önce) üst = orta;
                else alt = orta + 1;
            }
            yer = alt;
        }
        beginInsertRows({}, yer, yer);
        // The rows of a fill still in progress stay behind the shown ones.
        const auto başı = hücreler_.begin() + ptrdiff_t(size_t(yer) * genişlik_);
        const auto yeniBaşı = hücreler_.insert(başı, genişlik_, ListeDeğeri());
        std::copy(hücreler, hücreler + n, yeniBaşı);
        değerler_.insert(değerler_.begin() + yer, değer);
        ++görünen_;
        endInsertRows();
        return yer;
    }

    void sil(int satır)
    {
        if (satır < 0 || satır >= tümSatırlar()) return;
        const bool gösteriliyor = satır < görünen_;  // a row of a fill in progress: the view knows nothing of it
        if (gösteriliyor) beginRemoveRows({}, satır, satır);
        const auto başı = hücreler_.begin() + ptrdiff_t(size_t(satır) * genişlik_);
        hücreler_.erase(başı, başı + ptrdiff_t(genişlik_));
        değerler_.erase(değerler_.begin() + satır);
        if (gösteriliyor) {
            --görünen_;
            endRemoveRows();
        }
    }

    void temizle()
    {
        beginResetModel();
        hücreler_.clear();
        değerler_.clear();
        görünen_ = 0;
        endResetModel();
    }

    void hücreyiDeğiştir(int satır, int sütun, const ListeDeğeri& değer)
    {
        if (satır < 0 || satır >= tümSatırlar() || sütun < 0 || sütun >= sütunSayısı()) return;
        hücreler_[size_t(satır) * genişlik_ + size_t(sütun)] = değer;
        if (satır < görünen_) emit dataChanged(index(satır, sütun), index(satır, sütun));
    }

    qint64& değer(int satır) { return değerler_[size_t(satır)]; }
    qint64 değer(int satır) const { return değerler_[size_t(satır)]; }
    int tümSatırlar() const { return int(değerler_.size()); }

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

    // Stable sort of the shown rows by the column's values; the selection goes with its row.
    void sırala(int sütun, int yön)
    {
        if (sütun < 0 || sütun >= sütunSayısı()) return;
        const int n = görünen_;
        const SütunTürü tür = sütunlar_[sütun].tür;
        if (tür == SütunTürü::Metin) {
            // A text cell sorts by its text as it is held, any other cell by the text it shows.
            std::vector<QStringView> metinler;
            metinler.reserve(size_t(n));
            std::deque<QString> yapılan;
            for (int i = 0; i < n; ++i) {
                const ListeDeğeri& d = hücre(i, sütun);
                if (d.tür() == ListeDeğeri::Tür::Metin) {
                    metinler.push_back(d.metinGörünümü());
                } else {
                    yapılan.push_back(d.görünen());
                    metinler.push_back(yapılan.back());
                }
            }
            yenidenDiz(turkce::sıralamaDizini(metinler, yön != 0));
            return;
        }
        std::vector<int> sıra(static_cast<size_t>(n));
        std::iota(sıra.begin(), sıra.end(), 0);
        std::vector<double> anahtar(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) anahtar[size_t(i)] = sıralamaDeğeri(hücre(i, sütun), tür);
        if (yön == 0)
            std::stable_sort(sıra.begin(), sıra.end(), [&](int a, int b) { return anahtar[size_t(a)] < anahtar[size_t(b)]; });
        else
            std::stable_sort(sıra.begin(), sıra.end(), [&](int a, int b) { return anahtar[size_t(b)] < anahtar[size_t(a)]; });
        yenidenDiz(sıra);
    }

private:
    void yenidenDiz(const std::vector<int>& sıra)
    {
        const int n = int(sıra.size());
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        std::vector<int> yeniYer(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) yeniYer[size_t(sıra[size_t(i)])] = i;
        // In place, one cycle of the permutation after another: each row is moved once, and no second
        // copy of a long list is made. A cell moves as its bytes (it holds no address of itself).
        static_assert(QTypeInfo<ListeDeğeri>::isRelocatable);
        const size_t satırBaytı = genişlik_ * sizeof(ListeDeğeri);
        auto* hücreBaytları = reinterpret_cast<unsigned char*>(static_cast<void*>(hücreler_.data()));
        auto satırı = [&](int satır) { return hücreBaytları + size_t(satır) * satırBaytı; };
        std::vector<unsigned char> geçici(satırBaytı);
        std::vector<bool> yerinde(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) {
            if (yerinde[size_t(i)] || sıra[size_t(i)] == i) continue;
            std::memcpy(geçici.data(), satırı(i), satırBaytı);
            const qint64 geçiciDeğer = değerler_[size_t(i)];
            for (int j = i;;) {
                yerinde[size_t(j)] = true;
                const int k = sıra[size_t(j)];
                if (k == i) {
                    std::memcpy(satırı(j), geçici.data(), satırBaytı);
                    değerler_[size_t(j)] = geçiciDeğer;
                    break;
                }
                std::memcpy(satırı(j), satırı(k), satırBaytı);
                değerler_[size_t(j)] = değerler_[size_t(k)];
                j = k;
            }
        }
        const QModelIndexList eski = persistentIndexList();
        QModelIndexList güncel;
        güncel.reserve(eski.size());
        for (const QModelIndex& d : eski) güncel.append(index(yeniYer[size_t(d.row())], d.column()));
        changePersistentIndexList(eski, güncel);
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }

    QList<ListeSütunu> sütunlar_;
    size_t genişlik_ = 0;                // cells to a row: the number of columns
    std::vector<ListeDeğeri> hücreler_;  // row by row
    std::vector<qint64> değerler_;       // the value of each row
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

int ListeGörünümü::satırEkle(const QList<ListeDeğeri>& hücreler, qint64 değer)
{
    return model_->ekle(hücreler.constData(), hücreler.size(), değer);
}

int ListeGörünümü::satırEkle(QList<ListeDeğeri>&& hücreler, qint64 değer)
{
    return model_->taşıyarakEkle(std::move(hücreler), değer);
}

void ListeGörünümü::satırYeriAyır(int adet) { model_->yerAyır(adet); }

int ListeGörünümü::metinSatırıEkle(const QStringList& hücreler, qint64 değer)
{
    return model_->ekle(hücreler.constData(), hücreler.size(), değer);
}

void ListeGörünümü::satırSil(int satır) { model_->sil(satır); }
void ListeGörünümü::temizle() { model_->temizle(); }
int ListeGörünümü::satırSayısı() const { return model_->tümSatırlar(); }

const ListeDeğeri& ListeGörünümü::hücreDeğeri(int satır, int sütun) const
{
    static const ListeDeğeri boş;
    if (satır < 0 || satır >= model_->tümSatırlar() || sütun < 0 || sütun >= sütunSayısı()) return boş;
    return model_->hücre(satır, sütun);
}

QString ListeGörünümü::hücre(int satır, int sütun) const { return hücreDeğeri(satır, sütun).görünen(); }

void ListeGörünümü::hücreDeğeriniDeğiştir(int satır, int sütun, const ListeDeğeri& değer)
{
    model_->hücreyiDeğiştir(satır, sütun, değer);
}

void ListeGörünümü::hücreyiDeğiştir(int satır, int sütun, const QString& metin)
{
    model_->hücreyiDeğiştir(satır, sütun, ListeDeğeri(metin));
}

QStringList ListeGörünümü::satır(int i) const
{
    QStringList sonuç;
    for (int s = 0; s < sütunSayısı(); ++s) sonuç.append(hücre(i, s));
    return sonuç;
}

QList<ListeDeğeri> ListeGörünümü::satırDeğerleri(int i) const
{
    QList<ListeDeğeri> sonuç;
    sonuç.reserve(sütunSayısı());
    for (int s = 0; s < sütunSayısı(); ++s) sonuç.append(hücreDeğeri(i, s));
    return sonuç;
}

qint64 ListeGörünümü::satırDeğeri(int i) const
{
    return i < 0 || i >= model_->tümSatırlar() ? 0 : model_->değer(i);
}

void ListeGörünümü::satırDeğeriniDeğiştir(int i, qint64 değer)
{
    if (i >= 0 && i < model_->tümSatırlar()) model_->değer(i) = değer;
}

int ListeGörünümü::değerleBul(qint64 değer) const
{
    for (int i = 0; i < model_->tümSatırlar(); ++i)
        if (model_->değer(i) == değer) return i;
    return -1;
}

int ListeGörünümü::hücreyleBul(int sütun, const QString& metin) const
{
    if (sütun < 0 || sütun >= sütunSayısı()) return -1;
    for (int i = 0; i < model_->tümSatırlar(); ++i) {
        const ListeDeğeri& d = model_->hücre(i, sütun);
        if (d.tür() == ListeDeğeri::Tür::Metin ? d.metinGörünümü() == metin : d.görünen() == metin) return i;
    }
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
