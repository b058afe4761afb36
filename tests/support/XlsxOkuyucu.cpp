#include "support/XlsxOkuyucu.h"

#include <QProcess>
#include <QXmlStreamReader>

#include <zlib.h>

#include <cmath>

namespace test {

namespace {

QByteArray parça(const QString& dosya, const QString& ad)
{
    QProcess p;
    // unzip takes the name as a pattern: "[Content_Types].xml" asks for a bracket as itself.
    p.start(QStringLiteral("unzip"), {QStringLiteral("-p"), dosya, QString(ad).replace(u'[', QStringLiteral("[[]"))});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    return p.readAllStandardOutput();
}

int satırNumarası(QStringView ref)
{
    qsizetype i = 0;
    while (i < ref.size() && ref[i].isLetter()) ++i;
    return ref.mid(i).toInt();
}

struct Stil {
    bool kalın = false;
    QString yatay, dikey, sayıBiçimi;
    bool kaydır = false;
};

QList<Stil> stilleriOku(const QByteArray& xml)
{
    QMap<int, QString> biçimler;
    QList<bool> kalınYazılar;
    QList<Stil> stiller;
    QXmlStreamReader r(xml);
    bool fonts = false, cellXfs = false;
    while (!r.atEnd()) {
        r.readNext();
        const auto ad = r.name();
        if (r.isStartElement()) {
            if (ad == u"numFmt")
                biçimler[r.attributes().value(QLatin1String("numFmtId")).toInt()] =
                    r.attributes().value(QLatin1String("formatCode")).toString();
            else if (ad == u"fonts")
                fonts = true;
            else if (ad == u"cellXfs")
                cellXfs = true;
            else if (fonts && ad == u"font")
                kalınYazılar.append(false);
            else if (fonts && ad == u"b" && !kalınYazılar.isEmpty())
                kalınYazılar.last() = true;
            else if (cellXfs && ad == u"xf") {
                Stil s;
                const int yazı = r.attributes().value(QLatin1String("fontId")).toInt();
                s.kalın = yazı < kalınYazılar.size() && kalınYazılar[yazı];
                const int biçim = r.attributes().value(QLatin1String("numFmtId")).toInt();
                if (biçim != 0) s.sayıBiçimi = biçimler.value(biçim, QString::number(biçim));
                stiller.append(s);
            } else if (cellXfs && ad == u"alignment" && !stiller.isEmpty()) {
                stiller.last().yatay = r.attributes().value(QLatin1String("horizontal")).toString();
                stiller.last().dikey = r.attributes().value(QLatin1String("vertical")).toString();
                stiller.last().kaydır = r.attributes().value(QLatin1String("wrapText")) == u"1";
            }
        } else if (r.isEndElement()) {
            if (ad == u"fonts")
                fonts = false;
            else if (ad == u"cellXfs")
                cellXfs = false;
        }
    }
    return stiller;
}

QStringList paylaşılanMetinler(const QByteArray& xml)
{
    QStringList metinler;
    QXmlStreamReader r(xml);
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.name() == u"si")
            metinler.append(QString());
        else if (r.isStartElement() && r.name() == u"t" && !metinler.isEmpty())
            metinler.last() += r.readElementText();
    }
    return metinler;
}

void stiliUygula(XlsxHücre& h, const QList<Stil>& stiller, int no)
{
    if (no < 0 || no >= stiller.size()) return;
    const Stil& s = stiller[no];
    h.kalın = s.kalın;
    h.yatay = s.yatay;
    h.dikey = s.dikey;
    h.kaydır = s.kaydır;
    h.sayıBiçimi = s.sayıBiçimi;
}

}  // namespace

double yazılanGenişlik(double genişlik)
{
    if (genişlik <= 0) return 0;
    const int piksel = genişlik < 1 ? int(genişlik * 12 + 0.5) : int(genişlik * 7 + 0.5) + 5;
    return std::floor(double(piksel) / 7.0 * 256.0) / 256.0;
}

QList<ZipParçası> xlsxParçaları(const QString& dosya)
{
    QProcess p;
    p.start(QStringLiteral("unzip"), {QStringLiteral("-Z1"), dosya});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    QList<ZipParçası> parçalar;
    for (const QByteArray& ad : p.readAllStandardOutput().split('\n'))
        if (!ad.isEmpty()) parçalar.append({QString::fromUtf8(ad), parça(dosya, QString::fromUtf8(ad))});
    return parçalar;
}

QByteArray zipYap(const QList<ZipParçası>& parçalar)
{
    const auto le16 = [](QByteArray& b, quint16 v) { b.append(char(v & 0xff)).append(char(v >> 8)); };
    const auto le32 = [&](QByteArray& b, quint32 v) {
        le16(b, quint16(v & 0xffff));
        le16(b, quint16(v >> 16));
    };
    QByteArray zip, dizin;
    for (const ZipParçası& p : parçalar) {
        z_stream z{};
        deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
        QByteArray sıkışık(int(deflateBound(&z, uLong(p.içerik.size()))), '\0');
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(p.içerik.constData()));
        z.avail_in = uInt(p.içerik.size());
        z.next_out = reinterpret_cast<Bytef*>(sıkışık.data());
        z.avail_out = uInt(sıkışık.size());
        deflate(&z, Z_FINISH);
        sıkışık.resize(qsizetype(z.total_out));
        deflateEnd(&z);
        const quint32 crc = quint32(crc32(0, reinterpret_cast<const Bytef*>(p.içerik.constData()), uInt(p.içerik.size())))
                            ^ (p.yanlışCrc ? 1u : 0u);
        const QByteArray ad = p.ad.toUtf8();
        // The fields the local header and the directory share: version, flags, deflate, time and date,
        // CRC-32, sizes and the name's length.
        QByteArray ortak;
        le16(ortak, 20);
        le16(ortak, 0);
        le16(ortak, Z_DEFLATED);
        le32(ortak, 0x00210000);
        le32(ortak, crc);
        le32(ortak, quint32(sıkışık.size()));
        le32(ortak, quint32(p.içerik.size()));
        le16(ortak, quint16(ad.size()));
        le16(ortak, 0);
        le32(dizin, 0x02014b50);
        le16(dizin, 20);
        dizin += ortak;
        le16(dizin, 0);  // comment
        le16(dizin, 0);  // disk
        le16(dizin, 0);  // attributes
        le32(dizin, 0);
        le32(dizin, quint32(zip.size()));
        dizin += ad;
        le32(zip, 0x04034b50);
        zip += ortak + ad + sıkışık;
    }
    const quint32 dizinYeri = quint32(zip.size());
    zip += dizin;
    le32(zip, 0x06054b50);
    le16(zip, 0);
    le16(zip, 0);
    le16(zip, quint16(parçalar.size()));
    le16(zip, quint16(parçalar.size()));
    le32(zip, quint32(dizin.size()));
    le32(zip, dizinYeri);
    le16(zip, 0);
    return zip;
}

