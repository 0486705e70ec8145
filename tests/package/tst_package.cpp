// The Debian package: built with CPack into a scratch folder, read back with
// dpkg-deb, and its lumentor-cli run unpacked, without the source tree.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

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
    QString Deb, Arch, Contents;

  private slots:
    void initTestCase()
    {
        Arch = Run(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")});
        int Code = -1;
        // Builds what is missing of the programs first (the package target's
        // dependency), then packs.
        Run(QStringLiteral(LUMEN_CPACK),
            {"-G", "DEB", "-B", Scratch.path(), "--config", LUMEN_BINARY_DIR "/CPackConfig.cmake"},
            &Code, 280000);
        QCOMPARE(Code, 0);
        Deb = Scratch.filePath(QStringLiteral("lumentor_" LUMEN_VERSION "_%1.deb").arg(Arch));
        Contents = Run(QStringLiteral("dpkg-deb"), {QStringLiteral("--contents"), Deb}, &Code);
        QCOMPARE(Code, 0);
    }

    // Control fields: a value, or for Depends one package among them.
    void field_data()
    {
        QTest::addColumn<QString>("Name");
        QTest::addColumn<QString>("Value");
        QTest::newRow("name") << "Package"
                              << "lumentor";
        QTest::newRow("version") << "Version" << LUMEN_VERSION;
        QTest::newRow("education menu") << "Section"
                                        << "education";
        for (const char *P : {"qt6-translations-l10n", "fonts-liberation", "qt6-qpa-plugins",
                              "libqt6widgets6", "libqt6printsupport6"})
            QTest::newRow(P) << "Depends" << P;
    }
    void field()
    {
        QFETCH(QString, Name);
        QFETCH(QString, Value);
        const QString Got = Run(QStringLiteral("dpkg-deb"), {"--field", Deb, Name});
        if (Name != QLatin1String("Depends"))
            QCOMPARE(Got, Value);
        else
            QVERIFY2(Got.contains(QRegularExpression(QStringLiteral("(^|, )") + Value + "( |,|$)")),
                     qPrintable(Got));
    }

    // Files with their modes, as "dpkg-deb --contents" lists them.
    void file_data()
    {
        QTest::addColumn<QString>("Mode");
        QTest::addColumn<QString>("Path"); // below /usr
        const QString Exe = QStringLiteral("-rwxr-xr-x"), Doc = QStringLiteral("-rw-r--r--");
        QTest::newRow("program") << Exe << "bin/lumentor";
        QTest::newRow("cli") << Exe << "bin/lumentor-cli";
        QTest::newRow("menu entry") << Doc << "share/applications/lumentor.desktop";
        QTest::newRow("file type") << Doc << "share/mime/packages/lumentor.xml";
        QTest::newRow("icon") << Doc << "share/icons/hicolor/scalable/apps/lumentor.svg";
        QTest::newRow("file icon")
            << Doc << "share/icons/hicolor/48x48/mimetypes/application-x-lumentor.png";
        QTest::newRow("manual") << Doc << "share/man/man1/lumentor.1.gz";
        QTest::newRow("cli manual") << Doc << "share/man/man1/lumentor-cli.1.gz";
        for (const QString &Name : QDir(QStringLiteral(LUMEN_SOURCE_DIR "/examples"))
                                       .entryList({QStringLiteral("*.lmt")}, QDir::Files))
            QTest::newRow(qPrintable(Name)) << Doc << "share/lumentor/examples/" + Name;
    }
    void file()
    {
        QFETCH(QString, Mode);
        QFETCH(QString, Path);
        const QRegularExpression Line(
            QStringLiteral("^%1 root/root .* \\./usr/%2$")
                .arg(QRegularExpression::escape(Mode), QRegularExpression::escape(Path)),
            QRegularExpression::MultilineOption);
        QVERIFY2(Contents.contains(Line), qPrintable(Path));
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
        QVERIFY(Packed.startsWith(QStringLiteral("datatype\t1\tobservationer\n")));
        QCOMPARE(Packed, Run(QStringLiteral(LUMEN_CLI),
                             {"info", LUMEN_SOURCE_DIR "/examples/hoejder.lmt"}));
    }
};

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
