#pragma once
// The surface every print of the program draws on. Positions and sizes are millimetres measured from
// the top-left edge of the paper. Like a sheet in a typewriter, the surface keeps a current position:
// printing a text puts the text's top-left corner there and then moves the position, either along the
// line (by the text's width) or to the start of the next line (X back to 0, Y down by one line of the
// current font). Texts are neither clipped nor wrapped.
//
// Two kinds exist: a real document on one of the system's printers or the PDF printer (see Yazicilar.h,
// which opens them), and a recorder that keeps every call for the tests (YaziciKaydedici.h). Both measure
// texts the same way, so a page laid out on the recorder falls on paper where the recorder says.
#include <QString>

#include <memory>
#include <stdexcept>
#include <vector>

class QFont;

namespace yazdırma {

// The font a text is printed in.
struct YazıTipi {
    QString ad = QStringLiteral("Liberation Sans");
    double boyut = 10;  // points
    bool kalın = false;
    bool altıÇizili = false;
    bool operator==(const YazıTipi&) const = default;
};

// A document that cannot be started or written. Raised once per document; later calls on a failed
// document do nothing, so a caller that goes on after reporting it is not told again and again.
class YazdırmaHatası : public std::runtime_error {
public:
    explicit YazdırmaHatası(const QString& metin);
    // A document that did not go out to a system printer: gönderilemediMetni() of the printer and the cause.
    // `belirsiz`: the print server stopped answering once the document was released to the printer, so
    // that it may still print when the server answers again (belirsizMetni()).
    YazdırmaHatası(const QString& yazıcı, const QString& neden, bool belirsiz = false);
    // A document that the user gave up on: the printer asked for a password and none was given, so that
    // nothing went to the printer. Its message (ParolaVerilmediMetni) is the plain news of it, not an
    // error; `not_` adds what the user should know besides (a job left held on the server).
    static YazdırmaHatası parolaVerilmedi(const QString& yazıcı, const QString& not_ = {});
    QString metin() const { return metin_; }
    // The printer and the cause of a document that did not go out (empty for other failures).
    QString yazıcı() const { return yazıcı_; }
    QString neden() const { return neden_; }
    bool belirsiz() const { return belirsiz_; }
    bool vazgeçildi() const { return vazgeçildi_; }

private:
    QString metin_;
    QString yazıcı_;
    QString neden_;
    bool belirsiz_ = false;
    bool vazgeçildi_ = false;
};

// The cause of a print that a printer's password was asked for and not given.
inline const QString ParolaGerekiyorMetni = QStringLiteral("Bu yazıcıya yazdırmak için parola gerekiyor.");
// The message of a print that the user gave up on at the printer's password: %1 the printer.
inline const QString ParolaVerilmediMetni = QStringLiteral(
    "Yazıcının parolası verilmediği için yazdırma iptal edildi: %1\n\nHiçbir şey yazdırılmadı, hiçbir kayıt işaretlenmedi.");

// The message of a document that did not go out to a system printer, with the printer and the cause.
QString gönderilemediMetni(const QString& yazıcıAdı, const QString& neden);
// The message of a document released to a system printer whose print server then answered nothing more.
QString belirsizMetni(const QString& yazıcıAdı, const QString& neden);

// Whether printing a text stays on its line or ends it.
enum class Satır { Bitir, Sürdür };

class YazıcıYüzeyi {
public:
    virtual ~YazıcıYüzeyi();
    YazıcıYüzeyi(const YazıcıYüzeyi&) = delete;
    YazıcıYüzeyi& operator=(const YazıcıYüzeyi&) = delete;

    // The paper (mm).
    double sayfaGenişliği() const { return genişlik_; }
    double sayfaYüksekliği() const { return yükseklik_; }

    // Font of the texts printed from now on.
    const YazıTipi& yazıTipi() const { return yazıTipi_; }
    void setYazıTipi(const YazıTipi& yazıTipi) { yazıTipi_ = yazıTipi; }
    void setYazıTipiAdı(const QString& ad) { yazıTipi_.ad = ad; }
    void setYazıTipiBoyutu(double punto) { yazıTipi_.boyut = punto; }
    void setKalın(bool kalın) { yazıTipi_.kalın = kalın; }
    void setAltıÇizili(bool altıÇizili) { yazıTipi_.altıÇizili = altıÇizili; }

