// The Debian package: built with CPack into a scratch folder, read back with
// dpkg-deb, and its lumentor-cli run unpacked, without the source tree.
#include <QStandardPaths>
#include <QtTest>
#include <algorithm>

namespace
{
// Standard output of a program, trimmed; Code receives its exit status.
QString Run(const QString &Program, const QStringList &Args, int *Code = nullptr,
            int TimeoutMs = 60000)
{
    QProcess P;
    P.setWorkingDirectory(QStringLiteral(LUMEN_BINARY_DIR));
    P.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    P.start(Program, Args);
    const bool Done = P.waitForFinished(TimeoutMs) && P.exitStatus() == QProcess::NormalExit;
    if (Code)
        *Code = Done ? P.exitCode() : -1;
    return QString::fromUtf8(P.readAllStandardOutput()).trimmed();
}
} // namespace

class TestPackage : public QObject
{
    Q_OBJECT

    QTemporaryDir Scratch;
    QString Deb;

  private slots:
    void initTestCase()
    {
        const QString Arch = Run(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")});
        int Code = -1;
        // Builds what is missing of the programs first (the package target's
        // dependency), then packs.
        Run(QStringLiteral(LUMEN_CPACK),
            {"-G", "DEB", "-B", Scratch.path(), "--config", LUMEN_BINARY_DIR "/CPackConfig.cmake"},
            &Code, 280000);
        QCOMPARE(Code, 0);
        Deb = Scratch.filePath(QStringLiteral("lumentor_" LUMEN_VERSION "_%1.deb").arg(Arch));
    }

    // The control fields; of Depends, the packages the binaries do not name.
    void control()
    {
        QCOMPARE(
            Run(QStringLiteral("dpkg-deb"), {"--field", Deb, "Package", "Version", "Section"})
                .split(QLatin1Char('\n')),
            QStringList({"Package: lumentor", "Version: " LUMEN_VERSION, "Section: education"}));
        const QString Depends = Run(QStringLiteral("dpkg-deb"), {"--field", Deb, "Depends"});
        for (const char *P : {"qt6-translations-l10n", "fonts-liberation", "qt6-qpa-plugins",
                              "libqt6widgets6", "libqt6printsupport6", "libquazip1-qt6-1"})
            QVERIFY2(Depends.contains(QRegularExpression(QStringLiteral("(^|, )%1( |,|$)").arg(P))),
                     P);
    }

    // Files with their modes and owner, as "dpkg-deb --contents" lists them.
    void files()
    {
        QStringList Listed;
        for (const QString &Line : Run(QStringLiteral("dpkg-deb"), {"--contents", Deb}).split('\n'))
            Listed << Line.section(' ', 0, 1) + ' ' + Line.section(' ', -1);
        QStringList Wanted{
            "-rwxr-xr-x bin/lumentor",
            "-rwxr-xr-x bin/lumentor-cli",
            "-rw-r--r-- share/applications/lumentor.desktop",
            "-rw-r--r-- share/mime/packages/lumentor.xml",
            "-rw-r--r-- share/icons/hicolor/scalable/apps/lumentor.svg",
            "-rw-r--r-- share/icons/hicolor/48x48/mimetypes/application-x-lumentor.png",
            "-rw-r--r-- share/man/man1/lumentor.1.gz",
            "-rw-r--r-- share/man/man1/lumentor-cli.1.gz"};
        for (const QString &Name : QDir(QStringLiteral(LUMEN_SOURCE_DIR "/examples"))
                                       .entryList({QStringLiteral("*.lmt")}, QDir::Files))
            Wanted << "-rw-r--r-- share/lumentor/examples/" + Name;
        for (const QString &W : Wanted)
            QVERIFY2(
                Listed.contains(W.section(' ', 0, 0) + " root/root ./usr/" + W.section(' ', 1)),
                qPrintable(W));
    }

    // lintian finds nothing to report: no error, no warning (notes and
    // hints are not counted). Skipped where lintian is not installed.
    void lintianClean()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("lintian")).isEmpty())
            QSKIP("lintian is not installed (tools/deps.sh installs it)");
        int Code = -1;
        const QString Report =
            Run(QStringLiteral("lintian"), {"--fail-on", "error,warning", "--tag-display-limit", "0",
                                            Deb},
                &Code, 280000);
        QVERIFY2(Code == 0, qPrintable(Report));
        const QStringList Lines = Report.split('\n', Qt::SkipEmptyParts);
        for (const QString &Line : Lines)
            QVERIFY2(!Line.startsWith("E:") && !Line.startsWith("W:"), qPrintable(Line));
    }

    // The copyright file in the machine-readable format, the changelog
    // compressed, the description's lines short enough.
    void documentation()
    {
        QStringList Listed = Run(QStringLiteral("dpkg-deb"), {"--contents", Deb}).split('\n');
        for (const char *File : {"./usr/share/doc/lumentor/copyright",
                                 "./usr/share/doc/lumentor/changelog.gz"})
            QVERIFY2(std::any_of(Listed.begin(), Listed.end(),
                                 [File](const QString &L) { return L.endsWith(File); }),
                     File);
        const QString Description = Run(QStringLiteral("dpkg-deb"), {"--field", Deb, "Description"});
        for (const QString &Line : Description.split('\n'))
            QVERIFY2(Line.size() <= 80, qPrintable(Line));
        QVERIFY(Description.split('\n').size() > 3);
        const QString Maintainer = Run(QStringLiteral("dpkg-deb"), {"--field", Deb, "Maintainer"});
        QVERIFY2(!Maintainer.contains(QStringLiteral("example.org")), qPrintable(Maintainer));
    }

    // The unpacked lumentor-cli reads the example in its own share folder as
    // the built one reads the source tree's.
    void unpackedCliReadsItsExample()
    {
        const QString Root = Scratch.filePath(QStringLiteral("root"));
        int Code = -1;
        Run(QStringLiteral("dpkg-deb"), {"-x", Deb, Root}, &Code);
        QCOMPARE(Code, 0);
        const QString Packed =
            Run(Root + "/usr/bin/lumentor-cli",
                {"info", Root + "/usr/share/lumentor/examples/hoejder.lmt"}, &Code);
        QCOMPARE(Code, 0);
        QCOMPARE(Packed, Run(QStringLiteral(LUMEN_CLI),
                             {"info", LUMEN_SOURCE_DIR "/examples/hoejder.lmt"}));
    }
};

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
