-- Layout of a new, current shared database Stok.vtb.
-- Dates are ISO text (YYYY-MM-DD, with " HH:MM:SS" where a time is kept), quantities and prices REAL,
-- yes/no 0/1. Counters are never reused (AUTOINCREMENT).
PRAGMA journal_mode = DELETE;

BEGIN;

CREATE TABLE UrunBilgileriTablosu (
  UrunNo       INTEGER PRIMARY KEY AUTOINCREMENT,
  Kodu         TEXT,
  Adi          TEXT,
  MiktarBirimi TEXT,
  Fiyati       REAL,
  KDVOrani     REAL,
  Aciklama     TEXT,
  UreticiKodu  VARCHAR(128),
  Markasi      VARCHAR(255),
  Fotografi    VARCHAR(255)
);

CREATE TABLE SaticiFirmalarTablosu (
  Nosu          INTEGER PRIMARY KEY AUTOINCREMENT,
  Adi           TEXT,
  Telefonu      TEXT,
  Faksi         TEXT,
  VergiDairesi  TEXT,
  VergiNumarasi TEXT,
  Adresi        TEXT
);

CREATE TABLE AliciFirmalarTablosu (
  Nosu          INTEGER PRIMARY KEY AUTOINCREMENT,
  Adi           TEXT,
  Telefonu      TEXT,
  Faksi         TEXT,
  VergiDairesi  TEXT,
  VergiNumarasi TEXT,
  Adresi        TEXT
);

CREATE TABLE GirisIslemleriTablosu (
  HareketNo   INTEGER PRIMARY KEY AUTOINCREMENT,
  UrunNo      INTEGER,
  FirmaNo     INTEGER,
  Tarihi      TEXT,
  Miktari     REAL,
  Fiyati      REAL,
  GirisiYapan SMALLINT
);

CREATE TABLE CikisIslemleriTablosu (
  HareketNo   INTEGER PRIMARY KEY AUTOINCREMENT,
  UrunNo      INTEGER,
  FirmaNo     INTEGER,
  Tarihi      TEXT,
  Miktari     REAL,
  Fiyati      REAL,
  Nedeni      INTEGER,
  Fatura      INTEGER NOT NULL DEFAULT 0,
  CikisiYapan SMALLINT
);

CREATE TABLE GirisCikisYapanlarTablosu (
  Nosu      INTEGER PRIMARY KEY AUTOINCREMENT,
  AdiSoyadi VARCHAR(255)
);

-- Totals per product. Amounts are quantity times price. The program writes the same texts into an
-- older file at start-up; keep the two in step.
CREATE VIEW GirisToplamiSorgusu AS
SELECT Girisler.UrunNo AS UrunNo, UrunBilgileriTablosu.Kodu AS Kodu, UrunBilgileriTablosu.Adi AS Adi,
       Girisler.GirisToplami AS GirisToplami, Girisler.GirisTutari AS GirisTutari
FROM (SELECT UrunNo, Sum(Miktari) AS GirisToplami, Sum(Miktari*Fiyati) AS GirisTutari
      FROM GirisIslemleriTablosu GROUP BY UrunNo) AS Girisler
LEFT JOIN UrunBilgileriTablosu ON Girisler.UrunNo = UrunBilgileriTablosu.UrunNo;

CREATE VIEW CikisToplamiSorgusu AS
SELECT CikisIslemleriTablosu.UrunNo AS UrunNo, Sum(CikisIslemleriTablosu.Miktari) AS CikisToplami,
       Sum(CikisIslemleriTablosu.Miktari*CikisIslemleriTablosu.Fiyati) AS CikisTutari
FROM CikisIslemleriTablosu
GROUP BY CikisIslemleriTablosu.UrunNo;

-- One product's stock is a lookup in these; the date indexes serve the daily and period lists, the firm
-- indexes the movements of one firm, and the invoice index alone gives the invoicing tree its firms and
-- days of sales. The program adds any of them that an older file lacks, under these names.
CREATE INDEX GirisIslemleriUrunNoDizini ON GirisIslemleriTablosu (UrunNo, Miktari, Fiyati);
CREATE INDEX GirisIslemleriTarihiDizini ON GirisIslemleriTablosu (Tarihi);
CREATE INDEX CikisIslemleriUrunNoDizini ON CikisIslemleriTablosu (UrunNo, Miktari, Fiyati);
CREATE INDEX CikisIslemleriTarihiDizini ON CikisIslemleriTablosu (Tarihi);
CREATE INDEX GirisIslemleriFirmaNoDizini ON GirisIslemleriTablosu (FirmaNo);
CREATE INDEX CikisIslemleriFirmaNoDizini ON CikisIslemleriTablosu (FirmaNo);
CREATE INDEX CikisIslemleriFaturaDizini ON CikisIslemleriTablosu (Nedeni, Fatura, FirmaNo, Tarihi);

-- The reserved buyer of every receipt sale.
INSERT INTO AliciFirmalarTablosu (Nosu, Adi, Telefonu, Faksi, VergiDairesi, VergiNumarasi, Adresi)
VALUES (1, 'Fişli Satış', '', '', '', '', '');

COMMIT;