    // The current position (mm from the paper's left and top edges).
    double x() const
    {
        if (bekliyor_) ilerle();
        return x_;
    }
    double y() const { return y_; }
    void setX(double x)
    {
        x_ = x;
        bekliyor_ = false;
    }
    void setY(double y) { y_ = y; }

    // Width of a text and height of one line in the current font (mm).
    double metinGenişliği(const QString& metin) const;
    double metinYüksekliği() const;

    // Prints the text with its top-left corner at the current position, then moves the position.
    void yaz(const QString& metin, Satır satır = Satır::Bitir);
    // A straight line with the thinnest black pen. The current position does not move.
    void çizgi(double x1, double y1, double x2, double y2);
    // Ends the page; the position goes to the top-left corner and the page number goes up by one.
    void yeniSayfa();
    // The page being drawn, from 1.
    int sayfaNo() const { return sayfa_; }

    // Ends the document: it goes to the printer, and a PDF file is shown. Nothing is printed when nothing
    // was drawn.
    void bitir();
    // bitir() in three steps, for a print that holds the shared database only for what must be inside it.
    // hazırla() ends the document and does all that can wait on a disk, the network or the user: it writes
    // the document whole and, for a paper printer, makes a job that the print server holds and sends the
    // whole document into it (where the server may ask for a password); a PDF file is written whole under
    // a temporary name. gönder() sends the document out: a paper printer's job is released to the printer,
    // and once it returns the server has answered that it did. göster() gives a PDF file its name and opens
    // it with the desktop's viewer (with the message when it cannot). Each step first does those before it
    // that have not been done. A step that fails throws YazdırmaHatası and leaves nothing behind that
    // could print: no file, and a job cancelled where the server still answers (held, it never prints).
    void hazırla();
    void gönder();
    void göster();
    // Throws the document away, or takes it back after gönder() and before göster(): a paper printer's
    // held job is cancelled, a PDF file not yet named is removed. True when nothing of the document went
    // out: false only for a paper printer's job once released.
    bool vazgeç();

    // The font as Qt draws it.
    static QFont qtYazıTipi(const YazıTipi& yazıTipi);

protected:
    YazıcıYüzeyi(double genişlik, double yükseklik);

    // What a kind of surface does with each call; positions in mm, the font the current one.
    virtual void metinÇiz(double x, double y, const QString& metin) = 0;
    virtual void çizgiÇiz(double x1, double y1, double x2, double y2) = 0;
    virtual void sayfaEkle() = 0;
    // The steps of bitir() for this kind of surface: belgeyiHazırla() always, the others only after it.
    // belgeyiAt() drops a document not yet sent; belgeyiGeriAl() takes a sent one back where it can (false:
    // it went out).
    virtual void belgeyiHazırla() = 0;
    virtual void belgeyiGönder() {}
    virtual void belgeyiGöster() {}
    virtual void belgeyiAt() = 0;
    virtual bool belgeyiGeriAl() { return false; }

    // Distance from a text's top to its baseline in the current font (mm).
    double tabanUzaklığı() const;
    // The current font as Qt draws it (made once for each font).
    const QFont& güncelQtYazıTipi() const;

private:
    struct Ölçüm;
    // The font, its metrics and its line height, made when a font is first used; the last few fonts
    // are kept, so that a print going back and forth between fonts makes each of them once.
    const Ölçüm& ölçüm() const;
    // Moves X by the width of the text printed last on its line: a text's width is measured only when
    // the position after it is read.
    void ilerle() const;

    double genişlik_;
    double yükseklik_;
    YazıTipi yazıTipi_;
    mutable std::vector<std::shared_ptr<const Ölçüm>> ölçümler_;  // the latest last
    mutable double x_ = 0;
    // The text whose width X has yet to move by, and the font it was printed in.
    mutable bool bekliyor_ = false;
    QString bekleyenMetin_;
    std::shared_ptr<const Ölçüm> bekleyenÖlçüm_;
    double y_ = 0;
    int sayfa_ = 1;
    // Drawn on; ended and ready to go; sent (a PDF not yet shown); over: shown, or thrown away (atıldı_).
    enum class Aşama { Çiziliyor, Hazır, Gönderildi, Bitti } aşama_ = Aşama::Çiziliyor;
    bool atıldı_ = false;
};

}  // namespace yazdırma
