// The Debian package: built with CPack into a scratch folder, its control
// fields, file list and scripts read back with dpkg-deb, and the programs
// unpacked from it run without the source tree.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
struct tRun {
    int Code = -1;
    QString Out;
    QString Err;
};

tRun Run(const QString &Program, const QStringList &Args, int TimeoutMs = 60000)
{
    QProcess P;
    P.setWorkingDirectory(QStringLiteral(LUMEN_BINARY_DIR));
    P.start(Program, Args);
    tRun R;
    if (!P.waitForFinished(TimeoutMs) || P.exitStatus() != QProcess::NormalExit) {
        P.kill();
        P.waitForFinished();
        return R;
    }
    R.Code = P.exitCode();
    R.Out = QString::fromUtf8(P.readAllStandardOutput());
    R.Err = QString::fromUtf8(P.readAllStandardError());
    return R;
}

// A field of the package's control file, "" when absent.
QString Field(const QString &Deb, const QString &Name)
{
    return Run(QStringLiteral("dpkg-deb"), {QStringLiteral("--field"), Deb, Name}).Out.trimmed();
}
} // namespace

class TestPackage : public QObject
{
    Q_OBJECT

    QTemporaryDir Scratch;
    QString Deb;
    QString Arch;
    QString Root;                 // the package unpacked
    QMap<QString, QString> Modes; // path in the package -> its mode letters

