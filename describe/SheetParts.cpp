#include "SheetParts.h"

#include <QDate>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipfileinfo.h>

#include <algorithm>
#include <cmath>

// ---------------------------------------------------------------- zip

// One part of the package, inflated as it is read; stops with an error the
// moment the package's budget is spent, and reports a damaged part (bad
// data or checksum) as an error too.
class tPartDevice : public QIODevice
{
  public:
    tPartDevice(tZipPackage &Package) : Owner(Package), File(Package.Zip.get()) {}
    ~tPartDevice() override
    {
        if (File.isOpen())
            File.close();
    }

    bool OpenPart(const QString &Name)
    {
        if (!Owner.Zip->setCurrentFile(Name, QuaZip::csSensitive) ||
            !File.open(QIODevice::ReadOnly))
            return false;
        return open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }
    bool atEnd() const override { return Done && QIODevice::bytesAvailable() == 0; }

  protected:
    qint64 readData(char *Data, qint64 MaxSize) override
    {
        if (Owner.Broken)
            return -1;
        if (Done || MaxSize <= 0)
            return 0;
        const qint64 N = File.read(Data, std::min(MaxSize, Owner.Budget + 1));
        if (N < 0 || File.getZipError() != UNZ_OK)
            return Fail();
        if (N == 0) {
            // The whole part is read: the checksum decides.
            Done = true;
            File.close();
            return File.getZipError() != UNZ_OK ? Fail() : 0;
        }
        Owner.Budget -= N;
        return Owner.Budget < 0 ? Fail() : N;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

  private:
    qint64 Fail()
    {
        Owner.Broken = true;
        Done = true;
        return -1;
    }
    tZipPackage &Owner;
    QuaZipFile File;
    bool Done = false;
};

tZipPackage::tZipPackage() = default;
tZipPackage::~tZipPackage() = default;

bool tZipPackage::Open(const QString &FileName)
{
    Zip = std::make_unique<QuaZip>(FileName);
    if (!Zip->open(QuaZip::mdUnzip))
        return false;
    const int Count = Zip->getEntriesCount();
    if (Count <= 0 || Count > SheetLimits::MaxEntries)
        return false;
    qint64 Stated = 0;
    const QList<QuaZipFileInfo64> Infos = Zip->getFileInfoList64();
    if (Infos.size() != Count)
        return false;
    for (const QuaZipFileInfo64 &I : Infos) {
        if (I.uncompressedSize > quint64(SheetLimits::MaxUnpackedBytes))
            return false;
        Stated += qint64(I.uncompressedSize);
        if (Stated > SheetLimits::MaxUnpackedBytes)
            return false;
        Parts.insert(I.name);
        Sizes.insert(I.name, qint64(I.uncompressedSize));
    }
    return true;
}

std::unique_ptr<QIODevice> tZipPackage::Part(const QString &Name)
{
    if (Broken || !Zip || !Parts.contains(Name))
        return nullptr;
    auto Device = std::make_unique<tPartDevice>(*this);
    if (!Device->OpenPart(Name))
        return nullptr;
    return Device;
}

bool tZipPackage::ReadPart(const QString &Name, QByteArray &Bytes)
{
    std::unique_ptr<QIODevice> D = Part(Name);
    if (!D)
        return false;
    // Room for the size the directory states (already within the budget);
    // a part that is longer than it says grows on, within the budget.
    Bytes.clear();
    Bytes.reserve(qsizetype(std::min(Sizes.value(Name), Budget)));
    for (;;) {
        if (Bytes.capacity() - Bytes.size() < 65536)
            Bytes.reserve(Bytes.capacity() * 2 + 65536);
        const qsizetype At = Bytes.size();
        Bytes.resize(Bytes.capacity());
        const qint64 N = D->read(Bytes.data() + At, Bytes.size() - At);
        Bytes.resize(At + std::max<qint64>(N, 0));
        if (N < 0 || Broken)
            return false;
        if (N == 0)
            break;
    }
    return !Broken;
}

// ---------------------------------------------------------------- cells

bool tCellCollector::Add(qint64 Row, qint64 Col, const QString &Text)
{
    if (Row < 0 || Col < 0 || Row >= SheetLimits::MaxRows || Col >= SheetLimits::MaxColumns)
        return false;
    if (Cells.size() >= SheetLimits::MaxCells)
        return false;
    Cells.append({int(Row), int(Col), Text});
    return true;
}

bool tCellCollector::Append(tCellCollector &&Other)
{
    if (Cells.size() + Other.Cells.size() > SheetLimits::MaxCells)
        return false;
    Cells.append(std::move(Other.Cells));
    return true;
}

void tCellCollector::Build(tSheet &Sheet) const
{
    Sheet = tSheet();
    Sheet.StoredNumbers = true;
    if (Cells.isEmpty())
        return;
    int Top = Cells.first().Row, Bottom = Top, Left = Cells.first().Col, Right = Left;
    for (const tCell &C : Cells) {
        Top = std::min(Top, C.Row);
        Bottom = std::max(Bottom, C.Row);
        Left = std::min(Left, C.Col);
        Right = std::max(Right, C.Col);
    }
    Sheet.Columns = Right - Left + 1;
    Sheet.Rows.resize(Bottom - Top + 1);
    const int Kept = ObsColumns + 1;
    for (const tCell &C : Cells) {
        const int Col = C.Col - Left;
        if (Col >= Kept)
            continue;
        QStringList &Row = Sheet.Rows[C.Row - Top];
        while (Row.size() <= Col)
            Row.append(QString());
        Row[Col] = C.Text;
    }
    FindSheetNames(Sheet);
}

// ---------------------------------------------------------------- dates

QString SheetDateText(int Year, int Month, int Day)
{
    return QStringLiteral("%1-%2-%3")
        .arg(Day, 2, 10, QLatin1Char('0'))
        .arg(Month, 2, 10, QLatin1Char('0'))
        .arg(Year, 4, 10, QLatin1Char('0'));
}

QString SerialDateText(double Serial, bool Date1904)
{
    if (!std::isfinite(Serial) || Serial < 0 || Serial >= 2958466)
        return QString();
    const qint64 Days = qint64(std::floor(Serial));
    QDate D;
    if (Date1904)
        D = QDate(1904, 1, 1).addDays(Days);
    else if (Days == 60)
        return SheetDateText(1900, 2, 29); // the leap day the 1900 system counts
    else if (Days == 0)
        return QString();
    else
        D = QDate(1899, 12, Days < 60 ? 31 : 30).addDays(Days);
    if (!D.isValid() || D.year() > 9999)
        return QString();
    return SheetDateText(D.year(), D.month(), D.day());
}

QString IsoDateText(QStringView Iso)
{
    if (Iso.size() < 10 || Iso[4] != QLatin1Char('-') || Iso[7] != QLatin1Char('-'))
        return QString();
    bool OkY = false, OkM = false, OkD = false;
    const int Y = Iso.mid(0, 4).toInt(&OkY);
    const int M = Iso.mid(5, 2).toInt(&OkM);
    const int D = Iso.mid(8, 2).toInt(&OkD);
    if (!OkY || !OkM || !OkD || !QDate::isValid(Y, M, D))
        return QString();
    return SheetDateText(Y, M, D);
}