XlsxSayfa xlsxOku(const QString& dosya)
{
    XlsxSayfa s;
    const QByteArray sayfaXml = parça(dosya, QStringLiteral("xl/worksheets/sheet1.xml"));
    if (sayfaXml.isEmpty()) return s;
    s.okundu = true;

    QXmlStreamReader w(parça(dosya, QStringLiteral("xl/workbook.xml")));
    while (!w.atEnd()) {
        w.readNext();
        if (w.isStartElement() && w.name() == u"sheet") {
            s.sayfaAdı = w.attributes().value(QLatin1String("name")).toString();
            break;
        }
    }
    const QList<Stil> stiller = stilleriOku(parça(dosya, QStringLiteral("xl/styles.xml")));
    const QStringList paylaşılan = paylaşılanMetinler(parça(dosya, QStringLiteral("xl/sharedStrings.xml")));

    QXmlStreamReader r(sayfaXml);
    while (!r.atEnd()) {
        r.readNext();
        if (!r.isStartElement()) continue;
        const auto ad = r.name();
        const auto a = r.attributes();
        if (ad == u"col") {
            XlsxSütun sütun{a.value(QLatin1String("width")).toDouble(), a.value(QLatin1String("hidden")) == u"1"};
            for (int i = a.value(QLatin1String("min")).toInt(); i <= a.value(QLatin1String("max")).toInt(); ++i)
                s.sütunlar[i] = sütun;
        } else if (ad == u"row") {
            const int no = a.value(QLatin1String("r")).toInt();
            if (a.hasAttribute(QLatin1String("ht"))) s.satırYükseklikleri[no] = a.value(QLatin1String("ht")).toDouble();
            if (a.value(QLatin1String("customFormat")) == u"1") {
                XlsxHücre biçim;
                stiliUygula(biçim, stiller, a.value(QLatin1String("s")).toInt());
                s.satırBiçimleri[no] = biçim;
            }
        } else if (ad == u"c") {
            const QString ref = a.value(QLatin1String("r")).toString();
            const QString tür = a.value(QLatin1String("t")).toString();
            XlsxHücre h;
            stiliUygula(h, stiller, a.hasAttribute(QLatin1String("s")) ? a.value(QLatin1String("s")).toInt() : 0);
            while (!(r.isEndElement() && r.name() == u"c") && !r.atEnd()) {
                r.readNext();
                if (r.isStartElement() && r.name() == u"v") {
                    const QString v = r.readElementText();
                    if (tür == u"s")
                        h.değer = paylaşılan.value(v.toInt());
                    else if (tür.isEmpty() || tür == u"n") {
                        h.değer = v;
                        h.sayı = true;
                    } else
                        h.değer = v;
                } else if (r.isStartElement() && r.name() == u"t") {
                    h.değer += r.readElementText();
                }
            }
            s.hücreler[ref] = h;
            const int satır = satırNumarası(ref);
            if (satır > s.sonSatır) s.sonSatır = satır;
        } else if (ad == u"mergeCell") {
            s.birleşikler.append(a.value(QLatin1String("ref")).toString());
        } else if (ad == u"pageMargins") {
            s.solKenar = a.value(QLatin1String("left")).toDouble();
            s.sağKenar = a.value(QLatin1String("right")).toDouble();
            s.üstKenar = a.value(QLatin1String("top")).toDouble();
            s.altKenar = a.value(QLatin1String("bottom")).toDouble();
        } else if (ad == u"printOptions") {
            s.yataydaOrtalı = a.value(QLatin1String("horizontalCentered")) == u"1";
            s.kılavuzÇizgileriYazdırılır = a.value(QLatin1String("gridLines")) == u"1";
        } else if (ad == u"pageSetUpPr") {
            s.sayfaGenişliğineSığar = a.value(QLatin1String("fitToPage")) == u"1";
        } else if (ad == u"pageSetup") {
            s.yön = a.value(QLatin1String("orientation")).toString();
            if (s.sayfaGenişliğineSığar) {
                const auto gen =
                    a.hasAttribute(QLatin1String("fitToWidth")) ? a.value(QLatin1String("fitToWidth")).toInt() : 1;
                const auto yük =
                    a.hasAttribute(QLatin1String("fitToHeight")) ? a.value(QLatin1String("fitToHeight")).toInt() : 1;
                s.sayfaGenişliğineSığar = gen == 1 && yük == 0;
            }
        }
    }
    return s;
}

}  // namespace test