  private slots:
    void initTestCase()
    {
        QVERIFY(Scratch.isValid());
        Arch = Run(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")}).Out.trimmed();
        QVERIFY(!Arch.isEmpty());
        const tRun Made = Run(QStringLiteral(LUMEN_CPACK),
                              {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"),
                               Scratch.filePath(QStringLiteral("out")), QStringLiteral("--config"),
                               QStringLiteral(LUMEN_BINARY_DIR "/CPackConfig.cmake")},
                              280000);
        QVERIFY2(Made.Code == 0, qPrintable(Made.Out + Made.Err));
        Deb = Scratch.filePath(QStringLiteral("out/lumentor_" LUMEN_VERSION "_") + Arch +
                               QStringLiteral(".deb"));
        QVERIFY2(QFile::exists(Deb), qPrintable(Deb));

        const tRun List = Run(QStringLiteral("dpkg-deb"), {QStringLiteral("--contents"), Deb});
        QCOMPARE(List.Code, 0);
        // "-rwxr-xr-x root/root 657232 2026-12-06 15:54 ./usr/bin/lumentor"
        static const QRegularExpression Line(
            QStringLiteral("^(\\S+)\\s+\\S+\\s+\\d+\\s+\\S+\\s+\\S+\\s+(.+)$"));
        for (const QString &L : List.Out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QRegularExpressionMatch M = Line.match(L);
            if (M.hasMatch())
                Modes.insert(M.captured(2), M.captured(1));
        }

        Root = Scratch.filePath(QStringLiteral("root"));
        QCOMPARE(Run(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), Deb, Root}).Code, 0);
    }

    void controlFields_data()
    {
        QTest::addColumn<QString>("Name");
        QTest::addColumn<QString>("Expected");
        QTest::newRow("name") << "Package"
                              << "lumentor";
        QTest::newRow("version") << "Version" << LUMEN_VERSION;
        QTest::newRow("section: the education menu") << "Section"
                                                     << "education";
        QTest::newRow("maintainer") << "Maintainer"
                                    << "Lumentor <lumentor@example.org>";
    }
    void controlFields()
    {
        QFETCH(QString, Name);
        QFETCH(QString, Expected);
        QCOMPARE(Field(Deb, Name), Expected);
        QCOMPARE(Field(Deb, QStringLiteral("Architecture")), Arch);
    }

    // Named packages for what is loaded at run time; the Qt libraries come
    // from the binaries themselves.
    void dependsOn_data()
    {
        QTest::addColumn<QString>("Package");
        for (const char *P : {"qt6-translations-l10n", "fonts-liberation", "qt6-qpa-plugins",
                              "libqt6widgets6", "libqt6printsupport6", "libqt6gui6"})
            QTest::newRow(P) << P;
    }
    void dependsOn()
    {
        QFETCH(QString, Package);
        QStringList Names;
        for (const QString &D : Field(Deb, QStringLiteral("Depends")).split(QLatin1Char(',')))
            Names << D.trimmed().section(QLatin1Char(' '), 0, 0);
        QVERIFY2(Names.contains(Package), qPrintable(Names.join(QLatin1Char(' '))));
    }

    void contents_data()
    {
        QTest::addColumn<QString>("Path");
        QTest::addColumn<bool>("Executable");
        QTest::newRow("program") << "./usr/bin/lumentor" << true;
        QTest::newRow("command line") << "./usr/bin/lumentor-cli" << true;
        QTest::newRow("menu entry") << "./usr/share/applications/lumentor.desktop" << false;
        QTest::newRow("file type") << "./usr/share/mime/packages/lumentor.xml" << false;
        QTest::newRow("icon") << "./usr/share/icons/hicolor/scalable/apps/lumentor.svg" << false;
        QTest::newRow("icon 48") << "./usr/share/icons/hicolor/48x48/apps/lumentor.png" << false;
        QTest::newRow("file icon")
            << "./usr/share/icons/hicolor/48x48/mimetypes/application-x-lumentor.png" << false;
        QTest::newRow("manual") << "./usr/share/man/man1/lumentor.1.gz" << false;
        QTest::newRow("manual cli") << "./usr/share/man/man1/lumentor-cli.1.gz" << false;
        const QDir Examples(QStringLiteral(LUMEN_SOURCE_DIR "/examples"));
        for (const QString &Name : Examples.entryList({QStringLiteral("*.lmt")}, QDir::Files))
            QTest::newRow(qPrintable(Name))
                << QStringLiteral("./usr/share/lumentor/examples/") + Name << false;
    }
    void contents()
    {
        QFETCH(QString, Path);
        QFETCH(bool, Executable);
        QVERIFY2(Modes.contains(Path), qPrintable(Path));
        QCOMPARE(Modes.value(Path),
                 Executable ? QStringLiteral("-rwxr-xr-x") : QStringLiteral("-rw-r--r--"));
    }

    void maintainerScripts_data()
    {
        QTest::addColumn<QString>("Script");
        QTest::newRow("after install") << "postinst";
        QTest::newRow("after removal") << "postrm";
    }
    void maintainerScripts()
    {
        QFETCH(QString, Script);
        const QString Control = Scratch.filePath(QStringLiteral("control"));
        QCOMPARE(Run(QStringLiteral("dpkg-deb"), {QStringLiteral("-e"), Deb, Control}).Code, 0);
        QFile F(Control + QLatin1Char('/') + Script);
        QVERIFY(F.open(QIODevice::ReadOnly));
        QVERIFY(F.permissions() & QFile::ExeOther);
        const QString Text = QString::fromUtf8(F.readAll());
        for (const char *Tool : {"update-desktop-database", "update-mime-database"})
            QVERIFY2(Text.contains(QStringLiteral("command -v ") + QLatin1String(Tool)), Tool);
        // A shell that checks the script's syntax.
        QCOMPARE(Run(QStringLiteral("sh"), {QStringLiteral("-n"), F.fileName()}).Code, 0);
    }

    // The unpacked command line program reads the example from its own share
    // folder exactly as the built one reads the source tree's.
    void unpackedCliReadsItsExample()
    {
        const tRun Packed =
            Run(Root + QStringLiteral("/usr/bin/lumentor-cli"),
                {QStringLiteral("info"),
                 Root + QStringLiteral("/usr/share/lumentor/examples/hoejder.lmt")});
        QCOMPARE(Packed.Code, 0);
        QVERIFY(Packed.Out.startsWith(QStringLiteral("datatype\t1\tobservationer\n")));
        const tRun Built =
            Run(QStringLiteral(LUMEN_CLI),
                {QStringLiteral("info"), QStringLiteral(LUMEN_SOURCE_DIR "/examples/hoejder.lmt")});
        QCOMPARE(Packed.Out, Built.Out);
        const tRun Help =
            Run(Root + QStringLiteral("/usr/bin/lumentor-cli"), {QStringLiteral("--help")});
        QCOMPARE(Help.Code, 0);
    }

    // The menu entry points at what the package holds: its program, its icon
    // and the data file type it declares.
    void desktopEntryFitsThePackage()
    {
        QSettings Entry(Root + QStringLiteral("/usr/share/applications/lumentor.desktop"),
                        QSettings::IniFormat);
        Entry.beginGroup(QStringLiteral("Desktop Entry"));
        const QString Program =
            Entry.value(QStringLiteral("Exec")).toString().section(QLatin1Char(' '), 0, 0);
        QVERIFY(QFileInfo(Root + QStringLiteral("/usr/bin/") + Program).isExecutable());
        const QString Icon = Entry.value(QStringLiteral("Icon")).toString();
        QVERIFY(QFile::exists(Root + QStringLiteral("/usr/share/icons/hicolor/scalable/apps/") +
                              Icon + QStringLiteral(".svg")));
        QVERIFY(Entry.value(QStringLiteral("Categories"))
                    .toString()
                    .split(QLatin1Char(';'))
                    .contains(QStringLiteral("Education")));
        const QString Type =
            Entry.value(QStringLiteral("MimeType")).toString().section(QLatin1Char(';'), 0, 0);
        QFile Mime(Root + QStringLiteral("/usr/share/mime/packages/lumentor.xml"));
        QVERIFY(Mime.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(Mime.readAll())
                    .contains(QStringLiteral("type=\"") + Type + QLatin1Char('"')));
    }
};

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
