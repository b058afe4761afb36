#include "definitions/UrunKayitlari.h"

#include "definitions/UrunFotograflari.h"
#include "platform/TurkceMetin.h"
#include "platform/Yuzdelik.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <memory>

namespace ürün {

namespace {

// Keys of the photo names of every product but the given one (-1: every product).
QSet<QString> başkalarınınFotoğrafları(platform::Database& db, qint64 hariç)
{
    QSet<QString> sonuç;
    auto s = db.prepare(QStringLiteral("SELECT Fotografi FROM UrunBilgileriTablosu "
                                       "WHERE UrunNo<>? AND Fotografi IS NOT NULL AND Fotografi<>''"));
    s.bind(1, hariç);
    while (s.next()) sonuç.insert(fotoğrafAnahtarı(s.text(0)));
    return sonuç;
}

// The "Images" folder, created when the server folder is there and it is not.
QString klasörüHazırla(const QString& sunucuYolu)
{
    const QString klasör = fotoğrafKlasörü(sunucuYolu);
    if (QFileInfo(klasör).isDir()) return klasör;
    if (sunucuYolu.isEmpty() || !QFileInfo(sunucuYolu).isDir() || !QDir(sunucuYolu).mkdir(QStringLiteral("Images")))
        throw FotoğrafHatası(QStringLiteral("Fotoğraf klasörü oluşturulamadı: %1").arg(QDir::toNativeSeparators(klasör)));
    return klasör;
}

// Removes a newly written photo file again unless the save went through.
struct YeniDosyaTemizleyici {
    QString yol;
    bool tamam = false;
    ~YeniDosyaTemizleyici()
    {
        if (!tamam && !yol.isEmpty()) QFile::remove(yol);
    }
};

void yenisiniYaz(const QString& yol, const QImage& resim)
{
    QFile dosya(yol);
    // NewOnly: never write over a file that appeared since the name was chosen.
    if (!dosya.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw FotoğrafHatası(QStringLiteral("Fotoğraf dosyası yazılamadı: %1\n%2")
                                 .arg(QDir::toNativeSeparators(yol), dosya.errorString()));
    const bool yazıldı = resim.save(&dosya, "BMP");
    dosya.close();
    if (!yazıldı || dosya.error() != QFileDevice::NoError) {
        QFile::remove(yol);
        throw FotoğrafHatası(QStringLiteral("Fotoğraf dosyası yazılamadı: %1").arg(QDir::toNativeSeparators(yol)));
    }
}

QString kırp(const QString& s) { return s.trimmed(); }

// A price or VAT text as it is stored: a number of 0 to 10^12, rounded to hundredths; nothing otherwise.
std::optional<double> sayıDeğeri(const QString& metin)
{
    bool tamam = false;
    const double değer = turkce::sayıOku(metin, &tamam);
    if (!tamam || değer < 0) return std::nullopt;
    return yüzdelik::yazılacakDeğer(değer);
}

}  // namespace

QList<ListeSatırı> ürünListesi(platform::Database& db)
{
    QList<ListeSatırı> sonuç;
    auto s = db.prepare(QStringLiteral("SELECT UrunNo, Adi FROM UrunBilgileriTablosu"));
    while (s.next()) sonuç.append({s.integer(0), s.text(1)});
    return sonuç;
}

std::optional<ÜrünBilgileri> ürünOku(platform::Database& db, qint64 urunNo)
{
    auto s = db.prepare(QStringLiteral("SELECT Kodu, UreticiKodu, Adi, Markasi, MiktarBirimi, KDVOrani, Fiyati, "
                                       "Aciklama, Fotografi FROM UrunBilgileriTablosu WHERE UrunNo=?"));
    s.bind(1, urunNo);
    if (!s.next()) return std::nullopt;
    ÜrünBilgileri b;
    b.kodu = s.text(0);
    b.üreticiKodu = s.text(1);
    b.adı = s.text(2);
    b.markası = s.text(3);
    b.miktarBirimi = s.text(4);
    b.kdvOranı = s.isNull(5) ? QString() : turkce::tutarBiçimi(s.real(5));
    b.fiyatı = turkce::tutarBiçimi(s.real(6));
    b.açıklama = s.text(7);
    b.fotoğrafı = s.text(8);
    return b;
}

KayıtSonucu ürünüKaydet(platform::Database& db, const QString& sunucuYolu, const Kayıtİsteği& istek)
{
    ÜrünBilgileri b = istek.bilgiler;
    for (QString* m : {&b.kodu, &b.üreticiKodu, &b.adı, &b.markası, &b.miktarBirimi, &b.kdvOranı, &b.fiyatı,
                       &b.açıklama})
        *m = kırp(*m);

    KayıtSonucu sonuç;
    if (b.kodu.isEmpty()) {
        sonuç.durum = KayıtDurumu::KodBoş;
        return sonuç;
    }

    platform::Transaction işlem(db);
    const qint64 kendi = istek.urunNo.value_or(-1);
    if (db.scalar(QStringLiteral("SELECT 1 FROM UrunBilgileriTablosu WHERE TR_KATLA(Kodu)=TR_KATLA(?) AND UrunNo<>? "
                                 "LIMIT 1"),
                  {b.kodu, kendi})
            .isValid()) {
        sonuç.durum = KayıtDurumu::KodVar;
        return sonuç;
    }
    if (b.adı.isEmpty()) {
        sonuç.durum = KayıtDurumu::AdBoş;
        return sonuç;
    }

    // The price and the VAT rate as they are stored: a text that is not a number is refused, never stored as 0.
    const auto fiyatı = b.fiyatı.isEmpty() ? std::optional<double>(0.0) : sayıDeğeri(b.fiyatı);
    if (!fiyatı) {
        sonuç.durum = KayıtDurumu::FiyatGeçersiz;
        return sonuç;
    }
    const auto kdv = b.kdvOranı.isEmpty() ? std::optional<double>(0.0) : sayıDeğeri(b.kdvOranı);
    if (!kdv) {
        sonuç.durum = KayıtDurumu::KDVOranıGeçersiz;
        return sonuç;
    }
    const QVariant kdvOranı = b.kdvOranı.isEmpty() ? QVariant() : QVariant(*kdv);

    // The photo the row names now: the product's own file.
    QString mevcut;
    if (istek.urunNo) {
        auto s = db.prepare(QStringLiteral("SELECT Fotografi FROM UrunBilgileriTablosu WHERE UrunNo=?"));
        s.bind(1, *istek.urunNo);
        if (!s.next()) {
            sonuç.durum = KayıtDurumu::KayıtYok;
            return sonuç;
        }
        mevcut = s.text(0);
    }

    QString yeniAd = mevcut;
    YeniDosyaTemizleyici yeniDosya;
    std::unique_ptr<QSaveFile> yerineYazılan;  // the product's own file, replaced only once the row is written
    QSet<QString> başkaları;
    const bool fotoğrafDeğişiyor = istek.fotoğraf != FotoğrafDeğişikliği::Yok;
    if (fotoğrafDeğişiyor) başkaları = başkalarınınFotoğrafları(db, kendi);

    if (istek.fotoğraf == FotoğrafDeğişikliği::Kaldırıldı) {
        yeniAd.clear();
    } else if (istek.fotoğraf == FotoğrafDeğişikliği::Yeni) {
        const QString seçilen = b.fotoğrafı.trimmed();
        if (seçilen.isEmpty() || istek.resim.isNull())
            throw FotoğrafHatası(QStringLiteral("Kaydedilecek fotoğraf yok."));
        // The file goes into the "Images" folder and nowhere else.
        if (!düzDosyaAdıMı(seçilen))
            throw FotoğrafHatası(QStringLiteral("Geçersiz fotoğraf dosyası adı: %1").arg(seçilen));
        const QString klasör = klasörüHazırla(sunucuYolu);
        yeniAd = serbestAd(seçilen, mevcut, başkaları, dosyaAnahtarları(klasör));
        const QString varOlan = fotoğrafDosyasınıBul(klasör, yeniAd);
        if (!mevcut.isEmpty() && aynıFotoğrafAdı(yeniAd, mevcut) && !varOlan.isEmpty()) {
            // The product's own file, picked again: the row keeps its spelling and the file is replaced in place.
            yeniAd = mevcut;
            yerineYazılan = std::make_unique<QSaveFile>(varOlan);
            if (!yerineYazılan->open(QIODevice::WriteOnly) || !istek.resim.save(yerineYazılan.get(), "BMP"))
                throw FotoğrafHatası(QStringLiteral("Fotoğraf dosyası yazılamadı: %1\n%2")
                                         .arg(QDir::toNativeSeparators(varOlan), yerineYazılan->errorString()));
        } else {
            if (!mevcut.isEmpty() && aynıFotoğrafAdı(yeniAd, mevcut)) yeniAd = mevcut;
            const QString yol = QDir(klasör).filePath(yeniAd);
            yenisiniYaz(yol, istek.resim);
            yeniDosya.yol = yol;
        }
    }

    if (istek.urunNo) {
        db.exec(QStringLiteral("UPDATE UrunBilgileriTablosu SET Kodu=?, Adi=?, MiktarBirimi=?, Fiyati=?, KDVOrani=?, "
                               "Aciklama=?, UreticiKodu=?, Markasi=?, Fotografi=? WHERE UrunNo=?"),
                {b.kodu, b.adı, b.miktarBirimi, *fiyatı, kdvOranı, b.açıklama, b.üreticiKodu, b.markası, yeniAd,
                 *istek.urunNo});
        if (db.changes() != 1) {
            sonuç.durum = KayıtDurumu::KayıtYok;
            return sonuç;
        }
        sonuç.urunNo = *istek.urunNo;
    } else {
        db.exec(QStringLiteral("INSERT INTO UrunBilgileriTablosu (Kodu, Adi, MiktarBirimi, Fiyati, KDVOrani, Aciklama, "
                               "UreticiKodu, Markasi, Fotografi) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                {b.kodu, b.adı, b.miktarBirimi, *fiyatı, kdvOranı, b.açıklama, b.üreticiKodu, b.markası, yeniAd});
        sonuç.urunNo = db.lastInsertId();
    }

    // The old file goes only when this product was its last user.
    const bool eskisiSilinecek =
        fotoğrafDeğişiyor && !mevcut.isEmpty() && !aynıFotoğrafAdı(mevcut, yeniAd)
        && !başkaları.contains(fotoğrafAnahtarı(mevcut));
    işlem.commit();
    yeniDosya.tamam = true;

    sonuç.durum = KayıtDurumu::Kaydedildi;
    sonuç.fotoğrafı = yeniAd;
    sonuç.adı = b.adı;
    if (yerineYazılan && !yerineYazılan->commit())
        sonuç.sonrakiHata = QStringLiteral("Fotoğraf dosyası değiştirilemedi: %1\n%2")
                                .arg(QDir::toNativeSeparators(yerineYazılan->fileName()), yerineYazılan->errorString());
    if (eskisiSilinecek) {
        const QString eski = fotoğrafDosyasınıBul(fotoğrafKlasörü(sunucuYolu), mevcut);
        if (!eski.isEmpty() && !QFile::remove(eski))
            sonuç.sonrakiHata = QStringLiteral("Eski fotoğraf dosyası silinemedi: %1").arg(QDir::toNativeSeparators(eski));
    }
    return sonuç;
}

bool hareketiVarMı(platform::Database& db, qint64 urunNo)
{
    return db.scalar(QStringLiteral("SELECT 1 FROM GirisIslemleriTablosu WHERE UrunNo=? "
                                    "UNION ALL SELECT 1 FROM CikisIslemleriTablosu WHERE UrunNo=? LIMIT 1"),
                     {urunNo, urunNo})
        .isValid();
}

SilmeSonucu ürünüSil(platform::Database& db, const QString& sunucuYolu, qint64 urunNo)
{
    SilmeSonucu sonuç;
    platform::Transaction işlem(db);
    if (hareketiVarMı(db, urunNo)) {
        sonuç.durum = SilmeDurumu::HareketVar;
        return sonuç;
    }
    auto s = db.prepare(QStringLiteral("SELECT Fotografi FROM UrunBilgileriTablosu WHERE UrunNo=?"));
    s.bind(1, urunNo);
    if (!s.next()) {
        sonuç.durum = SilmeDurumu::KayıtYok;
        return sonuç;
    }
    const QString fotoğrafı = s.text(0);
    s = db.prepare(QStringLiteral("DELETE FROM UrunBilgileriTablosu WHERE UrunNo=?"));
    s.bind(1, urunNo);
    s.exec();
    if (db.changes() != 1) {
        sonuç.durum = SilmeDurumu::KayıtYok;
        return sonuç;
    }
    const bool paylaşılıyor =
        !fotoğrafı.isEmpty() && başkalarınınFotoğrafları(db, urunNo).contains(fotoğrafAnahtarı(fotoğrafı));
    işlem.commit();
    if (!fotoğrafı.isEmpty() && !paylaşılıyor) {
        const QString yol = fotoğrafDosyasınıBul(fotoğrafKlasörü(sunucuYolu), fotoğrafı);
        if (!yol.isEmpty() && !QFile::remove(yol))
            sonuç.sonrakiHata = QStringLiteral("Fotoğraf dosyası silinemedi: %1").arg(QDir::toNativeSeparators(yol));
    }
    return sonuç;
}

GösterilenFotoğraf fotoğrafıOku(const QString& sunucuYolu, const QString& ad)
{
    GösterilenFotoğraf g;
    if (ad.isEmpty()) return g;
    const QString klasör = fotoğrafKlasörü(sunucuYolu);
    const QFileInfo bilgi(klasör);
    if (sunucuYolu.isEmpty() || !bilgi.isDir() || !bilgi.isReadable()) {
        g.durum = FotoğrafDurumu::KlasöreUlaşılamıyor;
        return g;
    }
    g.yol = fotoğrafDosyasınıBul(klasör, ad);
    if (g.yol.isEmpty()) {
        g.durum = FotoğrafDurumu::DosyaYok;
        return g;
    }
    g.resim = resmiOku(g.yol);
    g.durum = g.resim.isNull() ? FotoğrafDurumu::Okunamadı : FotoğrafDurumu::Gösterildi;
    return g;
}

void fotoğrafReferansınıTemizle(platform::Database& db, qint64 urunNo, const QString& ad)
{
    db.exec(QStringLiteral("UPDATE UrunBilgileriTablosu SET Fotografi='' WHERE UrunNo=? AND Fotografi=?"),
            {urunNo, ad});
}

}  // namespace ürün
