#pragma once
// A printing surface that prints nothing and keeps every call instead, so that the tests can check what
// a print would put where: texts with their position and font, lines, page breaks, the end. A recorded
// document stands for a paper printer's: once sent, it cannot be taken back.
#include "platform/YaziciYuzeyi.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>

namespace yazdırma {

struct YazıcıÇağrısı {
    enum class Tür { Metin, Çizgi, YeniSayfa, Bitir, Vazgeç };
    Tür tür = Tür::Metin;
    int sayfa = 1;       // the page the call was made on
    double x = 0;        // text: top-left corner; line: first end
    double y = 0;
    double x2 = 0;       // line: second end
    double y2 = 0;
    QString metin;       // text only
    YazıTipi yazıTipi;   // text only
    double genişlik = 0; // text only: its measured width
};

// One recorded document.
struct KaydedilenBelge {
    QString yazıcı;    // the printer it was opened on
    QString belgeAdı;
    double sayfaGenişliği = 210;
    double sayfaYüksekliği = 297;
    QList<YazıcıÇağrısı> çağrılar;

    // Tests: run when the document is readied to go out (where a paper job is made and a PDF written),
    // and when it is sent.
    std::function<void()> hazırlanırken;
    std::function<void()> gönderilirken;

    bool bitti() const;       // ended: it went to the printer
    bool vazgeçildi() const;  // thrown away
    int sayfaSayısı() const;
    // The texts, in order; of one page when a page is given.
    QList<YazıcıÇağrısı> metinler(int sayfa = 0) const;
    QList<YazıcıÇağrısı> çizgiler(int sayfa = 0) const;
    // The first text equal to the given one, or null.
    const YazıcıÇağrısı* metinBul(const QString& metin) const;
};

class YazıcıKaydedici : public YazıcıYüzeyi {
public:
    // Records into the given document, or into one of its own.
    explicit YazıcıKaydedici(std::shared_ptr<KaydedilenBelge> belge);
    YazıcıKaydedici(double genişlik = 210, double yükseklik = 297);

    const KaydedilenBelge& belge() const { return *belge_; }

protected:
    void metinÇiz(double x, double y, const QString& metin) override;
    void çizgiÇiz(double x1, double y1, double x2, double y2) override;
    void sayfaEkle() override;
    void belgeyiHazırla() override;
    void belgeyiGönder() override;
    void belgeyiAt() override;

private:
    void ekle(YazıcıÇağrısı ç);
    std::shared_ptr<KaydedilenBelge> belge_;
};

// The documents recorded while the printer collection is turned to the recorder (Yazicilar.h), in the
// order they were opened.
class YazıcıKayıtları {
public:
    const QList<std::shared_ptr<KaydedilenBelge>>& belgeler() const { return belgeler_; }
    int sayı() const { return int(belgeler_.size()); }
    const KaydedilenBelge& son() const { return *belgeler_.last(); }
    std::shared_ptr<KaydedilenBelge> yeniBelge(const QString& yazıcı, const QString& belgeAdı, double genişlik,
                                               double yükseklik);
    // Given to every document opened from now on (KaydedilenBelge).
    std::function<void()> hazırlanırken;
    std::function<void()> gönderilirken;

private:
    QList<std::shared_ptr<KaydedilenBelge>> belgeler_;
};

}  // namespace yazdırma
